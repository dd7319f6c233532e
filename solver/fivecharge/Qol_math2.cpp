#include "fivecharge/Qol_math2.h"

#include <cmath>
#include <limits>
#include <string>

#include "NumberText.h"
#include "SolverTexts.h"

namespace {

constexpr double kPerturbation = 0.0001;   // relative step of the forward differences
constexpr double kStepShrink = 0.8;        // backtracking factor of a rejected trial
constexpr double kMinStepFactor = 0.001;   // below this the solve gives up
constexpr double kFarOff = 0.1;            // relative error that counts as far from the target
constexpr int kTraceDecimals = 5;

static_assert(std::numeric_limits<decltype(TQol_COAXMath2::mCount)>::max() > std::numeric_limits<int>::max(),
              "the count must be able to pass the largest limit");

}  // namespace

TQol_COAXMath2::TQol_COAXMath2(RepaintTarget* mainForm, StatusLabel* msgLabel, unsigned char english)
    : mMainForm(mainForm), mMsgLabel(msgLabel), mEnglish(english)
{
}

// No trace stream is open outside zCalcSDDd, so there is nothing to close here.
TQol_COAXMath2::~TQol_COAXMath2() = default;

void TQol_COAXMath2::zSetTraceFileName(const char* name)
{
    mTraceFileName = name ? name : "";
}

std::string TQol_COAXMath2::mText(const Bilingual& text) const
{
    return std::string(text.in(mEnglish == 1));
}

void TQol_COAXMath2::mShowStatus(const std::string& text)
{
    if (mMsgLabel)
        mMsgLabel->setCaption(text);
    if (mMainForm)
        mMainForm->repaintNow();
}

// ---- The solve --------------------------------------------------------------

void TQol_COAXMath2::zCalcSDDd()
{
    mErrMsg.clear();
    mCount = 0;
    mTraceFailed = false;
    if (!(mZe > mZo)) {
        mErrMsg = mText(kZeNotAboveZoText);
        return;
    }
    // The square root of Er, the start estimate and the relative errors of
    // mIsImproved are meaningless outside these ranges.
    if (!(std::isfinite(mEr) && mEr > 0)) {
        mErrMsg = mText(kErNotPositiveText);
        return;
    }
    if (!(std::isfinite(mZe) && mZe > 0 && std::isfinite(mZo) && mZo > 0)) {
        mErrMsg = mText(kTargetsNotPositiveText);
        return;
    }

    mOpenTrace();
    mZeE = std::sqrt(mEr) * mZe;
    mZoE = std::sqrt(mEr) * mZo;
    mShowStatus(mText(kCalculatingStartText));

    mCalcInitialValue();
    zCalcZeAt(mSD, mDd, mZeS);
    if (mErrMsg.empty())
        zCalcZoAt(mSD, mDd, mZoS);
    if (!mErrMsg.empty()) {
        mCloseTrace();
        mErrMsg = std::string(kShapeSolvePrefix) + mErrMsg;
        return;
    }
    if (mTraceFile)
        mWriteTraceHeader();

    mCount = 1;
    const auto countText = [&] { return mText(kCountCaption) + std::to_string(mCount); };
    bool failed = false;

    while (!(std::fabs(mZeE - mZeS) < mConvWidth && std::fabs(mZoE - mZoS) < mConvWidth)) {
        mCalcGradient();
        if (!mErrMsg.empty()) {
            mErrMsg = mText(kFailedOnDerivativesPrefix) + mErrMsg;
            failed = true;
            break;
        }

        // Smaller steps as the estimate nears the ends of the S/D range.
        double k = 0.5 * (0.5 - std::fabs(mSD - 0.5));
        bool accepted = false;
        do {
            mErrMsg.clear();
            mDeltaZe = (mZeE - mZeS) * k;
            mDeltaZo = (mZoE - mZoS) * k;
            mCalcDeltaSDDd();
            if (!mErrMsg.empty()) {
                failed = true;
                break;
            }

            zCalcZeAt(mSD + mDeltaSD, mDd + mDelatDd, mZetmp);
            zCalcZoAt(mSD + mDeltaSD, mDd + mDelatDd, mZotmp);  // does nothing once Ze failed
            if (mTraceFile)
                mWriteTraceLine(k);

            if (!mErrMsg.empty()) {
                k = k * kStepShrink;
                if (k < kMinStepFactor) {
                    mErrMsg = mText(kFailedOnTrialsPrefix) + mErrMsg;
                    failed = true;
                    break;
                }
            } else if (mIsImproved() == 1) {
                mZeS = mZetmp;
                mZoS = mZotmp;
                mSD = mSD + mDeltaSD;
                mDd = mDd + mDelatDd;
                accepted = true;
            } else {
                k = k * kStepShrink;
                if (k < kMinStepFactor) {
                    mErrMsg = noImprovementText(mEnglish == 1, mCount);
                    failed = true;
                    break;
                }
            }

            mCount = mCount + 1;
            mShowStatus(countText());
            if (mCount > mCountLimit)
                failed = true;
        } while (!failed && !accepted);
        if (failed)
            break;
    }

    mShowStatus(countText());
    mCloseTrace();
    if (failed) {
        if (mCount > mCountLimit)
            mErrMsg = mText(kCountOverText);
        return;
    }
    mShapeSD = mSD;
    mShapeDd = mDd;
}

// ---- Steps of the solve -------------------------------------------------------

// Closed form for widely spaced thin wires, good enough to start Newton from.
void TQol_COAXMath2::mCalcInitialValue()
{
    const double t = std::exp((mZeE - mZoE) * 1 / 60);
    const double x = 2 * t - 1;
    // For large x the difference cancels to 0; the same quantity written as a
    // quotient keeps its digits. Only there, so that every solve that starts
    // today keeps its steps.
    double smallRoot = x - std::sqrt(x * x - 1);
    if (smallRoot <= 0)
        smallRoot = 1 / (x + std::sqrt(x * x - 1));
    mSD = std::sqrt(smallRoot);
    mDd = std::exp((mZeE + mZoE) * 1 / 120) / (1 - mSD * mSD);
}

void TQol_COAXMath2::mCalcGradient()
{
    mCalcGradZeSD(mSD, mDd);
    if (mErrMsg.empty())
        mCalcGradZeDd(mSD, mDd);
    if (mErrMsg.empty())
        mCalcGradZoSD(mSD, mDd);
    if (mErrMsg.empty())
        mCalcGradZoDd(mSD, mDd);
}

void TQol_COAXMath2::mCalcGradZeSD(double sd, double dd)
{
    mForwardDifference(&TQol_COAXMath1::zCalcZeAt, sd, dd, sd * (1 + kPerturbation), dd, sd * kPerturbation, mGradZeSD);
}

void TQol_COAXMath2::mCalcGradZeDd(double sd, double dd)
{
    mForwardDifference(&TQol_COAXMath1::zCalcZeAt, sd, dd, sd, dd * (1 + kPerturbation), dd * kPerturbation, mGradZeDd);
}

void TQol_COAXMath2::mCalcGradZoSD(double sd, double dd)
{
    mForwardDifference(&TQol_COAXMath1::zCalcZoAt, sd, dd, sd * (1 + kPerturbation), dd, sd * kPerturbation, mGradZoSD);
}

void TQol_COAXMath2::mCalcGradZoDd(double sd, double dd)
{
    mForwardDifference(&TQol_COAXMath1::zCalcZoAt, sd, dd, sd, dd * (1 + kPerturbation), dd * kPerturbation, mGradZoDd);
}

// Each derivative evaluates its own base value; the gradient keeps its old
// value when either evaluation fails. `step` is the nominal one (ratio times
// the perturbation), not the difference of the rounded points.
void TQol_COAXMath2::mForwardDifference(TImpedanceAt impedanceAt, double sd, double dd, double perturbedSD,
                                        double perturbedDd, double step, double& gradient)
{
    double base = 0;
    (this->*impedanceAt)(sd, dd, base);
    if (!mErrMsg.empty())
        return;
    double perturbed = 0;
    (this->*impedanceAt)(perturbedSD, perturbedDd, perturbed);
    if (!mErrMsg.empty())
        return;
    gradient = (perturbed - base) / step;
}

void TQol_COAXMath2::mCalcDeltaSDDd()
{
    if (mGradZoSD != 0) {
        const double jacobian[4] = {mGradZeSD, mGradZeDd, mGradZoSD, mGradZoDd};
        const double wanted[2] = {mDeltaZe, mDeltaZo};
        double step[2];
        std::string err;
        mGauss->zDoGaussCalc(2, jacobian, wanted, step, err);
        mErrMsg = err;
        if (mErrMsg.empty()) {
            mDeltaSD = step[0];
            mDelatDd = step[1];
        }
        return;
    }
    // Triangular Jacobian: solve it directly.
    if (mGradZoDd == 0 || mGradZeSD == 0) {
        mErrMsg = kStepDivisionByZeroText;
        return;
    }
    mDelatDd = mDeltaZo / mGradZoDd;
    mDeltaSD = (mDeltaZe - mDelatDd * mGradZeDd) / mGradZeSD;
}

int TQol_COAXMath2::mIsImproved()
{
    const double eT = (mZeE - mZetmp) / mZeE;
    const double eS = (mZeE - mZeS) / mZeE;
    const double oT = (mZoE - mZotmp) / mZoE;
    const double oS = (mZoE - mZoS) / mZoE;

    bool zeBetter;
    bool zoBetter;
    if (std::fabs(eT) > kFarOff && std::fabs(oT) > kFarOff) {
        // Far from the target on both: judge the summed error.
        zeBetter = zoBetter = std::fabs(eS) + std::fabs(oS) > std::fabs(eT) + std::fabs(oT);
    } else {
        zeBetter = std::fabs(mZeE - mZeS) > std::fabs(mZeE - mZetmp);
        zoBetter = std::fabs(mZoE - mZoS) > std::fabs(mZoE - mZotmp);
    }
    if ((zeBetter && zoBetter) || (zeBetter && std::fabs(oT) < kFarOff) || (zoBetter && std::fabs(eT) < kFarOff))
        return 1;
    return 0;
}

// ---- Trace file ------------------------------------------------------------------

// A trace that cannot be opened is dropped silently; the solve goes on.
void TQol_COAXMath2::mOpenTrace()
{
    if (mTraceOn != 1 || mTraceFileName.empty())
        return;
    mTraceFile = std::fopen(mTraceFileName.c_str(), "w");
    if (!mTraceFile) {
        mTraceOn = 0;
        mTraceFileName.clear();
    }
}

// The stream's error flag keeps a failed write until here, and the close
// flushes what is buffered, so the two together see every lost line.
void TQol_COAXMath2::mCloseTrace()
{
    if (!mTraceFile)
        return;
    const bool writeFailed = std::ferror(mTraceFile) != 0;
    const bool closeFailed = std::fclose(mTraceFile) != 0;
    mTraceFailed = writeFailed || closeFailed;
    mTraceFile = nullptr;
}

void TQol_COAXMath2::mWriteTraceHeader()
{
    static const char* const kHeads[] = {"mZeS=", "mZoS=", "mZetmp=", "mZotmp=", "mSD=", "mDd=", "mGradZeSD=",
                                         "mGradZeDd=", "mGradZoSD=", "mGradZoDd=", "mDeltaSD=", "mDelatDd=", "k="};
    std::fputs("mZeE=\t", mTraceFile);
    std::fputs(formatFixed(mZeE, kTraceDecimals).c_str(), mTraceFile);
    std::fputc('\n', mTraceFile);
    std::fputs("mZoE=\t", mTraceFile);
    std::fputs(formatFixed(mZoE, kTraceDecimals).c_str(), mTraceFile);
    std::fputc('\n', mTraceFile);
    for (std::size_t i = 0; i < std::size(kHeads); ++i) {
        if (i > 0)
            std::fputc('\t', mTraceFile);
        std::fputs(kHeads[i], mTraceFile);
    }
    std::fputc('\n', mTraceFile);
}

void TQol_COAXMath2::mWriteTraceLine(double k)
{
    const double columns[] = {mZeS,      mZoS,      mZetmp,    mZotmp,  mSD,      mDd,     mGradZeSD,
                              mGradZeDd, mGradZoSD, mGradZoDd, mDeltaSD, mDelatDd, k};
    for (std::size_t i = 0; i < std::size(columns); ++i) {
        if (i > 0)
            std::fputc('\t', mTraceFile);
        std::fputs(formatFixed(columns[i], kTraceDecimals).c_str(), mTraceFile);
    }
    std::fputc('\n', mTraceFile);
}
