#pragma once

#include <numbers>

// Physical constants, CODATA 2018. The five-charge calculator keeps its own
// older values, so that its results stay exactly what they always were.
inline constexpr double kSpeedOfLight = 299'792'458.0;   // m/s, exact
inline constexpr double kEpsilon0 = 8.8541878128e-12;     // F/m
inline constexpr double kMu0 = 1 / (kEpsilon0 * kSpeedOfLight * kSpeedOfLight);  // H/m
inline constexpr double kEta0 = 1 / (kEpsilon0 * kSpeedOfLight);                 // ohm, free space
inline constexpr double kNeperInDecibel = 20 / std::numbers::ln10;
