#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "CaseName.h"
#include "commands/ShapeCommand.h"
#include "field/ConvergedShape.h"
#include "field/ConvergedSolver.h"
#include "fivecharge/Qol_math2.h"
#include "SolverTexts.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// ---- Found --------------------------------------------------------------------------

struct Target {
    const char* name;
    double sd, dd;  // the shape whose converged impedances are wanted
    double er;
    double width;
    bool fiveChargeFails;  // so the start is its closed-form estimate, or a step from it
};

class ConvergedShapeFound : public testing::TestWithParam<Target> {};

// The found shape gives the wanted impedances on the converged model, within
// the width on the impedances for Er = 1.
TEST_P(ConvergedShapeFound, ReproducesWantedImpedances)
{
    const Target& c = GetParam();
    ConvergedSolver solver;
    const ConvergedImpedance wanted = solver.solve(c.sd, c.dd);
    ASSERT_EQ(wanted.error, "");
    const double rootEr = std::sqrt(c.er);
    const ShapeTargets targets{
        .ze = wanted.ze / rootEr, .zo = wanted.zo / rootEr, .er = c.er, .countLimit = 1000, .width = c.width};
    TQol_COAXMath2 calc(nullptr, nullptr, 1);
    EXPECT_EQ(!solveShapeFiveCharge(calc, targets).error.empty(), c.fiveChargeFails);

    const FoundShape found = solveShapeConverged(calc, targets);
    ASSERT_EQ(found.error, "");
    EXPECT_GE(found.count, 1);
    EXPECT_LE(found.count, targets.countLimit);
    const ConvergedImpedance z = solver.solve(found.sd, found.dd);
    ASSERT_EQ(z.error, "");
    EXPECT_LT(std::fabs(rootEr * targets.ze - z.ze), c.width);
    EXPECT_LT(std::fabs(rootEr * targets.zo - z.zo), c.width);
}

INSTANTIATE_TEST_SUITE_P(Cases, ConvergedShapeFound,
                         testing::Values(Target{"Example", 0.5, 10, 1, 1e-6, false},
                                         Target{"WindowWidth", 0.5, 10, 1, 0.01, false},
                                         Target{"Dielectric", 0.3, 4, 2.25, 1e-6, false},
                                         Target{"HugeDd", 0.5, 1e6, 1, 1e-6, false},
                                         Target{"CoreGap0_24", 0.112, 10, 4, 1e-6, true},
                                         Target{"CoreGapAtLimit", 0.1005, 10, 1, 1e-6, true},
                                         Target{"ShieldGapAtLimit", 0.5, 2.02, 1, 1e-6, true},
                                         Target{"SDAtLimit", 0.9, 10.2, 1, 1e-6, true}),
                         CaseName{});

// ---- The count ------------------------------------------------------------------------

// The count is 1 at the start and one more per trial; only a count above the
// limit fails.
TEST(ConvergedShapeCount, FailsOnlyAboveTheLimit)
{
    // From the five-charge answer, as the shape command starts it.
    TQol_COAXMath2 calc(nullptr, nullptr, 1);
    const FoundShape start = solveShapeFiveCharge(calc, {.ze = 133.2262051, .zo = 107.4234788});
    ASSERT_EQ(start.error, "");
    ShapeRequest request;
    request.ze = 133.2262051;
    request.zo = 107.4234788;
    request.width = 1e-9;
    request.startSD = start.sd;
    request.startDd = start.dd;
    const ShapeResult free = solveConvergedShape(request);
    ASSERT_EQ(free.error, "");
    ASSERT_GE(free.count, 3);

    request.countLimit = static_cast<int>(free.count);
    const ShapeResult atLimit = solveConvergedShape(request);
    EXPECT_EQ(atLimit.outcome, ShapeOutcome::Found);
    EXPECT_EQ(atLimit.count, free.count);

    request.countLimit = static_cast<int>(free.count) - 1;
    const ShapeResult over = solveConvergedShape(request);
    EXPECT_EQ(over.outcome, ShapeOutcome::CountOver);
    EXPECT_EQ(over.count, free.count);
    EXPECT_EQ(over.error, std::string(kConvergedCountOverStart) + " the limit is " + std::to_string(request.countLimit) +
                              " and the width was not reached within it");
    EXPECT_EQ(over.sd, 0);
    EXPECT_EQ(over.dd, 0);
}

// A start that already meets the width is the answer, unmoved, at count 1.
TEST(ConvergedShapeCount, StartAtTheAnswerIsCountOne)
{
    const ConvergedImpedance z = ConvergedSolver().solve(0.3, 4);
    ShapeRequest request;
    request.ze = z.ze;
    request.zo = z.zo;
    request.width = 1e-9;
    request.startSD = 0.3;
    request.startDd = 4;
    const ShapeResult found = solveConvergedShape(request);
    ASSERT_EQ(found.error, "");
    EXPECT_EQ(found.count, 1);
    EXPECT_EQ(found.sd, 0.3);
    EXPECT_EQ(found.dd, 4);
}

// The five-charge solve is only the start: with the largest limit and a
// tight width it once ran 19 s on to the user's limit (Ze 1397, Zo 100),
// where the default limit answers at once.
TEST(ConvergedShapeCount, TheStartStopsAtItsOwnLimit)
{
    TQol_COAXMath2 calc(nullptr, nullptr, 1);
    const FoundShape found = solveShapeConverged(
        calc, {.ze = 1397, .zo = 100, .er = 1, .countLimit = std::numeric_limits<int>::max(), .width = 1e-6});
    EXPECT_EQ(found.error, "");
    EXPECT_LE(calc.mCount, 1001);
}

// ---- Failures ---------------------------------------------------------------------------

struct Refused {
    const char* name;
    double ze, zo, er, width;
    double startSD, startDd;
    ShapeOutcome outcome;
    std::string error;
};

class ConvergedShapeRefused : public testing::TestWithParam<Refused> {};

TEST_P(ConvergedShapeRefused, GivesTextAndNoShape)
{
    const Refused& c = GetParam();
    ShapeRequest request;
    request.ze = c.ze;
    request.zo = c.zo;
    request.er = c.er;
    request.width = c.width;
    request.startSD = c.startSD;
    request.startDd = c.startDd;
    const ShapeResult result = solveConvergedShape(request);
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_EQ(result.error, c.error);
    EXPECT_EQ(result.sd, 0);
    EXPECT_EQ(result.dd, 0);
    EXPECT_EQ(result.count, 0);
}

const std::string kZeAboveZo = std::string(kZeNotAboveZoText.english);
const std::string kPositiveEr = std::string(kErNotPositiveText.english);
const std::string kPositiveZ = std::string(kTargetsNotPositiveText.english);
const std::string kPositiveWidth = std::string(kWidthNotPositiveText);
const std::string kNoStart = "cannot be brought into the converged solver's reach: ";

INSTANTIATE_TEST_SUITE_P(
    Cases, ConvergedShapeRefused,
    testing::Values(
        Refused{"ZeEqualsZo", 100, 100, 1, 0.01, 0.5, 10, ShapeOutcome::BadRequest, kZeAboveZo},
        Refused{"ZeBelowZo", 50, 100, 1, 0.01, 0.5, 10, ShapeOutcome::BadRequest, kZeAboveZo},
        Refused{"ZeNaN", kNaN, 50, 1, 0.01, 0.5, 10, ShapeOutcome::BadRequest, kZeAboveZo},
        Refused{"ErZero", 100, 50, 0, 0.01, 0.5, 10, ShapeOutcome::BadRequest, kPositiveEr},
        Refused{"ErNaN", 100, 50, kNaN, 0.01, 0.5, 10, ShapeOutcome::BadRequest, kPositiveEr},
        Refused{"ErInfinite", 100, 50, kInf, 0.01, 0.5, 10, ShapeOutcome::BadRequest, kPositiveEr},
        Refused{"ZeInfinite", kInf, 50, 1, 0.01, 0.5, 10, ShapeOutcome::BadRequest, kPositiveZ},
        Refused{"ZoZero", 100, 0, 1, 0.01, 0.5, 10, ShapeOutcome::BadRequest, kPositiveZ},
        Refused{"WidthZero", 100, 50, 1, 0, 0.5, 10, ShapeOutcome::BadRequest, kPositiveWidth},
        Refused{"WidthNaN", 100, 50, 1, kNaN, 0.5, 10, ShapeOutcome::BadRequest, kPositiveWidth},
        Refused{"StartSDNaN", 100, 50, 1, 0.01, kNaN, 10, ShapeOutcome::StartOutOfReach,
                "The start S/D nan, D/d 10 " + kNoStart + std::string(kSdNotPositiveText)},
        Refused{"StartSDNegative", 100, 50, 1, 0.01, -0.5, 10, ShapeOutcome::StartOutOfReach,
                "The start S/D -0.5, D/d 10 " + kNoStart + std::string(kSdNotPositiveText)},
        Refused{"StartDdInfinite", 100, 50, 1, 0.01, 0.5, kInf, ShapeOutcome::StartOutOfReach,
                "The start S/D 0.5, D/d inf " + kNoStart + std::string(kShieldTooSmallText.japanese)}),
    CaseName{});

struct Beyond {
    const char* name;
    double ze, zo;
};

class ConvergedShapeBeyondReach : public testing::TestWithParam<Beyond> {};

// Impedances that need a gap narrower than the reach, or S/D above 0.9, stop
// at its edge and say so.
TEST_P(ConvergedShapeBeyondReach, StopsAtTheEdge)
{
    const Beyond& c = GetParam();
    TQol_COAXMath2 calc(nullptr, nullptr, 1);
    const FoundShape result = solveShapeConverged(calc, {.ze = c.ze, .zo = c.zo, .er = 1, .countLimit = 1000, .width = 0.01});
    EXPECT_EQ(result.error.rfind("No trial step improves on", 0), 0u) << result.error;
    EXPECT_NE(result.error.find("at the edge of the converged solver's reach"), std::string::npos) << result.error;
    EXPECT_EQ(result.sd, 0);
    EXPECT_EQ(result.dd, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, ConvergedShapeBeyondReach,
                         testing::Values(Beyond{"CoresTooClose", 400, 2}, Beyond{"SDAbove0_9", 50, 49.9}),
                         CaseName{});

}  // namespace
