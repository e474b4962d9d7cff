// Frame-exact access on every codec the writer makes: each frame shows its
// own index, read back from the pixels, forward, backward and at random.

#include "test_framesource_videos.h"
#include "media/FrameSource.h"

#include <algorithm>
#include <random>
#include <vector>

namespace {

struct Codage {
    const char* nom;
    OptionsVideo::Codec codec;
    bool gopOuvert;
};

void PrintTo(const Codage& c, std::ostream* os)
{
    *os << c.nom;
}

class AccesExact : public ::testing::TestWithParam<Codage> {
protected:
    static constexpr int Images = 48;

    void SetUp() override
    {
        OptionsVideo o = Petite(GetParam().codec, Images);
        o.gopOuvert = GetParam().gopOuvert;
        chemin_ = videos_.Ecrire(QStringLiteral("v.avi"), o);
    }

    void Ouvrir(FrameSource& source) const
    {
        ASSERT_TRUE(source.Ouvrir(chemin_));
        ASSERT_EQ(source.FrameCount(), Images);
    }

    // The index each requested frame shows, in the order asked.
    static void Verifier(FrameSource& source, const std::vector<int>& ordre)
    {
        for (const int i : ordre) {
            const QImage image = source.Image(i);
            ASSERT_FALSE(image.isNull()) << "frame " << i;
            ASSERT_EQ(image.size(), QSize(160, 120));
            ASSERT_EQ(LireCodeMire(image), i) << "frame " << i;
        }
    }

    static std::vector<int> Hasard(int n, unsigned graine)
    {
        std::mt19937 g(graine);
        std::uniform_int_distribution<int> d(0, Images - 1);
        std::vector<int> ordre(static_cast<std::size_t>(n));
        for (int& i : ordre) i = d(g);
        return ordre;
    }

    VideosDeTest videos_;
    QString chemin_;
};

std::vector<int> Suite(int premier, int dernier)
{
    std::vector<int> v;
    for (int i = premier; premier <= dernier ? i <= dernier : i >= dernier; premier <= dernier ? ++i : --i)
        v.push_back(i);
    return v;
}

TEST_P(AccesExact, EnAvant)
{
    FrameSource source;
    ASSERT_NO_FATAL_FAILURE(Ouvrir(source));
    Verifier(source, Suite(0, Images - 1));
}

TEST_P(AccesExact, EnArriere)
{
    FrameSource source;
    ASSERT_NO_FATAL_FAILURE(Ouvrir(source));
    Verifier(source, Suite(Images - 1, 0));
}

TEST_P(AccesExact, AuHasardPuisPasAPas)
{
    FrameSource source;
    ASSERT_NO_FATAL_FAILURE(Ouvrir(source));
    Verifier(source, Hasard(60, 7));
    // Steps both ways from where the jumps left the source.
    Verifier(source, Suite(30, 17));
    Verifier(source, Suite(17, 40));
}

// Without a cache every frame is decoded again, and without the file's
// index the chunks are found by walking them and the keyframes by looking.
TEST_P(AccesExact, SansCacheNiIndex)
{
    RetirerIndex(chemin_);
    FrameSource source;
    source.FixerBudgetCache(0);
    ASSERT_NO_FATAL_FAILURE(Ouvrir(source));
    Verifier(source, Hasard(40, 11));
    Verifier(source, Suite(Images - 1, 0));
    EXPECT_EQ(source.CachePic(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Codecs, AccesExact,
                         ::testing::Values(Codage{"Mjpeg", OptionsVideo::Codec::Mjpeg, false},
                                           Codage{"Brut", OptionsVideo::Codec::Brut, false},
                                           Codage{"Mpeg4", OptionsVideo::Codec::Mpeg4, false},
                                           Codage{"Mpeg4GopOuvert", OptionsVideo::Codec::Mpeg4, true},
                                           Codage{"H264", OptionsVideo::Codec::H264, false},
                                           Codage{"H264GopOuvert", OptionsVideo::Codec::H264, true}),
                         [](const auto& info) { return std::string(info.param.nom); });

// A cache too small for a region still gives every frame, and never holds
// more than its budget.
TEST(AccesExactCache, BudgetRespecte)
{
    VideosDeTest videos;
    OptionsVideo o = Petite(OptionsVideo::Codec::H264, 48);
    o.gop = 24;
    const QString chemin = videos.Ecrire(QStringLiteral("h.avi"), o);
    FrameSource source;
    const std::size_t budget = 6 * 160 * 120 * 3 / 2;
    source.FixerBudgetCache(budget);
    ASSERT_TRUE(source.Ouvrir(chemin));
    for (int i = 47; i >= 0; --i) ASSERT_EQ(LireCodeMire(source.Image(i)), i);
    EXPECT_GT(source.CachePic(), 0u);
    EXPECT_LE(source.CachePic(), budget);
}

// An H.264 video of one group of `images` frames in `conteneur` (avi, mp4).
QString UnGroupe(const VideosDeTest& videos, const std::string& conteneur, int images)
{
    OptionsVideo o = Petite(OptionsVideo::Codec::H264, images);
    o.gop = images;
    o.conteneur = conteneur;
    return videos.Ecrire(QString::fromStdString("g" + std::to_string(images) + "." + conteneur), o);
}

// Going forward (a jump, reading through) keeps only a few of the pictures
// decoded on the way (each one kept costs the decoder a fresh buffer to
// clear); stepping back fills the whole budget with the pictures before, and
// those stay when going forward again; on both roads.
TEST(AccesExactCache, PeuEnAvantToutEnArriere)
{
    VideosDeTest videos;
    for (const std::string conteneur : {"avi", "mp4"}) {
        FrameSource source;
        const std::size_t budget = 32 * 160 * 120 * 3 / 2;
        source.FixerBudgetCache(budget);
        ASSERT_TRUE(source.Ouvrir(UnGroupe(videos, conteneur, 96))) << conteneur;
        ASSERT_EQ(LireCodeMire(source.Image(47)), 47);
        EXPECT_LE(source.CacheOctets(), budget / 4) << conteneur; // a few, and those decoded past it
        for (int i = 48; i < 72; ++i) ASSERT_EQ(LireCodeMire(source.Image(i)), i) << conteneur;
        EXPECT_LE(source.CacheOctets(), budget / 4) << conteneur;
        EXPECT_GT(source.CoutImage(60), 0) << conteneur;
        ASSERT_EQ(LireCodeMire(source.Image(40)), 40);
        EXPECT_GE(source.CacheOctets(), budget / 2) << conteneur;
        EXPECT_LE(source.CacheOctets(), budget) << conteneur;
        EXPECT_EQ(source.CoutImage(30), 0) << conteneur;
        for (int i = 72; i < 96; ++i) ASSERT_EQ(LireCodeMire(source.Image(i)), i) << conteneur;
        EXPECT_EQ(source.CoutImage(30), 0) << conteneur;
        EXPECT_EQ(source.CoutImage(95), 0) << conteneur;
        EXPECT_GT(source.CoutImage(80), 0) << conteneur;
    }
}

// What stands in during a long seek: the frame nearest to the one asked for
// among those kept decoded, on both roads; none once the cache is emptied.
TEST(ImageEnMain, LaPlusProcheGardee)
{
    VideosDeTest videos;
    for (const std::string conteneur : {"avi", "mp4"}) {
        FrameSource source;
        ASSERT_TRUE(source.Ouvrir(UnGroupe(videos, conteneur, 80))) << conteneur;
        ASSERT_EQ(LireCodeMire(source.Image(30)), 30);
        EXPECT_EQ(source.ImageEnMainProche(79), 30) << conteneur;
        EXPECT_EQ(source.ImageEnMainProche(12), 12) << conteneur;
        EXPECT_EQ(source.ImageEnMainProche(-4), 0) << conteneur;
        source.FixerBudgetCache(0);
        EXPECT_EQ(source.ImageEnMainProche(79), -1) << conteneur;
    }
}

} // namespace
