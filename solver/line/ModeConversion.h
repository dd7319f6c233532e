#pragma once

#include <array>
#include <string>

#include "field/CrossSection.h"
#include "field/FieldSolution.h"
#include "line/ComplexMatrix.h"
#include "line/Rlgc.h"

// How much of one mode a length of the pair hands on as the other: the
// mixed-mode S of its exact network (LineSweep.h, MixedMode.h; references
// 100 and 25 ohm), and each mode's attenuation from the modes of Z Y. A pair
// symmetric about the mirror line between its cores converts nothing.

struct ModeConversion {
    std::string error;  // empty when the figures hold
    // |S| of the far end over the near end, linear.
    double sdd21 = 0, scc21 = 0, scd21 = 0, sdc21 = 0;
    Complex scd21Value;  // Scd21 itself: its modulus has no derivative where it is zero
    // Estimated absolute error of each |S|: the larger of the network's own
    // (Z and Y scaled by their bounds) and the first-order worst case of C
    // and C0 moving anywhere within the field's bound, which the conversion
    // of a near-symmetric pair feels and a scaling does not.
    double errorEstimate = 0;
    // dB/m, Re gamma of the common-like and the differential-like mode of Z Y.
    std::array<double, 2> attenuation{};
};

// `frequency` > 0 Hz, `length` > 0 m. Without `estimateError` the estimate
// (a dozen more networks) is left at 0.
ModeConversion modeConversion(const CrossSection& section, const FieldSolution& solution,
                              const LineLosses& losses, double frequency, double length, bool estimateError = true);
