// Files as phones, cameras and browsers leave them: VP9 hidden frames in
// packets of their own, frames that share a time stamp, an AVI with dropped
// frames or cut inside its last chunk, a wrong rotation tag, interlaced
// H.264 in MPEG-TS. Each is checked against FFmpeg's own decoding: the
// count, the pictures (by the number drawn into each) and the times.

#include "media/FrameSource.h"
#include "test_framesource_reference.h"
#include "test_framesource_videos.h"
#include "tools/VideoRemux.h"

namespace {

std::string Nom(const QString& chemin)
{
    return QFile::encodeName(chemin).toStdString();
}

// The frame source shows what FFmpeg shows: as many frames, the same
// pictures in the same order, at the same times.
void CommeFFmpeg(FrameSource& source, const DecodageFFmpeg& ffmpeg)
{
    ASSERT_EQ(source.FrameCount(), int(ffmpeg.Images.size()));
    for (int i = source.FrameCount() - 1; i >= 0; --i) {
        EXPECT_EQ(LireCodeMire(source.Image(i)), ffmpeg.Images[std::size_t(i)].Code) << i;
        EXPECT_NEAR(source.TempsImage(i), ffmpeg.Images[std::size_t(i)].Temps, 1e-6) << i;
    }
}

// The video the writer makes of `o`, copied into `nom` with the changes `r` asks for.
QString Remuxee(const VideosDeTest& videos, const QString& nom, const OptionsVideo& o, const OptionsRemux& r)
{
    const QString original = videos.Ecrire(QStringLiteral("original.") + nom.section(u'.', -1), o);
    const QString chemin = videos.Chemin(nom);
    EXPECT_EQ(Remuxer(Nom(original), Nom(chemin), r), "");
    return chemin;
}

void CodesDansLOrdre(const DecodageFFmpeg& ffmpeg)
{
    for (std::size_t i = 0; i < ffmpeg.Images.size(); ++i) ASSERT_EQ(ffmpeg.Images[i].Code, int(i)) << i;
}

TEST(ImagesCachees, Vp9SeulesLesImagesMontreesComptent)
{
    VideosDeTest videos;
    OptionsVideo o = Petite(OptionsVideo::Codec::Vp9, 30);
    o.conteneur = "webm";
    o.deuxPasses = true; // alternate reference frames
    OptionsRemux r;
    r.separerSuperImages = true;
    const QString chemin = Remuxee(videos, QStringLiteral("cachees.webm"), o, r);
    const DecodageFFmpeg ffmpeg = DecoderAvecFFmpeg(chemin);
    ASSERT_EQ(ffmpeg.Images.size(), 30u);
    ASSERT_GT(ffmpeg.Paquets, 30) << "no hidden frame in a packet of its own";
    CodesDansLOrdre(ffmpeg);
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(chemin));
    CommeFFmpeg(source, ffmpeg);
    EXPECT_FALSE(source.Description().CadenceVariable);
    EXPECT_EQ(source.Description().ImagesRepetees, 0);
}

// A browser's recorder often gives two frames one time stamp: both are
// kept, in decoding order, each at the time the file gives it.
TEST(TempsPartages, ImagesGardeesDansLOrdreDeDecodage)
{
    VideosDeTest videos;
    OptionsVideo o = Petite(OptionsVideo::Codec::Vp9, 20);
    o.conteneur = "webm";
    OptionsRemux r;
    r.temps = [dernier = std::int64_t(0)](int index, std::int64_t pts) mutable {
        if (index % 2 == 0) dernier = pts; // every odd frame at the time of the one before
        return dernier;
    };
    const QString chemin = Remuxee(videos, QStringLiteral("partages.webm"), o, r);
    const DecodageFFmpeg ffmpeg = DecoderAvecFFmpeg(chemin);
    ASSERT_EQ(ffmpeg.Images.size(), 20u);
    CodesDansLOrdre(ffmpeg);
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(chemin));
    CommeFFmpeg(source, ffmpeg);
    for (int i = 1; i < 20; ++i) {
        EXPECT_EQ(source.TempsImage(i) == source.TempsImage(i - 1), i % 2 == 1) << i;
        EXPECT_FALSE(source.ImageRepetee(i)) << i; // each picture is its own
    }
    EXPECT_TRUE(source.Description().CadenceVariable);
    EXPECT_EQ(source.Description().ImagesRepetees, 10);
    // kinotab-cli counts them, and its times never go back.
    QString sortie;
    ASSERT_EQ(Cli({QStringLiteral("info"), chemin}, &sortie), 0);
    EXPECT_TRUE(sortie.contains(QLatin1String("\nVariableRate yes\n"))) << sortie.toStdString();
    EXPECT_TRUE(sortie.contains(QLatin1String("\nRepeatedFrames 10\n"))) << sortie.toStdString();
    ASSERT_EQ(Cli({QStringLiteral("times"), chemin}, &sortie), 0);
    const QStringList lignes = sortie.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lignes.size(), 20);
    for (qsizetype i = 1; i < lignes.size(); ++i)
        EXPECT_LE(lignes[i - 1].section(u' ', 1).toDouble(), lignes[i].section(u' ', 1).toDouble()) << i;
}

// The chunks of the given frames emptied, as a camera that dropped them
// writes them, and their index entries too.
void ViderMorceaux(const QString& chemin, std::initializer_list<int> images)
{
    QByteArray d = Contenu(chemin);
    std::vector<qsizetype> morceaux;
    for (qsizetype pos = d.indexOf("movi") + 4; pos + 8 <= d.size() && d.mid(pos, 4) != "idx1";) {
        const qsizetype taille = qsizetype(std::uint8_t(d[pos + 4]) | std::uint8_t(d[pos + 5]) << 8 |
                                           std::uint8_t(d[pos + 6]) << 16 | std::uint8_t(d[pos + 7]) << 24);
        if (d.mid(pos, 4) == "00dc") morceaux.push_back(pos);
        pos += 8 + taille + (taille & 1);
    }
    std::vector<qsizetype> entrees;
    const qsizetype idx1 = DebutIdx1(d);
    ASSERT_GT(idx1, 0);
    for (qsizetype e = idx1; e + 16 <= d.size(); e += 16)
        if (d.mid(e, 4) == "00dc") entrees.push_back(e);
    for (const int i : images) {
        ASSERT_LT(std::size_t(i), morceaux.size());
        ASSERT_LT(std::size_t(i), entrees.size());
        const qsizetype m = morceaux[std::size_t(i)];
        const std::uint32_t taille = std::uint8_t(d[m + 4]) | std::uint8_t(d[m + 5]) << 8 |
            std::uint8_t(d[m + 6]) << 16 | std::uint32_t(std::uint8_t(d[m + 7])) << 24;
        // The chunk's bytes become a JUNK chunk after the empty one.
        EcrireMot(d, m + 4, 0);
        d.replace(m + 8, 4, "JUNK");
        EcrireMot(d, m + 12, taille - 8);
        EcrireMot(d, entrees[std::size_t(i)] + 12, 0);
    }
    Remplacer(chemin, d);
}

TEST(AviMorceauxVides, ImagesRepeteesALeurPlace)
{
    VideosDeTest videos;
    const QString chemin = videos.Ecrire(QStringLiteral("v.avi"), Petite(OptionsVideo::Codec::Mjpeg, 12));
    ViderMorceaux(chemin, {3, 7, 8});
    for (const bool index : {true, false}) {
        if (!index) RetirerIndex(chemin);
        const DecodageFFmpeg ffmpeg = DecoderAvecFFmpeg(chemin);
        ASSERT_EQ(ffmpeg.Images.size(), 9u) << index;
        FrameSource source;
        ASSERT_TRUE(source.Ouvrir(chemin));
        ASSERT_EQ(source.FrameCount(), 12) << index;
        EXPECT_EQ(source.Description().ImagesRepetees, 3) << index;
        // Every picture FFmpeg shows is at its own position and time.
        for (const ImageFFmpeg& f : ffmpeg.Images) {
            EXPECT_EQ(LireCodeMire(source.Image(f.Code)), f.Code) << index;
            EXPECT_NEAR(source.TempsImage(f.Code), f.Temps, 1e-9) << index;
        }
        // A dropped frame repeats the picture before, at its own time.
        for (int i = 0; i < 12; ++i) {
            const bool vide = i == 3 || i == 7 || i == 8;
            EXPECT_EQ(source.ImageRepetee(i), vide) << i;
            EXPECT_EQ(LireCodeMire(source.Image(i)), i == 3 ? 2 : i == 7 || i == 8 ? 6 : i) << i;
            EXPECT_DOUBLE_EQ(source.TempsImage(i), i * source.FrameTime()) << i;
        }
    }
}

// A recording cut inside the chunk of its last frame: FFmpeg makes a
// picture of what there is, and so does the frame source.
TEST(AviCoupe, DernierMorceauEntame)
{
    VideosDeTest videos;
    const QString chemin = videos.Ecrire(QStringLiteral("v.avi"), Petite(OptionsVideo::Codec::Mjpeg, 10));
    const QByteArray d = Contenu(chemin);
    const qsizetype dernier = d.lastIndexOf("00dc", d.lastIndexOf("idx1") - 1);
    ASSERT_GT(dernier, 0);
    const qsizetype taille = qsizetype(std::uint8_t(d[dernier + 4]) | std::uint8_t(d[dernier + 5]) << 8 |
                                       std::uint8_t(d[dernier + 6]) << 16);
    Tronquer(chemin, dernier + 8 + taille * 3 / 4);
    const DecodageFFmpeg ffmpeg = DecoderAvecFFmpeg(chemin);
    ASSERT_EQ(ffmpeg.Images.size(), 10u);
    CodesDansLOrdre(ffmpeg);
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(chemin));
    EXPECT_EQ(source.ImagesAnnoncees(), 10);
    CommeFFmpeg(source, ffmpeg);
}

// A camcorder's interlaced H.264 in MPEG-TS: a frame is a field pair, as
// FFmpeg shows it.
TEST(Entrelace, H264EnMpegTs)
{
    VideosDeTest videos;
    OptionsVideo o = Petite(OptionsVideo::Codec::H264, 25);
    o.conteneur = "mpegts";
    o.entrelace = true;
    const QString chemin = videos.Ecrire(QStringLiteral("camescope.ts"), o);
    const DecodageFFmpeg ffmpeg = DecoderAvecFFmpeg(chemin);
    ASSERT_EQ(ffmpeg.Images.size(), 25u);
    CodesDansLOrdre(ffmpeg);
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(chemin));
    EXPECT_EQ(source.Description().Conteneur, "mpegts");
    CommeFFmpeg(source, ffmpeg);
}

// A phone that wrote a quarter turn for a picture stored upright: the
// turn the user chooses replaces the file's.
TEST(RotationForcee, RemplaceLaMatriceDuFichier)
{
    VideosDeTest videos;
    OptionsVideo o = Petite(OptionsVideo::Codec::H264, 12);
    o.conteneur = "mp4";
    OptionsRemux r;
    r.rotation = 90;
    const QString chemin = Remuxee(videos, QStringLiteral("faux.mp4"), o, r);
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(chemin));
    EXPECT_EQ(source.Description().Rotation, 90);
    EXPECT_EQ(source.Rotation(), 90);
    EXPECT_EQ(source.RotationForcee(), -1);
    EXPECT_EQ(source.Image(2).size(), QSize(120, 160));

    source.FixerRotation(0);
    EXPECT_EQ(source.VideoWidth(), 160);
    EXPECT_EQ(source.VideoHeight(), 120);
    EXPECT_EQ(source.Description().Rotation, 90); // what the file says is still said
    CommeFFmpeg(source, DecoderAvecFFmpeg(chemin));
    const QImage droiteImage = source.Image(5);

    source.FixerRotation(270);
    EXPECT_EQ(source.Rotation(), 270);
    EXPECT_EQ(source.VideoWidth(), 120);
    EXPECT_EQ(source.Image(5), Redresser(droiteImage, {3, false}));
    source.FixerRotation(180);
    EXPECT_EQ(source.Image(5), droiteImage.mirrored(true, true));
    source.FixerRotation(-1);
    EXPECT_EQ(source.Image(5), Redresser(droiteImage, {1, false}));

    // An AVI, which has no tag, turns the same way.
    FrameSource avi;
    ASSERT_TRUE(avi.Ouvrir(videos.Ecrire(QStringLiteral("v.avi"), Petite(OptionsVideo::Codec::Mjpeg, 4))));
    avi.FixerRotation(90);
    EXPECT_EQ(avi.VideoWidth(), 120);
    EXPECT_EQ(avi.VideoHeight(), 160);
    EXPECT_EQ(avi.Image(1).size(), QSize(120, 160));
}

} // namespace
