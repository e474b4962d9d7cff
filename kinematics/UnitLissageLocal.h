#pragma once
// Local least-squares smoothing: at each sample, a polynomial of low degree
// fitted to the nearest samples in time (a sliding window, shifted inside the
// series at both ends) gives the value and the first two derivatives there.
// On equal steps this is the Savitzky-Golay filter; the fits use the actual
// times, so irregular steps need nothing special. This is the smoothing used
// when no single polynomial describes a whole series (several oscillations).

#include <span>
#include <vector>

struct TLissageLocal {
    int Fenetre = 0; // samples in each local fit
    int Degre = 0;   // degree of the local polynomials
    std::vector<double> Valeurs, Derivees1, Derivees2;
    // Root sum of the squared weights of each estimate: its standard
    // deviation for a unit noise on every sample.
    std::vector<double> Gains0, Gains1, Gains2;
    // The scatter of the data about the local fits (standard deviation),
    // corrected for the freedom the fits take; NaN when no sample is left over.
    double Bruit = 0.0;
    // Generalised cross-validation score of the fit, the criterion of the
    // window choice.
    double Score = 0.0;
};

// Fits of `degre` over windows of `fenetre` samples (at most the series).
// Times strictly increasing, at least degre + 1 samples.
TLissageLocal LisserLocalement(std::span<const double> t, std::span<const double> y, int fenetre, int degre);

// The window chosen from the data: the one with the best cross-validation
// score among windows from a few samples up to the whole series.
TLissageLocal LisserLocalement(std::span<const double> t, std::span<const double> y);

// The scatter of the data about the local fits of the window chosen as above
// (TLissageLocal::Bruit), without fitting every sample.
double BruitLocal(std::span<const double> t, std::span<const double> y);
