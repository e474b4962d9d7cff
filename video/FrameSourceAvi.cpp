#include "video/FrameSourceAvi.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FichierAvi::~FichierAvi() { Fermer(); }

bool FichierAvi::Ouvrir(const std::string& chemin)
{
    Fermer();
    // A pipe or a device would block the open, or never end: only a regular
    // file is opened, and without waiting should it be swapped meanwhile.
    struct stat etat {};
    if (::stat(chemin.c_str(), &etat) != 0 || !S_ISREG(etat.st_mode)) return false;
    fd_ = ::open(chemin.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) return false;
    if (::fstat(fd_, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        Fermer();
        return false;
    }
    taille_ = etat.st_size;
    return true;
}

void FichierAvi::Fermer()
{
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    taille_ = 0;
}

std::int64_t FichierAvi::Lire(std::int64_t position, std::span<std::uint8_t> tampon) const
{
    if (fd_ < 0 || position < 0) return 0;
    std::int64_t lus = 0;
    while (lus < std::int64_t(tampon.size())) {
        const ssize_t n = ::pread(fd_, tampon.data() + lus, tampon.size() - std::size_t(lus), off_t(position + lus));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        lus += n;
    }
    return lus;
}

int FluxDuMorceau(std::uint32_t id)
{
    const int d = int(id & 0xFF) - '0', u = int((id >> 8) & 0xFF) - '0';
    if (d < 0 || d > 9 || u < 0 || u > 9) return -1;
    return d * 10 + u;
}

namespace {

std::int32_t Entier32(const std::uint8_t* p) { return std::int32_t(LireMot32(p)); }
std::int16_t Entier16(const std::uint8_t* p) { return std::int16_t(std::uint16_t(p[0] | p[1] << 8)); }

// The chunks of a list held in memory: id, contents.
template <class Action>
void ParcourirMorceaux(std::span<const std::uint8_t> liste, Action action)
{
    std::size_t pos = 0;
    while (pos + 8 <= liste.size()) {
        const std::uint32_t id = LireMot32(&liste[pos]);
        const std::size_t taille = std::min<std::size_t>(LireMot32(&liste[pos + 4]), liste.size() - pos - 8);
        action(id, liste.subspan(pos + 8, taille));
        pos += 8 + taille + (taille & 1);
    }
}

void LireStrh(std::span<const std::uint8_t> m, FluxAvi& flux)
{
    if (m.size() < 48) return;
    const std::uint8_t* p = m.data();
    flux.Type = LireMot32(p);
    flux.Echelle = LireMot32(p + 20);
    flux.Cadence = LireMot32(p + 24);
    flux.Debut = LireMot32(p + 28);
    flux.Longueur = LireMot32(p + 32);
    flux.TailleEchantillon = LireMot32(p + 44);
    if (m.size() >= 56) {
        flux.Gauche = Entier16(p + 48);
        flux.Haut = Entier16(p + 50);
        flux.Droite = Entier16(p + 52);
        flux.Bas = Entier16(p + 54);
    }
}

void LireStrf(std::span<const std::uint8_t> m, FluxAvi& flux)
{
    if (flux.Type != CodeQuatre("vids") || m.size() < 12) return;
    flux.LargeurFormat = Entier32(m.data() + 4);
    const std::int32_t h = Entier32(m.data() + 8);
    flux.HauteurFormat = h == INT32_MIN ? 0 : std::abs(h);
}

void LireHdrl(std::span<const std::uint8_t> hdrl, EnTeteAvi& entete)
{
    ParcourirMorceaux(hdrl, [&](std::uint32_t id, std::span<const std::uint8_t> m) {
        if (id != CodeQuatre("LIST") || m.size() < 4) return;
        const std::uint32_t type = LireMot32(m.data());
        if (type == CodeQuatre("strl")) {
            FluxAvi flux;
            ParcourirMorceaux(m.subspan(4), [&](std::uint32_t sid, std::span<const std::uint8_t> s) {
                if (sid == CodeQuatre("strh")) LireStrh(s, flux);
                else if (sid == CodeQuatre("strf")) LireStrf(s, flux);
            });
            entete.Flux.push_back(flux);
        } else if (type == CodeQuatre("odml")) {
            ParcourirMorceaux(m.subspan(4), [&](std::uint32_t sid, std::span<const std::uint8_t> s) {
                if (sid == CodeQuatre("dmlh") && s.size() >= 4) entete.ImagesTotalesOdml = LireMot32(s.data());
            });
        }
    });
}

// The header list is small; anything beyond this is no AVI we can read.
constexpr std::int64_t TailleMaxHdrl = 16 << 20;

// Walks the top-level chunks of one RIFF form in [debut, fin): reads the
// header list when `entete` asks for it and notes every 'movi' list.
bool ParcourirRiff(const FichierAvi& f, std::int64_t debut, std::int64_t fin, EnTeteAvi& entete, bool lireHdrl)
{
    bool hdrlLu = false;
    std::int64_t pos = debut;
    std::uint8_t h[12];
    while (pos + 12 <= fin && f.Lire(pos, h) == 12) {
        const std::uint32_t id = LireMot32(h);
        const std::int64_t taille = LireMot32(h + 4);
        const std::int64_t finMorceau = pos + 8 + taille;
        if (id == CodeQuatre("LIST")) {
            const std::uint32_t type = LireMot32(h + 8);
            if (type == CodeQuatre("hdrl") && lireHdrl && !hdrlLu) {
                const std::int64_t n = std::min({taille - 4, fin - pos - 12, TailleMaxHdrl});
                if (n <= 0) return false;
                std::vector<std::uint8_t> hdrl(std::size_t(n), 0);
                if (f.Lire(pos + 12, hdrl) != n) return false;
                LireHdrl(hdrl, entete);
                hdrlLu = true;
            } else if (type == CodeQuatre("movi")) {
                // A list never closed by its writer runs to the end of the file.
                const std::int64_t finMovi = taille < 4 || finMorceau > fin ? fin : finMorceau;
                entete.Movi.push_back({pos + 12, finMovi});
                if (finMovi == fin) break;
            }
        }
        pos = finMorceau + (taille & 1);
    }
    return hdrlLu || !lireHdrl;
}

} // namespace

std::optional<EnTeteAvi> LireEnTeteAvi(const FichierAvi& f)
{
    std::uint8_t h[12];
    if (f.Lire(0, h) != 12 || LireMot32(h) != CodeQuatre("RIFF") || LireMot32(h + 8) != CodeQuatre("AVI ")) return std::nullopt;
    EnTeteAvi entete;
    const std::int64_t tailleRiff = LireMot32(h + 4);
    const std::int64_t finRiff = tailleRiff < 4 ? f.Taille() : std::min(f.Taille(), 8 + tailleRiff);
    if (!ParcourirRiff(f, 12, finRiff, entete, true)) return std::nullopt;
    // OpenDML extensions: further 'RIFF' 'AVIX' forms, each with its own 'movi'.
    std::int64_t pos = 8 + tailleRiff + (tailleRiff & 1);
    while (pos + 12 <= f.Taille() && f.Lire(pos, h) == 12 && LireMot32(h) == CodeQuatre("RIFF")
           && LireMot32(h + 8) == CodeQuatre("AVIX")) {
        const std::int64_t taille = LireMot32(h + 4);
        ParcourirRiff(f, pos + 12, std::min(f.Taille(), pos + 8 + taille), entete, false);
        pos += 8 + taille + (taille & 1);
    }
    return entete;
}
