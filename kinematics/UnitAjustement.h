#pragma once
// Weighted least squares of samples (t, y) with a model: polynomials through
// GSL's linear fit, the other models through GSL's nonlinear trust-region
// solver. Gives the parameters and the linear map from the samples to them
// (the sensitivity), from which the callers build the covariance that suits
// their samples: scaled by the residuals for independent samples, propagated
// through the map for correlated ones.

#include "kinematics/UnitModeleAjustement.h"

#include <span>
#include <vector>

enum class TEchecAjustement {
    Aucun,
    TropPeu,        // fewer samples than parameters (or than one more, to leave a residual)
    Constante,      // the samples do not vary: nothing to fit
    NonFini,        // the model is not finite at a sample, at the start or at the end
    NonConvergence, // the solver did not converge, or diverged
    Indetermine,    // the samples do not determine every parameter
};

struct TSolutionAjustement {
    TEchecAjustement Echec = TEchecAjustement::Aucun;
    std::vector<double> Parametres;
    // p x n, row-major: dParametres = Sensibilite * dy at the solution.
    std::vector<double> Sensibilite;
    // (J^T W J)^-1, p x p: the covariance for samples of variance 1 / poids.
    std::vector<double> Inverse;
    double Chi2 = 0.0; // sum poids r^2
    int Liberte = 0;   // n - p
};

// `poids` one per sample, positive; `departs` for the nonlinear models (one
// per parameter).
TSolutionAjustement Resoudre(const TFonctionModele& modele, std::span<const double> t, std::span<const double> y,
                             std::span<const double> poids, std::span<const double> departs);
