// The transparent overlay: grab, drag, drop and mark, their cancellations,
// the last frame, and its resizing keys.

#include "tests/support/VueFactice.h"

#include <gtest/gtest.h>
#include <utility>

namespace {

PointPixels Pt(int x, int y)
{
    return {x, y};
}

// An overlay tool just chosen on a 320 x 240 view: centre (144, 132).
struct BancTransparent : Banc {
    BancTransparent()
    {
        m.ChoisirModeTransparent(true);
        m.PlacerTransparent();
    }
};

} // namespace

TEST(Transparent, GrabDragDropAndMarkAdvanceOneFrame)
{
    BancTransparent b;
    EXPECT_EQ(GesteTransparent(b.m.Etat()), TEtatTransparent::Saisir);
    b.m.AppuiGauche(Pt(150, 140)); // grab 6, 8 off the centre
    EXPECT_EQ(b.m.Etat().EtatTransparent, TEtatTransparent::Deplacer);
    EXPECT_EQ(b.m.Pixels().DecalageTsp, Pt(6, 8));
    EXPECT_EQ(b.m.Etat().DecalageTsp, FaitPointD(6.0 / 320, 8.0 / 240));
    EXPECT_EQ(GesteTransparent(b.m.Etat()), TEtatTransparent::Deplacer);
    const int avant = b.vue.repeints;
    b.m.SourisBougee(Pt(170, 150));
    EXPECT_EQ(b.vue.repeints, avant + 1); // the overlay follows the pointer

    b.m.RelacheGauche(Pt(200, 150));
    EXPECT_EQ(b.m.Etat().EtatTransparent, TEtatTransparent::Marquer);
    EXPECT_EQ(b.m.Pixels().CentreTsp, Pt(194, 142));
    EXPECT_EQ(b.m.Etat().CentreTsp, FaitPointD(194.0 / 320, 142.0 / 240));
    EXPECT_EQ(b.m.Etat().CentresTsp[0], b.m.Etat().CentreTsp);
    EXPECT_EQ(GesteTransparent(b.m.Etat()), std::nullopt); // the marks cursor
    EXPECT_EQ(b.vue.numero, 0);

    b.m.AppuiGauche(Pt(210, 130));
    EXPECT_EQ(b.m.Etat().EtatTransparent, TEtatTransparent::Saisir);
    EXPECT_EQ(b.m.NombreDePointsTsp(), 1);
    EXPECT_EQ(b.pointsTsp, 1);
    ASSERT_EQ(b.m.Etat().MarquesTsp.size(), 1u);
    EXPECT_EQ(b.m.Etat().MarquesTsp[0], FaitPointD(16.0 / 320, -12.0 / 240));
    EXPECT_EQ(b.m.Etat().CentresTsp.size(), 2u);
    EXPECT_EQ(b.m.Etat().ImagesMarquesTsp, (std::vector<int>{0}));
    EXPECT_EQ(b.vue.numero, 1);
    EXPECT_EQ(GesteTransparent(b.m.Etat()), TEtatTransparent::Saisir);
}

TEST(Transparent, APressAfterALostReleaseDropsTheOverlayThereAndEndsInSaisir)
{
    BancTransparent b;
    b.m.AppuiGauche(Pt(144, 132)); // grab on the centre
    b.m.AppuiGauche(Pt(60, 70));   // the release happened outside the view
    EXPECT_EQ(b.m.Etat().EtatTransparent, TEtatTransparent::Saisir);
    EXPECT_EQ(b.m.Pixels().CentreTsp, Pt(60, 70));
    EXPECT_EQ(b.m.Etat().CentresTsp[0], FaitPointD(60.0 / 320, 70.0 / 240));
    EXPECT_EQ(b.m.NombreDePointsTsp(), 0);
    EXPECT_EQ(GesteTransparent(b.m.Etat()), TEtatTransparent::Saisir);
}

TEST(Transparent, AReleaseLeftOfAndAboveTheViewStaysNegative)
{
    BancTransparent b;
    b.m.AppuiGauche(Pt(144, 132));
    b.m.RelacheGauche(Pt(-30, -5));
    EXPECT_EQ(b.m.Pixels().CentreTsp, Pt(-30, -5));
    EXPECT_EQ(b.m.Etat().CentreTsp, FaitPointD(-30.0 / 320, -5.0 / 240));
}

TEST(Transparent, AReleaseOutsideADragDoesNothing)
{
    BancTransparent b;
    b.m.RelacheGauche(Pt(10, 10));
    EXPECT_EQ(b.m.Etat().EtatTransparent, TEtatTransparent::Saisir);
    EXPECT_EQ(b.m.Pixels().CentreTsp, Pt(144, 132));
    b.m.ChoisirModeMarque(true);
    Modifier(b.m, [&](EtatMesure& e) { e.EtatTransparent = TEtatTransparent::Deplacer; });
    b.m.RelacheGauche(Pt(10, 10));
    EXPECT_EQ(b.m.Etat().EtatTransparent, TEtatTransparent::Deplacer);
}

TEST(Transparent, RightPressInMarquerCancelsTheDrop)
{
    BancTransparent b;
    b.m.AppuiGauche(Pt(144, 132));
    b.m.RelacheGauche(Pt(50, 50));
    b.m.AppuiDroit(Pt(0, 0)); // no mark yet: back to the default place
    EXPECT_EQ(b.m.Etat().EtatTransparent, TEtatTransparent::Saisir);
    EXPECT_EQ(b.m.Pixels().CentreTsp, Pt(144, 132));
    EXPECT_EQ(GesteTransparent(b.m.Etat()), TEtatTransparent::Saisir);

    // With a mark, back to the centre the last mark was placed with.
    b.m.AppuiGauche(Pt(144, 132));
    b.m.RelacheGauche(Pt(100, 100));
    b.m.AppuiGauche(Pt(110, 90));
    b.m.AppuiGauche(Pt(100, 100));
    b.m.RelacheGauche(Pt(250, 200));
    b.m.AppuiDroit(Pt(120, 105));
    EXPECT_EQ(b.m.Etat().EtatTransparent, TEtatTransparent::Saisir);
    EXPECT_EQ(b.m.Pixels().CentreTsp, Pt(100, 100));
    EXPECT_EQ(b.m.Pixels().DecalageTsp, Pt(20, 5));
    EXPECT_EQ(b.m.NombreDePointsTsp(), 1);
}

TEST(Transparent, RightPressInSaisirRemovesTheLastMarkAndGoesBackToItsFrame)
{
    BancTransparent b;
    b.vue.numero = 3;
    b.m.AppuiGauche(Pt(144, 132));
    b.m.RelacheGauche(Pt(100, 100));
    b.m.AppuiGauche(Pt(110, 90));
    ASSERT_EQ(b.vue.numero, 4);
    b.m.AppuiDroit(Pt(0, 0));
    EXPECT_EQ(b.vue.numero, 3);
    EXPECT_EQ(b.m.NombreDePointsTsp(), 0);
    EXPECT_TRUE(b.m.Etat().MarquesTsp.empty());
    EXPECT_EQ(b.m.Etat().CentresTsp.size(), 1u);
    EXPECT_TRUE(b.m.Etat().ImagesMarquesTsp.empty());
    EXPECT_EQ(b.m.Etat().EtatTransparent, TEtatTransparent::Marquer);
    EXPECT_EQ(b.m.Pixels().CentreTsp, Pt(100, 100));       // the overlay stays
    EXPECT_EQ(GesteTransparent(b.m.Etat()), std::nullopt); // the marks cursor

    b.m.AppuiGauche(Pt(105, 95)); // marks again at once
    EXPECT_EQ(b.m.Etat().MarquesTsp[0], FaitPointD(5.0 / 320, -5.0 / 240));
    EXPECT_EQ(b.vue.numero, 4);

    b.m.AppuiDroit(Pt(0, 0)); // removes it again
    b.m.AppuiDroit(Pt(0, 0)); // Marquer: cancel
    const int avant = b.vue.repeints;
    b.m.AppuiDroit(Pt(0, 0)); // Saisir without marks: nothing
    EXPECT_EQ(b.vue.repeints, avant);
    EXPECT_EQ(b.m.Etat().EtatTransparent, TEtatTransparent::Saisir);
    EXPECT_EQ(b.vue.numero, 3);
}

TEST(Transparent, TheLastFrameTakesOneOverlayMark)
{
    BancTransparent b;
    b.vue.numero = 9;
    b.m.AppuiGauche(Pt(144, 132));
    b.m.RelacheGauche(Pt(144, 132));
    b.m.AppuiGauche(Pt(150, 130));
    EXPECT_EQ(b.m.Etat().MarquesTspDerniereImage, 1);
    EXPECT_EQ(b.vue.numero, 9);
    b.m.AppuiGauche(Pt(144, 132)); // no further grab there
    EXPECT_EQ(b.m.Etat().EtatTransparent, TEtatTransparent::Saisir);
    EXPECT_EQ(b.m.NombreDePointsTsp(), 1);

    b.m.AppuiDroit(Pt(0, 0));
    EXPECT_EQ(b.m.Etat().MarquesTspDerniereImage, 0);
    EXPECT_EQ(b.vue.numero, 9);    // stays on the last frame
    b.m.AppuiGauche(Pt(160, 140)); // Marquer: marks again
    EXPECT_EQ(b.m.NombreDePointsTsp(), 1);
    EXPECT_EQ(b.m.Etat().MarquesTspDerniereImage, 1);
}

TEST(Transparent, GrowsUntilItsHalfWidthReachesTheViewWidth)
{
    BancTransparent b;
    const std::pair<int, int> attendus[] = {{176, 132}, {194, 145}, {213, 160}, {234, 176},
                                            {257, 194}, {283, 213}, {311, 234}, {342, 257}};
    for (const auto& [hw, hh] : attendus) {
        b.m.RedimensionnerTransparent('+');
        EXPECT_EQ(b.m.Pixels().DemiTailleTsp, Pt(hw, hh));
    }
    b.m.RedimensionnerTransparent('=');
    EXPECT_EQ(b.m.Pixels().DemiTailleTsp, Pt(342, 257));
    EXPECT_EQ(b.m.Etat().DemiTailleTsp, FaitPointD(342.0 / 320, 257.0 / 240));
}

TEST(Transparent, ShrinksDownToAnEighthOfTheViewWidthRoundingHalvesToEven)
{
    BancTransparent b;
    const int largeurs[] = {144, 130, 117, 105, 94, 85, 76, 68, 61, 55, 50, 45, 40};
    for (int hw : largeurs) {
        b.m.RedimensionnerTransparent('-');
        EXPECT_EQ(b.m.Pixels().DemiTailleTsp.X, hw);
    }
    EXPECT_EQ(b.m.Pixels().DemiTailleTsp.Y, 30);
    const int avant = b.vue.repeints;
    b.m.RedimensionnerTransparent('-');
    b.m.RedimensionnerTransparent('x');
    EXPECT_EQ(b.m.Pixels().DemiTailleTsp, Pt(40, 30));
    EXPECT_EQ(b.vue.repeints, avant);
}
