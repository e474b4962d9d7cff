#pragma once
// Least-squares polynomial fit y = c0 + c1 x + ... + cn x^n, solved through the
// normal equations by Gaussian elimination without row exchanges.

#include "kinematics/UnitCodeResultat.h"

#include <span>
#include <vector>

class TMoinCar {
public:
    // Fits the first N samples of X and Y (0-based, at least N elements each)
    // with a polynomial of degree `degre`. CodeSucces or CodePivotNul.
    // A degree of N or more makes the system singular: callers never ask for it.
    CodeResultat Ajuster(std::span<const double> X, std::span<const double> Y, int N, int degre);

    // Builds and solves the normal equations of the stored samples.
    // After CodePivotNul the coefficients must not be used.
    CodeResultat Resoudre();

    // The fitted polynomial at x (Horner's rule).
    double Valeur(double x) const;

    // Relative squared residual: sum (Valeur(x) - y)^2 / sum y^2, 0 when every y is 0.
    double EcartRelatif() const;

    // x^k for k >= 0 as 1 multiplied k times by x (so x^0 = 1, also for x = 0).
    static double Puissance(int k, double x);

    int Degre() const { return degre_; }
    // Coefficients()[k + 1] multiplies x^k; element 0 is unused.
    const std::vector<double>& Coefficients() const { return coefficients_; }

private:
    int degre_ = 0;
    int nbValeurs_ = 0;
    // 1-based: element 0 of each array is unused.
    std::vector<double> coefficients_ = std::vector<double>(2, 0.0); // degree 0, value 0 before any fit
    std::vector<double> abscisses_;
    std::vector<double> ordonnees_;
};
