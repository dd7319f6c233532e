#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "CaseName.h"
#include "line/LineNetwork.h"
#include "line/LineSweep.h"
#include "line/MixedMode.h"
#include "line/ModelTexts.h"
#include "line/Rlgc.h"
#include "LineCases.h"

namespace {

using namespace lineCases;

constexpr double kPi = std::numbers::pi;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

LineLosses lossy(DielectricModel model = DielectricModel::ConstantLossTangent)
{
    LineLosses losses;
    losses.tanDelta = {2e-4, 2e-4, 2e-4};
    losses.conductivity = kCopper;
    losses.dielectric = model;
    return losses;
}

LineLosses lossless()
{
    LineLosses losses;
    losses.conductivity = kInfinity;
    return losses;
}

NetworkPoint pointAt(const RlgcModel& model, double f, const NetworkRequest& request = {})
{
    const NetworkAtFrequency at = networkAt(model.at(f), request);
    EXPECT_EQ(at.error, "");
    return at.point;
}

double largestDifference(const Mat4& a, const Mat4& b)
{
    double most = 0;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            most = std::max(most, std::abs(a[i][j] - b[i][j]));
    return most;
}

Mat4 identity4()
{
    Mat4 m{};
    for (int i = 0; i < 4; ++i)
        m[i][i] = 1;
    return m;
}

Mat4 operator*(const Mat4& x, const Mat4& y)
{
    Mat4 m{};
    for (int i = 0; i < 4; ++i)
        for (int k = 0; k < 4; ++k)
            for (int j = 0; j < 4; ++j)
                m[i][j] += x[i][k] * y[k][j];
    return m;
}

Mat4 adjoint(const Mat4& m)
{
    Mat4 a{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            a[i][j] = std::conj(m[j][i]);
    return a;
}

Mat4 transposed(const Mat4& m)
{
    Mat4 t{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            t[i][j] = m[j][i];
    return t;
}

// The largest singular value, by power iteration on S^H S.
double largestSingularValue(const Mat4& s)
{
    const Mat4 h = adjoint(s) * s;
    std::array<Complex, 4> v{1.0, 0.5, 0.25, 0.125};
    double value = 0;
    for (int k = 0; k < 500; ++k) {
        std::array<Complex, 4> w{};
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                w[i] += h[i][j] * v[j];
        double norm = 0;
        for (const Complex& x : w)
            norm += std::norm(x);
        norm = std::sqrt(norm);
        for (int i = 0; i < 4; ++i)
            v[i] = w[i] / norm;
        value = norm;
    }
    return std::sqrt(value);
}

// One mode of the symmetric pair as a two-port line: impedance zc, gamma,
// terminated in `reference` at both ends.
struct ModeLine {
    Complex s11, s21;
};

ModeLine modeLine(Complex z, Complex y, double length, double reference, double referenceScale)
{
    const Complex gamma = std::sqrt(z * y), zc = referenceScale * std::sqrt(z / y);
    const Complex g = (zc - reference) / (zc + reference), p = std::exp(-gamma * length);
    const Complex denominator = 1.0 - g * g * p * p;
    return {g * (1.0 - p * p) / denominator, p * (1.0 - g * g) / denominator};
}

struct SymmetricCase {
    const char* name;
    CrossSection section;
    DielectricModel dielectric;
    double frequency;
    double length;
};

class SymmetricPairNetwork : public testing::TestWithParam<SymmetricCase> {};

// The even and odd modes of a symmetric pair are exact eigenmodes: each is a
// line of its own, Zc = sqrt(Z/Y) and gamma = sqrt(Z Y) from Z = z11 +- z12
// and Y = y11 +- y12 per core, and the single-ended and mixed-mode matrices
// follow from the two in closed form.
TEST_P(SymmetricPairNetwork, IsTheEvenOddClosedForm)
{
    const SymmetricCase& c = GetParam();
    const RlgcModel model(c.section, solved(c.section), lossy(c.dielectric));
    ASSERT_EQ(model.error(), "");
    const Rlgc x = model.at(c.frequency);
    NetworkRequest request;
    request.length = c.length;
    const NetworkPoint p = pointAt(model, c.frequency, request);

    const double w = 2 * kPi * c.frequency;
    const auto z = [&](double sign) { return Complex(x.r.xx + sign * x.r.xy, w * (x.l.xx + sign * x.l.xy)); };
    const auto y = [&](double sign) { return Complex(x.g.xx + sign * x.g.xy, w * (x.c.xx + sign * x.c.xy)); };
    const ModeLine even = modeLine(z(1), y(1), c.length, 50, 1), odd = modeLine(z(-1), y(-1), c.length, 50, 1);
    // Through order: 1 near 1, 2 far 1, 3 near 2, 4 far 2.
    const Mat4& s = p.singleEnded;
    EXPECT_LE(std::abs(s[0][0] - (even.s11 + odd.s11) / 2.0), 1e-12);
    EXPECT_LE(std::abs(s[2][0] - (even.s11 - odd.s11) / 2.0), 1e-12);
    EXPECT_LE(std::abs(s[1][0] - (even.s21 + odd.s21) / 2.0), 1e-12);
    EXPECT_LE(std::abs(s[3][0] - (even.s21 - odd.s21) / 2.0), 1e-12);
    EXPECT_LE(std::abs(s[3][2] - (even.s21 + odd.s21) / 2.0), 1e-12);

    // Mixed mode: Zdiff = 2 Zo against 100 ohm, Zcm = Ze/2 against 25 ohm.
    const ModeLine diff = modeLine(z(-1), y(-1), c.length, 100, 2), common = modeLine(z(1), y(1), c.length, 25, 0.5);
    const Mat4& m = p.mixedMode;
    EXPECT_LE(std::abs(m[0][0] - diff.s11), 1e-12);
    EXPECT_LE(std::abs(m[1][0] - diff.s21), 1e-12);
    EXPECT_LE(std::abs(m[2][2] - common.s11), 1e-12);
    EXPECT_LE(std::abs(m[3][2] - common.s21), 1e-12);
    for (int i = 0; i < 2; ++i)
        for (int j = 2; j < 4; ++j) {
            EXPECT_LE(std::abs(m[i][j]), 1e-13) << "no mode conversion in a symmetric pair";
            EXPECT_LE(std::abs(m[j][i]), 1e-13);
        }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SymmetricPairNetwork,
    testing::Values(SymmetricCase{"HomogeneousMegahertz", homogeneousPair(), DielectricModel::ConstantLossTangent, 1e6, 1},
                    SymmetricCase{"HomogeneousGigahertz", homogeneousPair(), DielectricModel::ConstantLossTangent, 5e9, 0.3},
                    SymmetricCase{"InsulatedKilohertz", insulatedPair(), DielectricModel::Wideband, 1e3, 10},
                    SymmetricCase{"InsulatedGigahertz", insulatedPair(), DielectricModel::Wideband, 5e9, 1},
                    SymmetricCase{"InsulatedLong", insulatedPair(), DielectricModel::Wideband, 2e10, 30}),
    CaseName{});

struct Line {
    const char* name;
    CrossSection section;
};

class AnyLineNetwork : public testing::TestWithParam<Line> {};

// Reciprocal, passive, and, without loss, lossless, at every frequency.
TEST_P(AnyLineNetwork, ReciprocalPassiveLossless)
{
    const CrossSection& s = GetParam().section;
    const FieldSolution solution = solved(s);
    const RlgcModel withLoss(s, solution, lossy(DielectricModel::Wideband)), without(s, solution, lossless());
    for (double f = 1e3; f <= 2e10; f *= 3.7) {
        const NetworkPoint p = pointAt(withLoss, f);
        EXPECT_LE(largestDifference(p.singleEnded, transposed(p.singleEnded)), 1e-12) << f;
        EXPECT_LE(largestDifference(p.mixedMode, transposed(p.mixedMode)), 1e-12) << f;
        EXPECT_LE(largestSingularValue(p.singleEnded), 1) << f;
        const NetworkPoint q = pointAt(without, f);
        EXPECT_LE(largestDifference(adjoint(q.singleEnded) * q.singleEnded, identity4()), 1e-12) << f;
        EXPECT_LE(largestDifference(adjoint(q.mixedMode) * q.mixedMode, identity4()), 1e-12) << f;
    }
}

// A length is two half lengths joined: with the halves' admittance blocks
// A (an end to itself) and B (across), eliminating the middle node gives
// A - B (2A)^-1 B and -B (2A)^-1 B for the whole. This holds only with the
// right modes and the right root of each gamma^2.
TEST_P(AnyLineNetwork, TwoHalvesMakeTheWhole)
{
    const CrossSection& s = GetParam().section;
    const RlgcModel model(s, solved(s), lossy(DielectricModel::Wideband));
    const auto blocks = [](const EndNetworks& e) {
        const CMat2 opposed = inverse(e.opposed);
        const CMat2 self{(e.alike.a + opposed.a) / 2.0, (e.alike.b + opposed.b) / 2.0,
                         (e.alike.c + opposed.c) / 2.0, (e.alike.d + opposed.d) / 2.0};
        const CMat2 across{(e.alike.a - opposed.a) / 2.0, (e.alike.b - opposed.b) / 2.0,
                           (e.alike.c - opposed.c) / 2.0, (e.alike.d - opposed.d) / 2.0};
        return std::pair{self, across};
    };
    for (double f : {1e4, 1e7, 3e9}) {
        const Rlgc x = model.at(f);
        const auto whole = lineEnds(x, 2), half = lineEnds(x, 1);
        ASSERT_TRUE(whole && half);
        const auto [a, b] = blocks(*half);
        const auto [self, across] = blocks(*whole);
        const CMat2 middle = b * inverse(CMat2{2.0 * a.a, 2.0 * a.b, 2.0 * a.c, 2.0 * a.d}) * b;
        const double scale = std::abs(self.a);
        EXPECT_LE(std::abs(self.a - (a.a - middle.a)), 1e-10 * scale) << f;
        EXPECT_LE(std::abs(self.b - (a.b - middle.b)), 1e-10 * scale) << f;
        EXPECT_LE(std::abs(self.d - (a.d - middle.d)), 1e-10 * scale) << f;
        EXPECT_LE(std::abs(across.a + middle.a), 1e-10 * scale) << f;
        EXPECT_LE(std::abs(across.b + middle.b), 1e-10 * scale) << f;
    }
}

// Through and sequential numbering are one network.
TEST_P(AnyLineNetwork, PortOrdersAreOneNetwork)
{
    const CrossSection& s = GetParam().section;
    const RlgcModel model(s, solved(s), lossy());
    NetworkRequest through, sequential;
    sequential.order = PortOrder::Sequential;
    const Mat4 a = pointAt(model, 1e9, through).singleEnded, b = pointAt(model, 1e9, sequential).singleEnded;
    const std::array<int, 4> ta = portIndex(PortOrder::Through), sb = portIndex(PortOrder::Sequential);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            EXPECT_EQ(a[ta[i]][ta[j]], b[sb[i]][sb[j]]);
    EXPECT_EQ(a[1][0], b[2][0]);  // far core 1 from near core 1
}

INSTANTIATE_TEST_SUITE_P(Sections, AnyLineNetwork,
                         testing::Values(Line{"Homogeneous", homogeneousPair()}, Line{"Insulated", insulatedPair()},
                                         Line{"Unequal", unequalPair()}),
                         CaseName{});

// Unequal cores convert modes: a differential wave arrives partly as a
// common one.
TEST(LineNetwork, UnequalPairConvertsModes)
{
    const CrossSection s = unequalPair();
    const RlgcModel model(s, solved(s), lossy());
    const Mat4 m = pointAt(model, 1e9).mixedMode;
    EXPECT_GT(std::abs(m[3][0]), 1e-3);  // common far from differential near
}

// At 0 Hz the lossy line is a resistor in each core: S21 = 2 R0/(2 R0 + R l)
// with R the wire's DC resistance, and nothing from one core to the other.
TEST(LineNetwork, DcPointIsTheWiresResistance)
{
    const CrossSection s = homogeneousPair();
    const RlgcModel model(s, solved(s), lossy());
    NetworkRequest request;
    request.length = 3;
    const Mat4 m = pointAt(model, 0, request).singleEnded;
    const double r = 3 / (kCopper * kPi * 0.255e-3 * 0.255e-3);
    EXPECT_NEAR(m[1][0].real(), 100 / (100 + r), 1e-14);
    EXPECT_NEAR(m[0][0].real(), r / (100 + r), 1e-14);
    EXPECT_EQ(std::abs(m[2][0]), 0);
    EXPECT_LE(largestDifference(m, pointAt(model, 1e-3, request).singleEnded), 1e-9);
}

// Without loss the line at 0 Hz joins each near end to its far end.
TEST(LineNetwork, LosslessDcPointIsAThrough)
{
    const CrossSection s = unequalPair();
    const RlgcModel model(s, solved(s), lossless());
    const Mat4 m = pointAt(model, 0).singleEnded;
    Mat4 through{};
    through[0][1] = through[1][0] = through[2][3] = through[3][2] = 1;
    EXPECT_LE(largestDifference(m, through), 1e-15);
    EXPECT_LE(largestDifference(m, pointAt(model, 1e-3).singleEnded), 1e-9);
}

// The estimate of the S-parameters' error covers what a solve at higher
// orders changes.
TEST(LineNetwork, ErrorEstimateCoversAHigherOrderSolve)
{
    const CrossSection s = unequalPair();
    const FieldSolution base = solved(s);
    const FieldSolution higher = InsulatedSolver().solve(s, {false, base.order * 4 / 3, base.vacuumOrder * 4 / 3});
    ASSERT_EQ(higher.reason, "");
    std::vector<double> frequencies;
    for (double f = 1e6; f <= 1e10; f *= 10)
        frequencies.push_back(f);
    NetworkRequest request;
    request.length = 5;
    const NetworkSweep a = networkSweep(RlgcModel(s, base, lossy()), frequencies, request);
    const NetworkSweep b = networkSweep(RlgcModel(s, higher, lossy()), frequencies, request);
    ASSERT_EQ(a.error, "");
    ASSERT_EQ(b.error, "");
    EXPECT_LT(a.errorEstimate, 1e-6);
    for (std::size_t k = 0; k < frequencies.size(); ++k)
        EXPECT_LE(largestDifference(a.points[k].singleEnded, b.points[k].singleEnded), a.errorEstimate) << k;
}

struct SweepRefusal {
    const char* name;
    NetworkRequest request;
    std::vector<double> frequencies;
    std::string_view text;
};

NetworkRequest requestWith(void (*change)(NetworkRequest&))
{
    NetworkRequest r;
    change(r);
    return r;
}

class NetworkSweepRefusal : public testing::TestWithParam<SweepRefusal> {};

TEST_P(NetworkSweepRefusal, SaysWhyAndGivesNoPoints)
{
    const SweepRefusal& c = GetParam();
    const CrossSection s = homogeneousPair();
    const NetworkSweep sweep =
        networkSweep(RlgcModel(s, solved(s), lossy()), c.frequencies, c.request);
    EXPECT_EQ(sweep.error, c.text);
    EXPECT_TRUE(sweep.points.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NetworkSweepRefusal,
    testing::Values(
        SweepRefusal{"ZeroLength", requestWith([](NetworkRequest& r) { r.length = 0; }), {1e9}, kLengthText},
        SweepRefusal{"NegativeReference", requestWith([](NetworkRequest& r) { r.reference[1] = -50; }), {1e9},
                     kReferenceText},
        SweepRefusal{"ZeroDifferentialReference", requestWith([](NetworkRequest& r) { r.differentialReference = 0; }),
                     {1e9}, kReferenceText},
        SweepRefusal{"Decreasing", {}, {2e9, 1e9}, kFrequenciesText},
        SweepRefusal{"Repeated", {}, {1e9, 1e9}, kFrequenciesText},
        SweepRefusal{"Negative", {}, {-1, 1e9}, kFrequenciesText},
        SweepRefusal{"Infinite", {}, {1e9, INFINITY}, kFrequenciesText}),
    CaseName{});

}  // namespace
