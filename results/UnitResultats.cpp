#include "results/UnitResultats.h"

#include "resources/UnitChainesRessources.h"

TResultats::TResultats(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(Chaines::Texte("TitreResultats"));
}
