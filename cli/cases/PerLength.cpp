#include "cases/PerLength.h"

#include <cmath>

#include "Codata.h"

namespace {

constexpr double kPico = 1e12, kNano = 1e9;
constexpr Group kGroup = Group::PerLength;

struct Mode {
    double c, c0;
    double inductance() const { return 1 / (kSpeedOfLight * kSpeedOfLight * c0); }
    double effectiveEr() const { return c / c0; }
    double delay() const { return std::sqrt(effectiveEr()) / kSpeedOfLight; }
};

}  // namespace

ModeCapacitances homogeneousModes(double ze, double zo, double er)
{
    const double rootEr = std::sqrt(er);
    const double even = rootEr / (kSpeedOfLight * ze), odd = rootEr / (kSpeedOfLight * zo);
    return {.even = even, .odd = odd, .vacuumEven = even / er, .vacuumOdd = odd / er};
}

void addPerLength(const ModeCapacitances& modes, ModeKeys keys, std::vector<Quantity>& results)
{
    const Mode even{modes.even, modes.vacuumEven}, odd{modes.odd, modes.vacuumOdd};
    results.insert(results.end(), {{"c_even", "C even", even.c * kPico, Unit::PicofaradPerLength, kGroup},
                                   {"c_odd", "C odd", odd.c * kPico, Unit::PicofaradPerLength, kGroup}});
    if (keys == ModeKeys::Modes)
        results.insert(results.end(),
                       {{"c0_even", "C0 even", even.c0 * kPico, Unit::PicofaradPerLength, kGroup},
                        {"c0_odd", "C0 odd", odd.c0 * kPico, Unit::PicofaradPerLength, kGroup}});
    results.insert(results.end(),
                   {{"l_even", "L even", even.inductance() * kNano, Unit::NanohenryPerLength, kGroup},
                    {"l_odd", "L odd", odd.inductance() * kNano, Unit::NanohenryPerLength, kGroup}});
    if (keys != ModeKeys::Modes)
        results.insert(results.end(),
                       {{"vf", "Velocity factor", 1 / std::sqrt(even.effectiveEr()), Unit::None, kGroup},
                        {"delay", "Delay", even.delay() * kNano, Unit::NanosecondPerLength, kGroup}});
    if (keys == ModeKeys::Shared)
        return;
    if (keys == ModeKeys::SharedAndModes)
        results.insert(results.end(),
                       {{"c0_even", "C0 even", even.c0 * kPico, Unit::PicofaradPerLength, kGroup},
                        {"c0_odd", "C0 odd", odd.c0 * kPico, Unit::PicofaradPerLength, kGroup}});
    results.insert(results.end(),
                   {{"eps_eff_even", "Er eff even", even.effectiveEr(), Unit::None, kGroup},
                    {"eps_eff_odd", "Er eff odd", odd.effectiveEr(), Unit::None, kGroup},
                    {"vf_even", "VF even", 1 / std::sqrt(even.effectiveEr()), Unit::None, kGroup},
                    {"vf_odd", "VF odd", 1 / std::sqrt(odd.effectiveEr()), Unit::None, kGroup},
                    {"delay_even", "Delay even", even.delay() * kNano, Unit::NanosecondPerLength, kGroup},
                    {"delay_odd", "Delay odd", odd.delay() * kNano, Unit::NanosecondPerLength, kGroup},
                    {"skew", "Skew", (even.delay() - odd.delay()) * kPico, Unit::PicosecondPerLength, kGroup},
                    {"c11", "C11", (even.c + odd.c) / 2 * kPico, Unit::PicofaradPerLength, kGroup},
                    {"c12", "C12", (even.c - odd.c) / 2 * kPico, Unit::PicofaradPerLength, kGroup},
                    {"l11", "L11", (even.inductance() + odd.inductance()) / 2 * kNano, Unit::NanohenryPerLength,
                     kGroup},
                    {"l12", "L12", (even.inductance() - odd.inductance()) / 2 * kNano, Unit::NanohenryPerLength,
                     kGroup}});
}
