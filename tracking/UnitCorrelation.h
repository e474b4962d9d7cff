#pragma once
// Finding a small picture (the template) in a frame by normalised
// cross-correlation, to a fraction of a pixel.
//
// Positions are in video pixels, pixel (i, j) standing at (i, j): the
// measurement's normalised position times the video's size.

#include "core/UnitMath.h"

#include <QImage>
#include <optional>
#include <vector>

// A grey picture cut from a frame, and the point it stands for.
struct Modele {
    int Cote = 0;            // side in pixels (odd)
    std::vector<float> Gris; // Cote x Cote, rows top down, mean removed
    double Norme = 0;        // square root of the sum of squares of Gris
    PointD Ancre;            // the point, from the picture's top-left pixel
};

// The template of side 2 * demiCote + 1 around `point`, cut at the nearest
// whole pixel and keeping the point's fraction in its anchor. None when it
// does not lie wholly in the frame or shows a uniform patch.
std::optional<Modele> CouperModele(const QImage& image, PointD point, int demiCote);

struct Correspondance {
    PointD Point;       // where the template's anchor falls
    double Qualite = 0; // the correlation there, -1..1
};

// Searches the template around `prevu`, its anchor within `rayon` pixels of it
// on each axis, and returns the best local peak of correlation, refined to a
// fraction of a pixel by a parabola through the peak and its neighbours.
// Among peaks, a distance from `prevu` costs `penalite` x (distance / rayon)^2
// of correlation, so that a look-alike farther from the prediction loses.
// None when no place for the template in the search window lies wholly in the
// frame, or no peak is found inside it.
std::optional<Correspondance> Chercher(const QImage& image, const Modele& modele, PointD prevu, int rayon,
                                       double penalite);
