#pragma once
// How the scatter of the values reaches the derivatives. Every road from the
// values to a derivative (differences, polynomial fits, differences of the
// fitted values) is linear in the values, so a derivative's variance is the
// scatter squared times the sum of its squared weights; these functions give
// the square root of that sum, the gain of each derivative for a unit scatter.

#include "kinematics/UnitMoinCar.h"

#include <span>
#include <vector>

// Gains of D(values) and D(D(values)) over the times t.
std::vector<double> GainsDifferences1(std::span<const double> t);
std::vector<double> GainsDifferences2(std::span<const double> t);

// Gains of D(P), P the values of `ajustement` at t, and of D(Q), Q the values
// at t of `ajustementDerivee`, fitted on D(P).
std::vector<double> GainsPolynome1(std::span<const double> t, const TMoinCar& ajustement);
std::vector<double> GainsPolynome2(std::span<const double> t, const TMoinCar& ajustement,
                                   const TMoinCar& ajustementDerivee);
