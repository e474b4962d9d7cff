#pragma once
// A fit's result as a teacher writes it: "a = (−9.81 ± 0.05) m/s² (měřítko ±
// 0.01)", the digits set by the uncertainty (two significant digits of it),
// the user's decimal separator; and the lines that carry it under a graph or
// a table when it is copied, saved or printed.

#include "kinematics/UnitAjustementSeries.h"

#include <QChar>
#include <QString>
#include <QStringList>

// "(v ± u) unit", and " (měřítko ± s)" when the scale has a part in u.
QString TexteMesure(double valeur, double incertitude, double partEchelle, const QString& unite, QChar separateur);

// The unit of parameter k of the result's model (empty for a formula); a fit
// of a quantity of the table takes `uniteQuantite`, its unit, for metres.
QString UniteParametre(const TResultatAjustement& r, int k, const QString& uniteQuantite = {});

// The result: the derived value first when the model has one, then every
// parameter, then the number of samples, the residual RMS and chi2/nu.
QStringList LignesAjustement(const TResultatAjustement& r, QChar separateur, const QString& uniteQuantite = {});
// Why a fit was refused, in one sentence.
QString RaisonRefus(const TResultatAjustement& r);
