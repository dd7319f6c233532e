#include "field/FoilTable.h"

#include <algorithm>

void FoilTable::fill(const FillerBasis& basis, const BoundaryNodes& nodes)
{
    nodes_ = &nodes;
    basis_ = &basis;
    generators_ = basis.generators();
    const std::size_t block = 6 * static_cast<std::size_t>(generators_);
    data_.resize(nodes.nodes.size() * block);
    for (std::size_t p = 0; p < nodes.nodes.size(); ++p) {
        if (nodes.nodes[p].kind == NodeKind::Fan)
            continue;  // no condition there
        basis.evaluate(nodes.nodes[p].z, a_, b_);
        double* out = data_.data() + p * block;
        for (const std::vector<double>* v : {&a_.value, &a_.dx, &a_.dy}) {
            std::copy(v->begin(), v->end(), out);
            out += generators_;
        }
        for (const std::vector<double>* v : {&b_.value, &b_.dx, &b_.dy}) {
            if (basis.mirrorX())
                std::copy(v->begin(), v->end(), out);
            out += generators_;
        }
    }
}

void FoilTable::columns(int i, int parity, double* value, double* dx, double* dy) const
{
    const double* a = data_.data() + static_cast<std::size_t>(i) * 6 * generators_;
    const double* b = a + 3 * generators_;
    const int n = generators_;
    const double p = basis_->mirrorX() ? parity : 0;
    for (int c = 0; c < n; ++c) {
        value[c] = a[c] + p * b[c];
        dx[c] = a[n + c] + p * b[n + c];
        dy[c] = a[2 * n + c] + p * b[2 * n + c];
    }
    if (basis_->hasConstant(parity)) {
        value[n] = 1;
        dx[n] = dy[n] = 0;
    }
}

namespace {

Psi combine(const Gradients& a, const Gradients& b, bool mirrorX, bool constant, const FoilCoefficients& k, int n)
{
    Psi psi;
    const double p = mirrorX ? k.parity : 0;
    for (int c = 0; c < n; ++c) {
        const double kc = k.filler[static_cast<std::size_t>(c) * k.stride];
        psi.value += kc * (a.value[c] + (p != 0 ? p * b.value[c] : 0));
        psi.dx += kc * (a.dx[c] + (p != 0 ? p * b.dx[c] : 0));
        psi.dy += kc * (a.dy[c] + (p != 0 ? p * b.dy[c] : 0));
    }
    if (constant)
        psi.value += k.filler[static_cast<std::size_t>(n) * k.stride];
    return psi;
}

}  // namespace

void FoilSamples::fill(const FoilGeometry& g, const FillerBasis& basis, const BoundaryNodes& nodes,
                       const std::vector<FoilCoefficients>& solutions)
{
    nodes_ = &nodes;
    count_ = static_cast<int>(solutions.size());
    const std::size_t size = nodes.nodes.size() * solutions.size();
    at_.assign(size, Psi{});
    for (int k = 0; k < kEnds; ++k) {
        end_[k].assign(size, Psi{});
        weight_[k].assign(nodes.nodes.size(), 0.0);
    }
    const int n = basis.generators();
    const auto sample = [&](Complex z, Psi* into) {
        basis.evaluate(z, a_, b_);
        for (int s = 0; s < count_; ++s)
            into[s] = combine(a_, b_, basis.mirrorX(), basis.hasConstant(solutions[s].parity), solutions[s], n);
    };
    const FoilDrain& drain = g.drain;
    for (std::size_t i = 0; i < nodes.nodes.size(); ++i) {
        const BoundaryNode& node = nodes.nodes[i];
        if (node.kind == NodeKind::Wrapped)
            continue;
        sample(node.z, &at_[i * count_]);
        if (node.kind == NodeKind::Fan) {
            const FanEnd end = fanEnd(g, node.theta);
            sample(end.point, &end_[1][i * count_]);
            if (end.blend >= 0)
                sample(end.second, &end_[2][i * count_]);
            continue;
        }
        if (node.kind != NodeKind::Interface)
            continue;
        if (!drain.present) {
            const OutlineFoot f = outlineFoot(g, node.z);
            if (f.depth < kStripWidth) {
                weight_[0][i] = 1 - f.depth / kStripWidth;
                sample(f.foot, &end_[0][i * count_]);
            }
            continue;
        }
        const double distance = std::abs(node.z - drain.centre);
        const Complex u = (node.z - drain.centre) / distance;
        const FanEnd end = fanEnd(g, std::arg(u));
        const double along = (distance - drain.radius) / (end.reach - drain.radius);
        const double blend = std::max(0.0, end.blend);
        weight_[0][i] = 1 - along;
        weight_[1][i] = along * (1 - blend);
        weight_[2][i] = along * blend;
        sample(drain.centre + drain.radius * u, &end_[0][i * count_]);
        sample(end.point, &end_[1][i * count_]);
        if (end.blend >= 0)
            sample(end.second, &end_[2][i * count_]);
    }
}
