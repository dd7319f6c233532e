#pragma once

#include "line/ComplexMatrix.h"
#include "line/LineNetwork.h"

// Mixed-mode ports of the pair at each end (Bockelman and Eisenstadt,
// "Combined differential and common-mode scattering parameters", IEEE Trans.
// MTT 43(7), 1995): Vd = V1 - V2, Id = (I1 - I2)/2, Vc = (V1 + V2)/2,
// Ic = I1 + I2. The change keeps the power, so with V = q V_mm at each end
// the admittance becomes q' Y q and the impedance q^-1 Z q'^-1.

// Ports in the order d near, d far, c near, c far: Sdd is the top-left
// 2 x 2, the differential mode's two-port. References in ohm (100 and 25
// match single-ended 50 ohm ports).
Mat4 mixedModeScattering(const EndNetworks& ends, double differentialReference = 100, double commonReference = 25);
