#pragma once
// First and second time derivatives of one sampled coordinate, taken by
// three-point differences either on the measured values or, with smoothing,
// on least-squares polynomials whose degree is chosen here.

#include "kinematics/UnitCodeResultat.h"

#include <span>
#include <vector>

class TDiscret {
public:
    // A fit is accepted once its relative residual is below this threshold...
    static constexpr double SeuilEcart = 5e-4;
    // ...or once it reaches this degree.
    static constexpr int DegreMax = 10;

    // Temps strictly increasing and equally spaced, both arrays with at least N
    // elements. CodeSucces, CodePivotNul when a fit failed, CodeTropPeuDeMesures
    // when N < 3 (the derivatives then stay 0).
    CodeResultat Calculer(std::span<const double> Temps, std::span<const double> Valeurs, int N, bool Lisser);

    // The derivatives at sample i; 0 outside 0..N-1.
    double Derivee1(int i) const;
    double Derivee2(int i) const;

private:
    int nbValeurs_ = 0;
    std::vector<double> derivees1_;
    std::vector<double> derivees2_;
};
