#pragma once
// The blocks that follow the last line of the measurement in the work file.
// Each starts with a line that names it; a file without a block (an older
// one) reads as before. The blocks are written in the order of the table in
// UnitTravailBlocs.cpp and read in any order; reading stops at the first
// line that names no block we know (a later version's block), keeping what
// was read.

#include <QStringList>

struct Travail;

// Appends every block the work has something for.
void EcrireBlocsTravail(QStringList& lignes, const Travail& t);

// Reads the blocks in `lignes`; false when a known block is damaged or comes
// twice.
bool LireBlocsTravail(const QStringList& lignes, Travail& t);
