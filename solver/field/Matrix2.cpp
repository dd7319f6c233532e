#include "field/Matrix2.h"

#include <algorithm>
#include <cmath>

Mat2 inverse(const Mat2& m)
{
    const double det = m.a * m.d - m.b * m.c;
    return {m.d / det, -m.b / det, -m.c / det, m.a / det};
}

Sym2 congruence(const Sym2& s, const Mat2& m)
{
    // (S M) then M^T (S M).
    const double p = s.xx * m.a + s.xy * m.c, q = s.xx * m.b + s.xy * m.d;
    const double r = s.xy * m.a + s.yy * m.c, t = s.xy * m.b + s.yy * m.d;
    return {m.a * p + m.c * r, m.a * q + m.c * t, m.b * q + m.d * t};
}

Sym2 congruenceByInverse(const Mat2& n, const Sym2& t)
{
    const double det = t.xx * t.yy - t.xy * t.xy;
    const Sym2 inv{t.yy / det, -t.xy / det, t.xx / det};
    // N inv N^T = (N^T)^T inv (N^T).
    return congruence(inv, Mat2{n.a, n.c, n.b, n.d});
}

double largestGeneralised(const Sym2& unscaledA, const Sym2& unscaledB)
{
    // The eigenvalues do not mind a common scale; Rhat of a hair-thin core
    // would overflow the products below without it.
    const double scale = 1 / std::max(std::fabs(unscaledB.xx), std::fabs(unscaledB.yy));
    const Sym2 a = scale * unscaledA, b = scale * unscaledB;
    // det(A - l B) = 0: l^2 p - l q + r = 0.
    const double p = b.xx * b.yy - b.xy * b.xy;
    const double q = a.xx * b.yy + a.yy * b.xx - 2 * a.xy * b.xy;
    const double r = a.xx * a.yy - a.xy * a.xy;
    const double half = q / (2 * p);
    const double root = std::sqrt(std::max(0.0, half * half - r / p));
    return std::max(std::fabs(half + root), std::fabs(half - root));
}
