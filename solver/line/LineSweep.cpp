#include "line/LineSweep.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "line/MixedMode.h"
#include "line/ModelTexts.h"
#include "NumberText.h"

namespace {

std::string requestError(const NetworkRequest& request)
{
    if (!(std::isfinite(request.length) && request.length > 0))
        return std::string(kLengthText);
    for (double r : request.reference)
        if (!(std::isfinite(r) && r > 0))
            return std::string(kReferenceText);
    for (double r : {request.differentialReference, request.commonReference})
        if (!(std::isfinite(r) && r > 0))
            return std::string(kReferenceText);
    return {};
}

bool increasing(std::span<const double> frequencies)
{
    for (std::size_t i = 0; i < frequencies.size(); ++i) {
        if (!(std::isfinite(frequencies[i]) && frequencies[i] >= 0))
            return false;
        if (i > 0 && !(frequencies[i] > frequencies[i - 1]))
            return false;
    }
    return true;
}

Rlgc scaled(Rlgc x, double series, double shunt)
{
    x.r = series * x.r;
    x.l = series * x.l;
    x.g = shunt * x.g;
    x.c = shunt * x.c;
    return x;
}

double largestChange(const Mat4& a, const Mat4& b)
{
    double most = 0;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            most = std::max(most, std::abs(a[i][j] - b[i][j]));
    return most;
}

}  // namespace

NetworkAtFrequency networkAt(const Rlgc& perLength, const NetworkRequest& request)
{
    NetworkAtFrequency out;
    out.point.frequency = perLength.frequency;
    const std::optional<EndNetworks> ends = lineEnds(perLength, request.length);
    if (!ends) {
        out.error = std::string(kSingularNetworkText) + formatSignificant(perLength.frequency, 6) + " Hz";
        return out;
    }
    out.point.singleEnded = toPortOrder(endScattering(*ends, request.reference), request.order);
    out.point.mixedMode = mixedModeScattering(*ends, request.differentialReference, request.commonReference);
    return out;
}

NetworkSweep networkSweep(const RlgcModel& model, std::span<const double> frequencies, const NetworkRequest& request)
{
    NetworkSweep sweep;
    if (!model.error().empty()) {
        sweep.error = model.error();
        return sweep;
    }
    if (sweep.error = requestError(request); !sweep.error.empty())
        return sweep;
    if (!increasing(frequencies)) {
        sweep.error = std::string(kFrequenciesText);
        return sweep;
    }
    sweep.points.reserve(frequencies.size());
    const double series = model.seriesBound();
    for (double f : frequencies) {
        const Rlgc x = model.at(f);
        NetworkAtFrequency at = networkAt(x, request);
        if (!at.error.empty()) {
            sweep.error = at.error;
            sweep.points.clear();
            return sweep;
        }
        const double shunt = model.shuntBound(f);
        for (double zSign : {-1.0, 1.0})
            for (double ySign : {-1.0, 1.0}) {
                const NetworkAtFrequency moved = networkAt(scaled(x, 1 + zSign * series, 1 + ySign * shunt), request);
                if (!moved.error.empty()) {
                    sweep.errorEstimate = std::numeric_limits<double>::infinity();  // no estimate to give
                    continue;
                }
                sweep.errorEstimate = std::max({sweep.errorEstimate,
                                                largestChange(moved.point.singleEnded, at.point.singleEnded),
                                                largestChange(moved.point.mixedMode, at.point.mixedMode)});
            }
        sweep.points.push_back(at.point);
    }
    return sweep;
}
