#include "kinematics/UnitMoinCar.h"

#include "core/UnitMath.h"

#include <algorithm>
#include <cmath>

namespace {

// A spread this small against the values themselves is rounding, not data.
constexpr double EtendueArrondi = 1e-20;

} // namespace

CodeResultat TMoinCar::Ajuster(std::span<const double> X, std::span<const double> Y, int N, int degre)
{
    degre_ = degre;
    coefficients_.assign(std::size_t(degre) + 2, 0.0);
    nbValeurs_ = N;
    abscisses_.assign(std::size_t(N) + 1, 0.0);
    ordonnees_.assign(std::size_t(N) + 1, 0.0);
    for (int i = 1; i <= N; ++i) {
        abscisses_[i] = X[i - 1];
        ordonnees_[i] = Y[i - 1];
    }
    centre_ = 0.0;
    echelle_ = 1.0;
    if (N > 0) {
        const auto [mini, maxi] = std::minmax_element(abscisses_.begin() + 1, abscisses_.end());
        centre_ = (*mini + *maxi) / 2;
        // Equal abscissas keep the scale 1: the system then meets its zero pivot.
        if (*maxi > *mini) echelle_ = (*maxi - *mini) / 2;
    }
    return Resoudre();
}

CodeResultat TMoinCar::Resoudre()
{
    const int n = degre_;
    const int taille = n + 2; // rows and columns 1..n+1

    // Power sums S[k] (k = 1..2n) and moments M[k] (k = 1..n) of the reduced
    // abscissas, the power taken as a running product.
    std::vector<double> S(std::size_t(2 * n) + 1, 0.0);
    std::vector<double> M(std::size_t(n) + 1, 0.0);
    double sommeY = 0.0;
    for (int i = 1; i <= nbValeurs_; ++i) {
        const double u = Reduite(abscisses_[i]);
        const double y = ordonnees_[i];
        sommeY += y;
        double p = 1.0;
        for (int k = 1; k <= 2 * n; ++k) {
            p *= u;
            S[k] += p;
            if (k <= n) M[k] += p * y;
        }
    }

    std::vector<double> A(std::size_t(taille) * taille, 0.0);
    auto a = [&](int r, int c) -> double& { return A[std::size_t(r) * taille + c]; };
    std::vector<double> B(std::size_t(taille), 0.0);
    for (int r = 1; r <= n + 1; ++r)
        for (int c = 1; c <= n + 1; ++c) a(r, c) = (r == 1 && c == 1) ? double(nbValeurs_) : S[r + c - 2];
    B[1] = sommeY;
    for (int r = 2; r <= n + 1; ++r) B[r] = M[r - 1];
    normale_.assign(std::size_t(n + 1) * (n + 1), 0.0);
    for (int r = 1; r <= n + 1; ++r)
        for (int c = 1; c <= n + 1; ++c) normale_[std::size_t(r - 1) * (n + 1) + (c - 1)] = a(r, c);

    // Forward elimination; the entries below the diagonal are never read again.
    for (int q = 1; q <= n; ++q) {
        if (EstNul(a(q, q))) return CodePivotNul;
        for (int r = q + 1; r <= n + 1; ++r) {
            B[r] -= a(r, q) / a(q, q) * B[q];
            for (int c = q + 1; c <= n + 1; ++c) a(r, c) -= a(r, q) / a(q, q) * a(q, c);
        }
    }

    if (EstNul(a(n + 1, n + 1))) return CodePivotNul;
    coefficients_[n + 1] = B[n + 1] / a(n + 1, n + 1);
    for (int r = n; r >= 1; --r) {
        double s = 0.0;
        for (int c = r + 1; c <= n + 1; ++c) s += a(r, c) * coefficients_[c];
        if (EstNul(a(r, r))) return CodePivotNul;
        coefficients_[r] = (B[r] - s) / a(r, r);
    }
    return CodeSucces;
}

double TMoinCar::Valeur(double x) const
{
    const double u = Reduite(x);
    double s = 0.0;
    for (int i = 1; i <= degre_ + 1; ++i) s = s * u + coefficients_[degre_ - i + 2];
    return s;
}

double TMoinCar::SommeCarresEcarts() const
{
    double ecart = 0.0;
    for (int i = 1; i <= nbValeurs_; ++i) {
        const double d = Valeur(abscisses_[i]) - ordonnees_[i];
        ecart += d * d;
    }
    return ecart;
}

double TMoinCar::EcartRelatif() const
{
    if (nbValeurs_ <= 0) return 0.0;
    double somme = 0.0;
    double carres = 0.0;
    for (int i = 1; i <= nbValeurs_; ++i) {
        somme += ordonnees_[i];
        carres += ordonnees_[i] * ordonnees_[i];
    }
    const double moyenne = somme / nbValeurs_;
    double etendue = 0.0;
    for (int i = 1; i <= nbValeurs_; ++i) etendue += (ordonnees_[i] - moyenne) * (ordonnees_[i] - moyenne);
    if (EstNul(etendue) || etendue <= EtendueArrondi * carres) return 0.0;
    return SommeCarresEcarts() / etendue;
}

std::vector<double> TMoinCar::Coefficients() const
{
    // p(x) = sum_j b_j ((x - c) / s)^j, expanded with the binomial theorem.
    const int n = degre_;
    std::vector<double> c(std::size_t(n) + 2, 0.0);
    for (int j = 0; j <= n; ++j) {
        const double bj = coefficients_[j + 1] / std::pow(echelle_, j);
        double binome = 1.0; // C(j, k)
        for (int k = 0; k <= j; ++k) {
            c[k + 1] += bj * binome * Puissance(j - k, -centre_);
            binome = binome * (j - k) / (k + 1);
        }
    }
    return c;
}

double TMoinCar::Puissance(int k, double x)
{
    double p = 1.0;
    for (int i = 0; i < k; ++i) p *= x;
    return p;
}
