#include "tests/app/FicheTest.h"
#include "tests/support/Enfant.h"

#include "measure/UnitTravail.h"

#include <QDate>
#include <QFile>
#include <QMenu>
#include <QTest>

namespace {

using FicheTravail = FicheTest;

QStringList lignesDe(const QString& chemin)
{
    QFile f(chemin);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    QStringList l = QString::fromUtf8(f.readAll()).split("\r\n");
    l.removeLast();
    return l;
}

TEST_F(FicheTravail, AWorkFileSavedRightAfterOpeningHas24LinesAndReloadsTheSame)
{
    const QString video = Video();
    fiche->OuvrirVideo(video);
    Vue().AllerImage(3);
    const QString travail = config.Dossier() + "/w.ktb";
    dialogues.Fichiers.push_back(FichierChoisi{travail, 1});
    EXPECT_TRUE(fiche->MenuFichierEnregistrerWClick());
    ASSERT_EQ(dialogues.DemandesEnregistrer.size(), 1);
    EXPECT_EQ(dialogues.DemandesEnregistrer[0].titre, "Uložit práci do souboru KTB");
    EXPECT_TRUE(dialogues.DemandesEnregistrer[0].nomInitial.startsWith("clip "));
    EXPECT_EQ(dialogues.Lignes(), QStringList({"w.ktb.", "Soubor uložen."}));
    EXPECT_EQ(fiche->MRU.Fichiers().first(), travail);
    const QStringList lignes = lignesDe(travail);
    ASSERT_EQ(lignes.size(), 24);
    EXPECT_EQ(lignes[0], video);
    EXPECT_EQ(lignes[1], "3");

    fiche->OuvrirVideo(Video("other.avi"));
    fiche->ChargerTravail(travail);
    ASSERT_TRUE(Vue().Opened());
    EXPECT_EQ(Vue().FileName(), video);
    EXPECT_EQ(Vue().NumeroImage(), 3);
    EXPECT_TRUE(Enfant<QToolButton>(*fiche, "SpeedButtonMarque")->isChecked());
    EXPECT_EQ(fiche->windowTitle(), video);
}

TEST_F(FicheTravail, MarksOverlayScaleAndOriginRoundTripToIdenticalFiles)
{
    fiche->OuvrirVideo(Video());
    Enfant<QAction>(*fiche, "MenuMesuresDeuxMarquesParImage")->trigger();
    for (QPoint p : {QPoint(10, 20), QPoint(30, 40), QPoint(50, 60)}) QTest::mouseClick(&Vue(), Qt::LeftButton, {}, p);
    Enfant<QToolButton>(*fiche, "SpeedButtonOrigine")->click();
    QTest::mouseClick(&Vue(), Qt::LeftButton, {}, QPoint(7, 90));
    Modifier(Mesure(), [&](EtatMesure& e) { e.EtatEtalon = TEtatEtalon(2); });
    Modifier(Mesure(), [&](EtatMesure& e) { e.PointsEtalon = {PointD{0.1, 0.2}, PointD{0.7, 0.2}}; });
    Modifier(Mesure(), [&](EtatMesure& e) { e.LongueurEtalon = 0.75; });
    Enfant<QToolButton>(*fiche, "SpeedButtonTransparent")->click();
    QTest::mousePress(&Vue(), Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseRelease(&Vue(), Qt::LeftButton, {}, QPoint(110, 104));
    QTest::mouseClick(&Vue(), Qt::LeftButton, {}, QPoint(120, 90));
    Enfant<QAction>(*fiche, "MenuAffichageDessinerDerniereMarque")->trigger();
    Enfant<QAction>(*fiche, "MenuAffichageCurseurBlanc")->trigger();

    const QString a = config.Dossier() + "/a.ktb", b = config.Dossier() + "/b.ktb";
    dialogues.Fichiers.push_back(FichierChoisi{a, 1});
    ASSERT_TRUE(fiche->MenuFichierEnregistrerWClick());
    // The measured lines, then the frames of the 3 marks and the overlay mark.
    EXPECT_EQ(lignesDe(a).size(), 24 + 2 * 3 + 4 * 1 + 2 * 2 + 2 + 2 + 3 + 1 + 1);
    const std::vector<int> images = Mesure().Etat().ImagesMarques, imagesTsp = Mesure().Etat().ImagesMarquesTsp;
    fiche->ChargerTravail(a);
    ASSERT_TRUE(Vue().Opened());
    EXPECT_EQ(Mesure().NombreDePoints(), 3);
    EXPECT_EQ(Mesure().NombreDePointsTsp(), 1);
    EXPECT_EQ(Mesure().Etat().ImagesMarques, images);
    EXPECT_EQ(Mesure().Etat().ImagesMarquesTsp, imagesTsp);
    EXPECT_TRUE(Enfant<QToolButton>(*fiche, "SpeedButtonTransparent")->isChecked());
    EXPECT_TRUE(Enfant<QAction>(*fiche, "MenuAffichageDessinerDerniereMarque")->isChecked());
    EXPECT_TRUE(Enfant<QAction>(*fiche, "MenuAffichageCurseurBlanc")->isChecked());
    EXPECT_EQ(Enfant<QLabel>(*fiche, "StatusBar3")->text(), " 1");
    dialogues.Fichiers.push_back(FichierChoisi{b, 1});
    ASSERT_TRUE(fiche->MenuFichierEnregistrerWClick());
    EXPECT_EQ(lignesDe(a), lignesDe(b));
}

TEST_F(FicheTravail, SkippedFramesSurviveTheWorkFile)
{
    // One point a frame, marked on frames 0 and 1, then on 4 after stepping over two.
    fiche->OuvrirVideo(Video());
    QTest::mouseClick(&Vue(), Qt::LeftButton, {}, QPoint(10, 20));
    QTest::mouseClick(&Vue(), Qt::LeftButton, {}, QPoint(12, 24));
    Vue().AllerImage(4);
    QTest::mouseClick(&Vue(), Qt::LeftButton, {}, QPoint(14, 30));
    const QString a = config.Dossier() + "/a.ktb";
    dialogues.Fichiers.push_back(FichierChoisi{a, 1});
    ASSERT_TRUE(fiche->MenuFichierEnregistrerWClick());
    const QStringList lignes = lignesDe(a);
    ASSERT_EQ(lignes.mid(lignes.indexOf("Images")), QStringList({"Images", "3", "0", "1", "4", "0"}));

    fiche->ChargerTravail(a);
    ASSERT_TRUE(Vue().Opened());
    EXPECT_EQ(Mesure().Etat().ImagesMarques, (std::vector<int>{1, 2, 5}));
    // "Poslední označený snímek" goes to the frame after the last mark again.
    Vue().AllerImage(0);
    Enfant<QAction>(*fiche, "MenuAffichageDerniereImagePointee")->trigger();
    EXPECT_EQ(Vue().NumeroImage(), 5);

    // A block naming a frame the video does not have is a read error.
    QStringList abimees = lignes;
    abimees.last() = "0";
    abimees[abimees.size() - 2] = "99999";
    QFile f(a);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write((abimees.join("\r\n") + "\r\n").toUtf8());
    f.close();
    dialogues.Messages.clear();
    fiche->ChargerTravail(a);
    EXPECT_FALSE(Vue().Opened());
    EXPECT_TRUE(dialogues.Lignes().contains("Chyba při čtení souboru."));
}

TEST_F(FicheTravail, AVideoNameBecomesKtbAndAnExistingFileIsAskedFor)
{
    const QString video = Video();
    fiche->OuvrirVideo(video);
    dialogues.Fichiers.push_back(FichierChoisi{video, 1});
    ASSERT_TRUE(fiche->MenuFichierEnregistrerWClick());
    EXPECT_TRUE(QFile::exists(config.Dossier() + "/clip.ktb"));
    EXPECT_TRUE(Vue().Opened()); // the video itself is untouched
    // Saving again under the same name asks; "Zrusit" stops.
    dialogues.Messages.clear();
    dialogues.Fichiers.push_back(FichierChoisi{config.Dossier() + "/clip.ktb", 1});
    dialogues.Reponses = {1};
    EXPECT_FALSE(fiche->MenuFichierEnregistrerWClick());
    ASSERT_EQ(dialogues.Messages.size(), 1);
    EXPECT_EQ(dialogues.Messages[0].boutons, QStringList({"&OK", "Zrusit"}));
    EXPECT_EQ(dialogues.Messages[0].lignes,
              QStringList({"clip.ktb.", "Existuje soubor stejného jména. Chcete jej změnit?"}));
}

TEST_F(FicheTravail, OutOfRangeChoicesAreIgnored)
{
    const QString video = Video();
    const QString travail = config.Dossier() + "/w.ktb";
    Travail t;
    t.CheminVideo = video;
    QStringList lignes = LignesTravail(t, '.');
    lignes[2] = "5"; // marks per frame
    lignes[3] = "9"; // tool
    QFile f(travail);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(lignes.join("\r\n").toUtf8() + "\r\n");
    f.close();
    fiche->ChargerTravail(travail);
    ASSERT_TRUE(Vue().Opened());
    EXPECT_EQ(Mesure().Etat().MarquesParImage, 1);
    EXPECT_TRUE(Enfant<QAction>(*fiche, "MenuMesuresUneMarqueParImage")->isChecked());
}

TEST_F(FicheTravail, ACutFileIsAReadErrorAndLeavesNoVideo)
{
    fiche->OuvrirVideo(Video());
    const QString travail = config.Dossier() + "/w.ktb";
    dialogues.Fichiers.push_back(FichierChoisi{travail, 1});
    QTest::mouseClick(&Vue(), Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_TRUE(fiche->MenuFichierEnregistrerWClick());
    const QStringList lignes = lignesDe(travail);
    QFile f(travail);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (const QString& l : lignes.mid(0, 10)) f.write(l.toUtf8() + "\r\n");
    f.close();
    dialogues.Messages.clear();
    fiche->ChargerTravail(travail);
    ASSERT_EQ(dialogues.Messages.size(), 1);
    EXPECT_EQ(dialogues.Messages[0].lignes, QStringList({lignes[0] + ".", "Chyba při čtení souboru."}));
    EXPECT_FALSE(Vue().Opened());
    EXPECT_EQ(fiche->windowTitle(), "Kinotab");
    EXPECT_FALSE(Enfant<QToolButton>(*fiche, "SpeedButtonMarque")->isEnabled());
}

TEST_F(FicheTravail, MissingFilesNameWhatIsMissing)
{
    const QString absent = config.Dossier() + "/none.ktb";
    fiche->ChargerTravail(absent);
    EXPECT_EQ(dialogues.Lignes(),
              QStringList({absent + ".", "Není možné otevřít záchranný soubor. Ověřte, že nebyl přemístěn."}));
    // A video moved since saving: the message names the stored path.
    dialogues.Messages.clear();
    Travail t;
    t.CheminVideo = config.Dossier() + "/moved.avi";
    const QString travail = config.Dossier() + "/w.ktb";
    ASSERT_EQ(EcrireTravail(travail, t, '.'), ResultatEcriture::Ok);
    fiche->ChargerTravail(travail);
    EXPECT_EQ(dialogues.Lignes(),
              QStringList({t.CheminVideo, "Není možné otevřít videosoubor. Ověřte, že nebyl přemístěn."}));
    EXPECT_FALSE(Vue().Opened());
}

TEST_F(FicheTravail, SavingWithoutAVideoIsRefused)
{
    EXPECT_FALSE(fiche->MenuFichierEnregistrerWClick());
    EXPECT_EQ(dialogues.Lignes(), QStringList({"Otevřít nejprve videosoubor."}));
    EXPECT_TRUE(dialogues.DemandesEnregistrer.isEmpty());
}

TEST_F(FicheTravail, TheCommandLineLoadsExactlyOneArgumentAsAWorkFile)
{
    Fermer();
    const QString video = Video();
    const QString travail = config.Dossier() + "/w.ktb";
    Travail t;
    t.CheminVideo = video;
    t.NumeroImage = 5;
    ASSERT_EQ(EcrireTravail(travail, t, '.'), ResultatEcriture::Ok);
    for (const QStringList& arguments : {QStringList{travail, travail}, QStringList{travail}}) {
        Recreer();
        fiche->Arguments = arguments;
        fiche->show();
        QApplication::processEvents();
        EXPECT_EQ(Vue().Opened(), arguments.size() == 1);
    }
    EXPECT_EQ(Vue().NumeroImage(), 5);
    // A video given as the argument is opened as a video; any other name is
    // read as a work file, and fails as one.
    Recreer();
    fiche->Arguments = {video};
    fiche->show();
    QApplication::processEvents();
    EXPECT_TRUE(Vue().Opened());
    EXPECT_TRUE(dialogues.Messages.isEmpty());
    const QString autre = video + QStringLiteral(".bin");
    ASSERT_TRUE(QFile::copy(video, autre));
    Recreer();
    fiche->Arguments = {autre};
    fiche->show();
    QApplication::processEvents();
    EXPECT_FALSE(Vue().Opened());
    EXPECT_FALSE(dialogues.Messages.isEmpty());
}

} // namespace
