#include "field/FoilEnergies.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
// Integrals along one normal of the strip, over the filler's part of it:
// of lambda^2 (times 1/rho on an arc) and of lambda'^2 (times rho).
struct StripWeights {
    double slope = 0;  // multiplies d psi/ds (a wall) or d psi/dtheta (an arc), squared
    double level = 0;  // multiplies psi squared
};

StripWeights stripWeights(bool arc, const std::vector<DepthInterval>& depths)
{
    const double w = kStripWidth, alpha = w - 1;
    const auto wallSlope = [&](double m) { return -w / 3 * std::pow(1 - m / w, 3); };
    const auto arcSlope = [&](double m) {
        return ((1 - (1 - m) * (1 - m)) / 2 + 2 * alpha * m - alpha * alpha * std::log1p(-m)) / (w * w);
    };
    const auto arcLevel = [&](double m) { return (m - m * m / 2) / (w * w); };
    StripWeights s;
    for (const DepthInterval& i : depths) {
        s.slope += arc ? arcSlope(i.to) - arcSlope(i.from) : wallSlope(i.to) - wallSlope(i.from);
        s.level += arc ? arcLevel(i.to) - arcLevel(i.from) : (i.to - i.from) / (w * w);
    }
    return s;
}

// With a drain, eta interpolates linearly along each ray from the drain's
// centre, from psi where the ray leaves the drain (a) to psi where it leaves
// the hull (b): exact on both. In polar coordinates about the drain's
// centre, with L the ray's reach and rho the drain's radius,
//   d eta / dr = (b - a) / (L - rho) =: D,
//   d eta / dtheta = a' + beta (r - rho),
//   beta = (b' - a') / (L - rho) - (b - a) L' / (L - rho)^2,
// so that |grad eta|^2 r dr integrates in closed form over each stretch of
// the ray through the filler: D^2 (r2^2 - r1^2) / 2 and, with gamma = a' -
// beta rho, gamma^2 ln(r2 / r1) + 2 gamma beta (r2 - r1) + beta^2 (r2^2 -
// r1^2) / 2.
void addFan(const FoilGeometry& g, const BoundaryNode& node, const FoilSamples& samples, int i,
            const std::vector<FoilSolution>& solutions, bool sameSymmetry, double (&etaEta)[2][2])
{
    const FoilDrain& d = g.drain;
    const Complex u = node.outward, iu = Complex(0, 1) * u;
    const double rho = d.radius, reach = node.reach, slope = node.reachSlope, span = reach - rho;
    const auto along = [](const Psi& p, Complex v) { return p.dx * v.real() + p.dy * v.imag(); };
    const int count = static_cast<int>(solutions.size());
    const FanEnd end = fanEnd(g, node.theta);
    double radial[2], gamma[2], beta[2];
    for (int a = 0; a < count; ++a) {
        const Psi& atDrain = samples.at(i, solutions[a].sample);
        const Psi& first = samples.end(i, 1, solutions[a].sample);
        const Psi& second = samples.end(i, 2, solutions[a].sample);
        const double da = along(atDrain, rho * iu);
        // b and db/dtheta: psi where the ray leaves, or the blend.
        const double bValue = end.blend < 0 ? first.value : first.value + end.blend * (second.value - first.value);
        const double db = end.blend < 0 ? along(first, slope * u + reach * iu)
                                        : end.blendSlope * (second.value - first.value);
        radial[a] = (bValue - atDrain.value) / span;
        beta[a] = (db - da) / span - (bValue - atDrain.value) * slope / (span * span);
        gamma[a] = da - beta[a] * rho;
    }
    for (const DepthInterval& stretch : fillerDepths(g, node.z, u, span)) {
        const double r1 = rho + stretch.from, r2 = rho + stretch.to;
        const double squares = (r2 * r2 - r1 * r1) / 2, log = std::log(r2 / r1), linear = r2 - r1;
        for (int a = 0; a < count; ++a)
            for (int b = 0; b < count; ++b)
                if (sameSymmetry || a == b)
                    etaEta[a][b] += node.weight * (radial[a] * radial[b] * squares + gamma[a] * gamma[b] * log +
                                                   (gamma[a] * beta[b] + gamma[b] * beta[a]) * linear +
                                                   beta[a] * beta[b] * squares);
    }
}

// Fourier coefficients of a circle's trace g and flux f, per solution.
struct CircleSeries {
    std::vector<double> gCos, gSin, fCos, fSin;
};

}  // namespace

FoilForms foilForms(const FoilGeometry& g, const FoilSamples& samples, const std::vector<FoilSolution>& solutions,
                    const std::vector<SleeveBasis>& sleeves, bool sameSymmetry, bool mirrorY, int fourierModes)
{
    FoilForms forms;
    const BoundaryNodes& nodes = samples.nodes();
    const int count = static_cast<int>(solutions.size());
    const int modes = fourierModes;
    const double e2 = g.filler;
    std::vector<double> psi(count), dxPsi(count), dyPsi(count), eta(count);
    // psi at node i (end -1) or at end k of its correction.
    const auto psiAt = [&](int i, int end) {
        for (int a = 0; a < count; ++a) {
            const Psi& p = end < 0 ? samples.at(i, solutions[a].sample) : samples.end(i, end, solutions[a].sample);
            psi[a] = p.value;
            dxPsi[a] = p.dx;
            dyPsi[a] = p.dy;
        }
    };
    const auto along = [&](int a, Complex d) { return dxPsi[a] * d.real() + dyPsi[a] * d.imag(); };
    const auto paired = [&](int a, int b) { return sameSymmetry || a == b; };

    double psiPsi[2][2] = {}, psiEta[2][2] = {}, etaEta[2][2] = {};
    std::vector<std::vector<CircleSeries>> series(nodes.circles, std::vector<CircleSeries>(count));
    for (auto& perCircle : series)
        for (CircleSeries& cs : perCircle)
            for (auto* v : {&cs.gCos, &cs.gSin, &cs.fCos, &cs.fSin})
                v->assign(modes + 1, 0.0);
    std::vector<double> sleeveValue, sleeveRadial, dn(count), trace(count), flux(count);
    for (int i = 0; i < static_cast<int>(nodes.nodes.size()); ++i) {
        const BoundaryNode& node = nodes.nodes[i];
        if (node.kind == NodeKind::Fan) {
            addFan(g, node, samples, i, solutions, sameSymmetry, etaEta);
            continue;
        }
        if (node.kind == NodeKind::Wall || node.kind == NodeKind::Arc || node.kind == NodeKind::Drain) {
            psiAt(i, -1);
            // With a drain the fan carries eta's energy; without, the strip.
            const StripWeights strip = g.drain.present ? StripWeights{}
                                                       : stripWeights(node.kind == NodeKind::Arc,
                                                                      fillerDepths(g, node.z, -node.outward, kStripWidth));
            for (int a = 0; a < count; ++a)
                for (int b = 0; b < count; ++b) {
                    if (!paired(a, b))
                        continue;
                    const double dnA = along(a, node.outward), dnB = along(b, node.outward);
                    psiPsi[a][b] += node.weight * psi[a] * dnB;
                    psiEta[a][b] += node.weight * psi[b] * dnA;
                    etaEta[a][b] += node.weight * (strip.slope * along(a, node.tangent) * along(b, node.tangent) +
                                                   strip.level * psi[a] * psi[b]);
                    (node.kind == NodeKind::Drain ? forms.drainSurface : forms.foilSurface)[a][b] +=
                        node.weight * dnA * dnB;
                }
            continue;
        }
        const int j = node.circle;
        const FoilCircle& circle = g.circles[j];
        if (node.kind == NodeKind::Interface) {
            std::fill(eta.begin(), eta.end(), 0.0);
            for (int k = 0; k < FoilSamples::kEnds; ++k) {
                if (samples.endWeight(i, k) == 0)
                    continue;
                psiAt(i, k);
                for (int a = 0; a < count; ++a)
                    eta[a] += samples.endWeight(i, k) * psi[a];
            }
            psiAt(i, -1);
            for (int a = 0; a < count; ++a) {
                dn[a] = along(a, node.outward);
                trace[a] = psi[a] - eta[a];
                flux[a] = e2 * dn[a];  // D . e_rho = -eps2 dpsi/drho
            }
            for (int a = 0; a < count; ++a)
                for (int b = 0; b < count; ++b)
                    if (paired(a, b)) {
                        psiPsi[a][b] += node.weight * psi[a] * dn[b];
                        psiEta[a][b] += node.weight * eta[b] * dn[a];
                    }
        } else {
            const SleeveBasis& sleeve = sleeves[j];
            sleeveValue.resize(sleeve.size());
            sleeveRadial.resize(sleeve.size());
            sleeve.evaluate(node.theta, sleeveValue.data(), sleeveRadial.data());
            for (int a = 0; a < count; ++a) {
                const FoilFit& fit = *solutions[a].fit;
                double radial = 0;
                for (int c = 0; c < sleeve.size(); ++c)
                    radial += fit.sleeve[j][static_cast<std::size_t>(c) * fit.solutions + solutions[a].index] * sleeveRadial[c];
                radial /= circle.radius;  // d u / d rho
                trace[a] = 0;
                flux[a] = -circle.permittivity * radial;
                dn[a] = radial;
            }
            for (int a = 0; a < count; ++a)
                for (int b = 0; b < count; ++b)
                    if (paired(a, b))
                        forms.foilSurface[a][b] += node.weight * dn[a] * dn[b];
        }
        // Fourier sums, by the cosine recurrence; with the y mirror the
        // nodes cover [0, pi] of an even function.
        const double dtheta = node.weight / circle.radius;
        const double scale = mirrorY ? 2 / kPi : 1 / kPi;
        const double c1 = std::cos(node.theta), s1 = std::sin(node.theta);
        double cPrev = 1, sPrev = 0, cNow = c1, sNow = s1;
        for (int a = 0; a < count; ++a) {
            series[j][a].gCos[0] += dtheta * trace[a] * scale / 2;
            series[j][a].fCos[0] += dtheta * flux[a] * scale / 2;
        }
        for (int n = 1; n <= modes; ++n) {
            for (int a = 0; a < count; ++a) {
                CircleSeries& cs = series[j][a];
                cs.gCos[n] += dtheta * scale * trace[a] * cNow;
                cs.fCos[n] += dtheta * scale * flux[a] * cNow;
                if (!mirrorY) {
                    cs.gSin[n] += dtheta * scale * trace[a] * sNow;
                    cs.fSin[n] += dtheta * scale * flux[a] * sNow;
                }
            }
            const double cNext = 2 * c1 * cNow - cPrev, sNext = 2 * c1 * sNow - sPrev;
            cPrev = cNow;
            sPrev = sNow;
            cNow = cNext;
            sNow = sNext;
        }
    }

    const double copies = nodes.multiplicity;
    const double circleCopies = nodes.circles == 1 ? 2 : 1;
    double tail = 0;
    for (int j = 0; j < nodes.circles; ++j) {
        const FoilCircle& c = g.circles[j];
        const double e1 = c.permittivity, L = c.logRatio, P = c.radius, r = c.core;
        const int tailFrom = modes - modes / 4;
        for (int a = 0; a < count; ++a)
            forms.charge[j][a] = 2 * kPi * P * series[j][a].fCos[0];
        for (int a = 0; a < count; ++a)
            for (int b = 0; b < count; ++b) {
                const CircleSeries& A = series[j][a];
                const CircleSeries& B = series[j][b];
                const double vA = solutions[a].fit->potential[j][solutions[a].index];
                const double vB = solutions[b].fit->potential[j][solutions[b].index];
                const double sA = ((A.gCos[0] - vA) / L - P * A.fCos[0] / e1) / 2;
                const double sB = ((B.gCos[0] - vB) / L - P * B.fCos[0] / e1) / 2;
                double dirichlet = e1 * 2 * kPi * (A.gCos[0] - vA) * (B.gCos[0] - vB) / L;
                double thomson = 2 * kPi * P * P * L * A.fCos[0] * B.fCos[0] / e1;
                double centre = 2 * kPi * sA * sB * L;
                double core = 2 * kPi * sA * sB / r;
                for (int n = 1; n <= modes; ++n) {
                    const double x = std::exp(-2 * n * L), oneLess = -std::expm1(-2 * n * L);
                    const double coth = (1 + x) / oneLess, tanh = oneLess / (1 + x);
                    // 1/sinh(nL) = 2 e^{-nL} / (1 - e^{-2nL})
                    const double perSinh = 2 * std::sqrt(x) / oneLess;
                    const double toTrace = P * tanh / (e1 * n);
                    const double gg = A.gCos[n] * B.gCos[n] + A.gSin[n] * B.gSin[n];
                    const double ff = A.fCos[n] * B.fCos[n] + A.fSin[n] * B.fSin[n];
                    const double cc = (A.gCos[n] - toTrace * A.fCos[n]) * (B.gCos[n] - toTrace * B.fCos[n]) / 4 +
                                      (A.gSin[n] - toTrace * A.fSin[n]) * (B.gSin[n] - toTrace * B.fSin[n]) / 4;
                    const double terms[2] = {e1 * kPi * n * coth * gg, kPi * P * P * tanh * ff / (e1 * n)};
                    dirichlet += terms[0];
                    thomson += terms[1];
                    centre += kPi * n * coth * cc;
                    core += kPi / r * n * n * perSinh * perSinh * cc;
                    if (n >= tailFrom && a == b)
                        tail += 2 * (std::fabs(terms[0]) + std::fabs(terms[1])) * circleCopies;
                }
                forms.centre[j][a][b] = centre;
                forms.coreSurface[j][a][b] = core;
                if (paired(a, b)) {
                    forms.dirichlet[a][b] += circleCopies * dirichlet;
                    forms.thomson[a][b] += circleCopies * thomson;
                }
            }
    }
    double smallest = HUGE_VAL;
    for (int a = 0; a < count; ++a)
        for (int b = 0; b < count; ++b) {
            if (!paired(a, b))
                continue;
            const double fillerPart = psiPsi[a][b] - psiEta[a][b] - psiEta[b][a] + etaEta[a][b];
            forms.dirichlet[a][b] += copies * e2 * fillerPart;
            forms.thomson[a][b] += copies * e2 * psiPsi[a][b];
            forms.filler[a][b] = copies * psiPsi[a][b];
            forms.foilSurface[a][b] *= copies;
            forms.drainSurface[a][b] *= copies;
            if (a == b)
                smallest = std::min(smallest, forms.dirichlet[a][a]);
        }
    forms.tail = tail / smallest;
    return forms;
}
