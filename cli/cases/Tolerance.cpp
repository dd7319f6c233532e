#include "cases/Tolerance.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <numbers>
#include <thread>

#include "cases/Sensitivity.h"

namespace {

constexpr ResultInfo kResults[] = {
    {"zdiff", "Zdiff", "ohm", 1},       {"zcm", "Zcm", "ohm", 1},
    {"zdc", "Zdc", "ohm", 1},           {"skew", "Skew", "ps/m", 1e12},
    {"skew_intra", "Skew intra-pair", "ps/m", 1e12}, {"scd21", "Scd21", "dB", 1},
};

// |Scd21| below the field's reach (1e-9 of a mode) is rounding; this floor
// keeps an exactly symmetric draw's decibels finite.
constexpr double kConversionFloor = 1e-15;

// z of the two-sided 95 % interval.
constexpr double kZ95 = 1.959963984540054;

std::uint64_t splitMix(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

// Linear between the order statistics (Hyndman and Fan's type 7).
double percentile(const std::vector<double>& sorted, double p)
{
    const double at = p * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(at));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (at - static_cast<double>(below)) * (sorted[above] - sorted[below]);
}

Statistics statisticsOf(std::vector<double> values)
{
    Statistics s;
    if (values.empty())
        return s;
    double sum = 0;
    for (double v : values)
        sum += v;
    s.mean = sum / static_cast<double>(values.size());
    double squares = 0;
    for (double v : values)
        squares += (v - s.mean) * (v - s.mean);
    s.sd = values.size() > 1 ? std::sqrt(squares / static_cast<double>(values.size() - 1)) : 0;
    std::ranges::sort(values);
    s.p1 = percentile(values, 0.01);
    s.p50 = percentile(values, 0.5);
    s.p99 = percentile(values, 0.99);
    return s;
}

bool meetsLimits(const Sample& s, const VariationSettings& settings)
{
    if (!s.error.empty())
        return false;
    const auto value = [&](Result r) { return s.results[static_cast<std::size_t>(r)]; };
    if (settings.zdiffWindow && !(value(Result::Zdiff) >= settings.zdiffWindow->low &&
                                  value(Result::Zdiff) <= settings.zdiffWindow->high))
        return false;
    if (settings.skewMax && !(std::fabs(value(Result::SkewIntra)) <= *settings.skewMax * 1e12))
        return false;
    if (settings.scd21Max && !(value(Result::Scd21) <= settings.scd21Max->decibels))
        return false;
    return true;
}

Sample drawAndSolve(const CaseInput& nominal, const SolveSettings& solve, const VariationSettings& settings,
                    const ConversionAt& at, std::uint64_t index, InsulatedSolver& field)
{
    Sample s;
    CaseInput input = nominal;
    for (std::size_t t = 0; t < settings.tolerances.size(); ++t) {
        const InputTolerance& tol = settings.tolerances[t];
        const double base = input.has(tol.input) ? input[tol.input] : 0;
        const double value = tol.uniform ? base + tol.spread * (2 * uniformDraw(settings.seed, index, 2 * t) - 1)
                                         : base + tol.spread * normalDraw(settings.seed, index, 2 * t);
        input.set(tol.input, value);
        s.inputs.push_back(value);
    }
    const CaseFigures f = caseFigures(input, solve, field, at);
    s.error = f.error;
    if (s.error.empty()) {
        const double scd21 = f.hasConversion ? 20 * std::log10(std::max(std::abs(f.scd21), kConversionFloor)) : 0;
        const std::array<double, kResultCount> si{f.zDiff, f.zCommon, f.zDc, f.skew, f.skewIntra, scd21};
        for (std::size_t r = 0; r < kResultCount; ++r)
            s.results[r] = si[r] * kResults[r].scale;
    }
    s.passes = meetsLimits(s, settings);
    return s;
}

}  // namespace

const ResultInfo& resultInfo(Result result)
{
    return kResults[static_cast<std::size_t>(result)];
}

double uniformDraw(std::uint64_t seed, std::uint64_t sample, std::uint64_t draw)
{
    const std::uint64_t bits = splitMix(splitMix(splitMix(seed) ^ sample) ^ draw);
    // 53 bits, centred in their interval: never 0 or 1.
    return (static_cast<double>(bits >> 11) + 0.5) * 0x1.0p-53;
}

double normalDraw(std::uint64_t seed, std::uint64_t sample, std::uint64_t draw)
{
    const double u1 = uniformDraw(seed, sample, draw), u2 = uniformDraw(seed, sample, draw + 1);
    return std::sqrt(-2 * std::log(u1)) * std::cos(2 * std::numbers::pi * u2);
}

std::array<double, 2> wilsonInterval(long long passing, long long total)
{
    if (total == 0)
        return {0, 1};
    const double n = static_cast<double>(total), p = static_cast<double>(passing) / n, z2 = kZ95 * kZ95;
    const double centre = (p + z2 / (2 * n)) / (1 + z2 / n);
    const double half = kZ95 / (1 + z2 / n) * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n));
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

ToleranceRun toleranceRun(const CaseInput& given, const SolveSettings& solve, const VariationSettings& settings,
                          const ConversionAt& at, int threads, const std::function<void(long long)>& progress)
{
    ToleranceRun run;
    const CaseInput nominal = numericCase(given);
    {
        InsulatedSolver field;
        const CaseFigures check = caseFigures(nominal, solve, field, at);
        if (!check.error.empty()) {
            run.error = "the nominal case: " + check.error;
            return run;
        }
    }
    run.hasConversion = at.frequency > 0;
    const auto count = static_cast<std::size_t>(settings.samples);
    run.samples.resize(count);
    std::atomic<std::size_t> next{0};
    std::atomic<long long> done{0};
    const auto work = [&] {
        InsulatedSolver field;
        for (std::size_t i = next++; i < count; i = next++) {
            run.samples[i] = drawAndSolve(nominal, solve, settings, at, i, field);
            ++done;
        }
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < std::max(1, threads); ++t)
        pool.emplace_back(work);
    if (progress) {
        std::thread own(work);
        while (done.load() < static_cast<long long>(count)) {
            progress(done.load());
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        own.join();
        progress(done.load());
    } else {
        work();
    }
    for (std::thread& t : pool)
        t.join();

    for (std::size_t r = 0; r < kResultCount; ++r) {
        if (r == static_cast<std::size_t>(Result::Scd21) && !run.hasConversion)
            continue;
        std::vector<double> values;
        for (const Sample& s : run.samples)
            if (s.error.empty())
                values.push_back(s.results[r]);
        run.statistics[r] = statisticsOf(std::move(values));
    }
    for (const Sample& s : run.samples) {
        run.solved += s.error.empty() ? 1 : 0;
        run.passing += s.passes ? 1 : 0;
    }
    run.yield = static_cast<double>(run.passing) / static_cast<double>(count);
    const auto [low, high] = wilsonInterval(run.passing, static_cast<long long>(count));
    run.yieldLow = low;
    run.yieldHigh = high;
    return run;
}
