#pragma once
// Where the axes lie on the view when they are turned or carried by a plane
// seen in perspective: each axis as the segment of its line that the picture
// shows, from its negative end to its positive tip (where the arrow goes),
// in view pixels. The drawing and the handle of the x axis share it.

#include "measure/UnitEtatMesure.h"

#include <optional>

struct AxeVu {
    PointD Debut, Fin; // Fin: the positive tip
    PointD Direction;  // unit vector towards Fin
};

struct AxesVus {
    AxeVu X, Y;
};

// True when the axes are drawn as computed here: turned, or on a plane.
bool AxesCalcules(const EtatMesure& m);

// The axes through the origin on a view of largeur x hauteur pixels; none
// without an origin or when the plane makes no map.
std::optional<AxesVus> AxesSurLaVue(const EtatMesure& m, int largeur, int hauteur);

// The angle that turns the x axis towards `pixel` from the origin, in the
// picture or, with a plane, in the plane; none on the origin itself or
// beyond the plane's horizon.
std::optional<double> AngleVers(const EtatMesure& m, PointD pixel, int largeur, int hauteur);

// The visible part, in view pixels, of the plane's line through the plane
// points `a` and `b` (metres): inside the picture and well before the
// horizon. None without a plane or when the line is not seen.
std::optional<AxeVu> LigneDuPlan(const EtatMesure& m, PointD a, PointD b, int largeur, int hauteur);

// An angle brought into (-180, 180].
double AngleNormalise(double degres);
