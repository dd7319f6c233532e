#pragma once

#include <array>
#include <string>

#include "field/Matrix2.h"

// What a field solver gives for a cross-section, whatever its shield: the
// per-length capacitance matrices, their bound, the derivatives in each
// region's Er and the surface-charge matrix of the conductor loss.

// The promised relative error of Rhat (estimated: the change from a lower order).
inline constexpr double kSurfaceAccuracy = 1e-8;

enum class FieldStatus {
    Solved,
    Refused,       // out of reach: the reason says why
    NotConverged,  // in reach, but the bound was not met by kMaxOrder: no values
};

struct FieldSolution {
    FieldStatus status = FieldStatus::Refused;
    std::string reason;  // empty exactly when Solved
    bool symmetric = false;  // solved on the symmetric pair's fast path
    int order = 0;           // K with the dielectrics (under a foil, its order)
    int vacuumOrder = 0;     // K in vacuum (under a foil, the same)
    Sym2 c;                  // F/m, Maxwell capacitance matrix
    Sym2 c0;                 // F/m, every Er 1
    // Relative: |V'(C~ - C)V| <= bound V'CV for every V, and the same for C0.
    double bound = 0;
    // F/m per unit Er: sleeve 1, sleeve 2 (zero for a bare core), filler.
    std::array<Sym2, 3> dCdEr;
    // Estimated: |V'(D~ - D)V| Er <= derivativeError V'CV, every region and V.
    double derivativeError = 0;
    // 1/m: the integral over all conductor surfaces of sigma_i sigma_j in the
    // vacuum solution with unit line charge on core i (the shield taking it
    // back); R = Rs * rHat.
    Sym2 rHat;
    Sym2 rHatShield;  // the shield's part of rHat (a foil's, not its drain wire's)
    // Estimated: |V'(R~ - R)V| <= rHatError V'RV.
    double rHatError = 0;
};

