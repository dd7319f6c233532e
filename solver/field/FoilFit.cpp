#include "field/FoilFit.h"

#include <algorithm>
#include <cmath>

#include "field/LeastSquares.h"

namespace {

// Against columns of unit length: keeps the point charges' coefficients
// near 1 instead of 1e10, at no visible cost to the residual, and the
// normal equations solvable.
constexpr double kDamping = 1e-6;

}  // namespace

FoilFit fitFoil(const FoilGeometry& g, const FoilTable& table, int parity, const std::vector<SleeveBasis>& sleeves,
                FitWorkspace& work)
{
    FoilFit fit;
    const bool mirrorX = table.basis().mirrorX();
    fit.parity = parity;
    fit.solutions = mirrorX ? 1 : 2;
    for (int j = 0; j < 2; ++j)
        for (int m = 0; m < fit.solutions; ++m)
            fit.potential[j][m] = mirrorX ? (j == 0 ? 1.0 : parity) : (j == m ? 1.0 : 0.0);
    const int nF = table.basis().columns(parity);
    std::vector<int> offset{nF};
    for (const SleeveBasis& b : sleeves)
        offset.push_back(offset.back() + b.size());
    const int cols = offset.back();
    std::vector<double>& a = work.matrix;
    std::vector<double>& b = work.rhs;
    a.clear();
    b.clear();
    std::vector<double> value(nF), dx(nF), dy(nF), sleeveValue, sleeveRadial;
    const auto newRow = [&] {
        a.resize(a.size() + cols, 0.0);
        b.resize(b.size() + fit.solutions, 0.0);
        return a.size() - cols;
    };
    const std::vector<BoundaryNode>& nodes = table.nodes().nodes;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const BoundaryNode& node = nodes[i];
        if (node.kind == NodeKind::Fan)
            continue;
        const double w = std::sqrt(node.weight);
        if (node.kind != NodeKind::Wrapped)
            table.columns(static_cast<int>(i), parity, value.data(), dx.data(), dy.data());
        if (node.kind == NodeKind::Wall || node.kind == NodeKind::Arc || node.kind == NodeKind::Drain) {
            const std::size_t row = newRow();
            for (int c = 0; c < nF; ++c)
                a[row + c] = w * value[c];
            continue;
        }
        const int j = node.circle;
        const FoilCircle& circle = g.circles[j];
        const SleeveBasis& sleeve = sleeves[j];
        sleeveValue.resize(sleeve.size());
        sleeveRadial.resize(sleeve.size());
        sleeve.evaluate(node.theta, sleeveValue.data(), sleeveRadial.data());
        const auto potentialRhs = [&] {
            for (int m = 0; m < fit.solutions; ++m)
                b[b.size() - fit.solutions + m] = -w * fit.potential[j][m];
        };
        // The sleeve's potential: V + columns; on the foil 0, else psi's.
        std::size_t row = newRow();
        for (int c = 0; c < sleeve.size(); ++c)
            a[row + offset[j] + c] = w * sleeveValue[c];
        potentialRhs();
        if (node.kind == NodeKind::Wrapped)
            continue;
        for (int c = 0; c < nF; ++c)
            a[row + c] = -w * value[c];
        // eps P d/drho continuous, in units of the larger permittivity.
        row = newRow();
        const double scale = 1 / std::max(circle.permittivity, g.filler);
        const Complex radial = std::polar(1.0, node.theta);
        for (int c = 0; c < sleeve.size(); ++c)
            a[row + offset[j] + c] = w * scale * circle.permittivity * sleeveRadial[c];
        for (int c = 0; c < nF; ++c)
            a[row + c] = -w * scale * g.filler * circle.radius * (dx[c] * radial.real() + dy[c] * radial.imag());
    }
    std::vector<double> solution;
    const int count = static_cast<int>(b.size()) / fit.solutions;
    if (!leastSquares(count, cols, a, fit.solutions, b, solution, kDamping, work.factors))
        return fit;
    fit.filler.assign(solution.begin(), solution.begin() + static_cast<std::ptrdiff_t>(nF) * fit.solutions);
    for (std::size_t j = 0; j < sleeves.size(); ++j)
        fit.sleeve[j].assign(solution.begin() + static_cast<std::ptrdiff_t>(offset[j]) * fit.solutions,
                             solution.begin() + static_cast<std::ptrdiff_t>(offset[j + 1]) * fit.solutions);
    fit.solved = std::all_of(solution.begin(), solution.end(), [](double x) { return std::isfinite(x); });
    return fit;
}
