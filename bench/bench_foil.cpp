// Speed of the field solver under a foil, at its 1e-6 promise: one solve is
// both modes, with and without the dielectrics (C and C0), with dC/dEr and
// Rhat. 26 AWG in foamed PE (d 0.405 mm, Di 1.0 mm, Er 1.5) unless said.
// Run with --benchmark_repetitions=5 for medians.
#include <benchmark/benchmark.h>

#include "field/InsulatedSolver.h"

namespace {

CrossSection foil(double s, double clearance, double er1 = 1.5, double drain = 0)
{
    CrossSection c;
    c.cores[0] = {s / 2, 0, 0.405, 1.0, 0, 0, er1};
    c.cores[1] = {-s / 2, 0, 0.405, 1.0, 0, 0, er1};
    c.shield = FoilShield{clearance, drain};
    return c;
}

void solveAt(benchmark::State& state, const CrossSection& section)
{
    InsulatedSolver solver;
    FieldSolution f;
    for (auto _ : state) {
        f = solver.solve(section);
        benchmark::DoNotOptimize(f.c.xx);
    }
    if (!f.reason.empty())
        state.SkipWithError(f.reason.c_str());
    state.counters["order"] = f.order;
    state.counters["bound"] = f.bound;
}

// Sleeves touching, the foil wrapped on them: cusps at every contact.
void BM_FoilWrappedTouching(benchmark::State& state)
{
    solveAt(state, foil(1.0, 0));
}
BENCHMARK(BM_FoilWrappedTouching)->Unit(benchmark::kMillisecond);

// The foil 0.05 mm off the sleeves.
void BM_FoilClearance(benchmark::State& state)
{
    solveAt(state, foil(1.0, 0.05));
}
BENCHMARK(BM_FoilClearance)->Unit(benchmark::kMillisecond);

// A thin clearance, 0.005 mm: the slowest clearance seen.
void BM_FoilThinClearance(benchmark::State& state)
{
    solveAt(state, foil(1.0, 0.005));
}
BENCHMARK(BM_FoilThinClearance)->Unit(benchmark::kMillisecond);

// Wrapped, sleeves 0.2 mm apart, PTFE.
void BM_FoilWrappedApartPtfe(benchmark::State& state)
{
    solveAt(state, foil(1.2, 0, 2.1));
}
BENCHMARK(BM_FoilWrappedApartPtfe)->Unit(benchmark::kMillisecond);

// Wrapped, with a 0.32 mm drain wire in the groove under the foil.
void BM_FoilWrappedDrain(benchmark::State& state)
{
    solveAt(state, foil(1.0, 0, 1.5, 0.32));
}
BENCHMARK(BM_FoilWrappedDrain)->Unit(benchmark::kMillisecond);

// A design solve's worth: 15 shapes over clearance 0 to 0.1 mm and spacing
// 1.0 to 1.2 mm, each solved as above.
void BM_FoilDesignSweep(benchmark::State& state)
{
    InsulatedSolver solver;
    int failed = 0;
    for (auto _ : state)
        for (const double clearance : {0.0, 0.025, 0.05, 0.075, 0.1})
            for (const double s : {1.0, 1.1, 1.2}) {
                const FieldSolution f = solver.solve(foil(s, clearance));
                failed += f.reason.empty() ? 0 : 1;
                benchmark::DoNotOptimize(f.c.xx);
            }
    if (failed > 0)
        state.SkipWithError("a shape of the sweep failed");
}
BENCHMARK(BM_FoilDesignSweep)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
