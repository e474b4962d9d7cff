#pragma once
// The graphs view: one quantity of one moving point against time, drawn on
// the graph without a window (the results window and kinotab-cli share it).

#include "kinematics/UnitSerieGrandeur.h"
#include "kinematics/UnitSeries.h"
#include "results/UnitVuesGraphe.h"

#include <QStringList>
#include <string>
#include <vector>

namespace VueTemps {

enum class Grandeur { X, Y, VX, VY, V, AX, AY, A };

// The quantities offered, in list order: positions always, velocities and
// accelerations only when computed.
std::vector<Grandeur> Grandeurs(const TResultatsSeries& r);
QString Libelle(Grandeur g);  // "souradnice x"
QString TitreAxe(Grandeur g); // "x (m)"
// "bodu 1" and as far as there are moving points.
QStringList Points(const TResultatsSeries& r);

// Colours, margins, axes and zoom of the view.
void Preparer(TDessinGraphe& g);

struct Choix {
    Grandeur grandeur = Grandeur::X;
    int point = 0;       // 0-based; for a quantity, the point whose colour it takes
    bool courbe = false; // joining line
    bool zoomX = false;
    bool zoomY = true;
    bool incertitudes = false; // ±1 standard uncertainty bars on velocities and accelerations
    std::string quantite;      // a quantity of the table by name, shown instead of `grandeur`
};

// Adds the curve of the chosen quantity and widens `e` to its range, with
// room for the companion series (and the error bars, when drawn), 5 % margins
// and at least 0.1 of height.
void Dessiner(TDessinGraphe& g, const TResultatsSeries& r, const Choix& c, TEtendue& e);
// A quantity of the table (an energy, a momentum, the user's own) against
// time, drawn like the series: in the colour of its point (point 1's for the
// system's and the user's), its uncertainties as bars when asked for;
// `c.point` is not read.
void DessinerGrandeur(TDessinGraphe& g, const TSerieGrandeur& s, const TGrandeurDefinie& d, const Choix& c,
                      TEtendue& e);
// Its item in the quantity list ("kinetická energie Ek1") and its axis title ("Ek1 (J)").
QString LibelleGrandeur(const TGrandeurDefinie& d);
QString TitreGrandeur(const TGrandeurDefinie& d);

// The joining line of the drawn curve, on or off.
void AppliquerCourbe(TDessinGraphe& g, const Choix& c);

} // namespace VueTemps
