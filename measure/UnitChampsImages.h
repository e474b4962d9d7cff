#pragma once
// Whether the measurement counts the fields of an interlaced video as frames
// (twice as many frames, twice the rate): the marks' frame numbers mean
// fields then. In the work file it is a block after the last line, so that
// older files read as before, with whole pictures as frames:
//
//   Fields
//   <1: fields as frames, 0: whole pictures>

#include <QStringList>

struct Travail;

// Appends the block when the measurement counts fields.
void EcrireChampsTravail(QStringList& lignes, const Travail& t);
// Reads the block's line after its tag from `pos`; false unless it is 0 or 1.
bool LireChampsTravail(const QStringList& lignes, qsizetype& pos, Travail& t);
