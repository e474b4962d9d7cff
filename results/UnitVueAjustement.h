#pragma once
// A fit drawn over the graphs view: the samples outside its range lighter,
// the fitted curve dashed in the point's colour over its range, and the strip
// of residuals that can be shown under the graph. Drawing only: shared by the
// results window and kinotab-cli.

#include "kinematics/UnitAjustementSeries.h"
#include "results/UnitVueTemps.h"

#include <QImage>

namespace VueAjustement {

// Whether the fit is of what the graph shows: the quantity of the table it
// names, or else the series and the point.
bool Concerne(const TDemandeAjustement& d, const VueTemps::Choix& c);
// And it succeeded.
bool Concerne(const TResultatAjustement& a, const VueTemps::Choix& c);

// A colour a share `part` of the way to white.
TColor Eclaircir(TColor c, double part);

// After VueTemps::Dessiner (curve 0 the samples): curve 1 the samples outside
// the range, lighter, over them; curve 2 the fitted curve, dashed.
void Dessiner(TDessinGraphe& g, const VueTemps::Choix& c, const TResultatAjustement& a);

// The residuals against time over the graph's horizontal range (the same
// plot area margins), with a zero line: `hauteur` pixels high.
QImage Residus(const TDessinGraphe& g, const TResultatAjustement& a, TColor couleur, int hauteur);

// The picture with the residuals strip (when not null) and the lines of a
// fit's result under it, black on white.
QImage AvecTexte(const QImage& graphe, const QImage& residus, const QStringList& lignes);

} // namespace VueAjustement
