// The calibration's own uncertainty: the scale segment's ends, or the plane's
// corners, each read to the nearest pixel.

#include "kinematics/UnitIncertitudeEchelle.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

TEntreesSeries Video()
{
    TEntreesSeries e;
    e.VideoWidth = 640;
    e.VideoHeight = 480;
    e.AspectRatio = 640.0 / 480;
    e.Origine = {0.5, 0.5};
    e.Marques = {{0.2, 0.3}, {0.6, 0.4}, {0.8, 0.7}};
    e.NombreDePoints = 3;
    return e;
}

TEST(IncertitudeEchelle, ASegmentOf200PixelsIsKnownToItsEndsHalfPixel)
{
    TEntreesSeries e = Video();
    e.EtatEtalon = 2;
    e.LongueurEtalon = 1.0;
    e.PointsEtalon = {PointD{100.0 / 640, 40.0 / 480}, PointD{100.0 / 640, 240.0 / 480}};
    const double u = std::sqrt(2.0) * (0.5 / std::sqrt(3.0)) / 200.0;
    EXPECT_NEAR(IncertitudeRelativeEchelle(e, 0.0), u, 1e-12);
    EXPECT_NEAR(IncertitudeRelativeEchelle(e, 0.01), std::hypot(u, 0.01), 1e-12);
    // Twice as long in pixels: half as uncertain.
    e.PointsEtalon[1].Y = 440.0 / 480;
    EXPECT_NEAR(IncertitudeRelativeEchelle(e, 0.0), u / 2, 1e-12);
    // Without the video's size only the length's own uncertainty is known.
    e.VideoWidth = 0;
    EXPECT_EQ(IncertitudeRelativeEchelle(e, 0.02), 0.02);
}

TEST(IncertitudeEchelle, APlaneSeenSquarelyIsAsUncertainAsItsSidesAndLessWhenLarger)
{
    // A rectangle of 200 x 200 pixels facing the camera: four corners, each
    // side known like a segment of 200 pixels, the scale from all of them.
    TEntreesSeries e = Video();
    const auto carre = [](double cote) {
        const double x0 = 220.0 / 640, y0 = 340.0 / 480, dx = cote / 640, dy = cote / 480;
        return TPlan{{PointD{x0, y0}, PointD{x0 + dx, y0}, PointD{x0 + dx, y0 - dy}, PointD{x0, y0 - dy}}, 1.0, 1.0};
    };
    e.Plan = carre(200);
    // A contradictory segment does not count.
    e.EtatEtalon = 2;
    e.PointsEtalon = {PointD{0.1, 0.1}, PointD{0.1001, 0.1}};
    const double plan = IncertitudeRelativeEchelle(e, 0.0);
    const double segment = std::sqrt(2.0) * (0.5 / std::sqrt(3.0)) / 200.0;
    EXPECT_GT(plan, 0.3 * segment);
    EXPECT_LT(plan, 3.0 * segment);
    e.Plan = carre(400);
    EXPECT_LT(IncertitudeRelativeEchelle(e, 0.0), 0.7 * plan);
    EXPECT_NEAR(IncertitudeRelativeEchelle(e, 0.05), std::hypot(IncertitudeRelativeEchelle(e, 0.0), 0.05), 1e-12);
}

} // namespace
