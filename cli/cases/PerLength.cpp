#include "cases/PerLength.h"

#include "line/LineQuantities.h"

void addPerLength(double ze, double zo, double er, std::vector<Quantity>& results)
{
    const LineQuantities line = lineQuantities(ze, zo, er);
    constexpr double kPico = 1e12, kNano = 1e9;
    constexpr Group kGroup = Group::PerLength;
    results.insert(results.end(), {{"c_even", "C even", line.cEven * kPico, Unit::PicofaradPerLength, kGroup},
                                   {"c_odd", "C odd", line.cOdd * kPico, Unit::PicofaradPerLength, kGroup},
                                   {"l_even", "L even", line.lEven * kNano, Unit::NanohenryPerLength, kGroup},
                                   {"l_odd", "L odd", line.lOdd * kNano, Unit::NanohenryPerLength, kGroup},
                                   {"vf", "Velocity factor", line.velocityFactor, Unit::None, kGroup},
                                   {"delay", "Delay", line.delay * kNano, Unit::NanosecondPerLength, kGroup}});
}
