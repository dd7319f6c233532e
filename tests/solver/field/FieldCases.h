#pragma once

#include <cmath>

#include "field/CrossSection.h"
#include "field/InsulatedSolver.h"
#include "field/Matrix2.h"

// Cross-sections for the field solver's tests, in shield diameters (D = 1 m):
// the capacitances do not depend on the scale.

// Cores at (+-S/2, 0), alike: bare where di == d.
inline CrossSection symmetricPair(double s, double d, double di, double er1 = 1, double er2 = 1)
{
    CrossSection c;
    c.cores[0] = {s / 2, 0, d, di, 0, 0, er1};
    c.cores[1] = {-s / 2, 0, d, di, 0, 0, er1};
    c.shield = RoundShield{1};
    c.fillerEr = er2;
    return c;
}

// Sleeves of diameter di touching each other (and the shield where di = 1/2).
inline CrossSection touchingPair(double d, double di, double er1, double er2 = 1)
{
    return symmetricPair(di, d, di, er1, er2);
}

// The smallest e with |V'(a - b)V| <= e V'bV for every V.
inline double relativeGap(const Sym2& a, const Sym2& b)
{
    return largestGeneralised(a - b, b);
}

inline Sym2 inverseOf(const Sym2& m)
{
    const double det = m.xx * m.yy - m.xy * m.xy;
    return {m.yy / det, -m.xy / det, m.xx / det};
}
