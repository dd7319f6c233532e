#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cases/CaseFigures.h"
#include "cases/Inputs.h"
#include "cases/VariationSettings.h"

// Monte Carlo over a nominal case: each sample draws every toleranced input
// (normal or uniform about its nominal value), solves the cross-section and
// checks the limits; the yield is the share that meets them all, with its
// 95 % Wilson score interval (E. B. Wilson, "Probable inference, the law of
// succession, and statistical inference", JASA 22, 1927).
//
// Sample i's draws come from a counter-based generator keyed by (seed, i,
// draw) alone, SplitMix64 (G. Steele, D. Lea, C. Flood, "Fast splittable
// pseudorandom number generators", OOPSLA 2014) with Box-Muller for the
// normal ones, so that a seed gives the same samples whatever the machine,
// the thread count or the order the threads take them in.

// The results every sample gives, as JSON names them; scd21 (dB) only with a frequency.
enum class Result { Zdiff, Zcm, Zdc, Skew, SkewIntra, Scd21 };
inline constexpr std::size_t kResultCount = 6;

struct ResultInfo {
    std::string_view key;
    std::string_view label;
    std::string_view unit;  // as text shows it
    double scale;           // from SI to that unit
};

const ResultInfo& resultInfo(Result result);

struct Sample {
    std::vector<double> inputs;  // the toleranced inputs' drawn values, in the order of the tolerances
    std::string error;           // why the sample has no figures; it then fails the limits
    std::array<double, kResultCount> results{};  // in each result's unit
    bool passes = false;
};

struct Statistics {
    double mean = 0, sd = 0, p1 = 0, p50 = 0, p99 = 0;
};

struct ToleranceRun {
    std::string error;  // the nominal case's, when it cannot be solved
    std::vector<Sample> samples;
    bool hasConversion = false;
    std::array<Statistics, kResultCount> statistics{};  // over the samples that solved
    long long solved = 0;
    long long passing = 0;
    double yield = 0, yieldLow = 0, yieldHigh = 0;
};

// A uniform double in (0, 1) and a standard normal one, draw `draw` of sample `sample`.
double uniformDraw(std::uint64_t seed, std::uint64_t sample, std::uint64_t draw);
double normalDraw(std::uint64_t seed, std::uint64_t sample, std::uint64_t draw);

// The 95 % Wilson score interval of `passing` out of `total`.
std::array<double, 2> wilsonInterval(long long passing, long long total);

// `threads` solvers at once; `progress` (may be empty) is called now and
// then from the calling thread with the samples done so far.
ToleranceRun toleranceRun(const CaseInput& nominal, const SolveSettings& solve, const VariationSettings& settings,
                          const ConversionAt& at, int threads, const std::function<void(long long)>& progress);
