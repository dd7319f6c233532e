#pragma once

#include <string>
#include <string_view>

// The unit a measure is in, in JSON and CSV alike, and how text shows it. A
// percent is a ratio in JSON (0.01) and a signed percentage in text
// (+1.000 %); a relative error is shown with two digits in exponent form
// (3.4e-13), as fixed decimals would show 0.
enum class Unit {
    None,
    Ohm,
    MilliohmPerLength,
    CoreRadius,  // a length in core radii, r
    Percent,
    RelativeError,
    Millimetre,
    Micrometre,
    PicofaradPerLength,
    NanohenryPerLength,
    NanosecondPerLength,
    PicosecondPerLength,
    DecibelPerLength,
    Hertz,
    SiemensPerMetre,
    Metre,
    Decibel,
};

// The length a per-length quantity is given per (--per): its values are
// per metre until they are written.
enum class LengthBasis { Metre, Kilometre, Foot, HundredMetres, HundredFeet };

inline constexpr LengthBasis kLengthBases[] = {LengthBasis::Metre, LengthBasis::Kilometre, LengthBasis::Foot,
                                               LengthBasis::HundredMetres, LengthBasis::HundredFeet};

// "m", "km", "ft", "100m", "100ft": in symbols and on the command line.
std::string_view basisName(LengthBasis basis);

// Whether a measure in `unit` is per length: capacitance, inductance, delay, loss.
bool isPerLength(Unit unit);

// What a value per metre is per `basis`: the basis's length in metres.
double metresPer(LengthBasis basis);

// The unit's symbol as text shows it after a value ("pF/m", "dB/100ft");
// empty for none, a percent and a relative error.
std::string unitSymbol(Unit unit, LengthBasis per = LengthBasis::Metre);
