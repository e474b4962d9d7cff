#pragma once
// The audio stream of a time-stamped container as the sound player reads it:
// 16-bit PCM samples by index, sample 0 at the time of the first frame shown,
// so that sound and picture keep together whatever the edit lists and start
// times say. The file is opened a second time for it: reading sound never
// moves the demuxer the video is decoded from.

#include "media/FrameSourceDecodeurSon.h"
#include "media/FrameSourceFFmpeg.h"
#include "media/UnitSourceAudio.h"

#include <QString>
#include <cstdint>

class SonConteneur : public SourceAudio {
public:
    SonConteneur();

    // The stream `flux` of `chemin`, which `decrit` (the video's demuxer, with
    // the stream's parameters found) describes; `origine` is the time of the
    // first frame shown in seconds. False when the stream cannot be read.
    bool Ouvrir(const QString& chemin, const AVFormatContext& decrit, int flux, double origine);

    FormatAudio Format() const override { return decodeur_.Format(); }
    int TailleEchantillon() const override { return decodeur_.TailleEchantillon(); }
    std::int64_t Debut() const override { return debut_; }
    std::int64_t Longueur() const override { return longueur_; }
    std::int64_t Lire(std::int64_t premier, std::int64_t nombre, std::span<std::byte> tampon) override;

private:
    bool Chercher(std::int64_t premier, bool depuisLeDebut);
    bool DecoderSuivant();

    ff::Format demuxeur_;
    int flux_ = -1;
    double origine_ = 0;
    DecodeurSon decodeur_;
    ff::Paquet paquet_;
    std::int64_t debut_ = 0;
    std::int64_t longueur_ = 0;
    bool cherche_ = false; // decoding has been placed once
    bool finDecodage_ = true;
};
