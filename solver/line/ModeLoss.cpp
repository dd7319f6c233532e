#include "line/ModeLoss.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

#include "Codata.h"
#include "line/ModalLine.h"
#include "SolverTexts.h"

namespace {

// Attenuation (dB/m) of a line of z = r + j omega l and y = g + j omega c.
double attenuation(double r, double l, double g, double c, double omega)
{
    const std::complex<double> z(r, omega * l), y(g, omega * c);
    return std::sqrt(z * y).real() * kNeperInDecibel;
}

}  // namespace

PairLoss pairLoss(const RlgcModel& model, double frequency)
{
    PairLoss loss;
    if (!model.error().empty()) {
        loss.error = std::string(kLossPrefix) + model.error();
        return loss;
    }
    if (!(frequency > 0 && std::isfinite(frequency))) {
        loss.error = std::string(kLossPrefix) + std::string(kFrequencyNotPositiveText);
        return loss;
    }
    const double sigma = model.losses().conductivity;
    loss.skinDepth = std::isinf(sigma) ? 0 : 1 / std::sqrt(std::numbers::pi * frequency * kMu0 * sigma);
    const double radius = std::min(model.radii()[0], model.radii()[1]);
    if (!(loss.skinDepth <= kMaxSkinDepthOverRadius * radius)) {
        loss.error = skinDepthTooLargeText(loss.skinDepth, radius);
        return loss;
    }
    const Rlgc perLength = model.at(frequency);
    Rlgc idealMetal = perLength;
    idealMetal.r = {};
    idealMetal.l = model.externalInductance();
    const ModalLine modes = modalLine(perLength), ideal = modalLine(idealMetal);
    const double omega = 2 * std::numbers::pi * frequency;
    // The even mode's voltages have one sign: (1, 1).
    const int even = modes.voltage.a * modes.voltage.c > 0 ? 0 : 1;
    for (const int k : {0, 1}) {
        ModeLoss& mode = k == even ? loss.common : loss.differential;
        mode.total = attenuation(modes.r[k], modes.l[k], modes.g[k], modes.c[k], omega);
        mode.conductor = attenuation(modes.r[k], modes.l[k], 0, modes.c[k], omega);
        mode.dielectric = attenuation(0, ideal.l[k], ideal.g[k], ideal.c[k], omega);
    }
    return loss;
}
