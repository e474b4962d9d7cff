#pragma once
// What the three graphical views of the results share: the colours and marks
// of the moving points, and the step that hands a view's data range to the
// graph.

#include "graph/UnitGraphPlusCourbe.h"
#include "graph/UnitGraphPlusDessin.h"
#include "results/UnitEtendue.h"

#include <QString>
#include <array>

namespace VuesGraphe {

// Point 1 red with a thick cross, point 2 blue with a plus, point 3 green with a star.
constexpr std::array<TColor, 3> CouleursPoints{Couleur::RGB(255, 0, 0), Couleur::RGB(0, 0, 255),
                                               Couleur::RGB(0, 128, 0)};
constexpr std::array<int, 3> MarquesPoints{MarqueCroix, MarquePlus, MarqueEtoile};

// Background gradients of the views.
struct Fond {
    TColor ColorBegin;
    TColor ColorEnd;
};
constexpr Fond FondTemps{Couleur::RGB(228, 229, 214), Couleur::RGB(209, 255, 198)};
constexpr Fond FondTrajectoire{Couleur::RGB(255, 243, 220), Couleur::RGB(252, 225, 195)};
constexpr Fond FondVecteurs{Couleur::RGB(235, 241, 243), Couleur::RGB(202, 229, 245)};
void AppliquerFond(TDessinGraphe& g, const Fond& f);

// The graph's margins around its plot area.
void Marges(TDessinGraphe& g, int haut, int droite, int gauche, int bas);

// Grows the smaller range symmetrically so that both axes have the same scale
// on the plot area, then adds `marge` of each range on both sides. Nothing
// when the plot area is empty.
void EchellesEgales(TEtendue& e, int largeur, int hauteur, double marge);

// The range becomes the graph's limits and the zoom is centred on it.
void AppliquerEtendue(TDessinGraphe& g, const TEtendue& e);

} // namespace VuesGraphe
