#pragma once
// Whether the values a work file holds can come from a measurement: a file
// edited by hand or damaged can hold numbers that every later computation
// would turn into nonsense (a scale of 0 or -1 m, coordinates of 1E300).

struct EtatMesure;

// Normalised coordinates the program accepts: the picture spans 0..1, and
// the overlay and the origin may lie well outside it, never this far.
constexpr double CoordonneeMax = 1000;

// True when the scale length is 0 (never given) or within the length
// dialog's bounds, and 0 only while the segment is not complete, and every
// coordinate read is within +-CoordonneeMax.
bool ValeursPossibles(const EtatMesure& m);
