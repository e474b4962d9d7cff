#include "tests/app/FicheTest.h"
#include "tests/support/Enfant.h"

#include "core/IniFile.h"

#include <QCloseEvent>
#include <QFile>
#include <QMenu>
#include <QScrollArea>
#include <QTest>

namespace {

using Fiche = FicheTest;

QList<QToolButton*> boutonsLecture(const TFiche& f)
{
    return {Enfant<QToolButton>(f, "SpeedButtonLecture"), Enfant<QToolButton>(f, "SpeedButtonPause"),
            Enfant<QToolButton>(f, "SpeedButtonRetour"),  Enfant<QToolButton>(f, "SpeedButtonPrecedent"),
            Enfant<QToolButton>(f, "SpeedButtonSuivant"), Enfant<QToolButton>(f, "SpeedButtonAvance")};
}

QList<QToolButton*> tousLesBoutons(const TFiche& f)
{
    return boutonsLecture(f) +
        QList<QToolButton*>{
            Enfant<QToolButton>(f, "SpeedButtonMarque"),   Enfant<QToolButton>(f, "SpeedButtonEtalon"),
            Enfant<QToolButton>(f, "SpeedButtonOrigine"),  Enfant<QToolButton>(f, "SpeedButtonTransparent"),
            Enfant<QToolButton>(f, "SpeedButtonZoomPlus"), Enfant<QToolButton>(f, "SpeedButtonZoomMoins")};
}

TEST_F(Fiche, WithoutVideoOnlyTheFileMenuOptionsAndHelpWork)
{
    EXPECT_EQ(fiche->windowTitle(), "Kinotab");
    for (QToolButton* b : tousLesBoutons(*fiche)) EXPECT_FALSE(b->isEnabled()) << b->toolTip().toStdString();
    EXPECT_TRUE(Enfant<QMenu>(*fiche, "MenuFichier")->menuAction()->isEnabled());
    for (QAction* a : Enfant<QMenu>(*fiche, "MenuFichier")->actions()) {
        if (!a->isSeparator()) {
            EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
        }
    }
    EXPECT_TRUE(Enfant<QAction>(*fiche, "MenuAffichageOptions")->isEnabled());
    EXPECT_TRUE(Enfant<QAction>(*fiche, "MenuAideApropos")->isEnabled());
    EXPECT_TRUE(Enfant<QAction>(*fiche, "MenuAideAideKinotab")->isEnabled());
    EXPECT_FALSE(Enfant<QAction>(*fiche, "MenuAideProprietes")->isEnabled());
    EXPECT_FALSE(Enfant<QMenu>(*fiche, "MenuMesures")->menuAction()->isEnabled());
    EXPECT_FALSE(Enfant<QMenu>(*fiche, "MenuResultats")->menuAction()->isEnabled());
    EXPECT_FALSE(Enfant<QAction>(*fiche, "MenuAffichageCouleur")->isEnabled());
    // The command bar and its hints.
    EXPECT_EQ(Enfant<QWidget>(*fiche, "PanelBarreCommande")->size(), QSize(360, 30));
    EXPECT_EQ(Enfant<QToolButton>(*fiche, "SpeedButtonLecture")->toolTip(), "Prehrat");
    EXPECT_EQ(Enfant<QToolButton>(*fiche, "SpeedButtonZoomMoins")->geometry(), QRect(330, 0, 30, 30));
}

TEST_F(Fiche, OpeningAVideoEnablesEverythingAndTheScaleToolStopsPlayback)
{
    const QString video = Video();
    fiche->OuvrirVideo(video);
    ASSERT_TRUE(Vue().Opened());
    EXPECT_TRUE(dialogues.Messages.isEmpty());
    EXPECT_EQ(fiche->windowTitle(), video);
    for (QToolButton* b : tousLesBoutons(*fiche)) EXPECT_TRUE(b->isEnabled());
    EXPECT_TRUE(Enfant<QMenu>(*fiche, "MenuMesures")->menuAction()->isEnabled());
    EXPECT_TRUE(Enfant<QToolButton>(*fiche, "SpeedButtonMarque")->isChecked());
    EXPECT_TRUE(Enfant<QAction>(*fiche, "MenuAffichageDessinerToutesLesMarques")->isChecked());
    EXPECT_TRUE(Enfant<QAction>(*fiche, "MenuAffichageCurseurNB")->isChecked());
    EXPECT_EQ(Mesure().Etat().CouleurCurseur, TCouleurCurseur::NoirEtBlanc);
    EXPECT_EQ(Mesure().Etat().Couleur, 255u);

    Enfant<QToolButton>(*fiche, "SpeedButtonEtalon")->click();
    for (QToolButton* b : boutonsLecture(*fiche)) EXPECT_FALSE(b->isEnabled());
    EXPECT_FALSE(Enfant<QToolButton>(*fiche, "SpeedButtonMarque")->isChecked());
    EXPECT_TRUE(Mesure().ModeEtalon());
    Enfant<QToolButton>(*fiche, "SpeedButtonOrigine")->click();
    for (QToolButton* b : boutonsLecture(*fiche)) EXPECT_TRUE(b->isEnabled());
    EXPECT_TRUE(Mesure().ModeOrigine());
}

TEST_F(Fiche, CountersShowFrameAndMarks)
{
    fiche->OuvrirVideo(Video("c.avi", 87));
    Enfant<QToolButton>(*fiche, "SpeedButtonSuivant")->click();
    QApplication::processEvents();
    Vue().AllerImage(11);
    Vue().repaint();
    EXPECT_EQ(Enfant<QLabel>(*fiche, "StatusBar2")->text(), " 12/87");
    Modifier(Mesure(), [](EtatMesure& e) { e.Marques.assign(3, PointD{}); });
    EXPECT_EQ(Enfant<QLabel>(*fiche, "StatusBar3")->text(), " 3");
    Enfant<QToolButton>(*fiche, "SpeedButtonTransparent")->click();
    EXPECT_EQ(Enfant<QLabel>(*fiche, "StatusBar3")->text(), " 0");
    // Keys step through the video.
    QTest::keyClick(fiche, Qt::Key_End);
    EXPECT_EQ(Vue().NumeroImage(), 86);
    QTest::keyClick(fiche, Qt::Key_Left);
    EXPECT_EQ(Vue().NumeroImage(), 85);
    QTest::keyClick(fiche, Qt::Key_Home);
    EXPECT_EQ(Vue().NumeroImage(), 0);
}

TEST_F(Fiche, ZoomIsClampedAndScrollBarsShowAboveLevelZero)
{
    fiche->OuvrirVideo(Video());
    EXPECT_EQ(Enfant<QScrollArea>(*fiche, "ScrollBox")->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(Vue().size(), Enfant<QScrollArea>(*fiche, "ScrollBox")->viewport()->size());
    Enfant<QToolButton>(*fiche, "SpeedButtonZoomMoins")->click();
    EXPECT_EQ(fiche->NiveauZoom, 0);
    for (int i = 0; i < 9; ++i) Enfant<QToolButton>(*fiche, "SpeedButtonZoomPlus")->click();
    EXPECT_EQ(fiche->NiveauZoom, 7);
    EXPECT_EQ(Enfant<QScrollArea>(*fiche, "ScrollBox")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QApplication::processEvents();
    const QSize client = Enfant<QScrollArea>(*fiche, "ScrollBox")->viewport()->size();
    EXPECT_EQ(Vue().width(), qRound(client.width() * std::pow(1.25, 7)));
}

TEST_F(Fiche, OpenMessagesForAMissingAndADamagedVideo)
{
    const QString video = Video();
    fiche->OuvrirVideo(video);
    const QString absent = config.Dossier() + "/gone.avi";
    fiche->OuvrirVideo(absent);
    ASSERT_EQ(dialogues.Messages.size(), 1);
    EXPECT_EQ(dialogues.Messages[0].icone, IconeMessage::Avertissement);
    EXPECT_EQ(dialogues.Messages[0].lignes,
              QStringList({absent + ".", "Není možné otevřít videosoubor. Ověřte, že nebyl přemístěn."}));
    // The video stays open.
    EXPECT_TRUE(Vue().Opened());
    EXPECT_EQ(fiche->windowTitle(), video);

    const QString abime = config.Dossier() + "/bad.avi";
    QFile f(abime);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    fiche->OuvrirVideo(abime);
    ASSERT_EQ(dialogues.Messages.size(), 2);
    // The third line says why.
    EXPECT_EQ(dialogues.Messages[1].lignes,
              QStringList({abime + ".", "Není možné otevřít videosoubor. Ověřte, že není poškozen.",
                           "Nejde o videosoubor: formát souboru nebyl rozpoznán."}));
    EXPECT_FALSE(Vue().Opened());
    EXPECT_EQ(fiche->windowTitle(), "Kinotab");
    for (QToolButton* b : tousLesBoutons(*fiche)) EXPECT_FALSE(b->isEnabled());
    EXPECT_TRUE(Enfant<QLabel>(*fiche, "StatusBar2")->text().isEmpty());
}

TEST_F(Fiche, RecentFilesFollowTheirRules)
{
    fiche->MRU.FixerCapacite(4);
    QStringList videos;
    for (int i = 0; i < 5; ++i) videos << Video(QStringLiteral("v%1.avi").arg(i), 2);
    for (int i = 0; i < 4; ++i) fiche->AjouterFichierRecent(videos[i]);
    fiche->AjouterFichierRecent(videos[1]);
    EXPECT_EQ(fiche->MRU.Fichiers(), QStringList({videos[3], videos[2], videos[1], videos[0]}));
    fiche->AjouterFichierRecent(videos[4]);
    EXPECT_EQ(fiche->MRU.Fichiers(), QStringList({videos[4], videos[3], videos[2], videos[1]}));
    ASSERT_EQ(fiche->EntreesMRU().size(), 4);
    EXPECT_EQ(fiche->EntreesMRU()[0]->text(), "&1 : v4.avi");
    EXPECT_EQ(fiche->EntreesMRU()[0]->statusTip(), videos[4]);

    fiche->FigerMRU = true;
    fiche->AjouterFichierRecent(videos[0]);
    EXPECT_EQ(fiche->MRU.Fichiers().size(), 4);
    EXPECT_FALSE(fiche->MRU.Fichiers().contains(videos[0]));
}

TEST_F(Fiche, RecentEntriesOpenByExtensionIgnoringCase)
{
    const QString majuscules = Video("CLIP.AVI");
    fiche->MRUClick(majuscules);
    EXPECT_TRUE(Vue().Opened());
    const QString autre = config.Dossier() + "/x.avi2";
    QFile::copy(majuscules, autre);
    fiche->OuvrirVideo(Video("other.avi"));
    fiche->MRUClick(autre);
    EXPECT_TRUE(Vue().FileName().endsWith("other.avi"));
    EXPECT_TRUE(dialogues.Messages.isEmpty());
}

TEST_F(Fiche, TheOpenDialogsFilterDecides)
{
    const QString video = Video();
    dialogues.Fichiers.push_back(FichierChoisi{video, 1});
    Enfant<QAction>(*fiche, "MenuFichierOuvrir")->trigger();
    ASSERT_EQ(dialogues.DemandesOuvrir.size(), 1);
    EXPECT_EQ(dialogues.DemandesOuvrir[0].titre, "Ouvrir un fichier AVI");
    EXPECT_EQ(dialogues.DemandesOuvrir[0].indexFiltre, 1);
    EXPECT_TRUE(Vue().Opened());
    EXPECT_EQ(fiche->MRU.Fichiers(), QStringList({video}));
    EXPECT_EQ(fiche->RepertoireCourant, config.Dossier());
    // A name that is no file does nothing, without a message.
    dialogues.Fichiers.push_back(FichierChoisi{config.Dossier() + "/typed.avi", 1});
    Enfant<QAction>(*fiche, "MenuFichierChargerW")->trigger();
    EXPECT_EQ(dialogues.DemandesOuvrir[1].titre, "Charger un fichier KTB");
    EXPECT_EQ(dialogues.DemandesOuvrir[1].indexFiltre, 2);
    EXPECT_TRUE(dialogues.Messages.isEmpty());
    EXPECT_TRUE(Vue().Opened());
}

TEST_F(Fiche, ClosingQuestionAnswers)
{
    fiche->ConfirmerFermeture = true;
    dialogues.Reponses = {2};
    EXPECT_FALSE(fiche->close());
    ASSERT_EQ(dialogues.Messages.size(), 1);
    EXPECT_EQ(dialogues.Messages[0].icone, IconeMessage::Confirmation);
    EXPECT_EQ(dialogues.Messages[0].boutons, QStringList({"Konec", "Ulozit", "Zrusit"}));
    EXPECT_EQ(dialogues.Messages[0].lignes,
              QStringList({"Okamzite ukoncit program.", "Ulozit praci do souboru.", "Zrusit ukonceni."}));
    // "Ulozit" with no video: the save refuses and the program ends.
    dialogues.Reponses = {1};
    EXPECT_TRUE(fiche->close());
    EXPECT_EQ(dialogues.Lignes().last(), "Otevřít nejprve videosoubor.");
    fiche->show();
    dialogues.Reponses = {0};
    EXPECT_TRUE(fiche->close());
    // Without the option there is no question.
    fiche->show();
    fiche->ConfirmerFermeture = false;
    const qsizetype avant = dialogues.Messages.size();
    EXPECT_TRUE(fiche->close());
    EXPECT_EQ(dialogues.Messages.size(), avant);
}

TEST_F(Fiche, SavingAfterAFailedOrCancelledSaveKeepsTheWindowOpen)
{
    fiche->OuvrirVideo(Video());
    fiche->ConfirmerFermeture = true;
    dialogues.Reponses = {1};
    // The save dialog is cancelled: the measurement would be lost, so stay.
    EXPECT_FALSE(fiche->close());
    dialogues.Reponses = {1};
    dialogues.Fichiers.push_back(FichierChoisi{config.Dossier() + "/work.ktb", 1});
    EXPECT_TRUE(fiche->close());
    EXPECT_TRUE(QFile::exists(config.Dossier() + "/work.ktb"));
}

} // namespace
