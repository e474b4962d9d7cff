#include "kinematics/UnitBoiteTemps.h"

#include "resources/UnitChainesRessources.h"

TBoiteTemps::TBoiteTemps(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(Chaines::Texte("TitreBoiteTemps"));
}
