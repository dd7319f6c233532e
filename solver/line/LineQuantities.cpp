#include "line/LineQuantities.h"

#include <cmath>
#include <numbers>

#include "Codata.h"

LineQuantities lineQuantities(double ze, double zo, double er)
{
    const double rootEr = std::sqrt(er);
    const double velocity = kSpeedOfLight / rootEr;
    return {.cEven = 1 / (ze * velocity),
            .cOdd = 1 / (zo * velocity),
            .lEven = ze / velocity,
            .lOdd = zo / velocity,
            .velocityFactor = 1 / rootEr,
            .delay = 1 / velocity};
}

double dielectricAttenuation(double frequency, double er, double tanDelta)
{
    return std::numbers::pi * frequency * std::sqrt(er) * tanDelta / kSpeedOfLight * kNeperInDecibel;
}
