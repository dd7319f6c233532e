#include "field/ConvergedSolver.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <optional>

#include "Codata.h"
#include "SolverTexts.h"

namespace {

using Complex = std::complex<double>;

// Z = 1 / (c C), and C = 2 pi eps0 c0 for the line-charge coefficient c0.
constexpr double kOhmPerInverseCharge = 1 / (kSpeedOfLight * 2 * std::numbers::pi * kEpsilon0);

// What solve aims at: a tenth of the promise, so that the promise holds with margin.
constexpr double kOrderTarget = kConvergedAccuracy / 10;
// Where delta is tiny a few terms cost next to nothing.
constexpr int kMinOrder = 4;
constexpr int kOrderMargin = 1;
constexpr double kOrderGrowth = 1.5;
// The residual grid: this many points per collocation interval, both ends included.
constexpr int kSamplesPerInterval = 4;
// The sampled maximum of the residual, times this, bounds its maximum between
// the samples; the rest covers the rounding of the basis itself.
constexpr double kSamplingAllowance = 2;
constexpr double kRoundingAllowance = 1e-14;

// The geometry in the forms the basis takes without overflow or cancellation
// for any R and a that pass the checks (R up to the largest double).
struct BasisGeometry {
    double s;           // S/D = a / R
    double invR;        // 1 / R
    double halfInvA;    // 1 / (2a)
    double logR;        // ln R
    double logTwoA;     // ln 2a
    double oneMinusS2;  // 1 - s^2
    double onePlusS2;   // 1 + s^2
    double decay;       // how fast the coefficients fall, see decayRatio
};

// Coefficient k falls like delta^k, delta the distance from core 1's centre
// to the nearest limit point of its circle with the other core's or with the
// shield's (the limit points are where the images of a charge pile up).
double decayRatio(double R, double a)
{
    const double toCore = 1 / (a + std::sqrt(a - 1) * std::sqrt(a + 1));
    // The shield's limit point p = a + x has x + 1/x = 2b.
    const double b = 0.5 * ((R - a) / a * (R + a) - 1 / a);
    const double toShield = 1 / (b + std::sqrt(b - 1) * std::sqrt(b + 1));
    return std::max(toCore, toShield);
}

BasisGeometry geometryOf(double sd, double dd)
{
    const double R = dd;
    const double a = R * sd;
    return {sd,
            1 / R,
            0.5 / a,
            std::log(R),
            std::numbers::ln2 + std::log(a),
            1 - sd * sd,
            1 + sd * sd,
            decayRatio(R, a)};
}

// The residual falls like delta^K too. In a scan from the narrowest gaps to
// the widest this estimate came out 2 to 7 above the lowest order that meets
// the target, so that solve rarely needs a second try.
int initialOrder(const BasisGeometry& g)
{
    const double order =
        std::ceil(std::log(kOrderTarget / kSamplingAllowance) / std::log(g.decay)) + kOrderMargin;
    // A NaN or huge estimate (decay near 1) lands on the cap; verification decides.
    if (!(order < ConvergedSolver::kMaxOrder))
        return ConvergedSolver::kMaxOrder;
    return std::max(kMinOrder, static_cast<int>(order));
}

double squaredModulus(Complex z)
{
    return z.real() * z.real() + z.imag() * z.imag();
}

// The library's product also sorts out infinities, at a branch per product in
// the innermost loops; nothing here is infinite.
Complex times(Complex x, Complex y)
{
    return {x.real() * y.real() - x.imag() * y.imag(), x.real() * y.imag() + x.imag() * y.real()};
}

// For denominators of modulus near 1, which all of the basis's are: no
// scaling needed, unlike the library's division.
Complex reciprocal(Complex z)
{
    return std::conj(z) / squaredModulus(z);
}

// The basis at a point z = a + t of core 1's surface, |t| = 1. z' = -conj(z)
// is the mirror point on core 2. The line charge of core 1 with its image is
// ln R + ownLog there, core 2's ln R + mirrorLog; the multipoles of order k
// are the real parts of ratio^k, own ones minus their images, mirror ones
// minus theirs.
struct PointBasis {
    double ownLog;
    double mirrorLog;
    Complex ratio[4];  // 1/(z - a), 1/(R^2/z - a), 1/(z' - a), 1/(R^2/z' - a)
};

PointBasis basisAt(const BasisGeometry& g, double theta)
{
    const Complex t(std::cos(theta), std::sin(theta));
    const Complex tc = std::conj(t);
    const Complex ownShield = g.oneMinusS2 - g.s * g.invR * t;     // (R^2 - a z) / R^2
    const Complex mirrorShield = g.onePlusS2 + g.s * g.invR * tc;  // (R^2 - a z') / R^2
    const Complex mirrorCore = 1.0 + g.halfInvA * tc;              // (a - z') / 2a
    return {0.5 * std::log(squaredModulus(ownShield)),
            0.5 * std::log(squaredModulus(mirrorShield) / squaredModulus(mirrorCore)) - g.logTwoA,
            {tc, g.invR * times(g.s + g.invR * t, reciprocal(ownShield)), -g.halfInvA * reciprocal(mirrorCore),
             -g.invR * times(g.s + g.invR * tc, reciprocal(mirrorShield))}};
}

// Calls visit(k, own, mirror) for k = 1 to order: the multipole parts about
// core 1's centre and about core 2's, each less its image. Even mode adds
// them, odd mode subtracts.
template <typename Visit>
void forEachMultipole(const PointBasis& p, int order, Visit visit)
{
    Complex power[4] = {p.ratio[0], p.ratio[1], p.ratio[2], p.ratio[3]};
    for (int k = 1; k <= order; ++k) {
        visit(k, power[0].real() - power[1].real(), power[2].real() - power[3].real());
        for (int i = 0; i < 4; ++i)
            power[i] = times(power[i], p.ratio[i]);
    }
}

double evenLineCharge(const BasisGeometry& g, const PointBasis& p)
{
    return 2 * g.logR + p.ownLog + p.mirrorLog;
}

// The shield's ln R cancels between the cores.
double oddLineCharge(const PointBasis& p)
{
    return p.ownLog - p.mirrorLog;
}

// Solves a x = b by elimination with partial pivoting; a (row-major n x n)
// is destroyed and b becomes x. False on a zero or non-finite pivot.
bool solveWithPivoting(int n, double* a, double* b)
{
    for (int col = 0; col < n; ++col) {
        int pivot = col;
        for (int row = col + 1; row < n; ++row)
            if (std::fabs(a[row * n + col]) > std::fabs(a[pivot * n + col]))
                pivot = row;
        const double largest = std::fabs(a[pivot * n + col]);
        if (!(largest > 0 && std::isfinite(largest)))
            return false;
        if (pivot != col) {
            std::swap_ranges(a + col * n + col, a + col * n + n, a + pivot * n + col);
            std::swap(b[col], b[pivot]);
        }
        const double* const pivotRow = a + col * n;
        for (int row = col + 1; row < n; ++row) {
            double* const target = a + row * n;
            const double factor = target[col] / pivotRow[col];
            for (int k = col + 1; k < n; ++k)
                target[k] -= factor * pivotRow[k];
            b[row] -= factor * b[col];
        }
    }
    for (int row = n - 1; row >= 0; --row) {
        double sum = b[row];
        for (int k = row + 1; k < n; ++k)
            sum -= a[row * n + k] * b[k];
        b[row] = sum / a[row * n + row];
    }
    return true;
}

ConvergedImpedance failure(ConvergedStatus status, std::string error)
{
    ConvergedImpedance result;
    result.status = status;
    result.error = std::move(error);
    return result;
}

// The calculator's own checks, in its order and with its texts. Its check
// that the core radius is below half the shield's follows from D/d > 2.
std::string shapeError(double sd, double dd)
{
    // Written as "passes unless" so that NaN fails.
    if (!(sd > 0))
        return std::string(kSdNotPositiveText);
    if (sd > kMaxShapeSD)
        return std::string(kSdAboveLimitText);
    if (!(dd > kMinShapeDd))
        return std::string(kDdNotAboveTwoText);
    const double R = dd;
    const double a = R * sd;
    if (!(1 < a))
        return std::string(kCoresTooCloseText.japanese);
    if (!(1 + a < R))
        return std::string(kShieldTooSmallText.japanese);
    return {};
}

std::string gapError(double sd, double dd)
{
    const auto [coreGap, shieldGap] = shapeGaps(sd, dd);
    return gapTooNarrowText(coreGap, shieldGap, kMinConductorGap);
}

// Rejected shapes and narrow gaps; nothing when the shape is in reach.
std::optional<ConvergedImpedance> refusal(double sd, double dd)
{
    if (std::string error = shapeError(sd, dd); !error.empty())
        return failure(ConvergedStatus::ShapeRejected, std::move(error));
    if (std::string error = gapError(sd, dd); !error.empty())
        return failure(ConvergedStatus::GapTooNarrow, std::move(error));
    return std::nullopt;
}

// With the maximum residual e on the cores, C is within a factor 1 +- e of
// the truth, so Z = 1 / (c C) is within e / (1 - e).
double impedanceBound(double maxResidual)
{
    const double e = kSamplingAllowance * maxResidual + kRoundingAllowance;
    return e < 1 ? e / (1 - e) : std::numeric_limits<double>::infinity();
}

// The largest miss of potential 1 on core 1's upper half, over a grid of
// kSamplesPerInterval points per collocation interval from 0 to pi, for
// both modes. NaN anywhere gives NaN.
double maxResidual(const BasisGeometry& g, int order, const double* even, const double* odd)
{
    const int samples = kSamplesPerInterval * (order + 1);
    double largest = 0;
    for (int i = 0; i <= samples; ++i) {
        const PointBasis p = basisAt(g, i * std::numbers::pi / samples);
        double evenPotential = even[0] * evenLineCharge(g, p);
        double oddPotential = odd[0] * oddLineCharge(p);
        forEachMultipole(p, order, [&](int k, double own, double mirror) {
            evenPotential += even[k] * (own + mirror);
            oddPotential += odd[k] * (own - mirror);
        });
        for (const double miss : {std::fabs(evenPotential - 1), std::fabs(oddPotential - 1)})
            if (!(miss <= largest))
                largest = miss;
    }
    return largest;
}

}  // namespace

ShapeGaps shapeGaps(double sd, double dd)
{
    const double R = dd;
    const double a = R * sd;
    return {2 * a - 2, R - a - 1};
}

ConvergedImpedance ConvergedSolver::solve(double sd, double dd)
{
    if (std::optional<ConvergedImpedance> refused = refusal(sd, dd))
        return *refused;
    for (int order = initialOrder(geometryOf(sd, dd));;
         order = std::min(kMaxOrder, static_cast<int>(std::ceil(order * kOrderGrowth)))) {
        ConvergedImpedance result = solveInReach(sd, dd, order);
        if (!result.error.empty() || result.errorBound <= kOrderTarget)
            return result;
        if (order == kMaxOrder)
            return failure(ConvergedStatus::NotConverged,
                           notConvergedText(result.errorBound, kMaxOrder, kOrderTarget));
    }
}

ConvergedImpedance ConvergedSolver::solveAtOrder(double sd, double dd, int order)
{
    if (!(order >= 1 && order <= kMaxOrder))
        return failure(ConvergedStatus::OrderOutOfRange, orderOutOfRangeText(order, kMaxOrder));
    if (std::optional<ConvergedImpedance> refused = refusal(sd, dd))
        return *refused;
    return solveInReach(sd, dd, order);
}

ConvergedImpedance ConvergedSolver::solveInReach(double sd, double dd, int order)
{
    const BasisGeometry g = geometryOf(sd, dd);
    const int n = order + 1;
    even_.resize(n * n);
    odd_.resize(n * n);
    evenCoefficients_.assign(n, 1.0);
    oddCoefficients_.assign(n, 1.0);
    // Collocation on core 1's upper half; the lower half follows by symmetry.
    for (int j = 0; j < n; ++j) {
        const PointBasis p = basisAt(g, (j + 0.5) * std::numbers::pi / n);
        double* const evenRow = &even_[j * n];
        double* const oddRow = &odd_[j * n];
        evenRow[0] = evenLineCharge(g, p);
        oddRow[0] = oddLineCharge(p);
        forEachMultipole(p, order, [&](int k, double own, double mirror) {
            evenRow[k] = own + mirror;
            oddRow[k] = own - mirror;
        });
    }
    const auto notConverged = [order](std::string_view what) {
        return failure(ConvergedStatus::NotConverged, atOrderText(what, order));
    };
    if (!solveWithPivoting(n, even_.data(), evenCoefficients_.data()) ||
        !solveWithPivoting(n, odd_.data(), oddCoefficients_.data()))
        return notConverged(kSingularCollocationText);
    const double evenCharge = evenCoefficients_[0];
    const double oddCharge = oddCoefficients_[0];
    if (!(evenCharge > 0 && oddCharge > 0 && std::isfinite(evenCharge) && std::isfinite(oddCharge)))
        return notConverged(kNoPositiveCapacitanceText);
    ConvergedImpedance result;
    result.status = ConvergedStatus::Solved;
    result.ze = kOhmPerInverseCharge / evenCharge;
    result.zo = kOhmPerInverseCharge / oddCharge;
    result.errorBound = impedanceBound(maxResidual(g, order, evenCoefficients_.data(), oddCoefficients_.data()));
    result.order = order;
    return result;
}
