// Wall time of a sweep of 10,000 forward geometries through the real program,
// start-up, parsing and JSON output included.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr int kSteps = 100;  // kSteps x kSteps geometries

// A grid of S/D 0.3 to 0.7 and D/d 4 to 20: every case is a valid cable.
std::filesystem::path writeSweep()
{
    const auto path = std::filesystem::temp_directory_path() / "duvane_bench_sweep.txt";
    std::ofstream file(path);
    for (int i = 0; i < kSteps; ++i)
        for (int j = 0; j < kSteps; ++j)
            file << 0.3 + 0.4 * i / (kSteps - 1) << ',' << 4 + 16.0 * j / (kSteps - 1) << ",2.25\n";
    return path;
}

void BM_ImpedanceBatch(benchmark::State& state)
{
    const auto input = writeSweep();
    const std::string command = "'" DUVANE_CALC_PATH "' impedance --batch < '" + input.string() + "'";
    std::string output;
    for (auto _ : state) {
        std::FILE* pipe = popen(command.c_str(), "r");
        if (pipe == nullptr) {
            state.SkipWithError("cannot start duvane-calc");
            break;
        }
        output.clear();
        char buffer[65536];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            output.append(buffer, n);
        const bool failed = pclose(pipe) != 0;
        std::size_t lines = 0, errors = 0;
        for (std::size_t at = 0; (at = output.find('\n', at)) != std::string::npos; ++at)
            ++lines;
        for (std::size_t at = 0; (at = output.find("\"error\"", at)) != std::string::npos; ++at)
            ++errors;
        if (failed || lines != kSteps * kSteps || errors != 0) {
            state.SkipWithError("duvane-calc did not give one result per case");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * kSteps * kSteps);
    std::filesystem::remove(input);
}

BENCHMARK(BM_ImpedanceBatch)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);

}  // namespace

BENCHMARK_MAIN();
