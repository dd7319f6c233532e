#include "field/DenseLu.h"

#include <algorithm>
#include <cmath>
#include <utility>

bool DenseLu::factor(int n, std::vector<double>& a)
{
    n_ = n;
    lu_.swap(a);
    pivots_.resize(n);
    double* const m = lu_.data();
    for (int col = 0; col < n; ++col) {
        int pivot = col;
        for (int row = col + 1; row < n; ++row)
            if (std::fabs(m[row * n + col]) > std::fabs(m[pivot * n + col]))
                pivot = row;
        const double largest = std::fabs(m[pivot * n + col]);
        if (!(largest > 0 && std::isfinite(largest)))
            return false;
        pivots_[col] = pivot;
        if (pivot != col)
            std::swap_ranges(m + col * n, m + col * n + n, m + pivot * n);
        const double* const pivotRow = m + col * n;
        const double inverse = 1 / pivotRow[col];
        for (int row = col + 1; row < n; ++row) {
            double* const target = m + row * n;
            const double factor = target[col] * inverse;
            target[col] = factor;
            if (factor == 0)
                continue;
            for (int k = col + 1; k < n; ++k)
                target[k] -= factor * pivotRow[k];
        }
    }
    return true;
}

void DenseLu::solve(double* b) const
{
    const int n = n_;
    const double* const m = lu_.data();
    // The factor swapped whole rows, earlier multipliers included: all the
    // swaps first, then L.
    for (int col = 0; col < n; ++col)
        std::swap(b[col], b[pivots_[col]]);
    for (int col = 0; col < n; ++col) {
        for (int row = col + 1; row < n; ++row)
            b[row] -= m[row * n + col] * b[col];
    }
    for (int row = n - 1; row >= 0; --row) {
        double sum = b[row];
        for (int k = row + 1; k < n; ++k)
            sum -= m[row * n + k] * b[k];
        b[row] = sum / m[row * n + row];
    }
}
