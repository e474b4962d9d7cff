#include "options/UnitOptions.h"

#include "resources/UnitChainesRessources.h"

TOptions::TOptions(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(Chaines::Texte("TitreOptions"));
}
