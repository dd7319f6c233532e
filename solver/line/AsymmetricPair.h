#pragma once

#include <array>
#include <string>

#include "field/FieldSolution.h"
#include "field/Matrix2.h"

// The lossless line of any two-core cross-section, equal cores or not, from
// its C and C0: the two propagation modes (eigenvectors of L C), the
// characteristic impedance matrix and what a designer reads off it in
// mixed mode. For a symmetric pair it is what PairModes.h gives.
//
// Mixed mode as in MixedMode.h (Vd = V1 - V2, Id = (I1 - I2)/2, Vc =
// (V1 + V2)/2, Ic = I1 + I2) on Zc: Zdiff = Z11 + Z22 - 2 Z12,
// Zcm = (Z11 + Z22 + 2 Z12)/4, and the coupling zDc = (Z11 - Z22)/2, the
// common voltage a differential current drives (and the other way round),
// zero exactly when the pair is symmetric.

struct LineMode {
    // The voltages on cores 1 and 2, the larger 1; the common-like mode's
    // entries share a sign, the differential-like mode's do not.
    std::array<double, 2> voltage{};
    double effectiveEr = 0;
    double delay = 0;  // s/m
    // V_i / I_i of each core when the mode travels alone, ohm: Ze and Zo of
    // a symmetric pair.
    std::array<double, 2> coreImpedance{};
};

struct AsymmetricFigures {
    Sym2 c;   // F/m, Maxwell
    Sym2 c0;  // F/m, every Er 1
    Sym2 l;   // H/m, mu0 eps0 C0^-1
    Sym2 zc;  // ohm, characteristic impedance matrix: V = Zc I of a forward wave
    std::array<LineMode, 2> modes;  // common-like, differential-like
    double zDiff = 0;    // ohm
    double zCommon = 0;  // ohm
    double zDc = 0;      // ohm
    // s/m: core 1's delay less core 2's, each a single line against the
    // shield with the other core held at the shield's potential,
    // sqrt(Cii / C0ii) / c.
    double skewIntra = 0;
    double skewModal = 0;  // s/m: the common-like mode's delay less the differential-like one's
};

struct AsymmetricPair {
    std::string error;  // empty when the figures hold
    AsymmetricFigures figures;
    // Estimated, first order: the largest change of each figure when C and
    // C0 each move anywhere within the solution's bound (|V' dC V| <= b V'CV),
    // in the figure's own unit; the delays and skews at least their proved
    // share (see asymmetricPair()). Where the modes are near degenerate (one
    // dielectric) their voltages and core impedances are that unsure too;
    // Zc and the mixed-mode figures are not.
    AsymmetricFigures bounds;
};

AsymmetricPair asymmetricPair(const FieldSolution& solution);

// The figures of C and C0 alone (F/m), as asymmetricPair() makes them.
AsymmetricFigures asymmetricFigures(const Sym2& c, const Sym2& c0);
