#pragma once
// The vectors view: the trajectory of one moving point seen from the camera,
// without axes, with its velocity or acceleration arrows, and the scale
// legend drawn on a saved picture.

#include "kinematics/UnitSeries.h"
#include "results/UnitVuesGraphe.h"

#include <QImage>
#include <QStringList>
#include <vector>

namespace VueVecteurs {

enum class Sorte { Vitesses = 0, Accelerations = 1 }; // the curve's vector series

// "rychlosti" when velocities were computed, "zrychlení" when accelerations were.
std::vector<Sorte> Sortes(const TResultatsSeries& r);
QString Libelle(Sorte s);
QString Exposant(Sorte s); // "-1" or "-2"
QString Unite(Sorte s);    // " m/s" or " m/s2"
// "1", "2", "3" as far as there are moving points.
QStringList Points(const TResultatsSeries& r);

// The arrow picture's width: an arrow that long stands for the scale value.
constexpr int LargeurFleche = 64;

void Preparer(TDessinGraphe& g);

struct Choix {
    Sorte sorte = Sorte::Vitesses;
    int point = 0;
    bool numeros = false;
    bool valeurs = false;
};

// Adds the curve with both vector series, y upwards as on the video whatever
// the axis sense, sets `e` to equal scales with 15 % margins and selects the
// chosen series at its automatic scale.
void Dessiner(TDessinGraphe& g, const TResultatsSeries& r, const Choix& c, TEtendue& e);
// Sample numbers or values in the point's colour, no joining line.
void AppliquerOptions(TDessinGraphe& g, const Choix& c);

// The scale legend: a line as long as the arrow picture and the value it
// stands for, drawn onto `image` (the picture as saved).
void DessinerLegende(QImage& image, double echelle, Sorte s);

} // namespace VueVecteurs
