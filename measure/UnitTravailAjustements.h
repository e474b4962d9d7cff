#pragma once
// The fits of a measurement in the work file: blocks after the last line, so
// that files without them (older ones) read as before, with no fit.
//
//   Fits
//   <count>, then for each fit of a point's series seven lines: the model's
//   name ("parabola" …), the quantity's name ("y" …), the moving point
//   (0-based), the first and the last sample of the range (0-based,
//   inclusive), the relative uncertainty of the scale's known length, and the
//   formula (empty but for the model "expression").
//
//   QuantityFits
//   <count>, then for each fit of a quantity of the table six lines: the
//   model's name, the quantity's name ("Ek1", the user's), the first and the
//   last sample, the uncertainty of the known length and the formula. A block
//   of its own, after the others, so that a program that does not know it
//   keeps every other fit.

#include <QStringList>

struct Travail;

// Append the block (with its tag) when the measurement keeps such a fit.
void EcrireAjustementsTravail(QStringList& lignes, const Travail& t);
void EcrireAjustementsQuantitesTravail(QStringList& lignes, const Travail& t);

// Read the block's lines after its tag from `pos`: true when they are
// complete and sound (known names, a point 0..2, a range not reversed, an
// uncertainty from 0 to 1).
bool LireAjustementsTravail(const QStringList& lignes, qsizetype& pos, Travail& t);
bool LireAjustementsQuantitesTravail(const QStringList& lignes, qsizetype& pos, Travail& t);
