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

// Every local peak of correlation at or above `seuil` whose anchor lies within
// `rayon` pixels of `centre` on each axis, refined to a fraction of a pixel by
// a parabola through the peak and its neighbours; best first. Empty when no
// place for the template in that window lies wholly in the frame.
std::vector<Correspondance> Pics(const QImage& image, const Modele& modele, PointD centre, int rayon, double seuil);
