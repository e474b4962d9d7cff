#include "kinematics/UnitPropagation.h"

#include "kinematics/UnitDifferences.h"
#include "kinematics/UnitMatrice.h"

#include <algorithm>
#include <cmath>

namespace {

using Colonnes = std::vector<std::vector<double>>; // [column][sample]

// The reduced powers u^k of the fit's abscissa at every time, as columns.
Colonnes Puissances(std::span<const double> t, const TMoinCar& ajustement)
{
    Colonnes phi(std::size_t(ajustement.Degre()) + 1, std::vector<double>(t.size()));
    for (std::size_t i = 0; i < t.size(); ++i) {
        const double u = ajustement.Reduite(t[i]);
        double p = 1.0;
        for (auto& colonne : phi) {
            colonne[i] = p;
            p *= u;
        }
    }
    return phi;
}

Colonnes DifferencesColonnes(std::span<const double> t, const Colonnes& c)
{
    Colonnes d;
    for (const auto& colonne : c) d.push_back(Differences(t, colonne));
    return d;
}

std::vector<double> Covariance(const TMoinCar& ajustement)
{
    std::vector<double> g = ajustement.MatriceNormale();
    if (!InverserMatrice(g, ajustement.Degre() + 1)) g.assign(g.size(), std::nan(""));
    return g;
}

std::vector<double> Ligne(const Colonnes& c, std::size_t i)
{
    std::vector<double> l;
    for (const auto& colonne : c) l.push_back(colonne[i]);
    return l;
}

// sqrt(a_i G a_i^T) for every row a_i of the columns A.
std::vector<double> GainsLignes(const Colonnes& A, const std::vector<double>& G)
{
    const int m = int(A.size());
    std::vector<double> gains(A.front().size());
    for (std::size_t i = 0; i < gains.size(); ++i) {
        const std::vector<double> a = Ligne(A, i);
        gains[i] = std::sqrt(std::max(0.0, FormeBilineaire(a, G, a, m)));
    }
    return gains;
}

} // namespace

std::vector<double> GainsDifferences1(std::span<const double> t)
{
    std::vector<double> gains;
    for (const TPoidsDifference& d : PoidsDifferences(t))
        gains.push_back(std::hypot(d.Poids[0], d.Poids[1], d.Poids[2]));
    return gains;
}

std::vector<double> GainsDifferences2(std::span<const double> t)
{
    // Row i of D D: the rows of D at its three samples, weighted; five samples at most.
    const std::vector<TPoidsDifference> D = PoidsDifferences(t);
    std::vector<double> gains;
    for (const TPoidsDifference& di : D) {
        const int base = std::max(0, di.Debut - 2);
        double w[7] = {};
        for (int a = 0; a < 3; ++a) {
            const TPoidsDifference& dk = D[std::size_t(di.Debut + a)];
            for (int b = 0; b < 3; ++b) w[dk.Debut + b - base] += di.Poids[std::size_t(a)] * dk.Poids[std::size_t(b)];
        }
        double s = 0.0;
        for (double x : w) s += x * x;
        gains.push_back(std::sqrt(s));
    }
    return gains;
}

std::vector<double> GainsPolynome1(std::span<const double> t, const TMoinCar& ajustement)
{
    // D P = (D Phi) G Phi^T y, whose covariance is (D Phi) G (D Phi)^T.
    return GainsLignes(DifferencesColonnes(t, Puissances(t, ajustement)), Covariance(ajustement));
}

std::vector<double> GainsPolynome2(std::span<const double> t, const TMoinCar& ajustement,
                                   const TMoinCar& ajustementDerivee)
{
    // D Q = A2 G2 K G1 Phi1^T y with A = D Phi and K = Phi2^T A1: its
    // covariance is A2 M A2^T, M = G2 K G1 K^T G2.
    const Colonnes A1 = DifferencesColonnes(t, Puissances(t, ajustement));
    const Colonnes phi2 = Puissances(t, ajustementDerivee);
    const Colonnes A2 = DifferencesColonnes(t, phi2);
    const std::vector<double> G1 = Covariance(ajustement), G2 = Covariance(ajustementDerivee);
    const int m1 = int(A1.size()), m2 = int(phi2.size());
    std::vector<double> K(std::size_t(m2) * m1, 0.0);
    for (int r = 0; r < m2; ++r)
        for (int c = 0; c < m1; ++c)
            for (std::size_t i = 0; i < t.size(); ++i) K[std::size_t(r) * m1 + c] += phi2[r][i] * A1[c][i];
    const auto produit = [](const std::vector<double>& a, const std::vector<double>& b, int n, int k, int m) {
        std::vector<double> p(std::size_t(n) * m, 0.0); // (n x k) (k x m)
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < m; ++c)
                for (int l = 0; l < k; ++l)
                    p[std::size_t(r) * m + c] += a[std::size_t(r) * k + l] * b[std::size_t(l) * m + c];
        return p;
    };
    std::vector<double> Kt(std::size_t(m1) * m2);
    for (int r = 0; r < m2; ++r)
        for (int c = 0; c < m1; ++c) Kt[std::size_t(c) * m2 + r] = K[std::size_t(r) * m1 + c];
    const std::vector<double> G2K = produit(G2, K, m2, m2, m1);
    const std::vector<double> milieu = produit(produit(G2K, G1, m2, m1, m1), Kt, m2, m1, m2);
    return GainsLignes(A2, produit(milieu, G2, m2, m2, m2));
}
