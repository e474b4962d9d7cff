#pragma once
// The small pictures of the results window's menu items, drawn in code.

#include <QIcon>
#include <QImage>

enum class GlypheMenu { Enregistrer, Imprimer, Quitter, Copier, Temps, Tableau, Graphes, Trajectoire, Vecteurs };

// Drawn natively at the device pixel ratio `ratio`, which the image carries.
QImage ImageGlypheMenu(GlypheMenu g, qreal ratio = 1);
// Drawn at 1x and at 2x.
QIcon IconeGlypheMenu(GlypheMenu g);
