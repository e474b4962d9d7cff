#include "media/FrameSourceIndex.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include <algorithm>
#include <array>
#include <limits>

bool IndexDepuisFFmpeg(const AVStream& video, const AVStream* audio, std::int64_t tailleFichier, IndexVideo& iv,
                       IndexAudio& ia)
{
    // A damaged index can hold any position and size, negative ones too.
    auto tient = [&](const AVIndexEntry* e) {
        return e->pos >= 0 && e->size > 0 && e->pos + 8 + e->size <= tailleFichier;
    };
    AVStream& v = const_cast<AVStream&>(video);
    const int n = avformat_index_get_entries_count(&v);
    for (int i = 0; i < n; ++i) {
        const AVIndexEntry* e = avformat_index_get_entry(&v, i);
        if (!tient(e) || e->timestamp < 0 || e->timestamp >= std::numeric_limits<std::int32_t>::max()) return false;
        iv.Morceaux.push_back({e->pos, e->size});
        iv.Numeros.push_back(std::int32_t(e->timestamp));
        iv.Cles.push_back((e->flags & AVINDEX_KEYFRAME) != 0);
    }
    if (iv.Morceaux.empty()) return false;
    iv.FinPositions = std::int64_t(iv.Numeros.back()) + 1;
    if (audio) {
        AVStream& a = const_cast<AVStream&>(*audio);
        const int na = avformat_index_get_entries_count(&a);
        for (int i = 0; i < na; ++i) {
            const AVIndexEntry* e = avformat_index_get_entry(&a, i);
            if (!tient(e)) return false;
            ia.Morceaux.push_back({e->pos, e->size});
        }
    }
    return true;
}

namespace {

// Enough of a chunk's start to find its first picture header.
constexpr std::size_t OctetsExamines = 1024;

// Walks the chunks of the 'movi' lists from position `depuis` on, up to the
// first one the file does not hold whole, numbering the video chunks on from
// `numero`. A damaged chunk header (an id of no chunk, a size running past
// its list) is passed over by finding the next chunk header, as FFmpeg does;
// the frame of the chunk that was damaged keeps its place without a picture
// (its index entry disagrees with its header, so it is never decoded).
void Parcourir(const FichierAvi& f, const EnTeteAvi& entete, int fluxVideo, int fluxAudio, std::int64_t depuis,
               std::int64_t numero, AVCodecID codec, IndexVideo& iv, IndexAudio& ia)
{
    auto ajouterImage = [&](std::int64_t position, std::int64_t taille, bool cle) {
        iv.Morceaux.push_back(
            {position, std::int32_t(std::min<std::int64_t>(taille, std::numeric_limits<std::int32_t>::max()))});
        iv.Numeros.push_back(
            std::int32_t(std::min<std::int64_t>(numero, std::numeric_limits<std::int32_t>::max() - 1)));
        iv.Cles.push_back(cle);
    };
    auto image = [&](std::uint32_t id) { return FluxDuMorceau(id) == fluxVideo && EstMorceauImage(id); };
    std::array<std::uint8_t, 8 + OctetsExamines> tampon{};
    for (const ZoneMovi& zone : entete.Movi) {
        if (zone.Fin <= depuis) continue;
        auto enTete = [&](const std::uint8_t* p, std::int64_t position) {
            const std::uint32_t id = LireMot32(p);
            const bool connu = image(id) || (FluxDuMorceau(id) == fluxAudio && EstMorceauSon(id)) ||
                id == CodeQuatre("LIST") || id == CodeQuatre("JUNK") || (id & 0xFFFF) == (CodeQuatre("ix00") & 0xFFFF);
            return connu && position + 8 + std::int64_t(LireMot32(p + 4)) <= zone.Fin;
        };
        std::int64_t pos = std::max(zone.Debut, depuis);
        std::int64_t videVideo = -1; // header of the last video chunk, when it was empty
        std::int64_t finPrecedent = -1;
        while (pos + 8 <= zone.Fin) {
            const std::int64_t lus = f.Lire(pos, tampon);
            if (lus < 8) break;
            const std::uint32_t id = LireMot32(tampon.data());
            const std::int64_t taille = LireMot32(tampon.data() + 4);
            if (id == CodeQuatre("LIST")) { // a 'rec ' group: its chunks follow
                pos += 12;
                continue;
            }
            const std::int64_t fin = pos + 8 + taille;
            if (!IdImprimable(id) || fin > zone.Fin || taille > std::numeric_limits<std::int32_t>::max()) {
                const bool ici = image(id);
                const std::int64_t suivant = ChercherMotif(f, pos + (ici ? 8 : 1), zone.Fin, enTete);
                if (suivant < 0) { // cut short: what follows is not there
                    if (ici && fin > f.Taille() && pos + 8 < f.Taille()) {
                        const auto debut = std::span<const std::uint8_t>(tampon).subspan(8, std::size_t(lus - 8));
                        ajouterImage(pos, f.Taille() - pos - 8, EstImageCle(codec, debut));
                        iv.Morceaux.back().Coupe = true;
                        ++numero;
                    }
                    iv.FinPositions = numero;
                    return;
                }
                if (ici) {
                    ajouterImage(pos, suivant - pos - 8, false);
                    ++numero;
                } else if (videVideo >= 0 && finPrecedent == pos) { // its size of 0 led here
                    --numero;
                    ajouterImage(videVideo, suivant - videVideo - 8, false);
                    ++numero;
                }
                videVideo = -1;
                pos = suivant;
                continue;
            }
            videVideo = -1;
            if (image(id)) {
                if (taille > 0) {
                    const auto debut =
                        std::span<const std::uint8_t>(tampon).subspan(8, std::size_t(std::min(lus, 8 + taille) - 8));
                    ajouterImage(pos, taille, EstImageCle(codec, debut));
                } else {
                    videVideo = pos;
                }
                ++numero;
            } else if (FluxDuMorceau(id) == fluxAudio && EstMorceauSon(id) && taille > 0) {
                ia.Morceaux.push_back({pos, std::int32_t(taille)});
            }
            finPrecedent = fin + (taille & 1);
            pos = finPrecedent;
        }
    }
    iv.FinPositions = numero;
}

} // namespace

void IndexParParcours(const FichierAvi& f, const EnTeteAvi& entete, int fluxVideo, int fluxAudio,
                      std::int32_t premierNumero, AVCodecID codec, IndexVideo& iv, IndexAudio& ia)
{
    Parcourir(f, entete, fluxVideo, fluxAudio, 0, premierNumero, codec, iv, ia);
}

void CompleterIndex(const FichierAvi& f, const EnTeteAvi& entete, int fluxVideo, int fluxAudio, AVCodecID codec,
                    IndexVideo& iv, IndexAudio& ia)
{
    std::int64_t fin = 0;
    for (const auto* morceaux : {&iv.Morceaux, &ia.Morceaux})
        for (const Morceau& m : *morceaux) fin = std::max(fin, m.Position + 8 + m.Taille + (m.Taille & 1));
    Parcourir(f, entete, fluxVideo, fluxAudio, fin, iv.FinPositions, codec, iv, ia);
}

namespace {

// Position just past the next 00 00 01 start code in [i, fin), or fin.
std::size_t ApresCodeDebut(std::span<const std::uint8_t> d, std::size_t i)
{
    for (; i + 3 <= d.size(); ++i)
        if (d[i] == 0 && d[i + 1] == 0 && d[i + 2] == 1) return i + 3;
    return d.size();
}

// The coding type of the first VOP (0 I, 1 P, 2 B, 3 S), or -1.
int TypeVop(std::span<const std::uint8_t> d)
{
    for (std::size_t i = ApresCodeDebut(d, 0); i < d.size(); i = ApresCodeDebut(d, i))
        if (d[i] == 0xB6) return i + 1 < d.size() ? d[i + 1] >> 6 : -1;
    return -1;
}

// The type of the first slice NAL unit of an H.264 byte stream (1 or 5), or -1.
int TypeTranche(std::span<const std::uint8_t> d)
{
    for (std::size_t i = ApresCodeDebut(d, 0); i < d.size(); i = ApresCodeDebut(d, i)) {
        const int type = d[i] & 0x1F;
        if (type == 1 || type == 5) return type;
    }
    return -1;
}

} // namespace

void ConfirmerCles(const FichierAvi& f, AVCodecID codec, IndexVideo& iv)
{
    if (codec != AV_CODEC_ID_MPEG4 && codec != AV_CODEC_ID_H264) return;
    std::array<std::uint8_t, OctetsExamines> tampon{};
    for (std::size_t i = 0; i < iv.Morceaux.size(); ++i) {
        if (!iv.Cles[i]) continue;
        const Morceau& m = iv.Morceaux[i];
        const auto n = std::size_t(std::clamp<std::int64_t>(m.Taille, 0, std::int64_t(tampon.size())));
        const auto lus = std::size_t(f.Lire(m.Position + 8, std::span(tampon).first(n)));
        const auto debut = std::span<const std::uint8_t>(tampon).first(lus);
        const int type = codec == AV_CODEC_ID_MPEG4 ? TypeVop(debut) : TypeTranche(debut);
        if (type > 0 && type != 5) iv.Cles[i] = 0; // a P, B or S VOP; a slice of no IDR picture
    }
}

bool EstImageCle(AVCodecID codec, std::span<const std::uint8_t> d)
{
    if (codec == AV_CODEC_ID_MPEG4) return TypeVop(d) == 0;
    if (codec == AV_CODEC_ID_H264) return TypeTranche(d) == 5;
    return false;
}

bool SansImagesDeTete(AVCodecID codec, std::span<const std::uint8_t> cle, std::span<const std::uint8_t> suivant)
{
    if (codec == AV_CODEC_ID_MPEG4) return TypeVop(cle) == 0 && (suivant.empty() || TypeVop(suivant) != 2);
    if (codec == AV_CODEC_ID_H264) return TypeTranche(cle) == 5;
    return false;
}
