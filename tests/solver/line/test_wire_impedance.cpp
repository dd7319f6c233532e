#include <gtest/gtest.h>

#include <complex>

#include "CaseName.h"
#include "line/WireImpedance.h"

namespace {

struct WireCase {
    const char* name;
    double x;  // r / skin depth
    std::complex<double> excess;
};

class WireImpedance : public testing::TestWithParam<WireCase> {};

// Against (z/2) J0(z)/J1(z) - 1 at 40 digits (mpmath's besselj, an
// independent evaluation), on either side of each change of method.
TEST_P(WireImpedance, MatchesBesselFunctions)
{
    const WireCase& c = GetParam();
    const std::complex<double> ours = wireExcessRatio(c.x);
    EXPECT_LE(std::abs(ours - c.excess), 1e-14 * std::abs(c.excess)) << ours;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WireImpedance,
    testing::Values(WireCase{"NearDc", 1e-6, {2.0833333333333343e-26, 2.5e-13}},
                    WireCase{"Tenth", 0.1, {2.0833298611175053e-6, 0.0024999973958380353}},
                    WireCase{"One", 1, {0.020492388855622504, 0.24744199828150277}},
                    WireCase{"BelowTwo", 1.999, {0.26421999807293639, 0.86981376551532078}},
                    WireCase{"AboveTwo", 2.001, {0.26506612028986725, 0.87115133200586902}},
                    WireCase{"Five", 5, {1.7681076007342901, 2.476724788070854}},
                    WireCase{"BelowTwenty", 19.99, {9.2496814466266949, 9.9900678852152827}},
                    WireCase{"AboveTwenty", 20.01, {9.2596767850111319, 10.000073064324496}},
                    WireCase{"Forty", 40, {19.252342746369148, 19.997596696158574}},
                    WireCase{"ThreeHundred", 300, {149.25031249770829, 149.99968645605474}}),
    CaseName{});

// The two ends in closed form: j x^2/4 + x^4/48 near DC (the wire's DC
// internal inductance mu0/(8 pi)), (1 + j) x/2 - 3/4 where the skin is thin
// (Rs/(2 pi r) with the first curvature term).
TEST(WireImpedance, Limits)
{
    const double small = 1e-3;
    const std::complex<double> low = wireExcessRatio(small);
    EXPECT_NEAR(low.imag() / (small * small / 4), 1, 1e-10);
    EXPECT_NEAR(low.real() / (small * small * small * small / 48), 1, 1e-5);
    const double large = 1e4;
    const std::complex<double> high = wireExcessRatio(large);
    EXPECT_NEAR(high.real(), large / 2 - 0.75, 1e-3);
    EXPECT_NEAR(high.imag(), large / 2, 1e-3);
}

}  // namespace
