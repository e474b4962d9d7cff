// The sound of time-stamped containers: a tone that starts at the time of a
// known frame, decoded from lossy codecs, read in order and after jumps;
// sample 0 is the first frame shown, whatever edit lists and priming say.

#include "test_framesource_videos.h"
#include "media/FrameSource.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr int Frequence = 48000;
constexpr int Images = 40;
constexpr int ImageDuTon = 10;                                 // the tone starts at this frame's time
constexpr std::int64_t DebutTon = ImageDuTon * Frequence / 25; // 0.4 s
constexpr double Hertz = 1000;
constexpr double Amplitude = 10000;

double Ton(std::int64_t k)
{
    return k < DebutTon ? 0 : Amplitude * std::sin(2 * std::numbers::pi * Hertz * double(k - DebutTon) / Frequence);
}

struct CasSon {
    const char* nom;
    const char* muxeur;
    const char* extension;
    OptionsVideo::Son son;
    int imagesAvant; // cut off by an edit list
    // Samples a read after a jump may be placed off by: half the unit of
    // the time stamps (Matroska's are milliseconds).
    int decalageMax;
    // Samples the tone may start off its frame's time by: FFmpeg's Matroska
    // muxer starts the video 7 ms after an Opus stream's first sample (its
    // pre-skip, rounded to the millisecond), and players follow the time stamps.
    int attaqueMax;
};

void PrintTo(const CasSon& c, std::ostream* os)
{
    *os << c.nom;
}

std::vector<std::int16_t> Lire(SourceAudio& son, std::int64_t premier, std::int64_t nombre, std::int64_t& lus)
{
    std::vector<std::int16_t> tampon(std::size_t(nombre * son.TailleEchantillon() / 2));
    lus = son.Lire(premier, nombre, std::as_writable_bytes(std::span(tampon)));
    return tampon;
}

// How far a read after a jump lies from the same samples read in order
// (samples, within a time stamp's rounding) and how far apart they are
// then (root mean square).
struct Ecart {
    int decalage = 0;
    double erreur = 0;
};

Ecart Comparer(const std::vector<std::int16_t>& morceau, const std::vector<std::int16_t>& tout, std::int64_t premier)
{
    Ecart meilleur{0, 1e18};
    for (int d = -48; d <= 48; ++d) {
        double somme = 0;
        for (std::size_t i = 0; i < morceau.size(); ++i) {
            const double x = morceau[i] - tout[std::size_t(premier + d) + i];
            somme += x * x;
        }
        const double erreur = std::sqrt(somme / double(morceau.size()));
        if (erreur < meilleur.erreur) meilleur = {d, erreur};
    }
    return meilleur;
}

class SonConteneurs : public ::testing::TestWithParam<CasSon> {
protected:
    void SetUp() override
    {
        const CasSon& c = GetParam();
        OptionsVideo o = Petite(OptionsVideo::Codec::H264, Images + c.imagesAvant);
        o.conteneur = c.muxeur;
        o.imagesAvant = c.imagesAvant;
        o.son = c.son;
        o.frequence = Frequence;
        o.echantillon = [](std::int64_t k, int) { return std::int16_t(std::lround(Ton(k))); };
        chemin_ = videos_.Chemin(QStringLiteral("v.") + c.extension);
        const std::string erreur = EcrireVideo(QFile::encodeName(chemin_).toStdString(), o);
        if (erreur.rfind("no encoder", 0) == 0) GTEST_SKIP() << erreur;
        ASSERT_EQ(erreur, "");
        ASSERT_TRUE(source_.Ouvrir(chemin_)) << int(source_.DernierEchec());
        ASSERT_EQ(source_.FrameCount(), Images);
        son_ = source_.Audio();
        ASSERT_NE(son_, nullptr);
    }

    VideosDeTest videos_;
    QString chemin_;
    FrameSource source_;
    SourceAudio* son_ = nullptr;
};

TEST_P(SonConteneurs, FormatEtLongueur)
{
    EXPECT_EQ(son_->Format(), (FormatAudio{1, Frequence, 16}));
    EXPECT_EQ(son_->TailleEchantillon(), 2);
    EXPECT_EQ(son_->Debut(), 0);
    // The sound lasts as long as the frames written (the cut ones too), within a codec frame.
    EXPECT_NEAR(double(son_->Longueur()), (Images + GetParam().imagesAvant) * Frequence / 25.0, 1024);
}

// The tone starts where frame 10 is shown: sound and picture keep together.
TEST_P(SonConteneurs, LeTonCommenceALImageDeSonTemps)
{
    std::int64_t lus = 0;
    const auto tout = Lire(*son_, 0, son_->Longueur(), lus);
    ASSERT_EQ(lus, son_->Longueur());
    std::int64_t attaque = -1;
    for (std::size_t k = 0; k < tout.size() && attaque < 0; ++k)
        if (std::abs(tout[k]) > Amplitude / 3) attaque = std::int64_t(k);
    EXPECT_NEAR(double(attaque), double(source_.PlageAudio(ImageDuTon, Images - 1).Premier), GetParam().attaqueMax);
    EXPECT_EQ(source_.PlageAudio(ImageDuTon, Images - 1).Premier, DebutTon);
    // 1000 Hz: two sign changes a millisecond, over 100 ms well after the start.
    int changements = 0;
    for (std::int64_t k = DebutTon + 4800; k < DebutTon + 9600; ++k)
        changements += (tout[std::size_t(k)] < 0) != (tout[std::size_t(k + 1)] < 0);
    EXPECT_NEAR(changements, 200, 2);
    // The tone itself, within what a lossy codec at 64 kbit/s leaves.
    for (std::int64_t k = DebutTon + 2400; k < DebutTon + 40000; k += 7)
        ASSERT_NEAR(tout[std::size_t(k)], Ton(k), Amplitude / 8) << k;
}

// A read after a jump, backward or forward, gives what reading in order gives.
TEST_P(SonConteneurs, LectureApresUnSaut)
{
    std::int64_t lus = 0;
    const auto tout = Lire(*son_, 0, son_->Longueur(), lus);
    ASSERT_EQ(lus, son_->Longueur());
    for (const std::int64_t premier : {60000, 21000, 45678, 19000, 70000}) {
        const auto morceau = Lire(*son_, premier, 900, lus);
        ASSERT_EQ(lus, 900) << premier;
        const Ecart e = Comparer(morceau, tout, premier);
        EXPECT_LE(std::abs(e.decalage), GetParam().decalageMax) << premier;
        EXPECT_LT(e.erreur, Amplitude / 100) << premier;
    }
    // Past the end: only what there is.
    Lire(*son_, son_->Longueur() - 100, 500, lus);
    EXPECT_EQ(lus, 100);
}

TEST_P(SonConteneurs, PlageDUneSuiteDImages)
{
    const PlageEchantillons p = source_.PlageAudio(10, 20);
    EXPECT_EQ(p.Premier, 19200);
    EXPECT_EQ(p.Fin - p.Premier, 19200); // 0.4 s
    const PlageEchantillons tout = source_.PlageAudio(-3, 1000);
    EXPECT_EQ(tout.Premier, son_->Debut());
    EXPECT_EQ(tout.Fin, son_->Debut() + son_->Longueur());
}

INSTANTIATE_TEST_SUITE_P(
    Codecs, SonConteneurs,
    ::testing::Values(CasSon{"Mp4Aac", "mp4", "mp4", OptionsVideo::Son::Aac, 0, 0, 96},
                      CasSon{"Mp4AacListeDeMontage", "mp4", "mp4", OptionsVideo::Son::Aac, 3, 0, 96},
                      CasSon{"MkvOpus", "matroska", "mkv", OptionsVideo::Son::Opus, 0, 24, 400},
                      CasSon{"MkvVorbis", "matroska", "mkv", OptionsVideo::Son::Vorbis, 0, 24, 96}),
    [](const auto& info) { return std::string(info.param.nom); });

// Frames irregular in time take the samples of their own times.
TEST(SonConteneur, PlageParLeTempsDeChaqueImage)
{
    VideosDeTest videos;
    OptionsVideo o = Petite(OptionsVideo::Codec::H264, 6);
    o.conteneur = "mp4";
    o.temps = {0, 40, 100, 120, 300, 340};
    o.son = OptionsVideo::Son::Aac;
    o.frequence = Frequence;
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(videos.Ecrire(QStringLiteral("v.mp4"), o)));
    ASSERT_NE(source.Audio(), nullptr);
    // The sound lasts 6 nominal steps (240 ms).
    const PlageEchantillons p = source.PlageAudio(1, 3);
    EXPECT_EQ(p.Premier, 40 * 48);
    EXPECT_EQ(p.Fin, 120 * 48);
    EXPECT_EQ(source.PlageAudio(2, 2).Premier, 100 * 48);
}

TEST(SonConteneur, SansSonRienAJouer)
{
    VideosDeTest videos;
    OptionsVideo o = Petite(OptionsVideo::Codec::H264, 10);
    o.conteneur = "mp4";
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(videos.Ecrire(QStringLiteral("v.mp4"), o)));
    EXPECT_EQ(source.Audio(), nullptr);
    EXPECT_EQ(source.PlageAudio(0, 9).Fin, 0);
}

} // namespace
