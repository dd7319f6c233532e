// A 1,000-case sweep through the real code path in-process: runCli with
// --sweep, every case with its per-length quantities, written as JSON to a
// stream that keeps nothing. Five-charge, and the converged method on open
// geometries. Run with --benchmark_repetitions=5 for medians.
#include <benchmark/benchmark.h>

#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "Run.h"

namespace {

// 40 x 25 shapes with both gaps at least 1.4 core radii: S/D 0.4 to 0.595,
// D/d 6 to 18, in PTFE.
const std::vector<std::string> kSweep{"impedance", "--sweep", "sd=0.4:0.595:0.005", "--sweep", "dd=6:18:0.5", "2.1"};
constexpr std::size_t kCases = 1000;

// Takes everything and keeps nothing but the count of lines.
class LineCounter : public std::streambuf {
public:
    std::size_t lines = 0;

protected:
    std::streamsize xsputn(const char* text, std::streamsize count) override
    {
        for (std::streamsize i = 0; i < count; ++i)
            lines += text[i] == '\n';
        return count;
    }
    int_type overflow(int_type c) override
    {
        lines += c == '\n';
        return traits_type::not_eof(c);
    }
};

void sweep(benchmark::State& state, std::vector<std::string> args)
{
    // Once beforehand, in full: every case must be there and calculated.
    std::istringstream in;
    std::ostringstream checked, err;
    if (runCli(args, in, checked, err) != 0 || checked.str().find("\"error\"") != std::string::npos) {
        state.SkipWithError(("the sweep failed: " + err.str()).c_str());
        return;
    }
    LineCounter counter;
    std::ostream out(&counter);
    for (auto _ : state) {
        counter.lines = 0;
        runCli(args, in, out, err);
    }
    if (counter.lines != kCases)
        state.SkipWithError("the sweep did not give one line per case");
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kCases));
}

void BM_SweepFiveCharge(benchmark::State& state)
{
    sweep(state, kSweep);
}
BENCHMARK(BM_SweepFiveCharge)->Unit(benchmark::kMillisecond);

void BM_SweepConverged(benchmark::State& state)
{
    std::vector<std::string> args = kSweep;
    args.insert(args.end(), {"--method", "converged"});
    sweep(state, args);
}
BENCHMARK(BM_SweepConverged)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
