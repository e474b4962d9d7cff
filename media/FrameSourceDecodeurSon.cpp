#include "media/FrameSourceDecodeurSon.h"

extern "C" {
#include <libavutil/channel_layout.h>
}

#include <algorithm>
#include <cmath>
#include <cstring>

std::int64_t EchantillonAuTemps(double secondes, int frequence)
{
    constexpr double Limite = double(std::int64_t(1) << 50);
    const double e = secondes * frequence;
    return std::isfinite(e) ? std::llround(std::clamp(e, -Limite, Limite)) : 0;
}

DecodeurSon::DecodeurSon() : image_(ff::NouvelleImage()) {}

bool DecodeurSon::Ouvrir(const AVCodecParameters& p, AVRational base)
{
    const int canaux = p.ch_layout.nb_channels;
    if (p.sample_rate <= 0 || canaux <= 0 || !image_) return false;
    format_ = {std::min(canaux, 2), p.sample_rate, 16};
    const AVCodec* decodeur = avcodec_find_decoder(p.codec_id);
    if (!decodeur) return false;
    codec_.reset(avcodec_alloc_context3(decodeur));
    if (!codec_ || avcodec_parameters_to_context(codec_.get(), &p) < 0) return false;
    // With it the decoder moves a picture's time stamp past the samples it drops (a codec's priming).
    codec_->pkt_timebase = base;
    if (avcodec_open2(codec_.get(), decodeur, nullptr) < 0) {
        codec_.reset();
        return false;
    }
    return true;
}

void DecodeurSon::Repartir(std::int64_t debut)
{
    avcodec_flush_buffers(codec_.get());
    swr_.reset();
    decodes_.clear();
    debut_ = debut;
    place_ = true;
}

void DecodeurSon::RepartirAuTemps(double origine)
{
    Repartir(0);
    origine_ = origine;
    place_ = false;
}

bool DecodeurSon::Envoyer(const AVPacket* paquet)
{
    avcodec_send_packet(codec_.get(), paquet);
    while (avcodec_receive_frame(codec_.get(), image_.get()) == 0) {
        if (!place_) Placer(*image_);
        const bool converti = !place_ || Convertir(image_.get());
        av_frame_unref(image_.get());
        if (!converti) return false;
    }
    return paquet || !place_ || Convertir(nullptr); // what the resampler still holds
}

// A picture without a time stamp cannot say where it goes: it is dropped.
void DecodeurSon::Placer(const AVFrame& image)
{
    const std::int64_t pts = image.pts != AV_NOPTS_VALUE ? image.pts : image.best_effort_timestamp;
    if (pts == AV_NOPTS_VALUE || codec_->pkt_timebase.num <= 0) return;
    debut_ = EchantillonAuTemps(double(pts) * av_q2d(codec_->pkt_timebase) - origine_, format_.Frequence);
    place_ = true;
}

std::int64_t DecodeurSon::Servir(std::int64_t premier, std::int64_t nombre, std::span<std::byte> tampon)
{
    const int taille = TailleEchantillon();
    // Samples the decoder gave none for before the first it gave are silence.
    const std::int64_t silence = std::clamp<std::int64_t>(debut_ - premier, 0, nombre);
    std::memset(tampon.data(), 0, std::size_t(silence * taille));
    const std::int64_t depuis = premier + silence;
    const std::int64_t n = std::clamp<std::int64_t>(Fin() - depuis, 0, nombre - silence);
    if (n == 0) return silence;
    const std::size_t decalage = std::size_t((depuis - debut_) * taille);
    std::memcpy(tampon.data() + silence * taille, decodes_.data() + decalage, std::size_t(n * taille));
    // What was handed out is not asked for again when reading goes on in order.
    decodes_.erase(decodes_.begin(), decodes_.begin() + std::ptrdiff_t(decalage + std::size_t(n * taille)));
    debut_ = depuis + n;
    return silence + n;
}

bool DecodeurSon::Convertir(const AVFrame* image)
{
    if (image && !(swr_ && MemeEntree(*image))) {
        if (swr_ && !Reechantillonner(nullptr)) return false; // what the resampler still holds
        if (!Configurer(*image)) return false;
    }
    return !swr_ || Reechantillonner(image);
}

bool DecodeurSon::MemeEntree(const AVFrame& image) const
{
    const AVChannelLayout& l = image.ch_layout;
    return l.nb_channels == entree_.canaux && l.order == entree_.ordre &&
        (l.order != AV_CHANNEL_ORDER_NATIVE || l.u.mask == entree_.masque) && image.sample_rate == entree_.frequence &&
        image.format == entree_.format;
}

bool DecodeurSon::Configurer(const AVFrame& image)
{
    swr_.reset();
    const AVChannelLayout& l = image.ch_layout;
    entree_ = {l.nb_channels, l.order, l.order == AV_CHANNEL_ORDER_NATIVE ? l.u.mask : 0, image.sample_rate,
               image.format};
    if (l.nb_channels <= 0 || image.sample_rate <= 0) return false;
    // Default layouts are plain values, nothing to free.
    AVChannelLayout parDefaut{}, sortie{};
    av_channel_layout_default(&parDefaut, l.nb_channels);
    av_channel_layout_default(&sortie, format_.Canaux);
    const AVChannelLayout* entree = l.order == AV_CHANNEL_ORDER_UNSPEC ? &parDefaut : &l;
    SwrContext* s = nullptr;
    const int r =
        swr_alloc_set_opts2(&s, &sortie, AV_SAMPLE_FMT_S16, format_.Frequence, const_cast<AVChannelLayout*>(entree),
                            AVSampleFormat(image.format), image.sample_rate, 0, nullptr);
    swr_.reset(s);
    if (r < 0 || swr_init(swr_.get()) < 0) {
        swr_.reset();
        return false;
    }
    return true;
}

bool DecodeurSon::Reechantillonner(const AVFrame* image)
{
    const int taille = TailleEchantillon();
    const int place = swr_get_out_samples(swr_.get(), image ? image->nb_samples : 0);
    if (place <= 0) return true;
    const std::size_t avant = decodes_.size();
    decodes_.resize(avant + std::size_t(place) * std::size_t(taille));
    std::uint8_t* sortie = decodes_.data() + avant;
    const int n = swr_convert(swr_.get(), &sortie, place,
                              image ? const_cast<const std::uint8_t**>(image->extended_data) : nullptr,
                              image ? image->nb_samples : 0);
    decodes_.resize(avant + std::size_t(std::max(n, 0)) * std::size_t(taille));
    return n >= 0;
}
