#pragma once
// The position series' inputs, taken from the measurement and the facts of its
// video. The main window and kinotab-cli both build them here.

#include "core/UnitFaitsVideo.h"
#include "kinematics/UnitSeries.h"
#include "measure/UnitEtatMesure.h"

#include <string>

// Each frame's own time when the video's rate varies (a constant rate keeps
// the marks exactly one frame time apart).
TEntreesSeries EntreesSeries(const EtatMesure& m, const FaitsVideo& video, std::string fichierVideo);
