// The real sound device on a PulseAudio null sink that the test starts in a
// temporary folder, so the whole path from the player to the sound server
// runs without sound hardware. Skipped where PulseAudio is not installed.

#include "tests/media/test_audio_source.h"
#include "media/UnitAudioPlay.h"
#include "media/UnitPeripheriqueSonQt.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int DelaiMs = 15000;

// Runs the event loop until the condition holds or the delay runs out.
bool Attendre(const std::function<bool()>& condition, int delaiMs = DelaiMs)
{
    if (condition()) return true;
    QEventLoop boucle;
    QTimer sonde;
    QObject::connect(&sonde, &QTimer::timeout, &boucle, [&] {
        if (condition()) boucle.quit();
    });
    QTimer::singleShot(delaiMs, &boucle, &QEventLoop::quit);
    sonde.start(10);
    boucle.exec();
    return condition();
}

class AudioPulse : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const QString programme = QStandardPaths::findExecutable("pulseaudio");
        if (programme.isEmpty()) return;
        dossier_ = new QTemporaryDir;
        const QString prise = dossier_->filePath("native");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // Everything the server writes (socket, pid file, cookie) stays in the folder.
        for (const char* nom : {"PULSE_RUNTIME_PATH", "XDG_RUNTIME_DIR", "HOME"}) env.insert(nom, dossier_->path());
        serveur_ = new QProcess;
        serveur_->setProcessEnvironment(env);
        serveur_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        serveur_->start(programme,
                        {"-n", "--daemonize=no", "--exit-idle-time=-1", "--log-level=error", "-L", "module-null-sink",
                         "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + prise});
        pret_ = Attendre([&] { return QFileInfo::exists(prise) || serveur_->state() == QProcess::NotRunning; }) &&
            serveur_->state() == QProcess::Running;
        qputenv("PULSE_SERVER", ("unix:" + prise).toUtf8());
    }

    static void TearDownTestSuite()
    {
        if (serveur_) {
            serveur_->terminate();
            if (!serveur_->waitForFinished(DelaiMs)) serveur_->kill();
            serveur_->waitForFinished(DelaiMs);
        }
        delete serveur_;
        delete dossier_;
        serveur_ = nullptr;
        dossier_ = nullptr;
    }

    void SetUp() override
    {
        if (!serveur_) GTEST_SKIP() << "PulseAudio is not installed";
        ASSERT_TRUE(pret_) << "the PulseAudio server did not start";
        ASSERT_TRUE(Attendre([] { return !QMediaDevices::defaultAudioOutput().isNull(); }))
            << "no output on the null sink";
    }

    static inline QTemporaryDir* dossier_ = nullptr;
    static inline QProcess* serveur_ = nullptr;
    static inline bool pret_ = false;
};

// Reads are contiguous from premier to fin.
void AttendreLecturesContigues(const SourceSynthetique& source, std::int64_t premier, std::int64_t fin)
{
    std::int64_t suivant = premier;
    for (const auto& [debut, nombre] : source.Lectures) {
        ASSERT_EQ(debut, suivant);
        suivant += nombre;
    }
    EXPECT_EQ(suivant, fin);
}

TEST_F(AudioPulse, DeviceReportsEveryBufferOnceTheSinkTookIt)
{
    // One second of sound, far more than the sink holds, in buffers of sizes
    // that rarely match its free space.
    PeripheriqueSonQt peripherique;
    std::vector<TamponSon*> rendus;
    peripherique.FixerTermine([&](std::unique_ptr<TamponSon> tampon) { rendus.push_back(tampon.get()); });
    ASSERT_TRUE(peripherique.Ouvrir(StereoCd()));
    peripherique.Pause();
    std::vector<std::unique_ptr<TamponSon>> ecrits;
    std::vector<TamponSon*> attendus;
    for (int octets = 0, i = 0; octets < 176400; ++i) {
        auto tampon = std::make_unique<TamponSon>();
        tampon->Octets.resize(4 * static_cast<std::size_t>(300 + 97 * (i % 11)));
        octets += static_cast<int>(tampon->Octets.size());
        attendus.push_back(tampon.get());
        peripherique.Ecrire(std::move(tampon));
    }
    EXPECT_TRUE(rendus.empty()) << "nothing plays while paused";
    peripherique.Reprendre();

    EXPECT_TRUE(Attendre([&] { return rendus.size() == attendus.size(); }));
    EXPECT_EQ(rendus, attendus);
    peripherique.Fermer();
}

TEST_F(AudioPulse, DeviceStartsWhenBuffersOverrunTheSinksFreeSpace)
{
    // Buffers just over half the sink: whole ones would leave it below the
    // level at which it starts playing, and it would wait for ever.
    PeripheriqueSonQt peripherique;
    int rendus = 0;
    peripherique.FixerTermine([&](std::unique_ptr<TamponSon>) { ++rendus; });
    ASSERT_TRUE(peripherique.Ouvrir(StereoCd()));
    for (int i = 0; i < 14; ++i)
        peripherique.Ecrire(std::make_unique<TamponSon>(TamponSon{std::vector<std::byte>(12800), 0}));
    EXPECT_TRUE(Attendre([&] { return rendus == 14; }));
    peripherique.Fermer();
}

TEST_F(AudioPulse, DeviceTakesBuffersAgainAfterAReset)
{
    PeripheriqueSonQt peripherique;
    int rendus = 0;
    peripherique.FixerTermine([&](std::unique_ptr<TamponSon>) { ++rendus; });
    ASSERT_TRUE(peripherique.Ouvrir(StereoCd()));
    const auto ecrire = [&](int nombre) {
        for (int i = 0; i < nombre; ++i)
            peripherique.Ecrire(std::make_unique<TamponSon>(TamponSon{std::vector<std::byte>(4096), 0}));
    };
    // More than the sink holds: some buffers are still waiting at the reset.
    ecrire(20);
    ASSERT_TRUE(Attendre([&] { return rendus > 0; }));
    ASSERT_LT(rendus, 20);
    peripherique.Reinitialiser();
    EXPECT_TRUE(Attendre([&] { return rendus == 20; }));

    ecrire(3);
    EXPECT_TRUE(Attendre([&] { return rendus == 23; }));
    peripherique.Fermer();
}

TEST_F(AudioPulse, PlayerPlaysARangeToTheEnd)
{
    // Half a second of CD sound: 44 buffers through a ring of 8.
    SourceSynthetique source(StereoCd(), 4, 0, 441000);
    TAudioPlay audio;
    ASSERT_TRUE(audio.Jouer(source, 1000, 1000 + 22050));
    EXPECT_EQ(source.Lectures.size(), 8u);

    EXPECT_TRUE(Attendre([&] { return audio.TamponsEnVol() == 0; }));
    EXPECT_EQ(source.Lectures.size(), 44u);
    AttendreLecturesContigues(source, 1000, 1000 + 22050);
    EXPECT_TRUE(audio.Joue());
    audio.Couper();
}

TEST_F(AudioPulse, CouperStopsARunningSoundAndGetsEveryBufferBack)
{
    SourceSynthetique source(StereoCd(), 4, 0, 441000);
    TAudioPlay audio;
    ASSERT_TRUE(audio.Jouer(source, -1, -1));
    ASSERT_TRUE(Attendre([&] { return source.Lectures.size() > 12; }));

    audio.Couper();
    const auto lectures = source.Lectures.size();
    EXPECT_TRUE(Attendre([&] { return audio.TamponsEnVol() == 0; }));
    EXPECT_EQ(source.Lectures.size(), lectures);

    // And the device opens again for the next pass.
    ASSERT_TRUE(audio.Jouer(source, 0, 5000));
    EXPECT_TRUE(Attendre([&] { return audio.TamponsEnVol() == 0; }));
}

TEST_F(AudioPulse, FormatsTheOutputRefusesPlaySilently)
{
    TAudioPlay audio;
    for (int bits : {8, 24, 0}) {
        SourceSynthetique source(FormatAudio{2, 44100, bits}, 2 * bits / 8 + 1, 0, 44100);
        EXPECT_FALSE(audio.Jouer(source, -1, -1)) << bits << " bits";
        EXPECT_TRUE(source.Lectures.empty());
    }
    SourceSynthetique sansCanal(FormatAudio{0, 44100, 16}, 4, 0, 44100);
    EXPECT_FALSE(audio.Jouer(sansCanal, -1, -1));
}

} // namespace
