#include "video/UnitBoiteInfo.h"

#include "resources/UnitChainesRessources.h"

TBoiteInfo::TBoiteInfo(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(Chaines::Texte("TitreBoiteInfo"));
}
