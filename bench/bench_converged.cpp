// Speed of the converged solver: Ze + Zo with both gaps wide, with a 0.2 r
// gap and with the narrowest gap it takes, and a shape solve on it started
// from the five-charge answer. Run with --benchmark_repetitions=5 for medians.
#include <benchmark/benchmark.h>

#include "field/ConvergedShape.h"
#include "field/ConvergedSolver.h"
#include "fivecharge/Qol_math2.h"

namespace {

void impedancesAt(benchmark::State& state, double sd, double dd)
{
    ConvergedSolver solver;
    ConvergedImpedance z;
    for (auto _ : state) {
        z = solver.solve(sd, dd);
        benchmark::DoNotOptimize(z.ze);
        benchmark::DoNotOptimize(z.zo);
    }
    if (!z.error.empty())
        state.SkipWithError(z.error.c_str());
    state.counters["order"] = z.order;
}

// Gaps 8 r core to core, 4 r core to shield.
void BM_ConvergedOpen(benchmark::State& state)
{
    impedancesAt(state, 0.5, 10);
}
BENCHMARK(BM_ConvergedOpen)->Unit(benchmark::kMicrosecond);

// Cores 0.2 r apart.
void BM_ConvergedGap0_2(benchmark::State& state)
{
    impedancesAt(state, 0.11, 10);
}
BENCHMARK(BM_ConvergedGap0_2)->Unit(benchmark::kMicrosecond);

// Cores 0.01 r apart, the narrowest gap in reach.
void BM_ConvergedGap0_01(benchmark::State& state)
{
    impedancesAt(state, 0.1005, 10);
}
BENCHMARK(BM_ConvergedGap0_01)->Unit(benchmark::kMillisecond);

// The wanted impedances are the converged model's at S/D 0.5, D/d 10; the
// width asks for the seven digits the converged model is there for.
void BM_ConvergedShapeSolve(benchmark::State& state)
{
    TQol_COAXMath2 fiveCharge(nullptr, nullptr, 1);
    ShapeResult result;
    for (auto _ : state) {
        fiveCharge.mZe = 133.2262051;
        fiveCharge.mZo = 107.4234788;
        fiveCharge.mEr = 1;
        fiveCharge.zCalcSDDd();
        ShapeRequest request;
        request.ze = 133.2262051;
        request.zo = 107.4234788;
        request.width = 1e-6;
        request.startSD = fiveCharge.mSD;
        request.startDd = fiveCharge.mDd;
        result = solveConvergedShape(request);
        benchmark::DoNotOptimize(result.sd);
    }
    if (!result.error.empty())
        state.SkipWithError(result.error.c_str());
    state.counters["count"] = static_cast<double>(result.count);
}
BENCHMARK(BM_ConvergedShapeSolve)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
