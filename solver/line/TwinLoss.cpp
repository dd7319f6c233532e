#include "line/TwinLoss.h"

#include <cmath>

#include "Codata.h"
#include "field/ConvergedSolver.h"
#include "line/ConductorLoss.h"
#include "line/LineQuantities.h"

namespace {

bool positiveFinite(double value)
{
    return std::isfinite(value) && value > 0;
}

std::string requestError(const LossRequest& r)
{
    if (!positiveFinite(r.frequency))
        return "the frequency must be a positive number";
    if (!positiveFinite(r.conductivity))
        return "the conductivity must be a positive number";
    if (!(std::isfinite(r.tanDelta) && r.tanDelta >= 0))
        return "the loss tangent must be zero or positive";
    if (!positiveFinite(r.wireDiameter))
        return "the loss needs the wire's diameter";
    if (!positiveFinite(r.er))
        return "Er must be a positive finite number";
    return {};
}

}  // namespace

TwinLoss twinLoss(ConvergedSolver& solver, const LossRequest& request)
{
    TwinLoss loss;
    if (std::string error = requestError(request); !error.empty()) {
        loss.error = "Loss: " + error;
        return loss;
    }
    const double r = request.wireDiameter / 2;
    const double R = r * request.dd;
    const double a = R * request.sd;
    const double depth = skinDepth(request.frequency, request.conductivity);
    if (!(depth <= kMaxSkinDepthOverRadius * r)) {
        loss.error = "Loss: the skin depth (" + convergedNumberText(depth * 1e6) +
                     " um) is not small against the core radius (" + convergedNumberText(r * 1e6) +
                     " um), which the incremental-inductance rule needs: use a higher frequency";
        return loss;
    }

    const ConvergedImpedance base = solver.solve(request.sd, request.dd);
    if (!base.error.empty()) {
        loss.error = "Loss: " + base.error;
        return loss;
    }
    // Both modes' air impedances with every surface receded by n metres, the
    // centres fixed; L = Z / c.
    const double step = request.stepInSkinDepths * depth;
    const ConvergedImpedance receded = solver.solve(a / (R + step), (R + step) / (r - step));
    const ConvergedImpedance advanced = solver.solve(a / (R - step), (R - step) / (r + step));
    for (const ConvergedImpedance* moved : {&receded, &advanced}) {
        if (!moved->error.empty()) {
            loss.error = "Loss: a surface moved by the skin depth leaves the converged solver's reach: " + moved->error;
            return loss;
        }
    }
    const double rootEr = std::sqrt(request.er);
    const auto attenuation = [&](double zReceded, double zAdvanced, double airImpedance) {
        const double slope = (zReceded - zAdvanced) / kSpeedOfLight / (2 * step);
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
