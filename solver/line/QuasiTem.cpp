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
    const double shieldRadius = std::get<RoundShield>(section.shield).diameter / 2;
    return kSpeedOfLight / (std::numbers::pi * (shieldRadius + coreRadius) * std::sqrt(erMax));
}
