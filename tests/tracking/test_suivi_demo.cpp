// Automatic tracking of the bundled demo from one mark on the ball held at
// rest: every mark within half a pixel of the ball's centre, g back within
// 1 %, and the run's end soon after the ball lies on the floor.

#include "kinematics/UnitMoinCar.h"
#include "tools/demo_chute.h"
#include "media/FrameSource.h"
#include "tracking/UnitTravailleurSuivi.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using namespace DemoChute;

// The ball's centre in video pixels (pixel i stands at i; the scene is drawn
// with pixel i spanning i .. i + 1).
PointD Centre(int image)
{
    return {BalleX - 0.5, BalleY(image) - 0.5};
}

} // namespace

TEST(SuiviDemo, TheBallIsFollowedToTheFloorWithinHalfAPixelGivesGAndStopsAtRest)
{
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(QStringLiteral(KINOTAB_DEMO_VIDEO)));
    int atterrissage = ImageLacher;
    while (BalleY(atterrissage) < BalleYSol) ++atterrissage;
    // From the ball held at rest, and from the ball falling.
    for (const int depart : {0, ImageLacher + 2}) {
        ImagesSource images(source);
        TSuivi suivi(images, depart, {{Centre(depart)}});
        std::vector<double> t, y;
        double pire = 0;
        for (EtapeSuivi e = suivi.Suivante();; e = suivi.Suivante()) {
            if (e.Fin != FinSuivi::Aucune) {
                // At rest on the floor: the run ends within five frames of the landing.
                EXPECT_EQ(e.Fin, FinSuivi::Immobile) << "from frame " << depart;
                EXPECT_GE(e.Image - 1, atterrissage);
                EXPECT_LE(e.Image - 1, atterrissage + 5);
                break;
            }
            ASSERT_EQ(e.Points.size(), 1u);
            const PointD vrai = Centre(e.Image);
            const double ecart = std::hypot(e.Points[0].X - vrai.X, e.Points[0].Y - vrai.Y);
            pire = std::max(pire, ecart);
            EXPECT_LT(ecart, 0.5) << "frame " << e.Image << " from frame " << depart;
            if (e.Image >= ImageLacher && BalleY(e.Image) < BalleYSol) {
                t.push_back(e.Image * source.FrameTime());
                y.push_back(e.Points[0].Y);
            }
        }
        RecordProperty("worst_error_px_from_" + std::to_string(depart), std::to_string(pire));
        ASSERT_GE(t.size(), 13u);
        TMoinCar ajustement;
        ASSERT_EQ(ajustement.Ajuster(t, y, int(t.size()), 2), CodeSucces);
        const double g = 2 * ajustement.Coefficients()[3] / PixelsParMetre;
        EXPECT_NEAR(g, G, 0.01 * G) << "from frame " << depart;
    }
}
