#include "graph/UnitGradient.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// a · b / c to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c)
{
    const long long n = static_cast<long long>(a) * b;
    const long long q = (std::llabs(n) + std::abs(c) / 2) / std::abs(c);
    return static_cast<int>((n < 0) != (c < 0) ? -q : q);
}

int Distance(int dx, int dy)
{
    return static_cast<int>(std::nearbyint(std::sqrt(double(dx * dx + dy * dy))));
}

// Distance to the middle of 362 pixels: the two middle pixels are both at 0.
int Milieu(int x)
{
    return x <= 180 ? 180 - x : x - 181;
}

struct Motif {
    int largeur, hauteur;
    std::function<int(int x, int y)> index;
};

Motif MotifDuStyle(TGradientStyle s)
{
    switch (s) {
    case gsRadialC: return {362, 362, [](int x, int y) { return Distance(Milieu(x), 180 - y); }};
    case gsRadialT: return {362, 181, [](int x, int y) { return Distance(Milieu(x), y); }};
    case gsRadialB: return {362, 181, [](int x, int y) { return Distance(Milieu(x), 180 - y); }};
    case gsRadialL: return {181, 362, [](int x, int y) { return Distance(x, Milieu(y)); }};
    case gsRadialR: return {181, 362, [](int x, int y) { return Distance(180 - x, Milieu(y)); }};
    case gsRadialTL: return {181, 181, [](int x, int y) { return Distance(x, y); }};
    case gsRadialTR: return {181, 181, [](int x, int y) { return Distance(180 - x, y); }};
    case gsRadialBL: return {181, 181, [](int x, int y) { return Distance(x, 180 - y); }};
    case gsRadialBR: return {181, 181, [](int x, int y) { return Distance(180 - x, 180 - y); }};
    case gsLinearH: return {1, 256, [](int, int y) { return y; }};
    case gsLinearV: return {256, 1, [](int x, int) { return x; }};
    case gsReflectedH: return {1, 512, [](int, int y) { return y <= 255 ? 255 - y : y - 256; }};
    case gsReflectedV: return {512, 1, [](int x, int) { return x <= 255 ? 255 - x : x - 256; }};
    case gsDiagonalLF: return {128, 129, [](int x, int y) { return 127 + y - x; }};
    case gsDiagonalLB: return {128, 129, [](int x, int y) { return x + y; }};
    case gsDiagonalRF: return {256, 256, [](int x, int y) { return std::abs(x - y); }};
    case gsDiagonalRB: return {256, 256, [](int x, int y) { return std::abs(x + y - 255); }};
    case gsArrowL: return {129, 256, [](int x, int y) { return y <= 127 ? 255 - x - y : y - x; }};
    case gsArrowR: return {129, 256, [](int x, int y) { return y <= 127 ? 127 + x - y : x + y - 128; }};
    case gsArrowU: return {256, 129, [](int x, int y) { return x <= 127 ? 255 - x - y : x - y; }};
    case gsArrowD: return {256, 129, [](int x, int y) { return x <= 127 ? 127 + y - x : x + y - 128; }};
    case gsDiamond:
        return {256, 256, [](int x, int y) {
                    if (y <= 127) return x <= 127 ? 255 - x - y : x - y;
                    return x <= 127 ? y - x : x + y - 255;
                }};
    case gsButterfly:
        return {256, 256, [](int x, int y) {
                    if (y <= 127) return x <= 127 ? 128 + x - y : 383 - x - y;
                    return x <= 127 ? x + y - 128 : 128 + y - x;
                }};
    case gsCustom: break;
    }
    return {0, 0, {}};
}

} // namespace

TGradient::TGradient()
{
    Rebuild();
}

void TGradient::SetColorBegin(TColor c)
{
    if (c == colorBegin) return;
    colorBegin = c;
    Rebuild();
}

void TGradient::SetColorEnd(TColor c)
{
    if (c == colorEnd) return;
    colorEnd = c;
    Rebuild();
}

void TGradient::SetStyle(TGradientStyle s)
{
    if (s == style) return;
    style = s;
    Rebuild();
}

void TGradient::SetShift(int s)
{
    s = std::clamp(s, -100, 100);
    if (s == shift) return;
    shift = s;
    Rebuild();
}

void TGradient::SetRotation(int r)
{
    r = std::clamp(r, -100, 100);
    if (r == rotation) return;
    rotation = r;
    Rebuild();
}

void TGradient::SetReverse(bool r)
{
    if (r == reverse) return;
    reverse = r;
    Rebuild();
}

void TGradient::BeginUpdate()
{
    ++miseAJour;
}

void TGradient::EndUpdate()
{
    if (miseAJour == 0) return;
    if (--miseAJour == 0 && enAttente) Rebuild();
}

void TGradient::Rebuild()
{
    enAttente = true;
    if (miseAJour != 0) return;
    enAttente = false;
    Build();
}

void TGradient::Build()
{
    QRgb c1 = Couleur::VersQRgb(colorBegin), c2 = Couleur::VersQRgb(colorEnd);
    if (reverse) std::swap(c1, c2);
    RemplirTable(c1, c2);

    // Painting is skipped while the pattern is incomplete, also if the custom
    // filler throws.
    struct Drapeau {
        bool& b;
        explicit Drapeau(bool& d) : b(d) { b = true; }
        ~Drapeau() { b = false; }
    } construction(enConstruction);

    ++constructions;
    if (style != gsCustom) {
        RemplirMotif();
    } else if (onCustom) {
        onCustom(*this, couleurs, pattern);
    } else {
        pattern = QImage(2, 2, QImage::Format_RGB32);
        pattern.setPixel(0, 0, c1);
        pattern.setPixel(1, 1, c1);
        pattern.setPixel(1, 0, c2);
        pattern.setPixel(0, 1, c2);
    }
}

void TGradient::RemplirTable(QRgb c1, QRgb c2)
{
    int a[3] = {qRed(c1), qGreen(c1), qBlue(c1)};
    int b[3] = {qRed(c2), qGreen(c2), qBlue(c2)};
    if (shift > 0)
        for (int k = 0; k < 3; ++k) a[k] += MulDiv(b[k] - a[k], shift, 100);
    else if (shift < 0)
        for (int k = 0; k < 3; ++k) b[k] += MulDiv(b[k] - a[k], shift, 100);

    const int r = MulDiv(255, rotation, 100);
    for (int i = 0; i < 256; ++i) {
        int c[3];
        for (int k = 0; k < 3; ++k) {
            const int d = b[k] - a[k];
            if (r == 0) {
                c[k] = a[k] + i * d / 255;
            } else if (r > 0) {
                // The ramp reaches the second colour at m and comes back.
                const int m = 255 - r;
                c[k] = i < m ? a[k] + i * d / m : a[k] + (255 - i) * d / r;
            } else {
                // Starts at the second colour, reaches the first at n and goes back.
                const int n = -r;
                c[k] = i <= n ? b[k] - i * d / n : b[k] - (255 - i) * d / (255 - n);
            }
        }
        couleurs[i] = qRgb(c[0], c[1], c[2]);
    }
}

void TGradient::RemplirMotif()
{
    const Motif m = MotifDuStyle(style);
    pattern = QImage(m.largeur, m.hauteur, QImage::Format_RGB32);
    for (int y = 0; y < m.hauteur; ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(pattern.scanLine(y));
        for (int x = 0; x < m.largeur; ++x) ligne[x] = couleurs[m.index(x, y)];
    }
}

void TGradient::Paint(QPainter& p) const
{
    if (enConstruction || pattern.isNull()) return;
    p.drawImage(QRect(QPoint(0, 0), taille), pattern);
}
