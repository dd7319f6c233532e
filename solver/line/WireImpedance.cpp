#include "line/WireImpedance.h"

#include <cmath>
#include <complex>

namespace {

using Complex = std::complex<double>;

// Below it the power series loses no digits; above kAsymptoticFrom the
// asymptotic series is exact to rounding with kAsymptoticTerms terms (its
// smallest term is then near 1e-30), and between the two the backward
// recurrence converges within its kRecurrenceMargin extra orders.
constexpr double kSeriesUpTo = 2;
constexpr double kAsymptoticFrom = 20;
constexpr int kAsymptoticTerms = 16;
constexpr int kRecurrenceMargin = 40;

// (z/2) J0/J1 - 1 from the two power series in w = z^2/4, the difference
// taken term by term: 1/(k!)^2 - 1/(k!(k+1)!) = k/((k!)^2 (k+1)).
Complex bySeries(double x)
{
    const Complex minusW(0, x * x / 2);  // -z^2/4 for z = (1 - j) x
    Complex term = 1;                    // (-w)^k / (k!)^2
    Complex excess = 0, j1 = 1;
    for (int k = 1; k < 60; ++k) {
        term *= minusW / double(k * k);
        excess += term * (double(k) / (k + 1));
        j1 += term / double(k + 1);
        if (std::abs(term) < 1e-18)
            break;
    }
    return excess / j1;
}

// J1/J0 by the backward recurrence J(n-1)/J(n) = 2n/z - J(n+1)/J(n), which
// runs towards the recessive solution and so is stable.
Complex byRecurrence(double x)
{
    const Complex z(x, -x);
    const int top = int(std::abs(z)) + kRecurrenceMargin;
    Complex ratio = 0;
    for (int n = top; n >= 1; --n)
        ratio = 1.0 / (2.0 * n / z - ratio);
    return z / 2.0 / ratio - 1.0;
}

// Hankel's expansion: for Im z << 0, J(n) = H1(n)/2 to a relative e^(-2x),
// and H1(0)/H1(1) = j S0/S1 with S(n) = sum_k j^k a_k(n) z^-k
// (Abramowitz and Stegun 9.2.7).
Complex byAsymptotics(double x)
{
    const Complex z(x, -x);
    const Complex jOverZ = Complex(0, 1) / z;
    Complex s0 = 1, s1 = 1, power = 1;
    double a0 = 1, a1 = 1;
    for (int k = 1; k < kAsymptoticTerms; ++k) {
        const double odd = (2 * k - 1) * (2 * k - 1);
        a0 *= -odd / (8 * k);
        a1 *= (4 - odd) / (8 * k);
        power *= jOverZ;
        s0 += a0 * power;
        s1 += a1 * power;
    }
    return z / 2.0 * Complex(0, 1) * s0 / s1 - 1.0;
}

}  // namespace

std::complex<double> wireExcessRatio(double x)
{
    if (x <= kSeriesUpTo)
        return bySeries(x);
    if (x < kAsymptoticFrom)
        return byRecurrence(x);
    return byAsymptotics(x);
}
