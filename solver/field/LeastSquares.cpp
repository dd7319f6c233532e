#include "field/LeastSquares.h"

#include <algorithm>
#include <cmath>

namespace {

// Squared norms below this share of the largest column's.
constexpr double kCancelled = 1e-20;

}  // namespace

bool leastSquares(int rows, int cols, const std::vector<double>& a, int rhs, const std::vector<double>& b,
                  std::vector<double>& solution, double damping, std::vector<double>& work)
{
    if (rows < cols)
        return false;
    std::vector<double> scale(cols, 0.0);
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j)
            scale[j] += a[static_cast<std::size_t>(i) * cols + j] * a[static_cast<std::size_t>(i) * cols + j];
    double largest = 0;
    for (int j = 0; j < cols; ++j) {
        if (!std::isfinite(scale[j]))
            return false;
        largest = std::max(largest, scale[j]);
    }
    // A column that a mirror image cancels is rounding only: left out.
    for (int j = 0; j < cols; ++j)
        scale[j] = scale[j] > kCancelled * largest ? 1 / std::sqrt(scale[j]) : 0;
    // The normal equations of the scaled columns, damped: (S A'A S + d^2) y = S A'b,
    // a rank-one update per row (the inner loop runs along memory and
    // vectorises; a dot product per entry would not, its sum being ordered).
    const int n = cols + rhs;
    std::vector<double>& gram = work;
    gram.assign(static_cast<std::size_t>(cols) * n + n, 0.0);
    double* const g = gram.data();
    double* const row = gram.data() + static_cast<std::size_t>(cols) * n;
    const auto at = [&](int i, int j) -> double& { return g[static_cast<std::size_t>(i) * n + j]; };
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < cols; ++j)
            row[j] = a[static_cast<std::size_t>(i) * cols + j] * scale[j];
        for (int k = 0; k < rhs; ++k)
            row[cols + k] = b[static_cast<std::size_t>(i) * rhs + k];
        for (int j = 0; j < cols; ++j) {
            const double rj = row[j];
            if (rj == 0)
                continue;
            double* const gj = &at(j, 0);
            for (int k = j; k < n; ++k)
                gj[k] += rj * row[k];
        }
    }
    for (int j = 0; j < cols; ++j)
        at(j, j) += scale[j] > 0 ? damping * damping : 1;
    // Cholesky, upper and by rows: G = R'R, the right-hand sides carried along.
    for (int j = 0; j < cols; ++j) {
        const double d = at(j, j);
        if (!(d > 0))
            return false;
        const double r = std::sqrt(d);
        double* const rowJ = &at(j, 0);
        for (int c = j; c < n; ++c)
            rowJ[c] /= r;
        for (int i = j + 1; i < cols; ++i) {
            const double f = rowJ[i];
            if (f == 0)
                continue;
            double* const rowI = &at(i, 0);
            for (int c = i; c < n; ++c)
                rowI[c] -= f * rowJ[c];
        }
    }
    solution.assign(static_cast<std::size_t>(cols) * rhs, 0.0);
    for (int k = 0; k < rhs; ++k)
        for (int j = cols - 1; j >= 0; --j) {
            double s = at(j, cols + k);
            for (int l = j + 1; l < cols; ++l)
                s -= at(j, l) * solution[static_cast<std::size_t>(l) * rhs + k];
            solution[static_cast<std::size_t>(j) * rhs + k] = s / at(j, j);
        }
    for (int j = 0; j < cols; ++j)
        for (int k = 0; k < rhs; ++k)
            solution[static_cast<std::size_t>(j) * rhs + k] *= scale[j];
    return std::isfinite(solution[0]);
}
