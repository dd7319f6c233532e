#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "cases/RunSettings.h"
#include "output/Unit.h"

// Every number a case can be given, as an operand, by an option, on a batch
// line or by a sweep, in the order JSON and CSV list them.
enum class Input {
    Sd,              // the shape by its ratios S/D and D/d
    Dd,
    Ze,              // the shape solve's targets, ohm
    Zo,
    Zdiff,           // ... as engineers state them: 2 Zo
    Zcm,             // ... and Ze / 2
    ShieldDiameter,  // D, mm
    Awg,             // the inner conductor by its AWG size (0 for size 0, -3 for 0000) ...
    WireDiameter,    // ... or by its diameter d, mm
    Spacing,         // S, mm
    Er,
    Frequency,       // the loss's: Hz
    LossTangent,
    Conductivity,    // S/m
};

inline constexpr std::size_t kInputCount = static_cast<std::size_t>(Input::Conductivity) + 1;

// Reads one number from its text (a length with its unit, an AWG size, ...);
// returns the problem (without the text, which the caller quotes), or the
// empty text when `value` was written.
using NumberReader = std::string (*)(std::string_view text, double& value);

struct InputInfo {
    Input input;
    std::string_view key;         // in JSON and CSV
    std::string_view operand;     // as an operand, in messages ("SD"); empty: not an operand
    std::string_view option;      // the option that gives it ("--er"); empty: none
    std::string_view valueName;   // what the value is, as the help names it ("LENGTH")
    Unit unit;                    // of the value, in JSON and CSV
    std::span<const Mode> modes;  // the modes that take it
    NumberReader read;            // read through readInput, which adds the hints every reader shares
};

const InputInfo& inputInfo(Input input);

// Reads the input's value from `text`; returns the problem, or the empty
// text when `value` was written.
std::string readInput(Input input, std::string_view text, double& value);

// Reads `text` with `read`. A text that fails for its decimal comma alone
// ("0,5") is told that "." is the decimal point.
std::string readDecimal(NumberReader read, std::string_view text, double& value);

// The values of one case: each input is given, or not.
class CaseInput {
public:
    bool has(Input input) const { return given_[index(input)]; }
    double operator[](Input input) const { return values_[index(input)]; }
    void set(Input input, double value)
    {
        values_[index(input)] = value;
        given_.set(index(input));
    }

    bool operator==(const CaseInput&) const = default;

private:
    static std::size_t index(Input input) { return static_cast<std::size_t>(input); }

    std::array<double, kInputCount> values_{};
    std::bitset<kInputCount> given_;
};
