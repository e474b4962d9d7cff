// CalculerResultats for three moving points, each marked on every frame of a
// long video (25 frames per second, 640 x 480, marks at whole pixels).

#include "kinematics/UnitSeries.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

TEntreesSeries Mesure(int marquesParPoint)
{
    TEntreesSeries m;
    m.MarquesParImage = 3;
    m.EtatEtalon = 2;
    m.LongueurEtalon = 1.0;
    m.AspectRatio = 640.0 / 480.0;
    m.FrameTime = 0.04;
    m.FichierVideo = "bench.avi";
    m.PointsEtalon = {PointD{0.9, 0.1}, PointD{0.9, 0.3}};
    m.Origine = PointD{0.5, 0.5};
    for (int j = 0; j < marquesParPoint; ++j) {
        for (int p = 0; p < 3; ++p) {
            // Slow swinging motions that stay inside the picture.
            const double t = j * 0.04;
            const double px = 320 + 200 * std::sin(0.3 * t + p);
            const double py = 240 + 150 * std::cos(0.2 * t + 2 * p);
            m.Marques.push_back(PointD{std::round(px) / 640, std::round(py) / 480});
        }
    }
    m.NombreDePoints = int(m.Marques.size());
    return m;
}

void CalculerResultats(benchmark::State& state, bool lisser)
{
    const TEntreesSeries m = Mesure(int(state.range(0)));
    TPasDeTemps pas;
    TSeries series(pas);
    if (!lisser) series.BasculerLissage();
    for (auto _ : state) {
        if (series.CalculerResultats(m, true, true) != CodeSucces) {
            state.SkipWithError("the computation failed");
            break;
        }
        benchmark::DoNotOptimize(series.Resultats().SerieA[2].back());
    }
    state.counters["marques"] = double(m.Marques.size());
}

void BM_CalculerResultatsLisses(benchmark::State& state)
{
    CalculerResultats(state, true);
}
void BM_CalculerResultatsBruts(benchmark::State& state)
{
    CalculerResultats(state, false);
}

} // namespace

BENCHMARK(BM_CalculerResultatsLisses)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalculerResultatsBruts)->Arg(1000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
