// How honest the uncertainties are: over 200 synthetic throws with half a
// pixel of click noise, the share of the samples whose true acceleration lies
// within 1 and 2 standard uncertainties (a Gaussian gives 68 % and 95 %).
// The counters are the figures; the time is that of the 200 computations.

#include "tools/LancersSynthetiques.h"

#include <benchmark/benchmark.h>

namespace {

void CouvertureDesIncertitudes(benchmark::State& state)
{
    TCouverture c;
    for (auto _ : state) c = CouvertureLancers(1000, int(state.range(0)), 0.5);
    state.counters["ay_1u"] = c.AY1;
    state.counters["ay_2u"] = c.AY2;
    state.counters["a_1u"] = c.A1;
    state.counters["a_2u"] = c.A2;
    state.counters["ax_1u"] = c.AX1;
    state.counters["ax_2u"] = c.AX2;
    state.counters["echantillons"] = c.Echantillons;
}
BENCHMARK(CouvertureDesIncertitudes)->Arg(200)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
