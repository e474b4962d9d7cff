#include "kinematics/UnitCorrelations.h"

#include "kinematics/UnitAjustementSeries.h"
#include "kinematics/UnitDiscret.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace {

bool DependDeX(TGrandeurAjustee g)
{
    return g != TGrandeurAjustee::Y && g != TGrandeurAjustee::VY && g != TGrandeurAjustee::AY;
}
bool DependDeY(TGrandeurAjustee g)
{
    return g != TGrandeurAjustee::X && g != TGrandeurAjustee::VX && g != TGrandeurAjustee::AX;
}

double Etendue(std::span<const double> v)
{
    const auto [a, b] = std::minmax_element(v.begin(), v.end());
    return *b - *a;
}

} // namespace

std::vector<double> SerieGrandeur(TGrandeurAjustee g, std::span<const double> t, std::span<const double> x,
                                  std::span<const double> y, bool lisser)
{
    using G = TGrandeurAjustee;
    if (g == G::X) return {x.begin(), x.end()};
    if (g == G::Y) return {y.begin(), y.end()};
    const int N = int(t.size());
    const bool seconde = g == G::AX || g == G::AY || g == G::A;
    TDiscret dx, dy;
    if (DependDeX(g)) dx.Calculer(t, x, N, lisser);
    if (DependDeY(g)) dy.Calculer(t, y, N, lisser);
    std::vector<double> s(static_cast<std::size_t>(N));
    for (int i = 0; i < N; ++i) {
        const double vx = seconde ? dx.Derivee2(i) : dx.Derivee1(i);
        const double vy = seconde ? dy.Derivee2(i) : dy.Derivee1(i);
        s[std::size_t(i)] = (g == G::VX || g == G::AX) ? vx : (g == G::VY || g == G::AY) ? vy : std::hypot(vx, vy);
    }
    return s;
}

bool Reponses(TGrandeurAjustee g, std::span<const double> t, std::span<const double> x, std::span<const double> y,
              bool lisser, int debut, int fin, TReponses& reponses)
{
    const int N = int(t.size());
    const std::vector<double> base = SerieGrandeur(g, t, x, y, lisser);
    const bool exact = N <= TReponses::ExactJusqua;
    const int directions = exact ? N : 200;
    std::mt19937 alea(12345);
    std::normal_distribution<double> normale;
    reponses.Coordonnees.clear();
    for (int c = 0; c < 2; ++c) {
        if (!(c == 0 ? DependDeX(g) : DependDeY(g))) continue;
        const std::span<const double> v = c == 0 ? x : y;
        TDiscret d;
        d.Calculer(t, v, N, lisser);
        TReponses::Coordonnee co;
        co.Bruit = d.Bruit();
        if (!std::isfinite(co.Bruit)) return false;
        // The map is linear for the smoothing chosen on the data; a step far
        // below the noise keeps that choice.
        const double h = 1e-7 * std::max(Etendue(v), 1e-3);
        std::vector<double> deplace(v.begin(), v.end());
        std::vector<double> z(static_cast<std::size_t>(N));
        const double norme = exact ? 1.0 : 1.0 / std::sqrt(double(directions));
        for (int k = 0; k < directions; ++k) {
            for (int i = 0; i < N; ++i) {
                z[std::size_t(i)] = exact ? (i == k ? 1.0 : 0.0) : normale(alea) * norme;
                deplace[std::size_t(i)] = v[std::size_t(i)] + h * z[std::size_t(i)];
            }
            const std::vector<double> s =
                c == 0 ? SerieGrandeur(g, t, deplace, y, lisser) : SerieGrandeur(g, t, x, deplace, lisser);
            std::vector<double> r(static_cast<std::size_t>(fin - debut + 1));
            for (int i = debut; i <= fin; ++i)
                r[std::size_t(i - debut)] = (s[std::size_t(i)] - base[std::size_t(i)]) / h;
            co.R.push_back(std::move(r));
        }
        reponses.Coordonnees.push_back(std::move(co));
    }
    return true;
}
