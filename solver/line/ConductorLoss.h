#pragma once

// Conductor loss by the incremental-inductance rule: the series resistance
// per length of a mode is (Rs / mu0) dL/dn, where L(n) is the mode's
// inductance when every conductor surface recedes by n into its metal, and
// Rs = sqrt(pi f mu0 / sigma) is the surface resistance.

// Depth (m) at which the current density falls to 1/e: 1 / sqrt(pi f mu0 sigma).
double skinDepth(double frequency, double conductivity);

// dL/dn (H/m per m) as the central difference of a mode's inductance (H/m)
// with every conductor surface receded by `step` (m) and advanced by it; half
// a skin depth is the natural step, and the result must not depend on it.
double inductanceSlope(double receded, double advanced, double step);

// Attenuation (Np/m) of a mode of impedance `impedance` (ohm, in the
// dielectric) whose inductance rises by `slope` (dL/dn): R / (2 Z).
double conductorAttenuation(double slope, double frequency, double conductivity, double impedance);
