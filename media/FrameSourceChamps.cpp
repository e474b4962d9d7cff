#include "media/FrameSourceChamps.h"

#include "media/FrameSourceLecteur.h"

#include <algorithm>
#include <cstring>

Entrelacement EntrelacementDe(const AVFrame& image)
{
    if (!image.interlaced_frame) return Entrelacement::Aucun;
    return image.top_field_first ? Entrelacement::HautDAbord : Entrelacement::BasDAbord;
}

Entrelacement EntrelacementDe(AVFieldOrder ordre)
{
    switch (ordre) {
    case AV_FIELD_TT:
    case AV_FIELD_BT: return Entrelacement::HautDAbord; // the top field shown first
    case AV_FIELD_BB:
    case AV_FIELD_TB: return Entrelacement::BasDAbord;
    default: return Entrelacement::Aucun;
    }
}

QImage DemiImage(const QImage& image, bool impaires)
{
    if (image.isNull()) return {};
    QImage champ(image.size(), image.format());
    const int h = image.height();
    const auto octets = std::size_t(image.bytesPerLine());
    const int parite = int(impaires);
    // A picture of odd height has one line fewer in its bottom field: its last line repeats.
    const int derniere = std::clamp(h - 1 - (h - 1 - parite) % 2, 0, h - 1);
    for (int y = 0; y < h; ++y)
        std::memcpy(champ.scanLine(y), image.constScanLine(std::min(y / 2 * 2 + parite, derniere)), octets);
    return champ;
}
