#pragma once

// Per-length quantities of the cable's two modes, in SI units, from the mode
// impedances in the dielectric. Each is one conductor's: the even mode drives
// both conductors alike against the shield, the odd mode in opposition.
struct LineQuantities {
    double cEven = 0, cOdd = 0;  // capacitance, F/m
    double lEven = 0, lOdd = 0;  // inductance, H/m
    double velocityFactor = 0;   // v / c = 1 / sqrt(Er)
    double delay = 0;            // s/m, the same for both modes (TEM)
};

// ze, zo in ohm for the dielectric Er (> 0).
LineQuantities lineQuantities(double ze, double zo, double er);

// Attenuation of the dielectric, dB/m, at `frequency` (Hz) for a loss tangent
// `tanDelta`: pi f sqrt(Er) tan(delta) / c nepers per metre, the same for both
// modes since the dielectric fills the whole cross-section.
double dielectricAttenuation(double frequency, double er, double tanDelta);
