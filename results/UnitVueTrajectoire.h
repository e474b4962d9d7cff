#pragma once
// The trajectory view: the positions of one or every moving point, seen from
// the camera or from another moving point, with equal scales on both axes.

#include "kinematics/UnitSeries.h"
#include "results/UnitVuesGraphe.h"

#include <QStringList>
#include <vector>

namespace VueTrajectoire {

// "1", then "2", "1-2" or "2", "3", "1-2-3": the last item draws every point.
QStringList Points(const TResultatsSeries& r);
// "ke kameře", then "k bodu č. 1" ... as far as there are moving points.
QStringList Referentiels(const TResultatsSeries& r);

void Preparer(TDessinGraphe& g);

struct Choix {
    int point = 0;        // index in Points()
    int referentiel = 0;  // index in Referentiels(): 0 the camera, p + 1 point p
    bool numeros = false; // sample numbers
    bool courbe = false;  // joining lines
};

// Positions of point p (0-based) in the frame of point r (-1 the camera):
// samples of equal index are taken on the same frame.
VecteurPointD Relative(const TResultatsSeries& r, int p, int referentiel);

// Adds the curves and sets `e` to a range of at least a quarter of the
// picture, with equal scales on the graph's plot area and 10 % margins.
void Dessiner(TDessinGraphe& g, const TResultatsSeries& r, const Choix& c, TEtendue& e);
// Numbers and joining lines of the drawn curves.
void AppliquerOptions(TDessinGraphe& g, const TResultatsSeries& r, const Choix& c);

} // namespace VueTrajectoire
