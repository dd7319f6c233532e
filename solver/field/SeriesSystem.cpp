#include "field/SeriesSystem.h"

#include <cmath>

namespace {

// The coefficient of a circle's own line charge in its mode-0 condition,
// besides what the influences add.
double ownChargeTerm(const Region& region, double filler)
{
    return -std::log(frameScale(region)) + filler / region.permittivity * region.logRatio;
}

// Mode by mode: the charges, then the real and imaginary parts of s_k of
// every circle in turn. The equations run the same way.
int chargeIndex(int circle)
{
    return circle;
}

int realIndex(int regions, int circle, int k)
{
    return regions + 2 * (regions * (k - 1) + circle);
}

}  // namespace

bool SeriesSystem::factorGeneral(const Layout& layout, int order)
{
    const int regions = static_cast<int>(layout.regions.size());
    regions_ = regions;
    const int n = regions * (2 * order + 1);
    matrix_.assign(static_cast<std::size_t>(n) * n, 0.0);
    const auto at = [&](int row, int col) -> double& { return matrix_[static_cast<std::size_t>(row) * n + col]; };
    std::vector<double> gamma(order + 1);
    for (int i = 0; i < regions; ++i) {
        const Region& region = layout.regions[i];
        const int mean = chargeIndex(i);
        for (int m = 1; m <= order; ++m)
            gamma[m] = reflection(region, layout.filler, m);
        at(mean, mean) += ownChargeTerm(region, layout.filler);
        for (int m = 1; m <= order; ++m) {
            const int re = realIndex(regions, i, m);
            at(re, re) += 1;
            at(re + 1, re + 1) += 1;
        }
        for (const Influence& in : influencesOn(layout, i)) {
            const int charge = chargeIndex(in.source);
            at(mean, charge) += in.lineConstant;
            Complex power = in.map.g;
            for (int m = 1; m <= order; ++m) {
                const Complex line = in.lineSign * power / static_cast<double>(m);
                const int row = realIndex(regions, i, m);
                at(row, charge) += gamma[m] * line.real();
                at(row + 1, charge) -= gamma[m] * line.imag();
                power = times(power, in.map.g);
            }
            const double sign = in.image ? -1 : 1;
            forEachPower(in.map, order, order + 1, buffers_, [&](int k, const auto* c) {
                const int re = realIndex(regions, in.source, k);
                const int im = re + 1;
                // Rows: Re s_m + gamma Re T_m, Im s_m - gamma Im T_m; T takes
                // +c s (direct) or -c conj(s) (image).
                at(mean, re) += sign * std::real(c[0]);
                at(mean, im) -= std::imag(c[0]);
                for (int m = 1; m <= order; ++m) {
                    const int row = realIndex(regions, i, m);
                    at(row, re) += gamma[m] * sign * std::real(c[m]);
                    at(row, im) -= gamma[m] * std::imag(c[m]);
                    at(row + 1, re) -= gamma[m] * sign * std::imag(c[m]);
                    at(row + 1, im) -= gamma[m] * std::real(c[m]);
                }
            });
        }
    }
    return lu_[0].factor(n, matrix_);
}

bool SeriesSystem::solveGeneral(int order, std::vector<Sources>& out) const
{
    const int regions = regions_;
    const int n = regions * (2 * order + 1);
    if (!lu_[0].hasLeading(n))
        return false;
    out.assign(regions, Sources(regions));
    for (int v = 0; v < regions; ++v) {
        rhs_.assign(n, 0.0);
        rhs_[chargeIndex(v)] = 1;
        lu_[0].solve(n, rhs_.data());
        for (int j = 0; j < regions; ++j) {
            RegionSources& s = out[v][j];
            s.charge = rhs_[chargeIndex(j)];
            s.multipoles.assign(order + 1, Complex{});
            for (int k = 1; k <= order; ++k)
                s.multipoles[k] = Complex(rhs_[realIndex(regions, j, k)], rhs_[realIndex(regions, j, k) + 1]);
        }
    }
    return true;
}

bool SeriesSystem::factorPair(const Layout& layout, int order)
{
    const int n = order + 1;
    const Region& region = layout.regions[0];
    std::vector<double> gamma(order + 1);
    for (int m = 1; m <= order; ++m)
        gamma[m] = reflection(region, layout.filler, m);
    for (const int parity : {1, -1}) {
        matrix_.assign(static_cast<std::size_t>(n) * n, 0.0);
        const auto at = [&](int row, int col) -> double& { return matrix_[static_cast<std::size_t>(row) * n + col]; };
        for (int m = 1; m <= order; ++m)
            at(m, m) = 1;
        at(0, 0) = ownChargeTerm(region, layout.filler);
        for (const Influence& in : influencesOn(layout, 0)) {
            const double mirror = in.source == 0 ? 1 : parity;
            at(0, 0) += mirror * in.lineConstant;
            double power = in.map.g.real();
            for (int m = 1; m <= order; ++m) {
                at(m, 0) += gamma[m] * mirror * in.lineSign * power / m;
                power *= in.map.g.real();
            }
            const double sign = in.image ? -1 : 1;
            forEachPower(in.map, order, n, buffers_, [&](int k, const auto* c) {
                const double weight = sign * (in.source == 0 || k % 2 == 0 ? mirror : -mirror);
                at(0, k) += weight * std::real(c[0]);
                for (int m = 1; m <= order; ++m)
                    at(m, k) += gamma[m] * weight * std::real(c[m]);
            });
        }
        if (!lu_[parity > 0 ? 0 : 1].factor(n, matrix_))
            return false;
    }
    return true;
}

bool SeriesSystem::solvePair(int order, int parity, Sources& out) const
{
    const DenseLu& lu = lu_[parity > 0 ? 0 : 1];
    const int n = order + 1;
    if (!lu.hasLeading(n))
        return false;
    rhs_.assign(n, 0.0);
    rhs_[0] = 1;
    lu.solve(n, rhs_.data());
    out.assign(2, RegionSources{});
    out[0].charge = rhs_[0];
    out[1].charge = parity * rhs_[0];
    for (RegionSources& s : out)
        s.multipoles.assign(order + 1, Complex{});
    for (int k = 1; k <= order; ++k) {
        out[0].multipoles[k] = rhs_[k];
        out[1].multipoles[k] = (k % 2 == 0 ? parity : -parity) * rhs_[k];
    }
    return true;
}
