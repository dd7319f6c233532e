#include "line/ConductorLoss.h"

#include <cmath>
#include <numbers>

#include "Codata.h"

double skinDepth(double frequency, double conductivity)
{
    return 1 / std::sqrt(std::numbers::pi * frequency * kMu0 * conductivity);
}

double inductanceSlope(const RecededInductance& inductance, double step)
{
    return (inductance(step) - inductance(-step)) / (2 * step);
}

double conductorAttenuation(double slope, double frequency, double conductivity, double impedance)
{
    const double surfaceResistance = std::sqrt(std::numbers::pi * frequency * kMu0 / conductivity);
    const double resistance = surfaceResistance / kMu0 * slope;
    return resistance / (2 * impedance);
}
