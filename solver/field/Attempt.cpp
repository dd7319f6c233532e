#include "field/Attempt.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "field/EnergyForms.h"
#include "field/SurfaceCharge.h"

namespace {

constexpr double kPi = std::numbers::pi;

// The Fourier sums run past K, where the incoming series still has weight,
// and double until their last quarter holds less than this share of the
// energy; the series decays geometrically there, faster than the quarter
// before it, so what lies past the end is smaller still.
constexpr double kTailShare = 1e-15;
constexpr int kExtraRows = 32;
constexpr int kMaxRowsPerOrder = 32;

int firstRows(int order)
{
    return 2 * order + kExtraRows;
}

bool moreRows(double tailShare, int rows, int order)
{
    return tailShare > kTailShare && rows < kMaxRowsPerOrder * (order + kExtraRows);
}

Sym2 symmetric(const double m[2][2])
{
    return {m[0][0], (m[0][1] + m[1][0]) / 2, m[1][1]};
}

// The even/odd basis: columns (1, 1) and (1, -1).
constexpr Mat2 kModes{1, 1, 1, -1};

// A form given in the even/odd solutions, as a matrix over the core potentials.
Sym2 fromModes(const Sym2& modal)
{
    return 0.25 * congruence(modal, kModes);
}

}  // namespace

bool AttemptRunner::factor(const Layout& layout, bool symmetric, int order)
{
    layout_ = layout;
    symmetric_ = symmetric;
    return symmetric ? system_.factorPair(layout_, order) : system_.factorGeneral(layout_, order);
}

bool AttemptRunner::solve(int order)
{
    return symmetric_ ? system_.solvePair(order, 1, even_) && system_.solvePair(order, -1, odd_)
                      : system_.solveGeneral(order, general_);
}

Attempt AttemptRunner::evaluate(int order, bool withSurface)
{
    if (!solve(order) && !(factor(layout_, symmetric_, order) && solve(order)))
        return {};
    return symmetric_ ? pair(order, withSurface) : general(order, withSurface);
}

Attempt AttemptRunner::general(int order, bool withSurface) const
{
    const Layout& layout = layout_;
    Attempt result;
    const std::vector<const Sources*> solutions{&general_[0], &general_[1]};
    const double e2 = layout.filler;
    for (int rows = firstRows(order);; rows *= 2) {
        CircleTrace traces[2][2];  // [circle][solution]
        std::vector<std::vector<Complex>> incoming;
        for (int i = 0; i < 2; ++i) {
            incomingOn(layout, i, solutions, rows, incoming);
            for (int m = 0; m < 2; ++m)
                traces[i][m] = traceOf(layout.regions[i], general_[m][i], std::move(incoming[m]));
        }
        double upper[2][2] = {}, thomson[2][2] = {}, region[3][2][2] = {}, surface[2][2] = {};
        double tail = 0;
        for (int a = 0; a < 2; ++a)
            for (int b = 0; b < 2; ++b)
                for (int i = 0; i < 2; ++i) {
                    const Region& r = layout.regions[i];
                    const CircleForms f = circleForms(r, e2, traces[i][a], a == i, traces[i][b], b == i);
                    upper[a][b] += e2 * f.filler + f.dirichlet;
                    thomson[a][b] += e2 * f.filler + f.thomson;
                    region[2][a][b] += f.filler;
                    region[r.isVirtual ? 2 : i][a][b] += f.centre;
                    tail += f.tail * std::max(e2, 1.0);
                    if (withSurface)
                        surface[a][b] += coreSurface(r, traces[i][a], traces[i][b]);
                }
        double surfaceTail = 0;
        ShieldSurface shield;
        if (withSurface) {
            shield = shieldSurface(layout, solutions, rows);
            for (int a = 0; a < 2; ++a)
                for (int b = 0; b < 2; ++b)
                    surface[a][b] += shield.forms[a][b];
            surfaceTail = shield.tail / std::min(surface[0][0], surface[1][1]);
        }
        result.tail = tail / std::min(upper[0][0], upper[1][1]);
        if (moreRows(std::max(result.tail, surfaceTail), rows, order))
            continue;
        const Mat2 charges{2 * kPi * e2 * general_[0][0].charge, 2 * kPi * e2 * general_[1][0].charge,
                           2 * kPi * e2 * general_[0][1].charge, 2 * kPi * e2 * general_[1][1].charge};
        result.upper = symmetric(upper);
        result.lower = congruenceByInverse(charges, symmetric(thomson));
        for (int k = 0; k < 3; ++k)
            result.regions[k] = symmetric(region[k]);
        if (withSurface) {
            const Mat2 perCharge = inverse({general_[0][0].charge, general_[1][0].charge, general_[0][1].charge,
                                            general_[1][1].charge});
            result.surface = congruence(symmetric(surface), perCharge);
            const double onShield[2][2] = {{shield.forms[0][0], shield.forms[0][1]},
                                           {shield.forms[1][0], shield.forms[1][1]}};
            result.shieldSurface = congruence(symmetric(onShield), perCharge);
            result.tail = std::max(result.tail, surfaceTail);
        }
        result.solved = std::isfinite(result.lower.xx + result.lower.xy + result.lower.yy) &&
                        std::isfinite(result.upper.xx + result.upper.xy + result.upper.yy);
        return result;
    }
}

Attempt AttemptRunner::pair(int order, bool withSurface) const
{
    const Layout& layout = layout_;
    Attempt result;
    const std::vector<const Sources*> solutions{&even_, &odd_};
    const double e2 = layout.filler;
    const Region& r = layout.regions[0];
    for (int rows = firstRows(order);; rows *= 2) {
        std::vector<std::vector<Complex>> incoming;
        incomingOn(layout, 0, solutions, rows, incoming);
        const CircleTrace traces[2] = {traceOf(r, even_[0], std::move(incoming[0])),
                                       traceOf(r, odd_[0], std::move(incoming[1]))};
        const CircleForms ee = circleForms(r, e2, traces[0], 1, traces[0], 1);
        const CircleForms oo = circleForms(r, e2, traces[1], 1, traces[1], 1);
        const CircleForms eo = circleForms(r, e2, traces[0], 1, traces[1], 1);
        // Totals over both circles for V = (1, 1) and (1, -1).
        const double upper[2] = {2 * (e2 * ee.filler + ee.dirichlet), 2 * (e2 * oo.filler + oo.dirichlet)};
        const double thomson[2] = {2 * (e2 * ee.filler + ee.thomson), 2 * (e2 * oo.filler + oo.thomson)};
        result.tail = 2 * std::max(e2, 1.0) * (ee.tail + oo.tail + eo.tail) / std::min(upper[0], upper[1]);
        double surfaceTail = 0;
        Sym2 surface, onShield;
        if (withSurface) {
            const ShieldSurface shield = shieldSurface(layout, solutions, rows);
            onShield = {shield.forms[0][0], (shield.forms[0][1] + shield.forms[1][0]) / 2, shield.forms[1][1]};
            // The cores' cross terms cancel between the mirror images.
            surface = onShield + Sym2{2 * coreSurface(r, traces[0], traces[0]), 0,
                                      2 * coreSurface(r, traces[1], traces[1])};
            surfaceTail = shield.tail / std::min(surface.xx, surface.yy);
        }
        if (moreRows(std::max(result.tail, surfaceTail), rows, order))
            continue;
        // Per mode, with the charge n on core 0: 2 n^2 / thomson <= C11 +- C12 <= upper / 2.
        double lower[2];
        for (int m = 0; m < 2; ++m) {
            const double n = 2 * kPi * e2 * (m == 0 ? even_ : odd_)[0].charge;
            lower[m] = 2 * n * n / thomson[m];
        }
        result.lower = {(lower[0] + lower[1]) / 2, (lower[0] - lower[1]) / 2, (lower[0] + lower[1]) / 2};
        result.upper = {(upper[0] + upper[1]) / 4, (upper[0] - upper[1]) / 4, (upper[0] + upper[1]) / 4};
        // Sleeve 0 in the mode basis; sleeve 1 is its mirror image, the
        // cross terms changing sign; the filler's cross terms cancel.
        const Sym2 own = fromModes({ee.centre, eo.centre, oo.centre});
        const Sym2 mirrored{own.yy, own.xy, own.xx};
        Sym2 filler = fromModes({2 * ee.filler, 0, 2 * oo.filler});
        if (r.isVirtual)
            filler += own + mirrored;
        else
            result.regions = {own, mirrored, Sym2{}};
        result.regions[2] = filler;
        if (withSurface) {
            const double qe = even_[0].charge, qo = odd_[0].charge;
            result.surface = congruence(surface, inverse({qe, qo, qe, -qo}));
            result.shieldSurface = congruence(onShield, inverse({qe, qo, qe, -qo}));
            result.tail = std::max(result.tail, surfaceTail);
        }
        result.solved = std::isfinite(lower[0] + lower[1] + upper[0] + upper[1]);
        return result;
    }
}
