#pragma once

#include <string>

#include "line/Rlgc.h"

// The loss of the symmetric pair's two modes at one frequency, from the line
// model (Rlgc.h): each mode's attenuation Re(gamma), gamma = sqrt(z y) of its
// modal series impedance and shunt admittance (ModalLine.h), with no small-
// loss approximation. The parts are each loss alone: the conductors' with a
// lossless dielectric, the dielectric's with perfect metal (no resistance
// and no internal inductance, so that one dielectric gives the filled line's
// pi f sqrt(Er) tan(delta) / c); they add up to the whole to first order in
// the losses.
//
// The conductors' part rests on the surface current of the vacuum solution
// (Rhat), so it is exact to the field's bound where the skin depth is small
// against the wire. Where it is not, part of the current's crowding is a
// model: the loss is refused above kMaxSkinDepthOverRadius.

// The rule holds where the skin depth is small against the core: at most
// this fraction of its radius.
inline constexpr double kMaxSkinDepthOverRadius = 0.25;

struct ModeLoss {
    double total = 0;       // dB/m
    double conductor = 0;   // dB/m
    double dielectric = 0;  // dB/m
};

struct PairLoss {
    std::string error;  // empty when the loss holds
    ModeLoss differential;  // the odd mode
    ModeLoss common;        // the even mode
    double skinDepth = 0;   // m
};

// `model` of a symmetric pair; frequency > 0.
PairLoss pairLoss(const RlgcModel& model, double frequency);
