#include "cases/Loss.h"

#include <optional>

#include "cases/CaseSection.h"
#include "cases/Dimensions.h"
#include "line/QuasiTem.h"
#include "SolverTexts.h"

std::string lossProblem(const CaseInput& given)
{
    if (given.has(Input::Length) && !isAsymmetricCase(given))
        return "--length gives the mode conversion of an asymmetric cable (--d2, --sleeve2, --er-sleeve2, "
               "--offset, --pair-offset): a symmetric pair converts none";
    if (!given.has(Input::Frequency)) {
        if (given.has(Input::Length))
            return "--length applies with --freq only";
        if (given.has(Input::LossTangent))
            return "--tand applies with --freq only";
        if (given.has(Input::Conductivity) && !hasWire(given))
            return "--sigma applies with --freq, or with the wire's size for its resistance (r_dc)";
        return {};
    }
    if (!hasWire(given))
        return "the loss (--freq) needs the wire's size: give --d or --awg, or the dimensions --D, --S and --d";
    return {};
}

void setLossDefaults(CaseInput& input)
{
    const LineLosses defaults;
    if (!input.has(Input::LossTangent))
        input.set(Input::LossTangent, 0);
    if (!input.has(Input::Conductivity))
        input.set(Input::Conductivity, defaults.conductivity);
}

CrossSection homogeneousSection(const CableShape& shape, double er)
{
    const double d = shape.wireMm * 1e-3;
    const double x = shape.sd * shape.dd * d / 2;
    return {.cores = {Core{.x = x, .diameter = d, .sleeveDiameter = d, .sleeveEr = er},
                      Core{.x = -x, .diameter = d, .sleeveDiameter = d, .sleeveEr = er}},
            .shield = RoundShield{shape.dd * d},
            .fillerEr = er};
}

PairLoss lossOf(const CrossSection& section, const FieldSolution& solution, const LineLosses& losses,
                const CaseInput& input)
{
    // Above the first higher-order mode's cut-off the cross-section is no
    // TEM line, and no loss of one holds.
    const double frequency = input[Input::Frequency];
    if (const double limit = quasiTemLimit(section); !(frequency <= limit)) {
        PairLoss refused;
        refused.error = aboveTemLimitText(frequency, limit);
        return refused;
    }
    return pairLoss(RlgcModel(section, solution, losses), frequency);
}

void addLoss(const PairLoss& loss, bool oneDielectric, std::vector<Quantity>& results)
{
    constexpr Group kGroup = Group::PerLength;
    results.insert(results.end(), {{"alpha_diff", "Loss diff", loss.differential.total, Unit::DecibelPerLength, kGroup},
                                   {"alpha_cm", "Loss cm", loss.common.total, Unit::DecibelPerLength, kGroup}});
    if (oneDielectric)
        results.push_back({"alpha_d", "Loss dielectric", loss.differential.dielectric, Unit::DecibelPerLength, kGroup});
    results.insert(results.end(),
                   {{"alpha_c_diff", "Loss diff conductors", loss.differential.conductor, Unit::DecibelPerLength, kGroup},
                    {"alpha_c_cm", "Loss cm conductors", loss.common.conductor, Unit::DecibelPerLength, kGroup},
                    {"alpha_d_diff", "Loss diff dielectric", loss.differential.dielectric, Unit::DecibelPerLength, kGroup},
                    {"alpha_d_cm", "Loss cm dielectric", loss.common.dielectric, Unit::DecibelPerLength, kGroup},
                    {"skin_depth", "Skin depth", loss.skinDepth * 1e6, Unit::Micrometre, kGroup}});
}

void addStrandedLossWarning(const CaseInput& input, Report& report)
{
    const std::optional<AwgWire> wire = givenAwgWire(input);
    if (input.has(Input::Frequency) && report.error.empty() && wire && wire->stranded())
        report.warnings.push_back({"the conductor loss of a stranded wire is that of a solid wire of its field's "
                                   "diameter: the current along the strands' surfaces adds to it, so it is low",
                                   false});
}
