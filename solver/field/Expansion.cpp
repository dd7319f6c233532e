#include "field/Expansion.h"

#include <cmath>

namespace {

Complex multiply(Complex x, Complex y)
{
    return times(x, y);
}

Complex multiply(Complex x, double y)
{
    return {x.real() * y, x.imag() * y};
}

}  // namespace

std::vector<Influence> influencesOn(const Layout& layout, int target)
{
    const Region& t = layout.regions[target];
    std::vector<Influence> influences;
    for (int j = 0; j < static_cast<int>(layout.regions.size()); ++j) {
        const Region& s = layout.regions[j];
        if (j != target) {
            // -ln|z - c_j| = -ln|d| + Re sum (P_i w / d)^n / n
            const Complex d = s.centre - t.centre;
            influences.push_back({j, false, {-s.radius / d, 0.0, t.radius / d}, -std::log(std::abs(d)), 1});
        }
        // ln|1 - conj(c_j) z| = ln|D| - Re sum (conj(c_j) P_i w / D)^n / n
        const Complex D = 1.0 - std::conj(s.centre) * t.centre;
        influences.push_back({j, true, {s.radius * t.centre / D, s.radius * t.radius / D, std::conj(s.centre) * t.radius / D},
                              std::log(std::abs(D)), -1});
    }
    return influences;
}

Mobius shieldMap(const Region& region)
{
    return {0.0, region.radius, region.centre};
}

void incomingOn(const Layout& layout, int target, const std::vector<const Sources*>& solutions, int rows,
                std::vector<std::vector<Complex>>& out)
{
    const int count = static_cast<int>(solutions.size());
    out.assign(count, std::vector<Complex>(rows));
    PowerBuffers buffers;
    for (const Influence& in : influencesOn(layout, target)) {
        // The line charge: g^n / n by powers.
        Complex power = 1;
        for (int n = 0; n < rows; ++n) {
            const Complex term = n == 0 ? Complex(in.lineConstant) : in.lineSign * power / static_cast<double>(n);
            for (int m = 0; m < count; ++m)
                out[m][n] += term * (*solutions[m])[in.source].charge;
            power = times(power, in.map.g);
        }
        const int order = static_cast<int>((*solutions[0])[in.source].multipoles.size()) - 1;
        forEachPower(in.map, order, rows, buffers, [&](int k, const auto* c) {
            for (int m = 0; m < count; ++m) {
                const Complex s = (*solutions[m])[in.source].multipoles[k];
                const Complex weight = in.image ? -std::conj(s) : s;
                Complex* const into = out[m].data();
                for (int n = 0; n < rows; ++n)
                    into[n] += multiply(weight, c[n]);
            }
        });
    }
}
