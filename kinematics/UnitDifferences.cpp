#include "kinematics/UnitDifferences.h"

#include <algorithm>
#include <cmath>

namespace {

// Weights of the derivative at t[j + m] (m = 0, 1, 2) from the samples j, j+1,
// j+2 with steps h1 = t[j+1] - t[j] and h2 = t[j+2] - t[j+1]: the derivative
// of the parabola through the three samples.
std::array<double, 3> Poids(double h1, double h2, int m)
{
    const double s = h1 + h2;
    switch (m) {
    case 0: return {-(2 * h1 + h2) / (h1 * s), s / (h1 * h2), -h1 / (h2 * s)};
    case 1: return {-h2 / (h1 * s), (h2 - h1) / (h1 * h2), h1 / (h2 * s)};
    default: return {h2 / (h1 * s), -s / (h1 * h2), (h1 + 2 * h2) / (h2 * s)};
    }
}

double Appliquer(const std::array<double, 3>& w, std::span<const double> F, std::size_t j)
{
    return w[0] * F[j] + w[1] * F[j + 1] + w[2] * F[j + 2];
}

} // namespace

bool PasEgaux(double h1, double h2)
{
    return std::fabs(h1 - h2) <= 1e-9 * std::max(std::fabs(h1), std::fabs(h2));
}

std::vector<double> Differences(std::span<const double> t, std::span<const double> F)
{
    // Equal steps use the formulas as written, so that regular series give
    // the same numbers to the last bit.
    const std::size_t N = F.size();
    std::vector<double> D(N, 0.0);
    const double h1 = t[1] - t[0], h2 = t[2] - t[1];
    D[0] = PasEgaux(h1, h2) ? (-3 * F[0] + 4 * F[1] - F[2]) / (2 * (t[1] - t[0])) : Appliquer(Poids(h1, h2, 0), F, 0);
    const double g1 = t[N - 2] - t[N - 3], g2 = t[N - 1] - t[N - 2];
    D[N - 1] = PasEgaux(g1, g2) ? (3 * F[N - 1] - 4 * F[N - 2] + F[N - 3]) / (2 * (t[N - 1] - t[N - 2]))
                                : Appliquer(Poids(g1, g2, 2), F, N - 3);
    for (std::size_t i = 1; i + 1 < N; ++i) {
        const double a = t[i] - t[i - 1], b = t[i + 1] - t[i];
        D[i] = PasEgaux(a, b) ? (F[i + 1] - F[i - 1]) / (t[i + 1] - t[i - 1]) : Appliquer(Poids(a, b, 1), F, i - 1);
    }
    return D;
}

std::vector<TPoidsDifference> PoidsDifferences(std::span<const double> t)
{
    const std::size_t N = t.size();
    std::vector<TPoidsDifference> w(N);
    w[0] = {0, Poids(t[1] - t[0], t[2] - t[1], 0)};
    w[N - 1] = {int(N) - 3, Poids(t[N - 2] - t[N - 3], t[N - 1] - t[N - 2], 2)};
    for (std::size_t i = 1; i + 1 < N; ++i) w[i] = {int(i) - 1, Poids(t[i] - t[i - 1], t[i + 1] - t[i], 1)};
    return w;
}
