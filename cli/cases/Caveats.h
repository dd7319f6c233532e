#pragma once

#include <string>

#include "commands/FiveChargeDeviation.h"

// Caveats beside an impedance case's results: said on standard error and in
// the warning field, they leave the exit status alone. Each is empty where
// there is nothing to say.

// The five-charge figure against the converged one: a warning where Ze or Zo
// is off by more than kNotableDeviation, with the converged figure and the
// way out (--method converged), or where it cannot be checked. `scale`
// turns an impedance for air into the case's (1 / sqrt(Er)).
std::string accuracyWarning(const FiveChargeDeviation& deviation, double scale, bool english);

// Er below 1, which no material has, or above any cable dielectric.
std::string erWarning(double er, bool english);

// The largest Er of a cable dielectric; ceramic-loaded PTFE reaches about 10.
inline constexpr double kMaxCableEr = 12;
