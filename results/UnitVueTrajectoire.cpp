#include "results/UnitVueTrajectoire.h"

#include "resources/UnitChainesRessources.h"

#include <algorithm>

namespace VueTrajectoire {
namespace {

// The points drawn for a point item: one, or all of them for the last item.
std::vector<int> Dessines(const TResultatsSeries& r, int item)
{
    const int n = r.NbPointsMobiles;
    if (n > 1 && item == n) {
        std::vector<int> tous(static_cast<size_t>(n));
        for (int p = 0; p < n; ++p) tous[size_t(p)] = p;
        return tous;
    }
    return {std::clamp(item, 0, n - 1)};
}

std::vector<int> Indices(size_t n)
{
    std::vector<int> i(n);
    for (size_t k = 0; k < n; ++k) i[k] = int(k);
    return i;
}

std::vector<TColor> Couleurs(const std::vector<int>& points)
{
    std::vector<TColor> c;
    for (int p : points) c.push_back(VuesGraphe::CouleursPoints[size_t(p)]);
    return c;
}

// Moves both bounds apart by the same amount until the range is `minimum`.
void Elargir(double& min, double& max, double minimum)
{
    if (minimum <= max - min) return;
    const double d = (minimum - (max - min)) / 2;
    min -= d;
    max += d;
}

} // namespace

QStringList Points(const TResultatsSeries& r)
{
    QStringList l;
    QStringList tous;
    for (int p = 1; p <= r.NbPointsMobiles; ++p) {
        l << QString::number(p);
        tous << QString::number(p);
    }
    if (r.NbPointsMobiles > 1) l << tous.join(u'-');
    return l;
}

QStringList Referentiels(const TResultatsSeries& r)
{
    QStringList l{Chaines::Texte("TrajectoireCamera")};
    if (r.NbPointsMobiles > 1)
        for (int p = 1; p <= r.NbPointsMobiles; ++p) l << Chaines::Texte("TrajectoirePoint").arg(p);
    return l;
}

void Preparer(TDessinGraphe& g)
{
    g.SetModeVecteurs(false);
    g.SetAxeXVisible(true);
    g.SetAxeYVisible(true);
    g.SetZoomXY(true);
    VuesGraphe::AppliquerFond(g, VuesGraphe::FondTrajectoire);
    VuesGraphe::Marges(g, 15, 30, 85, 50);
}

VecteurPointD Relative(const TResultatsSeries& r, int p, int referentiel)
{
    const size_t q = size_t(p);
    if (referentiel == p) return {PointD{0, 0}};
    if (referentiel < 0) {
        VecteurPointD v(static_cast<size_t>(r.NbMesures[q]));
        for (size_t i = 0; i < v.size(); ++i) v[i] = PointD{r.SerieX[q][i], r.SerieY[q][i]};
        return v;
    }
    const size_t f = size_t(referentiel);
    VecteurPointD v(static_cast<size_t>(std::min(r.NbMesures[q], r.NbMesures[f])));
    for (size_t i = 0; i < v.size(); ++i)
        v[i] = PointD{r.SerieX[q][i] - r.SerieX[f][i], r.SerieY[q][i] - r.SerieY[f][i]};
    return v;
}

void Dessiner(TDessinGraphe& g, const TResultatsSeries& r, const Choix& c, TEtendue& e)
{
    const std::vector<int> points = Dessines(r, c.point);
    std::vector<int> marques;
    for (int p : points) {
        const VecteurPointD v = Relative(r, p, c.referentiel - 1);
        g.AddCourbe(int(v.size()), v, {}, {});
        e.Ajouter(v);
        marques.push_back(VuesGraphe::MarquesPoints[size_t(p)]);
    }
    g.SetTitreAxeX(Chaines::Texte("TitreTrajectoireX"));
    g.SetTitreAxeY(Chaines::Texte("TitreTrajectoireY"));
    g.SelectCourbes(Indices(points.size()), marques, Couleurs(points), 0);

    const int W = g.LargeurGraphe(), H = g.HauteurGraphe();
    if (W > 0 && H > 0 && !e.Vide()) {
        // Never less than a quarter of the picture, in metres.
        Elargir(e.Xmin, e.Xmax, r.MetresParLargeur / 4);
        Elargir(e.Ymin, e.Ymax, r.MetresParHauteur / 4);
        VuesGraphe::EchellesEgales(e, W, H, 0.1);
    }
    AppliquerOptions(g, r, c);
}

void AppliquerOptions(TDessinGraphe& g, const TResultatsSeries& r, const Choix& c)
{
    const std::vector<int> points = Dessines(r, c.point);
    const std::vector<int> indices = Indices(points.size());
    const std::vector<TColor> couleurs = Couleurs(points);
    if (c.numeros)
        g.SetNumerosVisibles(indices, couleurs);
    else
        g.SetNumerosVisibles({}, {});
    if (c.courbe)
        g.SetCourbesJointes(indices, couleurs);
    else
        g.SetCourbesJointes({}, {});
}

} // namespace VueTrajectoire
