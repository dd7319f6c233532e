#include "line/ComplexMatrix.h"

CMat2 operator*(const CMat2& x, const CMat2& y)
{
    return {x.a * y.a + x.b * y.c, x.a * y.b + x.b * y.d, x.c * y.a + x.d * y.c, x.c * y.b + x.d * y.d};
}

CMat2 inverse(const CMat2& m)
{
    const Complex det = m.a * m.d - m.b * m.c;
    return {m.d / det, -m.b / det, -m.c / det, m.a / det};
}

CMat2 withImaginary(const Sym2& s, double w, const Sym2& t)
{
    return {{s.xx, w * t.xx}, {s.xy, w * t.xy}, {s.xy, w * t.xy}, {s.yy, w * t.yy}};
}

CMat2 diagonal(Complex x, Complex y)
{
    return {x, 0, 0, y};
}
