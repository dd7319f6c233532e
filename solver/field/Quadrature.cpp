#include "field/Quadrature.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace {

// Nodes and weights on [-1, 1] by Newton's method on the Legendre polynomial.
const std::vector<QuadratureNode>& legendre(int order)
{
    static thread_local std::map<int, std::vector<QuadratureNode>> cache;
    auto [it, added] = cache.try_emplace(order);
    if (!added)
        return it->second;
    std::vector<QuadratureNode>& rule = it->second;
    for (int i = 0; i < order; ++i) {
        double x = std::cos(std::numbers::pi * (i + 0.75) / (order + 0.5));
        double derivative = 1;
        for (int step = 0; step < 100; ++step) {
            double p0 = 1, p1 = x;
            for (int k = 2; k <= order; ++k) {
                const double p2 = ((2 * k - 1) * x * p1 - (k - 1) * p0) / k;
                p0 = p1;
                p1 = p2;
            }
            derivative = order * (x * p1 - p0) / (x * x - 1);
            const double dx = p1 / derivative;
            x -= dx;
            if (std::fabs(dx) < 1e-16)
                break;
        }
        rule.push_back({x, 2 / ((1 - x * x) * derivative * derivative)});
    }
    return rule;
}

}  // namespace

std::vector<QuadratureNode> gradedRule(double from, double to, int panels, const std::vector<double>& towards,
                                       int levels, int order, const std::vector<double>& breaks)
{
    std::vector<double> cuts;
    for (int i = 0; i <= panels; ++i)
        cuts.push_back(from + (to - from) * i / panels);
    const double width = (to - from) / panels;
    for (const double point : towards) {
        if (!(point >= from && point <= to))
            continue;
        for (int level = 1; level <= levels; ++level) {
            const double step = width * std::ldexp(1.0, -level);
            for (const double b : {point - step, point + step})
                if (b > from && b < to)
                    cuts.push_back(b);
        }
        cuts.push_back(point);
    }
    for (const double b : breaks)
        if (b > from && b < to)
            cuts.push_back(b);
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end(), [&](double a, double b) { return b - a <= 1e-14 * std::fabs(to - from); }),
               cuts.end());
    std::vector<QuadratureNode> nodes;
    const std::vector<QuadratureNode>& base = legendre(order);
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        const double mid = (cuts[i] + cuts[i + 1]) / 2, half = (cuts[i + 1] - cuts[i]) / 2;
        for (const QuadratureNode& n : base)
            nodes.push_back({mid + half * n.at, half * n.weight});
    }
    return nodes;
}
