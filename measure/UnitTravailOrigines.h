#pragma once
// How each mark was made, in the work file: a block after the last line of
// the measurement, absent in older files (their marks then read as clicked).
//
//   Origines
//   <video mark count>, then two lines per mark:
//     0 clicked, 1 tracked, 2 tracked and doubtful
//     the match's score in thousandths (1000 for a click), an integer so that
//     the file reads the same under any decimal separator

#include <QStringList>

struct Travail;

// Appends the block when at least one mark was placed by tracking; a
// measurement of clicks alone writes the file as before.
void EcrireOriginesTravail(QStringList& lignes, const Travail& t);

// Reads the block's lines after its tag from `pos`: true when the count
// equals the marks and every code and score is one the block can hold.
bool LireOriginesTravail(const QStringList& lignes, qsizetype& pos, Travail& t);
