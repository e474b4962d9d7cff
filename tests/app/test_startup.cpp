#include "core/IniFile.h"
#include "app/UnitApplication.h"
#include "app/UnitFiche.h"
#include "app/UnitFileUtil.h"
#include "tests/support/DialoguesScriptes.h"
#include "tests/support/Enfant.h"
#include "tests/support/Temporaire.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>
#include <optional>
#include <gtest/gtest.h>

namespace {

TEST(Startup, WindowsAreCreatedOnceInOrderAndOnlyTheMainWindowIsShown)
{
    ConfigTemporaire config;
    DialoguesScriptes dialogues;
    Fenetres fenetres;
    QStringList classes;
    for (QWidget* w : fenetres.Toutes()) classes << w->metaObject()->className();
    EXPECT_EQ(classes,
              QStringList({"TFiche", "TBoiteCouleur", "TOptions", "TBoiteInfo", "TImprimer", "TBoiteTemps",
                           "TBoiteAPropos", "TBoiteLongueur", "TRecherche", "TResultats"}));
    for (QWidget* w : fenetres.Toutes()) {
        EXPECT_FALSE(w->isVisible()) << w->metaObject()->className();
        EXPECT_FALSE(w->windowTitle().startsWith(u'<')) << w->metaObject()->className();
    }
    EXPECT_EQ(fenetres.Fiche().windowTitle(), "Kinotab");
    // A working settings folder and the embedded font: no warning at start.
    EXPECT_TRUE(dialogues.Messages.isEmpty()) << dialogues.Lignes().join('\n').toStdString();
    EXPECT_EQ(FichierIni(), config.FichierIni());
    EXPECT_EQ(QFontInfo(fenetres.Fiche().font()).pixelSize(), 13);
}

TEST(Startup, UnusableSettingsFolderWarnsAndFallsBack)
{
    ConfigTemporaire config;
    QFile obstacle(config.Dossier() + "/Kinotab");
    ASSERT_TRUE(obstacle.open(QIODevice::WriteOnly));
    obstacle.close();
    // The fallback file lands in the current directory: make that a temporary one.
    const QString ancien = QDir::currentPath();
    QTemporaryDir courant;
    QDir::setCurrent(courant.path());
    DialoguesScriptes dialogues;
    std::optional<Fenetres> fenetres(std::in_place);
    ASSERT_EQ(dialogues.Messages.size(), 1);
    EXPECT_EQ(dialogues.Messages[0].icone, IconeMessage::Avertissement);
    EXPECT_EQ(dialogues.Lignes(),
              QStringList({"Vytvoření záchranného souboru selhalo. Některé funkce programu budou nefunkční."}));
    EXPECT_EQ(FichierIni(), QDir::currentPath() + "/Kinotab.ini");
    fenetres.reset();
    QDir::setCurrent(ancien);
}

TEST(Startup, FirstShowReadsOptionsAndRecentFilesAndShutdownWritesThem)
{
    ConfigTemporaire config;
    DialoguesScriptes dialogues;
    QDir().mkpath(config.Dossier() + "/Kinotab");
    const QString video = config.Dossier() + "/chute.avi";
    QFile(video).open(QIODevice::WriteOnly);
    {
        IniFile ini(config.FichierIni());
        ini.WriteString("MainForm", "Directory", "/home/ucitel/videa");
        ini.WriteString("Options", "NumFiles", "3");
        ini.WriteString("Options", "Confirmation", "*");
        ini.WriteString("Options", "Speedy", "*");
        ini.WriteString("RecentFiles", "File0", video);
        ini.WriteString("RecentFiles", "File1", config.Dossier() + "/missing.avi");
        ini.WriteString("RecentFiles", "User_0", "1");
        ini.WriteString("Tracking", "AtRest", "*");
    }
    {
        Fenetres fenetres;
        TFiche& fiche = fenetres.Fiche();
        fiche.show();
        EXPECT_EQ(fiche.RepertoireCourant, "/home/ucitel/videa");
        EXPECT_EQ(fiche.MRU.Capacite(), 3);
        EXPECT_EQ(fiche.MRU.Fichiers(), QStringList({video}));
        EXPECT_TRUE(fiche.ConfirmerFermeture);
        EXPECT_FALSE(fiche.AfficherVitesse);
        EXPECT_TRUE(fiche.AfficherAcceleration);
        EXPECT_TRUE(fiche.TailleLibre);
        EXPECT_EQ(fiche.Echelle, -1);
        EXPECT_TRUE(Enfant<QAction>(fiche, "MenuMesuresSuivreAuRepos")->isChecked());
        Enfant<QAction>(fiche, "MenuMesuresSuivreAuRepos")->setChecked(false);
        fiche.RepertoireCourant = "/elsewhere";
        // "Confirmation" is on: the closing question comes, answered "Konec".
        fiche.MenuFichierQuitterClick();
        ASSERT_EQ(dialogues.Messages.size(), 1);
        EXPECT_EQ(dialogues.Messages[0].boutons.first(), "Konec");
        EXPECT_FALSE(fiche.isVisible());
        // The close request wrote the placement into both sections.
        const IniFile ini(config.FichierIni());
        for (const char* s : {"MainForm", "Options"}) {
            EXPECT_EQ(ini.ReadString(s, "Visible"), "0") << s;
            EXPECT_FALSE(ini.ReadString(s, "NormPos").isEmpty()) << s;
            EXPECT_TRUE(ini.ValueExists(s, "PixelsPerInch")) << s;
        }
        EXPECT_TRUE(ini.ValueExists("Options", "Speed"));
    }
    const IniFile ini(config.FichierIni());
    EXPECT_EQ(ini.ReadString("MainForm", "Directory"), "/elsewhere");
    EXPECT_EQ(ini.ReadString("Tracking", "AtRest"), "");
    EXPECT_EQ(ini.ReadSection("RecentFiles"), QStringList({"File0"}));
    EXPECT_EQ(ini.ReadString("RecentFiles", "File0"), video);
    EXPECT_EQ(dialogues.Messages.size(), 1);
}

TEST(Startup, StoredPlacementIsRestoredWithMainFormWinning)
{
    ConfigTemporaire config;
    DialoguesScriptes dialogues;
    QDir().mkpath(config.Dossier() + "/Kinotab");
    QRect avant;
    {
        Fenetres fenetres;
        TFiche& fiche = fenetres.Fiche();
        fiche.show();
        fiche.setGeometry(130, 70, 500, 420);
        avant = fiche.frameGeometry();
        fiche.close();
    }
    IniFile ini(config.FichierIni());
    const QString optionsPos = ini.ReadString("Options", "NormPos");
    EXPECT_EQ(optionsPos, ini.ReadString("MainForm", "NormPos"));
    ini.WriteString("Options", "NormPos", "5,5,600,500");
    const QString suffixe = ini.ReadSection("Options").filter("NormPos(").value(0);
    ini.WriteString("Options", suffixe, "5,5,600,500");
    Fenetres fenetres;
    TFiche& fiche = fenetres.Fiche();
    fiche.show();
    EXPECT_EQ(fiche.frameGeometry(), avant);
}

} // namespace
