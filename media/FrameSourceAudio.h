#pragma once
// The audio stream of the open AVI file as the sound player reads it: PCM
// samples by index. 16-bit PCM is read straight from the file; any other
// format is decoded and converted to 16-bit PCM.

#include "media/FrameSourceAvi.h"
#include "media/FrameSourceDecodeurSon.h"
#include "media/FrameSourceFFmpeg.h"
#include "media/FrameSourceIndex.h"
#include "media/UnitSourceAudio.h"

#include <cstdint>
#include <vector>

class SonAvi : public SourceAudio {
public:
    SonAvi(const FichierAvi& fichier, const FluxAvi& flux, const IndexAudio& index, int numeroFlux);

    // False when the stream can be neither read nor decoded.
    bool Ouvrir(const AVCodecParameters& parametres);

    FormatAudio Format() const override { return format_; }
    int TailleEchantillon() const override { return format_.Canaux * format_.BitsParEchantillon / 8; }
    std::int64_t Debut() const override { return debut_; }
    std::int64_t Longueur() const override { return longueur_; }
    std::int64_t Lire(std::int64_t premier, std::int64_t nombre, std::span<std::byte> tampon) override;

private:
    // Samples from the stream's units (scale / rate seconds each).
    std::int64_t EchantillonsDUnites(std::int64_t unites) const;
    std::int64_t UnitesAvant(std::size_t morceau) const;
    bool LireMorceau(std::size_t morceau, std::vector<std::uint8_t>& donnees) const;
    std::int64_t LireDirect(std::int64_t premier, std::int64_t nombre, std::span<std::byte> tampon);
    std::int64_t LireDecode(std::int64_t premier, std::int64_t nombre, std::span<std::byte> tampon);
    void Chercher(std::int64_t premier);
    bool DecoderSuivant();

    const FichierAvi& fichier_;
    const FluxAvi flux_;
    const IndexAudio& index_;
    const int numeroFlux_;
    std::vector<std::int64_t> octetsAvant_; // bytes of the chunks before each, one more at the end
    FormatAudio format_;
    std::int64_t debut_ = 0;
    std::int64_t longueur_ = 0;
    bool direct_ = false;

    DecodeurSon decodeur_;
    ff::Paquet paquet_;
    std::size_t prochainMorceau_ = 0;
    bool cherche_ = false; // decoding has been placed once
    bool finDecodage_ = true;
};
