#pragma once

#include <vector>

#include "output/Report.h"

// The per-length quantities of an impedance result, each one conductor's in
// the even mode (both driven alike against the shield) or the odd mode
// (driven in opposition), from each mode's capacitance with the dielectrics
// and in vacuum: Z = 1 / (c sqrt(C C0)), L = 1 / (c^2 C0), Er eff = C / C0,
// the velocity factor 1 / sqrt(Er eff), the delay sqrt(Er eff) / c, and the
// Maxwell matrices of the pair, C11 = (Ce + Co) / 2, C12 = (Ce - Co) / 2 (the
// same for L).
struct ModeCapacitances {
    double even = 0;        // F/m
    double odd = 0;         // F/m
    double vacuumEven = 0;  // F/m
    double vacuumOdd = 0;   // F/m
};

// One dielectric Er filling the shield: C = sqrt(Er) / (c Z), C0 = C / Er.
ModeCapacitances homogeneousModes(double ze, double zo, double er);

// Which keys a result lists.
enum class ModeKeys {
    // One dielectric: c_even, c_odd, l_even, l_odd, and the velocity factor vf
    // and the delay the two modes share.
    Shared,
    // The same, then each mode's own figures and the matrices (the converged
    // solution of one dielectric).
    SharedAndModes,
    // Each mode's own figures only (a cable of several dielectrics, whose
    // modes travel at different speeds): c_even ... l_odd, c0_even, c0_odd,
    // eps_eff_*, vf_*, delay_*, skew, c11, c12, l11, l12.
    Modes,
};

void addPerLength(const ModeCapacitances& modes, ModeKeys keys, std::vector<Quantity>& results);
