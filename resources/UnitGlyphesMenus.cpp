#include "resources/UnitGlyphesMenus.h"

#include "resources/UnitImageVide.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int Taille = 16;
const QColor Encre(40, 40, 40);
const QColor Bleu(30, 90, 200);
const QColor Rouge(220, 30, 30);

void page(QPainter& p, QRectF r)
{
    p.setBrush(Qt::white);
    p.drawRect(r);
    for (double y = r.top() + 3; y < r.bottom() - 1; y += 2.5)
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
}

void dessiner(QPainter& p, GlypheMenu g)
{
    p.setPen(QPen(Encre, 1));
    switch (g) {
    case GlypheMenu::Enregistrer: // a diskette
        p.setBrush(Bleu);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(3.5, 9.5, 9, 5));
        break;
    case GlypheMenu::Imprimer:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(170, 170, 170));
        p.drawRect(QRectF(1.5, 6.5, 13, 6));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
        break;
    case GlypheMenu::Quitter: // an open door
        p.setBrush(QColor(150, 100, 50));
        p.drawRect(QRectF(3.5, 1.5, 9, 13));
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(10, 8.5), 1, 1);
        break;
    case GlypheMenu::Copier:
        page(p, QRectF(1.5, 1.5, 8, 10));
        page(p, QRectF(6.5, 4.5, 8, 10));
        break;
    case GlypheMenu::Temps: // a clock
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.drawLine(QPointF(8, 8), QPointF(8, 4));
        p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
        break;
    case GlypheMenu::Tableau:
        p.setBrush(QColor(255, 247, 222));
        p.drawRect(QRectF(1.5, 2.5, 13, 11));
        for (double y : {6.0, 9.5}) p.drawLine(QPointF(1.5, y), QPointF(14.5, y));
        for (double x : {6.0, 10.5}) p.drawLine(QPointF(x, 2.5), QPointF(x, 13.5));
        break;
    case GlypheMenu::Graphes: {
        p.drawLine(QPointF(2.5, 1.5), QPointF(2.5, 13.5));
        p.drawLine(QPointF(2.5, 13.5), QPointF(14.5, 13.5));
        QPainterPath c;
        c.moveTo(3, 11);
        c.cubicTo(6, 0, 9, 14, 14, 3);
        p.setPen(QPen(Rouge, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(c);
        break;
    }
    case GlypheMenu::Trajectoire:
        p.setPen(Qt::NoPen);
        p.setBrush(Rouge);
        for (const QPointF c : {QPointF(2.5, 12.5), QPointF(5, 6), QPointF(8, 3), QPointF(11, 6), QPointF(13.5, 12.5)})
            p.drawEllipse(c, 1.6, 1.6);
        break;
    case GlypheMenu::Vecteurs: {
        p.setPen(QPen(Encre, 1.5));
        p.drawLine(QPointF(2, 13), QPointF(12, 4));
        QPainterPath tete;
        tete.moveTo(14, 2);
        tete.lineTo(8.5, 4);
        tete.lineTo(12, 7.5);
        tete.closeSubpath();
        p.fillPath(tete, Encre);
        break;
    }
    }
}

} // namespace

QImage ImageGlypheMenu(GlypheMenu g, qreal ratio)
{
    QImage image = ImageVide(Taille, ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    dessiner(p, g);
    return image;
}

QIcon IconeGlypheMenu(GlypheMenu g)
{
    QIcon icone;
    for (const qreal ratio : RatiosIcones) icone.addPixmap(QPixmap::fromImage(ImageGlypheMenu(g, ratio)));
    return icone;
}
