// The values the frame source derives from the stream header, the clamping
// of frame indices, and how a frame is stretched into a picture.

#include "test_framesource_videos.h"
#include "media/FrameSource.h"
#include "media/FrameSourceImage.h"

namespace {

TEST(ValeursDerivees, TailleEtTemps)
{
    VideosDeTest videos;
    OptionsVideo o = Petite(OptionsVideo::Codec::Mjpeg, 12);
    o.largeur = 320;
    o.hauteur = 240;
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(videos.Ecrire(QStringLiteral("v.avi"), o)));
    EXPECT_TRUE(source.Opened());
    EXPECT_EQ(source.FrameCount(), 12);
    EXPECT_EQ(source.ImagesAnnoncees(), 12);
    EXPECT_EQ(source.VideoWidth(), 320);
    EXPECT_EQ(source.VideoHeight(), 240);
    EXPECT_EQ(source.AspectRatio(), 320.0 / 240.0);
    EXPECT_EQ(source.FrameTime(), 0.04);
    EXPECT_EQ(source.PeriodeMs(), 40);
    EXPECT_EQ(source.StartFrame(), 0);
    EXPECT_EQ(source.StopFrame(), 11);
    EXPECT_EQ(source.Audio(), nullptr);

    source.Fermer();
    EXPECT_FALSE(source.Opened());
    EXPECT_EQ(source.FrameCount(), 0);
    EXPECT_EQ(source.VideoWidth(), 0);
    EXPECT_EQ(source.FrameTime(), 0.0);
    EXPECT_TRUE(source.Image(0).isNull());
}

// The period is rounded to whole milliseconds, halves away from zero.
TEST(ValeursDerivees, PeriodeArrondie)
{
    VideosDeTest videos;
    struct Cas {
        int echelle, cadence, periode;
        double temps;
    };
    for (const Cas c : {Cas{1, 30, 33, 1.0 / 30}, Cas{1001, 30000, 33, 1001.0 / 30000}, Cas{1, 16, 63, 1.0 / 16},
                        Cas{1, 80, 13, 1.0 / 80}}) {
        OptionsVideo o = Petite(OptionsVideo::Codec::Mjpeg, 3);
        o.echelle = c.echelle;
        o.cadence = c.cadence;
        FrameSource source;
        ASSERT_TRUE(source.Ouvrir(videos.Ecrire(QStringLiteral("p%1.avi").arg(c.cadence), o)));
        EXPECT_EQ(source.FrameTime(), c.temps) << c.cadence;
        EXPECT_EQ(source.PeriodeMs(), c.periode) << c.cadence;
    }
}

TEST(ValeursDerivees, MulDivArrondi)
{
    EXPECT_EQ(MulDivArrondi(1, 1000, 16), 63);
    EXPECT_EQ(MulDivArrondi(-1, 1000, 16), -63);
    EXPECT_EQ(MulDivArrondi(1, 1000, 3), 333);
    EXPECT_EQ(MulDivArrondi(2, 1000, 3), 667);
    EXPECT_EQ(MulDivArrondi(1, 1000, -8), -125);
    EXPECT_EQ(MulDivArrondi(5, 3, 0), 0);
    EXPECT_EQ(MulDivArrondi(3000000000LL, 3000000000LL, 1000000000LL), 9000000000LL);
}

TEST(Bornage, IndicesRamenesAuxImages)
{
    VideosDeTest videos;
    FrameSource source;
    EXPECT_EQ(source.Borner(-5), -5); // nothing is clamped without a video
    EXPECT_EQ(source.Borner(1000), 1000);
    ASSERT_TRUE(source.Ouvrir(videos.Ecrire(QStringLiteral("v.avi"), Petite(OptionsVideo::Codec::Mjpeg, 50))));
    EXPECT_EQ(source.Borner(-5), 0);
    EXPECT_EQ(source.Borner(0), 0);
    EXPECT_EQ(source.Borner(49), 49);
    EXPECT_EQ(source.Borner(53), 49);
    EXPECT_TRUE(source.Image(-1).isNull());
    EXPECT_TRUE(source.Image(50).isNull());
}

// Positions below a stream's start hold no picture; the first frame shown is the start.
TEST(Bornage, FluxQuiNeCommencePasAZero)
{
    VideosDeTest videos;
    const QString chemin = videos.Ecrire(QStringLiteral("v.avi"), Petite(OptionsVideo::Codec::Mpeg4, 40));
    ModifierStrh(chemin, ChampStrh::Debut, 5);
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(chemin));
    EXPECT_EQ(source.FrameCount(), 40);
    EXPECT_EQ(source.StartFrame(), 5);
    EXPECT_TRUE(source.Image(4).isNull());
    EXPECT_EQ(LireCodeMire(source.Image(5)), 0);
    EXPECT_EQ(LireCodeMire(source.Image(39)), 34);
    EXPECT_EQ(LireCodeMire(source.Image(20)), 15);

    ModifierStrh(chemin, ChampStrh::Debut, 1000);
    ASSERT_TRUE(source.Ouvrir(chemin));
    EXPECT_EQ(source.StartFrame(), 39);
}

TEST(Dessin, EtirementSansMelange)
{
    QImage source(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) source.setPixel(x, y, qRgb(10 * x, 100 * y, 7));
    QImage cible(9, 6, QImage::Format_RGB32);
    cible.fill(qRgb(1, 2, 3));
    Etirer(source, cible, QRect(1, 1, 7, 5));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 9; ++x) {
            const bool dedans = x >= 1 && x < 8 && y >= 1 && y < 6;
            const QRgb attendu = dedans ? source.pixel((x - 1) * 3 / 7, (y - 1) * 2 / 5) : qRgb(1, 2, 3);
            EXPECT_EQ(cible.pixel(x, y), attendu) << x << "," << y;
        }
    // A zone larger than the target: what falls inside is drawn as part of the whole.
    QImage petite(4, 4, QImage::Format_RGB32);
    Etirer(source, petite, QRect(-3, 0, 9, 4));
    EXPECT_EQ(petite.pixel(0, 0), source.pixel(1, 0));
    EXPECT_EQ(petite.pixel(3, 3), source.pixel(2, 1));
}

TEST(Dessin, ImageEtireeSurLaCible)
{
    VideosDeTest videos;
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(videos.Ecrire(QStringLiteral("v.avi"), Petite(OptionsVideo::Codec::Brut, 10))));
    const QImage image = source.Image(7);
    QImage cible(400, 300, QImage::Format_RGB32);
    cible.fill(Qt::green);
    ASSERT_TRUE(source.Dessiner(7, cible));
    for (const QPoint p : {QPoint(0, 0), QPoint(399, 299), QPoint(123, 45), QPoint(250, 210)})
        EXPECT_EQ(cible.pixel(p), image.pixel(p.x() * 160 / 400, p.y() * 120 / 300)) << p.x() << "," << p.y();

    cible.fill(Qt::green);
    EXPECT_FALSE(source.Dessiner(10, cible));
    EXPECT_EQ(cible.pixel(200, 150), QColor(Qt::green).rgb());
}

} // namespace
