// The measurement as a whole: initial values, erase commands, the overlay's
// default place, and marks restored from a work file (no frame indices).

#include "tests/support/VueFactice.h"

#include <gtest/gtest.h>

namespace {

PointPixels Pt(int x, int y)
{
    return {x, y};
}

// What the work-file loader leaves: counts and marks, no frame indices.
void ChargerMarques(TMesure& m, int n)
{
    Modifier(m, [&](EtatMesure& e) { e.Marques.assign(n, FaitPointD(0.5, 0.5)); });
}

void ChargerMarquesTsp(TMesure& m, int n)
{
    Modifier(m, [&](EtatMesure& e) { e.MarquesTsp.assign(n, FaitPointD(0.1, 0.1)); });
    Modifier(m, [&](EtatMesure& e) { e.CentresTsp.assign(n + 1, FaitPointD(0.5, 0.5)); });
}

} // namespace

TEST(EtatMesure, StartsEmptyInMarksModeWithOneZeroOverlayCentre)
{
    VueFactice vue;
    const TMesure m(vue);
    EXPECT_TRUE(m.ModeMarque());
    EXPECT_FALSE(m.ModeEtalon() || m.ModeOrigine() || m.ModeTransparent());
    EXPECT_TRUE(m.DessinerToutesLesMarques());
    EXPECT_FALSE(m.DessinerDerniereMarque());
    EXPECT_EQ(m.Etat().MarquesParImage, 1);
    EXPECT_EQ(m.NombreDePoints(), 0);
    EXPECT_EQ(m.Etat().CentresTsp, VecteurPointD{PointD{}});
    EXPECT_EQ(m.Etat().DemiTailleTsp, PointD{});
    EXPECT_EQ(m.Etat().EtatTransparent, TEtatTransparent::Saisir);
    EXPECT_EQ(m.Etat().Couleur, 0u);
    EXPECT_EQ(m.Etat().CouleurCurseur, TCouleurCurseur::Aucune);
    EXPECT_EQ(m.Etat().LongueurEtalon, 0.0);
}

TEST(EtatMesure, DrawingChoiceChangesOnlyWhenChosen)
{
    VueFactice vue;
    TMesure m(vue);
    m.ChoisirDerniereMarque(true);
    EXPECT_TRUE(m.DessinerDerniereMarque());
    m.ChoisirToutesLesMarques(false);
    EXPECT_TRUE(m.DessinerDerniereMarque());
    m.ChoisirToutesLesMarques(true);
    EXPECT_TRUE(m.DessinerToutesLesMarques());
}

TEST(EtatMesure, PlacerTransparentPutsTheOverlayShiftedTowardsTheAxisOrigin)
{
    Banc b;
    b.m.PlacerTransparent(); // axis up: left and down
    EXPECT_EQ(b.m.Pixels().DemiTailleTsp, Pt(160, 120));
    EXPECT_EQ(b.m.Etat().DemiTailleTsp, FaitPointD(0.5, 0.5));
    EXPECT_EQ(b.m.Pixels().CentreTsp, Pt(144, 132));
    EXPECT_EQ(b.m.Etat().CentreTsp, FaitPointD(144.0 / 320, 132.0 / 240));
    b.m.SetAxeVersLeBas(true);
    b.m.PlacerTransparent(); // axis down: left and up
    EXPECT_EQ(b.m.Pixels().CentreTsp, Pt(144, 108));
    EXPECT_EQ(b.vue.repeints, 3); // each placing and the axis' turn, once

    // Once a mark exists the overlay keeps its centre, at the new size.
    Modifier(b.m, [&](EtatMesure& e) {
        e.MarquesTsp.push_back(FaitPointD(0.1, 0.1));
        e.CentresTsp.push_back(FaitPointD(0.2, 0.2));
        e.CentreTsp = FaitPointD(0.25, 0.75);
    });
    b.vue.largeur = 640;
    b.vue.hauteur = 480;
    b.m.PlacerTransparent();
    EXPECT_EQ(b.m.Pixels().CentreTsp, Pt(160, 360));
    EXPECT_EQ(b.m.Pixels().DemiTailleTsp, Pt(320, 240));
}

TEST(EtatMesure, PlacerTransparentOnAnEmptyViewKeepsTheNormalisedCentre)
{
    Banc b;
    b.vue.largeur = 0;
    b.vue.hauteur = 0;
    b.m.PlacerTransparent();
    EXPECT_EQ(b.m.Etat().CentreTsp, PointD{});
    EXPECT_EQ(b.m.Etat().DemiTailleTsp, FaitPointD(0.5, 0.5));
}

TEST(EtatMesure, EffacerMarquesEmptiesTheMarksAndFreesTheLastFrame)
{
    Banc b;
    b.vue.images = 2;
    Modifier(b.m, [&](EtatMesure& e) { e.MarquesParImage = 2; });
    for (int k = 0; k < 4; ++k) b.m.AppuiGauche(Pt(k, k));
    ASSERT_EQ(b.m.Etat().MarquesDerniereImage, 2);
    b.m.AppuiGauche(Pt(9, 9));
    ASSERT_EQ(b.m.NombreDePoints(), 4);

    b.m.EffacerMarques();
    EXPECT_EQ(b.m.NombreDePoints(), 0);
    EXPECT_TRUE(b.m.Etat().Marques.empty());
    EXPECT_EQ(b.m.Etat().MarquesDerniereImage, 0);
    EXPECT_EQ(b.m.Etat().ImagesMarques.size(), 4u); // left for pointing to shorten
    EXPECT_EQ(FamilleCurseur(b.m.Etat()), TFamilleCurseur::Marque1);
    EXPECT_EQ(b.points, 5);

    b.m.AppuiGauche(Pt(1, 1)); // the last frame takes two marks again
    b.m.AppuiGauche(Pt(2, 2));
    b.m.AppuiGauche(Pt(3, 3));
    EXPECT_EQ(b.m.NombreDePoints(), 2);
    EXPECT_EQ(b.m.Etat().ImagesMarques, (std::vector<int>{1, 1}));
}

TEST(EtatMesure, EffacerTransparentCutsTheCentresAndPutsTheOverlayBack)
{
    Banc b;
    b.m.ChoisirModeTransparent(true);
    b.m.PlacerTransparent();
    ChargerMarquesTsp(b.m, 2);
    Modifier(b.m, [&](EtatMesure& e) { e.MarquesTspDerniereImage = 1; });
    Modifier(b.m, [&](EtatMesure& e) { e.ImagesMarquesTsp = {3, 4}; });
    Modifier(b.m, [&](EtatMesure& e) { e.CentreTsp = FaitPointD(0.9, 0.9); });

    b.m.EffacerTransparent();
    EXPECT_EQ(b.m.NombreDePointsTsp(), 0);
    EXPECT_TRUE(b.m.Etat().MarquesTsp.empty());
    EXPECT_EQ(b.m.Etat().CentresTsp, VecteurPointD{FaitPointD(0.5, 0.5)});
    EXPECT_EQ(b.m.Etat().MarquesTspDerniereImage, 0);
    EXPECT_EQ(b.m.Etat().ImagesMarquesTsp, (std::vector<int>{3, 4}));
    EXPECT_EQ(b.m.Pixels().CentreTsp, Pt(144, 132)); // default place
    EXPECT_EQ(b.pointsTsp, 2);
}

TEST(EtatMesure, EffacerToutKeepsTheScaleLengthAndThePlacedPositions)
{
    Banc b;
    b.m.ChoisirModeEtalon(true);
    b.m.AppuiGauche(Pt(10, 10));
    b.m.AppuiGauche(Pt(20, 10));
    Modifier(b.m, [&](EtatMesure& e) { e.LongueurEtalon = 0.75; });
    b.m.ChoisirModeOrigine(true);
    b.m.AppuiGauche(Pt(32, 24));
    b.m.ChoisirModeMarque(true);
    b.m.AppuiGauche(Pt(5, 5));
    ChargerMarquesTsp(b.m, 1);

    b.m.EffacerTout();
    EXPECT_EQ(b.m.Etat().EtatEtalon, TEtatEtalon(0));
    EXPECT_EQ(b.m.Etat().OriginePlacee, TOrigine(0));
    EXPECT_EQ(b.m.NombreDePoints(), 0);
    EXPECT_EQ(b.m.NombreDePointsTsp(), 0);
    EXPECT_TRUE(b.m.Etat().Marques.empty());
    EXPECT_TRUE(b.m.Etat().MarquesTsp.empty());
    EXPECT_EQ(b.m.Etat().CentresTsp.size(), 1u);
    EXPECT_EQ(b.m.Etat().LongueurEtalon, 0.75);
    EXPECT_EQ(b.m.Etat().PointsEtalon[1], FaitPointD(20.0 / 320, 10.0 / 240));
    EXPECT_EQ(b.m.Etat().Origine, FaitPointD(0.1, 0.1));
}

TEST(EtatMesureChargee, RemovingALoadedMarkThatCompletedItsFrameGoesToFrameZero)
{
    Banc b;
    b.vue.numero = 5;
    ChargerMarques(b.m, 4);
    b.m.AppuiDroit(Pt(0, 0));
    EXPECT_EQ(b.vue.numero, 0);
    EXPECT_EQ(b.m.Etat().ImagesMarques, (std::vector<int>{0, 0, 0}));
}

TEST(EtatMesureChargee, RemovingTheOnlyLoadedMarkGoesOneFrameBack)
{
    Banc b;
    b.vue.numero = 5;
    ChargerMarques(b.m, 1);
    b.m.AppuiDroit(Pt(0, 0));
    EXPECT_EQ(b.vue.numero, 4);
    EXPECT_EQ(b.m.NombreDePoints(), 0);
}

TEST(EtatMesureChargee, RemovingAPointOneMarkDoesNotMove)
{
    Banc b;
    b.vue.numero = 5;
    Modifier(b.m, [&](EtatMesure& e) { e.MarquesParImage = 2; });
    ChargerMarques(b.m, 3);
    b.m.AppuiDroit(Pt(0, 0));
    EXPECT_EQ(b.vue.numero, 5);
    EXPECT_TRUE(b.vue.allers.empty());
}

TEST(EtatMesureChargee, LoadedOverlayMarksGoOneFrameBackThenToFrameZero)
{
    Banc b;
    b.vue.numero = 5;
    b.m.ChoisirModeTransparent(true);
    ChargerMarquesTsp(b.m, 2);
    b.m.AppuiDroit(Pt(0, 0)); // index array empty: one frame back
    EXPECT_EQ(b.vue.numero, 4);
    EXPECT_EQ(b.m.Etat().ImagesMarquesTsp, (std::vector<int>{0}));
    EXPECT_EQ(b.m.Etat().EtatTransparent, TEtatTransparent::Marquer);
    b.m.AppuiDroit(Pt(0, 0)); // cancel the drop
    EXPECT_EQ(b.m.Etat().EtatTransparent, TEtatTransparent::Saisir);
    b.m.AppuiDroit(Pt(0, 0)); // the grown index reads 0
    EXPECT_EQ(b.vue.numero, 0);
    EXPECT_EQ(b.m.NombreDePointsTsp(), 0);
    EXPECT_TRUE(b.m.Etat().ImagesMarquesTsp.empty());
}
