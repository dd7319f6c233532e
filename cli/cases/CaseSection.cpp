#include "cases/CaseSection.h"

#include <algorithm>
#include <array>

#include "cases/CableCase.h"
#include "cases/Dielectrics.h"
#include "SolverTexts.h"

namespace {

constexpr Input kAsymmetricInputs[] = {Input::WireDiameter2, Input::Sleeve2, Input::ErSleeve2, Input::OffsetX,
                                       Input::OffsetY, Input::PairOffsetX, Input::PairOffsetY,
                                       Input::SleeveOffsetX, Input::SleeveOffsetY};

constexpr double kMetresPerMillimetre = 1e-3;

double valueOr(const CaseInput& input, Input which, double otherwise)
{
    return input.has(which) ? input[which] : otherwise;
}

// A solver's refusal and the options that undo it.
struct WayOut {
    std::string_view refusal;  // the end of the solver's text
    std::string_view advice;
};

constexpr WayOut kWaysOut[] = {
    {kCoreThroughShieldText, "move the cores back (--offset, --pair-offset) or give a larger --D"},
    {kSleeveThroughShieldText, "move the cores back (--offset, --pair-offset) or give a larger --D"},
    {kCoresOverlapText, "move core 1 away from core 2 (--offset) or give a larger --S"},
    {kSleevesOverlapText, "move core 1 away from core 2 (--offset), give a larger --S or thinner sleeves"},
    {kConductorThroughSleeveText, "give a smaller --sleeve-offset or a wider --sleeve"},
    {kOffsetOnBareCoreText, "give core 1 a sleeve (--sleeve) or leave out --sleeve-offset"},
    {kFoilUnlikeCoresText, "a foil is solved over alike cores only: leave out --d2, --sleeve2 and --er-sleeve2"},
};

}  // namespace

bool isAsymmetricCase(const CaseInput& given)
{
    return std::ranges::any_of(kAsymmetricInputs, [&](Input input) { return given.has(input); });
}

std::string asymmetryFormProblem(const CaseInput& given, const SolveSettings& settings)
{
    if (!isAsymmetricCase(given))
        return {};
    if (settings.shield == ShieldKind::Foil)
        return "a foil follows its sleeves and is solved over alike cores only: the asymmetric options (--d2, "
               "--sleeve2, --er-sleeve2, --offset, --pair-offset, --sleeve-offset) need a round shield";
    if (given.has(Input::ShieldDiameter) && given[Input::ShieldDiameter] == kTouch)
        return "a shield drawn tight over unequal or displaced cores touches only one of them: give D as a length";
    if (given.has(Input::Er) && (given.has(Input::Sleeve2) || given.has(Input::ErSleeve2)))
        return "with a sleeve of its own, Er alone says not which dielectric it is: give --er-fill for the filler";
    const bool secondSleeve = given.has(Input::Sleeve2) || given.has(Input::Sleeve);
    if (given.has(Input::Sleeve2) && !given.has(Input::ErSleeve2) && !given.has(Input::ErSleeve))
        return "core 2's sleeve needs its dielectric: give --er-sleeve2 (or --er-sleeve for both sleeves)";
    if (given.has(Input::ErSleeve2) && !secondSleeve)
        return "--er-sleeve2 needs core 2's sleeve: give --sleeve2 (or --sleeve for both cores)";
    return {};
}

CaseSection caseSection(const CaseInput& input, const SolveSettings& settings)
{
    const CableCase cable = cableOf(input, settings);
    const PairDesign& design = cable.design;
    CaseSection out;
    CrossSection& s = out.section;
    s = crossSectionOf(design);
    const bool ownDielectrics = input.has(Input::ErFill) || input.has(Input::ErSleeve) || input.has(Input::ErSleeve2);
    const double tand = valueOr(input, Input::LossTangent, 0);
    std::array<double, 3> tanDelta{cable.tanSleeve, cable.tanSleeve, cable.tanFill};
    if (!ownDielectrics && input.has(Input::Er)) {
        s.fillerEr = input[Input::Er];
        for (Core& core : s.cores)
            core.sleeveEr = s.fillerEr;
        tanDelta = {tand, tand, tand};
    }
    Core& second = s.cores[1];
    if (input.has(Input::WireDiameter2))
        second.diameter = input[Input::WireDiameter2] * kMetresPerMillimetre;
    if (input.has(Input::Sleeve2))
        second.sleeveDiameter = input[Input::Sleeve2] * kMetresPerMillimetre;
    else if (!input.has(Input::Sleeve))
        second.sleeveDiameter = second.diameter;
    if (input.has(Input::ErSleeve2)) {
        const Dielectric dielectric = dielectricOf(input[Input::ErSleeve2]);
        second.sleeveEr = dielectric.er;
        if (!dielectric.material.empty() && !input.has(Input::TandSleeve))
            tanDelta[1] = dielectric.tanDelta;
    }
    // Sleeves pressed together touch at the mean of their diameters.
    if (design.spacingTouch) {
        const double spacing = (s.cores[0].sleeveDiameter + second.sleeveDiameter) / 2;
        s.cores[0].x = spacing / 2;
        second.x = -spacing / 2;
    }
    // Eccentric insulation: core 1's conductor moved inside its sleeve, which
    // stays where S (or the contact) puts it.
    const double inSleeveX = valueOr(input, Input::SleeveOffsetX, 0) * kMetresPerMillimetre;
    const double inSleeveY = valueOr(input, Input::SleeveOffsetY, 0) * kMetresPerMillimetre;
    s.cores[0].x += inSleeveX;
    s.cores[0].y += inSleeveY;
    s.cores[0].sleeveOffsetX = -inSleeveX;
    s.cores[0].sleeveOffsetY = -inSleeveY;
    s.cores[0].x += valueOr(input, Input::OffsetX, 0) * kMetresPerMillimetre;
    s.cores[0].y += valueOr(input, Input::OffsetY, 0) * kMetresPerMillimetre;
    for (Core& core : s.cores) {
        core.x += valueOr(input, Input::PairOffsetX, 0) * kMetresPerMillimetre;
        core.y += valueOr(input, Input::PairOffsetY, 0) * kMetresPerMillimetre;
    }
    out.losses = lineLossesOf(cable, input);
    out.losses.tanDelta = tanDelta;
    if (!input.has(Input::Conductivity))
        out.losses.conductivity = LineLosses{}.conductivity;
    return out;
}

std::string sectionProblem(const CrossSection& section)
{
    std::string refusal = crossSectionRefusal(section);
    for (const WayOut& way : kWaysOut)
        if (!refusal.empty() && refusal.ends_with(way.refusal))
            return refusal + ": " + std::string(way.advice);
    return refusal;
}
