#include "kinematics/UnitDiscret.h"

#include "kinematics/UnitMoinCar.h"

#include <algorithm>

namespace {

// The difference rule: one-sided three-point differences at both ends, central
// differences inside. Exact for polynomials up to degree 2 on equally spaced
// times. Needs at least 3 samples.
std::vector<double> Differences(std::span<const double> t, std::span<const double> F)
{
    const std::size_t N = F.size();
    std::vector<double> D(N, 0.0);
    D[0] = (-3 * F[0] + 4 * F[1] - F[2]) / (2 * (t[1] - t[0]));
    D[N - 1] = (3 * F[N - 1] - 4 * F[N - 2] + F[N - 3]) / (2 * (t[N - 1] - t[N - 2]));
    for (std::size_t i = 1; i + 1 < N; ++i) D[i] = (F[i + 1] - F[i - 1]) / (t[i + 1] - t[i - 1]);
    return D;
}

// Fits (t, F) with the lowest degree whose relative residual is below
// SeuilEcart, stopping at DegreMax. A fit of degree N - 1 interpolates the N
// samples, so with N <= 11 the search ends there before the system turns singular.
CodeResultat RechercherDegre(std::span<const double> t, std::span<const double> F, TMoinCar& moinCar)
{
    const int N = int(F.size());
    for (int q = 1;; ++q) {
        if (moinCar.Ajuster(t, F, N, q) != CodeSucces) return CodePivotNul;
        if (moinCar.EcartRelatif() < TDiscret::SeuilEcart || q == TDiscret::DegreMax) return CodeSucces;
    }
}

// The values of the best fit of (t, F) at the sample times.
CodeResultat Lisser(std::span<const double> t, std::span<const double> F, std::vector<double>& lisses)
{
    TMoinCar moinCar;
    if (RechercherDegre(t, F, moinCar) != CodeSucces) return CodePivotNul;
    lisses.resize(F.size());
    for (std::size_t i = 0; i < F.size(); ++i) lisses[i] = moinCar.Valeur(t[i]);
    return CodeSucces;
}

} // namespace

CodeResultat TDiscret::Calculer(std::span<const double> Temps, std::span<const double> Valeurs, int N, bool lisser)
{
    nbValeurs_ = std::max(N, 0);
    derivees1_.assign(std::size_t(nbValeurs_), 0.0);
    derivees2_.assign(std::size_t(nbValeurs_), 0.0);
    if (N < 3) return CodeTropPeuDeMesures;

    const auto t = Temps.first(std::size_t(N));
    const auto valeurs = Valeurs.first(std::size_t(N));
    if (!lisser) {
        derivees1_ = Differences(t, valeurs);
        derivees2_ = Differences(t, derivees1_);
        return CodeSucces;
    }

    std::vector<double> lisses;
    if (Lisser(t, valeurs, lisses) != CodeSucces) return CodePivotNul;
    derivees1_ = Differences(t, lisses);
    if (Lisser(t, derivees1_, lisses) != CodeSucces) return CodePivotNul;
    derivees2_ = Differences(t, lisses);
    return CodeSucces;
}

double TDiscret::Derivee1(int i) const
{
    return (i < 0 || i >= nbValeurs_) ? 0.0 : derivees1_[std::size_t(i)];
}

double TDiscret::Derivee2(int i) const
{
    return (i < 0 || i >= nbValeurs_) ? 0.0 : derivees2_[std::size_t(i)];
}
