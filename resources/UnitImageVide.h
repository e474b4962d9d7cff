#pragma once
// The transparent square every drawn picture starts from, sized for a device
// pixel ratio: a painter on it draws in logical pixels, Qt scaling to the device.

#include <QImage>
#include <cmath>

inline QImage ImageVide(int taille, qreal ratio)
{
    const int cote = int(std::lround(taille * ratio));
    QImage image(cote, cote, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

// The ratios icons carry pictures for: Qt picks the nearest and scales only
// between them (at 1.5 it shrinks the 2x picture).
inline constexpr qreal RatiosIcones[] = {1, 2};
