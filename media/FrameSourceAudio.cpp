#include "media/FrameSourceAudio.h"

#include <algorithm>
#include <cmath>
#include <cstring>

SonAvi::SonAvi(const FichierAvi& fichier, const FluxAvi& flux, const IndexAudio& index, int numeroFlux)
    : fichier_(fichier), flux_(flux), index_(index), numeroFlux_(numeroFlux), paquet_(ff::NouveauPaquet())
{
    octetsAvant_.reserve(index.Morceaux.size() + 1);
    octetsAvant_.push_back(0);
    for (const Morceau& m : index.Morceaux) octetsAvant_.push_back(octetsAvant_.back() + m.Taille);
}

bool SonAvi::Ouvrir(const AVCodecParameters& p)
{
    const int canaux = p.ch_layout.nb_channels;
    if (flux_.Echelle == 0 || flux_.Cadence == 0 || p.sample_rate <= 0 || canaux <= 0 || index_.Morceaux.empty() ||
        !paquet_)
        return false;
    direct_ = p.codec_id == AV_CODEC_ID_PCM_S16LE && p.block_align == canaux * 2;
    if (direct_)
        format_ = {canaux, p.sample_rate, 16};
    else if (decodeur_.Ouvrir(p, {0, 1}))
        format_ = decodeur_.Format();
    else
        return false;
    debut_ = EchantillonsDUnites(flux_.Debut);
    const std::int64_t presents =
        direct_ ? octetsAvant_.back() / TailleEchantillon() : EchantillonsDUnites(UnitesAvant(index_.Morceaux.size()));
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
    if (!cherche_ || premier < decodeur_.Debut() || premier > decodeur_.Fin()) Chercher(premier);
    while (decodeur_.Fin() < premier + nombre && DecoderSuivant()) {}
    return decodeur_.Servir(premier, nombre, tampon);
}

// Restarts decoding a chunk before the one holding `premier`, so that a codec
// carrying state from chunk to chunk (MPEG audio's bit reservoir) has it.
void SonAvi::Chercher(std::int64_t premier)
{
    std::size_t i = 0;
    while (i + 1 < index_.Morceaux.size() && debut_ + EchantillonsDUnites(UnitesAvant(i + 1)) <= premier) ++i;
    const std::size_t depart = i > 0 ? i - 1 : 0;
    decodeur_.Repartir(debut_ + EchantillonsDUnites(UnitesAvant(depart)));
    prochainMorceau_ = depart;
    cherche_ = true;
    finDecodage_ = false;
}

bool SonAvi::DecoderSuivant()
{
    if (finDecodage_) return false;
    if (prochainMorceau_ >= index_.Morceaux.size()) {
        finDecodage_ = true;
        return decodeur_.Envoyer(nullptr);
    }
    std::vector<std::uint8_t> donnees;
    if (!LireMorceau(prochainMorceau_++, donnees) || av_new_packet(paquet_.get(), int(donnees.size())) != 0)
        return true;
    std::memcpy(paquet_->data, donnees.data(), donnees.size());
    const bool decode = decodeur_.Envoyer(paquet_.get());
    av_packet_unref(paquet_.get());
    if (!decode) finDecodage_ = true;
    return decode;
}
