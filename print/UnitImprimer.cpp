#include "print/UnitImprimer.h"

#include "resources/UnitChainesRessources.h"

TImprimer::TImprimer(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(Chaines::Texte("TitreImprimer"));
}
