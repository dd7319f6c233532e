#pragma once

#include <string>
#include <string_view>

// Number text in and out, independent of the C library's locale: "." is the
// decimal separator whatever LC_NUMERIC says.

// Accepts spaces around, an optional sign, digits with an optional ".", and an
// optional exponent (E or e, optional sign, digits). Nothing else: no "inf",
// "nan", hex, thousands separators, or values outside the range of a double.
bool parseNumber(std::string_view text, double& value);

enum class NumberParse {
    Ok,
    NotANumber,  // not of the grammar above
    OutOfRange,  // of the grammar, but too large for a double or too close to 0 (1e400, 1e-400)
};

// As parseNumber, telling why a text was refused; `value` is written only
// with Ok.
NumberParse parseNumberText(std::string_view text, double& value);

// Fixed-point with exactly `decimals` digits after the point (at least one
// before it), rounded to nearest; no exponent, no grouping. A value that
// rounds to zero carries no minus sign. Non-finite values give "nan", "inf"
// or "-inf", which callers are expected never to pass.
std::string formatFixed(double value, int decimals);

// `digits` significant digits, in exponent form only where the value needs
// it ("0.01", "1.5e-07"), as messages show a number.
std::string formatSignificant(double value, int digits);

// The shortest text that reads back to the same double, in plain decimals
// from 1e-6 to 1e21 ("0.1", "1500000", "0.000033") and in exponent form
// outside ("1e-07", "1e+300"), so that a column of like values keeps one
// form; zero carries no sign.
std::string formatShortest(double value);
void appendShortest(std::string& text, double value);

// Exponent form with `digits` after the point: 3.4e-13 for one.
std::string formatExponent(double value, int digits);
