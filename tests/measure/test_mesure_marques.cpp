// Marks mode, scale and origin pointing, driven through a fake view.

#include "tests/support/VueFactice.h"

#include <gtest/gtest.h>

namespace {

PointPixels Pt(int x, int y)
{
    return {x, y};
}

} // namespace

TEST(PointageMarques, TwoMarksPerFrameFillTheLastFrameThenStop)
{
    Banc b;
    Modifier(b.m, [&](EtatMesure& e) { e.MarquesParImage = 2; });
    for (int k = 0; k < 21; ++k) {
        const int attendue = std::min(k / 2, 9);
        EXPECT_EQ(b.vue.numero, attendue) << "press " << k + 1;
        b.m.AppuiGauche(Pt(10 + k, 20 + k));
    }
    EXPECT_EQ(b.m.NombreDePoints(), 20);
    EXPECT_EQ(b.points, 20); // the 21st press raised nothing
    EXPECT_EQ(b.m.Etat().MarquesDerniereImage, 2);
    ASSERT_EQ(b.m.Etat().Marques.size(), 20u);
    EXPECT_EQ(b.m.Etat().Marques[19], FaitPointD(29.0 / 320, 39.0 / 240)); // the 20th press, not the 21st
    EXPECT_EQ(b.vue.numero, 9);
    ASSERT_EQ(b.m.Etat().ImagesMarques.size(), 20u);
    EXPECT_EQ(b.m.Etat().ImagesMarques[0], 0); // point 1 stays on its frame
    EXPECT_EQ(b.m.Etat().ImagesMarques[1], 1); // point 2 completed frame 0
    EXPECT_EQ(b.m.Etat().ImagesMarques[18], 9);
    EXPECT_EQ(b.m.Etat().ImagesMarques[19], 9); // no frame after the last
}

TEST(PointageMarques, ThreePointsCycleTheCursorAndTheFourthMarkStartsTheNextFrame)
{
    Banc b;
    Modifier(b.m, [&](EtatMesure& e) { e.MarquesParImage = 3; });
    EXPECT_EQ(FamilleCurseur(b.m.Etat()), TFamilleCurseur::Marque1);
    b.m.AppuiGauche(Pt(1, 1));
    EXPECT_EQ(FamilleCurseur(b.m.Etat()), TFamilleCurseur::Marque2);
    b.m.AppuiGauche(Pt(2, 2));
    EXPECT_EQ(FamilleCurseur(b.m.Etat()), TFamilleCurseur::Marque3);
    EXPECT_EQ(b.vue.numero, 0);
    b.m.AppuiGauche(Pt(3, 3));
    EXPECT_EQ(b.vue.numero, 1);
    EXPECT_EQ(FamilleCurseur(b.m.Etat()), TFamilleCurseur::Marque1);
    b.m.AppuiGauche(Pt(4, 4));
    EXPECT_EQ(b.vue.numero, 1);
    EXPECT_EQ(b.m.Etat().ImagesMarques, (std::vector<int>{0, 0, 1, 1}));
}

TEST(PointageMarques, RightPressAfterACompletedFrameGoesBackToItWithItsLastPointCursor)
{
    Banc b;
    Modifier(b.m, [&](EtatMesure& e) { e.MarquesParImage = 2; });
    b.m.AppuiGauche(Pt(5, 5));
    b.m.AppuiGauche(Pt(6, 6));
    ASSERT_EQ(b.vue.numero, 1);
    ASSERT_EQ(FamilleCurseur(b.m.Etat()), TFamilleCurseur::Marque1);
    b.m.AppuiDroit(Pt(0, 0));
    EXPECT_EQ(b.vue.numero, 0);
    EXPECT_EQ(FamilleCurseur(b.m.Etat()), TFamilleCurseur::Marque2); // point 2 is next again
    EXPECT_EQ(b.m.NombreDePoints(), 1);
    EXPECT_EQ(b.m.Etat().Marques.size(), 1u);
    EXPECT_EQ(b.m.Etat().ImagesMarques.size(), 1u);
    b.m.AppuiDroit(Pt(0, 0)); // point 1 did not complete a frame: stay
    EXPECT_EQ(b.vue.numero, 0);
    EXPECT_EQ(FamilleCurseur(b.m.Etat()), TFamilleCurseur::Marque1);
    b.m.AppuiDroit(Pt(0, 0)); // nothing left
    EXPECT_EQ(b.m.NombreDePoints(), 0);
    EXPECT_EQ(b.points, 4);
}

TEST(PointageMarques, RightPressesOnTheFullLastFrameStayThereUntilItIsEmpty)
{
    Banc b;
    b.vue.images = 3;
    for (int k = 0; k < 3; ++k) b.m.AppuiGauche(Pt(k, k));
    ASSERT_EQ(b.m.Etat().MarquesDerniereImage, 1);
    b.m.AppuiDroit(Pt(0, 0));
    EXPECT_EQ(b.vue.numero, 2);
    EXPECT_EQ(b.m.Etat().MarquesDerniereImage, 0);
    b.m.AppuiDroit(Pt(0, 0)); // the mark of frame 1 completed it
    EXPECT_EQ(b.vue.numero, 1);
    b.m.AppuiGauche(Pt(7, 7));
    b.m.AppuiGauche(Pt(8, 8));
    EXPECT_EQ(b.m.Etat().MarquesDerniereImage, 1);
    EXPECT_EQ(b.m.NombreDePoints(), 3);
}

TEST(PointageMarques, TheFamilyFollowsTheToolAndTheNextPointWhateverTheColour)
{
    for (const TCouleurCurseur couleur :
         {TCouleurCurseur::Aucune, TCouleurCurseur::Noir, TCouleurCurseur::Blanc, TCouleurCurseur::NoirEtBlanc}) {
        Banc b;
        b.m.SetCouleurCurseur(couleur);
        b.m.ChoisirModeEtalon(true);
        EXPECT_EQ(FamilleCurseur(b.m.Etat()), TFamilleCurseur::Etalon);
        b.m.ChoisirModeOrigine(true);
        EXPECT_EQ(FamilleCurseur(b.m.Etat()), TFamilleCurseur::Origine);
        EXPECT_EQ(GesteTransparent(b.m.Etat()), std::nullopt);
        b.m.ChoisirModeMarque(true);
        EXPECT_EQ(FamilleCurseur(b.m.Etat()), TFamilleCurseur::Marque);
        b.m.SetMarquesParImage(3);
        for (const TFamilleCurseur attendue :
             {TFamilleCurseur::Marque1, TFamilleCurseur::Marque2, TFamilleCurseur::Marque3, TFamilleCurseur::Marque1}) {
            EXPECT_EQ(FamilleCurseur(b.m.Etat()), attendue) << int(couleur);
            Modifier(b.m, [](EtatMesure& e) { e.Marques.push_back({}); });
        }
        // The overlay carries plain marks; grabbing and dragging it show their own cursors.
        b.m.ChoisirModeTransparent(true);
        EXPECT_EQ(FamilleCurseur(b.m.Etat()), TFamilleCurseur::Marque);
        EXPECT_EQ(GesteTransparent(b.m.Etat()), TEtatTransparent::Saisir);
        Modifier(b.m, [&](EtatMesure& e) { e.EtatTransparent = TEtatTransparent::Deplacer; });
        EXPECT_EQ(GesteTransparent(b.m.Etat()), TEtatTransparent::Deplacer);
        Modifier(b.m, [&](EtatMesure& e) { e.EtatTransparent = TEtatTransparent::Marquer; });
        EXPECT_EQ(GesteTransparent(b.m.Etat()), std::nullopt);
        EXPECT_EQ(b.m.Etat().CouleurCurseur, couleur);
    }
}

TEST(PointageMarques, ChoosingAToolOrAColourAlwaysNotifiesForTheViewsCursor)
{
    Banc b;
    b.m.ChoisirModeTransparent(true);
    Modifier(b.m, [&](EtatMesure& e) { e.EtatTransparent = TEtatTransparent::Marquer; });
    const int avant = b.curseurs;
    b.m.ChoisirModeTransparent(false); // not chosen anew: the tool stays, the view still hears of it
    EXPECT_TRUE(b.m.ModeTransparent());
    EXPECT_FALSE(b.m.ModeMarque());
    EXPECT_EQ(b.curseurs, avant + 1);
    b.m.SetCouleurCurseur(TCouleurCurseur::Blanc);
    EXPECT_EQ(b.curseurs, avant + 2);
    EXPECT_EQ(b.m.Etat().CouleurCurseur, TCouleurCurseur::Blanc);
}

TEST(PointageEtalon, SecondEndOnTheFirstPixelIsIgnoredElsewhereItAsksForTheLength)
{
    Banc b;
    b.m.ChoisirModeEtalon(true);
    b.m.AppuiGauche(Pt(80, 60));
    EXPECT_EQ(b.m.Etat().EtatEtalon, TEtatEtalon(1));
    EXPECT_EQ(b.m.Etat().PointsEtalon[0], FaitPointD(0.25, 0.25));
    EXPECT_EQ(b.m.Pixels().Souris, Pt(80, 60));
    b.m.AppuiGauche(Pt(80, 60));
    EXPECT_EQ(b.m.Etat().EtatEtalon, TEtatEtalon(1));
    EXPECT_EQ(b.etalons, 0);
    b.m.AppuiGauche(Pt(240, 60));
    EXPECT_EQ(b.m.Etat().EtatEtalon, TEtatEtalon(2));
    EXPECT_EQ(b.etalons, 1);
    EXPECT_EQ(b.m.Etat().PointsEtalon[1], FaitPointD(0.75, 0.25));
    b.m.AppuiGauche(Pt(100, 100)); // a third end does nothing
    EXPECT_EQ(b.etalons, 1);
    EXPECT_EQ(b.m.Pixels().Etalon[1], Pt(240, 60));

    Modifier(b.m, [&](EtatMesure& e) { e.LongueurEtalon = 2.5; });
    b.m.AppuiDroit(Pt(30, 40));
    EXPECT_EQ(b.m.Etat().EtatEtalon, TEtatEtalon(1));
    EXPECT_EQ(b.m.Pixels().Souris, Pt(30, 40)); // the segment follows the pointer again
    EXPECT_EQ(b.m.Etat().LongueurEtalon, 2.5);
    b.m.AppuiDroit(Pt(0, 0));
    b.m.AppuiDroit(Pt(0, 0));
    EXPECT_EQ(b.m.Etat().EtatEtalon, TEtatEtalon(0));
}

TEST(PointageOrigine, PlacedOnceRemovedByTheRightButtonThenPlacedAgain)
{
    Banc b;
    b.m.ChoisirModeOrigine(true);
    b.m.AppuiGauche(Pt(160, 120));
    b.m.AppuiGauche(Pt(10, 10));
    EXPECT_EQ(b.m.Etat().OriginePlacee, TOrigine(1));
    EXPECT_EQ(b.m.Etat().Origine, FaitPointD(0.5, 0.5));
    b.m.AppuiDroit(Pt(0, 0));
    EXPECT_EQ(b.m.Etat().OriginePlacee, TOrigine(0));
    b.m.AppuiGauche(Pt(32, 24));
    EXPECT_EQ(b.m.Etat().Origine, FaitPointD(0.1, 0.1));
    EXPECT_EQ(b.m.Pixels().Origine, Pt(32, 24));
    EXPECT_EQ(b.m.NombreDePoints(), 0); // the origin tool places no mark
}

TEST(Pointage, AZoomedViewStoresTheSamePositionForTheSameSpotOfThePicture)
{
    const int largeurs[] = {320, 400, 500, 640};
    const int hauteurs[] = {240, 300, 375, 480};
    for (int i = 0; i < 4; ++i) {
        Banc b;
        b.vue.largeur = largeurs[i];
        b.vue.hauteur = hauteurs[i];
        const PointPixels p = Pt(largeurs[i] / 4, hauteurs[i] / 5); // picture point (0.25, 0.2)
        b.m.AppuiGauche(p);
        b.m.ChoisirModeOrigine(true);
        b.m.AppuiGauche(p);
        b.m.ChoisirModeEtalon(true);
        b.m.AppuiGauche(p);
        EXPECT_EQ(b.m.Etat().Marques[0], FaitPointD(0.25, 0.2)) << largeurs[i];
        EXPECT_EQ(b.m.Etat().Origine, FaitPointD(0.25, 0.2));
        EXPECT_EQ(b.m.Etat().PointsEtalon[0], FaitPointD(0.25, 0.2));
    }
}

TEST(Pointage, RecalculerPixelsPutsEveryCacheBackOnTheSameSpotAfterAZoom)
{
    Banc b;
    b.m.ChoisirModeOrigine(true);
    b.m.AppuiGauche(Pt(80, 48));
    b.m.ChoisirModeEtalon(true);
    b.m.AppuiGauche(Pt(32, 24));
    b.m.AppuiGauche(Pt(64, 72));
    b.m.ChoisirModeTransparent(true);
    b.m.PlacerTransparent();
    b.vue.largeur = 400;
    b.vue.hauteur = 300;
    b.m.RecalculerPixels();
    EXPECT_EQ(b.m.Pixels().Origine, Pt(100, 60));
    EXPECT_EQ(b.m.Pixels().Etalon[0], Pt(40, 30));
    EXPECT_EQ(b.m.Pixels().Etalon[1], Pt(80, 90));
    EXPECT_EQ(b.m.Pixels().DemiTailleTsp, Pt(200, 150));
    EXPECT_EQ(b.m.Pixels().CentreTsp, Pt(180, 165)); // 0.45 x 400, 0.55 x 300
}

TEST(Pointage, HalvesRoundToEvenPixels)
{
    EXPECT_EQ(VersPixels(FaitPointD(0.5, 0.5), 5, 7), PointPixels({2, 4}));
    EXPECT_EQ(VersPixels(FaitPointD(1e300, -1e300), 320, 240).X, 1000000000); // a corrupt work file
}

TEST(Pointage, WithoutAVideoEveryMouseMessageIsIgnored)
{
    Banc b;
    b.vue.ouverte = false;
    b.m.SourisBougee(Pt(3, 3));
    b.m.AppuiGauche(Pt(3, 3));
    b.m.AppuiDroit(Pt(3, 3));
    EXPECT_EQ(b.vue.repeints, 0);
    b.m.ChoisirModeOrigine(true);
    const int outil = b.vue.repeints; // the tool changed: the view shows it
    b.m.AppuiGauche(Pt(3, 3));
    EXPECT_EQ(b.m.NombreDePoints(), 0);
    EXPECT_EQ(b.m.Etat().OriginePlacee, TOrigine(0));
    EXPECT_EQ(b.m.Pixels().Souris, Pt(0, 0));
    EXPECT_EQ(b.vue.repeints, outil);
}

TEST(Pointage, PointerMoveRepaintsOnlyForTheFollowingSegmentOrTheOverlay)
{
    Banc b;
    b.m.SourisBougee(Pt(5, 6));
    EXPECT_EQ(b.m.Pixels().Souris, Pt(5, 6));
    EXPECT_EQ(b.vue.repeints, 0);
    b.m.ChoisirModeEtalon(true);
    b.m.AppuiGauche(Pt(1, 1));
    const int avant = b.vue.repeints;
    b.m.SourisBougee(Pt(7, 8));
    EXPECT_EQ(b.vue.repeints, avant + 1);
}

TEST(Pointage, PressesKeepThePointersPrecisionFinerThanAViewPixel)
{
    // A 1920-pixel video in a 320-pixel view: six video pixels a view pixel.
    Banc b;
    const PointD exact{(100.0 + 1.0 / 6) / 320, (50.0 - 2.0 / 6) / 240};
    b.m.AppuiGauche(Pt(100, 50), exact);
    ASSERT_EQ(b.m.Etat().Marques.size(), 1u);
    EXPECT_EQ(b.m.Etat().Marques[0], exact);

    b.m.ChoisirModeOrigine(true);
    b.m.AppuiGauche(Pt(10, 20), {10.25 / 320, 20.5 / 240});
    EXPECT_EQ(b.m.Etat().Origine, FaitPointD(10.25 / 320, 20.5 / 240));
    EXPECT_EQ(b.m.Pixels().Origine, Pt(10, 20)); // the drawing stays on the view's pixel

    b.m.ChoisirModeEtalon(true);
    b.m.AppuiGauche(Pt(30, 40), {30.4 / 320, 40.0 / 240});
    // The second end within the first end's view pixel does not count, however precise.
    b.m.AppuiGauche(Pt(30, 40), {29.6 / 320, 40.0 / 240});
    EXPECT_EQ(b.m.Etat().EtatEtalon, TEtatEtalon::UnBout);
    b.m.AppuiGauche(Pt(90, 40), {90.2 / 320, 40.0 / 240});
    EXPECT_EQ(b.m.Etat().PointsEtalon[0], FaitPointD(30.4 / 320, 40.0 / 240));
    EXPECT_EQ(b.m.Etat().PointsEtalon[1], FaitPointD(90.2 / 320, 40.0 / 240));
}
