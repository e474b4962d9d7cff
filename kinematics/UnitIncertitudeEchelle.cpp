#include "kinematics/UnitIncertitudeEchelle.h"

#include "kinematics/UnitConversion.h"

#include <cmath>
#include <vector>

namespace {

// Standard deviation of a coordinate read to the nearest pixel, in pixels.
const double EcartPixel = 0.5 / std::sqrt(3.0);

double Segment(const TEntreesSeries& e)
{
    const double dx = (e.PointsEtalon[1].X - e.PointsEtalon[0].X) * e.VideoWidth;
    const double dy = (e.PointsEtalon[1].Y - e.PointsEtalon[0].Y) * e.VideoHeight;
    const double d = std::hypot(dx, dy);
    // Both ends' errors along the segment add up.
    return d > 0.0 ? std::sqrt(2.0) * EcartPixel / d : 0.0;
}

// The marks as whole picture positions, and the origin they are measured from.
std::vector<PointD> Points(const TEntreesSeries& e, PointD& origine)
{
    std::vector<PointD> p;
    if (e.ModeTransparent) {
        origine = {};
        for (std::size_t k = 0; k < e.MarquesTsp.size() && k < e.CentresTsp.size(); ++k) {
            const PointD c = e.CentresTsp[k];
            p.push_back({c.X + e.MarquesTsp[k].X, c.Y + e.MarquesTsp[k].Y});
            p.push_back(c);
        }
    } else {
        origine = e.Origine;
        p = e.Marques;
    }
    return p;
}

// Size of the measured positions on the plane: root of their summed squares.
double Etendue(const TEntreesSeries& e, const std::vector<PointD>& points, PointD origine)
{
    const auto c = TConversion::Depuis(e);
    if (!c) return 0.0;
    double s = 0.0;
    if (e.ModeTransparent) {
        for (std::size_t k = 0; k + 1 < points.size(); k += 2) {
            const PointD q = c->Position(points[k], points[k + 1]);
            s += q.X * q.X + q.Y * q.Y;
        }
    } else {
        for (const PointD& m : points) {
            const PointD q = c->Position(m, origine);
            s += q.X * q.X + q.Y * q.Y;
        }
    }
    return std::sqrt(s);
}

// How much the positions' size changes when each corner moves by its
// reading error, one coordinate at a time.
double Plan(const TEntreesSeries& e)
{
    PointD origine;
    const std::vector<PointD> points = Points(e, origine);
    const double s0 = Etendue(e, points, origine);
    if (!(s0 > 0.0)) return 0.0;
    const double pas = 0.01; // pixels: small against the error, large against rounding
    double somme = 0.0;
    for (std::size_t i = 0; i < 4; ++i) {
        for (const bool enX : {true, false}) {
            TEntreesSeries d = e;
            PointD& coin = d.Plan->Coins[i];
            (enX ? coin.X : coin.Y) += pas / (enX ? e.VideoWidth : e.VideoHeight);
            const double s = Etendue(d, points, origine);
            if (!(s > 0.0)) return 0.0;
            const double sensibilite = (s / s0 - 1.0) / pas; // relative change per pixel
            somme += sensibilite * sensibilite;
        }
    }
    return EcartPixel * std::sqrt(somme);
}

} // namespace

double IncertitudeRelativeEchelle(const TEntreesSeries& e, double relativeLongueur)
{
    double geometrie = 0.0;
    if (e.VideoWidth > 0 && e.VideoHeight > 0) geometrie = e.Plan ? Plan(e) : Segment(e);
    return std::hypot(geometrie, relativeLongueur);
}
