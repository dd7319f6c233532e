#include "field/SeriesSystem.h"

#include <cmath>

namespace {

// The potential's constant on circle i less what the mode-0 condition adds:
// the coefficient of its own line charge.
double ownChargeTerm(const Region& region, double filler)
{
    return -std::log(region.radius) + filler / region.permittivity * region.logRatio;
}

}  // namespace

double reflection(const Region& region, double filler, int n)
{
    const double x = std::exp(-2 * n * region.logRatio);
    const double oneLess = -std::expm1(-2 * n * region.logRatio);
    const double e1 = region.permittivity * (1 + x);
    const double e2 = filler * oneLess;
    return (e1 - e2) / (e1 + e2);
}

bool SeriesSystem::solveGeneral(const Layout& layout, int order, std::vector<Sources>& out)
{
    const int regions = static_cast<int>(layout.regions.size());
    const int block = 2 * order + 1;
    const int n = regions * block;
    matrix_.assign(static_cast<std::size_t>(n) * n, 0.0);
    const auto at = [&](int row, int col) -> double& { return matrix_[static_cast<std::size_t>(row) * n + col]; };
    std::vector<double> gamma(order + 1);
    for (int i = 0; i < regions; ++i) {
        const Region& region = layout.regions[i];
        const int rows = i * block;
        for (int m = 1; m <= order; ++m)
            gamma[m] = reflection(region, layout.filler, m);
        at(rows, rows) += ownChargeTerm(region, layout.filler);
        for (int m = 1; m <= order; ++m) {
            at(rows + 2 * m - 1, rows + 2 * m - 1) += 1;
            at(rows + 2 * m, rows + 2 * m) += 1;
        }
        for (const Influence& in : influencesOn(layout, i)) {
            const int cols = in.source * block;
            at(rows, cols) += in.lineConstant;
            Complex power = in.map.g;
            for (int m = 1; m <= order; ++m) {
                const Complex line = in.lineSign * power / static_cast<double>(m);
                at(rows + 2 * m - 1, cols) += gamma[m] * line.real();
                at(rows + 2 * m, cols) -= gamma[m] * line.imag();
                power = times(power, in.map.g);
            }
            const double sign = in.image ? -1 : 1;
            forEachPower(in.map, order, order + 1, previous_, column_, [&](int k, const Complex* c) {
                const int re = cols + 2 * k - 1;
                const int im = cols + 2 * k;
                // d(Re T)/d(Re s), d(Re T)/d(Im s), d(Im T)/d(Re s), d(Im T)/d(Im s)
                at(rows, re) += sign * c[0].real();
                at(rows, im) -= c[0].imag();
                for (int m = 1; m <= order; ++m) {
                    at(rows + 2 * m - 1, re) += gamma[m] * sign * c[m].real();
                    at(rows + 2 * m - 1, im) -= gamma[m] * c[m].imag();
                    at(rows + 2 * m, re) -= gamma[m] * sign * c[m].imag();
                    at(rows + 2 * m, im) -= gamma[m] * c[m].real();
                }
            });
        }
    }
    if (!lu_.factor(n, matrix_))
        return false;
    out.assign(regions, Sources(regions));
    for (int v = 0; v < regions; ++v) {
        rhs_.assign(n, 0.0);
        rhs_[v * block] = 1;
        lu_.solve(rhs_.data());
        for (int j = 0; j < regions; ++j) {
            RegionSources& s = out[v][j];
            s.charge = rhs_[j * block];
            s.multipoles.assign(order + 1, Complex{});
            for (int k = 1; k <= order; ++k)
                s.multipoles[k] = Complex(rhs_[j * block + 2 * k - 1], rhs_[j * block + 2 * k]);
        }
    }
    return true;
}

bool SeriesSystem::solvePair(const Layout& layout, int order, int parity, Sources& out)
{
    const int n = order + 1;
    matrix_.assign(static_cast<std::size_t>(n) * n, 0.0);
    const auto at = [&](int row, int col) -> double& { return matrix_[static_cast<std::size_t>(row) * n + col]; };
    const Region& region = layout.regions[0];
    std::vector<double> gamma(order + 1);
    for (int m = 1; m <= order; ++m) {
        gamma[m] = reflection(region, layout.filler, m);
        at(m, m) = 1;
    }
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
        forEachPower(in.map, order, n, previous_, column_, [&](int k, const Complex* c) {
            const double weight = sign * (in.source == 0 || k % 2 == 0 ? mirror : -mirror);
            at(0, k) += weight * c[0].real();
            for (int m = 1; m <= order; ++m)
                at(m, k) += gamma[m] * weight * c[m].real();
        });
    }
    if (!lu_.factor(n, matrix_))
        return false;
    rhs_.assign(n, 0.0);
    rhs_[0] = 1;
    lu_.solve(rhs_.data());
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
