// Model mode's frequencies: the log sweep's points on their exact decades,
// lists of values and ranges made increasing and unique, DC, the count's limit.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CaseName.h"
#include "cases/ModelFrequencies.h"

namespace {

struct FrequencyCase {
    const char* name;
    const char* text;
    std::size_t count;
    double first, last;        // Hz
    std::vector<double> among;  // points that must be there exactly
};

class ModelFrequencies : public testing::TestWithParam<FrequencyCase> {};

TEST_P(ModelFrequencies, IncreasingEachOnce)
{
    const FrequencyCase& c = GetParam();
    std::vector<double> hz;
    ASSERT_EQ(modelFrequencies(c.text, hz), "");
    ASSERT_EQ(hz.size(), c.count);
    EXPECT_EQ(hz.front(), c.first);
    EXPECT_EQ(hz.back(), c.last);
    for (std::size_t i = 1; i < hz.size(); ++i)
        EXPECT_LT(hz[i - 1], hz[i]) << i;
    for (const double f : c.among)
        EXPECT_NE(std::ranges::find(hz, f), hz.end()) << f;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ModelFrequencies,
    testing::Values(
        FrequencyCase{"One", "10GHz", 1, 1e10, 1e10, {}},
        FrequencyCase{"ListSortedOnce", "2GHz,1GHz,2e9", 2, 1e9, 2e9, {}},
        FrequencyCase{"DcInAList", "0,1MHz", 2, 0, 1e6, {}},
        FrequencyCase{"LinearRange", "0:1GHz:100MHz", 11, 0, 1e9, {3e8, 7e8}},
        // 4.3 decades at ten a decade: 44 points on the grid, then 20 GHz.
        FrequencyCase{"LogSweepEndsAtStop", "1MHz:20GHz/10", 45, 1e6, 2e10, {1e7, 1e8, 1e9, 1e10}},
        FrequencyCase{"LogSweepOnWholeDecades", "10kHz:10GHz/20", 121, 1e4, 1e10, {1e5, 1e6, 1e9}},
        FrequencyCase{"LogSweepOnePerDecade", "1Hz:1GHz/1", 10, 1, 1e9, {1e3, 1e6}},
        FrequencyCase{"DcBeforeALogSweep", "0,1MHz:20GHz/10", 46, 0, 2e10, {1e6, 1e9}},
        FrequencyCase{"OverlappingItemsOnce", "1GHz:3GHz:1GHz,2GHz,1MHz:10GHz/1", 7, 1e6, 1e10, {3e9, 1e8}}),
    CaseName());

struct RefusedFrequencies {
    const char* name;
    const char* text;
    std::string problem;
};

class RefusedModelFrequencies : public testing::TestWithParam<RefusedFrequencies> {};

TEST_P(RefusedModelFrequencies, SaysWhy)
{
    std::vector<double> hz{-1};
    EXPECT_EQ(modelFrequencies(GetParam().text, hz), GetParam().problem);
    EXPECT_EQ(hz, std::vector<double>{-1});
}

constexpr const char* kLogHint = " - write a log sweep as START:STOP/N, 1MHz:20GHz/10 for 10 points a decade";

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedModelFrequencies,
    testing::Values(
        RefusedFrequencies{"Downward", "1GHz:1MHz/10",
                           std::string(R"("1GHz:1MHz/10": the stop is not above the start)") + kLogHint},
        RefusedFrequencies{"LogFromDc", "0:1GHz/10", R"(start "0": must be a positive frequency)"},
        RefusedFrequencies{"NoPointsADecade", "1MHz:1GHz/0",
                           std::string(R"(N "0": not a whole number of points a decade)") + kLogHint},
        RefusedFrequencies{"SlashWithoutRange", "1MHz/10", std::string(R"("1MHz/10": not START:STOP/N)") + kLogHint},
        RefusedFrequencies{"NegativeInList", "1GHz,-1GHz",
                           R"(value "-1GHz": must be a positive frequency, or 0 for DC)"},
        // 12 decades of 10,000 points: one over the limit with the stop.
        RefusedFrequencies{"LogOverLimit", "1Hz:1e12Hz/10000",
                           "would make 120001 frequencies, more than the limit of 100000"},
        RefusedFrequencies{"RangeOverLimit", "1Hz:200kHz:1Hz",
                           "would make 200000 values, more than the limit of 100000"},
        RefusedFrequencies{"ItemsOverLimit", "1Hz:60kHz:1Hz,100kHz:160kHz:1Hz",
                           "would make 120001 frequencies, more than the limit of 100000"}),
    CaseName());

}  // namespace
