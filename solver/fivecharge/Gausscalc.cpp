#include "fivecharge/Gausscalc.h"

#include <algorithm>

#include "fivecharge/WorkArray.h"
#include "SolverTexts.h"

namespace {

// Elimination without pivoting and back substitution, on working copies so
// that the caller can reuse a and b. Order > 0 fixes n at compile time for the
// charge system (5) and the Newton step (2), which a shape solve runs
// thousands of times; Order 0 takes any n.
template <int Order>
void eliminate(int n, const double* a, const double* b, double* x, std::string& err)
{
    if constexpr (Order > 0)
        n = Order;
    WorkArray work(n * n + n);
    double* const A = work.data();
    double* const c = A + n * n;
    std::copy(a, a + n * n, A);
    std::copy(b, b + n, c);

    // No pivoting, so a pivot can still become 0 on the way; it is reported
    // like a zero diagonal element rather than divided by.
    for (int k = 0; k < n; ++k) {
        const double pivot = A[k * n + k];
        if (pivot == 0) {
            err = zeroPivotText(k);
            return;
        }
        for (int i = k + 1; i < n; ++i) {
            const double f = A[i * n + k] / pivot;
            for (int j = 0; j < n; ++j)
                A[i * n + j] = A[i * n + j] - A[k * n + j] * f;
            c[i] = c[i] - c[k] * f;
        }
    }

    x[n - 1] = c[n - 1] / A[(n - 1) * n + (n - 1)];
    for (int i = n - 2; i >= 0; --i) {
        double s = 0;
        for (int j = i + 1; j < n; ++j)
            s = s + A[i * n + j] * x[j];
        x[i] = (c[i] - s) / A[i * n + i];
    }
    err.clear();
}

}  // namespace

void TGaussCalc::zDoGaussCalc(int n, const double* a, const double* b, double* x, std::string& err) const
{
    if (n < 2) {
        err = kOrderTooSmallText;
        return;
    }
    for (int k = 0; k < n; ++k) {
        if (a[k * n + k] == 0) {
            err = zeroPivotText(k);
            return;
        }
    }
    switch (n) {
    case 2:
        return eliminate<2>(n, a, b, x, err);
    case 5:
        return eliminate<5>(n, a, b, x, err);
    default:
        return eliminate<0>(n, a, b, x, err);
    }
}
