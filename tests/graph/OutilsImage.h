#pragma once
// Helpers of the graph tests: blank canvases and ink detection.

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>

namespace OutilsImage {

inline QImage Blanche(int largeur, int hauteur)
{
    QImage i(largeur, hauteur, QImage::Format_RGB32);
    i.fill(Qt::white);
    return i;
}

// Bounding box of the pixels inside `zone` that satisfy `encre`.
inline QRect BoiteEncre(const QImage& image, const QRect& zone, const std::function<bool(QRgb)>& encre)
{
    QRect r;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            if (encre(image.pixel(x, y))) r |= QRect(x, y, 1, 1);
    return r;
}

inline bool PasBlanc(QRgb c)
{
    return (c & 0xFFFFFF) != 0xFFFFFF;
}

// The box of every pixel that is not white.
inline QRect Encre(const QImage& image)
{
    return BoiteEncre(image, image.rect(), PasBlanc);
}

// The ink of a text written by the painter with its cell's top-left corner at `coin`.
inline QRect EncreTexte(const QFont& police, QPoint coin, const QString& texte, QSize taille)
{
    QImage image = Blanche(taille.width(), taille.height());
    QPainter p(&image);
    p.setFont(police);
    p.drawText(coin + QPoint(0, p.fontMetrics().ascent()), texte);
    p.end();
    return Encre(image);
}

// The pixels around (cx, cy) as rows of '#' (not white) and '.' (white).
inline QStringList Dessin(const QImage& image, int cx, int cy, int rayon)
{
    QStringList lignes;
    for (int y = cy - rayon; y <= cy + rayon; ++y) {
        QString l;
        for (int x = cx - rayon; x <= cx + rayon; ++x) l += PasBlanc(image.pixel(x, y)) ? u'#' : u'.';
        lignes << l;
    }
    return lignes;
}

inline int CompterEncre(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += PasBlanc(image.pixel(x, y));
    return n;
}

} // namespace OutilsImage
