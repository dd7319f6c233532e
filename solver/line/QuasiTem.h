#pragma once

#include "field/CrossSection.h"

// Where the circuit model holds: below the cut-off of the first mode of the
// shielded structure beyond the two TEM ones, a per-length model describes the
// line; above it, power leaks into a waveguide mode the model does not have.
//
// The estimate is the TE11 cut-off of a coaxial line, k_c = 2/(R + r)
// (Marcuvitz, Waveguide Handbook, 1951, section 2.4; Pozar, Microwave
// Engineering, section 3.5), with R the shield's radius, r the larger core's
// and the largest permittivity of any region:
//   f_c = c / (pi (R + r) sqrt(Er_max)).
// For one core in the centre the exact root is up to 3 % above it and 8 % below
// it for R/r from 1.2 to 100; two cores off the centre are not a coaxial line, so
// for the pair it is an estimate, not a bound: warn well before it. Under a
// foil, R is the stadium's half length.
double quasiTemLimit(const CrossSection& section);
