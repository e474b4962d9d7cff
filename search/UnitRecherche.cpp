#include "search/UnitRecherche.h"

#include "resources/UnitChainesRessources.h"

TRecherche::TRecherche(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(Chaines::Texte("TitreRecherche"));
}
