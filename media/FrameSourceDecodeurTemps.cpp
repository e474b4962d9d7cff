#include "media/FrameSourceDecodeurTemps.h"

extern "C" {
#include <libavcodec/codec_desc.h>
#include <libavutil/imgutils.h>
}

#include <algorithm>

DecodeurTemps::DecodeurTemps(AVFormatContext& demuxeur, int flux, std::vector<PaquetTemps> paquets)
    : demuxeur_(demuxeur), flux_(flux), paquets_(std::move(paquets)), paquet_(ff::NouveauPaquet()),
      sortie_(ff::NouvelleImage())
{
    // Frames by time stamp; two packets of one time stamp show one frame.
    std::vector<std::pair<std::int64_t, std::int32_t>> images;
    for (std::size_t j = 0; j < paquets_.size(); ++j) {
        const PaquetTemps& p = paquets_[j];
        if (!p.Ecarte && p.Pts != AV_NOPTS_VALUE) images.emplace_back(p.Pts, std::int32_t(j));
        if (p.Position >= 0) {
            const auto [it, nouveau] = parPosition_.emplace(p.Position, std::int32_t(j));
            if (!nouveau) it->second = -1;
        }
    }
    std::stable_sort(images.begin(), images.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [pts, j] : images)
        if (ptsImages_.empty() || ptsImages_.back() != pts) {
            ptsImages_.push_back(pts);
            paquetDeImage_.push_back(j);
        }
}

bool DecodeurTemps::Ouvrir(const AVCodecParameters& parametres)
{
    const AVCodec* decodeur = avcodec_find_decoder(parametres.codec_id);
    if (!decodeur || !paquet_ || !sortie_ || ptsImages_.empty()) return false;
    codec_.reset(avcodec_alloc_context3(decodeur));
    if (!codec_ || avcodec_parameters_to_context(codec_.get(), &parametres) < 0) return false;
    codec_->pkt_timebase = demuxeur_.streams[flux_]->time_base;
    // Frame threads on every core while catching up to a frame.
    codec_->thread_count = 0;
    codec_->thread_type = FF_THREAD_FRAME | FF_THREAD_SLICE;
    if (avcodec_open2(codec_.get(), decodeur, nullptr) < 0) {
        codec_.reset();
        return false;
    }
    const AVCodecDescriptor* description = avcodec_descriptor_get(parametres.codec_id);
    const bool intra = description && (description->props & AV_CODEC_PROP_INTRA_ONLY);
    for (std::size_t j = 0; j < paquets_.size(); ++j)
        if (j == 0 || intra || paquets_[j].Cle) cles_.push_back(std::int32_t(j));
    return true;
}

std::int32_t DecodeurTemps::NumeroDuPts(std::int64_t pts) const
{
    const auto it = std::lower_bound(ptsImages_.begin(), ptsImages_.end(), pts);
    return it != ptsImages_.end() && *it == pts ? std::int32_t(it - ptsImages_.begin()) : -1;
}

std::int32_t DecodeurTemps::ClePrecedente(std::int32_t paquet) const
{
    const auto it = std::lower_bound(cles_.begin(), cles_.end(), paquet);
    return it == cles_.begin() ? cles_.front() : *(it - 1);
}

// The last keyframe at or before the frame's packet that is shown no later
// than the frame: decoding from it gives the frame with all it refers to.
std::int32_t DecodeurTemps::DepartPour(std::int32_t numero) const
{
    const std::int32_t j = paquetDeImage_[std::size_t(numero)];
    const std::int64_t pts = ptsImages_[std::size_t(numero)];
    auto it = std::upper_bound(cles_.begin(), cles_.end(), j);
    while (it != cles_.begin()) {
        const std::int32_t k = *--it;
        const std::int64_t ptsCle = paquets_[std::size_t(k)].Pts;
        if (ptsCle == AV_NOPTS_VALUE || ptsCle <= pts) return k;
    }
    return cles_.front();
}

bool DecodeurTemps::PeutContinuer(std::int32_t numero, std::int32_t depart) const
{
    return debutSession_ >= 0 && debutSession_ <= depart && prochain_ >= depart &&
        ptsDebut_ <= ptsImages_[std::size_t(numero)] && dernierPts_ < ptsImages_[std::size_t(numero)];
}

ff::Image DecodeurTemps::Image(std::int32_t numero)
{
    if (!codec_ || numero < 0 || numero >= FrameCount()) return {};
    if (ff::Image image = cache_.Trouver(numero)) return image;
    std::int32_t depart = DepartPour(numero);
    bool relancer = false;
    for (int essai = 0; essai < 4; ++essai) {
        const bool continuee = !relancer && PeutContinuer(numero, depart);
        if (!continuee && !Demarrer(depart)) return {};
        ff::Image trouvee;
        switch (DecoderJusqua(numero, trouvee)) {
        case Issue::Trouvee: return trouvee;
        case Issue::Finie: return {};
        case Issue::Depassee:
            // A continued decode may have passed it untrusted; a cold start
            // may have lost it with pictures that refer further back.
            if (continuee) {
                relancer = true;
            } else {
                relancer = false;
                const std::int32_t avant = ClePrecedente(depart);
                if (avant == depart) return {};
                depart = avant;
            }
            continue;
        }
    }
    return {};
}

std::int32_t DecodeurTemps::Cout(std::int32_t numero) const
{
    if (!codec_ || numero < 0 || numero >= FrameCount() || cache_.Contient(numero)) return 0;
    const std::int32_t depart = DepartPour(numero), j = paquetDeImage_[std::size_t(numero)];
    return PeutContinuer(numero, depart) ? std::max(1, j - prochain_ + 1) : j - depart + 1;
}

// Which packet `p` is: `attendu` when it matches, else found by its position
// in the file, or by its presentation time where the demuxer gives no
// position; -1 when it is none of the list. Decoding time stamps are no
// help: after a seek the demuxer may leave out those it had worked out.
std::int32_t DecodeurTemps::Identifier(const AVPacket& p, std::int32_t attendu) const
{
    auto correspond = [&](const PaquetTemps& q) { return q.Position == p.pos && q.PtsLu == p.pts; };
    if (attendu >= 0 && attendu < Paquets() && correspond(paquets_[std::size_t(attendu)])) return attendu;
    if (p.pos >= 0)
        if (const auto it = parPosition_.find(p.pos); it != parPosition_.end() && it->second >= 0) return it->second;
    if (p.pts == AV_NOPTS_VALUE) return -1;
    const auto it = std::find_if(paquets_.begin(), paquets_.end(), correspond);
    return it == paquets_.end() ? -1 : std::int32_t(it - paquets_.begin());
}

// Seeks the demuxer to a time at or before packet `depart` and reads up to
// it. False when the packet read first after the seek is past it.
bool DecodeurTemps::ChercherDepuis(std::int64_t temps, std::int32_t depart)
{
    if (avformat_seek_file(&demuxeur_, flux_, INT64_MIN, temps, temps, 0) < 0) return false;
    prochain_ = -1;
    for (;;) {
        av_packet_unref(paquet_.get());
        if (av_read_frame(&demuxeur_, paquet_.get()) < 0) return false;
        if (paquet_->stream_index != flux_) continue;
        const std::int32_t j = Identifier(*paquet_, prochain_ < 0 ? -1 : prochain_ + 1);
        if (j < 0) continue;
        if (j > depart) return false;
        prochain_ = j;
        if (j == depart) return true;
    }
}

bool DecodeurTemps::Demarrer(std::int32_t depart)
{
    avcodec_flush_buffers(codec_.get());
    debutSession_ = -1;
    enAttente_ = false;
    vidangee_ = false;
    dernierPts_ = INT64_MIN;
    const PaquetTemps& k = paquets_[std::size_t(depart)];
    const std::int64_t temps = k.Dts != AV_NOPTS_VALUE ? k.Dts : k.Pts;
    const std::int64_t premier = paquets_.front().Dts != AV_NOPTS_VALUE ? paquets_.front().Dts : paquets_.front().Pts;
    // The demuxer may land after the packet asked for: ask earlier, then for the start.
    bool place = temps != AV_NOPTS_VALUE && ChercherDepuis(temps, depart);
    if (!place && temps != AV_NOPTS_VALUE && premier != AV_NOPTS_VALUE && temps > premier)
        place = ChercherDepuis(temps - (temps - premier) / 2 - 1, depart);
    if (!place && premier != AV_NOPTS_VALUE) place = ChercherDepuis(premier, depart);
    if (!place) return false;
    enAttente_ = true;
    debutSession_ = depart;
    ptsDebut_ = k.Pts != AV_NOPTS_VALUE ? k.Pts : INT64_MIN;
    return true;
}

// Reads the next packet of the stream into paquet_; false at the end.
bool DecodeurTemps::LireSuivant()
{
    for (;;) {
        av_packet_unref(paquet_.get());
        if (av_read_frame(&demuxeur_, paquet_.get()) < 0) return false;
        if (paquet_->stream_index != flux_) continue;
        const std::int32_t j = Identifier(*paquet_, prochain_ + 1);
        if (j <= prochain_) continue; // not one of ours, or one already sent
        prochain_ = j;
        return true;
    }
}

DecodeurTemps::Issue DecodeurTemps::DecoderJusqua(std::int32_t numero, ff::Image& trouvee)
{
    const std::int64_t cible = ptsImages_[std::size_t(numero)];
    for (;;) {
        bool recue = false;
        for (;;) {
            const int r = avcodec_receive_frame(codec_.get(), sortie_.get());
            if (r == AVERROR(EAGAIN)) break;
            if (r < 0) { // the end after the drain, or a decoder failure
                debutSession_ = -1;
                return Issue::Finie;
            }
            recue = true;
            Ranger(*sortie_, numero, trouvee);
            av_frame_unref(sortie_.get());
            // The pictures after it stay in the decoder for the next step.
            if (trouvee) return Issue::Trouvee;
            if (dernierPts_ > cible) return Issue::Depassee;
        }
        if (vidangee_) {
            debutSession_ = -1;
            return Issue::Finie;
        }
        if (!enAttente_ && !(enAttente_ = LireSuivant())) {
            avcodec_send_packet(codec_.get(), nullptr);
            vidangee_ = true;
            continue;
        }
        // The time stamps listed at open, which name the frames.
        const PaquetTemps& q = paquets_[std::size_t(prochain_)];
        paquet_->pts = q.Pts;
        paquet_->dts = q.Dts;
        // Far before the frame asked for, a picture nothing refers to would
        // only pass through a cache too small to keep it: it is not decoded.
        const std::int32_t image = q.Ecarte ? -1 : NumeroDuPts(q.Pts);
        codec_->skip_frame = image >= 0 && image < numero - ImagesEnCache() ? AVDISCARD_NONREF : AVDISCARD_DEFAULT;
        const int r = avcodec_send_packet(codec_.get(), paquet_.get());
        if (r == AVERROR(EAGAIN)) {
            if (!recue) { // neither takes nor gives: give up on this decode
                debutSession_ = -1;
                return Issue::Finie;
            }
            continue;
        }
        enAttente_ = false; // sent, or refused and skipped like a damaged packet
    }
}

// How many decoded pictures the cache holds, twice over to stay on the safe side.
std::int32_t DecodeurTemps::ImagesEnCache() const
{
    const std::size_t image =
        std::size_t(std::max(1, av_image_get_buffer_size(codec_->pix_fmt, codec_->width, codec_->height, 1)));
    return std::int32_t(std::min<std::size_t>(cache_.Budget() / image * 2 + 4, std::size_t(1) << 30));
}

void DecodeurTemps::Ranger(const AVFrame& image, std::int32_t cible, ff::Image& trouvee)
{
    const std::int64_t pts = image.pts != AV_NOPTS_VALUE ? image.pts : image.best_effort_timestamp;
    if (pts == AV_NOPTS_VALUE || pts < ptsDebut_) return;
    dernierPts_ = std::max(dernierPts_, pts);
    const std::int32_t numero = NumeroDuPts(pts);
    if (numero < 0) return;
    if (cache_.Gardera(cible - numero, image)) cache_.Ranger(numero, &image);
    if (numero == cible) trouvee = ff::Reference(&image);
}
