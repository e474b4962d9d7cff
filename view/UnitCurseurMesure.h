#pragma once
// The frame view's cursor for what the measurement's next press does.

#include "measure/UnitEtatMesure.h"

// A cursor number of resources/UnitCurseurs.h: the family's picture in the
// chosen colour, or the overlay's grab and drag cursors; 0 before a colour is
// chosen, when the view keeps the cursor it shows.
int CurseurMesure(const EtatMesure& m);
