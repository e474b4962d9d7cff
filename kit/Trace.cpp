#include "kit/Trace.h"

#include <cstdlib>

namespace Trace {
namespace {

bool plume1(const QPainter& p)
{
    const QPen& pen = p.pen();
    return pen.style() != Qt::NoPen && pen.width() <= 1;
}

} // namespace

QPolygon PixelsLigne(QPoint a, QPoint b)
{
    QPolygon r;
    r.reserve(std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y())));
    PourChaquePixelLigne(a, b, [&r](int x, int y) { r << QPoint(x, y); });
    return r;
}

void Ligne(QPainter& p, QPoint a, QPoint b)
{
    if (p.pen().style() == Qt::NoPen || a == b) return;
    if (plume1(p) && p.pen().style() == Qt::SolidLine) {
        p.drawPoints(PixelsLigne(a, b));
        return;
    }
    QPen pen = p.pen();
    const QPen ancien = pen;
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(a, b);
    p.setPen(ancien);
}

void Polyligne(QPainter& p, const QPolygon& points)
{
    for (int i = 1; i < points.size(); ++i) Ligne(p, points[i - 1], points[i]);
}

void Remplir(QPainter& p, int gauche, int haut, int droite, int bas, const QBrush& b)
{
    if (droite > gauche && bas > haut) p.fillRect(QRect(gauche, haut, droite - gauche, bas - haut), b);
}

void Rectangle(QPainter& p, int gauche, int haut, int droite, int bas)
{
    if (droite <= gauche || bas <= haut) return;
    if (p.brush().style() != Qt::NoBrush) Remplir(p, gauche, haut, droite, bas, p.brush());
    if (p.pen().style() == Qt::NoPen) return;
    const QBrush ancienne = p.brush();
    p.setBrush(Qt::NoBrush);
    // A one-pixel outline of a WxH rectangle is QRect(l, t, W-1, H-1) in Qt.
    p.drawRect(QRect(gauche, haut, droite - gauche - 1, bas - haut - 1));
    p.setBrush(ancienne);
}

void Ellipse(QPainter& p, int gauche, int haut, int droite, int bas)
{
    if (droite <= gauche || bas <= haut) return;
    p.drawEllipse(QRect(gauche, haut, droite - gauche - 1, bas - haut - 1));
}

void Polygone(QPainter& p, const QPolygon& points)
{
    p.drawPolygon(points);
}

} // namespace Trace
