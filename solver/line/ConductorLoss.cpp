#include "line/ConductorLoss.h"

#include <cmath>
#include <numbers>

#include "Codata.h"

double skinDepth(double frequency, double conductivity)
{
    return 1 / std::sqrt(std::numbers::pi * frequency * kMu0 * conductivity);
}

double inductanceSlope(double receded, double advanced, double step)
{
    return (receded - advanced) / (2 * step);
}

double conductorAttenuation(double slope, double frequency, double conductivity, double impedance)
{
    const double surfaceResistance = std::sqrt(std::numbers::pi * frequency * kMu0 / conductivity);
    const double resistance = surfaceResistance / kMu0 * slope;
    return resistance / (2 * impedance);
}
