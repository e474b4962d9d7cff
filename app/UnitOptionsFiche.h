#pragma once
// The main window's option flags as read from [Options] of the settings file.
// A key is on when its value is not empty ("*" is what the options dialog
// writes, but any text counts).

#include "app/UnitFichiersRecents.h"

class IniFile;

struct OptionsFiche {
    bool TailleLibre = true;                                   // "Proportions" not set
    bool FigerMRU = false;                                     // "Freeze" set
    bool AfficherVitesse = true;                               // "Speedy" not set
    bool AfficherAcceleration = true;                          // "Acceleration" not set
    bool ConfirmerFermeture = false;                           // "Confirmation" set
    int NombreFichiers = ListeFichiersRecents::CapaciteDefaut; // "NumFiles", 1..20
};

bool OptionActive(const IniFile& ini, const char* cle);
OptionsFiche LireOptionsFiche(const IniFile& ini);
