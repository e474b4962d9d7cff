#include "kinematics/UnitConversion.h"

#include <cmath>
#include <numbers>

namespace {

double Radians(double degres)
{
    return degres * std::numbers::pi / 180.0;
}

// Mean length of two opposite sides, in picture heights (x scaled by the proportions).
double Cote(PointD a, PointD b, PointD c, PointD d, double ar)
{
    return (std::hypot((a.X - b.X) * ar, a.Y - b.Y) + std::hypot((c.X - d.X) * ar, c.Y - d.Y)) / 2.0;
}

} // namespace

std::optional<TConversion> TConversion::Depuis(const TEntreesSeries& e)
{
    TConversion c;
    c.ar_ = e.AspectRatio;
    if (e.Plan) {
        c.plan_ = HomographiePlan(*e.Plan);
        if (!c.plan_) return std::nullopt;
        const auto& k = e.Plan->Coins;
        const double cx = Cote(k[0], k[1], k[3], k[2], c.ar_), cy = Cote(k[0], k[3], k[1], k[2], c.ar_);
        if (EstNul(cx) || EstNul(cy)) return std::nullopt;
        c.metresParHauteur_ = e.Plan->Hauteur / cy;
        c.metresParLargeur_ = c.ar_ * e.Plan->Largeur / cx;
    } else {
        // Every distance is taken in picture heights: x is scaled by the proportions.
        const PointD e1{e.PointsEtalon[0].X * c.ar_, e.PointsEtalon[0].Y};
        const PointD e2{e.PointsEtalon[1].X * c.ar_, e.PointsEtalon[1].Y};
        const double d2 = (e1.X - e2.X) * (e1.X - e2.X) + (e1.Y - e2.Y) * (e1.Y - e2.Y);
        if (e.EtatEtalon < 2 || EstNul(d2)) return std::nullopt;
        c.metresParHauteur_ = e.LongueurEtalon / std::sqrt(d2);
        c.metresParLargeur_ = c.ar_ * c.metresParHauteur_;
    }
    if (!std::isfinite(e.AngleAxes)) return std::nullopt;
    // Axes not turned keep the positions exactly as they always were.
    c.tourne_ = e.AngleAxes != 0.0;
    c.cos_ = std::cos(Radians(e.AngleAxes));
    c.sin_ = std::sin(Radians(e.AngleAxes));
    c.sensY_ = e.AxeVersLeBas ? -1.0 : 1.0;
    return c;
}

PointD TConversion::Position(PointD p, PointD o) const
{
    double x, y; // along the picture's (or the plane's) axes, y upwards
    if (plan_) {
        const PointD a = plan_->Appliquer(p), b = plan_->Appliquer(o);
        x = a.X - b.X;
        y = a.Y - b.Y;
    } else {
        x = (p.X * ar_ - o.X * ar_) * metresParHauteur_;
        y = (o.Y - p.Y) * metresParHauteur_;
    }
    if (tourne_) {
        const double xt = x * cos_ + y * sin_;
        y = y * cos_ - x * sin_;
        x = xt;
    }
    return {x, sensY_ * y};
}

double AngleDuSegment(PointD bout1, PointD bout2, double ar)
{
    double angle = std::atan2(bout1.Y - bout2.Y, (bout2.X - bout1.X) * ar) * 180.0 / std::numbers::pi;
    if (angle > 90.0) angle -= 180.0;
    if (angle <= -90.0) angle += 180.0;
    return angle;
}
