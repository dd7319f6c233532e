#pragma once

#include <vector>

#include "output/Report.h"

// The per-length quantities of an impedance result, each one conductor's in
// the even mode (both driven alike against the shield) or the odd mode
// (driven in opposition): capacitance c_even, c_odd (pF/m), inductance
// l_even, l_odd (nH/m), and the velocity factor vf and the delay (ns/m),
// which the two modes share. Ze and Zo in ohm for the dielectric Er.
void addPerLength(double ze, double zo, double er, std::vector<Quantity>& results);
