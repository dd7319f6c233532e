#include "field/PairModes.h"

#include <cmath>

#include "Codata.h"
#include "NumberText.h"
#include "SolverTexts.h"

namespace {

ModeFigures figures(double c, double c0)
{
    ModeFigures m;
    m.c = c;
    m.c0 = c0;
    m.z = 1 / (kSpeedOfLight * std::sqrt(c * c0));
    m.effectiveEr = c / c0;
    m.velocityFactor = 1 / std::sqrt(m.effectiveEr);
    m.delay = std::sqrt(m.effectiveEr) / kSpeedOfLight;
    return m;
}

}  // namespace

PairModes pairModes(const FieldSolution& s)
{
    PairModes p;
    if (s.status != FieldStatus::Solved) {
        p.error = std::string(kNoSolutionText);
        return p;
    }
    if (!s.symmetric) {
        p.error = std::string(kNotSymmetricText);
        return p;
    }
    p.even = figures(s.c.xx + s.c.xy, s.c0.xx + s.c0.xy);
    p.odd = figures(s.c.xx - s.c.xy, s.c0.xx - s.c0.xy);
    p.zDiff = 2 * p.odd.z;
    p.zCommon = p.even.z / 2;
    p.skew = p.even.delay - p.odd.delay;
    const double b = s.bound;
    p.capacitanceBound = b;
    p.impedanceBound = b / (1 - b);
    p.effectiveErBound = 2 * b / (1 - b);
    p.skewBound = (p.even.delay + p.odd.delay) * p.impedanceBound;
    return p;
}
