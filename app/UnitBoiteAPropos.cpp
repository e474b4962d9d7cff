#include "app/UnitBoiteAPropos.h"

#include "resources/UnitChainesRessources.h"

TBoiteAPropos::TBoiteAPropos(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(Chaines::Texte("TitreBoiteAPropos"));
}
