#pragma once
// A plane seen in perspective: the four corners of a rectangle of known size
// lying in the plane of the motion, as the user clicked them, and the
// projective map (homography) they define from the picture onto the plane.
// A line in the plane is a line in the picture, so the map is exact for any
// camera that does not bend lines.

#include "core/UnitMath.h"

#include <array>
#include <optional>

struct TPlan {
    // Normalised picture positions in the order clicked: the plane's (0, 0),
    // then along its x axis, the opposite corner, then along its y axis.
    std::array<PointD, 4> Coins{};
    double Largeur = 0.0; // metres along x
    double Hauteur = 0.0; // metres along y
    friend bool operator==(const TPlan&, const TPlan&) = default;
};

// Why four corners and a size make no plane, first fault first.
enum class DefautPlan {
    Aucun,
    Dimensions,   // a width or height that is not a finite number > 0
    CoinRepete,   // two corners at the same place
    TroisAlignes, // three corners on one line
    Croise,       // the sides cross (or the quadrilateral is not convex)
};
DefautPlan VerifierPlan(const TPlan& plan);

// x' = (a x + b y + c) / (g x + h y + 1), y' = (d x + e y + f) / (g x + h y + 1).
class THomographie {
public:
    // The map taking each `de` point to the `vers` point of the same rank;
    // none when the eight equations have no single solution.
    static std::optional<THomographie> DesPoints(const std::array<PointD, 4>& de, const std::array<PointD, 4>& vers);
    PointD Appliquer(PointD p) const;
    // The denominator at `p`: its sign tells the side of the horizon.
    double Denominateur(PointD p) const;
    std::optional<THomographie> Inverse() const;

private:
    std::array<double, 9> h_{}; // row-major 3 x 3, h_[8] = 1 after a solve
};

// From the normalised picture onto the plane, in metres.
std::optional<THomographie> HomographiePlan(const TPlan& plan);
