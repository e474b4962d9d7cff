// The main window's undo and redo items and keys, and automatic tracking run
// from the Measures menu on a video of a moving disc.

#include "tests/app/FicheTest.h"
#include "tests/support/Enfant.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

namespace {

// The disc's centre on frame i, in video pixels (pixel i standing at i).
PointD Centre(int i)
{
    return {30.0 + 8.0 * i, 30.0 + 2.0 * i + 0.3 * i * i};
}

QString Legende(const QAction* a)
{
    return a->text().remove(u'&');
}

class FicheSuivi : public FicheTest {
protected:
    // 12 frames of 160 x 120: a red disc on a parabola.
    QString VideoDisque()
    {
        OptionsVideo o;
        o.images = 12;
        o.peintre = [](QImage& image, int i) {
            image.fill(QColor(210, 215, 220));
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(200, 30, 30));
            p.drawEllipse(QPointF(Centre(i).X + 0.5, Centre(i).Y + 0.5), 5, 5);
        };
        const QString chemin = config.Dossier() + "/disque.avi";
        EXPECT_EQ(EcrireVideo(QFile::encodeName(chemin).toStdString(), o), "");
        return chemin;
    }
    void Cliquer(QPoint p, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseClick(&Vue(), b, {}, p); }
    // Runs the tracking command and waits for the run's end.
    void Suivre()
    {
        QSignalSpy fin(fiche, &TFiche::SuiviTermine);
        Enfant<QAction>(*fiche, "MenuMesuresSuivi")->trigger();
        ASSERT_TRUE(fiche->SuiviEnCours());
        ASSERT_TRUE(fin.wait(20000));
        EXPECT_FALSE(fiche->SuiviEnCours());
    }
};

} // namespace

TEST_F(FicheSuivi, UndoItemsNameTheActionAndAreDisabledWithNothingToUndo)
{
    fiche->OuvrirVideo(Video());
    ASSERT_TRUE(Vue().Opened());
    EXPECT_FALSE(Enfant<QAction>(*fiche, "MenuMesuresAnnuler")->isEnabled());
    EXPECT_FALSE(Enfant<QAction>(*fiche, "MenuMesuresRefaire")->isEnabled());
    EXPECT_EQ(Legende(Enfant<QAction>(*fiche, "MenuMesuresAnnuler")), "Zpět");
    EXPECT_EQ(Enfant<QAction>(*fiche, "MenuMesuresAnnuler")->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(Enfant<QAction>(*fiche, "MenuMesuresRefaire")->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
    for (int i = 0; i < 3; ++i) Cliquer(QPoint(20 + 10 * i, 30));
    ASSERT_EQ(Vue().NumeroImage(), 3);
    EXPECT_TRUE(Enfant<QAction>(*fiche, "MenuMesuresAnnuler")->isEnabled());
    EXPECT_EQ(Legende(Enfant<QAction>(*fiche, "MenuMesuresAnnuler")), "Zpět: značka 3");

    Enfant<QAction>(*fiche, "MenuMesuresAnnuler")->trigger();
    EXPECT_EQ(Mesure().NombreDePoints(), 2);
    EXPECT_EQ(Vue().NumeroImage(), 2); // the frame the third mark was placed on
    EXPECT_EQ(Legende(Enfant<QAction>(*fiche, "MenuMesuresAnnuler")), "Zpět: značka 2");
    EXPECT_EQ(Legende(Enfant<QAction>(*fiche, "MenuMesuresRefaire")), "Znovu: značka 3");
    EXPECT_EQ(Enfant<QLabel>(*fiche, "StatusBar3")->text(), " 2");

    Enfant<QAction>(*fiche, "MenuMesuresRefaire")->trigger();
    EXPECT_EQ(Mesure().NombreDePoints(), 3);
    EXPECT_EQ(Vue().NumeroImage(), 3);
    EXPECT_FALSE(Enfant<QAction>(*fiche, "MenuMesuresRefaire")->isEnabled());
    EXPECT_EQ(Legende(Enfant<QAction>(*fiche, "MenuMesuresRefaire")), "Znovu");

    Enfant<QAction>(*fiche, "MenuAffichageEffacerLesMarques")->trigger();
    EXPECT_EQ(Legende(Enfant<QAction>(*fiche, "MenuMesuresAnnuler")), "Zpět: smazání značek");
}

TEST_F(FicheSuivi, TheKeysUndoAndRedo)
{
    fiche->OuvrirVideo(Video());
    fiche->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fiche));
    Cliquer(QPoint(20, 30));
    Cliquer(QPoint(30, 30));
    QTest::keyClick(fiche, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(fiche, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Mesure().NombreDePoints(), 0);
    QTest::keyClick(fiche, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Mesure().NombreDePoints(), 1);
    QTest::keyClick(fiche, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Mesure().NombreDePoints(), 2);
}

TEST_F(FicheSuivi, ANewVideoStartsAFreshHistorySavingKeepsIt)
{
    fiche->OuvrirVideo(Video());
    Cliquer(QPoint(20, 30));
    Cliquer(QPoint(30, 30));
    Enfant<QAction>(*fiche, "MenuMesuresAnnuler")->trigger();
    dialogues.Fichiers.push_back(FichierChoisi{config.Dossier() + "/travail.ktb", 1});
    ASSERT_TRUE(fiche->MenuFichierEnregistrerWClick());
    EXPECT_TRUE(Enfant<QAction>(*fiche, "MenuMesuresAnnuler")->isEnabled());
    EXPECT_TRUE(Enfant<QAction>(*fiche, "MenuMesuresRefaire")->isEnabled());

    fiche->OuvrirVideo(Video("autre.avi"));
    ASSERT_TRUE(Vue().Opened());
    EXPECT_FALSE(Enfant<QAction>(*fiche, "MenuMesuresAnnuler")->isEnabled());
    EXPECT_FALSE(Enfant<QAction>(*fiche, "MenuMesuresRefaire")->isEnabled());
    EXPECT_EQ(Legende(Enfant<QAction>(*fiche, "MenuMesuresAnnuler")), "Zpět");

    fiche->ChargerTravail(config.Dossier() + "/travail.ktb");
    ASSERT_TRUE(Vue().Opened());
    EXPECT_EQ(Mesure().NombreDePoints(), 1);
    EXPECT_FALSE(Enfant<QAction>(*fiche, "MenuMesuresAnnuler")->isEnabled());
}

TEST_F(FicheSuivi, TrackingFollowsTheDiscToTheLastFrameAndUndoesAsOneStep)
{
    fiche->OuvrirVideo(VideoDisque());
    ASSERT_TRUE(Vue().Opened());
    Mesure().PlacerMarque(FaitPointD(Centre(0).X / 160, Centre(0).Y / 120));
    ASSERT_EQ(Vue().NumeroImage(), 1);
    Vue().AllerImage(5); // the run starts after the marked frame wherever the view is
    Suivre();
    const EtatMesure& m = Mesure().Etat();
    EXPECT_EQ(Enfant<QLabel>(*fiche, "StatusBar1")->text(), "Automatické sledování došlo na poslední snímek.");
    ASSERT_EQ(m.NombreDePoints(), 12);
    for (int i = 1; i < 12; ++i) {
        const double dx = m.Marques[std::size_t(i)].X * 160 - Centre(i).X;
        const double dy = m.Marques[std::size_t(i)].Y * 120 - Centre(i).Y;
        EXPECT_LT(std::hypot(dx, dy), 0.5) << "frame " << i;
    }
    EXPECT_EQ(m.MarquesDerniereImage, 1);
    EXPECT_EQ(Vue().NumeroImage(), 11);
    EXPECT_EQ(Enfant<QLabel>(*fiche, "StatusBar1")->text(), "Automatické sledování došlo na poslední snímek.");
    EXPECT_EQ(Enfant<QLabel>(*fiche, "StatusBar3")->text(), " 12");
    EXPECT_EQ(Legende(Enfant<QAction>(*fiche, "MenuMesuresAnnuler")), "Zpět: automatické sledování");

    Enfant<QAction>(*fiche, "MenuMesuresAnnuler")->trigger();
    EXPECT_EQ(Mesure().NombreDePoints(), 1);
    EXPECT_EQ(Vue().NumeroImage(), 1);
    EXPECT_EQ(Legende(Enfant<QAction>(*fiche, "MenuMesuresAnnuler")), "Zpět: značka 1");
    Enfant<QAction>(*fiche, "MenuMesuresRefaire")->trigger();
    EXPECT_EQ(Mesure().NombreDePoints(), 12);
}

TEST_F(FicheSuivi, TrackingNeedsAFrameWithItsPointsMarkedAndSelectsTheMarksTool)
{
    fiche->OuvrirVideo(VideoDisque());
    Enfant<QToolButton>(*fiche, "SpeedButtonOrigine")->click();
    Enfant<QAction>(*fiche, "MenuMesuresSuivi")->trigger();
    EXPECT_FALSE(fiche->SuiviEnCours());
    EXPECT_TRUE(Enfant<QToolButton>(*fiche, "SpeedButtonMarque")->isChecked());
    ASSERT_EQ(dialogues.Messages.size(), 1);
    EXPECT_EQ(dialogues.Lignes().last(),
              "Automatické sledování vychází z posledního snímku, na kterém jsou označeny "
              "všechny body. Nejprve je označte.");
}

TEST_F(FicheSuivi, EscapeStopsTheRunAndWhatTheWorkerStillSendsIsDropped)
{
    fiche->OuvrirVideo(VideoDisque());
    Mesure().PlacerMarque(FaitPointD(Centre(0).X / 160, Centre(0).Y / 120));
    QSignalSpy fin(fiche, &TFiche::SuiviTermine);
    Enfant<QAction>(*fiche, "MenuMesuresSuivi")->trigger();
    ASSERT_TRUE(fiche->SuiviEnCours());
    EXPECT_FALSE(Enfant<QAction>(*fiche, "MenuMesuresSuivi")->isEnabled());
    QTest::keyClick(fiche, Qt::Key_Escape); // before any step came back
    EXPECT_FALSE(fiche->SuiviEnCours());
    EXPECT_EQ(fin.size(), 1);
    EXPECT_EQ(Enfant<QLabel>(*fiche, "StatusBar1")->text(), "Automatické sledování bylo zastaveno na snímku 2.");
    QCoreApplication::processEvents();
    EXPECT_EQ(Mesure().NombreDePoints(), 1);
    // Nothing placed, nothing to undo but the first mark.
    EXPECT_EQ(Legende(Enfant<QAction>(*fiche, "MenuMesuresAnnuler")), "Zpět: značka 1");
}

TEST_F(FicheSuivi, AMarkPlacedDuringTheRunStopsIt)
{
    fiche->OuvrirVideo(VideoDisque());
    Mesure().PlacerMarque(FaitPointD(Centre(0).X / 160, Centre(0).Y / 120));
    // The pointer is over the view, its hint on the hint line, before the run.
    QTest::mouseMove(&Vue(), QPoint(5, 5));
    QCoreApplication::processEvents();
    QSignalSpy fin(fiche, &TFiche::SuiviTermine);
    Enfant<QAction>(*fiche, "MenuMesuresSuivi")->trigger();
    Cliquer(QPoint(5, 5)); // the user marks frame 1 before the run's first step
    ASSERT_TRUE(fin.wait(20000));
    EXPECT_EQ(Mesure().NombreDePoints(), 2);
    EXPECT_EQ(Enfant<QLabel>(*fiche, "StatusBar1")->text(), "Automatické sledování bylo zastaveno na snímku 3.");
}

TEST_F(FicheSuivi, UndoDuringARunStopsItAndTakesBackOnlyWhatItPlaced)
{
    fiche->OuvrirVideo(VideoDisque());
    Mesure().PlacerMarque(FaitPointD(Centre(0).X / 160, Centre(0).Y / 120));
    Enfant<QAction>(*fiche, "MenuMesuresSuivi")->trigger();
    EXPECT_EQ(Legende(Enfant<QAction>(*fiche, "MenuMesuresAnnuler")), "Zpět: automatické sledování");
    Enfant<QAction>(*fiche, "MenuMesuresAnnuler")->trigger(); // before its first marks came
    EXPECT_FALSE(fiche->SuiviEnCours());
    EXPECT_EQ(Mesure().NombreDePoints(), 1);

    QSignalSpy etapes(&Vue(), &TDCAVIPlay::OnChangeMesure);
    Enfant<QAction>(*fiche, "MenuMesuresSuivi")->trigger();
    while (Mesure().NombreDePoints() < 4) ASSERT_TRUE(etapes.wait(20000));
    Enfant<QAction>(*fiche, "MenuMesuresAnnuler")->trigger();
    EXPECT_FALSE(fiche->SuiviEnCours());
    EXPECT_EQ(Mesure().NombreDePoints(), 1);
    EXPECT_EQ(Legende(Enfant<QAction>(*fiche, "MenuMesuresRefaire")), "Znovu: automatické sledování");
}

namespace {

// The disc moves on its parabola until frame 6, then rests there.
PointD CentreQuiSArrete(int i)
{
    return Centre(std::min(i, 6));
}

} // namespace

TEST_F(FicheSuivi, ARunStopsWhenThePointRestsUnlessAskedToFollowOn)
{
    OptionsVideo o;
    o.images = 16;
    o.peintre = [](QImage& image, int i) {
        image.fill(QColor(210, 215, 220));
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 30, 30));
        const PointD c = CentreQuiSArrete(i);
        p.drawEllipse(QPointF(c.X + 0.5, c.Y + 0.5), 5, 5);
    };
    const QString chemin = config.Dossier() + "/arret.avi";
    ASSERT_EQ(EcrireVideo(QFile::encodeName(chemin).toStdString(), o), "");
    fiche->OuvrirVideo(chemin);
    ASSERT_TRUE(Vue().Opened());
    EXPECT_FALSE(Enfant<QAction>(*fiche, "MenuMesuresSuivreAuRepos")->isChecked());
    Mesure().PlacerMarque(FaitPointD(Centre(0).X / 160, Centre(0).Y / 120));
    Suivre();
    const int marques = Mesure().NombreDePoints();
    EXPECT_GE(marques, 8);  // frames 0..6 and the first at rest
    EXPECT_LE(marques, 12); // at most five marks on the resting disc
    EXPECT_EQ(Enfant<QLabel>(*fiche, "StatusBar1")->text(),
              QStringLiteral("Automatické sledování skončilo na snímku %1: bod se zastavil.").arg(marques));
    for (int k = 1; k < marques; ++k) EXPECT_TRUE(Mesure().Etat().OrigineDeMarque(k).Suivie);

    Enfant<QAction>(*fiche, "MenuMesuresAnnuler")->trigger();
    Enfant<QAction>(*fiche, "MenuMesuresSuivreAuRepos")->trigger();
    Suivre();
    EXPECT_EQ(Mesure().NombreDePoints(), 16);
    EXPECT_EQ(Enfant<QLabel>(*fiche, "StatusBar1")->text(), "Automatické sledování došlo na poslední snímek.");
}

TEST_F(FicheSuivi, TheMarksFromTheFrameShownOnAreErasedAsOneStep)
{
    fiche->OuvrirVideo(VideoDisque());
    Mesure().PlacerMarque(FaitPointD(Centre(0).X / 160, Centre(0).Y / 120));
    Suivre();
    ASSERT_EQ(Mesure().NombreDePoints(), 12);
    EXPECT_TRUE(Enfant<QAction>(*fiche, "MenuMesuresEffacerDepuis")->isEnabled());
    EXPECT_EQ(Legende(Enfant<QAction>(*fiche, "MenuMesuresEffacerDepuis")), "Smazat značky od tohoto snímku");
    Vue().AllerImage(5);
    Enfant<QAction>(*fiche, "MenuMesuresEffacerDepuis")->trigger();
    EXPECT_EQ(Mesure().NombreDePoints(), 5);
    EXPECT_EQ(Vue().NumeroImage(), 5);
    EXPECT_EQ(Enfant<QLabel>(*fiche, "StatusBar3")->text(), " 5");
    EXPECT_EQ(Legende(Enfant<QAction>(*fiche, "MenuMesuresAnnuler")), "Zpět: smazání značek od snímku 6");

    // Past every mark there is nothing to erase: a word on the hint line.
    Vue().AllerImage(8);
    Enfant<QAction>(*fiche, "MenuMesuresEffacerDepuis")->trigger();
    EXPECT_EQ(Mesure().NombreDePoints(), 5);
    EXPECT_EQ(Enfant<QLabel>(*fiche, "StatusBar1")->text(), "Od snímku 9 nejsou žádné značky se známým snímkem.");

    // Mend and go on: tracking picks up from the last mark left.
    Suivre();
    EXPECT_EQ(Mesure().NombreDePoints(), 12);
    Enfant<QAction>(*fiche, "MenuMesuresAnnuler")->trigger();
    Enfant<QAction>(*fiche, "MenuMesuresAnnuler")->trigger();
    EXPECT_EQ(Mesure().NombreDePoints(), 12);
    EXPECT_EQ(Legende(Enfant<QAction>(*fiche, "MenuMesuresAnnuler")), "Zpět: automatické sledování");
}
