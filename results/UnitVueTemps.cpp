#include "results/UnitVueTemps.h"

#include "resources/UnitChainesRessources.h"

#include <cmath>

namespace VueTemps {
namespace {

using S = TResultatsSeries;

struct Definition {
    Grandeur grandeur;
    const char* libelle;
    const char* titre;
    S::Series S::*serie;
    S::Series S::*compagne;    // widens the vertical range: x and y share a scale
    bool norme;                // a magnitude: its axis starts at 0
    S::Series S::*incertitude; // its standard uncertainties; none for positions
};

constexpr Definition Definitions[] = {
    {Grandeur::X, "TempsX", "TitreTempsX", &S::SerieX, &S::SerieY, false, nullptr},
    {Grandeur::Y, "TempsY", "TitreTempsY", &S::SerieY, &S::SerieX, false, nullptr},
    {Grandeur::VX, "TempsVX", "TitreTempsVX", &S::SerieVX, &S::SerieVY, false, &S::SerieUVX},
    {Grandeur::VY, "TempsVY", "TitreTempsVY", &S::SerieVY, &S::SerieVX, false, &S::SerieUVY},
    {Grandeur::V, "TempsV", "TitreTempsV", &S::SerieV, &S::SerieV, true, &S::SerieUV},
    {Grandeur::AX, "TempsAX", "TitreTempsAX", &S::SerieAX, &S::SerieAY, false, &S::SerieUAX},
    {Grandeur::AY, "TempsAY", "TitreTempsAY", &S::SerieAY, &S::SerieAX, false, &S::SerieUAY},
    {Grandeur::A, "TempsA", "TitreTempsA", &S::SerieA, &S::SerieA, true, &S::SerieUA},
};

const Definition& definition(Grandeur g)
{
    return Definitions[int(g)];
}

} // namespace

std::vector<Grandeur> Grandeurs(const TResultatsSeries& r)
{
    std::vector<Grandeur> l{Grandeur::X, Grandeur::Y};
    if (r.AfficherVitesse) l.insert(l.end(), {Grandeur::VX, Grandeur::VY, Grandeur::V});
    if (r.AfficherAcceleration) l.insert(l.end(), {Grandeur::AX, Grandeur::AY, Grandeur::A});
    return l;
}

QString Libelle(Grandeur g)
{
    return Chaines::Texte(definition(g).libelle);
}

QString TitreAxe(Grandeur g)
{
    return Chaines::Texte(definition(g).titre);
}

QStringList Points(const TResultatsSeries& r)
{
    QStringList l;
    for (int p = 1; p <= r.NbPointsMobiles; ++p) l << Chaines::Texte("TempsPoint").arg(p);
    return l;
}

void Preparer(TDessinGraphe& g)
{
    g.SetModeVecteurs(false);
    g.SetAxeXVisible(true);
    g.SetAxeYVisible(true);
    g.SetZoomY(true);
    g.SetZoomX(false);
    VuesGraphe::AppliquerFond(g, VuesGraphe::FondTemps);
    VuesGraphe::Marges(g, 15, 30, 85, 50);
}

void Dessiner(TDessinGraphe& g, const TResultatsSeries& r, const Choix& c, TEtendue& e)
{
    const Definition& d = definition(c.grandeur);
    const size_t p = size_t(c.point);
    const int n = r.NbMesures[p];
    const std::vector<double>* barres = c.incertitudes && d.incertitude ? &(r.*d.incertitude)[p] : nullptr;
    VecteurPointD points(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double t = r.SerieTemps[p][size_t(i)];
        points[size_t(i)] = PointD{t, (r.*d.serie)[p][size_t(i)]};
        e.Ajouter(points[size_t(i)]);
        e.Ajouter(PointD{t, (r.*d.compagne)[p][size_t(i)]});
        // An uncertainty that cannot be estimated (NaN) draws no bar.
        if (barres && std::isfinite((*barres)[size_t(i)])) {
            e.Ajouter(PointD{t, points[size_t(i)].Y + (*barres)[size_t(i)]});
            e.Ajouter(PointD{t, points[size_t(i)].Y - (*barres)[size_t(i)]});
        }
    }
    const int courbe = g.AddCourbe(n, points, {}, {});
    if (barres) g.SetBarres(courbe, *barres);
    g.SetTitreAxeX(Chaines::Texte("TitreTempsT"));
    g.SetTitreAxeY(TitreAxe(c.grandeur));
    g.SelectCourbes({0}, {VuesGraphe::MarquesPoints[p]}, {VuesGraphe::CouleursPoints[p]}, 0);
    if (n == 0) return;

    if (d.norme) e.Ymin = 0;
    if (e.Ymax - e.Ymin < 0.1) {
        e.Ymin -= 0.05;
        e.Ymax += 0.05;
    }
    e.Ymin -= (e.Ymax - e.Ymin) * 0.05;
    e.Ymax += (e.Ymax - e.Ymin) * 0.05;
    // A single sample has no time range: it stands at the left of a short one.
    if (e.Xmax - e.Xmin < 1e-9) e.Xmax = e.Xmin + 0.1;
    e.Xmax *= 1.05;
    AppliquerCourbe(g, c);
    g.SetZoomX(c.zoomX);
    g.SetZoomY(c.zoomY);
}

void AppliquerCourbe(TDessinGraphe& g, const Choix& c)
{
    if (c.courbe)
        g.SetCourbesJointes({0}, {VuesGraphe::CouleursPoints[size_t(c.point)]});
    else
        g.SetCourbesJointes({}, {});
}

} // namespace VueTemps
