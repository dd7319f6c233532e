// Sensitivity and tolerance runs in-process through runCli, against the one
// general-path solve each is made of. Run with --benchmark_repetitions=3.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

#include "Run.h"

namespace {

// 26 AWG in foamed PE sleeves, 0.05 mm apart, in a 2.7 mm shield: a
// non-touching insulated twinax.
const std::vector<std::string> kTwinax{"--awg", "26", "--sleeve", "1.1mm", "--er-sleeve", "foam-pe",
                                       "--S", "1.15mm", "--D", "2.7mm"};

std::vector<std::string> with(std::vector<std::string> head, const std::vector<std::string>& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

void run(benchmark::State& state, const std::vector<std::string>& args)
{
    for (auto _ : state) {
        std::istringstream in;
        std::ostringstream out, err;
        if (runCli(args, in, out, err) != 0)
            state.SkipWithError(err.str().c_str());
        benchmark::DoNotOptimize(out.str().size());
    }
}

// One case on the general path, as each sample and each step is solved.
void BM_OneAsymmetricCase(benchmark::State& state)
{
    run(state, with({"impedance", "--offset", "0.001mm,0", "--json"}, kTwinax));
}
BENCHMARK(BM_OneAsymmetricCase)->Unit(benchmark::kMillisecond);

// Every length and permittivity of the case (S, D, d, sleeve, er_sleeve).
void BM_Sensitivity(benchmark::State& state)
{
    run(state, with({"sensitivity", "--json"}, kTwinax));
}
BENCHMARK(BM_Sensitivity)->Unit(benchmark::kMillisecond);

// ... and with core 1's offset in both axes and the conversion at 10 GHz.
void BM_SensitivityWithConversion(benchmark::State& state)
{
    run(state, with({"sensitivity", "--offset", "0,0", "--freq", "10GHz", "--json"}, kTwinax));
}
BENCHMARK(BM_SensitivityWithConversion)->Unit(benchmark::kMillisecond);

// The target: 10,000 samples with 5 tolerances in at most 10 s, both cores.
void BM_Tolerance10k(benchmark::State& state)
{
    run(state, with({"tolerance", "--tol", "sleeve=0.01mm", "--tol", "D=0.02mm", "--tol", "er_sleeve=+-0.03",
                     "--tol", "offset=0.005mm", "--tol", "d=0.003mm", "--samples", "10000", "--zdiff-window",
                     "130:140", "--skew-max", "5ps/m", "--scd21-max", "-30dB@10GHz", "--json"},
                    kTwinax));
}
BENCHMARK(BM_Tolerance10k)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
