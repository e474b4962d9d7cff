// The audio player's ring of buffers, over a fake sound device whose buffers
// the test finishes by hand.

#include "tests/media/test_audio_source.h"
#include "media/UnitAudioPlay.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

// What the player did to the device; owned by the test, so it outlives the
// device the player owns.
struct Journal {
    std::vector<std::string> Appels;
    std::vector<FormatAudio> Formats;
    std::vector<std::vector<std::byte>> Ecrits; // every buffer written, in order
    std::size_t MaxEnFile = 0;
};

class PeripheriqueFactice : public PeripheriqueSon {
public:
    explicit PeripheriqueFactice(Journal& journal) : journal_(journal) {}

    bool Ouvrir(const FormatAudio& format) override
    {
        journal_.Appels.push_back("Ouvrir");
        journal_.Formats.push_back(format);
        return Accepte;
    }
    void Ecrire(std::unique_ptr<TamponSon> tampon) override
    {
        journal_.Appels.push_back("Ecrire");
        journal_.Ecrits.push_back(tampon->Octets);
        file_.push_back(std::move(tampon));
        journal_.MaxEnFile = std::max(journal_.MaxEnFile, file_.size());
    }
    void Pause() override { journal_.Appels.push_back("Pause"); }
    void Reprendre() override { journal_.Appels.push_back("Reprendre"); }
    void Reinitialiser() override
    {
        journal_.Appels.push_back("Reinitialiser");
        Terminer(file_.size());
    }
    void Fermer() override { journal_.Appels.push_back("Fermer"); }

    // The device finishes playing its n oldest buffers.
    void Terminer(std::size_t n)
    {
        for (; n > 0 && !file_.empty(); --n) {
            Rendre(std::move(file_.front()));
            file_.pop_front();
        }
    }
    std::size_t EnFile() const { return file_.size(); }

    bool Accepte = true;

private:
    Journal& journal_;
    std::deque<std::unique_ptr<TamponSon>> file_;
};

// Lets the event loop deliver the device's reports.
void Livrer()
{
    QCoreApplication::sendPostedEvents();
}

class AudioPlayAnneau : public ::testing::Test {
protected:
    AudioPlayAnneau()
    {
        auto peripherique = std::make_unique<PeripheriqueFactice>(journal);
        device = peripherique.get();
        audio = std::make_unique<TAudioPlay>(std::move(peripherique));
    }

    // Finishes buffers one report at a time until the ring is empty.
    void JouerJusquAuBout()
    {
        while (device->EnFile() > 0) {
            device->Terminer(1);
            Livrer();
        }
    }

    // The sample indices carried by every buffer written, in order.
    std::vector<int> OctetsEcrits(int tailleEchantillon) const
    {
        std::vector<int> octets;
        for (const auto& tampon : journal.Ecrits)
            for (std::size_t i = 0; i < tampon.size(); i += static_cast<std::size_t>(tailleEchantillon))
                octets.push_back(std::to_integer<int>(tampon[i]));
        return octets;
    }

    static std::vector<int> Echantillons(std::int64_t premier, std::int64_t fin)
    {
        std::vector<int> attendus;
        for (std::int64_t i = premier; i < fin; ++i) attendus.push_back(static_cast<int>(i & 0xFF));
        return attendus;
    }

    Journal journal;
    PeripheriqueFactice* device = nullptr;
    std::unique_ptr<TAudioPlay> audio;
};

TEST_F(AudioPlayAnneau, RangeShorterThanOneBufferPlaysOnceAndEnds)
{
    SourceSynthetique source(StereoCd(), 4, 0, 44100);
    ASSERT_TRUE(audio->Jouer(source, 100, 150));

    EXPECT_EQ(journal.Appels, (std::vector<std::string>{"Ouvrir", "Pause", "Ecrire", "Reprendre"}));
    EXPECT_EQ(journal.Formats.front(), StereoCd());
    ASSERT_EQ(journal.Ecrits.size(), 1u);
    EXPECT_EQ(journal.Ecrits[0].size(), 200u);
    EXPECT_EQ(OctetsEcrits(4), Echantillons(100, 150));

    device->Terminer(1);
    Livrer();
    EXPECT_EQ(journal.Ecrits.size(), 1u);
    EXPECT_EQ(source.Lectures.size(), 1u);
    EXPECT_EQ(audio->TamponsEnVol(), 0);
    // The device falls silent but stays open until Couper.
    EXPECT_TRUE(audio->Joue());
    audio->Couper();
    EXPECT_EQ(journal.Appels.back(), "Fermer");
}

TEST_F(AudioPlayAnneau, RingKeepsEightBuffersInFlightAndPlaysTheRangeInOrder)
{
    SourceSynthetique source(StereoCd(), 4, 0, 44100);
    ASSERT_TRUE(audio->Jouer(source, 0, 10000));
    EXPECT_EQ(device->EnFile(), 8u);
    EXPECT_EQ(audio->TamponsEnVol(), 8);

    // Reports come three at a time: each one finished brings one more.
    device->Terminer(3);
    Livrer();
    EXPECT_EQ(device->EnFile(), 8u);
    JouerJusquAuBout();

    EXPECT_EQ(journal.MaxEnFile, 8u);
    EXPECT_EQ(audio->TamponsEnVol(), 0);
    // 2048-byte buffers of 512 samples, the last one with what remains.
    ASSERT_EQ(journal.Ecrits.size(), 20u);
    EXPECT_EQ(journal.Ecrits[0].size(), 2048u);
    EXPECT_EQ(journal.Ecrits.back().size(), (10000u - 19u * 512u) * 4u);
    EXPECT_EQ(OctetsEcrits(4), Echantillons(0, 10000));
}

TEST_F(AudioPlayAnneau, BufferHoldsWholeSamplesOfAtLeast2048Bytes)
{
    // (sample size, bytes of a full buffer)
    for (auto [taille, octets] : {std::pair{4, 2048u}, {6, 2046u}, {2048, 2048u}, {3000, 3000u}}) {
        journal.Ecrits.clear();
        SourceSynthetique source(FormatAudio{1, 8000, 16}, taille, 0, 100000);
        ASSERT_TRUE(audio->Jouer(source, 0, 100000));
        for (const auto& tampon : journal.Ecrits) EXPECT_EQ(tampon.size(), octets) << "sample size " << taille;
        audio->Couper();
        Livrer();
    }
}

TEST_F(AudioPlayAnneau, SampleAbove2048BytesPlaysOneSamplePerBuffer)
{
    SourceSynthetique source(FormatAudio{1, 8000, 16}, 3000, 0, 100);
    ASSERT_TRUE(audio->Jouer(source, 10, 15));
    JouerJusquAuBout();

    ASSERT_EQ(journal.Ecrits.size(), 5u);
    EXPECT_EQ(OctetsEcrits(3000), Echantillons(10, 15));
    for (std::size_t i = 0; i < source.Lectures.size(); ++i)
        EXPECT_EQ(source.Lectures[i], (std::pair<std::int64_t, std::int64_t>{10 + static_cast<int>(i), 1}));
}

TEST_F(AudioPlayAnneau, NegativeBoundsMeanTheStreamsStartAndEnd)
{
    SourceSynthetique source(StereoCd(), 4, 1000, 3000);

    ASSERT_TRUE(audio->Jouer(source, -1, -1));
    JouerJusquAuBout();
    EXPECT_EQ(OctetsEcrits(4), Echantillons(1000, 4000));

    journal.Ecrits.clear();
    ASSERT_TRUE(audio->Jouer(source, -5, 1500));
    JouerJusquAuBout();
    EXPECT_EQ(OctetsEcrits(4), Echantillons(1000, 1500));

    journal.Ecrits.clear();
    ASSERT_TRUE(audio->Jouer(source, 3500, -1));
    JouerJusquAuBout();
    EXPECT_EQ(OctetsEcrits(4), Echantillons(3500, 4000));
}

TEST_F(AudioPlayAnneau, FirstNotBelowEndFailsWithoutOpeningTheDevice)
{
    SourceSynthetique source(StereoCd(), 4, 0, 3000);
    EXPECT_FALSE(audio->Jouer(source, 500, 500));
    EXPECT_FALSE(audio->Jouer(source, 600, 500));
    EXPECT_FALSE(audio->Jouer(source, 3000, -1));
    SourceSynthetique vide(StereoCd(), 4, 0, 0);
    EXPECT_FALSE(audio->Jouer(vide, -1, -1));

    EXPECT_TRUE(journal.Appels.empty());
    EXPECT_FALSE(audio->Joue());
}

TEST_F(AudioPlayAnneau, UnplayableSourceOrRefusedFormatFailsSilently)
{
    SourceSynthetique muette(StereoCd(), 0, 0, 3000);
    EXPECT_FALSE(audio->Jouer(muette, 0, 3000));
    EXPECT_TRUE(journal.Appels.empty());

    device->Accepte = false;
    SourceSynthetique source(StereoCd(), 4, 0, 3000);
    EXPECT_FALSE(audio->Jouer(source, 0, 3000));
    EXPECT_EQ(journal.Appels, (std::vector<std::string>{"Ouvrir"}));
    EXPECT_TRUE(source.Lectures.empty());
    EXPECT_FALSE(audio->Joue());

    // Nothing to stop.
    audio->Couper();
    EXPECT_EQ(journal.Appels.size(), 1u);
}

TEST_F(AudioPlayAnneau, CouperSilencesAtOnceAndFreesTheReturnedBuffersWithoutRefilling)
{
    SourceSynthetique source(StereoCd(), 4, 0, 441000);
    ASSERT_TRUE(audio->Jouer(source, 0, 441000));
    device->Terminer(2);
    Livrer();
    const auto lectures = source.Lectures.size();

    audio->Couper();
    EXPECT_EQ(device->EnFile(), 0u);
    EXPECT_FALSE(audio->Joue());
    EXPECT_EQ((std::vector<std::string>(journal.Appels.end() - 2, journal.Appels.end())),
              (std::vector<std::string>{"Reinitialiser", "Fermer"}));
    // The reset's reports are still on their way.
    EXPECT_EQ(audio->TamponsEnVol(), 8);

    Livrer();
    EXPECT_EQ(audio->TamponsEnVol(), 0);
    EXPECT_EQ(journal.Ecrits.size(), 10u);
    EXPECT_EQ(source.Lectures.size(), lectures);
}

TEST_F(AudioPlayAnneau, RestartBeforeTheResetsReportsArriveKeepsEightBuffers)
{
    SourceSynthetique source(StereoCd(), 4, 0, 441000);
    ASSERT_TRUE(audio->Jouer(source, 0, 441000));
    // Playing again stops first; the old buffers come back after the restart.
    ASSERT_TRUE(audio->Jouer(source, 1000, 441000));
    EXPECT_EQ(journal.Appels[journal.Appels.size() - 13], "Reinitialiser");
    EXPECT_EQ(journal.Appels[journal.Appels.size() - 11], "Ouvrir");
    Livrer();

    EXPECT_EQ(device->EnFile(), 8u);
    EXPECT_EQ(audio->TamponsEnVol(), 8);
    EXPECT_EQ(journal.Ecrits.size(), 16u);
    device->Terminer(8);
    Livrer();
    EXPECT_EQ(device->EnFile(), 8u);
    EXPECT_EQ(journal.MaxEnFile, 8u);
}

TEST_F(AudioPlayAnneau, ShortReadLeavesItsBufferUnqueuedAndShrinksTheRing)
{
    // One short read at the third buffer: the next attempt rereads the same
    // samples, so nothing is lost but the ring runs with seven buffers.
    SourceSynthetique source(StereoCd(), 4, 0, 20000);
    source.Coupure = 1100;
    source.CoupuresRestantes = 1;
    ASSERT_TRUE(audio->Jouer(source, 0, 20000));
    EXPECT_EQ(device->EnFile(), 7u);
    EXPECT_EQ(source.Lectures[2], (std::pair<std::int64_t, std::int64_t>{1024, 512}));
    EXPECT_EQ(source.Lectures[3], (std::pair<std::int64_t, std::int64_t>{1024, 512}));
    JouerJusquAuBout();
    EXPECT_EQ(journal.MaxEnFile, 7u);
    EXPECT_EQ(OctetsEcrits(4), Echantillons(0, 20000));
}

TEST_F(AudioPlayAnneau, ReadsThatKeepFailingEndTheSoundEarly)
{
    SourceSynthetique source(StereoCd(), 4, 0, 20000);
    source.Coupure = 5000;
    source.CoupuresRestantes = 1000;
    ASSERT_TRUE(audio->Jouer(source, 0, 20000));
    JouerJusquAuBout();

    EXPECT_EQ(audio->TamponsEnVol(), 0);
    // Whole buffers up to the one that holds sample 5000.
    EXPECT_EQ(OctetsEcrits(4), Echantillons(0, 9 * 512));
    EXPECT_TRUE(audio->Joue());
}

TEST(AudioPlayDestruction, DestroyingThePlayerStopsTheSound)
{
    Journal journal;
    SourceSynthetique source(StereoCd(), 4, 0, 441000);
    {
        TAudioPlay audio(std::make_unique<PeripheriqueFactice>(journal));
        ASSERT_TRUE(audio.Jouer(source, 0, 441000));
    }
    EXPECT_EQ((std::vector<std::string>(journal.Appels.end() - 2, journal.Appels.end())),
              (std::vector<std::string>{"Reinitialiser", "Fermer"}));
    // The reports the reset posted die with the device.
    Livrer();
    EXPECT_EQ(source.Lectures.size(), 8u);
}

} // namespace
