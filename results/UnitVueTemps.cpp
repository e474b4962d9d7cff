#include "results/UnitVueTemps.h"

#include "resources/UnitChainesRessources.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

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

namespace {

// One curve against time, its range widened for the companion values and
// the bars, with 5 % margins and at least 0.1 of height.
struct Trace {
    const std::vector<double>& temps;
    const std::vector<double>& valeurs;
    const std::vector<double>& compagne;
    const std::vector<double>* barres; // none: no bars
    bool norme;                        // its axis starts at 0
    QString titre;
};

void tracer(TDessinGraphe& g, const Trace& t, const Choix& c, TEtendue& e)
{
    const std::size_t p = std::size_t(c.point);
    const int n = int(std::min(t.temps.size(), t.valeurs.size()));
    VecteurPointD points(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double temps = t.temps[size_t(i)];
        points[size_t(i)] = PointD{temps, t.valeurs[size_t(i)]};
        // A value that is not finite widens nothing.
        if (std::isfinite(points[size_t(i)].Y)) e.Ajouter(points[size_t(i)]);
        if (size_t(i) < t.compagne.size() && std::isfinite(t.compagne[size_t(i)]))
            e.Ajouter(PointD{temps, t.compagne[size_t(i)]});
        // An uncertainty that cannot be estimated (NaN) draws no bar.
        if (t.barres && std::isfinite((*t.barres)[size_t(i)])) {
            e.Ajouter(PointD{temps, points[size_t(i)].Y + (*t.barres)[size_t(i)]});
            e.Ajouter(PointD{temps, points[size_t(i)].Y - (*t.barres)[size_t(i)]});
        }
    }
    const int courbe = g.AddCourbe(n, points, {}, {});
    if (t.barres) g.SetBarres(courbe, *t.barres);
    g.SetTitreAxeX(Chaines::Texte("TitreTempsT"));
    g.SetTitreAxeY(t.titre);
    g.SelectCourbes({0}, {VuesGraphe::MarquesPoints[p]}, {VuesGraphe::CouleursPoints[p]}, 0);
    if (n == 0) return;

    if (t.norme) e.Ymin = 0;
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

// The string-table name of a ready quantity's kind, by its name.
const char* genre(const TGrandeurDefinie& d)
{
    if (d.Propre) return "GrandeurPropre";
    const std::string nom = d.Point ? d.Nom.substr(0, d.Nom.size() - 1) : d.Nom;
    static const std::pair<const char*, const char*> genres[] = {
        {"Ek", "GrandeurEk"},   {"Ep", "GrandeurEp"},   {"E", "GrandeurE"},     {"px", "GrandeurPx"},
        {"py", "GrandeurPy"},   {"p", "GrandeurP"},     {"xT", "GrandeurXT"},   {"yT", "GrandeurYT"},
        {"vxT", "GrandeurVxT"}, {"vyT", "GrandeurVyT"}, {"pxS", "GrandeurPxS"}, {"pyS", "GrandeurPyS"},
    };
    for (const auto& [n, cle] : genres)
        if (nom == n) return cle;
    return "GrandeurPropre";
}

} // namespace

void Dessiner(TDessinGraphe& g, const TResultatsSeries& r, const Choix& c, TEtendue& e)
{
    const Definition& d = definition(c.grandeur);
    const size_t p = size_t(c.point);
    const std::vector<double>* barres = c.incertitudes && d.incertitude ? &(r.*d.incertitude)[p] : nullptr;
    tracer(g, {r.SerieTemps[p], (r.*d.serie)[p], (r.*d.compagne)[p], barres, d.norme, TitreAxe(c.grandeur)}, c, e);
}

void DessinerGrandeur(TDessinGraphe& g, const TSerieGrandeur& s, const TGrandeurDefinie& d, const Choix& c, TEtendue& e)
{
    Choix couleur = c;
    couleur.point = d.Point > 0 ? d.Point - 1 : 0;
    tracer(g, {s.Temps, s.Valeurs, s.Valeurs, c.incertitudes ? &s.Incertitudes : nullptr, false, TitreGrandeur(d)},
           couleur, e);
}

QString LibelleGrandeur(const TGrandeurDefinie& d)
{
    return Chaines::Texte(genre(d)).arg(QString::fromStdString(d.Nom));
}

QString TitreGrandeur(const TGrandeurDefinie& d)
{
    const QString nom = QString::fromStdString(d.Nom);
    return d.Unite.empty() ? nom : QStringLiteral("%1 (%2)").arg(nom, QString::fromStdString(d.Unite));
}

void AppliquerCourbe(TDessinGraphe& g, const Choix& c)
{
    if (c.courbe)
        g.SetCourbesJointes({0}, {VuesGraphe::CouleursPoints[size_t(c.point)]});
    else
        g.SetCourbesJointes({}, {});
}

} // namespace VueTemps
