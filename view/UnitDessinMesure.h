#pragma once
// Draws over a frame what the user has measured: marks, origin axes, scale
// segment or the transparent overlay, depending on the pointing mode, all in
// the measurement's colour with a one-pixel pen. Lines exclude their last
// point; rectangles and ellipse boxes exclude their right and bottom edges.

#include "measure/UnitMesure.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <cstdint>

// A colour value with red in the low byte, then green, then blue.
QColor CouleurQt(std::uint32_t couleur);

namespace DessinMesure {

// 1 thick cross (point 1, single points, overlay marks), 2 plus with a thick
// centre (point 2), 3 star (point 3).
void Symbole(QPainter& p, int symbole, QPoint centre);

// A mark automatic tracking placed without being sure of it: a hollow ring,
// box (x-4, y-4) to (x+5, y+5), with a question sign above right of it,
// whichever point it belongs to.
void MarqueDouteuse(QPainter& p, QPoint centre);

enum class Sens { Droite, Bas, Haut };
// Filled triangle with its tip at `pointe`, its base 8 pixels back and 16 wide.
void Fleche(QPainter& p, QPoint pointe, Sens sens);

// Draws the measurement `m`, with its pixel caches `px`, for the current mode
// on a view of largeur x hauteur, with brush and pen of colour m.Couleur.
// `coins`: the plane's corners being clicked, if they are (drawn in every mode).
void Dessiner(QPainter& p, const EtatMesure& m, const PixelsMesure& px, int largeur, int hauteur,
              const VecteurPointD* coins = nullptr);

// The same over `image`, a view of largeur x hauteur logical pixels at the
// image's device pixel ratio: each logical pixel of the drawing covers the
// device pixels under it, so the rules above hold in logical pixels.
void DessinerSur(QImage& image, const EtatMesure& m, const PixelsMesure& px, int largeur, int hauteur,
                 const VecteurPointD* coins = nullptr);

// --- The calibration beyond the segment (UnitDessinCalibration.cpp) ---
// Turned axes, or the plane's axes in perspective, through the origin and
// across the picture, each with its arrow head turned along it; the x axis'
// arrow is the handle the origin tool drags.
void AxesTournes(QPainter& p, const EtatMesure& m, int largeur, int hauteur);
// The plane's rectangle and a light grid of the plane around it.
void Plan(QPainter& p, const EtatMesure& m, int largeur, int hauteur);
// Corners joined in order, closed when `ferme`, else with a side to the
// pointer while fewer than four; the first a disc, the others small squares.
void Coins(QPainter& p, const VecteurPointD& coins, bool ferme, PointPixels souris, int largeur, int hauteur);

} // namespace DessinMesure
