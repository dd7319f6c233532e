#pragma once

#include <string>

class ConvergedSolver;

// Loss of the twin-core cable at one frequency, on the converged model: the
// dielectric's from its loss tangent, the conductors' by the incremental-
// inductance rule, the even- and odd-mode inductances differentiated as
// every conductor surface (both cores and the shield) recedes into its metal
// with the centres fixed.
struct LossRequest {
    double sd = 0;
    double dd = 0;
    double wireDiameter = 0;    // m: the rule needs the skin depth against a real size
    double er = 1;
    double frequency = 0;       // Hz
    double tanDelta = 0;        // loss tangent of the dielectric
    double conductivity = 5.8e7;  // S/m, copper
    // Recession step of the derivative as a fraction of the skin depth; the
    // result must not depend on it (tests shrink it).
    double stepInSkinDepths = 0.5;
};

struct TwinLoss {
    double alphaDiff = 0;        // dB/m, differential (odd) mode: conductors plus dielectric
    double alphaCm = 0;          // dB/m, common (even) mode: conductors plus dielectric
    double alphaDielectric = 0;  // dB/m, the dielectric's part, the same in both modes
    double skinDepth = 0;        // m
    std::string error;           // empty on success
};

// The rule holds where the skin depth is small against the core: at most
// this fraction of its radius.
inline constexpr double kMaxSkinDepthOverRadius = 0.25;

TwinLoss twinLoss(ConvergedSolver& solver, const LossRequest& request);
