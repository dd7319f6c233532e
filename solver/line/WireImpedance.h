#pragma once

#include <complex>

// The internal impedance per length of an isolated round wire carrying its
// current against a return far away: Zw = Rdc (z/2) J0(z)/J1(z) with
// z = (1 - j) r/delta, exact from DC up (Schelkunoff, "The electromagnetic
// theory of coaxial transmission lines and cylindrical shields", Bell System
// Technical Journal 13, 1934). It tends to Rdc + j omega mu0/(8 pi) at low
// frequency and to (1 + j) Rs/(2 pi r) where the skin depth is small.

// Zw/Rdc - 1 for radiusOverSkinDepth = r/delta >= 0, without the cancellation
// the difference would suffer near DC; relative error about 1e-15.
std::complex<double> wireExcessRatio(double radiusOverSkinDepth);
