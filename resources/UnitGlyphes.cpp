#include "resources/UnitGlyphes.h"

#include "resources/UnitDessinsCurseurs.h"
#include "resources/UnitImageVide.h"
#include "resources/UnitImages.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int Taille = 22;

QPainterPath triangle(double x, double sens)
{
    // A play triangle pointing right (sens 1) or left (sens -1), its base at x.
    QPainterPath t;
    t.moveTo(x, 5);
    t.lineTo(x + sens * 9, 11);
    t.lineTo(x, 17);
    t.closeSubpath();
    return t;
}

void dessinerLecture(QPainter& p, Glyphe g)
{
    QPainterPath forme;
    switch (g) {
    case Glyphe::Lecture: forme = triangle(7, 1); break;
    case Glyphe::Pause:
        forme.addRect(6, 5, 4, 12);
        forme.addRect(12, 5, 4, 12);
        break;
    case Glyphe::Retour:
        forme.addRect(4, 5, 2.5, 12);
        forme.addPath(triangle(16, -1));
        break;
    case Glyphe::Precedent: forme = triangle(14, -1); break;
    case Glyphe::Suivant: forme = triangle(8, 1); break;
    case Glyphe::Avance:
        forme = triangle(6, 1);
        forme.addRect(15.5, 5, 2.5, 12);
        break;
    default: break;
    }
    p.fillPath(forme, p.pen().color());
}

void dessinerZoom(QPainter& p, bool plus)
{
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(9, 9), 6, 6);
    QPen large = p.pen();
    large.setWidthF(3);
    p.setPen(large);
    p.drawLine(QPointF(13.5, 13.5), QPointF(19, 19));
    QPen fin = p.pen();
    fin.setWidthF(1.6);
    p.setPen(fin);
    p.drawLine(QPointF(6, 9), QPointF(12, 9));
    if (plus) p.drawLine(QPointF(9, 6), QPointF(9, 12));
}

} // namespace

QImage ImageGlyphe(Glyphe g, bool actif, qreal ratio)
{
    QImage image = ImageVide(Taille, ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor encre = actif ? QColor(20, 40, 90) : QColor(150, 150, 150);
    p.setPen(QPen(encre, 1.6));
    switch (g) {
    case Glyphe::Marque:
    case Glyphe::Etalon:
    case Glyphe::Origine: {
        const char* nom = g == Glyphe::Marque ? "MarqueNoir" : g == Glyphe::Etalon ? "EtalonNoir" : "OrigineNoir";
        // The cursor's own 32-pixel drawing, cropped to its middle: scaling
        // would thin its one-pixel lines away.
        if (!actif) p.setOpacity(0.35);
        // The source rectangle is in the cursor picture's own (device) pixels.
        const QRectF milieu(5 * ratio, 5 * ratio, Taille * ratio, Taille * ratio);
        p.drawImage(QPointF(0, 0), DessinerCurseur(nom, ratio), milieu);
        break;
    }
    case Glyphe::Transparent: {
        const int cote = image.width();
        QImage c = Images::Image("BmpTransparentSeul", ratio)
                       .scaled(cote, cote, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        c.setDevicePixelRatio(ratio);
        if (!actif) p.setOpacity(0.4);
        p.drawImage(0, 0, c);
        break;
    }
    case Glyphe::ZoomPlus:
    case Glyphe::ZoomMoins: dessinerZoom(p, g == Glyphe::ZoomPlus); break;
    default: dessinerLecture(p, g); break;
    }
    return image;
}

QIcon IconeGlyphe(Glyphe g)
{
    QIcon icone;
    for (const qreal ratio : RatiosIcones) {
        icone.addPixmap(QPixmap::fromImage(ImageGlyphe(g, true, ratio)), QIcon::Normal);
        icone.addPixmap(QPixmap::fromImage(ImageGlyphe(g, false, ratio)), QIcon::Disabled);
    }
    return icone;
}
