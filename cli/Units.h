#pragma once

#include <string>
#include <string_view>

// Lengths as engineers write them: a number with a unit (mm, um, m, in, mil;
// a bare number is mm), and solid wire by its AWG size.

// Reads a positive finite length into millimetres. Returns the problem, or the
// empty text when `mm` was written.
std::string parseLength(std::string_view text, double& mm);

// Reads an AWG size, 0000 (also 4/0) to 40, into the solid wire's diameter in
// millimetres. Returns the problem, or the empty text when `mm` was written.
std::string parseAwg(std::string_view text, double& mm);

// The diameter of solid wire of AWG size n (0 for size 0, -3 for 0000), mm:
// 0.127 mm times 92 to the power (36 - n) / 39.
double awgDiameterMm(int n);
