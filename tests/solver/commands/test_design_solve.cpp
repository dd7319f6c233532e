// The design solve recovers a dimension from the impedance the forward solve
// gives it: the round trip through the field solution is the check.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "CaseName.h"
#include "commands/DesignSolve.h"
#include "SolverTexts.h"

namespace {

// A 100 ohm data-bus twinax in millimetres: 24 AWG cores in PE, in air, in a
// round shield.
PairDesign twinax()
{
    PairDesign design;
    design.coreDiameter = 0.511e-3;
    design.sleeveDiameter = 1.3e-3;
    design.spacing = 1.5e-3;
    design.shieldDiameter = 3.4e-3;
    design.sleeveEr = 2.26;
    design.fillerEr = 1;
    return design;
}

double& dimension(PairDesign& design, DesignDimension which)
{
    switch (which) {
    case DesignDimension::ShieldDiameter: return design.shieldDiameter;
    case DesignDimension::Spacing: return design.spacing;
    case DesignDimension::SleeveDiameter: return design.sleeveDiameter;
    case DesignDimension::CoreDiameter: return design.coreDiameter;
    }
    return design.shieldDiameter;
}

struct RoundTrip {
    const char* name;
    DesignDimension free;
    DesignTarget target;
    bool sleevesTouch;
};

class DesignRoundTrip : public testing::TestWithParam<RoundTrip> {};

TEST_P(DesignRoundTrip, RecoversTheDimension)
{
    const RoundTrip& c = GetParam();
    PairDesign truth = twinax();
    truth.spacingTouch = c.sleevesTouch;
    InsulatedSolver solver;
    const PairModes modes = pairModes(solver.solve(crossSectionOf(truth)));
    ASSERT_EQ(modes.error, "");
    const TargetValue target{c.target, targetOhms(c.target, modes)};

    PairDesign start = truth;
    dimension(start, c.free) *= 0.9;  // where the designer begins: only the range matters
    const DesignDimension free[] = {c.free};
    DesignResult found = solveDesign(solver, start, free, {&target, 1});
    ASSERT_EQ(found.error, "");
    EXPECT_NEAR(dimension(found.design, c.free) / dimension(truth, c.free), 1, 1e-9);
    EXPECT_NEAR(targetOhms(c.target, found.modes) / target.ohms, 1, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DesignRoundTrip,
    testing::Values(RoundTrip{"ShieldForZdiff", DesignDimension::ShieldDiameter, DesignTarget::Zdiff, false},
                    RoundTrip{"ShieldForZcm", DesignDimension::ShieldDiameter, DesignTarget::Zcm, false},
                    RoundTrip{"SpacingForZdiff", DesignDimension::Spacing, DesignTarget::Zdiff, false},
                    RoundTrip{"SpacingForZe", DesignDimension::Spacing, DesignTarget::Ze, false},
                    RoundTrip{"SleeveForZo", DesignDimension::SleeveDiameter, DesignTarget::Zo, false},
                    RoundTrip{"SleeveTouchingForZdiff", DesignDimension::SleeveDiameter, DesignTarget::Zdiff, true},
                    RoundTrip{"CoreForZdiff", DesignDimension::CoreDiameter, DesignTarget::Zdiff, false},
                    RoundTrip{"ShieldTouchingSleevesForZdiff", DesignDimension::ShieldDiameter,
                              DesignTarget::Zdiff, true}),
    CaseName());

// Solving for Di with the sleeves touching moves S with it.
TEST(DesignSolve, ContactsFollowTheSolvedDimension)
{
    PairDesign start = twinax();
    start.spacingTouch = true;
    InsulatedSolver solver;
    const TargetValue target{DesignTarget::Zdiff, 100};
    const DesignDimension free[] = {DesignDimension::SleeveDiameter};
    const DesignResult found = solveDesign(solver, start, free, {&target, 1});
    ASSERT_EQ(found.error, "");
    EXPECT_EQ(found.design.spacingOf(), found.design.sleeveDiameter);
    EXPECT_NEAR(found.modes.zDiff, 100, 1e-7);
}

// D and S for Zdiff and Zcm together; the truth is where the forward solve
// put them.
TEST(DesignSolve, TwoDimensionsForTwoTargets)
{
    const PairDesign truth = twinax();
    InsulatedSolver solver;
    const PairModes modes = pairModes(solver.solve(crossSectionOf(truth)));
    const TargetValue targets[] = {{DesignTarget::Zdiff, modes.zDiff}, {DesignTarget::Zcm, modes.zCommon}};
    const DesignDimension free[] = {DesignDimension::ShieldDiameter, DesignDimension::Spacing};
    PairDesign start = truth;
    start.shieldDiameter = 0;  // not given: the solve chooses its start
    start.spacing = 0;
    const DesignResult found = solveDesign(solver, start, free, targets);
    ASSERT_EQ(found.error, "");
    EXPECT_NEAR(found.design.shieldDiameter / truth.shieldDiameter, 1, 1e-8);
    EXPECT_NEAR(found.design.spacing / truth.spacing, 1, 1e-8);
}

// A target the range cannot reach gives the range it spans, and the range
// holds the values at its ends.
TEST(DesignSolve, OutOfReachSaysTheRange)
{
    PairDesign start = twinax();
    start.spacingTouch = true;
    start.shieldTouch = true;
    InsulatedSolver solver;
    const TargetValue target{DesignTarget::Zdiff, 1000};
    const DesignDimension free[] = {DesignDimension::CoreDiameter};
    const DesignResult found = solveDesign(solver, start, free, {&target, 1});
    EXPECT_EQ(found.error.rfind("The target 1000 ohm is out of reach", 0), 0u) << found.error;
    EXPECT_LT(found.reachableLow, found.reachableHigh);
    EXPECT_LT(found.reachableHigh, 1000);
    const PairModes atTouch = pairModes(solver.solve(crossSectionOf(start)));
    EXPECT_LE(found.reachableLow, atTouch.zDiff * (1 + 1e-9));
    EXPECT_GE(found.reachableHigh, atTouch.zDiff * (1 - 1e-9));
}

struct Refusal {
    const char* name;
    bool spacingTouch, shieldTouch, bare;
    std::vector<DesignDimension> free;
    std::string error;
};

class DesignRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(DesignRefusal, SaysWhy)
{
    const Refusal& c = GetParam();
    PairDesign start = twinax();
    start.spacingTouch = c.spacingTouch;
    start.shieldTouch = c.shieldTouch;
    if (c.bare)
        start.sleeveDiameter = 0;
    InsulatedSolver solver;
    const TargetValue targets[] = {{DesignTarget::Zdiff, 100}, {DesignTarget::Zcm, 30}};
    const DesignResult found = solveDesign(solver, start, c.free, {targets, c.free.size()});
    EXPECT_EQ(found.error, c.error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DesignRefusal,
    testing::Values(Refusal{"SpacingByContact", true, false, false, {DesignDimension::Spacing},
                            std::string(kSpacingByContactText)},
                    Refusal{"ShieldByContact", false, true, false, {DesignDimension::ShieldDiameter},
                            std::string(kShieldByContactText)},
                    Refusal{"BareSleeve", false, false, true, {DesignDimension::SleeveDiameter},
                            std::string(kNoSleeveToSolveText)},
                    Refusal{"NothingFree", false, false, false, {}, std::string(kDesignCountText)}),
    CaseName());

}  // namespace
