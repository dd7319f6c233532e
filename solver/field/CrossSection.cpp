#include "field/CrossSection.h"

#include <algorithm>
#include <cmath>
#include <type_traits>
#include <vector>

#include "field/FoilGeometry.h"
#include "NumberText.h"
#include "SolverTexts.h"

namespace {

bool finite(const Core& c)
{
    return std::isfinite(c.x) && std::isfinite(c.y) && std::isfinite(c.diameter) && std::isfinite(c.sleeveDiameter) &&
           std::isfinite(c.sleeveOffsetX) && std::isfinite(c.sleeveOffsetY) && std::isfinite(c.sleeveEr);
}

// Written as "passes unless" throughout, so that NaN fails.
std::string coreError(const Core& c, int index)
{
    if (!(c.diameter > 0))
        return coreName(index) + std::string(kCoreDiameterNotPositiveText);
    if (!(c.sleeveDiameter >= c.diameter))
        return coreName(index) + std::string(kSleeveNarrowerThanCoreText);
    if (!(c.sleeveEr > 0))
        return coreName(index) + std::string(kSleeveErNotPositiveText);
    if (isEccentric(c) && isBare(c))
        return coreName(index) + std::string(kOffsetOnBareCoreText);
    if (isEccentric(c) && !(std::hypot(c.sleeveOffsetX, c.sleeveOffsetY) < (c.sleeveDiameter - c.diameter) / 2))
        return coreName(index) + std::string(kConductorThroughSleeveText);
    return {};
}

double sleeveX(const Core& c)
{
    return c.x + c.sleeveOffsetX;
}

double sleeveY(const Core& c)
{
    return c.y + c.sleeveOffsetY;
}

std::string placementError(const CrossSection& s, double shieldRadius)
{
    const auto& [a, b] = s.cores;
    for (int i = 0; i < 2; ++i) {
        const Core& c = s.cores[i];
        if (!(std::hypot(c.x, c.y) + c.diameter / 2 < shieldRadius))
            return coreName(i) + std::string(kCoreThroughShieldText);
        if (!(std::hypot(sleeveX(c), sleeveY(c)) + c.sleeveDiameter / 2 <= shieldRadius * (1 + kTouchTolerance)))
            return coreName(i) + std::string(kSleeveThroughShieldText);
    }
    if (!(std::hypot(a.x - b.x, a.y - b.y) > (a.diameter + b.diameter) / 2))
        return std::string(kCoresOverlapText);
    const double sleeves = std::hypot(sleeveX(a) - sleeveX(b), sleeveY(a) - sleeveY(b));
    if (!(sleeves * (1 + kTouchTolerance) >= (a.sleeveDiameter + b.sleeveDiameter) / 2))
        return std::string(kSleevesOverlapText);
    return {};
}

std::string gapError(const CrossSection& s, double shieldRadius)
{
    const auto& [a, b] = s.cores;
    std::vector<ConductorGap> gaps;
    const double distance = std::hypot(a.x - b.x, a.y - b.y);
    gaps.push_back({"core to core", (distance - (a.diameter + b.diameter) / 2) / (std::min(a.diameter, b.diameter) / 2)});
    for (int i = 0; i < 2; ++i) {
        const Core& c = s.cores[i];
        gaps.push_back({"core " + std::to_string(i + 1) + " to shield",
                        (shieldRadius - std::hypot(c.x, c.y) - c.diameter / 2) / (c.diameter / 2)});
    }
    return narrowGapRefusal(gaps);
}

}  // namespace

std::string narrowGapRefusal(const std::vector<ConductorGap>& gaps)
{
    // A gap of 0.01 r as typed comes out of the sums a hair below.
    constexpr double kMinGapAfterRounding = kMinConductorGap * (1 - 1e-12);
    std::string narrow;
    for (const ConductorGap& g : gaps)
        if (!(g.gap >= kMinGapAfterRounding))
            narrow += (narrow.empty() ? "" : ", ") + g.what + " " + formatSignificant(g.gap, kTextDigits) + " r";
    if (narrow.empty())
        return {};
    return std::string(kFieldGapTooNarrowStart) + formatSignificant(kMinConductorGap, kTextDigits) + " r): " + narrow;
}

bool isBare(const Core& core)
{
    return core.sleeveDiameter == core.diameter;
}

bool isEccentric(const Core& core)
{
    return core.sleeveOffsetX != 0 || core.sleeveOffsetY != 0;
}

std::string crossSectionRefusal(const CrossSection& s)
{
    const bool finiteShield = std::visit(
        [](const auto& shield) {
            if constexpr (std::is_same_v<std::decay_t<decltype(shield)>, RoundShield>)
                return std::isfinite(shield.diameter);
            else
                return std::isfinite(shield.clearance) && std::isfinite(shield.drainDiameter);
        },
        s.shield);
    if (!finite(s.cores[0]) || !finite(s.cores[1]) || !finiteShield || !std::isfinite(s.fillerEr))
        return std::string(kNotFiniteGeometryText);
    if (const auto* round = std::get_if<RoundShield>(&s.shield); round && !(round->diameter > 0))
        return std::string(kShieldDiameterNotPositiveText);
    if (!(s.fillerEr > 0))
        return std::string(kFillerErNotPositiveText);
    for (int i = 0; i < 2; ++i)
        if (std::string error = coreError(s.cores[i], i); !error.empty())
            return error;
    if (std::holds_alternative<FoilShield>(s.shield))
        return isEccentric(s.cores[0]) || isEccentric(s.cores[1]) ? std::string(kEccentricUnderFoilText)
                                                                   : foilRefusal(s);
    const double shieldDiameter = std::get<RoundShield>(s.shield).diameter;
    if (std::string error = placementError(s, shieldDiameter / 2); !error.empty())
        return error;
    return gapError(s, shieldDiameter / 2);
}

bool isSymmetricPair(const CrossSection& s)
{
    const auto& [a, b] = s.cores;
    return a.x == -b.x && a.y == -b.y && a.diameter == b.diameter && a.sleeveDiameter == b.sleeveDiameter &&
           a.sleeveEr == b.sleeveEr && !isEccentric(a) && !isEccentric(b);
}
