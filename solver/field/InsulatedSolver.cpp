#include "field/InsulatedSolver.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "Codata.h"
#include "field/FieldOrder.h"
#include "field/Layout.h"
#include "NumberText.h"
#include "SolverTexts.h"

namespace {

// What solve aims at: a tenth of the promise, so that it holds with margin.
constexpr double kOrderTarget = kFieldAccuracy / 10;
constexpr double kSurfaceTarget = kSurfaceAccuracy / 10;
constexpr double kOrderGrowth = 1.5;
// Sums of a few thousand terms of either sign, against the bound, per unit
// of the capacitance matrix's condition: the general path finds the
// weaker mode as a difference of the two cores' solutions.
constexpr double kRoundingAllowance = 1e-13;

double condition(const Sym2& m)
{
    const double half = (m.xx + m.yy) / 2;
    const double root = std::hypot((m.xx - m.yy) / 2, m.xy);
    return (half + root) / (half - root);
}

// The estimates' reference: this far below the order that met the bound,
// where the error is only a few times larger than at the order itself.
int referenceOrder(int order)
{
    return std::max(1, order - std::max(2, order / 16));
}

double boundOf(const Attempt& a)
{
    const double e = largestGeneralised(a.upper - a.lower, a.lower);
    const double rounding = kRoundingAllowance * condition(a.lower);
    return std::isfinite(e) && rounding > 0 ? e / 2 + a.tail + rounding : std::numeric_limits<double>::infinity();
}

Sym2 middle(const Attempt& a)
{
    return 0.5 * (a.lower + a.upper);
}

// The largest relative change of a region's share, against the capacitance.
double derivativeChange(const Attempt& at, const Attempt& reference, const Layout& layout)
{
    const double er[3] = {layout.regions[0].permittivity, layout.regions[1].permittivity, layout.filler};
    double change = 0;
    for (int k = 0; k < 3; ++k)
        change = std::max(change, largestGeneralised(er[k] * (at.regions[k] - reference.regions[k]), at.lower));
    return change;
}

}  // namespace

struct InsulatedSolver::Problem {
    Attempt result;
    Attempt reference;
    int order = 0;
    double bound = 0;
    std::string error;
};

InsulatedSolver::Problem InsulatedSolver::solveProblem(const Layout& layout, bool symmetric, int fixedOrder,
                                                       bool vacuum)
{
    Problem p;
    const auto surfaceChange = [&] {
        return largestGeneralised(p.result.surface - p.reference.surface, p.result.surface);
    };
    for (int order = fixedOrder > 0 ? fixedOrder : initialOrder(layout, kOrderTarget, kMaxOrder);;
         order = std::min(kMaxOrder, static_cast<int>(std::ceil(order * kOrderGrowth)))) {
        p.order = order;
        p.result = runner_.factor(layout, symmetric, order) ? runner_.evaluate(order, vacuum) : Attempt{};
        if (!p.result.solved) {
            p.error = std::string(kSingularSeriesStart) + std::to_string(order);
            return p;
        }
        p.bound = boundOf(p.result);
        const bool boundMet = p.bound <= kOrderTarget;
        if (fixedOrder > 0 || boundMet) {
            p.reference = runner_.evaluate(referenceOrder(order), vacuum);
            if (!p.reference.solved) {
                p.error = std::string(kSingularSeriesStart) + std::to_string(referenceOrder(order));
                return p;
            }
            if (fixedOrder > 0 || !vacuum || surfaceChange() <= kSurfaceTarget)
                return p;
        }
        if (order == kMaxOrder) {
            p.error = boundMet ? std::string(kSurfaceNotConvergedStart) + formatSignificant(surfaceChange(), kTextDigits) + " at the highest order " +
                                     std::to_string(kMaxOrder) + ", wanted " + formatSignificant(kSurfaceTarget, kTextDigits)
                               : std::string(kNotConvergedStart) + formatSignificant(p.bound, kTextDigits) + " at the highest order " +
                                     std::to_string(kMaxOrder) + ", wanted " + formatSignificant(kOrderTarget, kTextDigits);
            return p;
        }
    }
}

FieldSolution InsulatedSolver::solve(const CrossSection& section, const FieldOptions& options)
{
    FieldSolution s;
    if (std::string refusal = crossSectionRefusal(section); !refusal.empty()) {
        s.reason = std::move(refusal);
        return s;
    }
    // A foil has no images: the sibling solver takes it, so that a caller
    // need not know the shield.
    if (std::holds_alternative<FoilShield>(section.shield))
        return foil_.solve(section, {options.generalPath, options.order});
    for (const int order : {options.order, options.vacuumOrder})
        if (!(order >= 0 && order <= kMaxOrder)) {
            s.reason = std::string(kFieldOrderRangeStart) + std::to_string(kMaxOrder);
            return s;
        }
    s.symmetric = !options.generalPath && isSymmetricPair(section);
    const auto aligned = [&](Layout layout) { return s.symmetric ? alignedLayout(std::move(layout)) : layout; };
    const Layout dielectric = aligned(dielectricLayout(section));
    const Layout vacuum = aligned(vacuumLayout(section));
    const Problem withDielectric = solveProblem(dielectric, s.symmetric, options.order, false);
    const Problem inVacuum = solveProblem(vacuum, s.symmetric, options.vacuumOrder, true);
    s.order = withDielectric.order;
    s.vacuumOrder = inVacuum.order;
    for (const Problem* p : {&withDielectric, &inVacuum})
        if (!p->error.empty()) {
            s.status = FieldStatus::NotConverged;
            s.reason = p->error;
            return s;
        }
    s.status = FieldStatus::Solved;
    s.bound = std::max(withDielectric.bound, inVacuum.bound);
    s.c = kEpsilon0 * middle(withDielectric.result);
    s.c0 = kEpsilon0 * middle(inVacuum.result);
    for (int k = 0; k < 3; ++k)
        s.dCdEr[k] = kEpsilon0 * withDielectric.result.regions[k];
    s.derivativeError = derivativeChange(withDielectric.result, withDielectric.reference, dielectric);
    s.rHat = (1 / vacuum.shieldRadius) * inVacuum.result.surface;
    s.rHatShield = (1 / vacuum.shieldRadius) * inVacuum.result.shieldSurface;
    s.rHatError = largestGeneralised(inVacuum.result.surface - inVacuum.reference.surface, inVacuum.result.surface);
    return s;
}
