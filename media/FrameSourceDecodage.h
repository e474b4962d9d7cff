#pragma once
// The decoding loop both roads of the frame source share: FFmpeg's decoder
// opened with the house settings, packets in as the reader supplies them,
// pictures out to the reader until it has what it came for.

#include "media/FrameSourceFFmpeg.h"

#include <optional>

// Beyond any camera's frame: a header, or a picture, claiming more is damaged.
constexpr int TailleMaxImage = 8192;

class Decodage {
public:
    enum class Issue {
        Trouvee,     // the reader has its picture
        Depassee,    // the pictures went past it
        Recommencer, // what the reader knew changed: it starts again
        Finie,       // the decoder gave its last picture, or failed
        Bloquee,     // the decoder neither takes a packet nor gives a picture
    };

    Decodage();

    // False when there is no decoder for the stream or it refuses the
    // parameters. `base`: the time base of the packets' stamps.
    bool Ouvrir(const AVCodecParameters& parametres, AVRational base = {0, 1});
    bool Ouvert() const { return bool(codec_); }
    AVCodecContext& Contexte() { return *codec_; }
    const AVCodecContext& Contexte() const { return *codec_; }

    // Forgets the running decode. With `enAttente`, the packet the reader
    // left in Paquet() goes in first.
    void Relancer(bool enAttente = false);
    // The packet the reader fills.
    AVPacket& Paquet() { return *paquet_; }

    // Decodes until `recevoir`(picture) gives an issue. `fournir`() fills
    // Paquet() with the next packet and returns false at the end of the
    // stream, which drains the decoder; `preparer`(packet) runs before each
    // sending.
    template <class Recevoir, class Fournir, class Preparer>
    Issue Jusqua(Recevoir recevoir, Fournir fournir, Preparer preparer)
    {
        for (;;) {
            bool recue = false;
            for (;;) {
                const int r = avcodec_receive_frame(codec_.get(), sortie_.get());
                if (r == AVERROR(EAGAIN)) break;
                if (r < 0) return Issue::Finie; // the end after the drain, or a decoder failure
                recue = true;
                const std::optional<Issue> issue = recevoir(static_cast<const AVFrame&>(*sortie_));
                av_frame_unref(sortie_.get());
                if (issue) return *issue;
            }
            if (vidange_) return Issue::Bloquee;
            if (!enAttente_) {
                av_packet_unref(paquet_.get());
                enAttente_ = fournir();
                if (!enAttente_) {
                    avcodec_send_packet(codec_.get(), nullptr);
                    vidange_ = true;
                    continue;
                }
            }
            preparer(*paquet_);
            if (avcodec_send_packet(codec_.get(), paquet_.get()) == AVERROR(EAGAIN)) {
                if (!recue) return Issue::Bloquee;
                continue;
            }
            enAttente_ = false; // sent, or refused and skipped like a damaged packet
        }
    }
    template <class Recevoir, class Fournir>
    Issue Jusqua(Recevoir recevoir, Fournir fournir)
    {
        return Jusqua(recevoir, fournir, [](AVPacket&) {});
    }

private:
    ff::Codec codec_;
    ff::Paquet paquet_;
    ff::Image sortie_;
    bool enAttente_ = false;
    bool vidange_ = false;
};
