#include "video/FrameSourceAudio.h"

extern "C" {
#include <libavutil/channel_layout.h>
}

#include <algorithm>
#include <cmath>
#include <cstring>

SonAvi::SonAvi(const FichierAvi& fichier, const FluxAvi& flux, const IndexAudio& index, int numeroFlux)
    : fichier_(fichier), flux_(flux), index_(index), numeroFlux_(numeroFlux), paquet_(ff::NouveauPaquet()),
      image_(ff::NouvelleImage())
{
    octetsAvant_.reserve(index.Morceaux.size() + 1);
    octetsAvant_.push_back(0);
    for (const Morceau& m : index.Morceaux) octetsAvant_.push_back(octetsAvant_.back() + m.Taille);
}

bool SonAvi::Ouvrir(const AVCodecParameters& p)
{
    const int canaux = p.ch_layout.nb_channels;
    if (flux_.Echelle == 0 || flux_.Cadence == 0 || p.sample_rate <= 0 || canaux <= 0 || index_.Morceaux.empty()
        || !paquet_ || !image_)
        return false;
    direct_ = p.codec_id == AV_CODEC_ID_PCM_S16LE && p.block_align == canaux * 2;
    format_ = {direct_ ? canaux : std::min(canaux, 2), p.sample_rate, 16};
    if (!direct_) {
        const AVCodec* decodeur = avcodec_find_decoder(p.codec_id);
        if (!decodeur) return false;
        codec_.reset(avcodec_alloc_context3(decodeur));
        if (!codec_ || avcodec_parameters_to_context(codec_.get(), &p) < 0
            || avcodec_open2(codec_.get(), decodeur, nullptr) < 0)
            return false;
    }
    debut_ = EchantillonsDUnites(flux_.Debut);
    const std::int64_t presents = direct_ ? octetsAvant_.back() / TailleEchantillon()
                                          : EchantillonsDUnites(UnitesAvant(index_.Morceaux.size()));
    longueur_ = flux_.Longueur == 0 ? presents : std::min(presents, EchantillonsDUnites(flux_.Longueur));
    return longueur_ > 0;
}

std::int64_t SonAvi::EchantillonsDUnites(std::int64_t unites) const
{
    return std::llround(double(unites) * flux_.Echelle / flux_.Cadence * format_.Frequence);
}

// A stream with a sample size counts its units in bytes; one without counts
// one unit a chunk.
std::int64_t SonAvi::UnitesAvant(std::size_t morceau) const
{
    return flux_.TailleEchantillon > 0 ? octetsAvant_[morceau] / flux_.TailleEchantillon : std::int64_t(morceau);
}

std::int64_t SonAvi::Lire(std::int64_t premier, std::int64_t nombre, std::span<std::byte> tampon)
{
    const int taille = TailleEchantillon();
    nombre = std::min({nombre, debut_ + longueur_ - premier, std::int64_t(tampon.size()) / taille});
    if (premier < debut_ || nombre <= 0) return 0;
    return direct_ ? LireDirect(premier, nombre, tampon) : LireDecode(premier, nombre, tampon);
}

bool SonAvi::LireMorceau(std::size_t i, std::vector<std::uint8_t>& donnees) const
{
    const Morceau& m = index_.Morceaux[i];
    donnees.resize(std::size_t(m.Taille) + 8);
    if (fichier_.Lire(m.Position, donnees) != std::int64_t(donnees.size())) return false;
    const std::uint32_t id = LireMot32(donnees.data());
    donnees.erase(donnees.begin(), donnees.begin() + 8);
    return FluxDuMorceau(id) == numeroFlux_ && EstMorceauSon(id);
}

std::int64_t SonAvi::LireDirect(std::int64_t premier, std::int64_t nombre, std::span<std::byte> tampon)
{
    const int taille = TailleEchantillon();
    std::int64_t octet = (premier - debut_) * taille;
    std::int64_t reste = nombre * taille;
    std::size_t ecrits = 0;
    auto i = std::size_t(std::upper_bound(octetsAvant_.begin(), octetsAvant_.end(), octet) - octetsAvant_.begin() - 1);
    for (; reste > 0 && i < index_.Morceaux.size(); ++i) {
        const Morceau& m = index_.Morceaux[i];
        std::uint8_t entete[8];
        const std::uint32_t id = fichier_.Lire(m.Position, entete) == 8 ? LireMot32(entete) : 0;
        if (FluxDuMorceau(id) != numeroFlux_ || !EstMorceauSon(id)) break;
        const std::int64_t dans = octet - octetsAvant_[i];
        const std::int64_t n = std::min(reste, m.Taille - dans);
        auto* destination = reinterpret_cast<std::uint8_t*>(tampon.data()) + ecrits;
        if (fichier_.Lire(m.Position + 8 + dans, {destination, std::size_t(n)}) != n) break;
        ecrits += std::size_t(n);
        octet += n;
        reste -= n;
    }
    return std::int64_t(ecrits) / taille;
}

std::int64_t SonAvi::LireDecode(std::int64_t premier, std::int64_t nombre, std::span<std::byte> tampon)
{
    const int taille = TailleEchantillon();
    auto fin = [&] { return decodesDebut_ + std::int64_t(decodes_.size()) / taille; };
    if (!cherche_ || premier < decodesDebut_ || premier > fin()) Chercher(premier);
    while (fin() < premier + nombre && DecoderSuivant()) {
    }
    // Samples the decoder gave none for before the first it gave are silence.
    const std::int64_t silence = std::clamp<std::int64_t>(decodesDebut_ - premier, 0, nombre);
    std::memset(tampon.data(), 0, std::size_t(silence * taille));
    const std::int64_t depuis = premier + silence;
    const std::int64_t n = std::clamp<std::int64_t>(fin() - depuis, 0, nombre - silence);
    if (n == 0) return silence;
    const std::size_t decalage = std::size_t((depuis - decodesDebut_) * taille);
    std::memcpy(tampon.data() + silence * taille, decodes_.data() + decalage, std::size_t(n * taille));
    // What was handed out is not asked for again when reading goes on in order.
    decodes_.erase(decodes_.begin(), decodes_.begin() + std::ptrdiff_t(decalage + std::size_t(n * taille)));
    decodesDebut_ = depuis + n;
    return silence + n;
}

// Restarts decoding a chunk before the one holding `premier`, so that a codec
// carrying state from chunk to chunk (MPEG audio's bit reservoir) has it.
void SonAvi::Chercher(std::int64_t premier)
{
    std::size_t i = 0;
    while (i + 1 < index_.Morceaux.size() && debut_ + EchantillonsDUnites(UnitesAvant(i + 1)) <= premier) ++i;
    const std::size_t depart = i > 0 ? i - 1 : 0;
    avcodec_flush_buffers(codec_.get());
    swr_.reset();
    prochainMorceau_ = depart;
    cherche_ = true;
    finDecodage_ = false;
    decodesDebut_ = debut_ + EchantillonsDUnites(UnitesAvant(depart));
    decodes_.clear();
}

bool SonAvi::DecoderSuivant()
{
    if (finDecodage_) return false;
    std::vector<std::uint8_t> donnees;
    if (prochainMorceau_ < index_.Morceaux.size()) {
        if (LireMorceau(prochainMorceau_++, donnees) && av_new_packet(paquet_.get(), int(donnees.size())) == 0) {
            std::memcpy(paquet_->data, donnees.data(), donnees.size());
            avcodec_send_packet(codec_.get(), paquet_.get());
            av_packet_unref(paquet_.get());
        }
    } else {
        avcodec_send_packet(codec_.get(), nullptr);
        finDecodage_ = true;
    }
    while (avcodec_receive_frame(codec_.get(), image_.get()) == 0) {
        const bool converti = Convertir(image_.get());
        av_frame_unref(image_.get());
        if (!converti) {
            finDecodage_ = true;
            return false;
        }
    }
    if (finDecodage_) Convertir(nullptr); // what the resampler still holds
    return true;
}

// The resampler is set up for each decoded format in turn: a stream may
// change its channels, rate or sample format midway (a capture that switched
// mode), while what it gives out stays in the stream's first format.
bool SonAvi::Convertir(const AVFrame* image)
{
    if (image && !(swr_ && MemeEntree(*image))) {
        if (swr_ && !Reechantillonner(nullptr)) return false; // what the resampler still holds
        if (!Configurer(*image)) return false;
    }
    return !swr_ || Reechantillonner(image);
}

bool SonAvi::MemeEntree(const AVFrame& image) const
{
    const AVChannelLayout& l = image.ch_layout;
    return l.nb_channels == entree_.canaux && l.order == entree_.ordre
        && (l.order != AV_CHANNEL_ORDER_NATIVE || l.u.mask == entree_.masque) && image.sample_rate == entree_.frequence
        && image.format == entree_.format;
}

bool SonAvi::Configurer(const AVFrame& image)
{
    swr_.reset();
    const AVChannelLayout& l = image.ch_layout;
    entree_ = {l.nb_channels, l.order, l.order == AV_CHANNEL_ORDER_NATIVE ? l.u.mask : 0, image.sample_rate, image.format};
    if (l.nb_channels <= 0 || image.sample_rate <= 0) return false;
    // Default layouts are plain values, nothing to free.
    AVChannelLayout parDefaut{}, sortie{};
    av_channel_layout_default(&parDefaut, l.nb_channels);
    av_channel_layout_default(&sortie, format_.Canaux);
    const AVChannelLayout* entree = l.order == AV_CHANNEL_ORDER_UNSPEC ? &parDefaut : &l;
    SwrContext* s = nullptr;
    const int r = swr_alloc_set_opts2(&s, &sortie, AV_SAMPLE_FMT_S16, format_.Frequence, const_cast<AVChannelLayout*>(entree),
                                      AVSampleFormat(image.format), image.sample_rate, 0, nullptr);
    swr_.reset(s);
    if (r < 0 || swr_init(swr_.get()) < 0) {
        swr_.reset();
        return false;
    }
    return true;
}

bool SonAvi::Reechantillonner(const AVFrame* image)
{
    const int taille = TailleEchantillon();
    const int place = swr_get_out_samples(swr_.get(), image ? image->nb_samples : 0);
    if (place <= 0) return true;
    const std::size_t avant = decodes_.size();
    decodes_.resize(avant + std::size_t(place) * std::size_t(taille));
    std::uint8_t* sortie = decodes_.data() + avant;
    const int n = swr_convert(swr_.get(), &sortie, place, image ? const_cast<const std::uint8_t**>(image->extended_data) : nullptr,
                              image ? image->nb_samples : 0);
    decodes_.resize(avant + std::size_t(std::max(n, 0)) * std::size_t(taille));
    return n >= 0;
}
