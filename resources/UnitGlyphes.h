#pragma once
// The glyphs of the main window's twelve command-bar buttons, drawn in code.

#include <QIcon>
#include <QImage>

enum class Glyphe {
    Lecture,
    Pause,
    Retour,
    Precedent,
    Suivant,
    Avance,
    Marque,
    Etalon,
    Origine,
    Transparent,
    ZoomPlus,
    ZoomMoins
};

// Drawn natively at the device pixel ratio `ratio`, which the image carries.
QImage ImageGlyphe(Glyphe g, bool actif = true, qreal ratio = 1);
// Normal and disabled states, each drawn at 1x and at 2x.
QIcon IconeGlyphe(Glyphe g);
