#pragma once
// The glyphs of the main window's twelve command-bar buttons, drawn in code.

#include <QIcon>
#include <QImage>

enum class Glyphe {
    Lecture, Pause, Retour, Precedent, Suivant, Avance,
    Marque, Etalon, Origine, Transparent, ZoomPlus, ZoomMoins
};

QImage ImageGlyphe(Glyphe g, bool actif = true);
// Normal and disabled states.
QIcon IconeGlyphe(Glyphe g);
