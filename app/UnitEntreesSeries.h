#pragma once
// The position series' inputs, taken from the measurement and its video.

#include "kinematics/UnitSeries.h"
#include "video/UnitEtatMesure.h"

#include <string>

TEntreesSeries EntreesSeries(const EtatMesure& m, double frameTime, double aspectRatio, std::string fichierVideo);
