#pragma once
// The calibration's own uncertainty: how well the scale is known from where
// its ends (or the plane's corners) were clicked, each coordinate read to the
// nearest pixel (a uniform error of half a pixel, 0.29 px standard), together
// with the relative uncertainty of the length typed for it.

#include "kinematics/UnitSeries.h"

// Relative standard uncertainty of the scale of `e`: from the scale segment,
// or from the plane when there is one, combined with `relativeLongueur`, the
// relative uncertainty of the length (or width and height) typed. Only
// `relativeLongueur` when the video's size in pixels is not known or the
// calibration gives no scale.
double IncertitudeRelativeEchelle(const TEntreesSeries& e, double relativeLongueur);
