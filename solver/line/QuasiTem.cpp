#include "line/QuasiTem.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <variant>

#include "Codata.h"

double quasiTemLimit(const CrossSection& section)
{
    double erMax = section.fillerEr, coreRadius = 0;
    for (const Core& core : section.cores) {
        if (!isBare(core))
            erMax = std::max(erMax, core.sleeveEr);
        coreRadius = std::max(coreRadius, core.diameter / 2);
    }
    // Under a foil, the stadium's half length stands for the radius: the
    // widest span decides the first waveguide mode.
    double shieldRadius = 0;
    if (const auto* round = std::get_if<RoundShield>(&section.shield)) {
        shieldRadius = round->diameter / 2;
    } else {
        const double clearance = std::get<FoilShield>(section.shield).clearance;
        for (const Core& core : section.cores)
            shieldRadius = std::max(shieldRadius, std::hypot(core.x, core.y) + core.sleeveDiameter / 2 + clearance);
    }
    return kSpeedOfLight / (std::numbers::pi * (shieldRadius + coreRadius) * std::sqrt(erMax));
}
