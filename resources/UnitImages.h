#pragma once
// The program's pictures, drawn once on first use and kept by name:
// the 22 pictures of the main window ("BmpMarqueBlanc" ... "BmpTransparentSeul")
// and the 640 x 400 title picture "BmpTitre".

#include <QIcon>
#include <QImage>
#include <QStringList>
#include <string_view>

namespace Images {

// The picture of that name, drawn natively at the device pixel ratio `ratio`,
// which it carries; a null image for an unknown name.
QImage Image(std::string_view nom, qreal ratio = 1);
// The picture of that name at 1x and at 2x.
QIcon Icone(std::string_view nom);

// The 22 names of the main window's pictures, in the order they are listed.
const QStringList& NomsFiche();

} // namespace Images
