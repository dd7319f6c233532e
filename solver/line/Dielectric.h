#pragma once

#include <complex>
#include <string>

// A dielectric's complex relative permittivity Er' - j Er'' over frequency
// (time going as e^(j omega t)), from its Er and loss tangent at one frequency.
//
// A constant loss tangent keeps Er and tan(delta) at every frequency. No
// causal material does that: Kramers-Kronig ties a loss to a fall of Er with
// frequency, so a line built on it answers a step before the step arrives
// (a precursor of the order of tan(delta) in the delay), and its G grows as f
// down to DC, where a real material's loss fades. The wideband model is a
// Djordjevic-Sarkar one (Djordjevic, Biljic, Likar-Smiljanic and Sarkar,
// "Wideband frequency-domain characterization of FR-4 and time-domain
// causality", IEEE Trans. EMC 43(4), 2001): a continuum of Debye relaxations
// spread evenly over log f from `low` to `high`,
//   Er(f) = Er_inf + dEr ln((f_high + j f)/(f_low + j f)) / ln(f_high/f_low),
// each term causal, so the sum is; its loss tangent is nearly flat inside the
// band and falls off outside it. dEr and Er_inf are fitted so that Er(f_fit)
// is the given Er (1 - j tan(delta)) exactly.

struct LossyDielectric {
    double er = 1;
    double tanDelta = 0;
};

enum class DielectricModel { ConstantLossTangent, Wideband };

// The wideband model's band and the frequency its material figures hold at.
struct DielectricBand {
    double fitFrequency = 1e9;  // Hz
    double low = 1e3;           // Hz
    double high = 1e12;         // Hz
};

struct Permittivity {
    std::string error;  // empty when the material could be fitted
    DielectricModel model = DielectricModel::ConstantLossTangent;
    LossyDielectric material;
    DielectricBand band;
    double erInfinity = 0;  // wideband: Er far above the band
    double erStep = 0;      // wideband: Er(0) - Er_inf

    std::complex<double> at(double frequency) const;
};

Permittivity fitPermittivity(const LossyDielectric& material, DielectricModel model, const DielectricBand& band);
