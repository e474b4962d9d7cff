// Frame-exact access on time-stamped containers: every codec a phone or a
// camera writes, each frame showing its own index, read back from the
// pixels forward, backward and at random.

#include "test_framesource_videos.h"
#include "media/FrameSource.h"

#include <QFile>
#include <algorithm>
#include <random>
#include <vector>

namespace {

struct Conteneur {
    const char* nom;
    const char* muxeur;
    const char* extension;
    OptionsVideo::Codec codec;
    bool gopOuvert;
    bool dixBits;
    const char* codecLu;
};

void PrintTo(const Conteneur& c, std::ostream* os)
{
    *os << c.nom;
}

class AccesConteneur : public ::testing::TestWithParam<Conteneur> {
protected:
    static constexpr int Images = 40;

    void SetUp() override
    {
        const Conteneur& c = GetParam();
        OptionsVideo o = Petite(c.codec, Images);
        o.conteneur = c.muxeur;
        o.gop = 12;
        o.gopOuvert = c.gopOuvert;
        o.dixBits = c.dixBits;
        chemin_ = videos_.Chemin(QStringLiteral("v.") + c.extension);
        const std::string erreur = EcrireVideo(QFile::encodeName(chemin_).toStdString(), o);
        if (erreur.rfind("no encoder", 0) == 0) GTEST_SKIP() << erreur;
        ASSERT_EQ(erreur, "");
    }

    void Ouvrir(FrameSource& source) const
    {
        ASSERT_TRUE(source.Ouvrir(chemin_)) << int(source.DernierEchec());
        ASSERT_EQ(source.FrameCount(), Images);
        EXPECT_EQ(source.ImagesAnnoncees(), Images);
        EXPECT_EQ(source.VideoWidth(), 160);
        EXPECT_EQ(source.VideoHeight(), 120);
        EXPECT_DOUBLE_EQ(source.FrameTime(), 0.04);
        EXPECT_EQ(source.PeriodeMs(), 40);
        EXPECT_EQ(source.Description().Codec, GetParam().codecLu);
    }

    static void Verifier(FrameSource& source, const std::vector<int>& ordre)
    {
        for (const int i : ordre) {
            const QImage image = source.Image(i);
            ASSERT_FALSE(image.isNull()) << "frame " << i;
            ASSERT_EQ(image.size(), QSize(160, 120));
            ASSERT_EQ(LireCodeMire(image), i) << "frame " << i;
        }
    }

    VideosDeTest videos_;
    QString chemin_;
};

std::vector<int> Suite(int premier, int dernier)
{
    std::vector<int> v;
    const int pas = premier <= dernier ? 1 : -1;
    for (int i = premier; i != dernier + pas; i += pas) v.push_back(i);
    return v;
}

std::vector<int> Hasard(int n, int images, unsigned graine)
{
    std::mt19937 g(graine);
    std::uniform_int_distribution<int> d(0, images - 1);
    std::vector<int> ordre(static_cast<std::size_t>(n));
    for (int& i : ordre) i = d(g);
    return ordre;
}

TEST_P(AccesConteneur, EnAvantPuisEnArriere)
{
    FrameSource source;
    ASSERT_NO_FATAL_FAILURE(Ouvrir(source));
    Verifier(source, Suite(0, Images - 1));
    Verifier(source, Suite(Images - 1, 0));
    for (int i = 0; i < Images; ++i) ASSERT_DOUBLE_EQ(source.TempsImage(i), i * 0.04) << i;
}

// Without a cache every frame is decoded again from its keyframe: jumps,
// leading pictures of open GOPs and steps back all come from the decoder.
TEST_P(AccesConteneur, AuHasardSansCache)
{
    FrameSource source;
    source.FixerBudgetCache(0);
    ASSERT_NO_FATAL_FAILURE(Ouvrir(source));
    Verifier(source, Hasard(40, Images, 5));
    Verifier(source, Suite(30, 10));
    Verifier(source, Suite(10, 25));
    EXPECT_EQ(source.CachePic(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Codecs, AccesConteneur,
    ::testing::Values(Conteneur{"Mp4H264GopOuvert", "mp4", "mp4", OptionsVideo::Codec::H264, true, false, "h264"},
                      Conteneur{"MkvH264GopOuvert", "matroska", "mkv", OptionsVideo::Codec::H264, true, false, "h264"},
                      Conteneur{"MovH264DixBits", "mov", "MOV", OptionsVideo::Codec::H264, false, true, "h264"},
                      Conteneur{"Mp4HevcDixBits", "mp4", "mp4", OptionsVideo::Codec::H265, true, true, "hevc"},
                      Conteneur{"MkvHevc", "matroska", "mkv", OptionsVideo::Codec::H265, false, false, "hevc"},
                      Conteneur{"WebmVp9", "webm", "webm", OptionsVideo::Codec::Vp9, false, false, "vp9"},
                      Conteneur{"Mp4Av1", "mp4", "mp4", OptionsVideo::Codec::Av1, false, false, "av1"},
                      Conteneur{"MovProRes", "mov", "mov", OptionsVideo::Codec::ProRes, false, false, "prores"},
                      Conteneur{"MkvMpeg4", "matroska", "mkv", OptionsVideo::Codec::Mpeg4, false, false, "mpeg4"},
                      Conteneur{"MkvMjpeg", "matroska", "mkv", OptionsVideo::Codec::Mjpeg, false, false, "mjpeg"}),
    [](const auto& info) { return std::string(info.param.nom); });

// A small cache still gives every frame, never holding more than its budget.
TEST(AccesConteneurCache, BudgetRespecte)
{
    VideosDeTest videos;
    OptionsVideo o = Petite(OptionsVideo::Codec::H264, 48);
    o.conteneur = "mp4";
    o.gop = 24;
    const QString chemin = videos.Ecrire(QStringLiteral("h.mp4"), o);
    FrameSource source;
    const std::size_t budget = 6 * 160 * 120 * 3 / 2;
    source.FixerBudgetCache(budget);
    ASSERT_TRUE(source.Ouvrir(chemin));
    for (int i = 47; i >= 0; --i) ASSERT_EQ(LireCodeMire(source.Image(i)), i);
    EXPECT_GT(source.CachePic(), 0u);
    EXPECT_LE(source.CachePic(), budget);
}

TEST(AccesConteneurCache, BudgetParDefautDUnOrdinateurDEcole)
{
    // The smaller of 256 MiB and an eighth of the memory the kernel reports.
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    ASSERT_TRUE(meminfo.open(QIODevice::ReadOnly));
    const QList<QByteArray> champs = meminfo.readLine().simplified().split(' ');
    ASSERT_EQ(champs.value(0), "MemTotal:");
    const double huitieme = champs.value(1).toDouble() * 1024 / 8;
    const double attendu = std::min(256.0 * (1 << 20), huitieme);
    EXPECT_NEAR(double(BudgetCacheParDefaut()), attendu, attendu * 0.02);
}

} // namespace
