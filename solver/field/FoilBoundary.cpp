#include "field/FoilBoundary.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "field/Quadrature.h"

namespace {

constexpr double kPi = std::numbers::pi;

int panelsFor(double length, int panelsPerQuarter)
{
    return std::max(1, static_cast<int>(std::ceil(panelsPerQuarter * length / (kPi / 2))));
}

// Where regime(x) changes on [from, to]: the kinks of the bound's
// integrands, which a panel must not straddle. Sampled, then bisected.
template <typename Regime>
std::vector<double> kinksOf(double from, double to, Regime regime)
{
    constexpr int kSamples = 512;
    std::vector<double> out;
    double a = from;
    int atA = regime(a);
    for (int i = 1; i <= kSamples; ++i) {
        const double b = from + (to - from) * i / kSamples;
        const int atB = regime(b);
        if (atB != atA) {
            double lo = a, hi = b;
            for (int step = 0; step < 60; ++step) {
                const double mid = (lo + hi) / 2;
                (regime(mid) == atA ? lo : hi) = mid;
            }
            out.push_back((lo + hi) / 2);
        }
        a = b;
        atA = atB;
    }
    return out;
}

}  // namespace

BoundaryNodes boundaryNodes(const FoilGeometry& g, const FoilSymmetry& s, int panelsPerQuarter, int circlePanels,
                            int levels, int order)
{
    BoundaryNodes out;
    out.circles = s.mirrorX ? 1 : 2;
    out.multiplicity = (s.mirrorX ? 2 : 1) * (s.mirrorY ? 2 : 1);
    const double h = g.halfLength;
    const auto add = [&](NodeKind kind, int circle, Complex z, double theta, Complex outward, Complex tangent,
                         double weight) { out.nodes.push_back({kind, circle, z, theta, outward, tangent, weight}); };
    if (h > 0) {
        const double from = s.mirrorX ? 0 : -h;
        for (const double side : {1.0, -1.0}) {
            if (side < 0 && s.mirrorY)
                continue;
            const auto regime = [&](double x) { return depthRegime(g, Complex(x, side), Complex(0, -side)); };
            for (const QuadratureNode& q : gradedRule(from, h, panelsFor(h - from, panelsPerQuarter), {-h, h}, levels,
                                                      order, kinksOf(from, h, regime)))
                add(NodeKind::Wall, 0, Complex(q.at, side), 0, Complex(0, side), Complex(1, 0), q.weight);
        }
    }
    if (!g.circles[0].wrapped) {
        // The right arc about (h, 0) from the x axis (or its bottom) to its
        // top; without the x mirror also the left arc about (-h, 0).
        struct ArcPart {
            double centre, from, to;
        };
        std::vector<ArcPart> arcs{{h, s.mirrorY ? 0 : -kPi / 2, kPi / 2}};
        if (!s.mirrorX)
            arcs.push_back({-h, kPi / 2, 3 * kPi / 2});
        for (const ArcPart& arc : arcs) {
            const auto regime = [&](double theta) {
                const Complex radial = std::polar(1.0, theta);
                return depthRegime(g, Complex(arc.centre, 0) + radial, -radial);
            };
            for (const QuadratureNode& q : gradedRule(arc.from, arc.to, panelsFor(arc.to - arc.from, panelsPerQuarter),
                                                      {-kPi / 2, kPi / 2, 3 * kPi / 2}, levels, order,
                                                      kinksOf(arc.from, arc.to, regime))) {
                const Complex radial = std::polar(1.0, q.at);
                add(NodeKind::Arc, 0, Complex(arc.centre, 0) + radial, q.at, radial, Complex(0, 1) * radial, q.weight);
            }
        }
    }
    for (int j = 0; j < out.circles; ++j) {
        const FoilCircle& c = g.circles[j];
        const FoilCircle& other = g.circles[1 - j];
        const double from = s.mirrorY ? 0 : -kPi;
        std::vector<double> towards{-kPi, -kPi / 2, 0, kPi / 2, kPi, std::arg(other.centre - c.centre)};
        if (std::abs(c.centre) > 0)
            towards.push_back(std::arg(c.centre));
        const auto regime = [&](double theta) { return footRegime(g, c.centre + c.radius * std::polar(1.0, theta)); };
        for (const QuadratureNode& q : gradedRule(from, kPi,
                                                  std::max(panelsFor((kPi - from) * c.radius, panelsPerQuarter),
                                                           static_cast<int>(std::ceil(circlePanels * (kPi - from) / (2 * kPi)))),
                                                  towards, levels, order, kinksOf(from, kPi, regime))) {
            const Complex radial = std::polar(1.0, q.at);
            const bool outerHalf = c.centre.real() >= 0 ? std::cos(q.at) > 0 : std::cos(q.at) < 0;
            const bool shield = c.wrapped && outerHalf;
            add(shield ? NodeKind::Wrapped : NodeKind::Interface, j, c.centre + c.radius * radial, q.at,
                shield ? radial : -radial, Complex(0, 1) * radial, c.radius * q.weight);
        }
    }
    return out;
}
