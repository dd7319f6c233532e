#pragma once

#include <array>
#include <complex>

#include "field/Matrix2.h"

// Small complex matrices of a two-conductor line: 2 x 2 per-length matrices
// and 4 x 4 port matrices. Row-major.

using Complex = std::complex<double>;

struct CMat2 {
    Complex a, b, c, d;
};

CMat2 operator*(const CMat2& x, const CMat2& y);
CMat2 inverse(const CMat2& m);
// s + j w t for real symmetric s and t: R + j omega L, G + j omega C.
CMat2 withImaginary(const Sym2& s, double w, const Sym2& t);
CMat2 diagonal(Complex x, Complex y);

using Mat4 = std::array<std::array<Complex, 4>, 4>;
