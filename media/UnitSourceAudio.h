#pragma once
// What the sound player needs from the open video: the audio stream's PCM
// format and its samples by index. The frame source provides it; tests give
// a synthetic one.

#include <cstddef>
#include <cstdint>
#include <span>

struct FormatAudio {
    int Canaux = 0;
    int Frequence = 0;          // samples per second
    int BitsParEchantillon = 0; // per channel, signed little-endian PCM
    friend bool operator==(const FormatAudio&, const FormatAudio&) = default;
};

class SourceAudio {
public:
    virtual ~SourceAudio() = default;

    virtual FormatAudio Format() const = 0;
    // Bytes per sample, all channels together; 0 or less means unplayable.
    virtual int TailleEchantillon() const = 0;
    virtual std::int64_t Debut() const = 0;    // first sample of the stream
    virtual std::int64_t Longueur() const = 0; // number of samples

    // Reads up to `nombre` samples from `premier` into `tampon` (at least
    // nombre * TailleEchantillon() bytes). Returns the samples read.
    virtual std::int64_t Lire(std::int64_t premier, std::int64_t nombre, std::span<std::byte> tampon) = 0;
};
