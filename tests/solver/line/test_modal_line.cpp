#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "CaseName.h"
#include "Codata.h"
#include "field/PairModes.h"
#include "line/ModalLine.h"
#include "line/Rlgc.h"
#include "LineCases.h"

namespace {

using namespace lineCases;

LineLosses copperPtfe()
{
    LineLosses losses;
    losses.tanDelta = {2e-4, 2e-4, 2e-4};
    losses.conductivity = kCopper;
    return losses;
}

// T D T' for a diagonal D.
Sym2 fromModes(const Mat2& t, double d1, double d2)
{
    return congruence(Sym2{d1, 0, d2}, Mat2{t.a, t.c, t.b, t.d});
}

double relativeGap(const Sym2& a, const Sym2& b)
{
    return largestGeneralised(a - b, b);
}

// A symmetric pair's modes are even and odd exactly, R and G included: the
// (1, 1) mode is the common mode, Vc over Ic, and the (1, -1) mode carries
// Vd/2 over 2 Id, a quarter of Zdiff; each at its mode's delay.
TEST(ModalLine, SymmetricPairIsEvenAndOdd)
{
    const CrossSection s = insulatedPair();
    const FieldSolution solution = solved(s);
    const Rlgc x = RlgcModel(s, solution, copperPtfe()).at(1e9);
    const ModalLine m = modalLine(x);
    EXPECT_EQ(m.voltage.a, 1);
    EXPECT_EQ(m.voltage.c, 1);
    EXPECT_EQ(m.voltage.b, 1);
    EXPECT_EQ(m.voltage.d, -1);
    EXPECT_EQ(m.droppedCoupling, 0);
    const PairModes modes = pairModes(solution);
    LineLosses lossless;
    lossless.conductivity = std::numeric_limits<double>::infinity();
    const ModalLine bare = modalLine(RlgcModel(s, solution, lossless).at(1e9));
    EXPECT_NEAR(std::sqrt(bare.l[0] / bare.c[0]) / modes.zCommon, 1, 1e-12);
    EXPECT_NEAR(std::sqrt(bare.l[1] / bare.c[1]) / (modes.zDiff / 4), 1, 1e-12);
    EXPECT_NEAR(std::sqrt(bare.l[0] * bare.c[0]) / modes.even.delay, 1, 1e-12);
    EXPECT_NEAR(std::sqrt(bare.l[1] * bare.c[1]) / modes.odd.delay, 1, 1e-12);
}

struct Section {
    const char* name;
    CrossSection section;
};

class UnequalModalLine : public testing::TestWithParam<Section> {};

// The modal lines rebuild L and C exactly, L = T diag(l) T' and
// C = T'^-1 diag(c) T^-1, which holds only if both are diagonal in T; R and
// G keep a coupling the modal lines leave out, and it is reported.
TEST_P(UnequalModalLine, DiagonalisesLAndC)
{
    const CrossSection& s = GetParam().section;
    const Rlgc x = RlgcModel(s, solved(s), copperPtfe()).at(1e9);
    const ModalLine m = modalLine(x);
    EXPECT_LE(relativeGap(fromModes(m.voltage, m.l[0], m.l[1]), x.l), 1e-12);
    const Mat2 inverseT = inverse(m.voltage);
    const Sym2 c = congruence(Sym2{m.c[0], 0, m.c[1]}, inverseT);  // T'^-1 diag(c) T^-1
    EXPECT_LE(relativeGap(c, x.c), 1e-12);
    EXPECT_GT(m.droppedCoupling, 1e-5);
    EXPECT_LT(m.droppedCoupling, 1);
}

INSTANTIATE_TEST_SUITE_P(Sections, UnequalModalLine,
                         testing::Values(Section{"Insulated", unequalPair()},
                                         Section{"OneDielectric", [] {
                                             CrossSection c = unequalPair();
                                             for (Core& core : c.cores)
                                                 core.sleeveDiameter = core.diameter;
                                             c.fillerEr = 2.1;
                                             return c;
                                         }()}),
                         CaseName{});

}  // namespace
