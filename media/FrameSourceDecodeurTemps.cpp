#include "media/FrameSourceDecodeurTemps.h"

extern "C" {
#include <libavcodec/codec_desc.h>
#include <libavutil/imgutils.h>
}

#include <algorithm>

DecodeurTemps::DecodeurTemps(AVFormatContext& demuxeur, int flux, std::vector<PaquetTemps> paquets)
    : demuxeur_(demuxeur), flux_(flux), paquets_(std::move(paquets))
{
    // Presentation order: by time stamp, packets sharing one in decoding order.
    std::vector<std::pair<std::int64_t, std::int32_t>> ordre;
    for (std::size_t j = 0; j < paquets_.size(); ++j) {
        const PaquetTemps& p = paquets_[j];
        if (p.Pts != AV_NOPTS_VALUE) ordre.emplace_back(p.Pts, std::int32_t(j));
        if (p.Position >= 0) {
            const auto [it, nouveau] = parPosition_.emplace(p.Position, std::int32_t(j));
            if (!nouveau) it->second = -1;
        }
    }
    std::stable_sort(ordre.begin(), ordre.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    rangDuPaquet_.assign(paquets_.size(), -1);
    for (std::size_t r = 0; r < ordre.size(); ++r) {
        const auto [pts, j] = ordre[r];
        rangDuPaquet_[std::size_t(j)] = std::int64_t(r);
        if (paquets_[std::size_t(j)].Ecarte) continue;
        rangsImages_.push_back(std::int64_t(r));
        ptsImages_.push_back(pts);
        paquetDeImage_.push_back(j);
    }
}

bool DecodeurTemps::Ouvrir(const AVCodecParameters& parametres)
{
    if (ptsImages_.empty() || !decodage_.Ouvrir(parametres, demuxeur_.streams[flux_]->time_base)) return false;
    const AVCodecDescriptor* description = avcodec_descriptor_get(parametres.codec_id);
    const bool intra = description && (description->props & AV_CODEC_PROP_INTRA_ONLY);
    for (std::size_t j = 0; j < paquets_.size(); ++j)
        if (j == 0 || intra || paquets_[j].Cle) cles_.push_back(std::int32_t(j));
    return true;
}

std::int32_t DecodeurTemps::NumeroDuRang(std::int64_t rang) const
{
    const auto it = std::lower_bound(rangsImages_.begin(), rangsImages_.end(), rang);
    return it != rangsImages_.end() && *it == rang ? std::int32_t(it - rangsImages_.begin()) : -1;
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
    const std::int64_t rang = rangsImages_[std::size_t(numero)];
    auto it = std::upper_bound(cles_.begin(), cles_.end(), j);
    while (it != cles_.begin()) {
        const std::int32_t k = *--it;
        const std::int64_t rangCle = rangDuPaquet_[std::size_t(k)];
        if (rangCle < 0 || rangCle <= rang) return k;
    }
    return cles_.front();
}

bool DecodeurTemps::PeutContinuer(std::int32_t numero, std::int32_t depart) const
{
    const std::int64_t rang = rangsImages_[std::size_t(numero)];
    return debutSession_ >= 0 && debutSession_ <= depart && prochain_ >= depart && rangDebut_ <= rang &&
        dernierRang_ < rang;
}

ff::Image DecodeurTemps::Image(std::int32_t numero)
{
    if (!decodage_.Ouvert() || numero < 0 || numero >= FrameCount()) return {};
    if (ff::Image image = cache_.Trouver(numero)) return image;
    std::int32_t depart = DepartPour(numero);
    bool relancer = false;
    for (int essai = 0; essai < 4; ++essai) {
        const bool continuee = !relancer && PeutContinuer(numero, depart);
        if (!continuee && !Demarrer(depart)) return {};
        ff::Image trouvee;
        switch (DecoderJusqua(numero, trouvee)) {
        case Issue::Trouvee: return trouvee;
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
        default: return {};
        }
    }
    return {};
}

std::int32_t DecodeurTemps::Cout(std::int32_t numero) const
{
    if (!decodage_.Ouvert() || numero < 0 || numero >= FrameCount() || cache_.Contient(numero)) return 0;
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
// it, leaving it in the decoder's packet. False when the packet read first
// after the seek is past it.
bool DecodeurTemps::ChercherDepuis(std::int64_t temps, std::int32_t depart)
{
    if (avformat_seek_file(&demuxeur_, flux_, INT64_MIN, temps, temps, 0) < 0) return false;
    AVPacket& paquet = decodage_.Paquet();
    prochain_ = -1;
    for (;;) {
        av_packet_unref(&paquet);
        if (av_read_frame(&demuxeur_, &paquet) < 0) return false;
        if (paquet.stream_index != flux_) continue;
        const std::int32_t j = Identifier(paquet, prochain_ < 0 ? -1 : prochain_ + 1);
        if (j < 0) continue;
        if (j > depart) return false;
        prochain_ = j;
        if (j == depart) return true;
    }
}

bool DecodeurTemps::Demarrer(std::int32_t depart)
{
    debutSession_ = -1;
    dernierRang_ = INT64_MIN;
    const PaquetTemps& k = paquets_[std::size_t(depart)];
    const std::int64_t temps = k.Dts != AV_NOPTS_VALUE ? k.Dts : k.Pts;
    const std::int64_t premier = paquets_.front().Dts != AV_NOPTS_VALUE ? paquets_.front().Dts : paquets_.front().Pts;
    // The demuxer may land after the packet asked for: ask earlier, then for the start.
    bool place = temps != AV_NOPTS_VALUE && ChercherDepuis(temps, depart);
    if (!place && temps != AV_NOPTS_VALUE && premier != AV_NOPTS_VALUE && temps > premier)
        place = ChercherDepuis(temps - (temps - premier) / 2 - 1, depart);
    if (!place && premier != AV_NOPTS_VALUE) place = ChercherDepuis(premier, depart);
    decodage_.Relancer(place);
    if (!place) return false;
    debutSession_ = depart;
    rangDebut_ = rangDuPaquet_[std::size_t(depart)] >= 0 ? rangDuPaquet_[std::size_t(depart)] : INT64_MIN;
    return true;
}

// Reads the next packet of the stream into the decoder's packet; false at the end.
bool DecodeurTemps::LireSuivant()
{
    AVPacket& paquet = decodage_.Paquet();
    for (;;) {
        av_packet_unref(&paquet);
        if (av_read_frame(&demuxeur_, &paquet) < 0) return false;
        if (paquet.stream_index != flux_) continue;
        const std::int32_t j = Identifier(paquet, prochain_ + 1);
        if (j <= prochain_) continue; // not one of ours, or one already sent
        prochain_ = j;
        return true;
    }
}

// Stamps the packet last read with its rank, which names its frame.
void DecodeurTemps::Preparer(AVPacket& p, std::int32_t numero)
{
    const std::int64_t rang = rangDuPaquet_[std::size_t(prochain_)];
    p.pts = rang >= 0 ? rang : AV_NOPTS_VALUE;
    p.dts = AV_NOPTS_VALUE;
    // Far before the frame asked for, a picture nothing refers to would
    // only pass through a cache too small to keep it: it is not decoded.
    const std::int32_t image = paquets_[std::size_t(prochain_)].Ecarte || rang < 0 ? -1 : NumeroDuRang(rang);
    decodage_.Contexte().skip_frame =
        image >= 0 && image < numero - ImagesEnCache() ? AVDISCARD_NONREF : AVDISCARD_DEFAULT;
}

DecodeurTemps::Issue DecodeurTemps::DecoderJusqua(std::int32_t numero, ff::Image& trouvee)
{
    const std::int64_t cible = rangsImages_[std::size_t(numero)];
    const Issue issue = decodage_.Jusqua(
        [&](const AVFrame& image) -> std::optional<Issue> {
            Ranger(image, numero, trouvee);
            // The pictures after it stay in the decoder for the next step.
            if (trouvee) return Issue::Trouvee;
            if (dernierRang_ > cible) return Issue::Depassee;
            return std::nullopt;
        },
        [&] { return LireSuivant(); }, [&](AVPacket& p) { Preparer(p, numero); });
    if (issue == Issue::Finie || issue == Issue::Bloquee) debutSession_ = -1;
    return issue;
}

// How many decoded pictures the cache holds, twice over to stay on the safe side.
std::int32_t DecodeurTemps::ImagesEnCache() const
{
    const AVCodecContext& c = decodage_.Contexte();
    const std::size_t image = std::size_t(std::max(1, av_image_get_buffer_size(c.pix_fmt, c.width, c.height, 1)));
    return std::int32_t(std::min<std::size_t>(cache_.Budget() / image * 2 + 4, std::size_t(1) << 30));
}

void DecodeurTemps::Ranger(const AVFrame& image, std::int32_t cible, ff::Image& trouvee)
{
    const std::int64_t rang = image.pts != AV_NOPTS_VALUE ? image.pts : image.best_effort_timestamp;
    if (rang == AV_NOPTS_VALUE || rang < rangDebut_) return;
    dernierRang_ = std::max(dernierRang_, rang);
    const std::int32_t numero = NumeroDuRang(rang);
    if (numero < 0) return;
    if (cache_.Gardera(cible - numero, image)) cache_.Ranger(numero, &image);
    if (numero == cible) trouvee = ff::Reference(&image);
}
