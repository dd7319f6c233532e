#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cases/Inputs.h"

// What the sensitivity and tolerance modes are asked beyond their case: the
// spread of each varied input, the samples, and the limits of the yield.

struct InputTolerance {
    Input input;
    double spread = 0;     // sigma, or the half width, in the input's own unit
    bool uniform = false;  // +-HALF: uniform over the width; otherwise normal with sigma
    bool operator==(const InputTolerance&) const = default;
};

struct ZdiffWindow {
    double low = 0;   // ohm
    double high = 0;  // ohm
    bool operator==(const ZdiffWindow&) const = default;
};

struct ConversionLimit {
    double decibels = 0;   // Scd21 at most this
    double frequency = 0;  // Hz
    bool operator==(const ConversionLimit&) const = default;
};

struct VariationSettings {
    std::vector<InputTolerance> tolerances;  // in the order given; offset gives offset_x and offset_y
    long long samples = 1000;
    std::uint64_t seed = 1;
    int threads = 0;  // 0: one per core
    std::optional<ZdiffWindow> zdiffWindow;
    std::optional<double> skewMax;  // s/m, on |skew|
    std::optional<ConversionLimit> scd21Max;
    bool operator==(const VariationSettings&) const = default;
};

inline constexpr long long kMaxSamples = 10'000'000;

// Each reads an option's value into `settings`; returns the problem or the empty text.
std::string readTolerance(std::string_view text, VariationSettings& settings);
std::string readZdiffWindow(std::string_view text, VariationSettings& settings);
std::string readSkewMax(std::string_view text, VariationSettings& settings);
std::string readScd21Max(std::string_view text, VariationSettings& settings);

// The inputs sensitivity and tolerance may vary: lengths and permittivities.
bool isVariable(Input input);

// What is wrong with a sensitivity or tolerance run of `input`: no size to
// solve, a toleranced input the case does not give or gives as a contact,
// limits without a tolerance.
std::string variationProblem(bool tolerance, const CaseInput& input, const VariationSettings& settings);
