#include "field/LeastSquares.h"

#include <cmath>

namespace {

double dot(const double* x, const double* y, int from, int to)
{
    double sum = 0;
    for (int i = from; i < to; ++i)
        sum += x[i] * y[i];
    return sum;
}

}  // namespace

bool leastSquares(int givenRows, int cols, const std::vector<double>& a, int rhs, const std::vector<double>& b,
                  std::vector<double>& solution, double damping)
{
    // Damping: a row damping * e_j under each (scaled) column j.
    const int rows = givenRows + (damping > 0 ? cols : 0);
    if (rows < cols)
        return false;
    // Column by column, so that every reflection runs along memory.
    std::vector<double> q(static_cast<std::size_t>(rows) * (cols + rhs));
    const auto column = [&](int j) { return q.data() + static_cast<std::size_t>(j) * rows; };
    std::vector<double> scale(cols);
    for (int j = 0; j < cols + rhs; ++j)
        for (int i = 0; i < givenRows; ++i)
            column(j)[i] = j < cols ? a[static_cast<std::size_t>(i) * cols + j] : b[static_cast<std::size_t>(i) * rhs + j - cols];
    for (int j = 0; j < cols; ++j) {
        const double sum = dot(column(j), column(j), 0, givenRows);
        if (!(sum > 0 && std::isfinite(sum)))
            return false;
        scale[j] = 1 / std::sqrt(sum);
        for (int i = 0; i < givenRows; ++i)
            column(j)[i] *= scale[j];
        if (damping > 0)
            column(j)[givenRows + j] = damping;
    }
    std::vector<double> diagonal(cols);
    for (int j = 0; j < cols; ++j) {
        double* v = column(j);
        const double norm = std::sqrt(dot(v, v, j, rows));
        if (!(norm > 0 && std::isfinite(norm)))
            return false;
        const double alpha = v[j] > 0 ? -norm : norm;
        v[j] -= alpha;
        const double vv = dot(v, v, j, rows);
        diagonal[j] = alpha;
        if (vv == 0)
            continue;
        for (int k = j + 1; k < cols + rhs; ++k) {
            double* x = column(k);
            const double f = 2 * dot(v, x, j, rows) / vv;
            for (int i = j; i < rows; ++i)
                x[i] -= f * v[i];
        }
        // Row j of R: the reflected columns' entries at j stay where they are.
    }
    solution.assign(static_cast<std::size_t>(cols) * rhs, 0.0);
    for (int k = 0; k < rhs; ++k)
        for (int j = cols - 1; j >= 0; --j) {
            double sum = column(cols + k)[j];
            for (int l = j + 1; l < cols; ++l)
                sum -= column(l)[j] * solution[static_cast<std::size_t>(l) * rhs + k];
            solution[static_cast<std::size_t>(j) * rhs + k] = sum / diagonal[j];
        }
    for (int j = 0; j < cols; ++j)
        for (int k = 0; k < rhs; ++k)
            solution[static_cast<std::size_t>(j) * rhs + k] *= scale[j];
    return true;
}
