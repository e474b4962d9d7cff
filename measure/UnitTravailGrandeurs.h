#pragma once
// The masses with g, and the user's own quantities, in the work file: two
// blocks after the last line of the measurement, so that files without them
// (older ones) still read as before.
//
//   Masses
//   <g in m/s2>
//   <one line per moving point: its mass in kg, 0 when not set>
//
//   Quantities
//   <count>
//   <then 3 lines each: name, unit, formula>

#include <QStringList>

struct Travail;

// Each block is written only when it keeps something: a mass set or g
// changed; at least one quantity.
void EcrireMassesTravail(QStringList& lignes, const Travail& t);
void EcrireQuantitesTravail(QStringList& lignes, const Travail& t);

// Read the lines after the tag from `pos`. False when the block is damaged
// (lines missing, not numbers, a negative mass, g not above 0, a count
// outside 0..8). A quantity whose formula no longer parses, or whose name is
// no longer free, drops that block alone: true, the quantities stay empty
// and the fault is noted in the work (Travail::QuantiteIllisible).
bool LireMassesTravail(const QStringList& lignes, qsizetype& pos, Travail& t);
bool LireQuantitesTravail(const QStringList& lignes, qsizetype& pos, Travail& t);
