#include "Gausscalc.h"

#include <algorithm>
#include <vector>

namespace {

std::string zeroPivotText(int k)
{
    const std::string index = std::to_string(k);
    return "Gij" + index + index + " =0";
}

}  // namespace

void TGaussCalc::zDoGaussCalc(int n, const double* a, const double* b, double* x, std::string& err) const
{
    if (n < 2) {
        err = "order too small in zDoGaussCalc()";
        return;
    }
    for (int k = 0; k < n; ++k) {
        if (a[k * n + k] == 0) {
            err = zeroPivotText(k);
            return;
        }
    }

    // Working copies, so the caller can reuse a and b; one allocation for both.
    std::vector<double> work(n * n + n);
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
