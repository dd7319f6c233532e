#pragma once

#include <string>

// The field solver's texts and the limits they name, in one place. English
// for now; they join the solver's text catalogue later.

// Narrowest conductor gap taken on, core to core or core to shield, in core
// radii (of the smaller core between cores): the homogeneous converged
// solver's. A gap short of it by no more than rounding counts as wide enough.
inline constexpr double kFieldMinGap = 0.01;

// Sleeves closer than this relative overlap count as touching: rounding of the
// typed positions, far below anything the fields notice.
inline constexpr double kTouchTolerance = 1e-12;

// The promised relative error of every capacitance, and so of every impedance.
inline constexpr double kFieldAccuracy = 1e-9;

// The promised relative error of Rhat (estimated, see InsulatedSolver.h).
inline constexpr double kSurfaceAccuracy = 1e-8;

inline constexpr const char* kTextNotFinite = "Every length and Er must be a finite number";
inline constexpr const char* kTextShieldDiameter = "The shield's diameter must be positive";
inline constexpr const char* kTextFillerEr = "The filler's Er must be positive";
inline constexpr const char* kTextCoreDiameter = "'s diameter must be positive";
inline constexpr const char* kTextSleeveDiameter = "'s sleeve must be at least as wide as the core";
inline constexpr const char* kTextSleeveEr = "'s sleeve Er must be positive";
inline constexpr const char* kTextEccentric = "Eccentric sleeves are not yet supported";
inline constexpr const char* kTextSleeveOutside = "'s sleeve reaches through the shield";
inline constexpr const char* kTextCoreOutside = " reaches through the shield";
inline constexpr const char* kTextSleevesOverlap = "The sleeves overlap";
inline constexpr const char* kTextCoresOverlap = "The cores overlap";
inline constexpr const char* kTextGapTooNarrow = "Gap too narrow for the field solver (at least ";
inline constexpr const char* kTextNotConverged = "Not converged: error bound ";
inline constexpr const char* kTextSurfaceNotConverged = "Not converged: surface charge estimate ";
inline constexpr const char* kTextSingular = "Singular series system at order ";
inline constexpr const char* kTextOrderRange = "Order out of range 0 to ";
inline constexpr const char* kTextNotSymmetric = "Even and odd modes need a symmetric pair";
inline constexpr const char* kTextUnsolved = "No solution to take the modes from";

// "core 1" or "core 2", for the texts above that start with a core's name.
std::string coreName(int index);

// Six significant digits, "." whatever the locale.
std::string fieldNumberText(double value);
