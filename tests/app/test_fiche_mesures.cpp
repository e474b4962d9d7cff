#include "tests/app/FicheTest.h"
#include "tests/support/Enfant.h"

#include "app/UnitApplication.h"
#include "kit/BoiteMessage.h"
#include "view/UnitBoiteLongueur.h"
#include "view/UnitBoiteCouleur.h"

#include <QLineEdit>
#include <QKeyEvent>
#include <QMenu>
#include <QTest>

namespace {

// The measuring commands need the dialogs the program creates at start.
class FicheMesures : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir().mkpath(config.Dossier() + "/Kinotab");
        fenetres = std::make_unique<Fenetres>();
        fiche().show();
        ASSERT_TRUE(EcrireVideoTest(config.Dossier() + "/v.avi", 10, QSize(160, 120), 25));
        fiche().OuvrirVideo(config.Dossier() + "/v.avi");
        ASSERT_TRUE(Vue().Opened());
    }
    TFiche& fiche() { return fenetres->Fiche(); }
    TDCAVIPlay& Vue() { return fiche().Vue(); }
    TMesure& Mesure() { return Vue().Mesure(); }
    void Cliquer(QPoint p, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseClick(&Vue(), b, {}, p); }

    ConfigTemporaire config;
    DialoguesScriptes dialogues;
    std::unique_ptr<Fenetres> fenetres;
};

TEST_F(FicheMesures, SpaceCyclesTheColourRedGreenYellowCyanWhiteBlack)
{
    TGrilleCouleurs& grille = fenetres->BoiteCouleur().Grille();
    grille.ChoisirIndex(9);
    QList<int> indices;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(&fiche(), Qt::Key_Space);
        indices << grille.IndexPremierPlan();
    }
    EXPECT_EQ(indices, QList<int>({10, 11, 14, 15, 0, 9}));
    EXPECT_EQ(Mesure().Etat().Couleur, 255u); // back on red
    grille.ChoisirIndex(12);
    QTest::keyClick(&fiche(), Qt::Key_Space);
    EXPECT_EQ(grille.IndexPremierPlan(), 14);
    EXPECT_EQ(Mesure().Etat().Couleur, 0xFFFF00u); // cyan: green and blue, red in the low byte
}

TEST_F(FicheMesures, MeasuresMenuRefusals)
{
    Cliquer(QPoint(50, 50));
    Enfant<QAction>(fiche(), "MenuMesuresDeuxMarquesParImage")->trigger();
    ASSERT_EQ(dialogues.Messages.size(), 1);
    EXPECT_EQ(dialogues.Messages[0].icone, IconeMessage::Information);
    EXPECT_EQ(dialogues.Lignes().last(),
              "Není možné změnit počet značek na obrázek, jestliže již jsou nebo byly umisťovány.");
    EXPECT_EQ(Mesure().Etat().MarquesParImage, 1);
    EXPECT_TRUE(Enfant<QAction>(fiche(), "MenuMesuresUneMarqueParImage")->isChecked());

    Enfant<QToolButton>(fiche(), "SpeedButtonTransparent")->click();
    Enfant<QAction>(fiche(), "MenuMesuresTroisMarquesParImage")->trigger();
    EXPECT_EQ(dialogues.Lignes().last(), "Kvůli přehlednosti lze umístit na průsvitku pouze jednu značku na obrázek.");
    EXPECT_TRUE(Enfant<QAction>(fiche(), "MenuMesuresUneMarqueParImage")->isChecked());
}

TEST_F(FicheMesures, TwoMarksPerFrameAlternateTheCursorPictures)
{
    Enfant<QAction>(fiche(), "MenuMesuresDeuxMarquesParImage")->trigger();
    EXPECT_TRUE(dialogues.Messages.isEmpty());
    EXPECT_EQ(Mesure().Etat().MarquesParImage, 2);
    const auto image = [this] {
        return Enfant<QAction>(fiche(), "MenuAffichageCurseurNB")->icon().pixmap(32).toImage();
    };
    const QImage point1 = image();
    Cliquer(QPoint(20, 20));
    const QImage point2 = image();
    EXPECT_NE(point1, point2);
    Cliquer(QPoint(30, 30));
    EXPECT_EQ(image(), point1);
    EXPECT_EQ(Vue().NumeroImage(), 1);
    Cliquer(QPoint(30, 30), Qt::RightButton);
    EXPECT_EQ(image(), point2);
    EXPECT_EQ(Vue().NumeroImage(), 0);
}

TEST_F(FicheMesures, EraseCommandsFollowTheMenuRule)
{
    Enfant<QMenu>(fiche(), "MenuAffichage")->aboutToShow();
    EXPECT_FALSE(Enfant<QAction>(fiche(), "MenuAffichageEffacerTout")->isEnabled());
    Cliquer(QPoint(20, 20));
    Enfant<QToolButton>(fiche(), "SpeedButtonOrigine")->click();
    Cliquer(QPoint(5, 100));
    Enfant<QMenu>(fiche(), "MenuAffichage")->aboutToShow();
    EXPECT_TRUE(Enfant<QAction>(fiche(), "MenuAffichageEffacerLesMarques")->isEnabled());
    EXPECT_FALSE(Enfant<QAction>(fiche(), "MenuAffichageEffacerLeTransparent")->isEnabled());
    EXPECT_TRUE(Enfant<QAction>(fiche(), "MenuAffichageEffacerTout")->isEnabled());
    Enfant<QAction>(fiche(), "MenuAffichageEffacerTout")->trigger();
    EXPECT_EQ(Mesure().NombreDePoints(), 0);
    EXPECT_EQ(Mesure().Etat().OriginePlacee, TOrigine(0));
    EXPECT_TRUE(Mesure().Etat().Marques.empty());
    Enfant<QMenu>(fiche(), "MenuAffichage")->aboutToShow();
    EXPECT_FALSE(Enfant<QAction>(fiche(), "MenuAffichageEffacerTout")->isEnabled());
}

TEST_F(FicheMesures, TheSecondScaleEndAsksForTheLengthBeforeThePressReturns)
{
    Enfant<QToolButton>(fiche(), "SpeedButtonEtalon")->click();
    Cliquer(QPoint(10, 10));
    // The length dialog, answered with Enter as a user would.
    dialogues.Modaux.push_back([](QDialog& boite) {
        boite.show();
        QLineEdit* edit = boite.findChild<QLineEdit*>();
        EXPECT_NE(edit, nullptr);
        if (!edit) return int(QDialog::Rejected);
        edit->setText("1.5");
        QTest::keyClick(edit, Qt::Key_Return);
        return boite.result();
    });
    Cliquer(QPoint(100, 10));
    EXPECT_EQ(dialogues.ModauxMontres, QList<QString>{"Zadat měřítko"});
    EXPECT_EQ(Mesure().Etat().EtatEtalon, TEtatEtalon(2));
    EXPECT_DOUBLE_EQ(Mesure().Etat().LongueurEtalon, 1.5);
}

TEST_F(FicheMesures, OverlayKeysResizeOnlyWithTheOverlayTool)
{
    Enfant<QToolButton>(fiche(), "SpeedButtonTransparent")->click();
    const PointPixels avant = Mesure().Pixels().DemiTailleTsp;
    QTest::keyClick(&fiche(), Qt::Key_Minus, {}, 0);
    EXPECT_LT(Mesure().Pixels().DemiTailleTsp.X, avant.X);
    Enfant<QToolButton>(fiche(), "SpeedButtonMarque")->click();
    const PointPixels apres = Mesure().Pixels().DemiTailleTsp;
    QTest::keyClick(&fiche(), Qt::Key_Plus);
    EXPECT_EQ(Mesure().Pixels().DemiTailleTsp, apres);
}

// A key as the X11 keyboard gives it: its code in the key's position and the
// character it types on the layout in use.
bool Frapper(TFiche& fiche, quint32 code, const QString& texte, Qt::Key cle = Qt::Key_unknown)
{
    QKeyEvent e(QEvent::KeyPress, cle, Qt::NoModifier, code, 0, 0, texte);
    return fiche.FrappeClavier(&e);
}

TEST_F(FicheMesures, TheSixKeyShrinksTheOverlayOnEveryLayout)
{
    Enfant<QToolButton>(fiche(), "SpeedButtonTransparent")->click();
    for (const QString& texte : {QString("6"), QString("ž"), QString("-")}) { // English, Czech, French
        const int avant = Mesure().Pixels().DemiTailleTsp.X;
        EXPECT_TRUE(Frapper(fiche(), 15, texte)) << texte.toStdString();
        EXPECT_LT(Mesure().Pixels().DemiTailleTsp.X, avant) << texte.toStdString();
    }
    // The same character elsewhere on the keyboard is no size key.
    const int avant = Mesure().Pixels().DemiTailleTsp.X;
    EXPECT_FALSE(Frapper(fiche(), 16, "7"));
    EXPECT_FALSE(Frapper(fiche(), 90, "6", Qt::Key_6));
    EXPECT_EQ(Mesure().Pixels().DemiTailleTsp.X, avant);
    // The keypad's minus shrinks by its character.
    EXPECT_TRUE(Frapper(fiche(), 82, "-", Qt::Key_Minus));
    EXPECT_LT(Mesure().Pixels().DemiTailleTsp.X, avant);
}

TEST_F(FicheMesures, DialogsHaveACaptionBarWithoutSystemButtons)
{
    {
        const Qt::WindowFlags f = fenetres->BoiteLongueur().windowFlags();
        EXPECT_TRUE(f & Qt::WindowTitleHint);
        EXPECT_TRUE(f & Qt::CustomizeWindowHint);
        EXPECT_FALSE(f & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint | Qt::WindowSystemMenuHint));
    }
    // Every message box, too.
    BoiteMessage boite(MessageSimple(IconeMessage::Information, {"x"}), &fiche());
    const Qt::WindowFlags f = boite.windowFlags();
    EXPECT_TRUE(f & Qt::WindowTitleHint);
    EXPECT_FALSE(f & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint | Qt::WindowSystemMenuHint));
}

TEST_F(FicheMesures, AMissingFileTypedInTheOpenDialogDoesNothing)
{
    const QString avant = Vue().FileName();
    dialogues.Messages.clear();
    dialogues.Fichiers.push_back(FichierChoisi{config.Dossier() + "/nenalezeno.avi", 1});
    Enfant<QAction>(fiche(), "MenuFichierOuvrir")->trigger();
    EXPECT_EQ(dialogues.DemandesOuvrir.size(), 1);
    EXPECT_TRUE(dialogues.Messages.isEmpty());
    EXPECT_EQ(Vue().FileName(), avant);
}

} // namespace
