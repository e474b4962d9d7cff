#pragma once
// A synthetic audio stream for the sound tests: every byte of sample i holds
// the low byte of i, and every read is logged. A read that reaches the
// sample `Coupure` stops just before it, while `CoupuresRestantes` lasts.

#include "media/UnitSourceAudio.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

class SourceSynthetique : public SourceAudio {
public:
    SourceSynthetique(FormatAudio format, int tailleEchantillon, std::int64_t debut, std::int64_t longueur)
        : format_(format), taille_(tailleEchantillon), debut_(debut), longueur_(longueur)
    {
    }

    FormatAudio Format() const override { return format_; }
    int TailleEchantillon() const override { return taille_; }
    std::int64_t Debut() const override { return debut_; }
    std::int64_t Longueur() const override { return longueur_; }

    std::int64_t Lire(std::int64_t premier, std::int64_t nombre, std::span<std::byte> tampon) override
    {
        Lectures.emplace_back(premier, nombre);
        std::int64_t fin = std::min(premier + nombre, debut_ + longueur_);
        if (CoupuresRestantes > 0 && premier <= Coupure && Coupure < fin) {
            fin = Coupure;
            --CoupuresRestantes;
        }
        const std::int64_t lus = std::max<std::int64_t>(0, fin - premier);
        for (std::int64_t i = 0; i < lus; ++i)
            std::memset(tampon.data() + i * taille_, static_cast<int>((premier + i) & 0xFF),
                        static_cast<std::size_t>(taille_));
        return lus;
    }

    std::vector<std::pair<std::int64_t, std::int64_t>> Lectures; // (first, count) asked
    std::int64_t Coupure = -1;
    int CoupuresRestantes = 0;

private:
    FormatAudio format_;
    int taille_;
    std::int64_t debut_;
    std::int64_t longueur_;
};

inline FormatAudio StereoCd()
{
    return FormatAudio{2, 44100, 16};
}
