#include "line/LineNetwork.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

// Relative size below which the part of ZY that is not a multiple of I is
// rounding; and the sine of the angle below which two modes' voltage vectors
// count as one.
constexpr double kScalarTolerance = 1e-13;

// The larger of two columns, an eigenvector when the matrix is A - lambda I
// of a 2 x 2 A with distinct eigenvalues (Cayley-Hamilton).
std::array<Complex, 2> largerColumn(Complex a, Complex b, Complex c, Complex d)
{
    if (std::norm(a) + std::norm(c) >= std::norm(b) + std::norm(d))
        return {a, c};
    return {b, d};
}

// T diag(f1, f2) T^-1.
CMat2 similar(const CMat2& t, const CMat2& tInverse, Complex f1, Complex f2)
{
    return t * diagonal(f1, f2) * tInverse;
}

CMat2 scaled(const CMat2& m, double left0, double left1, double right0, double right1)
{
    return {left0 * m.a * right0, left0 * m.b * right1, left1 * m.c * right0, left1 * m.d * right1};
}

// (I - x)(I + x)^-1, the reflection of an admittance (or minus that of an
// impedance) normalised to its references.
CMat2 cayley(const CMat2& x)
{
    const CMat2 plus{1.0 + x.a, x.b, x.c, 1.0 + x.d};
    const CMat2 minus{1.0 - x.a, -x.b, -x.c, 1.0 - x.d};
    return minus * inverse(plus);
}

}  // namespace

std::optional<Modes> lineModes(const CMat2& z, const CMat2& y)
{
    const CMat2 a = z * y;
    const Complex mean = (a.a + a.d) / 2.0, half = (a.a - a.d) / 2.0;
    Complex s = std::sqrt(half * half + a.b * a.c);
    // The sign that keeps half + s free of cancellation.
    if ((std::conj(half) * s).real() < 0)
        s = -s;
    Modes m;
    const Complex lambda1 = mean + s, lambda2 = mean - s;
    const double offScalar = std::max({std::abs(half), std::abs(a.b), std::abs(a.c)});
    if (offScalar <= kScalarTolerance * std::abs(mean)) {
        // A multiple of I to rounding (one material and no loss, say): any
        // basis is one of modes, and the eigenvalues differ by rounding only.
        m.voltage = {1, 0, 0, 1};
    } else {
        // Columns of A - lambda2 I for mode 1, of A - lambda1 I for mode 2.
        const auto v1 = largerColumn(half + s, a.b, a.c, s - half);
        const auto v2 = largerColumn(half - s, a.b, a.c, -half - s);
        m.voltage = {v1[0], v2[0], v1[1], v2[1]};
        const double scale =
            std::sqrt((std::norm(v1[0]) + std::norm(v1[1])) * (std::norm(v2[0]) + std::norm(v2[1])));
        const Complex det = m.voltage.a * m.voltage.d - m.voltage.b * m.voltage.c;
        if (!(std::abs(det) > kScalarTolerance * scale))
            return std::nullopt;
    }
    for (int k = 0; k < 2; ++k) {
        Complex g = std::sqrt(k == 0 ? lambda1 : lambda2);
        m.gamma[k] = g.imag() < 0 ? -g : g;
    }
    return m;
}

std::optional<EndNetworks> lineEnds(const Rlgc& perLength, double length)
{
    const double omega = 2 * kPi * perLength.frequency;
    const CMat2 z = withImaginary(perLength.r, omega, perLength.l);
    const CMat2 y = withImaginary(perLength.g, omega, perLength.c);
    const double half = length / 2;
    if (perLength.frequency == 0)
        return EndNetworks{{half * y.a, half * y.b, half * y.c, half * y.d},
                           {half * z.a, half * z.b, half * z.c, half * z.d}};
    const std::optional<Modes> modes = lineModes(z, y);
    if (!modes)
        return std::nullopt;
    const CMat2& t = modes->voltage;
    const CMat2 tInverse = inverse(t);
    std::array<Complex, 2> alike, opposed;
    for (int k = 0; k < 2; ++k) {
        const Complex gamma = modes->gamma[k];
        const Complex th = std::tanh(gamma * half);
        alike[k] = gamma * th;
        // tanh(gamma l/2)/gamma tends to l/2; gamma is 0 at f > 0 only by underflow.
        opposed[k] = gamma == 0.0 ? Complex(half) : th / gamma;
    }
    return EndNetworks{inverse(z) * similar(t, tInverse, alike[0], alike[1]),
                       similar(t, tInverse, opposed[0], opposed[1]) * z};
}

Mat4 endScattering(const EndNetworks& ends, const std::array<double, 2>& reference)
{
    const double root0 = std::sqrt(reference[0]), root1 = std::sqrt(reference[1]);
    const CMat2 alike = cayley(scaled(ends.alike, root0, root1, root0, root1));
    const CMat2 opposedImpedance = scaled(ends.opposed, 1 / root0, 1 / root1, 1 / root0, 1 / root1);
    const CMat2 opposed = cayley(opposedImpedance);
    // cayley() of an impedance is minus its reflection.
    const CMat2 near{(alike.a - opposed.a) / 2.0, (alike.b - opposed.b) / 2.0, (alike.c - opposed.c) / 2.0,
                     (alike.d - opposed.d) / 2.0};
    const CMat2 across{(alike.a + opposed.a) / 2.0, (alike.b + opposed.b) / 2.0, (alike.c + opposed.c) / 2.0,
                       (alike.d + opposed.d) / 2.0};
    Mat4 s{};
    for (int end = 0; end < 2; ++end) {
        for (int other = 0; other < 2; ++other) {
            const CMat2& block = end == other ? near : across;
            s[2 * end][2 * other] = block.a;
            s[2 * end][2 * other + 1] = block.b;
            s[2 * end + 1][2 * other] = block.c;
            s[2 * end + 1][2 * other + 1] = block.d;
        }
    }
    return s;
}

std::array<int, 4> portIndex(PortOrder order)
{
    if (order == PortOrder::Through)
        return {0, 2, 1, 3};
    return {0, 1, 2, 3};
}

Mat4 toPortOrder(const Mat4& m, PortOrder order)
{
    const std::array<int, 4> index = portIndex(order);
    Mat4 out{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            out[index[i]][index[j]] = m[i][j];
    return out;
}
