#pragma once
// The video marks the results table flags like doubtful ones and leaves out
// of velocities and accelerations: nothing is ever differentiated across no
// time, or across a picture that is only a copy of the one before.

#include "core/UnitFaitsVideo.h"
#include "measure/UnitEtatMesure.h"

#include <vector>

// One flag a video mark: set on a mark placed on a picture that repeats the
// one before (a frame the camera dropped), and on the later of two marks of
// one point at the same time (frames sharing a time stamp). All clear when
// the frames of the marks are not known.
std::vector<bool> MarquesRepetees(const EtatMesure& m, const FaitsVideo& video);
