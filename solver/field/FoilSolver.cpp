#include "field/FoilSolver.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "Codata.h"
#include "field/CrossSection.h"
#include "field/FoilEnergies.h"
#include "field/InsulatedSolver.h"
#include "NumberText.h"
#include "SolverTexts.h"

namespace {

// What solve aims at: a quarter of the promise, the margin for the bound's
// estimated parts (the quadrature check and the Fourier tails).
constexpr double kOrderTarget = kFoilAccuracy / 4;
constexpr int kStartOrder = 12;
constexpr double kOrderGrowth = 1.5;
// Sums of some thousands of products, against the bound, per unit of the
// capacitance matrix's condition.
constexpr double kRoundingAllowance = 1e-12;
// Dyadic levels of the panels towards contacts and corners. The integrands
// are the fit's functions, smooth up to the boundary (their singularities lie
// inside the sleeves and outside the foil), so two levels suffice; the check
// against the 12-node rule would show more being needed.
constexpr int kGradingLevels = 2;
constexpr int kBoundNodes = 16;
constexpr int kCheckNodes = 12;
constexpr int kFitNodes = 8;

// The resolution of one order: the fit's rows, the bound's rule (and the
// coarser one it is checked against), the Fourier modes of the sums.
struct Resolution {
    int fitPanels = 0;
    int boundPanels = 0;
    int circlePanels = 0;
    int modes = 0;
};

Resolution resolutionFor(int order)
{
    Resolution r;
    r.fitPanels = std::max(4, (order + 1) / 2);
    r.modes = 2 * order + 64;
    r.boundPanels = 12;
    // Two periods of the highest mode per panel: well within the 12-node
    // rule that checks the 16-node one.
    r.circlePanels = r.modes / 2 + 8;
    return r;
}

// The even/odd basis: columns (1, 1) and (1, -1).
constexpr Mat2 kModes{1, 1, 1, -1};

Sym2 fromModes(const Sym2& modal)
{
    return 0.25 * congruence(modal, kModes);
}

Sym2 symmetricOf(const double m[2][2])
{
    return {m[0][0], (m[0][1] + m[1][0]) / 2, m[1][1]};
}

double condition(const Sym2& m)
{
    const double half = (m.xx + m.yy) / 2;
    const double root = std::hypot((m.xx - m.yy) / 2, m.xy);
    return (half + root) / (half - root);
}

struct FoilAttempt {
    bool solved = false;
    Sym2 lower, upper;
    std::array<Sym2, 3> regions;  // sleeve 1, sleeve 2, filler
    Sym2 surface;                 // unit line charges
    Sym2 shieldSurface;           // the foil's part of it (not the drain wire's)
    double tail = 0;
};

struct Bounds {
    Sym2 lower, upper;
};

// L and U from the forms, over the core potentials.
Bounds boundsOf(const FoilForms& f, bool general)
{
    Bounds b;
    if (general) {
        b.upper = symmetricOf(f.dirichlet);
        b.lower = congruenceByInverse({f.charge[0][0], f.charge[0][1], f.charge[1][0], f.charge[1][1]},
                                      symmetricOf(f.thomson));
        return b;
    }
    // Per mode m, charge Q on core 1: 2 Q^2 / thomson <= C11 +- C12 <= dirichlet / 2.
    double lower[2], upper[2];
    for (int m = 0; m < 2; ++m) {
        lower[m] = 2 * f.charge[0][m] * f.charge[0][m] / f.thomson[m][m];
        upper[m] = f.dirichlet[m][m] / 2;
    }
    b.lower = {(lower[0] + lower[1]) / 2, (lower[0] - lower[1]) / 2, (lower[0] + lower[1]) / 2};
    b.upper = {(upper[0] + upper[1]) / 2, (upper[0] - upper[1]) / 2, (upper[0] + upper[1]) / 2};
    return b;
}

// One order, with the dielectrics and in vacuum: the same nodes and
// generators serve both.
class Attempter {
public:
    Attempter(const FoilGeometry& dielectric, const FoilGeometry& vacuum, bool general, FoilSolver::Workspace& work)
        : dielectric_(dielectric), vacuum_(vacuum), general_(general), work_(work)
    {
    }

    std::array<FoilAttempt, 2> run(int order) const
    {
        const FoilGeometry& g = dielectric_;
        const Resolution res = resolutionFor(order);
        // A drain wire breaks the top-bottom mirror.
        const FoilSymmetry symmetry{!general_, !general_ && !g.drain.present};
        const std::vector<int> parities = general_ ? std::vector<int>{1} : std::vector<int>{1, -1};
        const BoundaryNodes fitNodes = boundaryNodes(g, symmetry, res.fitPanels, res.fitPanels * 4, 0, kFitNodes);
        const BoundaryNodes fine = boundaryNodes(g, symmetry, res.boundPanels, res.circlePanels, kGradingLevels, kBoundNodes);
        const BoundaryNodes coarse = boundaryNodes(g, symmetry, res.boundPanels, res.circlePanels, kGradingLevels, kCheckNodes);
        const FoilOrder sizes = foilOrder(g, symmetry, order);
        const FillerBasis basis(g, symmetry, sizes);
        work_.fit.fill(basis, fitNodes);
        std::vector<SleeveBasis> sleeves;
        for (int j = 0; j < fitNodes.circles; ++j)
            sleeves.emplace_back(g.circles[j], sizes.sleeveModes, !symmetry.mirrorY);
        // Fit both problems, then sample psi of all their solutions in one
        // pass over the bound's nodes.
        std::array<std::vector<FoilFit>, 2> fits;
        std::array<std::vector<FoilSolution>, 2> solutions;
        std::vector<FoilCoefficients> coefficients;
        for (int problem = 0; problem < 2; ++problem) {
            const FoilGeometry& geometry = problem == 0 ? dielectric_ : vacuum_;
            fits[problem].reserve(parities.size());
            for (const int parity : parities) {
                fits[problem].push_back(fitFoil(geometry, work_.fit, parity, sleeves, work_.lsq));
                if (!fits[problem].back().solved)
                    return {};
            }
        }
        for (int problem = 0; problem < 2; ++problem)
            for (const FoilFit& fit : fits[problem])
                for (int m = 0; m < fit.solutions; ++m) {
                    solutions[problem].push_back({&fit, m, static_cast<int>(coefficients.size())});
                    coefficients.push_back({fit.filler.data() + m, fit.solutions, fit.parity});
                }
        work_.fine.fill(g, basis, fine, coefficients);
        work_.coarse.fill(g, basis, coarse, coefficients);
        std::array<FoilAttempt, 2> out;
        for (int problem = 0; problem < 2; ++problem)
            out[problem] = evaluate(problem == 0 ? dielectric_ : vacuum_, work_.fine, work_.coarse, solutions[problem],
                                    sleeves, res, problem == 1);
        return out;
    }

private:
    FoilAttempt evaluate(const FoilGeometry& g, const FoilSamples& fine, const FoilSamples& coarse,
                         const std::vector<FoilSolution>& solutions, const std::vector<SleeveBasis>& sleeves,
                         const Resolution& res, bool withSurface) const
    {
        FoilAttempt out;
        const bool mirrorY = !general_ && !g.drain.present;
        const FoilForms f = foilForms(g, fine, solutions, sleeves, general_, mirrorY, res.modes);
        const FoilForms c = foilForms(g, coarse, solutions, sleeves, general_, mirrorY, res.modes);
        const Bounds b = boundsOf(f, general_);
        const Bounds bc = boundsOf(c, general_);
        out.lower = b.lower;
        out.upper = b.upper;
        const double quadrature = std::max(largestGeneralised(b.lower - bc.lower, b.lower),
                                           largestGeneralised(b.upper - bc.upper, b.lower));
        out.tail = f.tail + quadrature;
        fillRegions(g, f, out);
        if (withSurface)
            fillSurface(f, out);
        out.solved = std::isfinite(out.lower.xx + out.lower.xy + out.lower.yy + out.upper.xx + out.upper.xy +
                                   out.upper.yy + out.tail) &&
                     out.lower.xx > 0;
        return out;
    }

    void fillRegions(const FoilGeometry& g, const FoilForms& f, FoilAttempt& out) const
    {
        const bool bare = g.circles[0].isVirtual;
        if (general_) {
            Sym2 filler = symmetricOf(f.filler);
            for (int j = 0; j < 2; ++j) {
                const Sym2 own = symmetricOf(f.centre[j]);
                if (bare)
                    filler += own;
                else
                    out.regions[j] = own;
            }
            out.regions[2] = filler;
            return;
        }
        const Sym2 own = fromModes({f.centre[0][0][0], f.centre[0][0][1], f.centre[0][1][1]});
        const Sym2 mirrored{own.yy, own.xy, own.xx};
        Sym2 filler = fromModes({f.filler[0][0], 0, f.filler[1][1]});
        if (bare)
            filler += own + mirrored;
        else
            out.regions = {own, mirrored, Sym2{}};
        out.regions[2] = filler;
    }

    void fillSurface(const FoilForms& f, FoilAttempt& out) const
    {
        if (general_) {
            const Mat2 perCharge = inverse({f.charge[0][0], f.charge[0][1], f.charge[1][0], f.charge[1][1]});
            const Sym2 foil = symmetricOf(f.foilSurface);
            Sym2 s = foil + symmetricOf(f.drainSurface);
            for (int j = 0; j < 2; ++j)
                s += symmetricOf(f.coreSurface[j]);
            out.surface = congruence(s, perCharge);
            out.shieldSurface = congruence(foil, perCharge);
            return;
        }
        // The cores' cross terms cancel between the mirror images.
        const Sym2 foil{f.foilSurface[0][0], 0, f.foilSurface[1][1]};
        const Sym2 s = foil + Sym2{2 * f.coreSurface[0][0][0] + f.drainSurface[0][0], 0,
                                   2 * f.coreSurface[0][1][1] + f.drainSurface[1][1]};
        const double qe = f.charge[0][0], qo = f.charge[0][1];
        out.surface = congruence(s, inverse({qe, qo, qe, -qo}));
        out.shieldSurface = congruence(foil, inverse({qe, qo, qe, -qo}));
    }

    const FoilGeometry& dielectric_;
    const FoilGeometry& vacuum_;
    bool general_;
    FoilSolver::Workspace& work_;
};

double boundOf(const FoilAttempt& a)
{
    const double e = largestGeneralised(a.upper - a.lower, a.lower);
    const double rounding = kRoundingAllowance * condition(a.lower);
    return std::isfinite(e) && rounding > 0 ? e / 2 + a.tail + rounding : std::numeric_limits<double>::infinity();
}

Sym2 middle(const FoilAttempt& a)
{
    return 0.5 * (a.lower + a.upper);
}

int referenceOrder(int order)
{
    return std::max(kStartOrder / 2, order * 2 / 3);
}

struct Problem {
    FoilAttempt result;
    FoilAttempt reference;
    double bound = 0;
};

struct Solved {
    std::array<Problem, 2> problems;  // with the dielectrics, in vacuum
    int order = 0;
    std::string error;
};

// Raises the order until both problems meet the target; the estimates'
// reference is the order before (or one run for it).
Solved solveBoth(const FoilGeometry& dielectric, const FoilGeometry& vacuum, bool general, int fixedOrder,
                 FoilSolver::Workspace& work)
{
    const Attempter attempter(dielectric, vacuum, general, work);
    Solved s;
    std::array<FoilAttempt, 2> previous;
    int previousOrder = 0;
    for (int order = fixedOrder > 0 ? fixedOrder : kStartOrder;;
         order = std::min(FoilSolver::kMaxOrder, static_cast<int>(std::ceil(order * kOrderGrowth)))) {
        s.order = order;
        const std::array<FoilAttempt, 2> now = attempter.run(order);
        double worst = 0;
        for (int p = 0; p < 2; ++p) {
            s.problems[p].result = now[p];
            s.problems[p].bound = now[p].solved ? boundOf(now[p]) : std::numeric_limits<double>::infinity();
            worst = std::max(worst, s.problems[p].bound);
        }
        if (fixedOrder > 0 || worst <= kOrderTarget) {
            const std::array<FoilAttempt, 2> reference =
                previousOrder > 0 ? previous : attempter.run(referenceOrder(order));
            for (int p = 0; p < 2; ++p) {
                s.problems[p].reference = reference[p];
                if (!now[p].solved || !reference[p].solved)
                    s.error = std::string(kSingularSeriesStart) + std::to_string(order);
            }
            return s;
        }
        if (order == FoilSolver::kMaxOrder) {
            s.error = std::string(kNotConvergedStart) + formatSignificant(worst, kTextDigits) + " at the highest order " +
                      std::to_string(FoilSolver::kMaxOrder) + ", wanted " + formatSignificant(kOrderTarget, kTextDigits);
            return s;
        }
        previous = now;
        previousOrder = order;
    }
}

double derivativeChange(const FoilAttempt& at, const FoilAttempt& reference, const FoilGeometry& g)
{
    const double er[3] = {g.circles[0].permittivity, g.circles[1].permittivity, g.filler};
    double change = 0;
    for (int k = 0; k < 3; ++k)
        change = std::max(change, largestGeneralised(er[k] * (at.regions[k] - reference.regions[k]), at.lower));
    return change;
}

}  // namespace

FieldSolution FoilSolver::solve(const CrossSection& section, const FoilOptions& options)
{
    if (std::string refusal = crossSectionRefusal(section); !refusal.empty()) {
        FieldSolution s;
        s.reason = std::move(refusal);
        return s;
    }
    return solve(foilGeometry(section, false), foilGeometry(section, true), options);
}

FieldSolution FoilSolver::solve(const FoilGeometry& dielectric, const FoilGeometry& vacuum, const FoilOptions& options)
{
    FieldSolution s;
    if (!(options.order >= 0 && options.order <= kMaxOrder)) {
        s.reason = std::string(kFieldOrderRangeStart) + std::to_string(kMaxOrder);
        return s;
    }
    s.symmetric = !options.generalPath;
    const Solved solved = solveBoth(dielectric, vacuum, options.generalPath, options.order, work_);
    s.order = s.vacuumOrder = solved.order;
    if (!solved.error.empty()) {
        s.status = FieldStatus::NotConverged;
        s.reason = solved.error;
        return s;
    }
    const Problem& withDielectric = solved.problems[0];
    const Problem& inVacuum = solved.problems[1];
    s.status = FieldStatus::Solved;
    s.bound = std::max(withDielectric.bound, inVacuum.bound);
    s.c = kEpsilon0 * middle(withDielectric.result);
    s.c0 = kEpsilon0 * middle(inVacuum.result);
    for (int k = 0; k < 3; ++k)
        s.dCdEr[k] = kEpsilon0 * withDielectric.result.regions[k];
    s.derivativeError = derivativeChange(withDielectric.result, withDielectric.reference, dielectric);
    s.rHat = (1 / vacuum.unit) * inVacuum.result.surface;
    s.rHatShield = (1 / vacuum.unit) * inVacuum.result.shieldSurface;
    s.rHatError = largestGeneralised(inVacuum.result.surface - inVacuum.reference.surface, inVacuum.result.surface);
    return s;
}
