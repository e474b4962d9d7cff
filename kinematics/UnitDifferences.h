#pragma once
// Three-point differences of a sampled series: one-sided at both ends,
// central inside. On equally spaced times these are the familiar formulas;
// on irregular times (skipped frames, a variable frame rate) the weights of
// the same three samples follow the actual steps, so the rule stays exact for
// polynomials up to degree 2.

#include <array>
#include <span>
#include <vector>

// D(F) over the times t; needs at least 3 samples.
std::vector<double> Differences(std::span<const double> t, std::span<const double> F);

// The same rule as weights: D[i] = sum_k Poids[k] * F[Debut + k].
struct TPoidsDifference {
    int Debut = 0;
    std::array<double, 3> Poids{};
};
std::vector<TPoidsDifference> PoidsDifferences(std::span<const double> t);

// Whether two steps count as equal: the formulas of equal steps then apply
// as they stand.
bool PasEgaux(double h1, double h2);
