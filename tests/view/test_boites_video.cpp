// The segment length, colour and video properties dialogs.

#include "tests/support/DialoguesScriptes.h"
#include "view/UnitBoiteCouleur.h"
#include "view/UnitBoiteInfo.h"
#include "view/UnitBoiteLongueur.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The tests read "3.48", whatever the machine's locale.
struct LocaleC : ::testing::Test {
    QLocale ancienne;
    LocaleC() { QLocale::setDefault(QLocale::c()); }
    ~LocaleC() override { QLocale::setDefault(ancienne); }
};

void Taper(QLineEdit& e, const QString& texte)
{
    e.selectAll();
    QTest::keyClicks(&e, texte);
}

} // namespace

using BoiteLongueur = LocaleC;
using BoiteInfo = LocaleC;

TEST_F(BoiteLongueur, BoundsAreInclusive)
{
    EXPECT_TRUE(LongueurAcceptable(0.001));
    EXPECT_TRUE(LongueurAcceptable(15000000000000.0));
    EXPECT_FALSE(LongueurAcceptable(0.0009));
    EXPECT_FALSE(LongueurAcceptable(15000000000000.01));
    EXPECT_FALSE(LongueurAcceptable(0));
    EXPECT_EQ(ValeurLongueur("15000000000000"), 1.5e13);
    EXPECT_EQ(ValeurLongueur("0,001"), 0.001);
    EXPECT_EQ(ValeurLongueur(""), 0.0);
    EXPECT_EQ(ValeurLongueur("."), 0.0);
}

TEST_F(BoiteLongueur, TextShowsThreeDecimalsWithinFourteenCharacters)
{
    EXPECT_EQ(TexteLongueur(1.0), "1.000");
    EXPECT_EQ(TexteLongueur(0.0), "0.000");
    EXPECT_EQ(TexteLongueur(1234567890.5), "1234567890.500");
    EXPECT_EQ(TexteLongueur(123456789012.34), "123456789012.3");
    EXPECT_EQ(TexteLongueur(1.5e13), "15000000000000");
}

TEST_F(BoiteLongueur, RefusalLinesGiveTheHeldLengthWithThreeDigits)
{
    EXPECT_EQ(
        LignesRefusLongueur(1.23456),
        QStringList({"Délka úseku je 1.23 m.", "Zadejte hodnotu v tomto intervalu :", "1 mm < délka úseku < 15 Tm"}));
    EXPECT_EQ(LignesRefusLongueur(0)[0], "Délka úseku je 0 m.");
}

TEST(BoiteLongueurDisposition, LabelAndEditSitAboveTheStatusLineWithMarginEight)
{
    const DispositionLongueur d = DisposerLongueur(QSize(130, 15), QSize(121, 21), 19);
    EXPECT_EQ(d.client, QSize(275, 56));
    EXPECT_EQ(d.libelle, QRect(8, 11, 130, 15));
    EXPECT_EQ(d.edition, QRect(146, 8, 121, 21));
    EXPECT_EQ(d.statut, QRect(0, 37, 275, 19));

    TBoiteLongueur boite;
    auto* edition = boite.findChild<QLineEdit*>();
    ASSERT_NE(edition, nullptr);
    EXPECT_EQ(edition->size(), QSize(121, 21));
    EXPECT_EQ(edition->maxLength(), 14);
    EXPECT_EQ(boite.windowTitle(), "Zadat měřítko");
    EXPECT_EQ(boite.Longueur, 1.0);
}

TEST_F(BoiteLongueur, EnterAcceptsOnlyLengthsInRange)
{
    DialoguesScriptes dialogues;
    TBoiteLongueur boite;
    auto* edition = boite.findChild<QLineEdit*>();
    boite.Longueur = 0; // a fresh view's LongueurEtalon
    boite.show();
    EXPECT_EQ(edition->text(), "0.000");
    EXPECT_EQ(edition->selectedText(), "0.000");
    QTest::keyClick(edition, Qt::Key_Return);
    EXPECT_TRUE(boite.isVisible());

    Taper(*edition, "0.0009");
    QTest::keyClick(edition, Qt::Key_Return);
    EXPECT_TRUE(boite.isVisible());
    EXPECT_EQ(boite.Longueur, 0.0);

    Taper(*edition, "0.001");
    QTest::keyClick(edition, Qt::Key_Enter);
    EXPECT_FALSE(boite.isVisible());
    EXPECT_EQ(boite.Longueur, 0.001);

    boite.show();
    Taper(*edition, "15000000000000");
    QTest::keyClick(edition, Qt::Key_Return);
    EXPECT_FALSE(boite.isVisible());
    EXPECT_EQ(boite.Longueur, 1.5e13);
    EXPECT_TRUE(dialogues.Messages.isEmpty());
}

TEST_F(BoiteLongueur, ClosingWithALengthOutOfRangeIsRefusedWithTheMessage)
{
    DialoguesScriptes dialogues;
    TBoiteLongueur boite;
    auto* edition = boite.findChild<QLineEdit*>();
    boite.Longueur = 2.5;
    boite.show();
    Taper(*edition, "0");
    QTest::keyClick(edition, Qt::Key_Escape);
    EXPECT_TRUE(boite.isVisible());
    boite.close();
    EXPECT_TRUE(boite.isVisible());
    ASSERT_EQ(dialogues.Messages.size(), 2);
    const Message& m = dialogues.Messages[0];
    EXPECT_EQ(m.icone, IconeMessage::Information);
    EXPECT_EQ(m.boutons, QStringList({"&OK"}));
    EXPECT_EQ(m.titre, "Kinotab");
    EXPECT_EQ(m.lignes, LignesRefusLongueur(2.5));

    // In range but without Enter: closes, the length is not taken.
    Taper(*edition, "7");
    QTest::keyClick(edition, Qt::Key_Escape);
    EXPECT_FALSE(boite.isVisible());
    EXPECT_EQ(boite.Longueur, 2.5);
}

TEST(BoiteCouleur, TheGridHoldsTheSixteenPaletteColours)
{
    EXPECT_EQ(CouleurGrille(0), 0u);
    EXPECT_EQ(CouleurGrille(7), 0xC0C0C0u);
    EXPECT_EQ(CouleurGrille(9), 255u);       // red in the low byte
    EXPECT_EQ(CouleurGrille(12), 0xFF0000u); // blue
    EXPECT_EQ(CouleurGrille(15), 0xFFFFFFu);
    EXPECT_EQ(IndexCouleur(255), 9);
    EXPECT_EQ(IndexCouleur(0x808080), 8);
    EXPECT_EQ(IndexCouleur(0x123456), -1);
}

TEST(BoiteCouleur, OpensOnTheCurrentColourAndFollowsClicksAndArrows)
{
    TBoiteCouleur boite;
    EXPECT_EQ(boite.windowTitle(), "Barva značek a os");
    EXPECT_EQ(boite.size(), QSize(276, 167));
    boite.CouleurCourante = 255;
    boite.show();
    TGrilleCouleurs& grille = boite.Grille();
    EXPECT_EQ(grille.IndexPremierPlan(), 9);
    EXPECT_EQ(grille.geometry(), QRect(16, 16, 96, 96));

    QTest::mouseClick(&grille, Qt::LeftButton, {}, QPoint(60, 60)); // row 2, column 2
    EXPECT_EQ(grille.IndexPremierPlan(), 10);
    EXPECT_EQ(boite.CouleurChoisie(), 0x00FF00u);
    const std::pair<Qt::Key, int> pas[] = {{Qt::Key_Right, 11}, {Qt::Key_Right, 11}, {Qt::Key_Down, 15},
                                           {Qt::Key_Down, 15},  {Qt::Key_Left, 14},  {Qt::Key_Up, 10}};
    for (const auto& [touche, attendu] : pas) {
        QTest::keyClick(&grille, touche);
        EXPECT_EQ(grille.IndexPremierPlan(), attendu);
    }
    boite.accept();

    // Shown again, the grid follows the colour handed in, not the last click.
    boite.CouleurCourante = 0xFF0000;
    boite.show();
    EXPECT_EQ(grille.IndexPremierPlan(), 12);
}

TEST(BoiteCouleur, AColourOutsideTheGridIsKeptUntilACellIsChosen)
{
    TBoiteCouleur boite;
    boite.CouleurCourante = 0x123456;
    boite.show();
    EXPECT_EQ(boite.Grille().IndexPremierPlan(), -1);
    boite.reject();
    EXPECT_EQ(boite.CouleurChoisie(), 0x123456u);
    boite.show();
    QTest::keyClick(&boite.Grille(), Qt::Key_Down);
    EXPECT_EQ(boite.CouleurChoisie(), 0u);
}

TEST_F(BoiteInfo, PropertiesOfA25FpsVideo)
{
    const QStringList l = LignesInfo(25, 240, 320, 87, "/v/chute.avi");
    ASSERT_EQ(l.size(), 9);
    EXPECT_EQ(l[0], "Informace o videosekvenci: ");
    EXPECT_EQ(l[1], "");
    EXPECT_EQ(l[2], "/v/chute.avi");
    EXPECT_EQ(l[3], QString(59, u'-'));
    EXPECT_EQ(l[4], "- Pocet snimku za sekundu: 25");
    EXPECT_EQ(l[5], "- Vyska snimku v pixelech: 240");
    EXPECT_EQ(l[6], "- Sirka snimku v pixelech: 320");
    EXPECT_EQ(l[7], "- Celkovy pocet snimku: 87");
    EXPECT_EQ(l[8], "- Delka sekvence v sekundach (s): 3.48");
}

TEST_F(BoiteInfo, DurationComesFromTheRoundedFrameRate)
{
    EXPECT_EQ(ImagesParSecondeArrondies(1 / 29.97), 30);
    EXPECT_EQ(LignesInfo(30, 480, 640, 300, "x")[8], "- Delka sekvence v sekundach (s): 10");
    EXPECT_EQ(ImagesParSecondeArrondies(2.0), 0); // half a frame per second, to even
    EXPECT_EQ(ImagesParSecondeArrondies(0.4), 2); // 2.5 to even
}

TEST_F(BoiteInfo, TheBoxShowsTheLinesAndKeepsThemForAZeroFrameRate)
{
    TBoiteInfo boite;
    EXPECT_EQ(boite.windowTitle(), "Informace o videosekvenci");
    boite.ImagesParSeconde = 25;
    boite.HauteurImage = 240;
    boite.LargeurImage = 320;
    boite.NombreImages = 87;
    boite.CheminVideo = "/v/chute.avi";
    boite.show();
    EXPECT_EQ(boite.Texte(), LignesInfo(25, 240, 320, 87, "/v/chute.avi").join(u'\n'));
    boite.hide();
    boite.ImagesParSeconde = 0;
    boite.NombreImages = 5;
    boite.show();
    EXPECT_TRUE(boite.Texte().endsWith("3.48"));
}
