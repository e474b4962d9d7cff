#pragma once
// Colours as the graph receives them: 32-bit values with red in the low byte
// (RGB(r, g, b) = r + 256·g + 65536·b), or a system-colour code (high byte
// 0xFF, low byte the system colour's number). They are converted to Qt once,
// where a pen or a pixel needs them.

#include <QColor>
#include <cstdint>

using TColor = std::uint32_t;

namespace Couleur {

constexpr TColor RGB(int r, int g, int b)
{
    return TColor(r & 0xFF) | TColor(g & 0xFF) << 8 | TColor(b & 0xFF) << 16;
}

constexpr TColor Noir = RGB(0, 0, 0);
constexpr TColor Blanc = RGB(255, 255, 255);
constexpr TColor Rouge = RGB(255, 0, 0);
constexpr TColor Bleu = RGB(0, 0, 255);
constexpr TColor Olive = RGB(128, 128, 0);
constexpr TColor Gris = RGB(128, 128, 128);
// The system button-face colour, resolved from the application's palette.
constexpr TColor FaceBouton = 0xFF00000F;

// Plain RGB value (system codes resolved), as a Qt colour.
QRgb VersQRgb(TColor c);
inline QColor VersQColor(TColor c)
{
    return QColor(VersQRgb(c));
}

} // namespace Couleur
