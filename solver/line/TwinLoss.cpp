#include "line/TwinLoss.h"

#include <cmath>

#include "Codata.h"
#include "field/ConvergedSolver.h"
#include "line/ConductorLoss.h"
#include "line/LineQuantities.h"
#include "SolverTexts.h"

namespace {

bool positiveFinite(double value)
{
    return std::isfinite(value) && value > 0;
}

std::string requestError(const LossRequest& r)
{
    if (!positiveFinite(r.frequency))
        return std::string(kFrequencyNotPositiveText);
    if (!positiveFinite(r.conductivity))
        return std::string(kConductivityNotPositiveText);
    if (!(std::isfinite(r.tanDelta) && r.tanDelta >= 0))
        return std::string(kLossTangentNegativeText);
    if (!positiveFinite(r.wireDiameter))
        return std::string(kNoWireDiameterText);
    if (!positiveFinite(r.er))
        return std::string(kErNotPositiveText.english);
    return {};
}

}  // namespace

TwinLoss twinLoss(ConvergedSolver& solver, const LossRequest& request)
{
    TwinLoss loss;
    if (std::string error = requestError(request); !error.empty()) {
        loss.error = std::string(kLossPrefix) + error;
        return loss;
    }
    const double r = request.wireDiameter / 2;
    const double R = r * request.dd;
    const double a = R * request.sd;
    const double depth = skinDepth(request.frequency, request.conductivity);
    if (!(depth <= kMaxSkinDepthOverRadius * r)) {
        loss.error = skinDepthTooLargeText(depth, r);
        return loss;
    }

    const ConvergedImpedance base = solver.solve(request.sd, request.dd);
    if (!base.error.empty()) {
        loss.error = std::string(kLossPrefix) + base.error;
        return loss;
    }
    // Both modes' air impedances with every surface receded by n metres, the
    // centres fixed; L = Z / c.
    const double step = request.stepInSkinDepths * depth;
    const ConvergedImpedance receded = solver.solve(a / (R + step), (R + step) / (r - step));
    const ConvergedImpedance advanced = solver.solve(a / (R - step), (R - step) / (r + step));
    for (const ConvergedImpedance* moved : {&receded, &advanced}) {
        if (!moved->error.empty()) {
            loss.error = std::string(kLossPrefix) + std::string(kSurfaceMovedOutOfReachText) + moved->error;
            return loss;
        }
    }
    const double rootEr = std::sqrt(request.er);
    const auto attenuation = [&](double zReceded, double zAdvanced, double airImpedance) {
        const double slope = inductanceSlope(zReceded / kSpeedOfLight, zAdvanced / kSpeedOfLight, step);
        return conductorAttenuation(slope, request.frequency, request.conductivity, airImpedance / rootEr) *
               kNeperInDecibel;
    };
    const double conductorCm = attenuation(receded.ze, advanced.ze, base.ze);
    const double conductorDiff = attenuation(receded.zo, advanced.zo, base.zo);
    loss.alphaDielectric = dielectricAttenuation(request.frequency, request.er, request.tanDelta);
    loss.alphaDiff = conductorDiff + loss.alphaDielectric;
    loss.alphaCm = conductorCm + loss.alphaDielectric;
    loss.skinDepth = depth;
    return loss;
}
