#pragma once
// Pictures of the pointing tools, drawn in code: the cursors and the menu and
// message pictures made from them.

#include <QImage>
#include <string_view>

// A 32 x 32 cursor picture by its resource name ("Marque2NB", "Pan" ...);
// a null image for an unknown name. At a device pixel ratio above 1 it is
// drawn natively on that many more pixels and carries the ratio.
QImage DessinerCurseur(std::string_view nom, qreal ratio = 1);
