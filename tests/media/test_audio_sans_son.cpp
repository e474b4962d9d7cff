// The real sound device on a machine without a sound server: the player
// refuses to start and nothing breaks.

#include "tests/media/test_audio_source.h"
#include "media/UnitAudioPlay.h"
#include "media/UnitPeripheriqueSonQt.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(AudioSansSon, WithoutAnAudioDeviceTheSoundDoesNotStart)
{
    // A server address where nothing listens: the sound system finds no
    // output, as on a headless machine. Set before anything asks for devices.
    QTemporaryDir dossier;
    qputenv("PULSE_SERVER", ("unix:" + dossier.filePath("personne")).toUtf8());
    ASSERT_TRUE(QMediaDevices::defaultAudioOutput().isNull());

    SourceSynthetique source(StereoCd(), 4, 0, 44100);
    {
        TAudioPlay audio;
        EXPECT_FALSE(audio.Jouer(source, 0, 44100));
        EXPECT_FALSE(audio.Joue());
        EXPECT_TRUE(source.Lectures.empty());
        audio.Couper();
    }
    QCoreApplication::sendPostedEvents();

    // The device itself: opening fails, and a buffer handed to it anyway
    // comes back when it is closed.
    PeripheriqueSonQt peripherique;
    int rendus = 0;
    peripherique.FixerTermine([&](std::unique_ptr<TamponSon>) { ++rendus; });
    EXPECT_FALSE(peripherique.Ouvrir(StereoCd()));
    peripherique.Ecrire(std::make_unique<TamponSon>(TamponSon{std::vector<std::byte>(64), 0}));
    peripherique.Reprendre();
    peripherique.Fermer();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(rendus, 1);
}

} // namespace
