#include "field/EnergyForms.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace {

constexpr double kPi = std::numbers::pi;

double realProduct(Complex x, Complex y)  // Re(x conj(y))
{
    return x.real() * y.real() + x.imag() * y.imag();
}

Complex ownAt(const CircleTrace& t, int n)
{
    return n < static_cast<int>(t.multipoles.size()) ? std::conj(t.multipoles[n]) : Complex{};
}

}  // namespace

CircleTrace traceOf(const Region& region, const RegionSources& own, std::vector<Complex> incoming)
{
    CircleTrace trace;
    trace.charge = own.charge;
    trace.mean = incoming[0].real() - own.charge * std::log(frameScale(region));
    trace.incoming = std::move(incoming);
    trace.multipoles = own.multipoles;
    return trace;
}

CircleForms circleForms(const Region& region, double filler, const CircleTrace& a, double va, const CircleTrace& b,
                        double vb)
{
    const double e1 = region.permittivity;
    const double L = region.logRatio;
    const double ratio = filler / e1;
    CircleForms f;
    // Mode 0. Dirichlet: V + bD ln(rho/r) through the mean; Thomson: the charge's own log.
    const double dA = (a.mean - va) / L, dB = (b.mean - vb) / L;
    const double tA = -ratio * a.charge, tB = -ratio * b.charge;
    f.filler = 2 * kPi * a.mean * b.charge;
    f.dirichlet = e1 * 2 * kPi * dA * dB * L;
    f.thomson = e1 * 2 * kPi * tA * tB * L;
    f.centre = 2 * kPi * (dA + tA) * (dB + tB) / 4 * L;
    const int rows = static_cast<int>(a.incoming.size());
    const int tailFrom = rows - rows / 4;
    for (int n = 1; n < rows; ++n) {
        const double x = std::exp(-2 * n * L);
        const double oneLess = -std::expm1(-2 * n * L);
        const double coth = (1 + x) / oneLess;
        const double tanh = oneLess / (1 + x);
        // Trace and (P/n) d/drho of u on the circle, for e^{i n theta}.
        const Complex cA = a.incoming[n] + ownAt(a, n), fA = a.incoming[n] - ownAt(a, n);
        const Complex cB = b.incoming[n] + ownAt(b, n), fB = b.incoming[n] - ownAt(b, n);
        // The Thomson field's trace: flux eps2 n fA / P in the annulus mode.
        const Complex gA = ratio * tanh * fA, gB = ratio * tanh * fB;
        const double terms[4] = {-kPi * n * realProduct(cA, fB), e1 * kPi * n * coth * realProduct(cA, cB),
                                 e1 * kPi * n * tanh * ratio * ratio * realProduct(fA, fB),
                                 kPi * n * coth * realProduct(cA + gA, cB + gB) / 4};
        f.filler += terms[0];
        f.dirichlet += terms[1];
        f.thomson += terms[2];
        f.centre += terms[3];
        if (n >= tailFrom)
            for (const double t : terms)
                f.tail += std::fabs(t);
    }
    return f;
}
