#pragma once
// The axes' angle and the plane in the work file: two blocks after the last
// line of the measurement, each written only when used, so that a file of a
// measurement without them reads and writes exactly as before.
//
//   Axes
//   <angle of the x axis in degrees, counter-clockwise as seen on screen>
//
//   Plane
//   <8 lines: x, y of the four corners in the order clicked, normalised>
//   <width in metres>
//   <height in metres>
//
// Reals are written with "." (either separator is read back).

#include <QStringList>

struct Travail;

void EcrireAxesTravail(QStringList& lignes, const Travail& t);
// The angle: a finite number.
bool LireAxesTravail(const QStringList& lignes, qsizetype& pos, Travail& t);

void EcrirePlanTravail(QStringList& lignes, const Travail& t);
// Corners within the coordinates a work file may hold that make a plane (no
// corner repeated, no three on one line, sides not crossing), a width and a
// height within the scale's bounds.
bool LirePlanTravail(const QStringList& lignes, qsizetype& pos, Travail& t);
