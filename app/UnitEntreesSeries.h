#pragma once
// The position series' inputs, taken from the measurement and its video. The
// main window and kinotab-cli both build them here.

#include "kinematics/UnitSeries.h"
#include "video/UnitEtatMesure.h"

#include <string>

class FrameSource;

// The frame time, proportions and capture rate of the open `video`; each
// frame's own time when its rate varies (a constant rate keeps the marks
// exactly one frame time apart). TempsImage reads `video`, which must outlive
// the inputs.
TEntreesSeries EntreesSeries(const EtatMesure& m, const FrameSource& video, std::string fichierVideo);
