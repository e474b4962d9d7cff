#pragma once
// The scale's own uncertainty: every length of a measurement is the scale
// segment's known length divided by its length on the picture, so both reach
// every result as one relative, systematic part.

#include "kinematics/UnitSeries.h"

// Standard pixel uncertainty of one end of the scale segment along each axis:
// a click lands anywhere within half a pixel, uniformly (1 / sqrt 12).
constexpr double IncertitudePixel = 0.28867513459481287;

// Relative standard uncertainty of the scale: the segment's length on the
// picture, in the video's pixels, from the resolution of its two ends,
// combined with `relativeLongueur`, the relative uncertainty of the known
// length the user typed. When the video's size is unknown, or the segment
// has no length, only the latter.
double IncertitudeRelativeEchelle(const TEntreesSeries& e, double relativeLongueur);
