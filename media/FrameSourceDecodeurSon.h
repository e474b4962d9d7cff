#pragma once
// Decodes an audio stream packet by packet into 16-bit PCM and keeps the
// samples decoded and not handed out yet. What it gives out stays in the
// stream's first format (its rate, at most two channels) even when the
// stream changes channels, rate or sample format midway: the resampler is
// set up again for each decoded format in turn.
//
// Both roads of the frame source read their sound through it: the AVI road
// places the samples by chunk, the time-stamped road by the time the decoder
// gives the first picture after a seek.

#include "media/FrameSourceFFmpeg.h"
#include "media/UnitSourceAudio.h"

#include <cstdint>
#include <span>
#include <vector>

// The sample at `secondes` at `frequence` samples a second, held within
// reach of any real stream so that a damaged time stamp cannot overflow.
std::int64_t EchantillonAuTemps(double secondes, int frequence);

class DecodeurSon {
public:
    DecodeurSon();

    // False when there is no decoder for the stream or it refuses it.
    // `base` is the time base of the packets' time stamps.
    bool Ouvrir(const AVCodecParameters& parametres, AVRational base);
    const FormatAudio& Format() const { return format_; }
    int TailleEchantillon() const { return format_.Canaux * format_.BitsParEchantillon / 8; }

    // Starts over: the next sample decoded is sample `debut`.
    void Repartir(std::int64_t debut);
    // Starts over: the next sample decoded is the one its time stamp says,
    // sample 0 being at `origine` seconds.
    void RepartirAuTemps(double origine);
    // Decodes `paquet` (null: the stream's end, which also drains the
    // resampler) and converts what comes out. False once decoding cannot go on.
    bool Envoyer(const AVPacket* paquet);

    // The samples held: [Debut, Fin). Debut is known once Place.
    bool Place() const { return place_; }
    std::int64_t Debut() const { return debut_; }
    std::int64_t Fin() const { return debut_ + std::int64_t(decodes_.size()) / TailleEchantillon(); }
    // Copies the samples [premier, premier + nombre) into `tampon`, silence for
    // those before Debut, as far as they are held; forgets what it handed out.
    // Returns the samples copied.
    std::int64_t Servir(std::int64_t premier, std::int64_t nombre, std::span<std::byte> tampon);

private:
    void Placer(const AVFrame& image);
    bool Convertir(const AVFrame* image);
    bool MemeEntree(const AVFrame& image) const;
    bool Configurer(const AVFrame& image);
    bool Reechantillonner(const AVFrame* image);

    FormatAudio format_;
    ff::Codec codec_;
    ff::Swr swr_;
    struct Entree { // what swr_ was set up for
        int canaux = 0;
        AVChannelOrder ordre = AV_CHANNEL_ORDER_UNSPEC;
        std::uint64_t masque = 0;
        int frequence = 0;
        int format = -1;
    } entree_;
    ff::Image image_;
    bool place_ = false;
    double origine_ = 0; // seconds of sample 0, when placed by time
    std::int64_t debut_ = 0;
    std::vector<std::uint8_t> decodes_;
};
