#include "print/UnitPictogrammes.h"

#include "kit/Trace.h"

#include <QPainter>

namespace Pictogrammes {
namespace {

constexpr int Cote = 24;

// A sheet of w x h pixels centred in the square, with a grey picture on it
// at `image` (sheet coordinates) or text lines when `image` is empty.
QPixmap Feuille(int w, int h, QRect image)
{
    QImage i(Cote, Cote, QImage::Format_ARGB32);
    i.fill(Qt::transparent);
    QPainter p(&i);
    const int x = (Cote - w) / 2, y = (Cote - h) / 2;
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    Trace::Rectangle(p, x, y, x + w, y + h);
    if (image.isEmpty()) {
        p.setPen(QColor(128, 128, 128));
        for (int ly = y + 3; ly < y + h - 2; ly += 2) Trace::Ligne(p, {x + 3, ly}, {x + w - 3, ly});
    } else {
        p.setPen(Qt::NoPen);
        Trace::Remplir(p, x + image.left(), y + image.top(), x + image.right() + 1, y + image.bottom() + 1,
                       QColor(0, 0, 160));
    }
    return QPixmap::fromImage(i);
}

} // namespace

QPixmap Portrait()
{
    return Feuille(16, 22, {});
}

QPixmap Paysage()
{
    return Feuille(22, 16, {});
}

QPixmap CentreHaut()
{
    return Feuille(16, 22, QRect(3, 4, 10, 7));
}

QPixmap PleinePage()
{
    return Feuille(22, 16, QRect(3, 3, 16, 10));
}

QPixmap Imprimante()
{
    QImage i(Cote, Cote, QImage::Format_ARGB32);
    i.fill(Qt::transparent);
    QPainter p(&i);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    Trace::Rectangle(p, 7, 2, 17, 10); // paper in
    p.setBrush(QColor(160, 160, 160));
    Trace::Rectangle(p, 2, 9, 22, 18); // body
    p.setBrush(Qt::white);
    Trace::Rectangle(p, 6, 15, 18, 22); // paper out
    p.setPen(QColor(0, 160, 0));
    Trace::Ligne(p, {18, 12}, {20, 12}); // power light
    return QPixmap::fromImage(i);
}

} // namespace Pictogrammes
