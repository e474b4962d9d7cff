#pragma once
// Quantities beyond the positions and their derivatives: the masses of the
// moving points with g, the ready quantities they give (energies, momenta,
// centre of mass), and the user's own formulas over the series. Every one is
// a formula over the same variables (NomsVariables), so that the ready ones
// and the user's are computed, propagated and fitted by one road.

#include "kinematics/UnitSeries.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// A quantity of the user's: a name (a table column), its unit and a formula.
struct TGrandeurPropre {
    std::string Nom;
    std::string Unite;
    std::string Formule;
    friend bool operator==(const TGrandeurPropre&, const TGrandeurPropre&) = default;
};

// What the user gives for these quantities; kept with the measurement.
struct TGrandeursMesure {
    static constexpr double GDefaut = 9.81; // m/s2
    static constexpr int PropresMax = 8;

    double g = GDefaut;
    std::array<double, 3> Masses{}; // kg for points 1..3, 0 when not set
    std::vector<TGrandeurPropre> Propres;

    friend bool operator==(const TGrandeursMesure&, const TGrandeursMesure&) = default;
};

// A quantity as the table and the graphs use it.
struct TGrandeurDefinie {
    std::string Nom;
    std::string Unite; // "J", "kg m/s", "m", "m/s"; as the user typed it for their own
    std::string Formule;
    int Point = 0;       // the moving point 1..3 it belongs to, 0 for the system or the user's
    bool Propre = false; // one of the user's
    friend bool operator==(const TGrandeurDefinie&, const TGrandeurDefinie&) = default;
};

// The variables a formula may use, in the order their values are handed to
// it: t, then x, y, vx, vy, v, ax, ay, a of points 1, 2, 3 ("x1" … "a3"),
// then m1, m2, m3 and g.
const std::vector<std::string>& NomsVariables();

// The ready quantities of these results: for each moving point with a mass,
// Ek Ep E px py p (only Ep without velocities); with two or three moving
// points that all have a mass, the centre of mass xT yT vxT vyT and the
// system's momentum pxS pyS (only xT yT without velocities).
std::vector<TGrandeurDefinie> GrandeursPretes(const TResultatsSeries& r, const TGrandeursMesure& g);

// The ready quantities, then the user's, in table order.
std::vector<TGrandeurDefinie> GrandeursDefinies(const TResultatsSeries& r, const TGrandeursMesure& g);
