#pragma once
// The AVI file as the frame source reads it: positional reads from the open
// file, and the stream headers (scale, rate, start, length, frame rectangle,
// format) read straight from the RIFF structure, where FFmpeg would already
// have reduced or replaced them.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// A file opened read-only; reads at a position never move a shared offset,
// so the video and audio readers can share it.
class FichierAvi {
public:
    FichierAvi() = default;
    ~FichierAvi();
    FichierAvi(const FichierAvi&) = delete;
    FichierAvi& operator=(const FichierAvi&) = delete;

    bool Ouvrir(const std::string& chemin);
    void Fermer();
    bool Ouvert() const { return fd_ >= 0; }
    std::int64_t Taille() const { return taille_; }
    // Reads up to tampon.size() bytes at `position`; returns the bytes read.
    std::int64_t Lire(std::int64_t position, std::span<std::uint8_t> tampon) const;

private:
    int fd_ = -1;
    std::int64_t taille_ = 0;
};

constexpr std::uint32_t CodeQuatre(const char (&c)[5])
{
    return std::uint32_t(std::uint8_t(c[0])) | std::uint32_t(std::uint8_t(c[1])) << 8 |
        std::uint32_t(std::uint8_t(c[2])) << 16 | std::uint32_t(std::uint8_t(c[3])) << 24;
}

inline std::uint32_t LireMot32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

// Data chunk ids: two digits of the stream number, then "dc" or "db" for a
// picture, "wb" for sound.
int FluxDuMorceau(std::uint32_t id); // -1 when the id is no data chunk's
inline bool EstMorceauImage(std::uint32_t id)
{
    return (id >> 16) == (CodeQuatre("00dc") >> 16) || (id >> 16) == (CodeQuatre("00db") >> 16);
}
inline bool EstMorceauSon(std::uint32_t id)
{
    return (id >> 16) == (CodeQuatre("00wb") >> 16);
}

// The first position in [depuis, fin) where `motif`(bytes, 12 of them,
// their position) holds, scanning the file in blocks; -1 when there is none. What a reader
// does to find its way again after a damaged chunk header.
template <class Motif>
std::int64_t ChercherMotif(const FichierAvi& fichier, std::int64_t depuis, std::int64_t fin, Motif motif)
{
    constexpr std::size_t Bloc = 1 << 16, Marge = 12;
    std::vector<std::uint8_t> tampon(Bloc + Marge);
    for (std::int64_t pos = depuis; pos + std::int64_t(Marge) <= fin; pos += Bloc) {
        const std::int64_t lus = fichier.Lire(
            pos, std::span(tampon).first(std::size_t(std::min<std::int64_t>(fin - pos, std::int64_t(tampon.size())))));
        for (std::int64_t i = 0; i + std::int64_t(Marge) <= lus && i < std::int64_t(Bloc); ++i)
            if (motif(tampon.data() + i, pos + i)) return pos + i;
        if (lus < std::int64_t(tampon.size())) break;
    }
    return -1;
}

// Whether the four bytes of a chunk id are printable characters.
bool IdImprimable(std::uint32_t id);

// One stream description: the fields of 'strh' and the few of 'strf' used.
struct FluxAvi {
    std::uint32_t Type = 0; // 'vids', 'auds', ...
    std::uint32_t Echelle = 0;
    std::uint32_t Cadence = 0;
    std::uint32_t Debut = 0;
    std::uint32_t Longueur = 0;
    std::uint32_t TailleEchantillon = 0;
    // Frame rectangle, all zero when the header gives none.
    int Gauche = 0, Haut = 0, Droite = 0, Bas = 0;
    // From the video format: the bitmap's size (height without its sign).
    int LargeurFormat = 0, HauteurFormat = 0;
};

// A range of the file holding chunks: the contents of one 'movi' list.
struct ZoneMovi {
    std::int64_t Debut = 0;
    std::int64_t Fin = 0;
};

struct EnTeteAvi {
    std::vector<FluxAvi> Flux;
    std::uint32_t ImagesTotalesOdml = 0; // 'dmlh' of an OpenDML file, 0 when absent
    std::vector<ZoneMovi> Movi;          // the first RIFF's and every 'AVIX' extension's
};

// Reads the headers; nothing when the file is no RIFF AVI with a header list.
std::optional<EnTeteAvi> LireEnTeteAvi(const FichierAvi& fichier);
