#pragma once
// Decoded pictures to RGB32 images, and the stretch the view draws them with.

#include "media/FrameSourceFFmpeg.h"

#include <QImage>
#include <QRect>

class ConvertisseurImage {
public:
    // The picture in RGB32 at the decoder's size, or scaled to `taille` when
    // one is given; null when swscale cannot convert its pixel format. Reuses
    // the pixels of `recyclee` when no one else holds them and the size fits.
    QImage EnRgb(const AVFrame& image, QImage recyclee = {}, QSize taille = {});

private:
    ff::Sws sws_;
};

// Stretches the whole of `source` over `zone` of `cible` (both RGB32) the way
// the view shows video: each target pixel takes the source pixel its position
// scales down to, rows and columns are dropped or repeated, nothing is blended.
// The part of `zone` outside `cible` is left out.
void Etirer(const QImage& source, QImage& cible, const QRect& zone);
