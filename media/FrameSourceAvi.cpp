#include "media/FrameSourceAvi.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FichierAvi::~FichierAvi()
{
    Fermer();
}

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

bool IdImprimable(std::uint32_t id)
{
    for (int i = 0; i < 4; ++i) {
        const std::uint32_t c = (id >> (8 * i)) & 0xFF;
        if (c < 0x20 || c > 0x7E) return false;
    }
    return true;
}

namespace {

std::int32_t Entier32(const std::uint8_t* p)
{
    return std::int32_t(LireMot32(p));
}
std::int16_t Entier16(const std::uint8_t* p)
{
    return std::int16_t(std::uint16_t(p[0] | p[1] << 8));
}

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
                if (sid == CodeQuatre("strh"))
                    LireStrh(s, flux);
                else if (sid == CodeQuatre("strf"))
                    LireStrf(s, flux);
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

// Where the header list's contents end: at the 'movi' list, found by walking
// the chunks that follow its start, as FFmpeg does, so that a damaged size
// of the list itself loses nothing; by a search when a chunk on the way is
// damaged too. `fin` when there is no 'movi' list.
std::int64_t FinHdrl(const FichierAvi& f, std::int64_t debut, std::int64_t fin)
{
    std::uint8_t h[12];
    for (std::int64_t pos = debut; pos + 12 <= fin && f.Lire(pos, h) == 12;) {
        const std::uint32_t id = LireMot32(h);
        const std::int64_t taille = LireMot32(h + 4);
        if (id == CodeQuatre("LIST") && LireMot32(h + 8) == CodeQuatre("movi")) return pos;
        if (!IdImprimable(id) || pos + 8 + taille > fin) {
            const std::int64_t movi = ChercherMotif(f, debut, fin, [](const std::uint8_t* p, std::int64_t) {
                return LireMot32(p) == CodeQuatre("LIST") && LireMot32(p + 8) == CodeQuatre("movi");
            });
            return movi < 0 ? fin : movi;
        }
        pos += 8 + taille + (taille & 1);
    }
    return fin;
}

// Walks the top-level chunks of one RIFF form in [debut, fin): reads the
// header list when `entete` asks for it and notes every 'movi' list.
// Returns where the form's contents end.
std::int64_t ParcourirRiff(const FichierAvi& f, std::int64_t debut, std::int64_t fin, EnTeteAvi& entete, bool lireHdrl,
                           bool& hdrlLu)
{
    std::int64_t pos = debut;
    std::uint8_t h[12];
    while (pos + 12 <= fin && f.Lire(pos, h) == 12) {
        const std::uint32_t id = LireMot32(h);
        const std::int64_t taille = LireMot32(h + 4);
        const std::int64_t finMorceau = pos + 8 + taille;
        if (id == CodeQuatre("RIFF")) return pos; // the next form: this one's size was wrong
        if (id == CodeQuatre("LIST")) {
            const std::uint32_t type = LireMot32(h + 8);
            if (type == CodeQuatre("hdrl") && lireHdrl && !hdrlLu) {
                const std::int64_t finHdrl = FinHdrl(f, pos + 12, fin);
                const std::int64_t n = std::min(finHdrl - pos - 12, TailleMaxHdrl);
                if (n <= 0) return pos;
                std::vector<std::uint8_t> hdrl(std::size_t(n), 0);
                if (f.Lire(pos + 12, hdrl) != n) return pos;
                LireHdrl(hdrl, entete);
                hdrlLu = true;
                pos = finHdrl;
                continue;
            }
            if (type == CodeQuatre("movi")) {
                // A list never closed by its writer runs to the end of the file.
                const std::int64_t finMovi = taille < 4 || finMorceau > fin ? fin : finMorceau;
                entete.Movi.push_back({pos + 12, finMovi});
                if (finMovi == fin) return fin;
            }
        }
        pos = finMorceau + (taille & 1);
    }
    return std::min(pos, fin);
}

} // namespace

std::optional<EnTeteAvi> LireEnTeteAvi(const FichierAvi& f)
{
    std::uint8_t h[12];
    if (f.Lire(0, h) != 12 || LireMot32(h) != CodeQuatre("RIFF") || LireMot32(h + 8) != CodeQuatre("AVI "))
        return std::nullopt;
    EnTeteAvi entete;
    // A form whose size cannot be right runs to the end of the file.
    auto finForme = [&](std::int64_t pos, std::int64_t taille) {
        return taille < 4 || pos + 8 + taille > f.Taille() ? f.Taille() : pos + 8 + taille;
    };
    bool hdrlLu = false;
    std::int64_t pos = ParcourirRiff(f, 12, finForme(0, LireMot32(h + 4)), entete, true, hdrlLu);
    if (!hdrlLu) return std::nullopt;
    // OpenDML extensions: further 'RIFF' 'AVIX' forms, each with its own 'movi'.
    pos += pos & 1;
    while (pos + 12 <= f.Taille() && f.Lire(pos, h) == 12 && LireMot32(h) == CodeQuatre("RIFF") &&
           LireMot32(h + 8) == CodeQuatre("AVIX")) {
        const std::int64_t fin = ParcourirRiff(f, pos + 12, finForme(pos, LireMot32(h + 4)), entete, false, hdrlLu);
        pos = std::max(fin, pos + 12) + (fin & 1);
    }
    return entete;
}
