// Files the frame source must refuse without crashing, and a file cut short
// that it opens with the frames it still holds.

#include "test_framesource_videos.h"
#include "media/FrameSource.h"

#include <random>

namespace {

void VerifierFermee(FrameSource& source, const QString& chemin, FrameSource::Echec attendu)
{
    EXPECT_FALSE(source.Ouvrir(chemin)) << chemin.toStdString();
    EXPECT_EQ(source.DernierEchec(), attendu) << chemin.toStdString();
    EXPECT_FALSE(source.Opened());
    EXPECT_EQ(source.FrameCount(), 0);
    EXPECT_EQ(source.VideoHeight(), 0);
    EXPECT_TRUE(source.Image(0).isNull());
    EXPECT_EQ(source.Audio(), nullptr);
}

class FichiersRefuses : public ::testing::Test {
protected:
    QString Bonne(const QString& nom)
    {
        OptionsVideo o = Petite(OptionsVideo::Codec::Mjpeg, 10);
        o.son = OptionsVideo::Son::Pcm;
        return videos_.Ecrire(nom, o);
    }
    VideosDeTest videos_;
    FrameSource source_;
};

TEST_F(FichiersRefuses, AbsentVideOuQuelconque)
{
    VerifierFermee(source_, videos_.Chemin(QStringLiteral("absent.avi")), FrameSource::Echec::Introuvable);
    VerifierFermee(source_, videos_.Chemin(QString()), FrameSource::Echec::Illisible); // the folder itself

    // No RIFF AVI, and no container FFmpeg knows either.
    const QString vide = videos_.Chemin(QStringLiteral("vide.avi"));
    Remplacer(vide, {});
    VerifierFermee(source_, vide, FrameSource::Echec::PasVideo);

    std::mt19937 g(3);
    QByteArray octets(65536, 0);
    for (char& c : octets) c = char(g());
    const QString hasard = videos_.Chemin(QStringLiteral("hasard.avi"));
    Remplacer(hasard, octets);
    VerifierFermee(source_, hasard, FrameSource::Echec::PasVideo);
    // The same bytes behind a RIFF AVI header.
    octets.replace(0, 12,
                   QByteArray("RIFF\xf8\xff\x00\x00"
                              "AVI ",
                              12));
    Remplacer(hasard, octets);
    VerifierFermee(source_, hasard, FrameSource::Echec::PasAvi);
}

TEST_F(FichiersRefuses, CoupeAvantLaPremiereImage)
{
    const QString chemin = Bonne(QStringLiteral("v.avi"));
    const QByteArray d = Contenu(chemin);
    const qsizetype movi = d.indexOf("movi");
    ASSERT_GT(movi, 0);
    Tronquer(chemin, movi + 4);
    VerifierFermee(source_, chemin, FrameSource::Echec::SansImage);
    // Inside the video stream's description: FFmpeg cannot read the header.
    Tronquer(chemin, d.indexOf("strf"));
    VerifierFermee(source_, chemin, FrameSource::Echec::PasAvi);
    // Before any stream list.
    Tronquer(chemin, 40);
    VerifierFermee(source_, chemin, FrameSource::Echec::SansVideo);
}

TEST_F(FichiersRefuses, SansFluxVideo)
{
    const QString chemin = Bonne(QStringLiteral("v.avi"));
    QByteArray d = Contenu(chemin);
    d.replace(d.indexOf("vids"), 4, "dats");
    Remplacer(chemin, d);
    VerifierFermee(source_, chemin, FrameSource::Echec::SansVideo);
}

TEST_F(FichiersRefuses, CadenceEchelleOuHauteurNulles)
{
    for (const ChampStrh champ : {ChampStrh::Cadence, ChampStrh::Echelle, ChampStrh::Bas}) {
        const QString chemin = Bonne(QStringLiteral("v%1.avi").arg(int(champ)));
        ModifierStrh(chemin, champ, 0);
        VerifierFermee(source_, chemin, FrameSource::Echec::EnTeteInvalide);
    }
}

TEST_F(FichiersRefuses, UneBonneVideoApresUnEchec)
{
    VerifierFermee(source_, videos_.Chemin(QStringLiteral("absent.avi")), FrameSource::Echec::Introuvable);
    ASSERT_TRUE(source_.Ouvrir(Bonne(QStringLiteral("v.avi"))));
    EXPECT_EQ(source_.DernierEchec(), FrameSource::Echec::Aucun);
    EXPECT_EQ(LireCodeMire(source_.Image(9)), 9);
    ASSERT_NE(source_.Audio(), nullptr);
}

// An index entry whose size cannot be right (FFmpeg keeps it negative): the
// chunks are walked instead, and every frame is still exact.
TEST(IndexAbime, TailleImpossible)
{
    VideosDeTest videos;
    const QString chemin = videos.Ecrire(QStringLiteral("v.avi"), Petite(OptionsVideo::Codec::Mpeg4, 24));
    QByteArray d = Contenu(chemin);
    const qsizetype idx1 = ChercherMorceau(d, "idx1", d.indexOf("movi"));
    ASSERT_GT(idx1, 0);
    EcrireMot(d, idx1 + 16 * 11 + 12, 0x2C000012);
    Remplacer(chemin, d);
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(chemin));
    EXPECT_EQ(source.FrameCount(), 24);
    for (int i = 23; i >= 0; --i) ASSERT_EQ(LireCodeMire(source.Image(i)), i);
}

// A file copied incompletely: no index, the data stops in the middle of a
// chunk. It opens with the frames whose chunks are whole; FrameCount counts
// those, ImagesAnnoncees what the header promised.
TEST(FichierCoupe, MjpegEtSon)
{
    VideosDeTest videos;
    OptionsVideo o = Petite(OptionsVideo::Codec::Mjpeg, 40);
    o.son = OptionsVideo::Son::Pcm;
    const QString chemin = videos.Ecrire(QStringLiteral("v.avi"), o);
    Tronquer(chemin, Contenu(chemin).size() * 55 / 100);
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(chemin));
    EXPECT_EQ(source.ImagesAnnoncees(), 40);
    EXPECT_GT(source.FrameCount(), 15);
    EXPECT_LT(source.FrameCount(), 25);
    EXPECT_EQ(source.StopFrame(), source.FrameCount() - 1);
    for (int i = source.FrameCount() - 1; i >= 0; --i) ASSERT_EQ(LireCodeMire(source.Image(i)), i);

    SourceAudio* son = source.Audio();
    ASSERT_NE(son, nullptr);
    EXPECT_LT(son->Longueur(), 40 * 882);
    EXPECT_GT(son->Longueur(), 15 * 882);
    std::vector<std::int16_t> tampon(100);
    const std::int64_t premier = son->Longueur() - 100;
    ASSERT_EQ(son->Lire(premier, 100, std::as_writable_bytes(std::span(tampon))), 100);
    EXPECT_EQ(tampon[99], EchantillonRampe(premier + 99, 0));
}

// With reordering, a picture whose place depends on a chunk cut off is left
// out rather than shown at another frame's place.
TEST(FichierCoupe, ImagesReordonnees)
{
    VideosDeTest videos;
    for (const OptionsVideo::Codec codec : {OptionsVideo::Codec::Mpeg4, OptionsVideo::Codec::H264}) {
        OptionsVideo o = Petite(codec, 40);
        o.gopOuvert = true;
        const QString chemin = videos.Ecrire(QStringLiteral("v%1.avi").arg(int(codec)), o);
        const QByteArray d = Contenu(chemin);
        for (const int pourcent : {50, 61, 73, 86}) {
            Tronquer(chemin, d.size() * pourcent / 100);
            FrameSource source;
            ASSERT_TRUE(source.Ouvrir(chemin));
            int montrees = 0;
            for (int i = source.FrameCount() - 1; i >= 0; --i) {
                const QImage image = source.Image(i);
                if (image.isNull()) continue;
                ++montrees;
                ASSERT_EQ(LireCodeMire(image), i) << pourcent << "% frame " << i;
            }
            EXPECT_GE(montrees, source.FrameCount() - 3) << pourcent;
            Remplacer(chemin, d);
        }
    }
}

} // namespace
