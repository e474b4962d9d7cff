// How honest the fits' uncertainties are: over 150 synthetic throws (20
// frames at 25 fps, 400 px a metre, clicks on the marks and on the scale's
// ends uniform within half a pixel) the share whose true g lies within 1 and
// 2 stated uncertainties, for a parabola through y and a line through vy;
// over 150 damped swings (4 s at 30 fps) the same for the period of a damped
// sine through x. A Gaussian gives 68 % and 95 %. The counters are the
// figures; the time is that of the fits.

#include "kinematics/UnitAjustementSeries.h"
#include "kinematics/UnitIncertitudeEchelle.h"
#include "tools/MesuresSynthetiques.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <random>

namespace {

constexpr double G = 9.81;

struct TCompte {
    int Dans1 = 0, Dans2 = 0, N = 0;
    void Ajouter(double ecart, double u)
    {
        Dans1 += std::abs(ecart) <= u;
        Dans2 += std::abs(ecart) <= 2 * u;
        ++N;
    }
    double Part1() const { return N ? 100.0 * Dans1 / N : 0.0; }
    double Part2() const { return N ? 100.0 * Dans2 / N : 0.0; }
};

TResultatAjustement Fit(const TEntreesSeries& e, TModele m, TGrandeurAjustee g)
{
    TPasDeTemps pas;
    TSeries series(pas);
    series.CalculerResultats(e, true, true);
    TDemandeAjustement d;
    d.Modele = m;
    d.Grandeur = g;
    d.EchelleRelative = IncertitudeRelativeEchelle(e, 0.0);
    return Ajuster(series.Resultats(), d);
}

void CouvertureLancers(benchmark::State& state)
{
    TCompte parabole, droite;
    for (auto _ : state) {
        parabole = droite = {};
        std::mt19937 alea(2024);
        std::uniform_real_distribution<double> vitesse(1.0, 3.5), horizontale(-1.5, 1.5);
        for (int k = 0; k < 150; ++k) {
            const double vy = vitesse(alea), vx = horizontale(alea);
            TMouvementSynthetique m;
            m.Position = [=](double t) { return PointD{vx * t - 0.3, vy * t - G * t * t / 2}; };
            const TEntreesSeries e = MesureSynthetique(m, std::uint32_t(k));
            const TResultatAjustement p = Fit(e, TModele::Parabole, TGrandeurAjustee::Y);
            const TResultatAjustement l = Fit(e, TModele::Droite, TGrandeurAjustee::VY);
            if (p.Reussi()) parabole.Ajouter(p.ValeurDerivee.Valeur + G, p.ValeurDerivee.Incertitude);
            if (l.Reussi()) droite.Ajouter(l.ValeurDerivee.Valeur + G, l.ValeurDerivee.Incertitude);
        }
    }
    state.counters["parabola_y_1u"] = parabole.Part1();
    state.counters["parabola_y_2u"] = parabole.Part2();
    state.counters["line_vy_1u"] = droite.Part1();
    state.counters["line_vy_2u"] = droite.Part2();
    state.counters["fits"] = parabole.N + droite.N;
}
BENCHMARK(CouvertureLancers)->Unit(benchmark::kMillisecond)->Iterations(1);

void CouvertureOscillations(benchmark::State& state)
{
    TCompte periode;
    for (auto _ : state) {
        periode = {};
        std::mt19937 alea(77);
        std::uniform_real_distribution<double> T(0.6, 2.0), amorti(0.05, 0.6), phase(-3.1, 3.1), amplitude(0.1, 0.3);
        for (int k = 0; k < 150; ++k) {
            const double t0 = T(alea), b = amorti(alea), ph = phase(alea), A = amplitude(alea);
            TMouvementSynthetique m;
            m.Images = 120;
            m.Fps = 30;
            m.Position = [=](double t) {
                return PointD{A * std::exp(-b * t) * std::sin(2 * std::numbers::pi / t0 * t + ph), -0.2};
            };
            const TResultatAjustement a =
                Fit(MesureSynthetique(m, std::uint32_t(500 + k)), TModele::SinusAmorti, TGrandeurAjustee::X);
            if (a.Reussi()) periode.Ajouter(a.ValeurDerivee.Valeur - t0, a.ValeurDerivee.Incertitude);
        }
    }
    state.counters["period_x_1u"] = periode.Part1();
    state.counters["period_x_2u"] = periode.Part2();
    state.counters["fits"] = periode.N;
}
BENCHMARK(CouvertureOscillations)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
