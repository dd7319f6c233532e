#include "line/ModalLine.h"

#include <algorithm>
#include <cmath>

namespace {

// Relative size below which the part of L C that is not a multiple of I is
// rounding.
constexpr double kScalarTolerance = 1e-12;

Mat2 product(const Sym2& a, const Sym2& b)
{
    return {a.xx * b.xx + a.xy * b.xy, a.xx * b.xy + a.xy * b.yy, a.xy * b.xx + a.yy * b.xy,
            a.xy * b.xy + a.yy * b.yy};
}

// The larger of two columns, scaled to a largest entry of 1 with its first
// nonzero entry positive.
std::array<double, 2> scaledColumn(double a, double b, double c, double d)
{
    const std::array<double, 2> v = std::hypot(a, c) >= std::hypot(b, d) ? std::array<double, 2>{a, c}
                                                                          : std::array<double, 2>{b, d};
    const double scale = std::max(std::fabs(v[0]), std::fabs(v[1])) * ((v[0] != 0 ? v[0] : v[1]) < 0 ? -1 : 1);
    return {v[0] / scale, v[1] / scale};
}

// Eigenvectors of a real 2 x 2 with real eigenvalues, as columns: each the
// larger column of m - lambda I for the other eigenvalue (Cayley-Hamilton).
Mat2 eigenvectors(const Mat2& m)
{
    const double half = (m.a - m.d) / 2;
    if (half == 0 && m.b == m.c)
        return m.b == 0 ? Mat2{1, 0, 0, 1} : Mat2{1, 1, 1, -1};  // a multiple of I, or even and odd exactly
    double s = std::sqrt(std::max(0.0, half * half + m.b * m.c));
    if (half < 0)
        s = -s;  // keeps half + s free of cancellation
    const auto first = scaledColumn(half + s, m.b, m.c, s - half);
    const auto second = scaledColumn(half - s, m.b, m.c, -half - s);
    return {first[0], second[0], first[1], second[1]};
}

// T' X T.
Sym2 throughModes(const Sym2& x, const Mat2& t)
{
    return congruence(x, t);
}

// T^-1 X T'^-1, which is M' X M for M = T'^-1.
Sym2 throughModesInverse(const Sym2& x, const Mat2& t)
{
    const Mat2 i = inverse(t);
    return congruence(x, Mat2{i.a, i.c, i.b, i.d});
}

}  // namespace

ModalLine modalLine(const Rlgc& x)
{
    ModalLine m;
    const Mat2 lc = product(x.l, x.c);
    const double mean = (lc.a + lc.d) / 2;
    const double offScalar = std::max({std::fabs(lc.a - lc.d) / 2, std::fabs(lc.b), std::fabs(lc.c)});
    m.voltage = eigenvectors(offScalar <= kScalarTolerance * mean ? Mat2{x.l.xx, x.l.xy, x.l.xy, x.l.yy} : lc);
    const Sym2 r = throughModesInverse(x.r, m.voltage), l = throughModesInverse(x.l, m.voltage);
    const Sym2 g = throughModes(x.g, m.voltage), c = throughModes(x.c, m.voltage);
    m.r = {r.xx, r.yy};
    m.l = {l.xx, l.yy};
    m.g = {g.xx, g.yy};
    m.c = {c.xx, c.yy};
    for (const Sym2* s : {&r, &g})
        if (s->xx > 0 && s->yy > 0)
            m.droppedCoupling = std::max(m.droppedCoupling, std::fabs(s->xy) / std::sqrt(s->xx * s->yy));
    return m;
}
