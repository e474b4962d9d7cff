#include "kinematics/UnitPlan.h"

#include "kinematics/UnitMatrice.h"

#include <cmath>
#include <vector>

namespace {

double Produit(PointD o, PointD a, PointD b)
{
    return (a.X - o.X) * (b.Y - o.Y) - (a.Y - o.Y) * (b.X - o.X);
}

double Distance(PointD a, PointD b)
{
    return std::hypot(a.X - b.X, a.Y - b.Y);
}

// Two clicks closer than this (a hundredth of a pixel of a 10000-pixel
// picture) are the same corner.
constexpr double Confondus = 1e-6;
// Three corners whose triangle is this flat (sine of its angle) are on one
// line: the plane would be seen edge-on.
constexpr double Alignes = 1e-3;

} // namespace

DefautPlan VerifierPlan(const TPlan& plan)
{
    const auto dimension = [](double d) { return std::isfinite(d) && d > 0.0; };
    if (!dimension(plan.Largeur) || !dimension(plan.Hauteur)) return DefautPlan::Dimensions;
    const auto& c = plan.Coins;
    for (const PointD& p : c)
        if (!std::isfinite(p.X) || !std::isfinite(p.Y)) return DefautPlan::CoinRepete;
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            if (Distance(c[i], c[j]) < Confondus) return DefautPlan::CoinRepete;
    // Every three corners, at each corner i the triangle (i, i+1, i+2).
    double signe = 0.0;
    for (int i = 0; i < 4; ++i) {
        const PointD a = c[i], b = c[(i + 1) % 4], d = c[(i + 2) % 4];
        const double p = Produit(a, b, d);
        if (std::fabs(p) < Alignes * Distance(a, b) * Distance(a, d)) return DefautPlan::TroisAlignes;
        // Turning the same way at every corner: a convex quadrilateral,
        // the only picture a rectangle in front of the camera can give.
        if (signe * p < 0.0) return DefautPlan::Croise;
        signe = p;
    }
    return DefautPlan::Aucun;
}

std::optional<THomographie> THomographie::DesPoints(const std::array<PointD, 4>& de, const std::array<PointD, 4>& vers)
{
    // Two equations a pair: a x + b y + c - g x u - h y u = u, and the same for v.
    std::vector<double> A(64, 0.0);
    std::array<double, 8> b{};
    for (int k = 0; k < 4; ++k) {
        const double x = de[k].X, y = de[k].Y, u = vers[k].X, v = vers[k].Y;
        double* lu = &A[std::size_t(2 * k) * 8];
        double* lv = &A[std::size_t(2 * k + 1) * 8];
        lu[0] = x, lu[1] = y, lu[2] = 1.0, lu[6] = -x * u, lu[7] = -y * u;
        lv[3] = x, lv[4] = y, lv[5] = 1.0, lv[6] = -x * v, lv[7] = -y * v;
        b[std::size_t(2 * k)] = u;
        b[std::size_t(2 * k + 1)] = v;
    }
    if (!InverserMatrice(A, 8)) return std::nullopt;
    THomographie r;
    for (int i = 0; i < 8; ++i) {
        double s = 0.0;
        for (int j = 0; j < 8; ++j) s += A[std::size_t(i) * 8 + j] * b[std::size_t(j)];
        r.h_[std::size_t(i)] = s;
    }
    r.h_[8] = 1.0;
    for (double v : r.h_)
        if (!std::isfinite(v)) return std::nullopt;
    return r;
}

double THomographie::Denominateur(PointD p) const
{
    return h_[6] * p.X + h_[7] * p.Y + h_[8];
}

PointD THomographie::Appliquer(PointD p) const
{
    const double w = Denominateur(p);
    return {(h_[0] * p.X + h_[1] * p.Y + h_[2]) / w, (h_[3] * p.X + h_[4] * p.Y + h_[5]) / w};
}

std::optional<THomographie> THomographie::Inverse() const
{
    std::vector<double> m(h_.begin(), h_.end());
    if (!InverserMatrice(m, 3) || EstNul(m[8])) return std::nullopt;
    THomographie r;
    for (std::size_t i = 0; i < 9; ++i) r.h_[i] = m[i] / m[8];
    return r;
}

std::optional<THomographie> HomographiePlan(const TPlan& plan)
{
    if (VerifierPlan(plan) != DefautPlan::Aucun) return std::nullopt;
    const double l = plan.Largeur, h = plan.Hauteur;
    return THomographie::DesPoints(plan.Coins, {PointD{0, 0}, PointD{l, 0}, PointD{l, h}, PointD{0, h}});
}
