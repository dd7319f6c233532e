// Speed of the line models beyond the field solve: a 1,000-frequency .s4p
// of an insulated pair (PTFE sleeves touching, copper, wideband dielectric),
// from the per-length matrices over frequency through the exact network
// (single-ended and mixed-mode, with the error estimate's four extra
// networks a frequency) to the Touchstone text. Target: at most 50 ms.
// Run with --benchmark_repetitions=5 for medians.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "field/InsulatedSolver.h"
#include "line/LineSweep.h"
#include "line/ModelDescription.h"
#include "line/Rlgc.h"
#include "cases/ModelFiles.h"
#include "output/Touchstone.h"

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
    const std::vector<double> frequencies = grid();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const RlgcModel model(section, solution, copperPtfe());
        const NetworkRequest request;
        const NetworkSweep sweep = networkSweep(model, frequencies, request);
        std::vector<std::string> comments = lineDescription(section, model);
        for (std::string& line : networkDescription(request, sweep))
            comments.push_back(std::move(line));
        const TouchstoneText text = touchstoneText(singleEndedNetwork(sweep, request, std::move(comments)));
        if (!text.error.empty())
            state.SkipWithError(text.error.c_str());
        bytes = text.text.size();
        benchmark::DoNotOptimize(text.text.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_TouchstoneThousandFrequencies)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
