#pragma once
// Drawing with the pixel conventions the program's pictures are specified in:
// a line covers its first point and stops before its last; a rectangle or an
// ellipse given by (left, top, right, bottom) covers left..right-1, top..bottom-1.
// Antialiasing must be off on the painter.

#include <QPainter>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <cstdlib>

namespace Trace {

// Calls f(x, y) for each pixel of a one-pixel line from a up to, not
// including, b, in order from a. For callers that write thousands of lines
// straight into a picture without building a list first.
template <class F>
void PourChaquePixelLigne(QPoint a, QPoint b, F&& f)
{
    int x = a.x(), y = a.y();
    const int dx = std::abs(b.x() - x), dy = -std::abs(b.y() - y);
    const int sx = x < b.x() ? 1 : -1, sy = y < b.y() ? 1 : -1;
    int err = dx + dy;
    while (x != b.x() || y != b.y()) {
        f(x, y);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

// The pixels of a one-pixel line from a up to, not including, b.
QPolygon PixelsLigne(QPoint a, QPoint b);

// Line with the painter's pen. One-pixel pens are exact; wider pens are drawn
// with flat caps.
void Ligne(QPainter& p, QPoint a, QPoint b);
// A polyline: each segment excludes its last point, so only the final point
// of the whole line is left out.
void Polyligne(QPainter& p, const QPolygon& points);

// Rectangle outlined with the pen and filled with the brush, right and bottom
// edges excluded.
void Rectangle(QPainter& p, int gauche, int haut, int droite, int bas);
// Fill only, right and bottom edges excluded.
void Remplir(QPainter& p, int gauche, int haut, int droite, int bas, const QBrush& b);
// Ellipse inscribed in the same box as Rectangle.
void Ellipse(QPainter& p, int gauche, int haut, int droite, int bas);
// Closed polygon, outlined with the pen and filled with the brush.
void Polygone(QPainter& p, const QPolygon& points);

} // namespace Trace
