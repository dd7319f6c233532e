#include "field/DenseLu.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The diagonal keeps its row unless some row below is this many times larger.
constexpr double kPivotThreshold = 100;

}  // namespace

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
        if (kPivotThreshold * std::fabs(m[col * n + col]) >= largest)
            pivot = col;
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

bool DenseLu::hasLeading(int m) const
{
    return m <= n_ && std::all_of(pivots_.begin(), pivots_.begin() + m, [m](int p) { return p < m; });
}

void DenseLu::solve(int size, double* b) const
{
    const int n = n_;
    const double* const m = lu_.data();
    // The factor swapped whole rows, earlier multipliers included: all the
    // swaps first, then L.
    for (int col = 0; col < size; ++col)
        std::swap(b[col], b[pivots_[col]]);
    for (int col = 0; col < size; ++col)
        for (int row = col + 1; row < size; ++row)
            b[row] -= m[row * n + col] * b[col];
    for (int row = size - 1; row >= 0; --row) {
        double sum = b[row];
        for (int k = row + 1; k < size; ++k)
            sum -= m[row * n + k] * b[k];
        b[row] = sum / m[row * n + row];
    }
}
