#include "field/FieldOrder.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMinOrder = 4;
constexpr int kOrderMargin = 2;
// ln of the touching case's leading factor, from a scan of touching pairs at
// Er 2.1 and 10 against air.
constexpr double kTouchingLogFactor = 1.3;
// A thin sleeve reflects its middle modes nearly as a conductor does, and
// those set the pace where it touches: the reflection of mode
// kModeScale / ln(P/r) + kModeOffset stands for all (from the same scan,
// sleeves 0.02 to 0.4 shield radii thick).
constexpr double kModeScale = 0.6;
constexpr double kModeOffset = 5;

// Circle p about whose centre the series runs, and circle q at distance d
// outside it: the limit point inside p over p's radius.
double pairDecay(double p, double q, double d)
{
    // In units of d, so that hair-thin cores close together do not underflow.
    p /= d;
    q /= d;
    const double b = 1 + p * p - q * q;
    const double root = std::sqrt(std::max(0.0, b * b - 4 * p * p));
    return std::min(1.0, 2 * p / (b + root));
}

// Circle p at distance e from the centre of the unit shield.
double shieldDecay(double p, double e)
{
    const double b = 1 - e * e - p * p;
    const double root = std::sqrt(std::max(0.0, b * b - 4 * e * e * p * p));
    return std::min(1.0, 2 * e * p / (b + root));
}

// The worst decay over both circles for radii taken from `radius`.
template <typename Radius>
double worstDecay(const Layout& layout, Radius radius)
{
    const Region& a = layout.regions[0];
    const Region& b = layout.regions[1];
    const double d = std::abs(a.centre - b.centre);
    return std::max({pairDecay(radius(a), radius(b), d), pairDecay(radius(b), radius(a), d),
                     shieldDecay(radius(a), std::abs(a.centre)), shieldDecay(radius(b), std::abs(b.centre))});
}

double geometricOrder(double decay, double target)
{
    return decay < 1 ? std::log(target) / (2 * std::log(decay)) : HUGE_VAL;
}

}  // namespace

int initialOrder(const Layout& layout, double target, int maxOrder)
{
    double order = geometricOrder(worstDecay(layout, [](const Region& r) { return r.core; }), target);
    double reflection = 0;
    for (const Region& r : layout.regions)
        if (!r.isVirtual) {
            const double mode = std::min(1e6, std::ceil(kModeScale / r.logRatio + kModeOffset));
            reflection = std::max(reflection, std::fabs(::reflection(r, layout.filler, static_cast<int>(mode))));
        }
    if (reflection * reflection > target) {
        const double sleeveDecay = worstDecay(layout, [](const Region& r) { return r.radius; });
        const double geometric = geometricOrder(sleeveDecay, target / (reflection * reflection));
        const double rate = 4 * std::sqrt(-std::log(reflection));
        const double touching = std::pow((kTouchingLogFactor - std::log(target)) / rate, 2);
        order = std::max(order, std::min(geometric, touching));
    }
    if (!(order < maxOrder - kOrderMargin))
        return maxOrder;
    return std::max(kMinOrder, static_cast<int>(std::ceil(order)) + kOrderMargin);
}
