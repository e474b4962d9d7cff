// The keyboard: underlined letters of every menu, the shortcuts and their
// place in the help page; Qt's own texts in Czech; window titles as given.

#include "app/UnitApplication.h"
#include "tests/support/Enfant.h"
#include "app/UnitFiche.h"
#include "kit/BoiteMessage.h"
#include "kit/Mnemoniques.h"
#include "kit/Titre.h"
#include "resources/UnitChainesRessources.h"
#include "results/UnitResultats.h"
#include "tests/support/DialoguesScriptes.h"
#include "tests/support/Temporaire.h"

#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(Mnemoniques, InitialsFirstThenAnyLetterThenNone)
{
    EXPECT_EQ(AvecMnemoniques({"Soubor", "Smazat značky", "Smazat vše", "Sam", "Sss", "123"}),
              QStringList({"&Soubor", "Smazat &značky", "Smazat &vše", "S&am", "Sss", "123"}));
    // Letters are compared without regard to case.
    EXPECT_EQ(AvecMnemoniques({"Výsledky", "výpočty"}), QStringList({"&Výsledky", "vý&počty"}));
}

TEST(Mnemoniques, ExistingMarkersAreKeptAndReserved)
{
    // "&Rechercher" keeps its R, which no other caption may take; digits of the
    // recent files stay theirs.
    EXPECT_EQ(AvecMnemoniques({"Rozbalit", "&Rechercher", "&1 : a.avi", "Ruka"}),
              QStringList({"R&ozbalit", "&Rechercher", "&1 : a.avi", "R&uka"}));
    // Only ASCII letters are chosen: "Č" and "ř" are typed differently on each layout.
    EXPECT_EQ(AvecMnemoniques({"Časový řez"}), QStringList({"Č&asový řez"}));
    // "&&" is a plain "&", not a marker.
    EXPECT_EQ(AvecMnemoniques({"A && B"}), QStringList({"&A && B"}));
}

TEST(Mnemoniques, LetterAndCaptionShown)
{
    EXPECT_EQ(Mnemonique("Smazat &značky"), QChar(u'z'));
    EXPECT_EQ(Mnemonique("&Vitesse"), QChar(u'v'));
    EXPECT_TRUE(Mnemonique("A && B").isNull());
    EXPECT_TRUE(Mnemonique("Konec&").isNull());
    EXPECT_EQ(SansMnemonique("Smazat &značky"), "Smazat značky");
    EXPECT_EQ(SansMnemonique("A && B"), "A & B");
    EXPECT_EQ(SansMnemonique("&&&Soubor"), "&Soubor");
}

// Every window of the program, with the help page written out as the help
// command does.
class Clavier : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir().mkpath(config.Dossier() + "/Kinotab");
        fenetres = std::make_unique<Fenetres>();
    }
    TFiche& fiche() { return fenetres->Fiche(); }
    TResultats& resultats() { return fenetres->Resultats(); }
    QList<QMenuBar*> barres() { return {fiche().menuBar(), resultats().MainMenu1}; }

    ConfigTemporaire config;
    DialoguesScriptes dialogues;
    std::unique_ptr<Fenetres> fenetres;
};

// The letters underlined among `actions`, with a failure for a caption
// without one or a letter met twice.
void VerifierUniques(const QList<QAction*>& actions, const std::string& ou)
{
    QSet<QChar> vues;
    for (QAction* a : actions) {
        if (a->isSeparator()) continue;
        const QChar m = Mnemonique(a->text());
        EXPECT_FALSE(m.isNull()) << ou << ": " << a->text().toStdString();
        EXPECT_FALSE(vues.contains(m)) << ou << ": " << a->text().toStdString();
        vues.insert(m);
    }
}

TEST_F(Clavier, EveryMenuAndItemOfEveryWindowHasItsOwnLetter)
{
    // Recent files carry their digits beside the letters.
    for (const QString nom : {"/a.avi", "/b.ktb"}) {
        QFile f(config.Dossier() + nom);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        fiche().AjouterFichierRecent(f.fileName());
    }
    ASSERT_EQ(fiche().EntreesMRU().size(), 2);
    int menus = 0;
    for (QMenuBar* barre : barres()) {
        VerifierUniques(barre->actions(), barre->window()->metaObject()->className());
        for (QAction* a : barre->actions()) {
            ASSERT_NE(a->menu(), nullptr);
            VerifierUniques(a->menu()->actions(), a->text().toStdString());
            ++menus;
        }
    }
    EXPECT_EQ(menus, 11);
}

TEST_F(Clavier, CaptionsShownAndAccessibleNamesStayTheTexts)
{
    // The main window's items are named after their texts.
    for (QAction* menu : fiche().menuBar()->actions())
        for (QAction* a : menu->menu()->actions()) {
            if (a->isSeparator() || fiche().EntreesMRU().contains(a)) continue;
            const std::string nom = a->objectName().toStdString();
            EXPECT_EQ(SansMnemonique(a->text()), SansMnemonique(Chaines::Texte(nom))) << nom;
        }
    EXPECT_EQ(Enfant<QAction>(fiche(), "MenuFichierOuvrir")->text(), "&Otevřít");
    EXPECT_EQ(Enfant<QAction>(fiche(), "MenuFichierRechercher")->text(), "&Rechercher");
    QAccessibleInterface* barre = QAccessible::queryAccessibleInterface(fiche().menuBar());
    ASSERT_NE(barre, nullptr);
    QStringList noms;
    for (int i = 0; i < barre->childCount(); ++i) noms << barre->child(i)->text(QAccessible::Name);
    EXPECT_EQ(noms, QStringList({"Soubor", "Zobrazení", "Měření", "Výsledky", "Nápověda"}));
}

TEST_F(Clavier, ShortcutsOfBothWindows)
{
    EXPECT_EQ(Enfant<QAction>(fiche(), "MenuFichierOuvrir")->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(Enfant<QAction>(fiche(), "MenuFichierEnregistrerW")->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(Enfant<QAction>(fiche(), "MenuFichierQuitter")->shortcut(), QKeySequence("Ctrl+Q"));
    EXPECT_EQ(Enfant<QAction>(fiche(), "MenuAideAideKinotab")->shortcut(), QKeySequence("F1"));
    EXPECT_EQ(Enfant<QAction>(fiche(), "MenuAffichageLoupe")->shortcut(), QKeySequence("L"));
    EXPECT_EQ(resultats().MenuFichierEnregistrer->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(resultats().MenuEditionCopierDansLePressePapier->shortcut(), QKeySequence("Ctrl+C"));
    EXPECT_EQ(resultats().MenuFichierImprimer->shortcut(), QKeySequence("Ctrl+P"));
    // No key serves two commands of one window.
    for (QMenuBar* barre : barres()) {
        QSet<QString> vues;
        for (QAction* menu : barre->actions())
            for (QAction* a : menu->menu()->actions()) {
                if (a->shortcut().isEmpty()) continue;
                const QString touche = a->shortcut().toString(QKeySequence::PortableText);
                EXPECT_FALSE(vues.contains(touche)) << touche.toStdString();
                vues.insert(touche);
            }
    }
}

TEST_F(Clavier, CtrlQClosesTheMainWindow)
{
    fiche().show();
    QApplication::setActiveWindow(&fiche());
    QTest::keyClick(&fiche(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(fiche().isVisible());
}

TEST_F(Clavier, EveryShortcutIsListedInTheHelpPage)
{
    QFile f(QStringLiteral(":/aide/Kinotab.html"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(f.readAll());
    const auto debut = html.indexOf("id=\"KlavesoveZkratky\"");
    ASSERT_GE(debut, 0);
    const QString section = html.mid(debut, html.indexOf("</section>", debut) - debut);
    int touches = 0;
    for (QMenuBar* barre : barres())
        for (QAction* menu : barre->actions())
            for (QAction* a : menu->menu()->actions())
                for (const QKeySequence& k : a->shortcuts()) {
                    const QString kbd = "<kbd>" + k.toString(QKeySequence::PortableText) + "</kbd>";
                    EXPECT_TRUE(section.contains(kbd)) << kbd.toStdString();
                    ++touches;
                }
    EXPECT_GE(touches, 8);
}

TEST_F(Clavier, TitlesAreExactlyTheGivenOnesAndFitTheirWindows)
{
    InitialiserApplication();
    // No display name: Qt would put " — Kinotab" after every title. Unset, it
    // follows the application's name.
    const QString nom = QApplication::applicationName();
    QApplication::setApplicationName("x");
    EXPECT_EQ(QApplication::applicationDisplayName(), "x");
    QApplication::setApplicationName(nom);

    QStringList titres;
    for (QWidget* w : fenetres->Toutes()) {
        titres << w->windowTitle();
        EXPECT_GE(w->width(), LargeurPourTitre(w->windowTitle())) << w->windowTitle().toStdString();
    }
    EXPECT_EQ(
        titres,
        QStringList({"Kinotab", "Barva značek a os", "Moznosti", "Informace o videosekvenci", "Tisk",
                     "Doba mezi dvema snimky", "A Propos de Kinotab", "Zadat měřítko", "Vyhledat", "Tabulka hodnot"}));
    // A one-line box with a single button is widened to its whole title.
    BoiteMessage boite(MessageSimple(IconeMessage::Information, {"Ne."}), nullptr);
    boite.adjustSize();
    EXPECT_EQ(boite.windowTitle(), "Kinotab");
    EXPECT_GE(boite.width(), LargeurPourTitre("Kinotab"));
    EXPECT_GT(LargeurPourTitre("Kinotab Kinotab"), LargeurPourTitre("Kinotab"));
}

TEST(TextesQt, StandardButtonsAndTheFileDialogSpeakCzech)
{
    ASSERT_EQ(Chaines::LangueDuSysteme(), Chaines::Langue::Tcheque);
    ASSERT_TRUE(ChargerTraductionsQt());
    QDialogButtonBox boutons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(SansMnemonique(boutons.button(QDialogButtonBox::Cancel)->text()), "Zrušit");
    QFileDialog dialogue;
    dialogue.setOption(QFileDialog::DontUseNativeDialog);
    auto* regarder = dialogue.findChild<QLabel*>("lookInLabel");
    ASSERT_NE(regarder, nullptr);
    EXPECT_EQ(regarder->text(), "Hledat v:");
}

} // namespace
