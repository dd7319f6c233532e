#include "line/TemLimit.h"

#include <cmath>
#include <numbers>

#include "Codata.h"

double temLimit(double shieldRadius, double coreRadius, double largestEr)
{
    return kSpeedOfLight / (std::numbers::pi * (shieldRadius + coreRadius) * std::sqrt(largestEr));
}
