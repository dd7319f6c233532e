#pragma once

#include <vector>

// Dense damped least squares by the normal equations and Cholesky, the
// columns scaled to unit length first. The point-charge columns are nearly
// dependent: left alone, they find a residual a hair smaller with
// coefficients of 1e10, whose sums lose all but a few digits to rounding.
// `damping` (Tikhonov, on the scaled columns) keeps the coefficients
// moderate and the normal equations' condition below 1e14; what matters is
// a small residual, not well-determined coefficients (the bound is computed
// from the coefficients found, whatever they are). A quarter of the work of
// Householder QR, which the fits' time was mostly spent in.
//
// a: rows x cols, b: rows x rhs, both row-major. The solutions come back as
// cols x rhs, row-major; a column of rounding only (a mirror image
// cancels it) gets a zero. False if a pivot is not positive.
// `work` is scratch space, kept between calls.
bool leastSquares(int rows, int cols, const std::vector<double>& a, int rhs, const std::vector<double>& b,
                  std::vector<double>& solution, double damping, std::vector<double>& work);
