#include "cases/Loss.h"

#include "field/CrossSection.h"
#include "line/QuasiTem.h"
#include "line/TwinLoss.h"
#include "SolverTexts.h"

std::string lossProblem(const CaseInput& given)
{
    if (!given.has(Input::Frequency)) {
        if (given.has(Input::LossTangent))
            return "--tand applies with --freq only";
        if (given.has(Input::Conductivity))
            return "--sigma applies with --freq only";
        return {};
    }
    if (!given.has(Input::WireDiameter) && !given.has(Input::Awg))
        return "the loss (--freq) needs the wire's size: give --d or --awg, or the dimensions --D, --S and --d";
    return {};
}

void setLossDefaults(CaseInput& input)
{
    const LossRequest defaults;
    if (!input.has(Input::LossTangent))
        input.set(Input::LossTangent, defaults.tanDelta);
    if (!input.has(Input::Conductivity))
        input.set(Input::Conductivity, defaults.conductivity);
}

TwinLoss lossOf(ConvergedSolver& solver, const CableShape& shape, const CaseInput& input)
{
    // Above the first higher-order mode's cut-off the cross-section is no
    // TEM line, and no loss of one holds.
    const double d = shape.wireMm * 1e-3;
    const double x = shape.sd * shape.dd * d / 2;
    const CrossSection section{.cores = {Core{.x = x, .diameter = d, .sleeveDiameter = d},
                                         Core{.x = -x, .diameter = d, .sleeveDiameter = d}},
                               .shield = RoundShield{shape.dd * d},
                               .fillerEr = input[Input::Er]};
    if (const double limit = quasiTemLimit(section); !(input[Input::Frequency] <= limit))
        return {.error = aboveTemLimitText(input[Input::Frequency], limit)};
    LossRequest request;
    request.sd = shape.sd;
    request.dd = shape.dd;
    request.wireDiameter = shape.wireMm * 1e-3;
    request.er = input[Input::Er];
    request.frequency = input[Input::Frequency];
    request.tanDelta = input[Input::LossTangent];
    request.conductivity = input[Input::Conductivity];
    return twinLoss(solver, request);
}

void addLoss(const TwinLoss& loss, std::vector<Quantity>& results)
{
    constexpr Group kGroup = Group::PerLength;
    results.insert(results.end(), {{"alpha_diff", "Loss diff", loss.alphaDiff, Unit::DecibelPerLength, kGroup},
                                   {"alpha_cm", "Loss cm", loss.alphaCm, Unit::DecibelPerLength, kGroup},
                                   {"alpha_d", "Loss dielectric", loss.alphaDielectric, Unit::DecibelPerLength, kGroup},
                                   {"skin_depth", "Skin depth", loss.skinDepth * 1e6, Unit::Micrometre, kGroup}});
}
