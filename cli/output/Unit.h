#pragma once

#include <string_view>

// The unit a measure is in, in JSON and CSV alike, and how text shows it. A
// percent is a ratio in JSON (0.01) and a signed percentage in text
// (+1.000 %); a relative error is shown with two digits in exponent form
// (3.4e-13), as fixed decimals would show 0.
enum class Unit {
    None,
    Ohm,
    CoreRadius,  // a length in core radii, r
    Percent,
    RelativeError,
    Millimetre,
    Micrometre,
    PicofaradPerMetre,
    NanohenryPerMetre,
    NanosecondPerMetre,
    DecibelPerMetre,
    Hertz,
    SiemensPerMetre,
};

// The unit's symbol as text shows it after a value ("pF/m"); empty for none,
// a percent and a relative error.
std::string_view unitSymbol(Unit unit);
