#include "graph/UnitCouleur.h"

#include <QGuiApplication>
#include <QPalette>

namespace Couleur {
namespace {

// The few system colours the program names, by their number.
QPalette::ColorRole RoleSysteme(unsigned numero)
{
    switch (numero) {
    case 5: return QPalette::Base;       // window background
    case 8: return QPalette::WindowText; // window text
    case 13: return QPalette::Highlight;
    case 16: return QPalette::Dark;   // button shadow
    case 20: return QPalette::Light;  // button highlight
    default: return QPalette::Button; // 15, button face
    }
}

} // namespace

QRgb VersQRgb(TColor c)
{
    if ((c >> 24) == 0xFF) return QGuiApplication::palette().color(QPalette::Active, RoleSysteme(c & 0xFF)).rgb();
    return qRgb(int(c & 0xFF), int(c >> 8 & 0xFF), int(c >> 16 & 0xFF));
}

} // namespace Couleur
