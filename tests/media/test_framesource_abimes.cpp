// Damaged and hostile AVI files, made from good ones at test time: the
// frame source must neither crash, nor show another frame's picture, nor
// lose frames whose data is there, nor take memory the header does not
// announce.

#include "test_framesource_videos.h"
#include "media/FrameSource.h"

#include <cmath>
#include <numbers>
#include <sys/stat.h>
#include <vector>

namespace {

// ---- Sound whose format changes midway --------------------------------------

// A sine of 32 samples a period at whatever rate it is encoded.
std::int16_t Sinus(std::int64_t echantillon, int)
{
    return std::int16_t(std::lround(8000 * std::sin(2 * std::numbers::pi * double(echantillon) / 32)));
}

OptionsVideo SonChangeant(int canaux, int frequence, int canauxApres, int frequenceApres)
{
    OptionsVideo o = Petite(OptionsVideo::Codec::Mjpeg, 20);
    o.son = OptionsVideo::Son::Mp2;
    o.canaux = canaux;
    o.frequence = frequence;
    o.changementSon = 10;
    o.canauxApres = canauxApres;
    o.frequenceApres = frequenceApres;
    o.echantillon = Sinus;
    return o;
}

// Every sample from the stream's start, read in order in small pieces as
// the sound player reads them.
std::vector<std::int16_t> ToutLire(SourceAudio& son)
{
    const int canaux = son.Format().Canaux;
    std::vector<std::int16_t> tout, tampon(std::size_t(1024 * canaux));
    for (std::int64_t premier = son.Debut();;) {
        const std::int64_t lus = son.Lire(premier, 1024, std::as_writable_bytes(std::span(tampon)));
        if (lus <= 0) break;
        tout.insert(tout.end(), tampon.begin(), tampon.begin() + lus * canaux);
        premier += lus;
    }
    return tout;
}

// Samples between rising zero crossings of channel `canal`, on average, over
// the samples [debut, fin).
double Periode(const std::vector<std::int16_t>& s, int canaux, int canal, std::size_t debut, std::size_t fin)
{
    std::vector<std::size_t> montees;
    for (std::size_t i = debut + 1; i < fin; ++i)
        if (s[(i - 1) * canaux + canal] < 0 && s[i * canaux + canal] >= 0) montees.push_back(i);
    if (montees.size() < 2) return 0;
    return double(montees.back() - montees.front()) / double(montees.size() - 1);
}

TEST(SonAbime, StereoPuisMono)
{
    VideosDeTest videos;
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(videos.Ecrire(QStringLiteral("v.avi"), SonChangeant(2, 32000, 1, 32000))));
    SourceAudio* son = source.Audio();
    ASSERT_NE(son, nullptr);
    EXPECT_EQ(son->Format(), (FormatAudio{2, 32000, 16}));
    const std::vector<std::int16_t> s = ToutLire(*son);
    // 0.8 s in all, the change at 0.4 s; the mono half sounds on both channels.
    ASSERT_GT(s.size() / 2, std::size_t(24000));
    for (const int canal : {0, 1}) {
        EXPECT_NEAR(Periode(s, 2, canal, 2000, 12000), 32, 0.5);
        EXPECT_NEAR(Periode(s, 2, canal, 14000, 24000), 32, 0.5) << canal;
    }
}

TEST(SonAbime, ChangementDeFrequenceAVitesseJuste)
{
    VideosDeTest videos;
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(videos.Ecrire(QStringLiteral("v.avi"), SonChangeant(1, 32000, 2, 48000))));
    SourceAudio* son = source.Audio();
    ASSERT_NE(son, nullptr);
    EXPECT_EQ(son->Format(), (FormatAudio{1, 32000, 16}));
    const std::vector<std::int16_t> s = ToutLire(*son);
    ASSERT_GT(s.size(), std::size_t(24000));
    EXPECT_NEAR(Periode(s, 1, 0, 2000, 12000), 32, 0.5);
    // 32 samples at 48 kHz last 21.3 samples at 32 kHz.
    EXPECT_NEAR(Periode(s, 1, 0, 16000, 24000), 32.0 * 32000 / 48000, 0.5);
}

// ---- An index that calls every chunk a keyframe ---------------------------

TEST(IndexMenteur, ChaqueMorceauDitCleJamaisUneAutreImage)
{
    VideosDeTest videos;
    for (const OptionsVideo::Codec codec : {OptionsVideo::Codec::Mpeg4, OptionsVideo::Codec::H264}) {
        const QString chemin = videos.Ecrire(QStringLiteral("v%1.avi").arg(int(codec)), Petite(codec, 50));
        ToutesClesDansLIndex(chemin);
        FrameSource source;
        ASSERT_TRUE(source.Ouvrir(chemin));
        ASSERT_EQ(source.FrameCount(), 50);
        for (int i = 0; i < 50; ++i) ASSERT_EQ(LireCodeMire(source.Image(i)), i) << int(codec) << " frame " << i;
        // And in any order, from a fresh source.
        FrameSource autre;
        ASSERT_TRUE(autre.Ouvrir(chemin));
        for (const int i : {37, 5, 49, 20, 19, 0, 44, 13})
            ASSERT_EQ(LireCodeMire(autre.Image(i)), i) << int(codec) << " frame " << i;
    }
}

// ---- Not a regular file -----------------------------------------------------

TEST(PasUnFichier, TubeOuPeripheriqueRefusesSansAttendre)
{
    VideosDeTest videos;
    const QString tube = videos.Chemin(QStringLiteral("tube.avi"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(tube).constData(), 0600), 0);
    FrameSource source;
    EXPECT_FALSE(source.Ouvrir(tube)); // an open would wait for a writer
    EXPECT_EQ(source.DernierEchec(), FrameSource::Echec::Illisible);
    EXPECT_FALSE(source.Ouvrir(QStringLiteral("/dev/zero")));
    EXPECT_EQ(source.DernierEchec(), FrameSource::Echec::Illisible);
}

// ---- Pictures larger than the header says ----------------------------------

// Frame i is one flat grey, 8 * i.
void Gris(QImage& image, int i)
{
    image.fill(qRgb(8 * i, 8 * i, 8 * i));
}

TEST(TailleMensongere, ImagesRameneesALaTailleDeLEnTete)
{
    VideosDeTest videos;
    OptionsVideo o = Petite(OptionsVideo::Codec::Mjpeg, 12);
    o.largeur = 640;
    o.hauteur = 480;
    o.peintre = Gris;
    const QString chemin = videos.Ecrire(QStringLiteral("v.avi"), o);
    PretendreTaille(chemin, 32, 24);
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(chemin));
    ASSERT_EQ(source.VideoWidth(), 32);
    for (int i = 0; i < 12; ++i) {
        const QImage image = source.Image(i);
        ASSERT_EQ(image.size(), QSize(32, 24)) << i;
        EXPECT_NEAR(qGray(image.pixel(16, 12)), 8 * i, 3) << i;
    }
    // The cache holds pictures of the header's size: a few kB each, not the
    // 450 kB a 640 x 480 picture takes.
    EXPECT_LT(source.CachePic(), std::size_t(12 * 16 * 1024));
}

TEST(TailleMensongere, ImageAuDelaDeLaLimiteRefusee)
{
    VideosDeTest videos;
    OptionsVideo o = Petite(OptionsVideo::Codec::Mjpeg, 3);
    o.largeur = 8200;
    o.hauteur = 16;
    o.peintre = Gris;
    const QString chemin = videos.Ecrire(QStringLiteral("v.avi"), o);
    PretendreTaille(chemin, 32, 24);
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(chemin));
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(source.Image(i).isNull()) << i;
}

// ---- Index cut, chunk headers damaged, OpenDML forms -------------------------

OptionsVideo AvecPcm(OptionsVideo::Codec codec, int images)
{
    OptionsVideo o = Petite(codec, images);
    o.son = OptionsVideo::Son::Pcm;
    return o;
}

void VerifierToutes(FrameSource& source, int images, const char* cas)
{
    ASSERT_EQ(source.FrameCount(), images) << cas;
    EXPECT_EQ(source.ImagesAnnoncees(), images) << cas;
    for (int i = images - 1; i >= 0; --i) ASSERT_EQ(LireCodeMire(source.Image(i)), i) << cas << " frame " << i;
    ASSERT_NE(source.Audio(), nullptr) << cas;
    EXPECT_EQ(source.Audio()->Longueur(), images * 882) << cas;
}

// The file's index cut after its 30th entry, every frame's data there.
TEST(IndexCoupe, CompleteParLesMorceauxQuiSuivent)
{
    VideosDeTest videos;
    for (const OptionsVideo::Codec codec : {OptionsVideo::Codec::Mjpeg, OptionsVideo::Codec::Mpeg4}) {
        const QString chemin = videos.Ecrire(QStringLiteral("v%1.avi").arg(int(codec)), AvecPcm(codec, 51));
        Remplacer(chemin, SansIndexOpenDml(Contenu(chemin)));
        const QByteArray d = Contenu(chemin);
        Tronquer(chemin, DebutIdx1(d) + 16 * 30 + 7);
        FrameSource source;
        ASSERT_TRUE(source.Ouvrir(chemin));
        VerifierToutes(source, 51, "idx1");
    }
}

// The header of the chunk of frame 10 with a size that cannot be right: that
// frame has no picture, every other one is exact, the sound is all there.
TEST(MorceauAbime, LesImagesSuivantesRestent)
{
    VideosDeTest videos;
    for (const std::uint32_t taille : {0u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        const QString chemin = videos.Ecrire(QStringLiteral("v.avi"), AvecPcm(OptionsVideo::Codec::Mjpeg, 30));
        RetirerIndex(chemin);
        QByteArray d = SansIndexOpenDml(Contenu(chemin));
        qsizetype morceau = d.indexOf("movi");
        for (int i = 0; i <= 10; ++i) morceau = d.indexOf("00dc", morceau + 4);
        EcrireMot(d, morceau + 4, taille);
        Remplacer(chemin, d);
        FrameSource source;
        ASSERT_TRUE(source.Ouvrir(chemin)) << taille;
        ASSERT_EQ(source.FrameCount(), 30) << taille;
        for (int i = 29; i >= 0; --i) {
            if (i == 10)
                EXPECT_TRUE(source.Image(i).isNull()) << taille;
            else
                ASSERT_EQ(LireCodeMire(source.Image(i)), i) << taille << " frame " << i;
        }
        ASSERT_NE(source.Audio(), nullptr);
        EXPECT_EQ(source.Audio()->Longueur(), 30 * 882) << taille;
    }
}

TEST(EnTeteAbime, ListeDEnTeteDeTailleFausse)
{
    VideosDeTest videos;
    for (const std::uint32_t taille : {4u, 100u, 0xFFFFFFF0u}) {
        const QString chemin = videos.Ecrire(QStringLiteral("v.avi"), AvecPcm(OptionsVideo::Codec::Mjpeg, 20));
        QByteArray d = Contenu(chemin);
        const qsizetype hdrl = d.indexOf("hdrl");
        EcrireMot(d, hdrl - 4, taille);
        Remplacer(chemin, d);
        FrameSource source;
        ASSERT_TRUE(source.Ouvrir(chemin)) << taille;
        VerifierToutes(source, 20, "hdrl");
    }
}

TEST(OpenDml, DeuxFormesEtUneExtensionDeTailleNulle)
{
    VideosDeTest videos;
    const QString chemin = videos.Ecrire(QStringLiteral("v.avi"), AvecPcm(OptionsVideo::Codec::Mjpeg, 30));
    const QByteArray odml = EnOpenDml(Contenu(chemin), 12);
    ASSERT_FALSE(odml.isEmpty());
    Remplacer(chemin, odml);
    {
        FrameSource source;
        ASSERT_TRUE(source.Ouvrir(chemin));
        VerifierToutes(source, 30, "AVIX");
    }
    QByteArray d = odml;
    const qsizetype avix = d.indexOf("AVIX");
    ASSERT_GT(avix, 0);
    EcrireMot(d, avix - 4, 0);
    Remplacer(chemin, d);
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(chemin));
    VerifierToutes(source, 30, "AVIX 0");
}

} // namespace
