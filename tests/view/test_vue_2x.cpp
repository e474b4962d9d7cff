// The view on a screen of device pixel ratio 2 (this program runs with
// QT_SCALE_FACTOR=2): what it shows and the cursors it is given.

#include "resources/UnitCurseurs.h"
#include "tests/support/VideosTest.h"
#include "view/UnitAviPlay.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

TEST(VueRatioDeux, TheControlShowsItsFrameComposedOnDevicePixels)
{
    ASSERT_EQ(qGuiApp->devicePixelRatio(), 2) << "run with QT_SCALE_FACTOR=2";
    QTemporaryDir dossier;
    const QString video = dossier.filePath("v.avi");
    ASSERT_TRUE(EcrireVideoTest(video, 4, QSize(160, 120), 25));
    TDCAVIPlay vue;
    vue.SetAutoSize(false);
    vue.resize(80, 60);
    vue.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&vue));
    vue.SetFileName(video);
    vue.AllerImage(3);
    const QImage image = vue.Composer();
    ASSERT_EQ(image.size(), QSize(160, 120));
    EXPECT_EQ(image.devicePixelRatio(), 2);
    EXPECT_EQ(LireCodeMire(image), 3);
    // On screen, device pixel for device pixel.
    const QImage ecran = vue.grab().toImage();
    EXPECT_EQ(ecran.devicePixelRatio(), 2);
    EXPECT_EQ(ecran.convertToFormat(QImage::Format_RGB32), image.convertToFormat(QImage::Format_RGB32));
}

TEST(VueRatioDeux, TheRegisteredCursorsAreTheTwiceSizedPictures)
{
    for (int n = 1; n <= Curseurs::Nombre; ++n) {
        const QPixmap pixmap = Curseurs::Curseur(n).pixmap();
        EXPECT_EQ(pixmap.devicePixelRatio(), 2) << n;
        EXPECT_EQ(pixmap.size(), QSize(64, 64)) << n;
        EXPECT_EQ(pixmap.toImage(), Curseurs::ImageCurseur(n, 2)) << n;
    }
}
