#include "media/FrameSourceChamps.h"

#include <algorithm>
#include <cstring>

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
