// What a phone's video carries beyond its pictures: a display matrix,
// non-square pixels, its own time stamps, priming frames cut off by an edit
// list, a slow-motion tag; and the files the time-stamped road refuses.

#include "test_framesource_videos.h"
#include "media/FrameSource.h"
#include "media/FrameSourceOrientation.h"

extern "C" {
#include <libavutil/display.h>
}

#include <array>

namespace {

OptionsVideo Mp4(int images, OptionsVideo::Codec codec = OptionsVideo::Codec::H264)
{
    OptionsVideo o = Petite(codec, images);
    o.conteneur = "mp4";
    return o;
}

void VerifierCodes(FrameSource& source, int decalage = 0)
{
    for (int i = source.FrameCount() - 1; i >= 0; --i) ASSERT_EQ(LireCodeMire(source.Image(i)), i + decalage) << i;
    for (int i = 0; i < source.FrameCount(); ++i) ASSERT_EQ(LireCodeMire(source.Image(i)), i + decalage) << i;
}

struct Tour {
    int rotation;
    bool miroir;
};

class Redresse : public ::testing::TestWithParam<Tour> {};

// The picture is painted upright and stored turned back, as a phone's
// sensor stores it: read upright, the code in its corner gives the index,
// which neither a wrong turn nor a missed mirror would.
TEST_P(Redresse, ImageDroiteEtTaillesAffichees)
{
    VideosDeTest videos;
    OptionsVideo o = Mp4(12);
    o.largeur = 96; // portrait, as filmed
    o.hauteur = 160;
    o.rotation = GetParam().rotation;
    o.miroir = GetParam().miroir;
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(videos.Ecrire(QStringLiteral("portrait.mp4"), o)));
    EXPECT_EQ(source.VideoWidth(), 96);
    EXPECT_EQ(source.VideoHeight(), 160);
    EXPECT_DOUBLE_EQ(source.AspectRatio(), 0.6);
    EXPECT_EQ(source.Description().Rotation, GetParam().rotation);
    EXPECT_EQ(source.Description().Miroir, GetParam().miroir);
    VerifierCodes(source);
    QImage cible(48, 80, QImage::Format_RGB32);
    ASSERT_TRUE(source.Dessiner(3, cible));
    EXPECT_EQ(cible.pixel(47, 79), source.Image(3).pixel(94, 158));
}

INSTANTIATE_TEST_SUITE_P(Matrices, Redresse,
                         ::testing::Values(Tour{0, false}, Tour{90, false}, Tour{180, false}, Tour{270, false},
                                           Tour{90, true}, Tour{0, true}),
                         [](const auto& info) {
                             return std::to_string(info.param.rotation) + (info.param.miroir ? "Miroir" : "");
                         });

TEST(Orientation, MatricesDesTelephones)
{
    std::array<std::int32_t, 9> m{};
    av_display_rotation_set(m.data(), 90); // what a phone held upright writes
    EXPECT_EQ(OrientationDeMatrice(m.data()), (Orientation{1, false}));
    av_display_rotation_set(m.data(), -90);
    EXPECT_EQ(OrientationDeMatrice(m.data()), (Orientation{3, false}));
    av_display_rotation_set(m.data(), 180);
    EXPECT_EQ(OrientationDeMatrice(m.data()), (Orientation{2, false}));
    av_display_rotation_set(m.data(), 45); // no quarter turn: left as stored
    EXPECT_EQ(OrientationDeMatrice(m.data()), Orientation{});
    EXPECT_EQ(OrientationDeMatrice(nullptr), Orientation{});

    QImage image(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) image.setPixel(x, y, qRgb(x, y, 0));
    const QImage droite = Redresser(image, {1, false}); // a quarter turn clockwise
    ASSERT_EQ(droite.size(), QSize(2, 3));
    EXPECT_EQ(droite.pixel(0, 0), qRgb(0, 1, 0)); // the bottom-left corner comes to the top left
    EXPECT_EQ(droite.pixel(1, 2), qRgb(2, 0, 0));
    EXPECT_EQ(Redresser(image, {0, true}).pixel(0, 0), qRgb(2, 0, 0));
}

// Pixels twice as wide as high: the picture is shown twice as wide as stored.
TEST(ProportionsDesPixels, ImageAfficheeAuxBonnesProportions)
{
    VideosDeTest videos;
    OptionsVideo o = Mp4(8);
    o.pixelLarge = 2;
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(videos.Ecrire(QStringLiteral("anamorphose.mp4"), o)));
    EXPECT_EQ(source.VideoWidth(), 160);
    EXPECT_EQ(source.VideoHeight(), 120);
    EXPECT_EQ(source.Image(0).size(), QSize(160, 120));
    VerifierCodes(source);
}

// Time stamps of one's own, in milliseconds: a step of 33 ms among 40 ms
// ones, and a gap of three steps where two frames are missing.
TEST(TempsDesImages, CadenceVariableEtImagesManquantes)
{
    VideosDeTest videos;
    OptionsVideo o = Mp4(10);
    o.temps = {0, 40, 80, 113, 153, 193, 313, 353, 393, 433};
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(videos.Ecrire(QStringLiteral("vfr.mp4"), o)));
    ASSERT_EQ(source.FrameCount(), 10);
    // The nominal step comes from the average rate, which the gap slows.
    EXPECT_GT(source.FrameTime(), 0.043);
    EXPECT_LT(source.FrameTime(), 0.05);
    for (int i = 0; i < 10; ++i) EXPECT_NEAR(source.TempsImage(i), o.temps[std::size_t(i)] / 1000.0, 1e-9) << i;
    EXPECT_TRUE(source.Description().CadenceVariable);
    EXPECT_EQ(source.Description().ImagesRepetees, 2);
    VerifierCodes(source);

    // Matroska rounds 30 frames a second to whole milliseconds: still a constant rate.
    OptionsVideo m = Petite(OptionsVideo::Codec::H264, 30);
    m.conteneur = "matroska";
    m.cadence = 30;
    ASSERT_TRUE(source.Ouvrir(videos.Ecrire(QStringLiteral("30.mkv"), m)));
    EXPECT_FALSE(source.Description().CadenceVariable);
    EXPECT_EQ(source.Description().ImagesRepetees, 0);
    EXPECT_NEAR(source.TempsImage(29), 29 / 30.0, 0.001);
}

// Frames before time 0 are cut off by the edit list the muxer writes; the
// first frame shown is frame 0, at time 0.
TEST(TempsDesImages, ListeDeMontage)
{
    VideosDeTest videos;
    OptionsVideo o = Mp4(30);
    o.imagesAvant = 3;
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(videos.Ecrire(QStringLiteral("montage.mp4"), o)));
    ASSERT_EQ(source.FrameCount(), 27);
    EXPECT_EQ(source.ImagesAnnoncees(), 27);
    EXPECT_DOUBLE_EQ(source.TempsImage(0), 0.0);
    EXPECT_NEAR(source.TempsImage(26), 26 * 0.04, 1e-9);
    VerifierCodes(source, 3);
}

TEST(TempsDesImages, RalentiDesTelephones)
{
    VideosDeTest videos;
    OptionsVideo o = Mp4(6);
    o.cadence = 30;
    o.etiquettes = {{"com.android.capture.fps", "240.000000"}};
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(videos.Ecrire(QStringLiteral("ralenti.mp4"), o)));
    EXPECT_DOUBLE_EQ(source.Description().CaptureFps, 240.0);
    EXPECT_FALSE(source.Description().CadenceVariable);
    // Filmed at the rate it plays: nothing to say.
    o.etiquettes = {{"com.android.capture.fps", "30.000000"}};
    ASSERT_TRUE(source.Ouvrir(videos.Ecrire(QStringLiteral("normal.mp4"), o)));
    EXPECT_EQ(source.Description().CaptureFps, 0.0);
    EXPECT_EQ(source.Description().Conteneur, "mp4");
}

// An AVI's frames are its positions, FrameTime apart.
TEST(TempsDesImages, AviAuPasDeSonEnTete)
{
    VideosDeTest videos;
    OptionsVideo o = Petite(OptionsVideo::Codec::Mjpeg, 5);
    o.cadence = 30;
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(videos.Ecrire(QStringLiteral("a.avi"), o)));
    EXPECT_EQ(source.Description().Conteneur, "avi");
    EXPECT_EQ(source.Description().Codec, "mjpeg");
    EXPECT_EQ(source.Description().Rotation, 0);
    EXPECT_DOUBLE_EQ(source.TempsImage(4), 4.0 / 30);
    EXPECT_EQ(source.TempsImage(5), 0.0);
}

// A camera that dropped its first frame writes an empty chunk for it: the
// view shows the file's first picture there, not nothing.
TEST(AviPremierMorceauVide, PremiereImageDuFichier)
{
    VideosDeTest videos;
    const QString chemin = videos.Ecrire(QStringLiteral("vide.avi"), Petite(OptionsVideo::Codec::Mjpeg, 6));
    QByteArray d = Contenu(chemin);
    const qsizetype morceau = d.indexOf("00dc", d.indexOf("movi"));
    ASSERT_GT(morceau, 0);
    const std::uint32_t taille = std::uint8_t(d[morceau + 4]) | std::uint8_t(d[morceau + 5]) << 8 |
        std::uint8_t(d[morceau + 6]) << 16 | std::uint32_t(std::uint8_t(d[morceau + 7])) << 24;
    // The chunk emptied, its bytes turned into a JUNK chunk, its index entry emptied.
    EcrireMot(d, morceau + 4, 0);
    d.replace(morceau + 8, 4, "JUNK");
    EcrireMot(d, morceau + 12, taille - 8);
    const qsizetype entree = d.indexOf("00dc", d.lastIndexOf("idx1"));
    ASSERT_GT(entree, 0);
    EcrireMot(d, entree + 12, 0);
    Remplacer(chemin, d);

    for (const bool index : {true, false}) {
        if (!index) RetirerIndex(chemin);
        FrameSource source;
        ASSERT_TRUE(source.Ouvrir(chemin));
        ASSERT_EQ(source.FrameCount(), 6);
        EXPECT_EQ(LireCodeMire(source.Image(0)), 1) << "index " << index;
        for (int i = 1; i < 6; ++i) EXPECT_EQ(LireCodeMire(source.Image(i)), i) << i;
    }
}

TEST(ConteneursRefuses, PasUneVideoIncompletOuCoupe)
{
    VideosDeTest videos;
    FrameSource source;
    const QString texte = videos.Chemin(QStringLiteral("notes.mp4"));
    Remplacer(texte, QByteArray("Just some notes, no video here.\n").repeated(50));
    EXPECT_FALSE(source.Ouvrir(texte));
    EXPECT_EQ(source.DernierEchec(), FrameSource::Echec::PasVideo);
    EXPECT_FALSE(source.Opened());

    // The muxer writes the index last: a recording cut before has none.
    const QString mp4 = videos.Ecrire(QStringLiteral("coupe.mp4"), Mp4(20));
    // A playlist or a concatenation list that names a good video is no video:
    // nothing a file names is opened.
    const QString bonne = videos.Ecrire(QStringLiteral("bonne.mp4"), Mp4(4));
    const QString liste = videos.Chemin(QStringLiteral("liste.mp4"));
    Remplacer(liste, "ffconcat version 1.0\nfile '" + bonne.toUtf8() + "'\n");
    EXPECT_FALSE(source.Ouvrir(liste));
    EXPECT_EQ(source.DernierEchec(), FrameSource::Echec::PasVideo);
    Remplacer(liste, "#EXTM3U\n#EXT-X-TARGETDURATION:1\n#EXTINF:1,\n" + bonne.toUtf8() + "\n#EXT-X-ENDLIST\n");
    EXPECT_FALSE(source.Ouvrir(liste));
    EXPECT_EQ(source.DernierEchec(), FrameSource::Echec::PasVideo);

    const QByteArray entier = Contenu(mp4);
    const qsizetype moov = entier.indexOf("moov");
    ASSERT_GT(moov, 0);
    Tronquer(mp4, moov - 4);
    EXPECT_FALSE(source.Ouvrir(mp4));
    EXPECT_EQ(source.DernierEchec(), FrameSource::Echec::Incomplet);
    EXPECT_EQ(source.FrameCount(), 0);

    // A Matroska file cut in the middle opens with the frames it holds.
    OptionsVideo m = Petite(OptionsVideo::Codec::Mjpeg, 20);
    m.conteneur = "matroska";
    const QString mkv = videos.Ecrire(QStringLiteral("coupe.mkv"), m);
    Tronquer(mkv, Contenu(mkv).size() / 2);
    ASSERT_TRUE(source.Ouvrir(mkv));
    EXPECT_GT(source.FrameCount(), 3);
    EXPECT_LT(source.FrameCount(), 20);
    VerifierCodes(source);
}

} // namespace
