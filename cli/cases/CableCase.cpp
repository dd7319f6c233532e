#include "cases/CableCase.h"

#include <algorithm>
#include <array>

#include "cases/CaseSection.h"
#include "cases/Dielectrics.h"
#include "cases/Dimensions.h"
#include "Materials.h"
#include "NumberText.h"
#include "output/Quoted.h"

namespace {

constexpr Input kCableInputs[] = {Input::Sleeve,   Input::ErSleeve, Input::ErFill,    Input::TandSleeve,
                                  Input::TandFill, Input::Clearance, Input::Drain, Input::FoilSigma,
                                  Input::FoilThickness};

// A foil's own inputs, which a round shield does not take, by their options.
constexpr std::pair<Input, std::string_view> kFoilInputs[] = {{Input::Clearance, "--clearance"},
                                                              {Input::Drain, "--drain"},
                                                              {Input::FoilSigma, "--foil-sigma"},
                                                              {Input::FoilThickness, "--foil-thickness"}};

std::string foilFormProblem(const CaseInput& given, const SolveSettings& settings)
{
    if (settings.shield != ShieldKind::Foil) {
        for (const auto& [input, option] : kFoilInputs)
            if (given.has(input))
                return std::string(option) + " applies to a foil shield: give --shield foil";
        return {};
    }
    if (given.has(Input::ShieldDiameter))
        return "a foil follows the sleeves and has no diameter: leave out --D (or give --shield round)";
    if (given.has(Input::Sd) || given.has(Input::Dd))
        return "a foil cable takes the dimensions --S and --d (or --awg), not S/D and D/d";
    return {};
}

struct DimensionName {
    DesignDimension dimension;
    std::string_view name;  // as --solve-for takes it: the input's key
    Input input;
};

constexpr DimensionName kDimensionNames[] = {
    {DesignDimension::ShieldDiameter, "D", Input::ShieldDiameter},
    {DesignDimension::Spacing, "S", Input::Spacing},
    {DesignDimension::SleeveDiameter, "sleeve", Input::Sleeve},
    {DesignDimension::CoreDiameter, "d", Input::WireDiameter},
};

const DimensionName& nameOf(DesignDimension dimension)
{
    return *std::ranges::find(kDimensionNames, dimension, &DimensionName::dimension);
}

std::string mm(double metres)
{
    return formatSignificant(metres * 1e3, 6) + " mm";
}

// The targets a design may state, in the order they are listed.
constexpr std::array<std::pair<Input, DesignTarget>, 4> kTargets{
    {{Input::Zdiff, DesignTarget::Zdiff}, {Input::Zcm, DesignTarget::Zcm}, {Input::Ze, DesignTarget::Ze},
     {Input::Zo, DesignTarget::Zo}}};

std::string designFormProblem(const CaseInput& given, const SolveSettings& settings)
{
    std::size_t targets = 0;
    for (const auto& [input, target] : kTargets)
        targets += given.has(input) ? 1 : 0;
    if (targets != settings.solveFor.size())
        return "--solve-for " + std::to_string(settings.solveFor.size()) + " dimension" +
               (settings.solveFor.size() == 1 ? "" : "s") + " needs as many targets (--zdiff, --zcm, --ze, --zo); " +
               std::to_string(targets) + " given";
    for (const DesignDimension dimension : settings.solveFor) {
        const DimensionName& name = nameOf(dimension);
        if (given.has(name.input) || (dimension == DesignDimension::CoreDiameter && given.has(Input::Awg)))
            return std::string(name.name) + " is solved for (--solve-for): do not give it as well";
    }
    const auto solved = [&](DesignDimension dimension) { return std::ranges::find(settings.solveFor, dimension) != settings.solveFor.end(); };
    if (!hasWire(given) && !solved(DesignDimension::CoreDiameter))
        return "a design needs the wire's size: give --d or --awg";
    if (!given.has(Input::Spacing) && !solved(DesignDimension::Spacing))
        return "a design needs S (or --S touch) where it does not solve for it";
    if (!given.has(Input::ShieldDiameter) && !solved(DesignDimension::ShieldDiameter) &&
        settings.shield != ShieldKind::Foil)
        return "a design needs D (or --D touch) where it does not solve for it";
    if (given.has(Input::Sd) || given.has(Input::Dd))
        return "a design takes the dimensions, not S/D and D/d";
    return {};
}

}  // namespace

bool isCableCase(const CaseInput& given, const SolveSettings& settings)
{
    return !settings.solveFor.empty() || isAsymmetricCase(given) || settings.shield == ShieldKind::Foil ||
           std::ranges::any_of(kCableInputs, [&](Input input) { return given.has(input); }) ||
           (given.has(Input::ShieldDiameter) && given[Input::ShieldDiameter] == kTouch) ||
           (given.has(Input::Spacing) && given[Input::Spacing] == kTouch);
}

std::string cableFormProblem(Mode mode, const CaseInput& given, const SolveSettings& settings)
{
    if (settings.methodGiven && settings.method == Method::FiveCharge)
        return "the five-charge model has bare cores in one dielectric: a cable with sleeves, its own dielectrics "
               "or a design needs --method converged (its default)";
    if (given.has(Input::Er) && (given.has(Input::ErSleeve) || given.has(Input::ErFill) || given.has(Input::Sleeve)))
        return "with a sleeve or a filler of its own, Er alone says not which dielectric it is: give --er-sleeve "
               "and --er-fill (or --er-fill alone for bare cores)";
    if (given.has(Input::Er))
        return "a cable (a contact, a foil or a design) names its dielectric: give --er-fill in place of ER";
    const bool sleeveSolved =
        std::ranges::find(settings.solveFor, DesignDimension::SleeveDiameter) != settings.solveFor.end();
    const bool sleeved = given.has(Input::Sleeve) || sleeveSolved;
    if (sleeved && !given.has(Input::ErSleeve))
        return "the sleeve needs its dielectric: give --er-sleeve (a number or a material: " + materialNames() +
               ")";
    if (given.has(Input::ErSleeve) && !sleeved)
        return "--er-sleeve needs the sleeve: give --sleeve";
    if (given.has(Input::TandSleeve) && !sleeved)
        return "--tand-sleeve needs the sleeve: give --sleeve";
    if (sleeveSolved && std::ranges::find(settings.solveFor, DesignDimension::CoreDiameter) != settings.solveFor.end())
        return "the sleeve and d cannot both be solved for: give one of them";
    if (std::string problem = foilFormProblem(given, settings); !problem.empty())
        return problem;
    if (mode == Mode::Shape) {
        if (settings.solveFor.empty())
            return "a cable's shape is solved by --solve-for NAME (D, S, sleeve or d) from as many targets";
        return designFormProblem(given, settings);
    }
    if (!settings.solveFor.empty())
        return "--solve-for applies to shape mode only";
    if (!hasWire(given))
        return "a cable needs the wire's size: give --d or --awg";
    const bool ratios = given.has(Input::Sd) || given.has(Input::Dd);
    if (settings.shield == ShieldKind::Foil && !given.has(Input::Spacing))
        return "a foil cable needs S (or --S touch)";
    if (settings.shield != ShieldKind::Foil && !ratios &&
        (!given.has(Input::ShieldDiameter) || !given.has(Input::Spacing)))
        return "a cable needs D and S (either may be touch), or S/D and D/d with the wire";
    return asymmetryFormProblem(given, settings);
}

CableCase cableOf(const CaseInput& input, const SolveSettings& settings)
{
    CableCase cable;
    PairDesign& design = cable.design;
    design.shield = settings.shield;
    if (settings.shield == ShieldKind::Foil) {
        design.clearance = input.has(Input::Clearance) ? input[Input::Clearance] * 1e-3 : 0;
        design.drainDiameter = input.has(Input::Drain) && !settings.drainOutside ? input[Input::Drain] * 1e-3 : 0;
        cable.foil.conductivity = input.has(Input::FoilSigma) ? input[Input::FoilSigma] : kAluminiumConductivity;
        cable.foil.thickness = input.has(Input::FoilThickness) ? input[Input::FoilThickness] * 1e-3 : kFoilThickness;
    }
    design.coreDiameter = wireDiameterMm(input) * 1e-3;
    cable.coreOuterDiameter = wireOuterDiameterMm(input) * 1e-3;
    design.sleeveDiameter = input.has(Input::Sleeve) ? input[Input::Sleeve] * 1e-3 : 0;
    // A sleeve solved for starts beyond its core; the solve moves it.
    if (!input.has(Input::Sleeve) &&
        std::ranges::find(settings.solveFor, DesignDimension::SleeveDiameter) != settings.solveFor.end())
        design.sleeveDiameter = 1.3 * design.coreDiameter;
    if (input.has(Input::Sd) && input.has(Input::Dd)) {
        design.shieldDiameter = input[Input::Dd] * design.coreDiameter;
        design.spacing = input[Input::Sd] * design.shieldDiameter;
    } else {
        const auto length = [&](Input which, bool& touch) {
            touch = input.has(which) && input[which] == kTouch;
            return input.has(which) && !touch ? input[which] * 1e-3 : 0;
        };
        design.shieldDiameter = length(Input::ShieldDiameter, design.shieldTouch);
        design.spacing = length(Input::Spacing, design.spacingTouch);
    }
    const Dielectric sleeve = dielectricOf(input.has(Input::ErSleeve) ? input[Input::ErSleeve] : 1);
    const Dielectric fill = dielectricOf(input.has(Input::ErFill) ? input[Input::ErFill] : 1);
    design.sleeveEr = sleeve.er;
    design.fillerEr = fill.er;
    cable.tanSleeve = input.has(Input::TandSleeve) ? input[Input::TandSleeve] : sleeve.tanDelta;
    cable.tanFill = input.has(Input::TandFill) ? input[Input::TandFill] : fill.tanDelta;
    return cable;
}

LineLosses lineLossesOf(const CableCase& cable, const CaseInput& input)
{
    LineLosses losses;
    losses.tanDelta = {cable.tanSleeve, cable.tanSleeve, cable.tanFill};
    losses.conductivity = input[Input::Conductivity];
    losses.foil = cable.foil;
    return losses;
}

std::string cableValueProblem(const CableCase& cable)
{
    const PairDesign& design = cable.design;
    const double d = cable.coreOuterDiameter, di = design.sleeve();
    if (design.sleeveDiameter > 0 && design.sleeveDiameter < d)
        return "the sleeve (Di " + mm(di) + ") is thinner than its core (d " + mm(d) + "): Di must be at least d";
    const double s = design.spacingOf();
    if (s > 0 && s < di * (1 - 1e-12))
        return "the sleeves overlap (S " + mm(s) + " is less than Di " + mm(di) +
               "): to press them together, give --S touch";
    const double D = design.shieldOf();
    if (D > 0 && s > 0 && s + di > D * (1 + 1e-12))
        return "a sleeve reaches through the shield (S + Di = " + mm(s + di) + " is more than D " + mm(D) +
               "): to draw the shield tight over the sleeves, give --D touch";
    return {};
}

std::vector<TargetValue> designTargets(const CaseInput& input)
{
    std::vector<TargetValue> targets;
    for (const auto& [which, target] : kTargets)
        if (input.has(which))
            targets.push_back({target, input[which]});
    return targets;
}

std::string readSolveFor(std::string_view text, std::vector<DesignDimension>& dimensions)
{
    std::vector<DesignDimension> read;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view name = text.substr(start, comma - start);
        const auto* found = std::ranges::find(kDimensionNames, name, &DimensionName::name);
        if (found == std::ranges::end(kDimensionNames))
            return "names no dimension " + inQuotes(name) + " - name D, S, sleeve or d, or two of them";
        if (std::ranges::find(read, found->dimension) != read.end())
            return "names " + std::string(name) + " twice";
        read.push_back(found->dimension);
        start = comma + 1;
    }
    if (read.size() > 2)
        return "names more than two dimensions - a design solves for one from one target, or two from two";
    dimensions = std::move(read);
    return {};
}
