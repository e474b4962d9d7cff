#include "video/UnitBoiteCouleur.h"

#include "resources/UnitChainesRessources.h"

TBoiteCouleur::TBoiteCouleur(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(Chaines::Texte("TitreBoiteCouleur"));
}
