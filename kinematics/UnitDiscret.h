#pragma once
// First and second time derivatives of one sampled coordinate, with their
// standard uncertainties. Taken by three-point differences either on the
// measured values or, with smoothing, on least-squares polynomials whose
// degree is chosen here; when no polynomial of the allowed degrees describes
// the whole series, on local polynomials over a sliding window instead.

#include "kinematics/UnitCodeResultat.h"

#include <span>
#include <vector>

// Where a derivative came from.
enum class TMethodeLissage {
    Aucune,   // differences of the measured values
    Polynome, // differences of one polynomial fitted to the whole series
    Local,    // derivatives of local polynomials over a sliding window
};

class TDiscret {
public:
    // A fit is accepted once its relative residual is below this threshold...
    static constexpr double SeuilEcart = 5e-4;
    // ...and sought up to this degree; beyond it the local polynomials take over.
    static constexpr int DegreMax = 10;

    // Temps strictly increasing, both arrays with at least N elements.
    // CodeSucces, CodePivotNul when a polynomial fit failed, CodeTropPeuDeMesures
    // when N < 3 (the derivatives then stay 0).
    CodeResultat Calculer(std::span<const double> Temps, std::span<const double> Valeurs, int N, bool Lisser);

    // The derivatives at sample i; 0 outside 0..N-1.
    double Derivee1(int i) const;
    double Derivee2(int i) const;
    // Their standard uncertainties, propagated from the scatter of the values;
    // NaN where the scatter cannot be estimated, 0 outside 0..N-1.
    double Incertitude1(int i) const;
    double Incertitude2(int i) const;

    TMethodeLissage Methode1() const { return methode1_; }
    TMethodeLissage Methode2() const { return methode2_; }
    // Samples in each local fit, when a derivative came from local polynomials.
    int Fenetre() const { return fenetre_; }
    // Estimated scatter (standard deviation) of the values about the smooth motion.
    double Bruit() const { return bruit_; }

private:
    static double Lire(const std::vector<double>& v, int i);

    std::vector<double> derivees1_, derivees2_;
    std::vector<double> incertitudes1_, incertitudes2_;
    TMethodeLissage methode1_ = TMethodeLissage::Aucune;
    TMethodeLissage methode2_ = TMethodeLissage::Aucune;
    int fenetre_ = 0;
    double bruit_ = 0.0;
};
