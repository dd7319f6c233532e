#include "line/AsymmetricPair.h"

#include <cmath>
#include <utility>
#include <vector>

#include "Codata.h"
#include "SolverTexts.h"
#include "line/ModalLine.h"
#include "line/Rlgc.h"

namespace {

// The relative step of the bound's central differences: far above the
// rounding of the 2 x 2 algebra (1e-16 / step), far below the curvature.
constexpr double kBoundStep = 1e-5;

// Every number of the figures, for the bound's arithmetic.
std::vector<double*> numbersOf(AsymmetricFigures& f)
{
    std::vector<double*> n{&f.c.xx, &f.c.xy, &f.c.yy, &f.c0.xx, &f.c0.xy, &f.c0.yy, &f.l.xx, &f.l.xy, &f.l.yy, &f.zc.xx, &f.zc.xy, &f.zc.yy,
                           &f.zDiff, &f.zCommon, &f.zDc, &f.skewIntra, &f.skewModal};
    for (LineMode& m : f.modes)
        n.insert(n.end(), {&m.voltage[0], &m.voltage[1], &m.effectiveEr, &m.delay, &m.coreImpedance[0],
                           &m.coreImpedance[1]});
    return n;
}

// How much a voltage vector looks like the common mode: 1 for (1, 1), 0 for (1, -1).
double commonness(double a, double b)
{
    return (a + b) * (a + b) / (2 * (a * a + b * b));
}

// Upper-triangular R with R'R = s.
Mat2 cholesky(const Sym2& s)
{
    const double r11 = std::sqrt(s.xx), r12 = s.xy / r11;
    return {r11, r12, 0, std::sqrt(s.yy - r12 * r12)};
}

// s + h R'ER for the symmetric unit direction E numbered k (E11, E22, E12 + E21).
Sym2 moved(const Sym2& s, const Mat2& r, int k, double h)
{
    const Sym2 e = k == 0 ? Sym2{1, 0, 0} : k == 1 ? Sym2{0, 0, 1} : Sym2{0, 1, 0};
    return s + h * congruence(e, r);
}

}  // namespace

AsymmetricFigures asymmetricFigures(const Sym2& c, const Sym2& c0)
{
    AsymmetricFigures f;
    f.c = c;
    f.c0 = c0;
    const double det0 = c0.xx * c0.yy - c0.xy * c0.xy;
    const double k = 1 / (kSpeedOfLight * kSpeedOfLight * det0);
    f.l = {k * c0.yy, -k * c0.xy, k * c0.xx};
    Rlgc lossless;
    lossless.l = f.l;
    lossless.c = c;
    const ModalLine modal = modalLine(lossless);
    const Mat2& t = modal.voltage;
    std::array<int, 2> order{0, 1};
    if (commonness(t.b, t.d) > commonness(t.a, t.c))
        order = {1, 0};
    // Forward waves: V = T a, I = C T Lambda^-1/2 a, so Zc = T Lambda^1/2 T^-1 C^-1.
    std::array<double, 2> root{};
    for (int m = 0; m < 2; ++m)
        root[m] = std::sqrt(modal.l[m] * modal.c[m]);  // s/m, sqrt of LC's eigenvalue
    for (int slot = 0; slot < 2; ++slot) {
        const int m = order[slot];
        LineMode& mode = f.modes[slot];
        mode.voltage = m == 0 ? std::array<double, 2>{t.a, t.c} : std::array<double, 2>{t.b, t.d};
        mode.delay = root[m];
        mode.effectiveEr = (root[m] * kSpeedOfLight) * (root[m] * kSpeedOfLight);
        const double q1 = c.xx * mode.voltage[0] + c.xy * mode.voltage[1];
        const double q2 = c.xy * mode.voltage[0] + c.yy * mode.voltage[1];
        mode.coreImpedance = {mode.voltage[0] / (q1 / root[m]), mode.voltage[1] / (q2 / root[m])};
    }
    const Mat2 ti = inverse(t);
    const Mat2 tRoot{t.a * root[0], t.b * root[1], t.c * root[0], t.d * root[1]};
    const double detC = c.xx * c.yy - c.xy * c.xy;
    const Mat2 cInverse{c.yy / detC, -c.xy / detC, -c.xy / detC, c.xx / detC};
    const auto times = [](const Mat2& x, const Mat2& y) {
        return Mat2{x.a * y.a + x.b * y.c, x.a * y.b + x.b * y.d, x.c * y.a + x.d * y.c, x.c * y.b + x.d * y.d};
    };
    const Mat2 z = times(times(tRoot, ti), cInverse);
    // Symmetric in exact arithmetic; the mean keeps the rounding of both.
    f.zc = {z.a, (z.b + z.c) / 2, z.d};
    f.zDiff = f.zc.xx + f.zc.yy - 2 * f.zc.xy;
    f.zCommon = (f.zc.xx + f.zc.yy + 2 * f.zc.xy) / 4;
    f.zDc = (f.zc.xx - f.zc.yy) / 2;
    f.skewIntra = (std::sqrt(c.xx / c0.xx) - std::sqrt(c.yy / c0.yy)) / kSpeedOfLight;
    f.skewModal = f.modes[0].delay - f.modes[1].delay;
    return f;
}

AsymmetricPair asymmetricPair(const FieldSolution& s)
{
    AsymmetricPair p;
    if (s.status != FieldStatus::Solved) {
        p.error = std::string(kNoSolutionText);
        return p;
    }
    p.figures = asymmetricFigures(s.c, s.c0);
    // The worst first-order change over every symmetric E with |E| <= 1 in
    // dC = b R'ER is b times the nuclear norm of the gradient in E.
    const std::vector<double*> bound = numbersOf(p.bounds);
    for (int which = 0; which < 2; ++which) {
        const Sym2& base = which == 0 ? s.c : s.c0;
        const Mat2 r = cholesky(base);
        std::array<std::vector<double>, 3> gradient;
        for (int k = 0; k < 3; ++k) {
            const auto at = [&](double h) {
                const Sym2 m = moved(base, r, k, h);
                AsymmetricFigures f = which == 0 ? asymmetricFigures(m, s.c0) : asymmetricFigures(s.c, m);
                std::vector<double> values;
                for (const double* v : numbersOf(f))
                    values.push_back(*v);
                return values;
            };
            const std::vector<double> up = at(kBoundStep), down = at(-kBoundStep);
            for (std::size_t i = 0; i < up.size(); ++i)
                gradient[k].push_back((up[i] - down[i]) / (2 * kBoundStep));
        }
        for (std::size_t i = 0; i < bound.size(); ++i) {
            // G = [[g11, g12/2], [g12/2, g22]]; its eigenvalues' moduli summed.
            const double g11 = gradient[0][i], g22 = gradient[1][i], g12 = gradient[2][i] / 2;
            const double mean = (g11 + g22) / 2, radius = std::hypot((g11 - g22) / 2, g12);
            *bound[i] += s.bound * (std::fabs(mean + radius) + std::fabs(mean - radius));
        }
    }
    // Where the modes are near degenerate (one dielectric) their delays
    // have no derivative to difference. Each delay squared is an eigenvalue
    // of the pencil (C, C0/c^2), and each moves by at most (1 + b)/(1 - b)
    // when C and C0 move within b (Courant-Fischer), so the delays by
    // sqrt((1 + b)/(1 - b)) - 1, and a skew by that of both its delays.
    const double delayShare = std::sqrt((1 + s.bound) / (1 - s.bound)) - 1;
    AsymmetricFigures& b = p.bounds;
    const AsymmetricFigures& f = p.figures;
    for (int m = 0; m < 2; ++m) {
        b.modes[m].delay = std::max(b.modes[m].delay, delayShare * f.modes[m].delay);
        b.modes[m].effectiveEr =
            std::max(b.modes[m].effectiveEr, ((1 + s.bound) / (1 - s.bound) - 1) * f.modes[m].effectiveEr);
    }
    b.skewModal = std::max(b.skewModal, delayShare * (f.modes[0].delay + f.modes[1].delay));
    const double intra = (std::sqrt(f.c.xx / f.c0.xx) + std::sqrt(f.c.yy / f.c0.yy)) / kSpeedOfLight;
    b.skewIntra = std::max(b.skewIntra, delayShare * intra);
    return p;
}
