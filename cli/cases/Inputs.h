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
    ShieldDiameter,  // D, mm, or kTouch
    Awg,             // the inner conductor by its AWG size, solid or stranded (as awgCode gives it) ...
    WireDiameter,    // ... or by its diameter d, mm
    Sleeve,          // the insulation's outer diameter Di, mm
    Spacing,         // S, mm, or kTouch
    Clearance,       // a foil's, between sleeve and foil, mm (0 allowed)
    Drain,           // a foil's drain wire's diameter, mm
    Er,              // one dielectric filling the shield
    ErSleeve,        // the sleeve's and the filler's: a number, or a material (see Dielectrics.h)
    ErFill,
    WireDiameter2,   // core 2's own d, Di and sleeve dielectric, where they differ from core 1's
    Sleeve2,
    ErSleeve2,
    OffsetX,         // core 1 (with its sleeve) moved from its place, mm
    OffsetY,
    PairOffsetX,     // both cores moved off the shield's centre, mm
    PairOffsetY,
    SleeveOffsetX,   // core 1's conductor moved inside its sleeve, mm
    SleeveOffsetY,
    Frequency,       // the loss's: Hz
    Length,          // of the line whose network gives the mode conversion, m
    LossTangent,
    TandSleeve,
    TandFill,
    Conductivity,    // S/m
    FoilSigma,       // a foil's metal, S/m
    FoilThickness,   // ... and its thickness, mm
};

inline constexpr std::size_t kInputCount = static_cast<std::size_t>(Input::FoilThickness) + 1;

// The loss formulas are those of a low-loss dielectric.
inline constexpr double kMaxLossTangent = 0.1;

// A metal's conductivity, S/m: from resistive alloys to silver.
inline constexpr double kLeastConductivity = 1e5;
inline constexpr double kMostConductivity = 1e8;

// D or S given as "touch": the sleeves touch the shield (D = S + Di), or each
// other (S = Di). No length is negative.
inline constexpr double kTouch = -1;

// Reads one number from its text (a length with its unit, an AWG size, ...);
// returns the problem (without the text, which the caller quotes), or the
// empty text when `value` was written.
using NumberReader = std::string (*)(std::string_view text, double& value);

struct InputInfo {
    Input input;
    std::string_view key;         // in JSON and CSV
    std::string_view operand;     // as an operand, in messages ("SD"); empty: not an operand
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
    void clear(Input input)
    {
        values_[index(input)] = 0;
        given_.reset(index(input));
    }

    bool operator==(const CaseInput&) const = default;

private:
    static std::size_t index(Input input) { return static_cast<std::size_t>(input); }

    std::array<double, kInputCount> values_{};
    std::bitset<kInputCount> given_;
};
