#pragma once
// Starting values of the nonlinear models, read from the data so that a fit
// of a real oscillation or decay converges without guesses: the angular
// frequency from the crossings of the mean (or, when there are too few, from
// the best of a range of frequencies), the damping and the amplitudes from
// linear fits at that frequency.

#include "kinematics/UnitModeleAjustement.h"

#include <span>
#include <vector>

// Times strictly increasing, at least as many samples as the model has
// parameters. For a polynomial or a formula: empty (the polynomials need
// none, a formula starts from the user's values or from 1).
std::vector<double> Departs(TModele m, std::span<const double> t, std::span<const double> y);
