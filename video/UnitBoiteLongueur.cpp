#include "video/UnitBoiteLongueur.h"

#include "resources/UnitChainesRessources.h"

TBoiteLongueur::TBoiteLongueur(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(Chaines::Texte("TitreBoiteLongueur"));
}
