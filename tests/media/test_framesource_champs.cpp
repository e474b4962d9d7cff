// Interlaced video field by field: each field a frame of its own at twice
// the rate, shown at full height by line doubling, checked against FFmpeg's
// own decoding split by lines; and the same on kinotab-cli.

#include "media/FrameSource.h"
#include "test_framesource_reference.h"
#include "test_framesource_videos.h"

namespace {

constexpr int Images = 8;
constexpr int Clair = 230, Sombre = 25; // the band's even lines and odd lines

// The numbered pattern, with a band at the bottom whose even lines (the top
// field) are light and odd lines dark: each field has its own picture there.
void PeindreChamps(QImage& image, int index)
{
    PeindreMire(image, index);
    for (int y = image.height() * 3 / 4; y < image.height(); ++y) {
        const int v = y % 2 == 0 ? Clair : Sombre;
        auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(ligne, ligne + image.width(), qRgb(v, v, v));
    }
}

QString Camescope(const VideosDeTest& videos, bool basDAbord, OptionsVideo::Codec codec = OptionsVideo::Codec::H264)
{
    OptionsVideo o = Petite(codec, Images);
    o.conteneur = "mpegts";
    o.entrelace = true;
    o.basDAbord = basDAbord;
    o.peintre = PeindreChamps;
    const QString nom = QStringLiteral("%1-%2.ts").arg(int(codec)).arg(basDAbord ? "bas" : "haut");
    return videos.Ecrire(nom, o);
}

// The mean grey of the band in `image`.
double GrisBande(const QImage& image)
{
    double somme = 0;
    int n = 0;
    for (int y = image.height() * 3 / 4 + 2; y < image.height() - 2; ++y)
        for (int x = 4; x < image.width() - 4; ++x, ++n) somme += qGray(image.pixel(x, y));
    return n ? somme / n : -1;
}

// Line y of a field picture is line y / 2 of that field in the whole picture.
void EstLeChamp(const QImage& champ, const QImage& entiere, int parite, int image)
{
    ASSERT_EQ(champ.size(), entiere.size()) << image;
    for (int y = 0; y < champ.height(); ++y) {
        const int ligne = std::min(y / 2 * 2 + parite, entiere.height() - 2 + parite);
        ASSERT_EQ(0, std::memcmp(champ.constScanLine(y), entiere.constScanLine(ligne), std::size_t(champ.width()) * 4))
            << "picture " << image << " field " << parite << " line " << y;
    }
}

// H.264 as AVCHD camcorders film, MPEG-2 as HDV ones do.
TEST(Champs, ChaqueChampUneImageDansLOrdreDuTemps)
{
    VideosDeTest videos;
    for (const auto codec : {OptionsVideo::Codec::H264, OptionsVideo::Codec::Mpeg2})
        for (const bool basDAbord : {false, true}) {
            SCOPED_TRACE(int(codec));
            const QString chemin = Camescope(videos, basDAbord, codec);
            const DecodageFFmpeg ffmpeg = DecoderAvecFFmpeg(chemin, true);
            ASSERT_EQ(ffmpeg.Images.size(), std::size_t(Images));
            FrameSource source;
            ASSERT_TRUE(source.Ouvrir(chemin));
            EXPECT_EQ(source.Entrelace(), basDAbord ? Entrelacement::BasDAbord : Entrelacement::HautDAbord);
            const double pas = source.FrameTime();
            const int periode = source.PeriodeMs();
            EXPECT_EQ(periode, 40);
            source.FixerChamps(true);
            ASSERT_TRUE(source.Champs());
            ASSERT_EQ(source.FrameCount(), 2 * Images);
            EXPECT_DOUBLE_EQ(source.FrameTime(), pas / 2);
            EXPECT_EQ(source.PeriodeMs(), 20);
            EXPECT_EQ(source.VideoHeight(), 120);
            const int premier = basDAbord ? 1 : 0; // the lines of the field first in time
            for (int k = Images - 1; k >= 0; --k) {
                const ImageFFmpeg& f = ffmpeg.Images[std::size_t(k)];
                EXPECT_NEAR(source.TempsImage(2 * k), f.Temps, 1e-6) << k;
                EXPECT_NEAR(source.TempsImage(2 * k + 1), f.Temps + pas / 2, 1e-6) << k;
                const QImage a = source.Image(2 * k), b = source.Image(2 * k + 1);
                EstLeChamp(a, f.Rgb, premier, k);
                EstLeChamp(b, f.Rgb, 1 - premier, k);
                EXPECT_EQ(LireCodeMire(a), k);
                EXPECT_EQ(LireCodeMire(b), k);
                // The band tells the fields apart whatever the decoder did.
                EXPECT_NEAR(GrisBande(a), basDAbord ? Sombre : Clair, 20) << k;
                EXPECT_NEAR(GrisBande(b), basDAbord ? Clair : Sombre, 20) << k;
            }

            // Back to whole pictures: the frames are FFmpeg's again.
            source.FixerChamps(false);
            ASSERT_EQ(source.FrameCount(), Images);
            EXPECT_EQ(source.Image(3), ffmpeg.Images[3].Rgb);
            EXPECT_NEAR(source.TempsImage(3), ffmpeg.Images[3].Temps, 1e-6);
        }
}

TEST(Champs, TourneEtBorneCommeLesImages)
{
    VideosDeTest videos;
    const QString chemin = Camescope(videos, false);
    const QImage entiere = DecoderAvecFFmpeg(chemin, true).Images[2].Rgb;
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(chemin));
    source.FixerChamps(true);
    source.FixerRotation(90);
    // The field is doubled on the stored picture, which is then turned.
    QImage champ = entiere.copy();
    for (int y = 0; y < champ.height(); ++y)
        std::memcpy(champ.scanLine(y), entiere.constScanLine(y / 2 * 2 + 1), std::size_t(entiere.width()) * 4);
    EXPECT_EQ(source.Image(5), Redresser(champ, {1, false}));
    EXPECT_TRUE(source.Image(2 * Images).isNull());
    EXPECT_EQ(source.Borner(99), 2 * Images - 1);
    // Both fields of the picture at hand are at hand.
    EXPECT_EQ(source.ImageEnMainProche(4), 4);
    EXPECT_EQ(source.CoutImage(4), 0);
    // A new file starts with whole pictures.
    ASSERT_TRUE(source.Ouvrir(chemin));
    EXPECT_FALSE(source.Champs());
    EXPECT_EQ(source.FrameCount(), Images);
}

// An AVI's header does not say its video is interlaced: the first picture decoded does.
TEST(Champs, AviEntrelacee)
{
    VideosDeTest videos;
    OptionsVideo o = Petite(OptionsVideo::Codec::H264, Images);
    o.entrelace = true;
    o.peintre = PeindreChamps;
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(videos.Ecrire(QStringLiteral("kamera.avi"), o)));
    source.FixerChamps(true);
    EXPECT_FALSE(source.Champs()); // nothing known before a picture
    ASSERT_FALSE(source.Image(0).isNull());
    EXPECT_EQ(source.Entrelace(), Entrelacement::HautDAbord);
    source.FixerChamps(true);
    ASSERT_EQ(source.FrameCount(), 2 * Images);
    EXPECT_EQ(LireCodeMire(source.Image(5)), 2);
    EXPECT_NEAR(GrisBande(source.Image(4)), Clair, 20);
    EXPECT_NEAR(GrisBande(source.Image(5)), Sombre, 20);
    EXPECT_DOUBLE_EQ(source.TempsImage(5), 2.5 * 0.04);
}

TEST(Champs, UneVideoProgressiveGardeSesImages)
{
    VideosDeTest videos;
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(videos.Ecrire(QStringLiteral("p.mp4"), [] {
        OptionsVideo o = Petite(OptionsVideo::Codec::H264, 6);
        o.conteneur = "mp4";
        return o;
    }())));
    EXPECT_EQ(source.Entrelace(), Entrelacement::Aucun);
    source.FixerChamps(true);
    EXPECT_FALSE(source.Champs());
    EXPECT_EQ(source.FrameCount(), 6);
}

// A picture of odd height: its bottom field has one line fewer, the last repeats.
TEST(Champs, DemiImageDeHauteurImpaire)
{
    QImage image(3, 5, QImage::Format_RGB32);
    image.fill(Qt::black);
    for (int y = 0; y < 5; ++y) reinterpret_cast<QRgb*>(image.scanLine(y))[1] = qRgb(y, y, y);
    auto lignes = [](const QImage& i) {
        std::vector<int> l;
        for (int y = 0; y < i.height(); ++y) l.push_back(qRed(i.pixel(1, y)));
        return l;
    };
    EXPECT_EQ(lignes(DemiImage(image, false)), (std::vector<int>{0, 0, 2, 2, 4}));
    EXPECT_EQ(lignes(DemiImage(image, true)), (std::vector<int>{1, 1, 3, 3, 3}));
}

TEST(Champs, KinotabCliFields)
{
    VideosDeTest videos;
    const QString chemin = Camescope(videos, false);
    const DecodageFFmpeg ffmpeg = DecoderAvecFFmpeg(chemin, true);
    QString sortie, erreurs;
    ASSERT_EQ(Cli({"info", chemin, "--fields"}, &sortie, &erreurs), 0) << erreurs.toStdString();
    EXPECT_TRUE(sortie.startsWith(QStringLiteral("FrameCount %1\n").arg(2 * Images))) << sortie.toStdString();
    EXPECT_TRUE(sortie.contains(QLatin1String("\nFrameTime 0.02\n"))) << sortie.toStdString();
    ASSERT_EQ(Cli({"times", "--fields", chemin}, &sortie), 0);
    const QStringList lignes = sortie.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lignes.size(), 2 * Images);
    EXPECT_EQ(lignes[0], "0 0");
    EXPECT_EQ(lignes[1], "1 0.02");
    EXPECT_EQ(lignes[7], "7 0.14");
    const QString png = videos.Chemin(QStringLiteral("f.png"));
    ASSERT_EQ(Cli({"frame", chemin, "7", png, "--fields"}), 0);
    EstLeChamp(QImage(png).convertToFormat(QImage::Format_RGB32), ffmpeg.Images[3].Rgb, 1, 3);
    ASSERT_EQ(Cli({"frame", chemin, "7", png}), 0);
    EXPECT_EQ(LireCodeMire(QImage(png).convertToFormat(QImage::Format_RGB32)), 7);

    // A progressive video has no fields to show.
    OptionsVideo o = Petite(OptionsVideo::Codec::H264, 4);
    o.conteneur = "mp4";
    EXPECT_EQ(Cli({"info", videos.Ecrire(QStringLiteral("p.mp4"), o), "--fields"}, &sortie, &erreurs), 1);
    EXPECT_TRUE(erreurs.contains(QLatin1String("interlaced"))) << erreurs.toStdString();
}

} // namespace
