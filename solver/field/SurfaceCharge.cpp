#include "field/SurfaceCharge.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

double realProduct(Complex x, Complex y)
{
    return x.real() * y.real() + x.imag() * y.imag();
}

}  // namespace

double coreSurface(const Region& region, const CircleTrace& a, const CircleTrace& b)
{
    // u's mode n at rho: T_n (rho/P)^n + conj(s_n) (P/rho)^n; sigma =
    // -du/drho / (2 pi), so that 2 pi r sigma has modes q and -n (T_n x^n -
    // conj(s_n) / x^n), x = r/P, and the integral is their sum of products
    // over 2 pi r (kept apart, so that a hair-thin core does not overflow).
    const double x = region.core / region.radius;
    double sum = a.charge * b.charge;
    const int rows = static_cast<int>(a.incoming.size());
    const int order = static_cast<int>(a.multipoles.size()) - 1;
    double power = 1, inversePower = 1;
    for (int n = 1; n < rows; ++n) {
        power *= x;
        if (n <= order)
            inversePower /= x;
        const auto mode = [&](const CircleTrace& t) {
            const Complex own = n <= order ? std::conj(t.multipoles[n]) * inversePower : Complex{};
            return static_cast<double>(n) * (t.incoming[n] * power - own);
        };
        sum += realProduct(mode(a), mode(b)) / 2;
    }
    return sum / (2 * kPi * region.core);
}

ShieldSurface shieldSurface(const Layout& layout, const std::vector<const Sources*>& solutions, int rows)
{
    // R du/dr on the shield: -sum q_j - 2 Re sum_n A_n e^{-i n theta},
    // A_n = sum_j (q_j c_j^n + n sum_k s_jk F_jkn), F the series of
    // (P_j / (z - c_j))^k in 1/z; sigma = du/dr / (2 pi).
    const int count = static_cast<int>(solutions.size());
    std::vector<std::vector<Complex>> modes(count, std::vector<Complex>(rows));
    std::vector<double> total(count);
    PowerBuffers buffers;
    for (int j = 0; j < static_cast<int>(layout.regions.size()); ++j) {
        const Region& region = layout.regions[j];
        for (int m = 0; m < count; ++m) {
            const double q = (*solutions[m])[j].charge;
            total[m] += q;
            Complex power = region.centre;
            for (int n = 1; n < rows; ++n) {
                modes[m][n] += q * power;
                power = times(power, region.centre);
            }
        }
        const int order = static_cast<int>((*solutions[0])[j].multipoles.size()) - 1;
        forEachPower(shieldMap(region), order, rows, buffers, [&](int k, const auto* c) {
            for (int m = 0; m < count; ++m) {
                const Complex s = (*solutions[m])[j].multipoles[k];
                for (int n = 1; n < rows; ++n)
                    modes[m][n] += static_cast<double>(n) * (s * c[n]);
            }
        });
    }
    ShieldSurface result;
    result.forms.assign(count, std::vector<double>(count));
    const int tailFrom = rows - rows / 4;
    for (int a = 0; a < count; ++a)
        for (int b = 0; b < count; ++b) {
            double sum = total[a] * total[b] / (4 * kPi * kPi);
            for (int n = 1; n < rows; ++n) {
                // sigma_n = -A_n / pi; half of Re(sigma_a conj sigma_b).
                const double term = realProduct(modes[a][n], modes[b][n]) / (2 * kPi * kPi);
                sum += term;
                if (n >= tailFrom)
                    result.tail += std::fabs(2 * kPi * term);
            }
            result.forms[a][b] = 2 * kPi * sum;
        }
    return result;
}
