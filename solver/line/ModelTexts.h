#pragma once

#include <string_view>

// Every text the circuit models of the line give a user (English only), in
// one place, so that a front or a test refers to it by name.

// ---- Materials and conductors ---------------------------------------------------

inline constexpr std::string_view kNoFieldSolutionText = "The line model needs a solved cross-section";
inline constexpr std::string_view kMaterialErText = "A material's Er must be a positive finite number";
inline constexpr std::string_view kMaterialTanDeltaText = "A loss tangent must be zero or a positive finite number";
inline constexpr std::string_view kConductivityText = "The conductivity must be a positive number (or infinity: lossless)";
inline constexpr std::string_view kFoilMetalText = "The foil's conductivity and thickness must be positive numbers";
inline constexpr std::string_view kBandText =
    "The wideband dielectric model needs 0 < low < high frequency, all finite, and a positive fit frequency";
inline constexpr std::string_view kWidebandLossTooLargeText =
    "The loss tangent is too large for the wideband dielectric model over its band (Er at the top of the band "
    "would not be positive)";

// ---- The network of a length ----------------------------------------------------

inline constexpr std::string_view kLengthText = "The line's length must be a positive finite number of metres";
inline constexpr std::string_view kReferenceText = "Every reference resistance must be a positive finite number of ohm";
inline constexpr std::string_view kFrequenciesText =
    "The frequencies must be finite, at least 0 Hz and strictly increasing";
// Followed by the frequency.
inline constexpr std::string_view kSingularNetworkText = "The line's modes are degenerate (one eigenvector of ZY) at ";
