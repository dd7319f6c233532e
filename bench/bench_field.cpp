// Speed of the field solver for insulated cores, at its 1e-9 promise: one
// solve is both modes, with and without the dielectrics (C and C0), with
// dC/dEr and Rhat; a design solve and the loss built on it. Lengths in shield diameters. Run with
// --benchmark_repetitions=5 for medians.
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

#include "commands/DesignSolve.h"
#include "field/InsulatedSolver.h"
#include "line/ModeLoss.h"

namespace {

CrossSection pair(double s, double d, double di, double er1)
{
    CrossSection c;
    c.cores[0] = {s / 2, 0, d, di, 0, 0, er1};
    c.cores[1] = {-s / 2, 0, d, di, 0, 0, er1};
    c.shield = RoundShield{1};
    return c;
}

void solveAt(benchmark::State& state, const CrossSection& section)
{
    InsulatedSolver solver;
    FieldSolution f;
    for (auto _ : state) {
        f = solver.solve(section);
        benchmark::DoNotOptimize(f.c.xx);
    }
    if (!f.reason.empty())
        state.SkipWithError(f.reason.c_str());
    state.counters["order"] = f.order;
    state.counters["vacuumOrder"] = f.vacuumOrder;
    state.counters["bound"] = f.bound;
}

// PTFE sleeves apart from each other and from the shield.
void BM_FieldApart(benchmark::State& state)
{
    solveAt(state, pair(0.4, 0.1, 0.25, 2.1));
}
BENCHMARK(BM_FieldApart)->Unit(benchmark::kMicrosecond);

// PTFE sleeves touching each other and the shield.
void BM_FieldTouchingPtfe(benchmark::State& state)
{
    solveAt(state, pair(0.5, 0.3, 0.5, 2.1));
}
BENCHMARK(BM_FieldTouchingPtfe)->Unit(benchmark::kMicrosecond);

// Er 10 sleeves touching each other and the shield.
void BM_FieldTouchingEr10(benchmark::State& state)
{
    solveAt(state, pair(0.5, 0.3, 0.5, 10));
}
BENCHMARK(BM_FieldTouchingEr10)->Unit(benchmark::kMillisecond);

// The same with sleeves 1/50 of the core radius thick: the slowest touching case.
void BM_FieldTouchingEr10Thin(benchmark::State& state)
{
    solveAt(state, pair(0.5, 0.49, 0.5, 10));
}
BENCHMARK(BM_FieldTouchingEr10Thin)->Unit(benchmark::kMillisecond);

// Bare cores 0.01 r apart, the narrowest gap in reach.
void BM_FieldBareGap0_01(benchmark::State& state)
{
    solveAt(state, pair(0.1005, 0.1, 0.1, 1));
}
BENCHMARK(BM_FieldBareGap0_01)->Unit(benchmark::kMillisecond);

// Unequal, off-centre PTFE cores apart: a tolerance sample on the general path.
void BM_FieldGeneralApart(benchmark::State& state)
{
    CrossSection c = pair(0.4, 0.1, 0.25, 2.1);
    c.cores[0] = {0.205, 0.01, 0.102, 0.251, 0, 0, 2.1};
    c.cores[1] = {-0.197, -0.004, 0.099, 0.248, 0, 0, 2.12};
    solveAt(state, c);
}
BENCHMARK(BM_FieldGeneralApart)->Unit(benchmark::kMicrosecond);

// The same with core 1 a fifth of its wall off its sleeve's centre.
void BM_FieldEccentricApart(benchmark::State& state)
{
    CrossSection c = pair(0.4, 0.1, 0.25, 2.1);
    c.cores[0] = {0.205, 0.01, 0.102, 0.251, 0.0149, 0, 2.1};
    c.cores[1] = {-0.197, -0.004, 0.099, 0.248, 0, 0, 2.12};
    solveAt(state, c);
}
BENCHMARK(BM_FieldEccentricApart)->Unit(benchmark::kMicrosecond);

// PE sleeves touching, core 1 moved 0.9 of its wall towards core 2
// inside its sleeve: the thin side at the contact.
void BM_FieldEccentricTouching(benchmark::State& state)
{
    CrossSection c = pair(0.4, 0.16, 0.4, 2.25);
    c.cores[0] = {0.2 - 0.108, 0, 0.16, 0.4, 0.108, 0, 2.25};
    solveAt(state, c);
}
BENCHMARK(BM_FieldEccentricTouching)->Unit(benchmark::kMicrosecond);

// The same with the thin side facing the shield, away from the contact,
// which the sleeve's frame then squeezes: the slowest eccentric case.
void BM_FieldEccentricAwayFromContact(benchmark::State& state)
{
    CrossSection c = pair(0.4, 0.16, 0.4, 2.25);
    c.cores[0] = {0.2 + 0.108, 0, 0.16, 0.4, -0.108, 0, 2.25};
    solveAt(state, c);
}
BENCHMARK(BM_FieldEccentricAwayFromContact)->Unit(benchmark::kMillisecond);

// Unequal sleeves, Er 10 and 2.1, touching each other and one the shield.
void BM_FieldGeneralTouching(benchmark::State& state)
{
    CrossSection c;
    const double angle = 160 * std::numbers::pi / 180;
    c.cores[0] = {0.28, 0, 0.3, 0.44, 0, 0, 10};
    c.cores[1] = {0.28 + 0.4 * std::cos(angle), 0.4 * std::sin(angle), 0.2, 0.36, 0, 0, 2.1};
    c.shield = RoundShield{1};
    solveAt(state, c);
}
BENCHMARK(BM_FieldGeneralTouching)->Unit(benchmark::kMillisecond);

// A design for one dimension: D of 24 AWG cores in 1.3 mm PE sleeves,
// touching, for Zdiff 100 ohm.
void BM_DesignShieldForZdiff(benchmark::State& state)
{
    PairDesign start;
    start.coreDiameter = 0.511e-3;
    start.sleeveDiameter = 1.3e-3;
    start.spacingTouch = true;
    start.sleeveEr = 2.26;
    const DesignDimension free[] = {DesignDimension::ShieldDiameter};
    const TargetValue targets[] = {{DesignTarget::Zdiff, 100}};
    InsulatedSolver solver;
    DesignResult found;
    for (auto _ : state) {
        found = solveDesign(solver, start, free, targets);
        benchmark::DoNotOptimize(found.design.shieldDiameter);
    }
    if (!found.error.empty())
        state.SkipWithError(found.error.c_str());
}
BENCHMARK(BM_DesignShieldForZdiff)->Unit(benchmark::kMillisecond);

// Both modes' loss at 1 GHz of PTFE sleeves apart, 0.51 mm copper cores:
// the field solve and the line model at one frequency.
void BM_LossApart(benchmark::State& state)
{
    const double scale = 0.51e-3 / 0.1;  // m per shield diameter
    CrossSection c = pair(0.4 * scale, 0.1 * scale, 0.25 * scale, 2.1);
    c.shield = RoundShield{scale};
    InsulatedSolver solver;
    PairLoss loss;
    LineLosses losses;
    losses.tanDelta = {2e-4, 2e-4, 0};
    for (auto _ : state) {
        const RlgcModel model(c, solver.solve(c), losses);
        loss = pairLoss(model, 1e9);
        benchmark::DoNotOptimize(loss.differential.total);
    }
    if (!loss.error.empty())
        state.SkipWithError(loss.error.c_str());
}
BENCHMARK(BM_LossApart)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
