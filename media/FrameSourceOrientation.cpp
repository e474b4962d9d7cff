#include "media/FrameSourceOrientation.h"

extern "C" {
#include <libavutil/display.h>
}

#include <QTransform>
#include <cmath>

Orientation OrientationDeMatrice(const std::int32_t* m)
{
    if (!m) return {};
    const double angle = av_display_rotation_get(m);
    if (std::isnan(angle)) return {};
    // The matrix turns counterclockwise; the picture is shown turned clockwise.
    double theta = -std::round(angle);
    theta -= 360 * std::floor(theta / 360 + 0.9 / 360);
    auto proche = [&](double d) { return std::fabs(theta - d) < 1.0; };
    if (proche(90)) return {1, m[3] > 0};
    if (proche(270)) return {3, m[3] < 0};
    if (proche(180)) {
        const bool h = m[0] < 0, v = m[4] < 0;
        // A flip both ways is half a turn; one way is a mirror, vertical being half a turn mirrored.
        if (h && v) return {2, false};
        if (h) return {0, true};
        if (v) return {2, true};
        return {};
    }
    if (proche(0) && m[4] < 0) return {2, true};
    return {};
}

QImage Redresser(const QImage& image, Orientation o)
{
    if (image.isNull() || o == Orientation{}) return image;
    QImage r = o.QuartsHoraires == 0 ? image : image.transformed(QTransform().rotate(90.0 * o.QuartsHoraires));
    return o.Miroir ? r.mirrored(true, false) : r;
}
