#include "media/FrameSourceImage.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// swscale wants the range said apart from the format: the "J" formats of
// JPEG are their plain twins in full range.
AVPixelFormat SansPlageJpeg(AVPixelFormat f, bool& plagePleine)
{
    switch (f) {
    case AV_PIX_FMT_YUVJ420P: plagePleine = true; return AV_PIX_FMT_YUV420P;
    case AV_PIX_FMT_YUVJ422P: plagePleine = true; return AV_PIX_FMT_YUV422P;
    case AV_PIX_FMT_YUVJ444P: plagePleine = true; return AV_PIX_FMT_YUV444P;
    case AV_PIX_FMT_YUVJ440P: plagePleine = true; return AV_PIX_FMT_YUV440P;
    case AV_PIX_FMT_YUVJ411P: plagePleine = true; return AV_PIX_FMT_YUV411P;
    default: return f;
    }
}

// swscale's vector code may write up to a few dozen bytes past the last row
// it fills: the picture's memory carries that much to spare beyond it, or
// the heap behind it would be damaged.
constexpr qsizetype MargeSws = 64;

QImage ImageRembourree(int w, int h)
{
    const qsizetype pas = qsizetype(w) * 4;
    auto* octets = static_cast<uchar*>(av_malloc(std::size_t(pas * h + MargeSws)));
    if (!octets) return {};
    return QImage(
        octets, w, h, pas, QImage::Format_RGB32, [](void* p) { av_free(p); }, octets);
}

} // namespace

QImage ConvertisseurImage::EnRgb(const AVFrame& image, QImage recyclee, QSize taille)
{
    const int sw = image.width, sh = image.height;
    if (sw <= 0 || sh <= 0) return {};
    const int w = taille.isEmpty() ? sw : taille.width(), h = taille.isEmpty() ? sh : taille.height();
    bool plagePleine = image.color_range == AVCOL_RANGE_JPEG;
    const AVPixelFormat format = SansPlageJpeg(AVPixelFormat(image.format), plagePleine);
    // Non-square pixels are spread smoothly; a picture kept at its size is copied pixel for pixel.
    const int methode = w == sw && h == sh ? SWS_POINT : SWS_BICUBIC;
    sws_.reset(sws_getCachedContext(sws_.release(), sw, sh, format, w, h, AV_PIX_FMT_RGB32, methode, nullptr, nullptr,
                                    nullptr));
    if (!sws_) return {};
    const int matrice = image.colorspace == AVCOL_SPC_BT709 ? SWS_CS_ITU709 : SWS_CS_DEFAULT;
    sws_setColorspaceDetails(sws_.get(), sws_getCoefficients(matrice), plagePleine, sws_getCoefficients(SWS_CS_DEFAULT),
                             1, 0, 1 << 16, 1 << 16);
    // A new 8 MB picture for every frame of an HD video costs page faults.
    QImage rgb = recyclee.size() == QSize(w, h) && recyclee.format() == QImage::Format_RGB32 && recyclee.isDetached()
        ? std::move(recyclee)
        : ImageRembourree(w, h);
    if (rgb.isNull()) return {};
    std::uint8_t* destination[4] = {rgb.bits(), nullptr, nullptr, nullptr};
    const int pas[4] = {int(rgb.bytesPerLine()), 0, 0, 0};
    if (sws_scale(sws_.get(), image.data, image.linesize, 0, sh, destination, pas) != h) return {};
    return rgb;
}

void Etirer(const QImage& source, QImage& cible, const QRect& zone)
{
    const QRect visible = zone.intersected(cible.rect());
    if (source.isNull() || visible.isEmpty() || cible.depth() != 32) return;
    const QImage src = source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);
    const std::int64_t sw = src.width(), sh = src.height(), dw = zone.width(), dh = zone.height();
    std::vector<int> colonnes(std::size_t(visible.width()));
    for (int x = visible.left(); x <= visible.right(); ++x)
        colonnes[std::size_t(x - visible.left())] = int((x - zone.left()) * sw / dw);
    const std::size_t octets = colonnes.size() * 4;
    int lignePrecedente = -1;
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        auto* d = reinterpret_cast<std::uint32_t*>(cible.scanLine(y)) + visible.left();
        const int ligne = int((y - zone.top()) * sh / dh);
        if (ligne == lignePrecedente) { // a repeated row: copy the one just made
            std::memcpy(d, reinterpret_cast<const std::uint32_t*>(cible.constScanLine(y - 1)) + visible.left(), octets);
            continue;
        }
        lignePrecedente = ligne;
        const auto* s = reinterpret_cast<const std::uint32_t*>(src.constScanLine(ligne));
        for (std::size_t i = 0; i < colonnes.size(); ++i) d[i] = s[colonnes[i]];
    }
}
