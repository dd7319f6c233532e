#pragma once

#include <string_view>

// Every text the model writers give a user, in one place.

// Followed by the path in quotes, a colon and the system's reason.
inline constexpr std::string_view kCannotWriteText = "Cannot write ";

inline constexpr std::string_view kTouchstonePortsText = "A Touchstone network needs 1 to 99 ports";
inline constexpr std::string_view kTouchstoneReferenceText =
    "A Touchstone reference must be a positive finite number of ohm";
inline constexpr std::string_view kTouchstoneShapeText = "The Touchstone values must be ports^2 per frequency";
inline constexpr std::string_view kExportFrequenciesText =
    "The frequencies must be finite, at least 0 Hz and strictly increasing";
inline constexpr std::string_view kExportValuesText = "Every value written must be a finite number";
inline constexpr std::string_view kSpiceNameText =
    "A subcircuit's name must start with a letter and hold only letters, digits and _";
inline constexpr std::string_view kSpiceLengthText = "The line's length must be a positive finite number of metres";
inline constexpr std::string_view kSpiceModeText =
    "Each mode's L and C must be positive, its R and G zero or positive";
