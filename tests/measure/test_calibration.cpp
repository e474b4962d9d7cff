// Turned axes and the plane seen in perspective, on the measurement: the
// refusals, the commands with their undo, the clicking of the corners and the
// dragged handle of the x axis.

#include "tests/support/VueFactice.h"
#include "measure/UnitAxesVus.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

// A board seen in perspective: far side shorter, corners in the order clicked.
TPlan Trapeze()
{
    return TPlan{{PointD{0.15, 0.85}, PointD{0.85, 0.85}, PointD{0.7, 0.3}, PointD{0.3, 0.3}}, 1.0, 0.6};
}

TEST(Plan, EachFaultOfTheCornersOrTheSizeIsRefused)
{
    EXPECT_EQ(VerifierPlan(Trapeze()), DefautPlan::Aucun);
    for (double d : {0.0, -0.5, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        TPlan l = Trapeze(), h = Trapeze();
        l.Largeur = d;
        h.Hauteur = d;
        EXPECT_EQ(VerifierPlan(l), DefautPlan::Dimensions) << d;
        EXPECT_EQ(VerifierPlan(h), DefautPlan::Dimensions) << d;
    }
    TPlan repete = Trapeze();
    repete.Coins[2] = repete.Coins[0];
    EXPECT_EQ(VerifierPlan(repete), DefautPlan::CoinRepete);
    TPlan alignes = Trapeze();
    alignes.Coins[1] = {0.5, 0.85};
    alignes.Coins[2] = {0.7, 0.85}; // corners 0, 1, 2 on the bottom edge
    EXPECT_EQ(VerifierPlan(alignes), DefautPlan::TroisAlignes);
    TPlan croise = Trapeze();
    std::swap(croise.Coins[2], croise.Coins[3]); // a bow tie
    EXPECT_EQ(VerifierPlan(croise), DefautPlan::Croise);
    TPlan creux = Trapeze();
    creux.Coins[2] = {0.5, 0.75}; // pushed inside: not a picture of a rectangle
    EXPECT_EQ(VerifierPlan(creux), DefautPlan::Croise);
}

TEST(Plan, TheHomographyTakesTheCornersToTheRectangleAndBack)
{
    const auto h = HomographiePlan(Trapeze());
    ASSERT_TRUE(h);
    const PointD attendus[] = {{0, 0}, {1.0, 0}, {1.0, 0.6}, {0, 0.6}};
    for (int i = 0; i < 4; ++i) {
        const PointD p = h->Appliquer(Trapeze().Coins[i]);
        EXPECT_NEAR(p.X, attendus[i].X, 1e-12) << i;
        EXPECT_NEAR(p.Y, attendus[i].Y, 1e-12) << i;
    }
    // Halfway up the picture is less than halfway across the board: the near
    // half of the board looks larger. Perspective, not a stretch.
    const PointD milieu = h->Appliquer({0.5, (0.85 + 0.3) / 2});
    EXPECT_GT(milieu.Y, 0.1);
    EXPECT_LT(milieu.Y, 0.29);
    const auto inverse = h->Inverse();
    ASSERT_TRUE(inverse);
    const PointD retour = inverse->Appliquer(h->Appliquer({0.42, 0.61}));
    EXPECT_NEAR(retour.X, 0.42, 1e-12);
    EXPECT_NEAR(retour.Y, 0.61, 1e-12);
}

TEST(MesureCalibration, AnAngleThatIsNoNumberIsRefusedAndAnyOtherIsOneUndoableStep)
{
    Banc b;
    for (double x : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        EXPECT_FALSE(b.m.SetAngleAxes(x));
        EXPECT_EQ(b.m.Etat().AngleAxes, 0.0);
    }
    EXPECT_FALSE(b.m.Historique().PeutAnnuler());
    EXPECT_TRUE(b.m.SetAngleAxes(390.0));
    EXPECT_DOUBLE_EQ(b.m.Etat().AngleAxes, 30.0);
    EXPECT_TRUE(b.m.SetAngleAxes(-180.0));
    EXPECT_DOUBLE_EQ(b.m.Etat().AngleAxes, 180.0);
    b.m.Annuler();
    EXPECT_DOUBLE_EQ(b.m.Etat().AngleAxes, 30.0);
    EXPECT_EQ(b.m.Historique().AAnnuler().Action, TAction::AngleAxes);

    // Along the segment, pointing right whichever end came first.
    EXPECT_FALSE(b.m.AxesSelonEtalon(4.0 / 3));
    Modifier(b.m, [](EtatMesure& e) {
        e.EtatEtalon = TEtatEtalon::DeuxBouts;
        e.PointsEtalon = {PointD{0.75, 0.25}, PointD{0.0, 1.0}}; // down to the left, 3:4 picture
    });
    EXPECT_TRUE(b.m.AxesSelonEtalon(4.0 / 3));
    EXPECT_NEAR(b.m.Etat().AngleAxes, std::atan2(0.75, 0.75 * 4.0 / 3) * 180.0 / M_PI, 1e-12);
}

TEST(MesureCalibration, ARefusedPlaneChangesNothingAndAPlacedOneStandsForTheScale)
{
    Banc b;
    TPlan croise = Trapeze();
    std::swap(croise.Coins[0], croise.Coins[1]);
    const EtatMesure avant = b.m.Etat();
    EXPECT_EQ(b.m.PlacerPlan(croise), DefautPlan::Croise);
    EXPECT_EQ(b.m.Etat(), avant);
    EXPECT_FALSE(b.m.Historique().PeutAnnuler());

    EXPECT_FALSE(b.m.Etat().Etalonne());
    EXPECT_EQ(b.m.PlacerPlan(Trapeze()), DefautPlan::Aucun);
    EXPECT_TRUE(b.m.Etat().Etalonne());
    EXPECT_FALSE(MemesMesures(avant, b.m.Etat()));
    b.m.Annuler();
    EXPECT_FALSE(b.m.Etat().Plan);
    b.m.Refaire();
    EXPECT_EQ(b.m.Etat().Plan, Trapeze());
    b.m.EffacerTout();
    EXPECT_FALSE(b.m.Etat().Etalonne());
}

TEST(MesureCalibration, FourCornersAreClickedInOrderAndTheLastCanBeTakenBack)
{
    Banc b;
    int demandes = 0;
    b.m.OnCoinsPlan = [&] { ++demandes; };
    b.m.CommencerCoinsPlan();
    const PointPixels clics[] = {{40, 200}, {280, 200}, {230, 80}, {90, 80}};
    for (int i = 0; i < 3; ++i) b.m.AppuiGauche(clics[i]);
    b.m.AppuiDroit({0, 0}); // the third corner taken back
    EXPECT_EQ(b.m.CoinsPlan().size(), 2u);
    b.m.AppuiGauche(clics[2]);
    EXPECT_EQ(demandes, 0);
    b.m.AppuiGauche(clics[3]);
    EXPECT_EQ(demandes, 1);
    b.m.AppuiGauche({10, 10}); // a fifth press is ignored
    EXPECT_EQ(b.m.CoinsPlan().size(), 4u);
    // No mark was placed while clicking corners with the marks tool.
    EXPECT_EQ(b.m.NombreDePoints(), 0);
    EXPECT_EQ(b.m.CoinsPlan()[1], VersNormalise(clics[1], 320, 240));

    TPlan p;
    for (int i = 0; i < 4; ++i) p.Coins[i] = b.m.CoinsPlan()[i];
    p.Largeur = 0.297;
    p.Hauteur = 0.21;
    EXPECT_EQ(b.m.PlacerPlan(p), DefautPlan::Aucun);
    EXPECT_FALSE(b.m.CoinsPlanEnCours());
    b.m.AppuiGauche({10, 10});
    EXPECT_EQ(b.m.NombreDePoints(), 1); // marks again

    // A right press before the first corner gives up.
    b.m.CommencerCoinsPlan();
    b.m.AppuiDroit({0, 0});
    EXPECT_FALSE(b.m.CoinsPlanEnCours());
}

TEST(MesureCalibration, TheXAxisArrowDraggedWithTheOriginToolTurnsTheAxesInOneStep)
{
    Banc b;
    b.m.ChoisirModeOrigine(true);
    b.m.AppuiGauche({100, 120}); // the origin
    ASSERT_TRUE(b.m.Etat().OrigineEstPlacee());
    const std::size_t pas = b.m.Historique().Faites();
    b.m.AppuiGauche({318, 121}); // on the arrow at the right edge
    EXPECT_TRUE(b.m.RotationEnCours());
    b.m.SourisBougee({150, 70});
    EXPECT_NEAR(b.m.Etat().AngleAxes, 45.0, 1e-12);
    b.m.SourisBougee({100, 20});
    b.m.RelacheGauche({100, 20});
    EXPECT_FALSE(b.m.RotationEnCours());
    EXPECT_NEAR(b.m.Etat().AngleAxes, 90.0, 1e-12);
    EXPECT_EQ(b.m.Historique().Faites(), pas + 1);
    b.m.Annuler();
    EXPECT_EQ(b.m.Etat().AngleAxes, 0.0);
    EXPECT_TRUE(b.m.Etat().OrigineEstPlacee());

    // Away from the arrow a press does what it always did: nothing, the origin being placed.
    b.m.AppuiGauche({200, 200});
    EXPECT_FALSE(b.m.RotationEnCours());
    EXPECT_EQ(b.m.Etat().Origine, VersNormalise({100, 120}, 320, 240));
}

TEST(AxesVus, TurnedAxesReachThePictureEdgeAndAPlaneCarriesThemInPerspective)
{
    EtatMesure m;
    m.OriginePlacee = TOrigine::Placee;
    m.Origine = {100.0 / 201, 100.0 / 201};
    m.AngleAxes = 45.0;
    auto axes = AxesSurLaVue(m, 201, 201);
    ASSERT_TRUE(axes);
    EXPECT_NEAR(axes->X.Fin.X, 200.0, 1e-9); // up and to the right
    EXPECT_NEAR(axes->X.Fin.Y, 0.0, 1e-9);
    EXPECT_NEAR(axes->Y.Fin.X, 0.0, 1e-9); // up and to the left
    EXPECT_NEAR(axes->Y.Fin.Y, 0.0, 1e-9);
    m.AxeVersLeBas = true;
    axes = AxesSurLaVue(m, 201, 201);
    EXPECT_NEAR(axes->Y.Fin.X, 200.0, 1e-9); // down and to the right
    EXPECT_NEAR(axes->Y.Fin.Y, 200.0, 1e-9);

    // On the plane the y axis runs towards the far side and stops before the horizon.
    m = EtatMesure{};
    m.OriginePlacee = TOrigine::Placee;
    m.Plan = Trapeze();
    m.Origine = m.Plan->Coins[0];
    axes = AxesSurLaVue(m, 320, 240);
    ASSERT_TRUE(axes);
    EXPECT_NEAR(axes->X.Direction.Y, 0.0, 1e-9); // the near side is level
    EXPECT_LT(axes->Y.Direction.Y, 0.0);         // up the picture
    EXPECT_GT(axes->Y.Direction.X, 0.0);         // leaning in, towards the vanishing point
    const auto h = HomographiePlan(*m.Plan);
    EXPECT_GT(h->Denominateur({axes->Y.Fin.X / 320, axes->Y.Fin.Y / 240}) / h->Denominateur(m.Origine), 0.0);
    const auto angle = AngleVers(m, axes->Y.Fin, 320, 240);
    ASSERT_TRUE(angle);
    EXPECT_NEAR(*angle, 90.0, 1e-6);
}

} // namespace

TEST(MemesMesures, AFitKeptWithTheWorkIsWorkToSave)
{
    EtatMesure a;
    EtatMesure b = a;
    EXPECT_TRUE(MemesMesures(a, b));
    b.Ajustements.push_back(TDemandeAjustement{});
    EXPECT_FALSE(MemesMesures(a, b));
    a.Ajustements = b.Ajustements;
    a.Ajustements[0].Fin = 12; // the range changed
    EXPECT_FALSE(MemesMesures(a, b));
}
