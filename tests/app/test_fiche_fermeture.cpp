// Closing the main window ends the program: the other windows close with it,
// a search under way stops, and the settings are written.

#include "tests/app/FicheTest.h"
#include "tests/support/Enfant.h"

#include "core/IniFile.h"
#include "search/UnitRecherche.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QTreeWidget>
#include <atomic>
#include <semaphore>

namespace {

using FicheFermeture = FicheTest;

TEST_F(FicheFermeture, KonecDuringASearchClosesTheSearchStopsItAndWritesTheSettings)
{
    // Three folders with a video each: the walk is held in the first one.
    for (const char* f : {"hledani/a.avi", "hledani/p/b.avi", "hledani/q/c.avi"}) {
        QDir().mkpath(QFileInfo(config.Dossier() + "/" + f).absolutePath());
        QFile fichier(config.Dossier() + "/" + f);
        ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    }
    const QString video = Video();
    fiche->OuvrirVideo(video);
    fiche->AjouterFichierRecent(video);

    TRecherche& recherche = fenetres->Recherche();
    std::binary_semaphore dedans{0}, reprendre{0};
    std::atomic<int> dossiers{0};
    recherche.Moteur().ChangementDossier = [&](const std::string&) {
        if (dossiers++ == 0) {
            dedans.release();
            reprendre.acquire();
        }
        return true;
    };
    fiche->MenuFichierRechercherClick();
    ASSERT_TRUE(recherche.isVisible());
    recherche.ChoisirDossier(config.Dossier() + "/hledani");
    QSignalSpy fin(&recherche, &TRecherche::RechercheTerminee);
    recherche.ButtonRechercher->click();
    dedans.acquire(); // the walk is under way

    // "Konec" from inside the program's event loop: the loop ends, as the
    // process does, once no window is left. The guard only ends a loop that
    // would otherwise never end.
    QTimer::singleShot(0, fiche, [this] { Enfant<QAction>(*fiche, "MenuFichierQuitter")->trigger(); });
    QTimer garde;
    garde.setSingleShot(true);
    QObject::connect(&garde, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    garde.start(10000);
    EXPECT_EQ(QApplication::exec(), 0);
    garde.stop();
    EXPECT_FALSE(fiche->isVisible());
    EXPECT_FALSE(recherche.isVisible());

    reprendre.release();
    ASSERT_TRUE(fin.wait(10000));
    // Stopped before listing the first folder's files.
    EXPECT_EQ(dossiers.load(), 1);
    EXPECT_EQ(recherche.ListView->topLevelItemCount(), 0);
    EXPECT_FALSE(recherche.EnRecherche());

    const QString dossierVideo = QFileInfo(video).absolutePath();
    Fermer();
    const IniFile ini(config.FichierIni());
    EXPECT_EQ(ini.ReadString(QStringLiteral("RecentFiles"), QStringLiteral("File0")), video);
    EXPECT_EQ(ini.ReadString(QStringLiteral("MainForm"), QStringLiteral("Directory")), dossierVideo);
}

TEST_F(FicheFermeture, TheCloseBoxClosesEveryOtherWindowButCancellingKeepsThem)
{
    TRecherche& recherche = fenetres->Recherche();
    fiche->MenuFichierRechercherClick();
    fiche->ConfirmerFermeture = true;
    // "Zrusit": nothing closes.
    dialogues.Reponses = {2};
    EXPECT_FALSE(fiche->close());
    EXPECT_TRUE(fiche->isVisible());
    EXPECT_TRUE(recherche.isVisible());
    // "Konec": everything closes.
    dialogues.Reponses = {0};
    EXPECT_TRUE(fiche->close());
    for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_FALSE(w->isVisible()) << w->metaObject()->className();
}

} // namespace
