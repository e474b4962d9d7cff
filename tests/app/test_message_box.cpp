#include "kit/BoiteMessage.h"
#include "tests/support/DialoguesScriptes.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

Message question()
{
    Message m;
    m.icone = IconeMessage::Confirmation;
    m.boutons = {"Konec", "Ulozit", "Zrusit a dlouhý popisek tlačítka"};
    m.lignes = {"Okamzite ukoncit program.", "Ulozit praci do souboru.", "Zrusit ukonceni."};
    m.titre = "Kinotab";
    return m;
}

TEST(MessageBox, ButtonsShareOneWidthOfAtLeast75AndThereIsNoCloseBox)
{
    BoiteMessage boite(question(), nullptr);
    ASSERT_EQ(boite.Boutons().size(), 3);
    const int largeur = boite.Boutons()[0]->width();
    EXPECT_GE(largeur, BoiteMessage::LargeurMinBouton);
    for (QPushButton* b : boite.Boutons()) EXPECT_EQ(b->width(), largeur);
    EXPECT_GE(largeur, boite.Boutons()[2]->sizeHint().width());
    EXPECT_FALSE(boite.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(boite.windowTitle(), "Kinotab");
    bool lignesVues = false;
    for (QLabel* l : boite.findChildren<QLabel*>())
        if (l->text() == "Okamzite ukoncit program.\nUlozit praci do souboru.\nZrusit ukonceni.") lignesVues = true;
    EXPECT_TRUE(lignesVues);
}

TEST(MessageBox, StandsOverItsWindowOnceOnScreenElseOverTheScreen)
{
    QWidget fenetre;
    fenetre.setGeometry(40, 60, 300, 200);
    const QRect cadre(0, 0, 100, 50);
    const auto centreSur = [&](QPoint centre) { return cadre.translated(centre - cadre.center()).topLeft(); };
    const QPoint ecran = centreSur(QGuiApplication::primaryScreen()->availableGeometry().center());
    // Not yet placed on screen: where it will be is not known.
    EXPECT_EQ(CoinBoite(&fenetre, cadre), ecran);
    fenetre.show();
    // Shown but not yet mapped and placed by the window manager.
    ASSERT_FALSE(fenetre.windowHandle()->isExposed());
    EXPECT_EQ(CoinBoite(&fenetre, cadre), ecran);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenetre));
    const QPoint centre = centreSur(fenetre.frameGeometry().center());
    EXPECT_NE(centre, ecran);
    EXPECT_EQ(CoinBoite(&fenetre, cadre), centre);
    // A box of a child widget stands over the child's window.
    QWidget enfant(&fenetre);
    EXPECT_EQ(CoinBoite(&enfant, cadre), centre);
    EXPECT_EQ(CoinBoite(nullptr, cadre), ecran);
}

TEST(MessageBox, ReturnsTheIndexOfTheButtonClickedAndIgnoresEscape)
{
    for (int i = 0; i < 3; ++i) {
        BoiteMessage boite(question(), nullptr);
        QTimer::singleShot(0, &boite, [&boite, i] {
            QTest::keyClick(&boite, Qt::Key_Escape);
            EXPECT_TRUE(boite.isVisible());
            boite.Boutons()[i]->click();
        });
        EXPECT_EQ(boite.Executer(), i);
    }
}

TEST(MessageBox, TheSeamRecordsWhatWasShownAndAnswersAsScripted)
{
    DialoguesScriptes dialogues;
    dialogues.Reponses = {2};
    EXPECT_EQ(Afficher(question()), 2);
    EXPECT_EQ(Afficher(MessageSimple(IconeMessage::Avertissement, {"a.avi.", "b"})), 0);
    ASSERT_EQ(dialogues.Messages.size(), 2);
    EXPECT_EQ(dialogues.Messages[0].icone, IconeMessage::Confirmation);
    EXPECT_EQ(dialogues.Messages[1].boutons, QStringList({"&OK"}));
    EXPECT_EQ(dialogues.Messages[1].titre, "Kinotab");
    EXPECT_EQ(dialogues.Lignes().last(), "b");
}

TEST(FileFilters, WindowsPairsBecomeQtFilters)
{
    EXPECT_EQ(FiltresQt("Soubory AVI (*.avi)|*.avi|soubory KTB (*.ktb)|*.ktb"),
              QStringList({"Soubory AVI (*.avi)", "soubory KTB (*.ktb)"}));
    EXPECT_EQ(FiltresQt("Text oddělený tabulátory (*.txt)|.txt"), QStringList({"Text oddělený tabulátory (*.txt)"}));
    EXPECT_EQ(FiltresQt("Bitmapa|*.bmp"), QStringList({"Bitmapa (*.bmp)"}));
}

} // namespace
