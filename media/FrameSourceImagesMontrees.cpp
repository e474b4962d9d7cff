#include "media/FrameSourceImagesMontrees.h"

#include <vector>

namespace {

// The start of a VP9 frame's uncompressed header: frame marker, profile,
// then either show_existing_frame (shown) or frame_type and show_frame.
bool Vp9Montree(std::span<const std::uint8_t> trame)
{
    if (trame.empty()) return false;
    std::size_t bit = 0;
    auto lire = [&](int n) {
        unsigned v = 0;
        for (int i = 0; i < n; ++i, ++bit) {
            if (bit / 8 >= trame.size()) return v << (n - i);
            v = v << 1 | ((trame[bit / 8] >> (7 - bit % 8)) & 1u);
        }
        return v;
    };
    if (lire(2) != 2) return true; // no frame marker: not ours to judge
    const unsigned bas = lire(1), haut = lire(1);
    if ((haut << 1 | bas) == 3) lire(1); // reserved bit of profile 3
    if (lire(1)) return true;            // show_existing_frame
    lire(1);                             // frame_type
    return lire(1) == 1;                 // show_frame
}

// A VP9 superframe ends with an index: a marker byte 110mmnnn, the n + 1
// frame sizes on m + 1 bytes each, the marker again. Empty when the packet
// is a single frame.
std::vector<std::span<const std::uint8_t>> TramesVp9(std::span<const std::uint8_t> p)
{
    std::vector<std::span<const std::uint8_t>> trames;
    if (p.empty()) return trames;
    const std::uint8_t marque = p.back();
    if ((marque & 0xE0) != 0xC0) return trames;
    const std::size_t nombre = (marque & 7u) + 1, octets = ((marque >> 3) & 3u) + 1;
    const std::size_t index = 2 + nombre * octets;
    if (p.size() < index || p[p.size() - index] != marque) return trames;
    std::size_t debut = 0;
    for (std::size_t i = 0; i < nombre; ++i) {
        std::size_t taille = 0;
        for (std::size_t o = 0; o < octets; ++o)
            taille |= std::size_t(p[p.size() - index + 1 + i * octets + o]) << (8 * o);
        if (debut + taille > p.size() - index) return {};
        trames.push_back(p.subspan(debut, taille));
        debut += taille;
    }
    return trames;
}

} // namespace

bool MontreUneImage(AVCodecID codec, std::span<const std::uint8_t> paquet)
{
    if (codec != AV_CODEC_ID_VP9 || paquet.empty()) return true;
    const auto trames = TramesVp9(paquet);
    if (trames.empty()) return Vp9Montree(paquet);
    for (const auto& t : trames)
        if (Vp9Montree(t)) return true;
    return false;
}
