#include "fivecharge/Qol_math1.h"

#include <cmath>
#include <string>

#include "fivecharge/WorkArray.h"
#include "SolverTexts.h"

namespace {

constexpr double kEpsilon0 = 8.854e-12;              // F/m
constexpr double kPiCapacitance = 3.141592654;       // the capacitance keeps this 10-digit pi
constexpr double kInvLightSpeed = 3.3356404846685622e-09;  // s/m, 1/c for c = 2.997925e8 m/s
constexpr double kChargeSpread = 0.05;               // charges spread over 5 % of r

constexpr unsigned char kModeEven = 1;
constexpr unsigned char kModeOdd = 2;

// Offset of charge j from the shield centre; the even mode needs it again
// for the shield potential, so both places use this one formula.
double chargePosition(double r, int j, int n, double a)
{
    return kChargeSpread * r * j / (n - 1) + a;
}

// Matching points over the upper half of conductor 1, charges on the x-axis
// inside it; the lower half and conductor 2 follow by symmetry. Count > 0 fixes
// n at compile time, which folds the usual 5 points' sines and cosines to
// constants; Count 0 takes any n.
template <int Count>
void placePoints(int n, double r, double a, double* X, double* Y, double* s, double* b)
{
    if constexpr (Count > 0)
        n = Count;
    const double pi = 4 * std::atan(1.0);
    for (int i = 0; i < n; ++i) {
        const double theta = i * pi / (n - 1);
        X[i] = std::cos(theta) * r + a;
        Y[i] = std::sin(theta) * r;
        s[i] = chargePosition(r, i, n, a);
        b[i] = 1.0;
    }
}

double sumInOrder(const double* values, int n)
{
    double sum = 0;
    for (int j = 0; j < n; ++j)
        sum = sum + values[j];
    return sum;
}

// What a mode's calculation says when its capacitance or impedance fails.
struct ModeTexts {
    std::string_view capacitanceZero;
    std::string_view capacitanceInvalid;
    std::string_view impedanceInvalid;
};

// Z = 1 / (c C). Touching conductors and D/d near 2 break the 5-charge model
// down into negative or unbounded capacitances: no impedance is better than a
// wrong one. Returns the error text, empty when z was written.
std::string impedanceFrom(double capacitance, const ModeTexts& texts, double& z)
{
    if (capacitance == 0)
        return std::string(texts.capacitanceZero);
    if (!(std::isfinite(capacitance) && capacitance > 0))
        return std::string(texts.capacitanceInvalid);
    const double impedance = (1 / capacitance) * kInvLightSpeed;
    if (!std::isfinite(impedance))
        return std::string(texts.impedanceInvalid);
    z = impedance;
    return {};
}

}  // namespace

TQol_COAXMath1::TQol_COAXMath1() : mGauss(std::make_unique<TGaussCalc>()), mQnum(5) {}

TQol_COAXMath1::~TQol_COAXMath1() = default;

// ---- Public operations ----------------------------------------------------

void TQol_COAXMath1::zCalcZo()
{
    mErrMsg.clear();
    mSetGeometry();
    mCalcOnGeometry(&TQol_COAXMath1::zCalcOddModeZC);
}

void TQol_COAXMath1::zCalcZe()
{
    mErrMsg.clear();
    mSetGeometry();
    mCalcOnGeometry(&TQol_COAXMath1::zCalcEvenModeZC);
}

void TQol_COAXMath1::zCalcZoAt(double sd, double dd, double& zo)
{
    if (!mErrMsg.empty())
        return;
    mSetGeometryAt(sd, dd);
    mCalcOnGeometry(&TQol_COAXMath1::zCalcOddModeZC);
    if (mErrMsg.empty())
        zo = mZo;
}

void TQol_COAXMath1::zCalcZeAt(double sd, double dd, double& ze)
{
    if (!mErrMsg.empty())
        return;
    mSetGeometryAt(sd, dd);
    mCalcOnGeometry(&TQol_COAXMath1::zCalcEvenModeZC);
    if (mErrMsg.empty())
        ze = mZe;
}

void TQol_COAXMath1::mCalcOnGeometry(void (TQol_COAXMath1::*modeZC)())
{
    if (mErrMsg.empty())
        mCheckGeometry();
    if (mErrMsg.empty())
        (this->*modeZC)();
}

// ---- Geometry -------------------------------------------------------------

void TQol_COAXMath1::mSetGeometry()
{
    mSetGeometryAt(mShapeSD, mShapeDd);
}

void TQol_COAXMath1::mSetGeometryAt(double sd, double dd)
{
    // Written as "passes unless" so that NaN fails.
    if (!(sd > 0)) {
        mErrMsg = kSdNotPositiveText;
        return;
    }
    if (sd > kMaxShapeSD) {
        mErrMsg = kSdAboveLimitText;
        return;
    }
    if (!(dd > kMinShapeDd)) {
        mErrMsg = kDdNotAboveTwoText;
        return;
    }
    mInRadius = 1.0;
    mOutRadius = mInRadius * dd;
    mInOffset = mOutRadius * sd;
}

void TQol_COAXMath1::mCheckGeometry()
{
    const double r = mInRadius;
    const double R = mOutRadius;
    const double a = mInOffset;
    if (!(R * 0.5 > r))
        mErrMsg = kCoreRadiusTooLargeText.japanese;
    else if (!(r < a))
        mErrMsg = kCoresTooCloseText.japanese;
    else if (!(r + a < R))
        mErrMsg = kShieldTooSmallText.japanese;
}

// ---- Capacitance and impedance ---------------------------------------------

void TQol_COAXMath1::zCalcOddModeZC()
{
    if (mQnum < 2) {
        mErrMsg = kChargeCountInvalidText;
        return;
    }
    WorkArray work(mQnum);
    double* const q = work.data();
    mCalcQOdd(q);
    if (!mErrMsg.empty())
        return;

    mCapO = sumInOrder(q, mQnum) * 4 * kPiCapacitance * kEpsilon0;
    mErrMsg = impedanceFrom(mCapO, {kOddCapacitanceZeroText, kOddCapacitanceInvalidText, kOddImpedanceInvalidText}, mZo);
}

void TQol_COAXMath1::zCalcEvenModeZC()
{
    if (mQnum < 2) {
        mErrMsg = kChargeCountInvalidText;
        return;
    }
    WorkArray work(2 * mQnum);
    double* const q = work.data();
    double* const s = q + mQnum;
    mCalcQEven(q);
    if (!mErrMsg.empty())
        return;

    const double r = mInRadius;
    const double R = mOutRadius;
    const double a = mInOffset;
    for (int j = 0; j < mQnum; ++j)
        s[j] = chargePosition(r, j, mQnum, a);

    // The images keep the shield at 0 only for the odd mode; in the even mode
    // each charge pair with its images lifts it by 4 q ln(R / s).
    double shieldPotential = 0;
    for (int j = 0; j < mQnum; ++j)
        shieldPotential = shieldPotential + std::log(R / s[j]) * 4 * q[j];
    const double sumQ = sumInOrder(q, mQnum);
    if (1 - shieldPotential == 0) {
        mErrMsg = kEvenDivisionByZeroText;
        return;
    }
    mCapE = sumQ / (1 - shieldPotential) * 4 * kPiCapacitance * kEpsilon0;
    mErrMsg = impedanceFrom(mCapE, {kEvenCapacitanceZeroText, kEvenCapacitanceInvalidText, kEvenImpedanceInvalidText}, mZe);
}

// ---- Charge placement and potential matrix -----------------------------------

void TQol_COAXMath1::mCalcQEven(double* q)
{
    mCalcQ(q, kModeEven);
}

void TQol_COAXMath1::mCalcQOdd(double* q)
{
    mCalcQ(q, kModeOdd);
}

void TQol_COAXMath1::mCalcQ(double* q, unsigned char mode)
{
    const int n = mQnum;
    WorkArray work(n * n + 4 * n);
    double* const G = work.data();
    double* const X = G + n * n;
    double* const Y = X + n;
    double* const b = Y + n;
    double* const s = b + n;
    if (n == 5)
        placePoints<5>(n, mInRadius, mInOffset, X, Y, s, b);
    else
        placePoints<0>(n, mInRadius, mInOffset, X, Y, s, b);

    for (int i = 0; i < n && mErrMsg.empty(); ++i) {
        for (int j = 0; j < n; ++j) {
            double g = 0;
            mCalcG(g, mode, s[j], Y[i], X[i]);
            if (!mErrMsg.empty())
                break;
            G[i * n + j] = g;
        }
    }
    if (!mErrMsg.empty())
        return;

    std::string err;
    mGauss->zDoGaussCalc(n, G, b, q, err);
    mErrMsg = err;
}

void TQol_COAXMath1::mCalcG(double& g, unsigned char mode, double s, double y, double x)
{
    const double R2 = mOutRadius * mOutRadius;
    const double t = R2 / s;  // the charge's image point in the shield circle

    const double d1 = (x - s) * (x - s) + y * y;
    const double d2 = (x + s) * (x + s) + y * y;
    if (d1 == 0 || d2 == 0) {
        mErrMsg = kPotentialDivisionByZeroText;
        return;
    }
    const double e1 = (x - t) * (x - t) + y * y;
    const double e2 = (x + t) * (x + t) + y * y;

    if (mode == kModeEven)
        g = std::log(e1 / d1) + std::log(e2 / d2);
    else
        g = std::log(e1 / d1) - std::log(e2 / d2);
}
