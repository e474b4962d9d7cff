#pragma once
// What the results window's status bar says about a computation: which
// smoothing gave the derivatives, the time step in use and where the times
// came from.

#include "kinematics/UnitSeries.h"

#include <QChar>
#include <QString>

// "Vyhlazeno polynomem · T = 0.04 s · časy podle snímků"; the decimal separator given.
QString TexteEtatResultats(const TResultatsSeries& r, double T, QChar separateurDecimal);

// The smoothing part alone.
QString TexteLissage(const TResultatsSeries& r);
