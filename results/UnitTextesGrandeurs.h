#pragma once
// The texts of the quantities of the user's: why one is refused, and why a
// work file's quantities were not loaded.

#include "kinematics/UnitRefusGrandeur.h"

#include <QString>
#include <QStringList>

// The refusal's line, positions counted from 1: "Chyba ve vzorci na pozici 4.".
QString TexteRefusGrandeur(const TRefusGrandeur& r, const TGrandeurPropre& q);

// The lines of the message after loading a work file whose quantity `nom`
// was refused as `r`.
QStringList LignesGrandeurIllisible(const std::string& nom, const TRefusGrandeur& r);
