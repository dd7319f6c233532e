#pragma once

#include <optional>
#include <string_view>

// The sleeve's and the filler's dielectric, given as an Er or by a material
// of the solver's table (air, pe, ptfe, ...). A material is held as its code
// among the numbers of a case (negative, where no Er is), so that sweeps and
// batch lines take names as well as numbers, and resolved where the case is
// calculated: its Er, and its loss tangent unless one is given.

// The code of the material called `name`, or nothing.
std::optional<double> materialCode(std::string_view name);

struct Dielectric {
    double er = 1;
    double tanDelta = 0;  // the material's; 0 for a bare number
    std::string_view material;  // empty for a bare number
};

// `value`: an Er, or a material's code.
Dielectric dielectricOf(double value);
