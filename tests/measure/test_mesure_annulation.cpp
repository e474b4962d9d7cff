// Undo and redo of the measuring actions: each step back restores the state
// and the frame exactly, each step forward the state after it; runs, drags
// and no-ops; what a step costs for long measurements.

#include "tests/support/VueFactice.h"

#include <gtest/gtest.h>
#include <ostream>

// What a failed comparison shows of a state.
void PrintTo(const EtatMesure& e, std::ostream* os)
{
    *os << "{marks " << e.Marques.size() << " frames " << e.ImagesMarques.size() << " last " << e.MarquesDerniereImage
        << " overlay " << e.MarquesTsp.size() << "/" << e.CentresTsp.size() << "/" << e.ImagesMarquesTsp.size()
        << " state " << int(e.EtatTransparent) << " centre " << e.CentreTsp.X << "," << e.CentreTsp.Y << " scale "
        << int(e.EtatEtalon) << " length " << e.LongueurEtalon << " origin " << int(e.OriginePlacee) << " per frame "
        << e.MarquesParImage << "}";
}

namespace {

PointPixels Pt(int x, int y)
{
    return {x, y};
}

struct Instant {
    EtatMesure Etat;
    int Image;
};

// The tool is the user's choice of the moment: undo leaves it.
EtatMesure AvecOutil(EtatMesure e, const EtatMesure& actuel)
{
    e.Outil = actuel.Outil;
    return e;
}

// Runs the actions one by one, keeping the state and frame before the first
// and after each; then undoes them all and redoes them all, checking every step.
void VerifierAllerRetour(Banc& b, const std::vector<std::function<void()>>& actions)
{
    std::vector<Instant> instants{{b.m.Etat(), b.vue.numero}};
    for (const auto& action : actions) {
        action();
        instants.push_back({b.m.Etat(), b.vue.numero});
    }
    for (std::size_t i = instants.size() - 1; i > 0; --i) {
        ASSERT_TRUE(b.m.Historique().PeutAnnuler()) << "step " << i;
        b.m.Annuler();
        EXPECT_EQ(b.m.Etat(), AvecOutil(instants[i - 1].Etat, b.m.Etat())) << "undo of step " << i;
        EXPECT_EQ(b.vue.numero, instants[i - 1].Image) << "undo of step " << i;
    }
    EXPECT_FALSE(b.m.Historique().PeutAnnuler());
    for (std::size_t i = 1; i < instants.size(); ++i) {
        ASSERT_TRUE(b.m.Historique().PeutRefaire()) << "step " << i;
        b.m.Refaire();
        EXPECT_EQ(b.m.Etat(), AvecOutil(instants[i].Etat, b.m.Etat())) << "redo of step " << i;
        EXPECT_EQ(b.vue.numero, instants[i].Image) << "redo of step " << i;
    }
    EXPECT_FALSE(b.m.Historique().PeutRefaire());
}

} // namespace

TEST(Annulation, EveryMeasuringActionUndoesAndRedoesExactly)
{
    Banc b;
    // Before the first step: the length step below changes this one, and the
    // overlay's resting place comes with its tool, not with an action.
    Modifier(b.m, [](EtatMesure& e) { e.LongueurEtalon = 0.5; });
    b.m.PlacerTransparent();
    VerifierAllerRetour(b,
                        {
                            [&] { b.m.SetMarquesParImage(2); },
                            [&] { b.m.AppuiGauche(Pt(10, 20)); },
                            [&] { b.m.AppuiGauche(Pt(30, 40)); }, // completes frame 0: the view goes to 1
                            [&] { b.m.AppuiGauche(Pt(12, 22)); },
                            [&] { b.m.AppuiDroit(Pt(0, 0)); }, // removed again
                            [&] {
                                b.m.ChoisirModeEtalon(true);
                                b.m.AppuiGauche(Pt(5, 5));
                            },
                            [&] { b.m.AppuiGauche(Pt(105, 5)); },
                            [&] { b.m.SetLongueurEtalon(1.25); },
                            [&] { b.m.AppuiDroit(Pt(50, 50)); }, // the second end taken back
                            [&] {
                                b.m.ChoisirModeOrigine(true);
                                b.m.AppuiGauche(Pt(7, 230));
                            },
                            [&] { b.m.AppuiDroit(Pt(0, 0)); },
                            [&] { b.m.AppuiGauche(Pt(9, 200)); },
                            [&] {
                                b.m.ChoisirModeTransparent(true);
                                b.m.PlacerTransparent();
                                b.m.AppuiGauche(Pt(100, 100)); // grab
                                b.m.SourisBougee(Pt(140, 90));
                                b.m.RelacheGauche(Pt(140, 90)); // drop: with the grab, one step
                            },
                            [&] { b.m.AppuiGauche(Pt(150, 95)); }, // overlay mark, the view advances
                            [&] {
                                b.m.AppuiGauche(Pt(150, 95));
                                b.m.RelacheGauche(Pt(120, 60));
                            },
                            [&] { b.m.AppuiDroit(Pt(120, 60)); }, // the drop cancelled
                            [&] { b.m.AppuiDroit(Pt(120, 60)); }, // the overlay mark removed
                            [&] { b.m.AppuiGauche(Pt(1, 1)); },   // in Marquer: an overlay mark
                            [&] {
                                b.m.AppuiGauche(Pt(3, 3));
                                b.m.RelacheGauche(Pt(4, 4));
                            },
                            [&] { b.m.EffacerTransparent(); },
                            [&] {
                                b.m.ChoisirModeMarque(true);
                                b.m.EffacerMarques();
                            },
                            [&] { b.m.AppuiGauche(Pt(60, 60)); },
                            [&] { b.m.AppuiGauche(Pt(61, 61)); },
                            [&] { b.m.EffacerTout(); },
                        });
}

TEST(Annulation, MarksOnTheLastFrameAndALostReleaseUndoExactly)
{
    Banc b;
    b.vue.numero = 8;
    b.m.PlacerTransparent();
    VerifierAllerRetour(b,
                        {
                            [&] { b.m.AppuiGauche(Pt(10, 10)); }, // frame 8 -> 9, the last
                            [&] { b.m.AppuiGauche(Pt(11, 11)); }, // on the last frame
                            [&] { b.m.AppuiDroit(Pt(0, 0)); },
                            [&] {
                                b.m.ChoisirModeTransparent(true);
                                b.m.AppuiGauche(Pt(50, 50));
                                b.m.AppuiGauche(Pt(60, 70)); // the release was lost: this press drops it
                            },
                        });
}

TEST(Annulation, StepsAreNamedAfterTheirActionAndTakeTheViewToTheirFrame)
{
    Banc b;
    for (int i = 0; i < 12; ++i) b.m.AppuiGauche(Pt(10 + i, 10));
    ASSERT_EQ(b.vue.numero, 9); // clamped on the last frame from the 10th mark on
    EXPECT_EQ(b.m.Historique().AAnnuler(), (ActionMesure{TAction::Marque, 10}));
    b.m.AppuiDroit(Pt(0, 0));
    EXPECT_EQ(b.m.Historique().AAnnuler(), (ActionMesure{TAction::RetraitMarque, 10}));
    b.m.Annuler();
    EXPECT_EQ(b.m.Historique().ARefaire(), (ActionMesure{TAction::RetraitMarque, 10}));
    b.m.Annuler();
    b.m.Annuler();
    EXPECT_EQ(b.m.NombreDePoints(), 8);
    EXPECT_EQ(b.vue.numero, 8); // where the 9th mark was placed
    b.vue.numero = 2;           // the user looks elsewhere; redo brings back the frame it led to
    b.m.Refaire();
    EXPECT_EQ(b.vue.numero, 9);
    EXPECT_EQ(b.m.Historique().AAnnuler(), (ActionMesure{TAction::Marque, 9}));
}

TEST(Annulation, UndoLeavesLaterDisplayChoicesAndANewActionDropsTheRedo)
{
    Banc b;
    b.m.AppuiGauche(Pt(10, 10));
    b.m.SetCouleur(0x00FF00);
    b.m.SetAxeVersLeBas(true);
    b.m.ChoisirModeOrigine(true);
    b.m.Annuler();
    EXPECT_EQ(b.m.NombreDePoints(), 0);
    EXPECT_EQ(b.m.Etat().Couleur, 0x00FF00u);
    EXPECT_TRUE(b.m.Etat().AxeVersLeBas);
    EXPECT_TRUE(b.m.ModeOrigine());
    EXPECT_EQ(FamilleCurseur(b.m.Etat()), TFamilleCurseur::Origine); // the cursor stays the origin tool's
    ASSERT_TRUE(b.m.Historique().PeutRefaire());
    b.m.AppuiGauche(Pt(5, 5));
    EXPECT_FALSE(b.m.Historique().PeutRefaire());
    EXPECT_EQ(b.m.Historique().AAnnuler().Action, TAction::Origine);
}

TEST(Annulation, ActionsThatChangeNothingAreNotRecorded)
{
    Banc b;
    b.m.AppuiDroit(Pt(0, 0));  // no mark to remove
    b.m.SetMarquesParImage(1); // already 1
    b.m.SetLongueurEtalon(0);  // already 0
    b.m.ChoisirModeEtalon(true);
    b.m.AppuiDroit(Pt(0, 0)); // no end to take back
    b.m.AppuiGauche(Pt(4, 4));
    b.m.AppuiGauche(Pt(4, 4)); // on the first end itself: ignored
    b.m.ChoisirModeTransparent(true);
    b.m.PlacerTransparent();
    b.m.AppuiGauche(Pt(50, 50)); // a grab alone is no step yet
    b.m.AppuiDroit(Pt(50, 50));  // right press while dragging: nothing
    EXPECT_EQ(b.m.Historique().AAnnuler(), (ActionMesure{TAction::BoutEtalon, 1}));
    b.m.Annuler();
    EXPECT_FALSE(b.m.Historique().PeutAnnuler());
}

TEST(Annulation, TheLengthIsAskedOnceTheSecondEndIsRecordedAndIsAStepOfItsOwn)
{
    Banc b;
    std::optional<ActionMesure> vue;
    b.m.OnChangeEtalon = [&] {
        vue = b.m.Historique().AAnnuler();
        b.m.SetLongueurEtalon(2.0); // as the length dialog does
    };
    b.m.ChoisirModeEtalon(true);
    b.m.AppuiGauche(Pt(10, 10));
    b.m.AppuiGauche(Pt(90, 10));
    EXPECT_EQ(vue, (ActionMesure{TAction::BoutEtalon, 2}));
    EXPECT_EQ(b.m.Historique().AAnnuler().Action, TAction::LongueurEtalon);
    b.m.Annuler();
    EXPECT_EQ(b.m.Etat().LongueurEtalon, 0.0);
    EXPECT_TRUE(b.m.Etat().EtalonPlace());
    b.m.Annuler();
    EXPECT_EQ(b.m.Etat().EtatEtalon, TEtatEtalon::UnBout);
}

TEST(Annulation, EachActionNotifiesOnceAfterItsStepIsRecorded)
{
    Banc b;
    std::vector<bool> annulables;
    b.m.OnChange = [&] { annulables.push_back(b.m.Historique().PeutAnnuler()); };
    b.m.EffacerMarques(); // nothing to erase: no step, still one notification
    b.m.AppuiGauche(Pt(10, 10));
    EXPECT_EQ(annulables, (std::vector<bool>{false, true}));
}

TEST(Annulation, ARunOfMarksIsOneStepBackToItsFirstFrame)
{
    Banc b;
    b.m.AppuiGauche(Pt(10, 10));
    const EtatMesure avant = b.m.Etat();
    b.m.CommencerSuite(TAction::Suivi);
    for (int i = 0; i < 5; ++i) b.m.PlacerMarque(FaitPointD(0.1 + 0.01 * i, 0.2 + 1e-7 * i));
    EXPECT_EQ(b.m.Etat().Marques[4], FaitPointD(0.1 + 0.01 * 3, 0.2 + 1e-7 * 3)); // not rounded to view pixels
    EXPECT_EQ(b.vue.numero, 6);
    b.m.TerminerSuite();
    EXPECT_EQ(b.m.Historique().AAnnuler(), (ActionMesure{TAction::Suivi, 5}));
    const EtatMesure apres = b.m.Etat();
    b.m.Annuler();
    EXPECT_EQ(b.m.Etat(), avant);
    EXPECT_EQ(b.vue.numero, 1);
    EXPECT_EQ(b.m.Historique().AAnnuler(), (ActionMesure{TAction::Marque, 1}));
    b.m.Refaire();
    EXPECT_EQ(b.m.Etat(), apres);
    EXPECT_EQ(b.vue.numero, 6);
}

TEST(Annulation, UndoDuringARunEndsItFirst)
{
    Banc b;
    b.m.CommencerSuite(TAction::Suivi);
    b.m.PlacerMarque(FaitPointD(0.5, 0.5));
    b.m.PlacerMarque(FaitPointD(0.6, 0.5));
    b.m.Annuler();
    EXPECT_FALSE(b.m.SuiteEnCours());
    EXPECT_EQ(b.m.NombreDePoints(), 0);
    EXPECT_EQ(b.m.Historique().ARefaire(), (ActionMesure{TAction::Suivi, 2}));
}

TEST(Annulation, PlacerMarqueFollowsTheMarksToolOnly)
{
    Banc b;
    b.m.ChoisirModeOrigine(true);
    b.m.PlacerMarque(FaitPointD(0.5, 0.5));
    EXPECT_EQ(b.m.NombreDePoints(), 0);
    b.m.ChoisirModeMarque(true);
    b.vue.ouverte = false;
    b.m.PlacerMarque(FaitPointD(0.5, 0.5));
    EXPECT_EQ(b.m.NombreDePoints(), 0);
}

TEST(Annulation, ReplacingTheWholeStateStartsAFreshHistory)
{
    Banc b;
    b.m.AppuiGauche(Pt(10, 10));
    b.m.AppuiGauche(Pt(20, 10));
    b.m.Annuler();
    Modifier(b.m, [](EtatMesure& e) { e.Marques.assign(3, FaitPointD(0.5, 0.5)); });
    EXPECT_FALSE(b.m.Historique().PeutAnnuler());
    EXPECT_FALSE(b.m.Historique().PeutRefaire());
}

TEST(Annulation, ThousandsOfMarksCostAFewKilobytesEachAtMost)
{
    Banc b;
    b.vue.images = 100000;
    for (int i = 0; i < 5000; ++i) b.m.AppuiGauche(Pt(i % 320, i % 240));
    const double parMarque = double(b.m.Historique().Octets()) / 5000;
    // A step keeps the simple fields before and after it, a fixed size; a copy
    // of the marks per step would be 40 kB on average.
    EXPECT_LT(parMarque, 4000.0);
    for (int i = 0; i < 5000; ++i) b.m.Annuler();
    EXPECT_EQ(b.m.NombreDePoints(), 0);
    EXPECT_EQ(b.vue.numero, 0);
}
