// The audio stream as the sound player reads it: format, sample indices, the
// samples that go with a range of frames, PCM read exactly, MP2 decoded.

#include "test_framesource_videos.h"
#include "media/FrameSource.h"

#include <cmath>
#include <utility>
#include <vector>

namespace {

OptionsVideo AvecSon(OptionsVideo::Son son, int canaux)
{
    OptionsVideo o = Petite(OptionsVideo::Codec::Mjpeg, 40);
    o.son = son;
    o.canaux = canaux;
    o.frequence = 22050;
    return o;
}

std::vector<std::int16_t> Lire(SourceAudio& son, std::int64_t premier, std::int64_t nombre, std::int64_t& lus)
{
    std::vector<std::int16_t> tampon(std::size_t(nombre * son.TailleEchantillon() / 2));
    lus = son.Lire(premier, nombre, std::as_writable_bytes(std::span(tampon)));
    return tampon;
}

TEST(Son, PcmMonoLuTelQuel)
{
    VideosDeTest videos;
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(videos.Ecrire(QStringLiteral("v.avi"), AvecSon(OptionsVideo::Son::Pcm, 1))));
    SourceAudio* son = source.Audio();
    ASSERT_NE(son, nullptr);
    EXPECT_EQ(son->Format(), (FormatAudio{1, 22050, 16}));
    EXPECT_EQ(son->TailleEchantillon(), 2);
    EXPECT_EQ(son->Debut(), 0);
    EXPECT_EQ(son->Longueur(), 40 * 882);

    // Across several chunks (one a frame, 882 samples each).
    std::int64_t lus = 0;
    const auto a = Lire(*son, 800, 2000, lus);
    ASSERT_EQ(lus, 2000);
    for (int i = 0; i < 2000; ++i) ASSERT_EQ(a[std::size_t(i)], EchantillonRampe(800 + i, 0)) << i;
    // Past the end: only what there is.
    Lire(*son, 40 * 882 - 100, 500, lus);
    EXPECT_EQ(lus, 100);
    Lire(*son, 40 * 882, 10, lus);
    EXPECT_EQ(lus, 0);
}

TEST(Son, PcmStereo)
{
    VideosDeTest videos;
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(videos.Ecrire(QStringLiteral("v.avi"), AvecSon(OptionsVideo::Son::Pcm, 2))));
    SourceAudio* son = source.Audio();
    ASSERT_NE(son, nullptr);
    EXPECT_EQ(son->Format(), (FormatAudio{2, 22050, 16}));
    EXPECT_EQ(son->TailleEchantillon(), 4);
    std::int64_t lus = 0;
    const auto a = Lire(*son, 30000, 300, lus);
    ASSERT_EQ(lus, 300);
    for (int i = 0; i < 300; ++i) {
        ASSERT_EQ(a[std::size_t(2 * i)], EchantillonRampe(30000 + i, 0));
        ASSERT_EQ(a[std::size_t(2 * i + 1)], EchantillonRampe(30000 + i, 1));
    }
}

// Frame times in whole milliseconds, then samples; outside the stream, its ends.
TEST(Son, PlageDUneSuiteDImages)
{
    VideosDeTest videos;
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(videos.Ecrire(QStringLiteral("v.avi"), AvecSon(OptionsVideo::Son::Pcm, 1))));
    using Paire = std::pair<std::int64_t, std::int64_t>;
    auto plage = [&](int a, int b) {
        const PlageEchantillons p = source.PlageAudio(a, b);
        return Paire(p.Premier, p.Fin);
    };
    EXPECT_EQ(plage(0, 39), Paire(0, 34398)); // 1560 ms
    EXPECT_EQ(plage(10, 20), Paire(8820, 17640));
    EXPECT_EQ(plage(0, 40), Paire(0, 35280));
    EXPECT_EQ(plage(-3, 1000), Paire(0, 35280));

    FrameSource muette;
    ASSERT_TRUE(muette.Ouvrir(videos.Ecrire(QStringLiteral("m.avi"), Petite(OptionsVideo::Codec::Mjpeg, 5))));
    EXPECT_EQ(muette.Audio(), nullptr);
    EXPECT_EQ(muette.PlageAudio(0, 4).Fin, 0);
}

// Compressed sound comes out as 16-bit PCM; a read after a jump gives the
// samples reading in order gives at the same place (within the rounding of a
// filter bank restarted a chunk earlier; a sample further on differs by ~400).
TEST(Son, Mp2Decode)
{
    VideosDeTest videos;
    OptionsVideo o = AvecSon(OptionsVideo::Son::Mp2, 2);
    o.echantillon = [](std::int64_t k, int c) { return std::int16_t(8000 * std::sin(double(k) * (c + 1) * 0.05)); };
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(videos.Ecrire(QStringLiteral("v.avi"), o)));
    SourceAudio* son = source.Audio();
    ASSERT_NE(son, nullptr);
    EXPECT_EQ(son->Format(), (FormatAudio{2, 22050, 16}));
    EXPECT_EQ(son->TailleEchantillon(), 4);
    EXPECT_NEAR(double(son->Longueur()), 40 * 882, 1152);

    std::int64_t lus = 0;
    const auto tout = Lire(*son, son->Debut(), son->Longueur(), lus);
    ASSERT_EQ(lus, son->Longueur());
    int fort = 0;
    for (const std::int16_t s : tout) fort += std::abs(s) > 4000;
    EXPECT_GT(fort, int(tout.size()) / 4);

    for (const std::int64_t premier : {20000, 3000, 11111}) {
        const auto morceau = Lire(*son, premier, 700, lus);
        ASSERT_EQ(lus, 700);
        for (int i = 0; i < 1400; ++i)
            ASSERT_NEAR(morceau[std::size_t(i)], tout[std::size_t(2 * premier + i)], 64) << premier << " " << i;
    }
}

} // namespace
