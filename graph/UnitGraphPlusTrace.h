#pragma once
// Small drawing helpers shared by the axes, curves and arrows of the graph.

#include "core/UnitMath.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <QImage>
#include <cmath>
#include <unordered_map>

// A rectangle of the control in pixels, as the graph's parts receive it.
struct TZone {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    QRect Rect() const { return QRect(Left, Top, Width, Height); }
};

namespace GraphTrace {

// v to the nearest integer, ties to even. Values beyond any picture are held
// at a bound far outside it, so absurd data cannot overflow the pixel arithmetic.
inline bool Fini(PointD p)
{
    return std::isfinite(p.X) && std::isfinite(p.Y);
}

inline int Arrondi(double v)
{
    constexpr double Limite = 1 << 28;
    if (!(std::fabs(v) < Limite)) return v > 0 ? int(Limite) : -int(Limite);
    return static_cast<int>(std::nearbyint(v));
}

// "Times New Roman" of a size in points (at 96 pixels per inch) or in pixels.
QFont PolicePoints(int points, bool gras = false);
QFont PolicePixels(int pixels);

// Writes text with the top-left corner of its cell at (x, y), with the
// painter's font and pen, on a transparent background.
void Ecrire(QPainter& p, int x, int y, const QString& texte);
// Writes many short texts (point numbers, magnitudes) in the painter's
// current font and pen colour, clipped to a zone. Each distinct text is
// rendered once per font and colour into a small transparent picture that is
// then copied: laying out thousands of texts on every repaint would cost far
// more than the rest of the graph.
class TEcrivain {
public:
    TEcrivain(QPainter& p, const QRect& zone);
    // Top-left corner of the text's cell at (x, y); nothing when wholly outside the zone.
    void Ecrire(int x, int y, const QString& texte);

private:
    // The ink of a text, cropped, and where it lies from the cell's top-left corner.
    struct Etiquette {
        QImage image;
        QPoint decalage;
    };
    const Etiquette& Trouver(const QString& texte);
    // Per font and colour, every text rendered so far.
    static std::unordered_map<QString, QHash<QString, Etiquette>>& Cache();

    QPainter& p;
    QRect zone;
    QHash<QString, Etiquette>& etiquettes;
};

// Draws one-pixel solid lines of one colour, clipped to a zone, each covering
// its first point and stopping before its last. A graph has tens of thousands
// of such segments (marks, joining lines, arrows): on an RGB32 picture they are
// written straight into it, at the pixels the painter would set. Lines wholly
// outside the zone are skipped; lines too long to walk pixel by pixel (only
// absurd data makes them) are left to the painter.
class TTraceur {
public:
    TTraceur(QPainter& p, const QRect& zone, const QColor& couleur);
    // Over the painter's whole device.
    TTraceur(QPainter& p, const QColor& couleur);
    void Ligne(QPoint a, QPoint b);
    void Polyligne(const QPolygon& points);

private:
    QPainter& p;
    QRect zone;
    QRgb* pixels = nullptr; // the picture's pixels when written directly
    qsizetype pas = 0;      // pixels per row
    QRgb couleur;
};

} // namespace GraphTrace
