// Drawing of the calibration beyond the scale segment: turned axes (or the
// axes of a plane seen in perspective), the plane's rectangle with a light
// grid of the plane, and the corners being clicked.

#include "view/UnitDessinMesure.h"

#include "kit/Trace.h"
#include "measure/UnitAxesVus.h"

#include <QPen>
#include <QPolygon>
#include <algorithm>
#include <cmath>

namespace DessinMesure {
namespace {

QPoint Arrondi(PointD p)
{
    return {int(std::lround(p.X)), int(std::lround(p.Y))};
}

// The arrow head of Fleche, turned along the unit vector `u` towards the tip.
void FlecheTournee(QPainter& p, PointD t, PointD u)
{
    const PointD n{-u.Y, u.X};
    const PointD base{t.X - 8 * u.X, t.Y - 8 * u.Y};
    Trace::Polygone(p,
                    QPolygon({Arrondi(t), Arrondi({base.X + 8 * n.X, base.Y + 8 * n.Y}),
                              Arrondi({base.X - 8 * n.X, base.Y - 8 * n.Y})}));
}

void Axe(QPainter& p, const AxeVu& a)
{
    // One pixel past the tip, so that the line covers it.
    Trace::Ligne(p, Arrondi(a.Debut), Arrondi({a.Fin.X + a.Direction.X, a.Fin.Y + a.Direction.Y}));
    FlecheTournee(p, a.Fin, a.Direction);
}

// A round step of the grid, about a fifth of the rectangle's shorter side.
double PasGrille(const TPlan& plan)
{
    const double cible = std::min(plan.Largeur, plan.Hauteur) / 5.0;
    const double decade = std::pow(10.0, std::floor(std::log10(cible)));
    for (double f : {1.0, 2.0, 5.0})
        if (f * decade >= cible * 0.7) return f * decade;
    return 10.0 * decade;
}

// At most this many grid lines each way around the rectangle.
constexpr int LignesMax = 60;

} // namespace

void AxesTournes(QPainter& p, const EtatMesure& m, int largeur, int hauteur)
{
    const auto axes = AxesSurLaVue(m, largeur, hauteur);
    if (!axes) return;
    Axe(p, axes->X);
    Axe(p, axes->Y);
}

void Plan(QPainter& p, const EtatMesure& m, int largeur, int hauteur)
{
    if (!m.Plan) return;
    const TPlan& plan = *m.Plan;
    const QPen pen = p.pen();
    QColor clair = pen.color();
    clair.setAlpha(90);
    p.setPen(QPen(clair, 1));
    // Lines of the plane a round step apart, over twice the rectangle's size
    // on each side, as far as the picture shows them.
    const double pas = PasGrille(plan);
    const auto grille = [&](bool enX, double longueur, double autre) {
        const int premier = int(std::floor(-2.0 * longueur / pas)), dernier = int(std::ceil(3.0 * longueur / pas));
        for (int k = std::max(premier, -LignesMax); k <= std::min(dernier, LignesMax); ++k) {
            const double c = k * pas;
            const PointD a = enX ? PointD{c, 0} : PointD{0, c}, b = enX ? PointD{c, autre} : PointD{autre, c};
            if (const auto l = LigneDuPlan(m, a, b, largeur, hauteur))
                Trace::Ligne(p, Arrondi(l->Debut), Arrondi(l->Fin));
        }
    };
    grille(true, plan.Largeur, plan.Hauteur);
    grille(false, plan.Hauteur, plan.Largeur);
    p.setPen(pen);
    Coins(p, {plan.Coins.begin(), plan.Coins.end()}, true, {}, largeur, hauteur);
}

void Coins(QPainter& p, const VecteurPointD& coins, bool ferme, PointPixels souris, int largeur, int hauteur)
{
    QPolygon sommets;
    for (const PointD& c : coins) {
        const PointPixels px = VersPixels(c, largeur, hauteur);
        sommets << QPoint(px.X, px.Y);
    }
    for (qsizetype i = 0; i + 1 < sommets.size(); ++i) Trace::Ligne(p, sommets[i], sommets[i + 1]);
    if (ferme && sommets.size() == 4)
        Trace::Ligne(p, sommets.back(), sommets.front());
    else if (!sommets.isEmpty() && sommets.size() < 4)
        Trace::Ligne(p, sommets.back(), QPoint(souris.X, souris.Y)); // the side being clicked
    // The first corner, the plane's (0, 0), as a disc; the others as small squares.
    for (qsizetype i = 0; i < sommets.size(); ++i) {
        const QPoint c = sommets[i];
        if (i == 0)
            Trace::Ellipse(p, c.x() - 3, c.y() - 3, c.x() + 4, c.y() + 4);
        else
            Trace::Rectangle(p, c.x() - 2, c.y() - 2, c.x() + 3, c.y() + 3);
    }
}

} // namespace DessinMesure
