#include "line/ModelDescription.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "line/QuasiTem.h"
#include "NumberText.h"

namespace {

constexpr int kDigits = 6;

std::string number(double value)
{
    return formatSignificant(value, kDigits);
}

std::string millimetres(double metres)
{
    return number(metres * 1e3);
}

std::string hertz(double f)
{
    if (f >= 1e12)
        return number(f / 1e12) + " THz";
    if (f >= 1e9)
        return number(f / 1e9) + " GHz";
    if (f >= 1e6)
        return number(f / 1e6) + " MHz";
    if (f >= 1e3)
        return number(f / 1e3) + " kHz";
    return number(f) + " Hz";
}

std::string coreLine(const CrossSection& section, const RlgcModel& model, int i)
{
    const Core& c = section.cores[i];
    std::string line = "core " + std::to_string(i + 1) + ": centre (" + millimetres(c.x) + ", " + millimetres(c.y) +
                       ") mm, diameter " + millimetres(c.diameter) + " mm, ";
    if (isBare(c))
        return line + "bare";
    const std::string off = isEccentric(c) ? " centred at (" + millimetres(c.x + c.sleeveOffsetX) + ", " +
                                                 millimetres(c.y + c.sleeveOffsetY) + ") mm"
                                           : "";
    return line + "sleeve diameter " + millimetres(c.sleeveDiameter) + " mm" + off + ", Er " + number(c.sleeveEr) +
           ", tan delta " + number(model.losses().tanDelta[i]);
}

std::string dielectricLine(const LineLosses& losses)
{
    const bool lossless = std::all_of(losses.tanDelta.begin(), losses.tanDelta.end(), [](double t) { return t == 0; });
    if (lossless && losses.dielectric == DielectricModel::ConstantLossTangent)
        return "dielectric: lossless, Er constant over frequency";
    if (losses.dielectric == DielectricModel::ConstantLossTangent)
        return "dielectric: Er and tan delta constant over frequency (not causal: a step's response starts a "
               "little before its delay)";
    const DielectricBand& b = losses.band;
    return "dielectric: wideband Djordjevic-Sarkar model (causal), " + hertz(b.low) + " to " + hertz(b.high) +
           ", Er and tan delta as given at " + hertz(b.fitFrequency) +
           "; C(f) and G(f) to first order in the change of Er";
}

std::string foilText(const FoilShield& foil)
{
    return "a foil drawn over the sleeves, clearance " + millimetres(foil.clearance) + " mm, " +
           (foil.drainDiameter > 0 ? "a drain wire of " + millimetres(foil.drainDiameter) + " mm inside"
                                   : "no drain wire inside");
}

std::string conductorLine(const LineLosses& losses)
{
    if (std::isinf(losses.conductivity))
        return "conductors: lossless";
    const std::string shield =
        losses.foil.thickness > 0
            ? "; the foil " + number(losses.foil.conductivity) + " S/m, " + millimetres(losses.foil.thickness) +
                  " mm thick, a sheet of that thickness (coth of its thickness in skin depths)"
            : "; the shield taken thicker than the skin depth";
    return "conductors: " + number(losses.conductivity) +
           " S/m, cores" + (losses.foil.thickness > 0 ? " and drain wire" : " and shield") +
           "; skin and proximity effect from the surface charge (1 + j) Rs Rhat, towards DC "
           "each wire's Bessel-function impedance (Schelkunoff 1934)" + shield;
}

}  // namespace

std::vector<std::string> lineDescription(const CrossSection& section, const RlgcModel& model)
{
    const FieldSolution& s = model.solution();
    const LineLosses& losses = model.losses();
    const auto* round = std::get_if<RoundShield>(&section.shield);
    const std::string shield =
        round != nullptr ? "shield inner diameter " + millimetres(round->diameter) + " mm"
                         : foilText(std::get<FoilShield>(section.shield));
    const std::string method = round != nullptr ? "multipoles with their images in the shield"
                                                : "harmonic functions fitted under the foil, bracketed by two energies";
    return {
        "cross-section: " + shield + ", filler Er " + number(section.fillerEr) + ", tan delta " +
            number(losses.tanDelta[2]),
        coreLine(section, model, 0),
        coreLine(section, model, 1),
        conductorLine(losses),
        dielectricLine(losses),
        "method: field solution by " + method + "; C and L_ext within a relative " +
            formatExponent(s.bound, 1) + " (proved), dC/dEr within " + formatExponent(s.derivativeError, 1) +
            " and Rhat within " + formatExponent(s.rHatError, 1) + " (estimated)",
        "quasi-TEM up to about " + hertz(quasiTemLimit(section)) +
            " (the coaxial TE11 cut-off, an estimate); the model does not hold above it",
    };
}

std::vector<std::string> networkDescription(const NetworkRequest& request, const NetworkSweep& sweep,
                                            NetworkView view)
{
    const bool differential = view == NetworkView::Differential;
    const std::string ports =
        differential ? "ports: 1 the pair's near end, 2 its far end; Sdd, the differential mode (Vd = V1 - V2, core 1 "
                       "the positive side)"
        : request.order == PortOrder::Through ? "ports: 1 near core 1, 2 far core 1, 3 near core 2, 4 far core 2"
                                              : "ports: 1 near core 1, 2 near core 2, 3 far core 1, 4 far core 2";
    const bool inSeries = request.differentialReference == request.reference[0] + request.reference[1];
    const std::string references =
        differential ? "reference: " + number(request.differentialReference) + " ohm differential" +
                           (inSeries ? " (the single-ended " + number(request.reference[0]) + " and " +
                                           number(request.reference[1]) + " ohm in series)"
                                     : "")
                     : "references: " + number(request.reference[0]) + " ohm core 1, " + number(request.reference[1]) +
                           " ohm core 2, single-ended; mixed-mode " + number(request.differentialReference) +
                           " ohm differential (Vd = V1 - V2), " + number(request.commonReference) +
                           " ohm common (Vc = (V1 + V2)/2), core 1 the positive side";
    return {
        "length " + number(request.length) + " m; every voltage against the shield",
        ports,
        references,
        "S within " + formatExponent(sweep.errorEstimate, 1) +
            " of the model (estimated from the bounds of the per-length matrices)",
    };
}

std::string modalDescription(const ModalLine& modes)
{
    if (modes.droppedCoupling == 0)
        return "the two modes are exact: the pair is symmetric (even and odd) or without loss";
    return "the two modes are those of L C; their coupling through R and G, up to " +
           formatExponent(modes.droppedCoupling, 1) + " of the modes' own, is left out";
}
