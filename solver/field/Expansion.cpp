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

// outer(inner(x)), in the same normal form.
Mobius compose(const Mobius& outer, const Mobius& inner)
{
    const Complex scale = 1.0 / (1.0 - outer.g * inner.a);
    return {(outer.b * inner.a + outer.a) * scale, (outer.b * inner.b - outer.a * inner.g) * scale,
            (outer.g * inner.b + inner.g) * scale};
}

// A source's multipole map 1/zeta_j of its concentric one u = P_j / (z - c_j),
// and of the image's conj(u(1 / conj(z))).
Mobius sourceFrame(const Region& region, bool image)
{
    const Complex beta = image ? region.shift : std::conj(region.shift);
    return {-beta, 1.0, std::conj(beta)};
}

// w of a target's zeta_i.
Mobius targetFrame(const Region& region)
{
    return {region.shift, 1.0, -std::conj(region.shift)};
}

Influence framed(Influence in, const Region& source, const Region& target)
{
    if (source.shift != 0.0)
        in.map = compose(sourceFrame(source, in.image), in.map);
    if (target.shift != 0.0)
        in.map = compose(in.map, targetFrame(target));
    return in;
}

}  // namespace

std::vector<Influence> influencesOn(const Layout& layout, int target)
{
    const Region& t = layout.regions[target];
    const Complex at = limitPoint(t);
    std::vector<Influence> influences;
    for (int j = 0; j < static_cast<int>(layout.regions.size()); ++j) {
        const Region& s = layout.regions[j];
        const Complex from = limitPoint(s);
        // A line term vanishes where its map has its pole, so that its
        // series is that of -ln|1 - g w|, whatever the frames.
        if (j != target) {
            // -ln|z - c_j| = -ln|d| + Re sum (P_i w / d)^n / n
            const Complex d = s.centre - t.centre;
            influences.push_back(framed({j, false, {-s.radius / d, 0.0, t.radius / d}, -std::log(std::abs(from - at)), 1},
                                        s, t));
        }
        // ln|1 - conj(c_j) z| = ln|D| - Re sum (conj(c_j) P_i w / D)^n / n
        const Complex D = 1.0 - std::conj(s.centre) * t.centre;
        influences.push_back(framed({j, true, {s.radius * t.centre / D, s.radius * t.radius / D, std::conj(s.centre) * t.radius / D},
                                     std::log(std::abs(1.0 - std::conj(from) * at)), -1},
                                    s, t));
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
