#pragma once
// The audio player of the frame view: plays the samples of a range of the
// video's audio stream through the sound device, feeding it from a small ring
// of buffers read on demand. Every call comes from the user-interface thread;
// the device's reports of finished buffers arrive there through the event loop.

#include "media/UnitPeripheriqueSon.h"
#include "media/UnitSourceAudio.h"

#include <cstdint>
#include <memory>

class TAudioPlay {
public:
    // Buffers in flight at most.
    static constexpr int NombreTampons = 8;
    static constexpr int TailleTamponMin = 2048;

    // Plays through the default sound output.
    TAudioPlay();
    explicit TAudioPlay(std::unique_ptr<PeripheriqueSon> peripherique);
    ~TAudioPlay();
    TAudioPlay(const TAudioPlay&) = delete;
    TAudioPlay& operator=(const TAudioPlay&) = delete;

    // Plays the samples [premier, fin) of the source; a negative premier means
    // the stream's start, a negative fin its end. True when the sound started.
    // The source must outlive the playback (until Couper).
    bool Jouer(SourceAudio& source, std::int64_t premier, std::int64_t fin);
    // Stops the sound at once and closes the device.
    void Couper();

    bool Joue() const { return joue_; }
    int TamponsEnVol() const { return enVol_; }

private:
    bool OuvrirPeripherique();
    void MettreEnFile();
    void TamponTermine(std::unique_ptr<TamponSon> tampon);

    std::unique_ptr<PeripheriqueSon> peripherique_;
    SourceAudio* source_ = nullptr;
    bool joue_ = false; // the device is open and buffers are fed
    int tailleTampon_ = 0;
    int tailleEchantillon_ = 0;
    std::int64_t suivant_ = 0;
    std::int64_t fin_ = 0;
    // Each Jouer starts a new pass; buffers of an earlier pass coming back
    // after a restart are only freed, so the ring never grows past its size.
    unsigned passe_ = 0;
    int enVol_ = 0; // buffers handed to the device and not yet back
};
