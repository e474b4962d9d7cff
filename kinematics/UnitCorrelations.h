#pragma once
// How the noise of the positions reaches a velocity or acceleration series:
// each value is a function of every position of its coordinate (through the
// differences and the smoothing fits), so neighbouring values share noise.
// The responses of the series to small changes of the positions give that
// map; with a position scatter s, the covariance of the series is
// s^2 sum_k R_k R_k^T over the responses R_k.

#include "kinematics/UnitSeries.h"

#include <span>
#include <vector>

enum class TGrandeurAjustee;

// The series of quantity g of a point computed from its positions exactly as
// the results do.
std::vector<double> SerieGrandeur(TGrandeurAjustee g, std::span<const double> t, std::span<const double> x,
                                  std::span<const double> y, bool lisser);

struct TReponses {
    // Per coordinate moved (x, then y): the scatter of its positions and the
    // responses of the samples debut..fin, one vector per direction. With up
    // to `ExactJusqua` samples the directions are the positions one by one
    // and the sum is exact; beyond, random directions estimate it.
    struct Coordonnee {
        double Bruit = 0.0;
        std::vector<std::vector<double>> R;
    };
    std::vector<Coordonnee> Coordonnees;
    static constexpr int ExactJusqua = 300;
};

// False when the scatter of a coordinate the quantity depends on cannot be
// estimated.
bool Reponses(TGrandeurAjustee g, std::span<const double> t, std::span<const double> x, std::span<const double> y,
              bool lisser, int debut, int fin, TReponses& reponses);
