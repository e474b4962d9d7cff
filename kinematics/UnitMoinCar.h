#pragma once
// Least-squares polynomial fit y = c0 + c1 x + ... + cn x^n, solved through the
// normal equations by Gaussian elimination without row exchanges. The
// equations are built on centred and scaled abscissas u = (x - centre) / scale,
// with u in [-1, 1] over the samples: the same polynomial, but a system that
// stays well conditioned up to degree 10 whatever the time unit or origin.

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

    // The fitted polynomial at x (Horner's rule on the reduced abscissa).
    double Valeur(double x) const;

    // Relative squared residual: sum (Valeur(x) - y)^2 / sum (y - mean y)^2.
    // Measured against the spread of the data, it does not depend on where the
    // origin of y lies; 0 when y is constant (to rounding).
    double EcartRelatif() const;

    // Sum of the squared residuals.
    double SommeCarresEcarts() const;

    // x^k for k >= 0 as 1 multiplied k times by x (so x^0 = 1, also for x = 0).
    static double Puissance(int k, double x);

    int Degre() const { return degre_; }
    int NbValeurs() const { return nbValeurs_; }
    // Coefficients()[k + 1] multiplies x^k; element 0 is unused. Expanded from
    // the reduced form, for reading only: Valeur does not use them.
    std::vector<double> Coefficients() const;

    // The reduced abscissa u of x.
    double Reduite(double x) const { return (x - centre_) / echelle_; }
    // The normal matrix of the reduced powers, (Degre + 1)^2, row-major,
    // 0-based: element (r, c) is sum u^(r + c). Its inverse is the covariance
    // of the reduced coefficients for a unit noise on y.
    const std::vector<double>& MatriceNormale() const { return normale_; }

private:
    int degre_ = 0;
    int nbValeurs_ = 0;
    double centre_ = 0.0;
    double echelle_ = 1.0;
    // 1-based: element 0 of each array is unused. The coefficients are those
    // of the reduced abscissa u.
    std::vector<double> coefficients_ = std::vector<double>(2, 0.0); // degree 0, value 0 before any fit
    std::vector<double> abscisses_;
    std::vector<double> ordonnees_;
    std::vector<double> normale_;
};
