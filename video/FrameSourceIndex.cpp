#include "video/FrameSourceIndex.h"

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

bool Imprimable(std::uint32_t id)
{
    for (int i = 0; i < 4; ++i) {
        const std::uint32_t c = (id >> (8 * i)) & 0xFF;
        if (c < 0x20 || c > 0x7E) return false;
    }
    return true;
}

// Enough of a chunk's start to find its first picture header.
constexpr std::size_t OctetsExamines = 1024;

} // namespace

void IndexParParcours(const FichierAvi& f, const EnTeteAvi& entete, int fluxVideo, int fluxAudio,
                      std::int32_t premierNumero, AVCodecID codec, IndexVideo& iv, IndexAudio& ia)
{
    std::array<std::uint8_t, 8 + OctetsExamines> tampon{};
    std::int64_t numero = premierNumero;
    for (const ZoneMovi& zone : entete.Movi) {
        std::int64_t pos = zone.Debut;
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
            if (!Imprimable(id) || fin > zone.Fin || taille > std::numeric_limits<std::int32_t>::max()) {
                iv.FinPositions = numero; // cut short or damaged: what follows cannot be trusted
                return;
            }
            const int flux = FluxDuMorceau(id);
            if (flux == fluxVideo && EstMorceauImage(id)) {
                if (taille > 0) {
                    const auto debut = std::span<const std::uint8_t>(tampon).subspan(8, std::size_t(std::min(lus, 8 + taille) - 8));
                    iv.Morceaux.push_back({pos, std::int32_t(taille)});
                    iv.Numeros.push_back(std::int32_t(std::min<std::int64_t>(numero, std::numeric_limits<std::int32_t>::max() - 1)));
                    iv.Cles.push_back(EstImageCle(codec, debut));
                }
                ++numero;
            } else if (flux == fluxAudio && EstMorceauSon(id) && taille > 0) {
                ia.Morceaux.push_back({pos, std::int32_t(taille)});
            }
            pos = fin + (taille & 1);
        }
    }
    iv.FinPositions = numero;
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
