#include "kinematics/UnitIncertitudeEchelle.h"

#include <cmath>
#include <numbers>

double IncertitudeRelativeEchelle(const TEntreesSeries& e, double relativeLongueur)
{
    const double longueur = std::abs(relativeLongueur);
    if (e.LargeurVideo <= 0 || e.HauteurVideo <= 0) return longueur;
    const double dx = (e.PointsEtalon[1].X - e.PointsEtalon[0].X) * e.LargeurVideo;
    const double dy = (e.PointsEtalon[1].Y - e.PointsEtalon[0].Y) * e.HauteurVideo;
    const double d = std::hypot(dx, dy);
    if (!(d > 0.0)) return longueur;
    // Along the segment each end moves by one pixel uncertainty; the two ends
    // are independent.
    const double pixels = std::numbers::sqrt2 * IncertitudePixel / d;
    return std::hypot(pixels, longueur);
}
