#include <clocale>
#include <cmath>
#include <filesystem>

#include "CaseName.h"
#include "SolverFixture.h"
#include "SolverTexts.h"

namespace {

// Forward impedances for Er = 1 at a shape.
std::pair<double, double> impedancesAt(double sd, double dd)
{
    TQol_COAXMath1 forward;
    double ze = 0, zo = 0;
    forward.zCalcZeAt(sd, dd, ze);
    forward.zCalcZoAt(sd, dd, zo);
    EXPECT_EQ(forward.mErrMsg, "");
    return {ze, zo};
}

struct Target {
    double ze, zo, er, width;
};

class InverseConverges : public SolverTest, public testing::WithParamInterface<Target> {};

// The found shape reproduces the wanted impedances in the dielectric to within
// the width divided by sqrt(Er): the width applies to the Er = 1 impedances.
TEST_P(InverseConverges, FoundShapeReproducesTarget)
{
    const Target& t = GetParam();
    calc.mConvWidth = t.width;
    solve(t.ze, t.zo, t.er);
    ASSERT_EQ(calc.mErrMsg, "");
    const auto [ze, zo] = impedancesAt(calc.mShapeSD, calc.mShapeDd);
    EXPECT_LT(std::fabs(ze / std::sqrt(t.er) - t.ze), t.width / std::sqrt(t.er));
    EXPECT_LT(std::fabs(zo / std::sqrt(t.er) - t.zo), t.width / std::sqrt(t.er));
    // The last progress text is the final count, one more than the trials made.
    ASSERT_FALSE(view.captions.empty());
    EXPECT_EQ(view.captions.front(), std::string(kCalculatingStartText.japanese));
    EXPECT_EQ(view.captions.back(), std::string(kCountCaption.japanese) + std::to_string(calc.mCount));
    EXPECT_EQ(view.repaints, static_cast<int>(view.captions.size()));
}

INSTANTIATE_TEST_SUITE_P(Cases, InverseConverges,
                         testing::Values(Target{133.229, 107.426, 1, 0.01}, Target{88.819, 71.617, 2.25, 0.01},
                                         Target{66.6145, 53.713, 4, 0.01}, Target{119.977, 51.089, 1, 0.001},
                                         Target{100, 80, 1, 0.1}, Target{150, 60, 1, 1}),
                         [](const testing::TestParamInfo<Target>& info) {
                             const Target& t = info.param;
                             return nameFromInputs(info.index, {{"ze", t.ze}, {"zo", t.zo}, {"er", t.er}, {"width", t.width}});
                         });

// Thin wires in a wide shield are where the closed-form start estimate is
// exact but for its 60 ohm in place of eta0 / 2 pi: with a width no estimate
// can miss, it inverts the forward impedances on its own.
TEST_F(SolverTest, StartEstimateInvertsThinWireShapes)
{
    for (const double sd : {0.3, 0.5, 0.7}) {
        const auto [ze, zo] = impedancesAt(sd, 1000);
        calc.mConvWidth = 1e6;
        solve(ze, zo, 1);
        ASSERT_EQ(calc.mErrMsg, "");
        ASSERT_EQ(calc.mCount, 1);
        EXPECT_NEAR(calc.mShapeSD / sd, 1, 5e-4) << "S/D " << sd;
        EXPECT_NEAR(calc.mShapeDd / 1000, 1, 5e-3) << "S/D " << sd;
    }
}

TEST_F(SolverTest, TypicalSolveFindsTheExampleShape)
{
    solve(133.229, 107.426, 1);
    ASSERT_EQ(calc.mErrMsg, "");
    EXPECT_NEAR(calc.mShapeSD, 0.5, 1e-3);
    EXPECT_NEAR(calc.mShapeDd, 10, 1e-3);
}

struct Refused {
    const char* name;
    double ze, zo, er;
    unsigned char english;
    std::string error;
};

class InverseRefused : public SolverTest, public testing::WithParamInterface<Refused> {};

// Refused inputs stop before anything is shown or written.
TEST_P(InverseRefused, BeforeLabelOrTrace)
{
    const Refused& c = GetParam();
    calc.mEnglish = c.english;
    calc.mShapeSD = 0.123;
    calc.mShapeDd = 4.56;
    calc.mCount = 99;
    const std::string trace = traceTo("refused.txt");
    solve(c.ze, c.zo, c.er);
    EXPECT_EQ(calc.mErrMsg, c.error);
    EXPECT_EQ(calc.mCount, 0);
    EXPECT_TRUE(view.captions.empty());
    EXPECT_EQ(view.repaints, 0);
    EXPECT_FALSE(std::filesystem::exists(trace));
    EXPECT_EQ(calc.mShapeSD, 0.123);
    EXPECT_EQ(calc.mShapeDd, 4.56);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InverseRefused,
    testing::Values(Refused{"ZeEqualsZo", 100, 100, 1, 0, std::string(kZeNotAboveZoText.japanese)},
                    Refused{"ZeBelowZo", 50, 100, 1, 1, std::string(kZeNotAboveZoText.english)},
                    Refused{"ErZero", 100, 50, 0, 0, std::string(kErNotPositiveText.japanese)},
                    Refused{"ErNegative", 100, 50, -2, 1, std::string(kErNotPositiveText.english)},
                    Refused{"ErNaN", 100, 50, NAN, 0, std::string(kErNotPositiveText.japanese)},
                    Refused{"ErInfinite", 100, 50, INFINITY, 0, std::string(kErNotPositiveText.japanese)},
                    Refused{"ZoNegative", 100, -50, 1, 0, std::string(kTargetsNotPositiveText.japanese)},
                    Refused{"ZoZero", 100, 0, 1, 1, std::string(kTargetsNotPositiveText.english)},
                    Refused{"ZeInfinite", INFINITY, 50, 1, 0, std::string(kTargetsNotPositiveText.japanese)}),
    CaseName{});

// Ze and Zo less than about 0.66 ohm apart put the start estimate above S/D 0.9.
TEST_F(SolverTest, StartEstimateRejectedLeavesEmptyTrace)
{
    const std::string trace = traceTo("start.txt");
    solve(100.3, 100, 1);
    EXPECT_EQ(calc.mErrMsg, std::string(kShapeSolvePrefix) + std::string(kSdAboveLimitText));
    EXPECT_EQ(view.captions, std::vector<std::string>{std::string(kCalculatingStartText.japanese)});
    ASSERT_TRUE(std::filesystem::exists(trace));
    EXPECT_EQ(readFile(trace), "");
}

// A width no estimate can miss: the start estimate is the result, count 1.
TEST_F(SolverTest, StartEstimateWithinWidthNeedsNoTrial)
{
    const std::string trace = traceTo("start-ok.txt");
    calc.mConvWidth = 1e6;
    calc.mCountLimit = 0;  // the limit is only tested after a trial
    solve(133.229, 107.426, 1);
    ASSERT_EQ(calc.mErrMsg, "");
    EXPECT_EQ(view.captions.back(), std::string(kCountCaption.japanese) + "1");
    EXPECT_EQ(calc.mShapeSD, calc.mSD);
    EXPECT_EQ(calc.mShapeDd, calc.mDd);
    const std::string text = readFile(trace);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3);
    EXPECT_EQ(text.rfind("mZeE=\t133.22900\nmZoE=\t107.42600\nmZeS=\tmZoS=\tmZetmp=\tmZotmp=\tmSD=\tmDd=\t", 0), 0u);
}

// Ze and Zo far apart put x - sqrt(x^2 - 1) of the start estimate beyond
// double precision. The target is reachable (S/D 1e-5, D/d 2.6e5 gives about
// 1394 and 96.5 ohm), so the solve must start there, not stop at "SD <= 0".
// With a width no estimate can miss, the start itself is the result.
TEST_F(SolverTest, FarApartTargetsStillGetAStart)
{
    calc.mConvWidth = 1e6;
    solve(1397, 100, 1);
    ASSERT_EQ(calc.mErrMsg, "");
    EXPECT_EQ(calc.mCount, 1);
    const auto [ze, zo] = impedancesAt(calc.mShapeSD, calc.mShapeDd);
    EXPECT_NEAR(ze / 1397, 1, 0.01);
    EXPECT_NEAR(zo / 100, 1, 0.05);
}

struct CountLimit {
    int limit;
    unsigned char english;
    std::string error;
    std::string finalCaption;
};

class InverseCountOver : public SolverTest, public testing::WithParamInterface<CountLimit> {};

TEST_P(InverseCountOver, ReplacesTheResult)
{
    const CountLimit& c = GetParam();
    calc.mEnglish = c.english;
    calc.mCountLimit = c.limit;
    calc.mShapeSD = 0.123;
    solve(133.229, 107.426, 1);
    EXPECT_EQ(calc.mErrMsg, c.error);
    EXPECT_EQ(view.captions.back(), c.finalCaption);
    EXPECT_EQ(calc.mCount, std::max(c.limit, 1) + 1);  // the first trial counts 2
    EXPECT_EQ(calc.mShapeSD, 0.123);
}

INSTANTIATE_TEST_SUITE_P(Cases, InverseCountOver,
                         testing::Values(CountLimit{1, 0, std::string(kCountOverText.japanese), std::string(kCountCaption.japanese) + "2"},
                                         CountLimit{0, 0, std::string(kCountOverText.japanese), std::string(kCountCaption.japanese) + "2"},
                                         CountLimit{-5, 1, std::string(kCountOverText.english), std::string(kCountCaption.english) + "2"},
                                         CountLimit{2, 1, std::string(kCountOverText.english), std::string(kCountCaption.english) + "3"}),
                         [](const testing::TestParamInfo<CountLimit>& info) {
                             return nameFromInputs(info.index, {{"limit", info.param.limit}, {"english", info.param.english}});
                         });

TEST_F(SolverTest, SecondTraceReplacesFirst)
{
    const std::string trace = traceTo("twice.txt");
    solve(133.229, 107.426, 1);
    ASSERT_EQ(calc.mErrMsg, "");
    calc.mConvWidth = 1e6;
    solve(119.977, 51.089, 1);
    ASSERT_EQ(calc.mErrMsg, "");
    EXPECT_FALSE(calc.mTraceFailed);
    const std::string text = readFile(trace);
    EXPECT_EQ(text.rfind("mZeE=\t119.97700\n", 0), 0u);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3);
}

TEST_F(SolverTest, UnopenableTraceIsDroppedSilently)
{
    calc.zSetTraceFileName((traceDir / "no-such-dir" / "trace.txt").string().c_str());
    calc.mTraceOn = 1;
    solve(133.229, 107.426, 1);
    EXPECT_EQ(calc.mErrMsg, "");
    EXPECT_EQ(calc.mTraceOn, 0);
    EXPECT_EQ(calc.mTraceFileName, "");
}

// /dev/full takes the open and loses every write; the solve still stands.
TEST_F(SolverTest, TraceLostToAFullDiskIsReported)
{
    calc.zSetTraceFileName("/dev/full");
    calc.mTraceOn = 1;
    solve(133.229, 107.426, 1);
    EXPECT_EQ(calc.mErrMsg, "");
    EXPECT_TRUE(calc.mTraceFailed);
    EXPECT_EQ(calc.mTraceOn, 1);

    calc.mTraceOn = 0;
    solve(133.229, 107.426, 1);
    EXPECT_FALSE(calc.mTraceFailed);  // each solve answers for its own trace
}

// Run in an empty folder: a file opened under any name, even a made-up one,
// would show up there.
TEST_F(SolverTest, TraceWithoutNameWritesNothing)
{
    calc.mTraceOn = 1;
    calc.zSetTraceFileName("");
    const std::filesystem::path saved = std::filesystem::current_path();
    std::filesystem::current_path(traceDir);
    solve(133.229, 107.426, 1);
    std::filesystem::current_path(saved);
    EXPECT_EQ(calc.mErrMsg, "");
    EXPECT_TRUE(std::filesystem::is_empty(traceDir));
    EXPECT_EQ(calc.mTraceOn, 1);  // no open was tried, so none failed
}

// One line per trial, thirteen tab-separated fixed-point numbers, "." always.
TEST_F(SolverTest, TraceLinesUnderACommaLocale)
{
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 locale not generated on this machine";
    const std::string trace = traceTo("comma.txt");
    solve(133.229, 107.426, 1);
    std::setlocale(LC_ALL, saved.c_str());
    ASSERT_EQ(calc.mErrMsg, "");

    std::istringstream lines(readFile(trace));
    std::string line;
    int dataLines = 0;
    for (int row = 0; std::getline(lines, line); ++row) {
        EXPECT_EQ(line.find(','), std::string::npos) << line;
        EXPECT_NE(line.back(), '\t');
        if (row < 3)
            continue;
        ++dataLines;
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 12) << line;
    }
    EXPECT_EQ(dataLines + 1, calc.mCount);
}

}  // namespace
