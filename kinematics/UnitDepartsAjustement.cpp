#include "kinematics/UnitDepartsAjustement.h"

#include "kinematics/UnitMatrice.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <numeric>

namespace {

using Base = std::function<void(double t, std::span<double> colonnes)>;

struct TLineaire {
    std::vector<double> c;
    double residus = std::numeric_limits<double>::infinity();
};

// Least squares of y on m basis functions, through the normal equations:
// enough for starting values.
TLineaire MoindresCarres(std::span<const double> t, std::span<const double> y, int m, const Base& base)
{
    std::vector<double> N(std::size_t(m * m), 0.0), B(std::size_t(m), 0.0), phi(static_cast<std::size_t>(m));
    for (std::size_t i = 0; i < t.size(); ++i) {
        base(t[i], phi);
        for (int r = 0; r < m; ++r) {
            B[r] += phi[r] * y[i];
            for (int c = 0; c < m; ++c) N[std::size_t(r * m + c)] += phi[r] * phi[c];
        }
    }
    TLineaire l;
    if (!InverserMatrice(N, m)) return l;
    l.c.assign(std::size_t(m), 0.0);
    for (int r = 0; r < m; ++r)
        for (int c = 0; c < m; ++c) l.c[r] += N[std::size_t(r * m + c)] * B[c];
    l.residus = 0.0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        base(t[i], phi);
        double f = 0.0;
        for (int r = 0; r < m; ++r) f += l.c[r] * phi[r];
        l.residus += (y[i] - f) * (y[i] - f);
    }
    if (!std::isfinite(l.residus)) l.residus = std::numeric_limits<double>::infinity();
    return l;
}

double Moyenne(std::span<const double> y)
{
    return std::accumulate(y.begin(), y.end(), 0.0) / double(y.size());
}

// Angular frequency from the crossings of the mean, with a hysteresis of a
// fifth of the spread so that noise near the mean counts once. 0 when fewer
// than three crossings.
double OmegaPassages(std::span<const double> t, std::span<const double> y)
{
    const double m = Moyenne(y);
    double ecart = 0.0;
    for (double v : y) ecart += (v - m) * (v - m);
    const double seuil = 0.2 * std::sqrt(ecart / double(y.size()));
    int signe = 0;
    std::vector<double> passages;
    for (std::size_t i = 0; i < y.size(); ++i) {
        const double v = y[i] - m;
        const int s = v > seuil ? 1 : v < -seuil ? -1 : 0;
        if (s == 0) continue;
        if (signe != 0 && s != signe) {
            // The last sample on the other side and this one frame the crossing.
            std::size_t j = i;
            while (j > 0 && (y[j - 1] - m) * s > 0) --j;
            const double a = y[j - 1] - m, b = y[j] - m;
            passages.push_back(t[j - 1] + (t[j] - t[j - 1]) * (a / (a - b)));
        }
        signe = s;
    }
    if (passages.size() < 3) return 0.0;
    return std::numbers::pi * double(passages.size() - 1) / (passages.back() - passages.front());
}

// Residual of the best sinusoid of angular frequency w damped by `amorti`
// with a constant, and its coefficients (sine, cosine, constant).
TLineaire Oscillation(std::span<const double> t, std::span<const double> y, double w, double amorti)
{
    const double t0 = t.front();
    return MoindresCarres(t, y, 3, [w, amorti, t0](double x, std::span<double> c) {
        const double e = std::exp(-amorti * (x - t0));
        c[0] = e * std::sin(w * x);
        c[1] = e * std::cos(w * x);
        c[2] = 1.0;
    });
}

// The angular frequency whose sinusoid fits best: the crossings' estimate
// and its neighbours, or, without one, a scan from half a cycle over the
// series to the sampling limit.
double MeilleurOmega(std::span<const double> t, std::span<const double> y)
{
    const double duree = t.back() - t.front();
    const double pasMoyen = duree / double(t.size() - 1);
    std::vector<double> candidats;
    const double w0 = OmegaPassages(t, y);
    if (w0 > 0.0) {
        for (double f : {0.9, 0.95, 1.0, 1.05, 1.1}) candidats.push_back(w0 * f);
    } else {
        const double wMin = std::numbers::pi / duree, wMax = std::numbers::pi / pasMoyen;
        for (int k = 0; k <= 60; ++k) candidats.push_back(wMin * std::pow(wMax / wMin, k / 60.0));
    }
    double meilleur = candidats.front(), residus = std::numeric_limits<double>::infinity();
    for (double w : candidats)
        if (const TLineaire l = Oscillation(t, y, w, 0.0); l.residus < residus) {
            residus = l.residus;
            meilleur = w;
        }
    return meilleur;
}

std::vector<double> DepartsSinus(std::span<const double> t, std::span<const double> y)
{
    const double w = MeilleurOmega(t, y);
    const TLineaire l = Oscillation(t, y, w, 0.0);
    if (l.c.empty()) return {0.0, w, 0.0, Moyenne(y)};
    // A sin(wt) + B cos(wt) = R sin(wt + phi)
    return {std::hypot(l.c[0], l.c[1]), w, std::atan2(l.c[1], l.c[0]), l.c[2]};
}

std::vector<double> DepartsSinusAmorti(std::span<const double> t, std::span<const double> y)
{
    const double w = MeilleurOmega(t, y);
    const double duree = t.back() - t.front();
    // Damping rates from none to a tenth of the amplitude left after a tenth of the series.
    double amorti = 0.0, residus = std::numeric_limits<double>::infinity();
    for (int k = -1; k <= 24; ++k) {
        const double b = k < 0 ? 0.0 : 0.05 / duree * std::pow(2.0, k / 2.0);
        if (const TLineaire l = Oscillation(t, y, w, b); l.residus < residus) {
            residus = l.residus;
            amorti = b;
        }
    }
    const TLineaire l = Oscillation(t, y, w, amorti);
    if (l.c.empty()) return {0.0, amorti, w, 0.0, Moyenne(y)};
    // The amplitude was measured from t0: carry it back to t = 0.
    const double a = std::hypot(l.c[0], l.c[1]) * std::exp(amorti * t.front());
    return {a, amorti, w, std::atan2(l.c[1], l.c[0]), l.c[2]};
}

// a e^(bt) + c from the means of the three thirds of the series: on equal
// steps their differences are in the ratio e^(b T/3).
std::vector<double> DepartsExp(std::span<const double> t, std::span<const double> y)
{
    const std::size_t n = y.size(), k = std::max<std::size_t>(1, n / 3);
    const auto moyenne = [&](std::size_t debut, std::span<const double> v) { return Moyenne(v.subspan(debut, k)); };
    const double y1 = moyenne(0, y), y2 = moyenne((n - k) / 2, y), y3 = moyenne(n - k, y);
    const double t1 = moyenne(0, t), t3 = moyenne(n - k, t);
    const double rapport = (y3 - y2) / (y2 - y1);
    double b = rapport > 0.0 && std::isfinite(rapport) ? std::log(rapport) / ((t3 - t1) / 2.0) : 0.0;
    if (!std::isfinite(b) || b == 0.0) b = 1.0 / (t.back() - t.front());
    // With b fixed, a and c are a straight line in e^(bt).
    const TLineaire l = MoindresCarres(t, y, 2, [b](double x, std::span<double> c) {
        c[0] = std::exp(b * x);
        c[1] = 1.0;
    });
    if (l.c.empty()) return {y3 - y1, b, y1};
    return {l.c[0], b, l.c[1]};
}

} // namespace

std::vector<double> Departs(TModele m, std::span<const double> t, std::span<const double> y)
{
    switch (m) {
    case TModele::Exp: return DepartsExp(t, y);
    case TModele::Sinus: return DepartsSinus(t, y);
    case TModele::SinusAmorti: return DepartsSinusAmorti(t, y);
    default: return {};
    }
}
