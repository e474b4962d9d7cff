#include "resources/UnitImages.h"
#include "tests/support/ModifierMesure.h"
#include "tests/support/VideosTest.h"
#include "media/FrameSource.h"
#include "view/UnitAviPlay.h"
#include "measure/UnitMesure.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Vue : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(EcrireVideoTest(video, 10, QSize(160, 120), 25));
        vue.SetAutoSize(false);
        vue.SetStretch(true);
        vue.resize(320, 240);
        vue.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&vue));
        vue.FixerHorloge([this] { return maintenant; });
    }
    // The frame index shown in a composed picture, read from its block code.
    int ImageMontree() { return LireCodeMire(vue.Composer().scaled(160, 120)); }
    // Opens an H.264 video of `images` frames in one group of pictures, so
    // that a jump far into it goes to the worker.
    void OuvrirUnSeulGroupe(int images)
    {
        OptionsVideo o;
        o.codec = OptionsVideo::Codec::H264;
        o.images = images;
        o.gop = images;
        const QString longue = dossier.filePath("longue.avi");
        ASSERT_EQ(EcrireVideo(QFile::encodeName(longue).toStdString(), o), "");
        vue.SetFileName(longue);
    }

    QTemporaryDir dossier;
    QString video = dossier.filePath("v.avi");
    TDCAVIPlay vue;
    qint64 maintenant = 0;
};

TEST_F(Vue, ClosedItShowsTheTitlePicture)
{
    EXPECT_FALSE(vue.Opened());
    EXPECT_EQ(vue.FrameCount(), 0);
    const QImage image = vue.Composer();
    ASSERT_EQ(image.size(), QSize(320, 240));
    const QImage attendu = Images::Image("BmpTitre").scaled(320, 240, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32), attendu.convertToFormat(QImage::Format_RGB32));
    // Navigation does nothing visible without a video.
    vue.Lire(0, 5, 1);
    EXPECT_FALSE(vue.Active());
}

TEST_F(Vue, OpeningSetsTheRangeAndAnEqualNameDoesNothing)
{
    QSignalSpy ouvertures(&vue, &TDCAVIPlay::OnOpen);
    QSignalSpy fermetures(&vue, &TDCAVIPlay::OnClose);
    vue.SetFileName(video);
    ASSERT_TRUE(vue.Opened());
    EXPECT_EQ(vue.StopFrame(), 9);
    EXPECT_EQ(vue.NumeroImage(), 0);
    EXPECT_DOUBLE_EQ(vue.FrameTime(), 0.04);
    vue.SetFileName(video);
    EXPECT_EQ(ouvertures.count(), 1);
    EXPECT_EQ(fermetures.count(), 0);
    vue.SetStartFrame(1000);
    EXPECT_EQ(vue.StartFrame(), 9);
    vue.SetFileName("");
    EXPECT_FALSE(vue.Opened());
    EXPECT_EQ(fermetures.count(), 1);
}

TEST_F(Vue, GoingToAFrameClampsAndTheSameFrameDoesNothing)
{
    vue.SetFileName(video);
    QSignalSpy dessins(&vue, &TDCAVIPlay::OnChangeNumeroImage);
    vue.AllerImage(-5);
    EXPECT_EQ(vue.NumeroImage(), 0);
    vue.AllerImage(13);
    EXPECT_EQ(vue.NumeroImage(), 9);
    EXPECT_EQ(ImageMontree(), 9);
    vue.AllerImage(4);
    EXPECT_EQ(ImageMontree(), 4);
    vue.repaint();
    const int avant = dessins.count();
    EXPECT_GE(avant, 1);
    // The current frame: no stop, no redraw.
    vue.Lire(4, 9, 1);
    vue.AllerImage(4);
    EXPECT_TRUE(vue.Active());
    vue.Arreter();
    // Every draw reports, also when the frame did not change.
    const int apresArret = dessins.count();
    vue.repaint();
    EXPECT_EQ(dessins.count(), apresArret + 1);
}

TEST_F(Vue, OnePassShowsTheFramesAfterTheFirstAndStopsOnTheLast)
{
    vue.SetFileName(video);
    QSignalSpy arrets(&vue, &TDCAVIPlay::OnStop);
    QList<int> montrees;
    QObject::connect(&vue, &TDCAVIPlay::OnChangeNumeroImage, [&] { montrees << vue.NumeroImage(); });
    vue.Lire(2, 6, 1);
    EXPECT_EQ(vue.FramePeriod(), 40);
    EXPECT_TRUE(vue.Active());
    for (int i = 0; i < 10 && vue.Active(); ++i) {
        maintenant += 40;
        vue.Tic();
    }
    EXPECT_FALSE(vue.Active());
    EXPECT_EQ(arrets.count(), 1);
    EXPECT_EQ(vue.NumeroImage(), 6);
    // 3, 4 and 5 by the ticks; 6 by the stop that ends the pass.
    EXPECT_EQ(montrees, QList<int>({3, 4, 5, 6}));
    EXPECT_EQ(ImageMontree(), 6);
}

TEST_F(Vue, PlaybackFollowsTheClockAndDropsFramesInsteadOfDrifting)
{
    vue.SetFileName(video);
    vue.Lire(0, 9, 1);
    // The UI thread was busy for 130 ms: the next tick shows the frame due now.
    maintenant += 130;
    vue.Tic();
    EXPECT_EQ(vue.NumeroImage(), 3);
    maintenant += 40;
    vue.Tic();
    EXPECT_EQ(vue.NumeroImage(), 4);
    vue.Arreter();
}

TEST_F(Vue, EndlessPlaybackWrapsUntilStopped)
{
    vue.SetFileName(video);
    QList<int> montrees;
    QObject::connect(&vue, &TDCAVIPlay::OnChangeNumeroImage, [&] { montrees << vue.NumeroImage(); });
    vue.Lire(7, 9, 0);
    for (int i = 0; i < 6; ++i) {
        maintenant += 40;
        vue.Tic();
    }
    EXPECT_TRUE(vue.Active());
    EXPECT_EQ(montrees, QList<int>({8, 9, 7, 8, 9, 7}));
    vue.Arreter();
    EXPECT_FALSE(vue.Active());
}

TEST_F(Vue, PressesStoreNormalisedPositionsAtAnySizeAndDoubleClicksAreSwallowed)
{
    vue.SetFileName(video);
    TMesure& m = vue.Mesure();
    Modifier(m, [&](EtatMesure& e) { e.CouleurCurseur = TCouleurCurseur::NoirEtBlanc; });
    QTest::mouseClick(&vue, Qt::LeftButton, {}, QPoint(80, 60));
    ASSERT_EQ(m.NombreDePoints(), 1);
    EXPECT_EQ(m.Etat().Marques[0], (PointD{0.25, 0.25}));
    EXPECT_EQ(vue.NumeroImage(), 1);
    // Twice the size: the same spot of the picture gives the same position.
    vue.resize(640, 480);
    QTest::mouseClick(&vue, Qt::LeftButton, {}, QPoint(160, 120));
    EXPECT_EQ(m.Etat().Marques[1], (PointD{0.25, 0.25}));
    // A double click is a click, then a double-click message that does nothing.
    QTest::mouseClick(&vue, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseDClick(&vue, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(m.NombreDePoints(), 3);
    QTest::mouseClick(&vue, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(m.NombreDePoints(), 2);
    EXPECT_EQ(vue.NumeroImage(), 2);
}

TEST_F(Vue, HiddenPictureIsWhiteWithTheMeasurementOverIt)
{
    vue.SetFileName(video);
    TMesure& m = vue.Mesure();
    Modifier(m, [&](EtatMesure& e) { e.Couleur = 255; });
    Modifier(m, [&](EtatMesure& e) { e.CacherImage = true; });
    QTest::mouseClick(&vue, Qt::LeftButton, {}, QPoint(100, 100));
    vue.AllerImage(0);
    const QImage image = vue.Composer();
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(100, 100), QColor(255, 0, 0));
}

// At a device pixel ratio of 2 the frame is composed on device pixels: a
// video twice the control's size shows every one of its pixels, and the
// measurement over it is the 1x drawing with each pixel doubled.
TEST_F(Vue, AtRatioTwoTheVideoKeepsItsPixelsAndTheMarksAreDoubled)
{
    vue.resize(80, 60);
    vue.SetFileName(video);
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(video));
    const QImage video0 = source.Image(0).convertToFormat(QImage::Format_RGB32);
    QImage deux = vue.Composer(2);
    EXPECT_EQ(deux.devicePixelRatio(), 2);
    EXPECT_EQ(deux.convertToFormat(QImage::Format_RGB32), video0);
    EXPECT_EQ(vue.Composer(1).size(), QSize(80, 60));

    Modifier(vue.Mesure(), [&](EtatMesure& e) {
        e.Couleur = 255;
        e.CacherImage = true;
    });
    QTest::mouseClick(&vue, Qt::LeftButton, {}, QPoint(40, 30));
    const QImage une = vue.Composer(1);
    deux = vue.Composer(2);
    ASSERT_EQ(deux.size(), QSize(160, 120));
    int differences = 0, rouges = 0;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 160; ++x) {
            differences += deux.pixel(x, y) != une.pixel(x / 2, y / 2);
            rouges += deux.pixel(x, y) == qRgb(255, 0, 0);
        }
    EXPECT_EQ(differences, 0);
    EXPECT_EQ(rouges, 4 * 25); // the thick cross's 25 pixels
}

TEST_F(Vue, AtRatioTwoTheTitlePictureIsDrawnOnDevicePixels)
{
    const QImage deux = vue.Composer(2);
    ASSERT_EQ(deux.size(), QSize(640, 480));
    EXPECT_EQ(deux.devicePixelRatio(), 2);
    const QImage attendu =
        Images::Image("BmpTitre", 2).scaled(640, 480, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_EQ(deux.convertToFormat(QImage::Format_RGB32), attendu.convertToFormat(QImage::Format_RGB32));
    EXPECT_NE(deux.convertToFormat(QImage::Format_RGB32),
              vue.Composer(1).scaled(640, 480).convertToFormat(QImage::Format_RGB32));
}

// A cold jump into a long group of pictures is decoded on the worker: the
// picture on screen, the counter and the marks stay with the frame shown
// until the exact one comes, then all move to it together.
TEST_F(Vue, ALongSeekKeepsThePictureCounterAndMarksTogether)
{
    OuvrirUnSeulGroupe(80);
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_EQ(ImageMontree(), 0);
    QSignalSpy compteur(&vue, &TDCAVIPlay::OnChangeNumeroImage);
    vue.AllerImage(79);
    EXPECT_EQ(ImageMontree(), 0); // at once: the picture already on screen
    vue.repaint();
    EXPECT_EQ(compteur.count(), 0);
    QTest::mouseClick(&vue, Qt::LeftButton, {}, QPoint(80, 60));
    EXPECT_EQ(vue.Mesure().NombreDePoints(), 0);
    ASSERT_TRUE(compteur.wait(10000));
    EXPECT_EQ(vue.NumeroImage(), 79);
    EXPECT_EQ(ImageMontree(), 79);
    QTest::mouseClick(&vue, Qt::LeftButton, {}, QPoint(80, 60));
    ASSERT_EQ(vue.Mesure().NombreDePoints(), 1);
    EXPECT_EQ(vue.Mesure().Etat().ImagesMarques[0], 79);
    // A short step back comes at once.
    vue.AllerImage(70);
    EXPECT_EQ(ImageMontree(), 70);
}

// While a long seek is decoded, the nearest picture already decoded stands
// in at once, and the counter goes with it; marks wait for the exact frame.
TEST_F(Vue, ALongSeekShowsTheNearestDecodedPictureMeanwhile)
{
    OuvrirUnSeulGroupe(160);
    ASSERT_FALSE(HasFatalFailure());
    QSignalSpy compteur(&vue, &TDCAVIPlay::OnChangeNumeroImage);
    vue.AllerImage(40); // frames 0 to 40 decoded on the way, and kept
    ASSERT_TRUE(compteur.wait(10000));
    EXPECT_EQ(ImageMontree(), 40);
    vue.AllerImage(0);
    EXPECT_EQ(ImageMontree(), 0);

    QList<int> comptes;
    QObject::connect(&vue, &TDCAVIPlay::OnChangeNumeroImage, [&] { comptes << vue.NumeroAffiche(); });
    vue.AllerImage(120);
    EXPECT_EQ(ImageMontree(), 40); // at once: the nearest kept, nearer than 0
    EXPECT_EQ(vue.NumeroImage(), 120);
    EXPECT_EQ(vue.NumeroAffiche(), 40);
    vue.repaint();
    vue.repaint(); // the same stand-in: told once
    EXPECT_EQ(comptes, QList<int>({40}));
    QTest::mouseClick(&vue, Qt::LeftButton, {}, QPoint(80, 60));
    EXPECT_EQ(vue.Mesure().NombreDePoints(), 0);
    ASSERT_TRUE(compteur.wait(10000));
    EXPECT_EQ(comptes.back(), 120);
    EXPECT_EQ(vue.NumeroAffiche(), 120);
    EXPECT_EQ(ImageMontree(), 120);
}

// A time-stamped video plays to its end with its sound or, without any, silent.
TEST_F(Vue, ContainersPlayWithOrWithoutSound)
{
    for (const OptionsVideo::Son son : {OptionsVideo::Son::Aucun, OptionsVideo::Son::Aac}) {
        OptionsVideo o;
        o.codec = OptionsVideo::Codec::H264;
        o.images = 10;
        o.conteneur = "mp4";
        o.son = son;
        o.frequence = 48000;
        const QString chemin = dossier.filePath(son == OptionsVideo::Son::Aucun ? "muette.mp4" : "son.mp4");
        ASSERT_EQ(EcrireVideo(QFile::encodeName(chemin).toStdString(), o), "");
        vue.SetFileName(chemin);
        ASSERT_TRUE(vue.Opened());
        vue.Lire(0, 9, 1);
        for (int i = 0; i < 20 && vue.Active(); ++i) {
            maintenant += 40;
            vue.Tic();
        }
        EXPECT_FALSE(vue.Active());
        EXPECT_EQ(vue.NumeroImage(), 9);
        EXPECT_EQ(ImageMontree(), 9);
    }
}

} // namespace
