#pragma once

#include <string>
#include <string_view>

// Every text the solver gives a user, and the shape's limits that its checks
// name: one home, so that a front, a fuzz target or a test that compares a
// text refers to it by name, and a renamed text breaks their build.
//
// The five-charge calculator's texts are its own and stay as they are: the
// shape checks are in Japanese only, its internal texts name the routine
// that failed. Where duvane-calc has an English form of a text the
// calculator has only in Japanese, it stands beside it here.

// A text in the two languages the solver speaks.
struct Bilingual {
    std::string_view english;
    std::string_view japanese;

    std::string_view in(bool inEnglish) const { return inEnglish ? english : japanese; }
};

// ---- The shape's limits ------------------------------------------------------

// The largest S/D and the smallest D/d (exclusive) of any shape the
// calculator takes; the converged solvers apply the same checks.
inline constexpr double kMaxShapeSD = 0.9;
inline constexpr double kMinShapeDd = 2;

// The narrowest gap, core to core or core to shield, in core radii (of the
// smaller core), that the converged field solvers take on; narrower gaps are
// refused with a text that names them. A gap short of it by no more than the
// rounding of the typed dimensions (a relative 1e-12) counts as wide enough.
inline constexpr double kMinConductorGap = 0.01;

// ---- The shape checks, in the order the calculator makes them ----------------

inline constexpr std::string_view kSdNotPositiveText = "Error : SD <= 0";
inline constexpr std::string_view kSdAboveLimitText = "Error : SD > 0.9";
inline constexpr std::string_view kDdNotAboveTwoText = "Error : Dd <= 2";
inline constexpr Bilingual kCoreRadiusTooLargeText{"inner conductor radius too large", "内部導体半径が大きすぎます"};
inline constexpr Bilingual kCoresTooCloseText{"inner conductors too close (they touch or overlap)",
                                              "内部導体オフセットが小さすぎます"};
inline constexpr Bilingual kShieldTooSmallText{"outer conductor radius too small (an inner conductor touches the shield)",
                                               "外部導体半径が小さすぎます"};

// ---- Where the five-charge model breaks down -----------------------------------

inline constexpr std::string_view kChargeCountInvalidText = "Qnum Invalid";
inline constexpr std::string_view kOddCapacitanceZeroText = "capO = 0 in zCalcOddModeZC...";
inline constexpr std::string_view kOddCapacitanceInvalidText = "capO invalid in zCalcOddModeZC...";
inline constexpr std::string_view kOddImpedanceInvalidText = "Zo invalid in zCalcOddModeZC...";
inline constexpr std::string_view kEvenCapacitanceZeroText = "capE = 0 in zCalcEvenModeZC...";
inline constexpr std::string_view kEvenCapacitanceInvalidText = "capE invalid in zCalcEvenModeZC...";
inline constexpr std::string_view kEvenImpedanceInvalidText = "Ze invalid in zCalcEvenModeZC...";
inline constexpr std::string_view kEvenDivisionByZeroText = "div by 0 in zCalcEvenModeZC...";
inline constexpr std::string_view kPotentialDivisionByZeroText = "div by 0 in mCalcG()...";

// ---- The linear solver -----------------------------------------------------------

// A zero pivot at row k: "Gij" + k + k + " =0", as "Gij11 =0".
inline constexpr std::string_view kZeroPivotStart = "Gij";
std::string zeroPivotText(int k);
inline constexpr std::string_view kOrderTooSmallText = "order too small in zDoGaussCalc()";

// ---- The impedance command -------------------------------------------------------

inline constexpr Bilingual kErNotPositiveText{"Er must be a positive finite number", "Er は正の有限値にして下さい"};
// A result with Zo not below Ze, which no shape of this cable has.
inline constexpr Bilingual kBeyondReachText{
    "The shape is beyond the calculator's reach: it gave Zo at or above Ze, which this cable cannot have",
    "計算できる範囲を超えた形状です（Zo が Ze 以上になりました）"};

// ---- The five-charge shape solve ---------------------------------------------------

inline constexpr Bilingual kZeNotAboveZoText{"Ze must be larger than Zo", "Ze は Zo より大きくして下さい"};
inline constexpr Bilingual kTargetsNotPositiveText{"Ze and Zo must be positive finite numbers",
                                                   "Ze と Zo は正の有限値にして下さい"};
inline constexpr Bilingual kCalculatingStartText{"Calculating Initial Value...", "初期値を計算中"};
// Followed by the count.
inline constexpr Bilingual kCountCaption{"Calculation Count=", "計算回数＝"};
// Put before the calculator's text when it failed on the start estimate.
inline constexpr std::string_view kShapeSolvePrefix = "zCalcSDDd():";
// Put before the calculator's text when it failed on the derivatives...
inline constexpr Bilingual kFailedOnDerivativesPrefix{"Calculation Failed:", "計算不能です１："};
// ... or on every trial of a step.
inline constexpr Bilingual kFailedOnTrialsPrefix{"Calculation Failed:", "計算不能です３："};
// No trial along the step improved on the last shape; the Japanese text ends
// with the count.
inline constexpr Bilingual kNoImprovementText{"Calculation Failed:", "計算不能です４：計算回数="};
std::string noImprovementText(bool english, long long count);
inline constexpr Bilingual kCountOverText{"Calculation Count Over", "計算回数オーバーです"};
inline constexpr std::string_view kStepDivisionByZeroText = "div by 0 in mCalcDeltaSDDd()";

// ---- The converged solver and its shape solve (English only) -----------------------

// The significant digits these texts show their numbers with.
inline constexpr int kTextDigits = 6;

// Names the gaps below `minGap` (core radii); empty when neither is.
inline constexpr std::string_view kGapTooNarrowStart = "Gap too narrow for the converged solver";
std::string gapTooNarrowText(double coreGap, double shieldGap, double minGap);
inline constexpr std::string_view kNotConvergedStart = "Not converged: error bound ";
std::string notConvergedText(double bound, int highestOrder, double wanted);
std::string orderOutOfRangeText(int order, int highestOrder);
// What failed at `order`.
std::string atOrderText(std::string_view what, int order);
inline constexpr std::string_view kSingularCollocationText = "Singular collocation system";
inline constexpr std::string_view kNoPositiveCapacitanceText = "No positive capacitance";

inline constexpr std::string_view kWidthNotPositiveText = "The convergence width must be a positive number of ohm";
std::string startOutOfReachText(double sd, double dd, std::string_view refusal);
std::string noNewtonStepText(double sd, double dd);
// `atEdge`: the shape lies at the edge of the converged solver's reach.
// `lastRefusal`: the solver's text on the last trial it refused, or empty.
std::string noTrialImprovesText(double sd, double dd, bool atEdge, std::string_view lastRefusal);
// Starts every count-over text of the converged shape solve.
inline constexpr std::string_view kConvergedCountOverStart = "Calculation count over:";
std::string convergedCountOverText(long long limit);


// ---- The field solver for insulated cores (English only) -----------------------

// Starts the texts below that begin with a core's name: "Core 1", "Core 2".
std::string coreName(int index);
inline constexpr std::string_view kNotFiniteGeometryText = "Every length and Er must be a finite number";
inline constexpr std::string_view kShieldDiameterNotPositiveText = "The shield's diameter must be positive";
inline constexpr std::string_view kFillerErNotPositiveText = "The filler's Er must be positive";
inline constexpr std::string_view kCoreDiameterNotPositiveText = "'s diameter must be positive";
inline constexpr std::string_view kSleeveNarrowerThanCoreText = "'s sleeve must be at least as wide as the core";
inline constexpr std::string_view kSleeveErNotPositiveText = "'s sleeve Er must be positive";
inline constexpr std::string_view kOffsetOnBareCoreText = " has no sleeve to be off centre in";
inline constexpr std::string_view kConductorThroughSleeveText =
    " reaches through its sleeve: the sleeve offset must stay below (Di - d) / 2";
inline constexpr std::string_view kEccentricUnderFoilText = "A foil is solved over concentric sleeves only";
inline constexpr std::string_view kSleeveThroughShieldText = "'s sleeve reaches through the shield";
inline constexpr std::string_view kCoreThroughShieldText = " reaches through the shield";
inline constexpr std::string_view kSleevesOverlapText = "The sleeves overlap";
inline constexpr std::string_view kCoresOverlapText = "The cores overlap";
inline constexpr std::string_view kFieldGapTooNarrowStart = "Gap too narrow for the field solver (at least ";
inline constexpr std::string_view kSurfaceNotConvergedStart = "Not converged: surface charge estimate ";
inline constexpr std::string_view kSingularSeriesStart = "Singular series system at order ";
inline constexpr std::string_view kFieldOrderRangeStart = "Order out of range 0 to ";
inline constexpr std::string_view kNotSymmetricText = "Even and odd modes need a symmetric pair";
inline constexpr std::string_view kNoSolutionText = "No solution to take the modes from";

// ---- The design solve (English only) ------------------------------------------------

inline constexpr std::string_view kSpacingByContactText =
    "S follows the sleeves' contact (S = Di): it cannot be solved for as well";
inline constexpr std::string_view kShieldByContactText =
    "D follows the shield's contact (D = S + Di): it cannot be solved for as well";
inline constexpr std::string_view kNoSleeveToSolveText = "A bare core has no sleeve to solve for";
inline constexpr std::string_view kFoilHasNoDiameterText =
    "A foil follows the sleeves and has no diameter to solve for: solve for the sleeve, the spacing or the core";
inline constexpr std::string_view kDesignCountText = "Give one dimension for one target, or two for two";
inline constexpr std::string_view kNoDesignInReachText = "No design in reach: the solver takes none of the range";
inline constexpr std::string_view kTargetsOutOfReachText =
    "The targets are out of reach together: no pair of the dimensions gives both";
// One target the dimension's range does not reach: the values it spans.
std::string targetOutOfReachText(double target, double low, double high);

// ---- The loss -----------------------------------------------------------------------

// Every refusal of the loss starts so.
inline constexpr std::string_view kLossPrefix = "Loss: ";
inline constexpr std::string_view kFrequencyNotPositiveText = "the frequency must be a positive number";
inline constexpr std::string_view kConductivityNotPositiveText = "the conductivity must be a positive number";
inline constexpr std::string_view kLossTangentNegativeText = "the loss tangent must be zero or positive";
inline constexpr std::string_view kNoWireDiameterText = "the loss needs the wire's diameter";
std::string skinDepthTooLargeText(double depth, double radius);
// The frequency (Hz) above the single-mode TEM limit (Hz) of the cross-section.
std::string aboveTemLimitText(double frequency, double limit);
inline constexpr std::string_view kSurfaceMovedOutOfReachText =
    "a surface moved by the skin depth leaves the converged solver's reach: ";

// ---- The foil shield (English only) ---------------------------------------------------

inline constexpr std::string_view kFoilClearanceNegativeText = "The foil's clearance must be zero or positive";
inline constexpr std::string_view kFoilUnlikeCoresText =
    "The foil solver needs two alike cores (the same diameter, sleeve diameter and sleeve Er)";
inline constexpr std::string_view kDrainDiameterNegativeText = "The drain wire's diameter must be zero or positive";
inline constexpr std::string_view kDrainThroughGrooveText =
    "The drain wire does not fit the groove: it is narrower than the gap between the sleeves, so it cannot rest on both";
inline constexpr std::string_view kDrainOnBareCoreText = "A drain wire inside the foil would touch the bare cores";
