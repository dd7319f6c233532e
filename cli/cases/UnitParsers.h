#pragma once

#include <string>
#include <string_view>

// Lengths and frequencies as engineers write them: a number with a unit
// (mm, um, m, in, mil; Hz, kHz, MHz, GHz), and solid wire by its AWG size.

// Reads a positive finite length into millimetres; a bare number is mm, and
// blanks may stand between the number and its unit. Returns the problem, or
// the empty text when `mm` was written.
std::string parseLength(std::string_view text, double& mm);

// Reads a finite length of either sign (a displacement) into millimetres.
std::string parseSignedLength(std::string_view text, double& mm);

// Reads a positive finite frequency into hertz; a bare number is Hz. Returns
// the problem, or the empty text when `hz` was written.
std::string parseFrequency(std::string_view text, double& hz);

// Reads an exact 0 as itself (a foil drawn tight, DC), anything else with
// `parse`; a text neither takes is told that 0 was possible, and what it
// means (`zeroMeans`: "" or " for DC").
std::string parseZeroOr(std::string (*parse)(std::string_view text, double& value), std::string_view text,
                        double& value, std::string_view zeroMeans);

// The AWG sizes read, as the numbers the diameter formula takes.
inline constexpr int kThickestAwg = -3;  // 0000
inline constexpr int kThinnestAwg = 40;

// Reads an AWG size, 0000 to 40, the aughts also as 1/0 to 4/0, as the
// number the diameter formula takes: 0 for size 0 (1/0), -1 for 00, -3 for
// 0000. Returns the problem,
// or the empty text when `size` was written.
std::string parseAwgSize(std::string_view text, int& size);

// The diameter of solid wire of AWG size n (0 for size 0, -3 for 0000), mm:
// 0.127 mm times 92 to the power (36 - n) / 39.
double awgDiameterMm(int n);
