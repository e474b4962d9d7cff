#include "kinematics/UnitMoinCar.h"

#include "core/UnitMath.h"

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
    return Resoudre();
}

CodeResultat TMoinCar::Resoudre()
{
    const int n = degre_;
    const int taille = n + 2; // rows and columns 1..n+1

    // Power sums S[k] (k = 1..2n) and moments M[k] (k = 1..n). The running
    // product p is 1 multiplied k times by x, the same value as Puissance(k, x)
    // to the last bit, without recomputing every power from scratch.
    std::vector<double> S(std::size_t(2 * n) + 1, 0.0);
    std::vector<double> M(std::size_t(n) + 1, 0.0);
    double sommeY = 0.0;
    for (int i = 1; i <= nbValeurs_; ++i) {
        const double x = abscisses_[i];
        const double y = ordonnees_[i];
        sommeY += y;
        double p = 1.0;
        for (int k = 1; k <= 2 * n; ++k) {
            p *= x;
            S[k] += p;
            if (k <= n) M[k] += p * y;
        }
    }

    std::vector<double> A(std::size_t(taille) * taille, 0.0);
    auto a = [&](int r, int c) -> double& { return A[std::size_t(r) * taille + c]; };
    std::vector<double> B(std::size_t(taille), 0.0);
    for (int r = 1; r <= n + 1; ++r)
        for (int c = 1; c <= n + 1; ++c)
            a(r, c) = (r == 1 && c == 1) ? double(nbValeurs_) : S[r + c - 2];
    B[1] = sommeY;
    for (int r = 2; r <= n + 1; ++r) B[r] = M[r - 1];

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
    double s = 0.0;
    for (int i = 1; i <= degre_ + 1; ++i) s = s * x + coefficients_[degre_ - i + 2];
    return s;
}

double TMoinCar::EcartRelatif() const
{
    double ecart = 0.0;
    double carres = 0.0;
    for (int i = 1; i <= nbValeurs_; ++i) {
        const double d = Valeur(abscisses_[i]) - ordonnees_[i];
        ecart += d * d;
        carres += ordonnees_[i] * ordonnees_[i];
    }
    return EstNul(carres) ? 0.0 : ecart / carres;
}

double TMoinCar::Puissance(int k, double x)
{
    double p = 1.0;
    for (int i = 0; i < k; ++i) p *= x;
    return p;
}
