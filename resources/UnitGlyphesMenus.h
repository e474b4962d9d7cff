#pragma once
// The small pictures of the results window's menu items, drawn in code.

#include <QIcon>
#include <QImage>

enum class GlypheMenu { Enregistrer, Imprimer, Quitter, Copier, Temps, Tableau, Graphes, Trajectoire, Vecteurs };

QImage ImageGlypheMenu(GlypheMenu g);
QIcon IconeGlypheMenu(GlypheMenu g);
