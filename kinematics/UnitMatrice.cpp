#include "kinematics/UnitMatrice.h"

#include <cmath>
#include <utility>

bool InverserMatrice(std::vector<double>& a, int n)
{
    const auto e = [&](int r, int c) -> double& { return a[std::size_t(r) * n + c]; };
    std::vector<double> inverse(std::size_t(n) * n, 0.0);
    const auto v = [&](int r, int c) -> double& { return inverse[std::size_t(r) * n + c]; };
    for (int i = 0; i < n; ++i) v(i, i) = 1.0;
    for (int q = 0; q < n; ++q) {
        int pivot = q;
        for (int r = q + 1; r < n; ++r)
            if (std::fabs(e(r, q)) > std::fabs(e(pivot, q))) pivot = r;
        if (!(std::fabs(e(pivot, q)) > 0.0)) return false;
        for (int c = 0; c < n; ++c) {
            std::swap(e(q, c), e(pivot, c));
            std::swap(v(q, c), v(pivot, c));
        }
        const double d = e(q, q);
        for (int c = 0; c < n; ++c) {
            e(q, c) /= d;
            v(q, c) /= d;
        }
        for (int r = 0; r < n; ++r) {
            if (r == q || e(r, q) == 0.0) continue;
            const double f = e(r, q);
            for (int c = 0; c < n; ++c) {
                e(r, c) -= f * e(q, c);
                v(r, c) -= f * v(q, c);
            }
        }
    }
    a = std::move(inverse);
    return true;
}

double FormeBilineaire(const std::vector<double>& x, const std::vector<double>& A, const std::vector<double>& y, int n)
{
    double s = 0.0;
    for (int r = 0; r < n; ++r) {
        double ligne = 0.0;
        for (int c = 0; c < n; ++c) ligne += A[std::size_t(r) * n + c] * y[std::size_t(c)];
        s += x[std::size_t(r)] * ligne;
    }
    return s;
}
