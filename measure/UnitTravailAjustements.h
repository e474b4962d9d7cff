#pragma once
// The fits of a measurement in the work file: a block after the last line, so
// that files without it (older ones) read as before, with no fit.
//
//   Fits
//   <count>, then for each fit seven lines: the model's name ("parabola" …),
//   the quantity's name ("y" …), the moving point (0-based), the first and
//   the last sample of the range (0-based, inclusive), the relative
//   uncertainty of the scale's known length, and the formula (empty but for
//   the model "expression").

#include <QStringList>

struct Travail;

// Appends the block (with its tag) when the measurement keeps a fit.
void EcrireAjustementsTravail(QStringList& lignes, const Travail& t);

// Reads the block's lines after its tag from `pos`: true when they are
// complete and sound (known names, a point 0..2, a range not reversed, an
// uncertainty from 0 to 1).
bool LireAjustementsTravail(const QStringList& lignes, qsizetype& pos, Travail& t);
