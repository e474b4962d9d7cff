#pragma once
// The turn the user gives the picture in place of the one the file asks
// for. The marks are stored in the picture as shown, so turning the picture
// turns them with it: they stay on the object. In the work file it is a
// block after the last line, so that older files read as before:
//
//   Rotation
//   <clockwise degrees: 0, 90, 180 or 270>

#include "measure/UnitEtatMesure.h"

#include <QStringList>

struct Travail;

// Turns every position of the measurement `quarts` quarter turns clockwise
// with the picture: marks, overlay, scale segment, origin.
void TournerMesure(EtatMesure& m, int quarts);

// Appends the block when the measurement turns the picture.
void EcrireRotationTravail(QStringList& lignes, const Travail& t);
// Reads the block's line after its tag from `pos`; false unless it is one
// of the four turns.
bool LireRotationTravail(const QStringList& lignes, qsizetype& pos, Travail& t);
