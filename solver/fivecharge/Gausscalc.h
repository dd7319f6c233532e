#pragma once

#include <string>

// Dense linear solver a * x = b by Gaussian elimination without pivoting.
// Matrices are row-major: element (i, j) of an n x n matrix is at i * n + j.
class TGaussCalc {
public:
    // x is written only on success; err is empty on success, else the reason.
    // a and b are never modified.
    void zDoGaussCalc(int n, const double* a, const double* b, double* x, std::string& err) const;
};
