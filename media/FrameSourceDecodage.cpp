#include "media/FrameSourceDecodage.h"

Decodage::Decodage() : paquet_(ff::NouveauPaquet()), sortie_(ff::NouvelleImage()) {}

bool Decodage::Ouvrir(const AVCodecParameters& parametres, AVRational base)
{
    const AVCodec* decodeur = avcodec_find_decoder(parametres.codec_id);
    if (!decodeur || !paquet_ || !sortie_) return false;
    codec_.reset(avcodec_alloc_context3(decodeur));
    if (!codec_ || avcodec_parameters_to_context(codec_.get(), &parametres) < 0) {
        codec_.reset();
        return false;
    }
    if (base.num > 0 && base.den > 0) codec_->pkt_timebase = base;
    // The decoder's own threads, as ffmpeg uses them for sequential reading.
    codec_->thread_count = 0;
    codec_->thread_type = FF_THREAD_FRAME | FF_THREAD_SLICE;
    // The decoder refuses larger pictures before allocating them.
    codec_->max_pixels = std::int64_t(TailleMaxImage) * TailleMaxImage;
    if (avcodec_open2(codec_.get(), decodeur, nullptr) < 0) {
        codec_.reset();
        return false;
    }
    return true;
}

void Decodage::Relancer(bool enAttente)
{
    if (codec_) avcodec_flush_buffers(codec_.get());
    enAttente_ = enAttente;
    vidange_ = false;
}
