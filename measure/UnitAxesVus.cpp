#include "measure/UnitAxesVus.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double Radians = std::numbers::pi / 180.0;

PointD Plus(PointD a, PointD b, double t = 1.0)
{
    return {a.X + t * b.X, a.Y + t * b.Y};
}

std::optional<PointD> Unitaire(PointD d)
{
    const double n = std::hypot(d.X, d.Y);
    if (!(n > 0.0) || !std::isfinite(n)) return std::nullopt;
    return PointD{d.X / n, d.Y / n};
}

// The picture, and with a plane the side of its horizon where the plane is seen.
struct Vue {
    int largeur, hauteur;
    std::optional<THomographie> plan;    // picture (normalised) -> plane
    std::optional<THomographie> inverse; // plane -> picture
    double signe = 1.0;                  // sign of the denominator on the plane's side
    double reference = 1.0;              // the signed denominator at the rectangle's centre

    PointD Normalise(PointD px) const { return {px.X / largeur, px.Y / hauteur}; }
    PointD EnPixels(PointD n) const { return {n.X * largeur, n.Y * hauteur}; }
    double W(PointD px) const { return signe * plan->Denominateur(Normalise(px)); }
};

// The part t in [debut, fin] of the line o + t d that lies in the picture and,
// with a plane, well before its horizon (where the grid would crowd).
bool Couper(const Vue& v, PointD o, PointD d, double& debut, double& fin)
{
    debut = -1e18;
    fin = 1e18;
    const auto borne = [&](double p, double dp, double lo, double hi) {
        if (std::fabs(dp) < 1e-12) return p >= lo && p <= hi;
        double t1 = (lo - p) / dp, t2 = (hi - p) / dp;
        if (t1 > t2) std::swap(t1, t2);
        debut = std::max(debut, t1);
        fin = std::min(fin, t2);
        return true;
    };
    if (!borne(o.X, d.X, 0.0, v.largeur - 1.0) || !borne(o.Y, d.Y, 0.0, v.hauteur - 1.0)) return false;
    if (v.plan) {
        // The denominator is affine in the picture and vanishes on the
        // horizon: keep where it is at least a tenth of its value at the
        // rectangle, where the plane is seen at most ten times smaller.
        const double seuil = 0.1 * v.reference, w0 = v.W(o), pente = v.W(Plus(o, d)) - w0;
        if (std::fabs(pente) < 1e-15) return w0 >= seuil && debut <= fin;
        const double t = (seuil - w0) / pente;
        if (pente < 0.0)
            fin = std::min(fin, t);
        else
            debut = std::max(debut, t);
    }
    return debut <= fin;
}

std::optional<Vue> VueDe(const EtatMesure& m, int largeur, int hauteur)
{
    if (largeur <= 0 || hauteur <= 0) return std::nullopt;
    Vue v{largeur, hauteur, {}, {}, 1.0};
    if (m.Plan) {
        v.plan = HomographiePlan(*m.Plan);
        if (!v.plan) return std::nullopt;
        v.inverse = v.plan->Inverse();
        if (!v.inverse) return std::nullopt;
        PointD centre{};
        for (const PointD& c : m.Plan->Coins) centre = Plus(centre, c, 0.25);
        v.signe = v.plan->Denominateur(centre) < 0.0 ? -1.0 : 1.0;
        v.reference = v.signe * v.plan->Denominateur(centre);
    }
    return v;
}

// The screen direction at pixel `o` of the unit vector (cos a, sin a) of the
// picture (y upwards) or of the plane.
std::optional<PointD> DirectionVue(const Vue& v, PointD o, double angle)
{
    const double c = std::cos(angle * Radians), s = std::sin(angle * Radians);
    if (!v.plan) return Unitaire({c, -s});
    const PointD surPlan = v.plan->Appliquer(v.Normalise(o));
    const double pas = 1e-3 * std::max(std::hypot(surPlan.X, surPlan.Y), 1e-3);
    const PointD voisin = v.EnPixels(v.inverse->Appliquer(Plus(surPlan, {c, s}, pas)));
    return Unitaire({voisin.X - o.X, voisin.Y - o.Y});
}

std::optional<AxeVu> Axe(const Vue& v, PointD o, double angle)
{
    const auto d = DirectionVue(v, o, angle);
    double debut = 0, fin = 0;
    if (!d || !Couper(v, o, *d, debut, fin) || fin < 0.0) return std::nullopt;
    return AxeVu{Plus(o, *d, debut), Plus(o, *d, fin), *d};
}

} // namespace

bool AxesCalcules(const EtatMesure& m)
{
    return m.AngleAxes != 0.0 || m.Plan.has_value();
}

std::optional<AxesVus> AxesSurLaVue(const EtatMesure& m, int largeur, int hauteur)
{
    const auto v = VueDe(m, largeur, hauteur);
    if (!m.OrigineEstPlacee() || !v) return std::nullopt;
    const PointD o = v->EnPixels(m.Origine);
    if (v->plan && !(v->W(o) > 0.0)) return std::nullopt; // the origin beyond the horizon
    const auto x = Axe(*v, o, m.AngleAxes);
    const auto y = Axe(*v, o, m.AngleAxes + (m.AxeVersLeBas ? -90.0 : 90.0));
    if (!x || !y) return std::nullopt;
    return AxesVus{*x, *y};
}

std::optional<double> AngleVers(const EtatMesure& m, PointD pixel, int largeur, int hauteur)
{
    const auto v = VueDe(m, largeur, hauteur);
    if (!v) return std::nullopt;
    const PointD o = v->EnPixels(m.Origine);
    PointD d;
    if (v->plan) {
        if (!(v->W(pixel) > 0.0) || !(v->W(o) > 0.0)) return std::nullopt;
        const PointD a = v->plan->Appliquer(v->Normalise(pixel)), b = v->plan->Appliquer(v->Normalise(o));
        d = {a.X - b.X, a.Y - b.Y};
    } else {
        d = {pixel.X - o.X, o.Y - pixel.Y}; // y upwards
    }
    if (!(std::hypot(d.X, d.Y) > 0.0)) return std::nullopt;
    return AngleNormalise(std::atan2(d.Y, d.X) / Radians);
}

std::optional<AxeVu> LigneDuPlan(const EtatMesure& m, PointD a, PointD b, int largeur, int hauteur)
{
    const auto v = VueDe(m, largeur, hauteur);
    if (!v || !v->plan) return std::nullopt;
    const PointD pa = v->EnPixels(v->inverse->Appliquer(a)), pb = v->EnPixels(v->inverse->Appliquer(b));
    // A point of the line on the plane's side of the horizon to start from.
    const PointD o = v->W(pa) > 0.0 ? pa : pb;
    const auto d = Unitaire({pb.X - pa.X, pb.Y - pa.Y});
    double debut = 0, fin = 0;
    if (!d || !(v->W(o) > 0.0) || !Couper(*v, o, *d, debut, fin)) return std::nullopt;
    return AxeVu{Plus(o, *d, debut), Plus(o, *d, fin), *d};
}

double AngleNormalise(double degres)
{
    double a = std::fmod(degres, 360.0);
    if (a > 180.0) a -= 360.0;
    if (a <= -180.0) a += 360.0;
    return a;
}
