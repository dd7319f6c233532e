// Speed of the line models beyond the field solve: model mode's --touchstone
// of 1,000 frequencies (the .s4p and its .s2p) of an insulated pair (PTFE
// sleeves touching, copper, wideband dielectric), from the per-length
// matrices over frequency through the exact network (single-ended and
// mixed-mode, with the error estimate's four extra networks a frequency) to
// the Touchstone texts. Target: at most 50 ms.
// Run with --benchmark_repetitions=5 for medians.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "field/InsulatedSolver.h"
#include "line/Rlgc.h"
#include "cases/ModelExport.h"

namespace {

CrossSection insulatedPair()
{
    CrossSection c;
    c.cores[0] = {0.7e-3, 0, 0.51e-3, 1.4e-3, 0, 0, 2.1};
    c.cores[1] = {-0.7e-3, 0, 0.51e-3, 1.4e-3, 0, 0, 2.1};
    c.shield = RoundShield{3.6e-3};
    return c;
}

LineLosses copperPtfe()
{
    LineLosses l;
    l.tanDelta = {2e-4, 2e-4, 0};
    l.dielectric = DielectricModel::Wideband;
    return l;
}

// 10 MHz to 10 GHz in 1,000 steps.
std::vector<double> grid()
{
    std::vector<double> f;
    for (int i = 1; i <= 1000; ++i)
        f.push_back(i * 1e7);
    return f;
}

// The field solve the export starts from, for scale.
void BM_FieldSolve(benchmark::State& state)
{
    InsulatedSolver solver;
    const CrossSection section = insulatedPair();
    for (auto _ : state)
        benchmark::DoNotOptimize(solver.solve(section).c.xx);
}
BENCHMARK(BM_FieldSolve)->Unit(benchmark::kMillisecond);

void BM_TouchstoneThousandFrequencies(benchmark::State& state)
{
    const CrossSection section = insulatedPair();
    const FieldSolution solution = InsulatedSolver().solve(section);
    ModelSettings settings;
    settings.touchstone = "pair";
    settings.dielectric = DielectricModel::Wideband;
    settings.frequencyValues = grid();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const RlgcModel model(section, solution, copperPtfe());
        const ModelExport made = modelExport(section, model, settings, 1, TableFormat::Text);
        if (!made.error.empty())
            state.SkipWithError(made.error.c_str());
        bytes = made.files.front().second.size() + made.files.back().second.size();
        benchmark::DoNotOptimize(made.files.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_TouchstoneThousandFrequencies)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
