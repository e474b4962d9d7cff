// The Measures menu's turned axes and plane: the dialogs through the seam,
// their refusals, and the corners clicked on the view.

#include "tests/app/FicheTest.h"
#include "tests/support/Enfant.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

namespace {

class FicheCalibration : public FicheTest {
protected:
    void SetUp() override
    {
        FicheTest::SetUp();
        fiche->OuvrirVideo(Video("v.avi"));
        ASSERT_TRUE(Vue().Opened());
    }
    // A press at a fraction of the view.
    void Cliquer(double x, double y)
    {
        QTest::mouseClick(&Vue(), Qt::LeftButton, {}, QPoint(int(x * Vue().width()), int(y * Vue().height())));
    }
    // The dialog filled as a user would: each entry typed in turn and OK
    // pressed after each, the refusals recorded.
    void Repondre(std::vector<QStringList> saisies, bool selonEtalon = false)
    {
        dialogues.Modaux.push_back([saisies, selonEtalon](QDialog& boite) {
            boite.show();
            const auto edits = boite.findChildren<QLineEdit*>();
            for (const QStringList& s : saisies) {
                for (qsizetype i = 0; i < s.size() && i < edits.size(); ++i) edits[i]->setText(s[i]);
                if (auto* c = boite.findChild<QCheckBox*>()) c->setChecked(selonEtalon);
                boite.accept();
            }
            return boite.result();
        });
    }
};

TEST_F(FicheCalibration, ThePlaneTakesFourCornersThenASizeGreaterThanZero)
{
    Enfant<QAction>(*fiche, "MenuMesuresPlan")->trigger();
    EXPECT_TRUE(Mesure().CoinsPlanEnCours());
    Repondre({{"0", "0.6"}, {"1", "-2"}, {"1", "0,6"}});
    Cliquer(0.1, 0.9);
    Cliquer(0.9, 0.9);
    Cliquer(0.7, 0.3);
    EXPECT_TRUE(dialogues.ModauxMontres.isEmpty());
    Cliquer(0.3, 0.3);
    EXPECT_EQ(dialogues.ModauxMontres, QList<QString>{"Rovina měření"});
    const QString refus = "Šířka i výška musí být kladné číslo (nejvýše 15 Tm).";
    EXPECT_EQ(dialogues.Lignes(), QStringList({refus, refus}));
    ASSERT_TRUE(Mesure().Etat().Plan);
    EXPECT_EQ(Mesure().Etat().Plan->Largeur, 1.0);
    EXPECT_EQ(Mesure().Etat().Plan->Hauteur, 0.6);
    EXPECT_EQ(Mesure().NombreDePoints(), 0); // the clicks marked nothing
    EXPECT_TRUE(Enfant<QAction>(*fiche, "MenuMesuresRetirerPlan")->isEnabled());
    Enfant<QAction>(*fiche, "MenuMesuresRetirerPlan")->trigger();
    EXPECT_FALSE(Mesure().Etat().Plan);
}

TEST_F(FicheCalibration, CrossedCornersAreRefusedBeforeTheSizeAndNothingChanges)
{
    const EtatMesure avant = Mesure().Etat();
    Enfant<QAction>(*fiche, "MenuMesuresPlan")->trigger();
    for (auto [x, y] : {std::pair{0.1, 0.9}, {0.9, 0.9}, {0.3, 0.3}, {0.7, 0.3}}) Cliquer(x, y); // a bow tie
    EXPECT_TRUE(dialogues.ModauxMontres.isEmpty());
    EXPECT_EQ(dialogues.Lignes(),
              QStringList({"Strany čtyřúhelníku se kříží: klikněte na rohy postupně kolem obdélníku."}));
    EXPECT_FALSE(Mesure().CoinsPlanEnCours());
    EXPECT_TRUE(MemesMesures(avant, Mesure().Etat()));
    Cliquer(0.5, 0.5); // the marks tool again
    EXPECT_EQ(Mesure().NombreDePoints(), 1);
}

TEST_F(FicheCalibration, TheAxesTakeAFiniteAngleOrTheScaleSegmentsDirection)
{
    Repondre({{"třicet"}, {"nan"}, {"30"}});
    Enfant<QAction>(*fiche, "MenuMesuresAxes")->trigger();
    EXPECT_EQ(dialogues.ModauxMontres, QList<QString>{"Natočení os"});
    EXPECT_EQ(dialogues.Lignes(), QStringList({"Úhel musí být konečné číslo.", "Úhel musí být konečné číslo."}));
    EXPECT_DOUBLE_EQ(Mesure().Etat().AngleAxes, 30.0);

    // Along a segment going up to the right at 45 degrees on the picture.
    Modifier(Mesure(), [](EtatMesure& e) {
        e.EtatEtalon = TEtatEtalon::DeuxBouts;
        e.PointsEtalon = {PointD{0.25, 0.75}, PointD{0.25 + 0.3, 0.75 - 0.4}}; // 48 x 48 pixels of 160 x 120
    });
    Repondre({{"abc"}}, true);
    Enfant<QAction>(*fiche, "MenuMesuresAxes")->trigger();
    EXPECT_NEAR(Mesure().Etat().AngleAxes, 45.0, 1e-9);
}

} // namespace
