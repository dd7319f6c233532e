#pragma once

// Symmetric 2 x 2 matrices: capacitance matrices and the quadratic forms the
// bounds are made of.
struct Sym2 {
    double xx = 0;
    double xy = 0;
    double yy = 0;

    Sym2& operator+=(const Sym2& o)
    {
        xx += o.xx;
        xy += o.xy;
        yy += o.yy;
        return *this;
    }
    friend Sym2 operator+(Sym2 a, const Sym2& b) { return a += b; }
    friend Sym2 operator-(const Sym2& a, const Sym2& b) { return {a.xx - b.xx, a.xy - b.xy, a.yy - b.yy}; }
    friend Sym2 operator*(double s, const Sym2& a) { return {s * a.xx, s * a.xy, s * a.yy}; }
};

// General 2 x 2, row-major.
struct Mat2 {
    double a = 0, b = 0, c = 0, d = 0;
};

// N T^-1 N^T for symmetric positive definite T.
Sym2 congruenceByInverse(const Mat2& n, const Sym2& t);

// M^T S M.
Sym2 congruence(const Sym2& s, const Mat2& m);

Mat2 inverse(const Mat2& m);

// The eigenvalue of largest modulus of B^-1 A, B positive definite: the
// smallest e with |V'AV| <= e V'BV for every V.
double largestGeneralised(const Sym2& a, const Sym2& b);
