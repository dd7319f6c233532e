#include "ConductorLoss.h"

#include <cmath>
#include <numbers>

#include "Codata.h"

double skinDepth(double frequency, double conductivity)
{
    return 1 / std::sqrt(std::numbers::pi * frequency * kMu0 * conductivity);
}

double conductorAttenuation(const RecededInductance& inductance, double frequency, double conductivity,
                            double impedance, double step)
{
    const double surfaceResistance = std::sqrt(std::numbers::pi * frequency * kMu0 / conductivity);
    const double slope = (inductance(step) - inductance(-step)) / (2 * step);
    const double resistance = surfaceResistance / kMu0 * slope;
    return resistance / (2 * impedance);
}
