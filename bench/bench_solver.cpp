// Speed of the field solver: one forward Ze + Zo evaluation, and a typical
// shape-mode solve. Run with --benchmark_repetitions=10 for medians.
#include <benchmark/benchmark.h>

#include "fivecharge/Qol_math2.h"

namespace {

void BM_ForwardZeZo(benchmark::State& state)
{
    TQol_COAXMath1 calc;
    double ze = 0, zo = 0;
    for (auto _ : state) {
        calc.zCalcZeAt(0.5, 10, ze);
        calc.zCalcZoAt(0.5, 10, zo);
        benchmark::DoNotOptimize(ze);
        benchmark::DoNotOptimize(zo);
    }
}
BENCHMARK(BM_ForwardZeZo);

void BM_InverseTypical(benchmark::State& state)
{
    TQol_COAXMath2 calc(nullptr, nullptr, 0);
    for (auto _ : state) {
        calc.mZe = 133.229;
        calc.mZo = 107.426;
        calc.mEr = 1;
        calc.zCalcSDDd();
        benchmark::DoNotOptimize(calc.mShapeSD);
    }
    if (!calc.mErrMsg.empty())
        state.SkipWithError(calc.mErrMsg.c_str());
}
BENCHMARK(BM_InverseTypical)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
