#pragma once
// The small pictures of the print window's buttons, drawn once in code.

#include <QPixmap>

namespace Pictogrammes {

QPixmap Portrait();
QPixmap Paysage();
QPixmap CentreHaut();
QPixmap PleinePage();
QPixmap Imprimante();

} // namespace Pictogrammes
