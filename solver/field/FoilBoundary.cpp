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

namespace {

bool withinWrapped(const FoilCircle& c, double theta)
{
    if (!c.wrapped)
        return false;
    double t = theta;
    while (t < c.wrappedFrom)
        t += 2 * kPi;
    while (t >= c.wrappedFrom + 2 * kPi)
        t -= 2 * kPi;
    return t < c.wrappedTo;
}

// The stadium's walls and arcs where they meet the filler.
void addStadium(const FoilGeometry& g, const FoilSymmetry& s, int panelsPerQuarter, int levels, int order,
                BoundaryNodes& out)
{
    const double h = g.halfLength;
    if (h > 0) {
        const double from = s.mirrorX ? 0 : -h;
        for (const double side : {1.0, -1.0}) {
            if (side < 0 && s.mirrorY)
                continue;
            const auto regime = [&](double x) { return depthRegime(g, Complex(x, side), Complex(0, -side)); };
            for (const QuadratureNode& q : gradedRule(from, h, panelsFor(h - from, panelsPerQuarter), {-h, h}, levels,
                                                      order, kinksOf(from, h, regime)))
                out.nodes.push_back({NodeKind::Wall, 0, Complex(q.at, side), 0, Complex(0, side), Complex(1, 0), q.weight});
        }
    }
    if (g.circles[0].wrapped)
        return;
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
            out.nodes.push_back({NodeKind::Arc, 0, Complex(arc.centre, 0) + radial, q.at, radial, Complex(0, 1) * radial,
                                 q.weight});
        }
    }
}

// With a drain: the hull's pieces that meet the filler, the drain's side
// that does, and the directions from the drain's centre.
void addHull(const FoilGeometry& g, const FoilSymmetry& s, int panelsPerQuarter, int levels, int order,
             BoundaryNodes& out)
{
    const int pieces = static_cast<int>(g.hull.size());
    for (int k = 0; k < (s.mirrorX ? pieces / 2 : pieces); ++k) {
        const OutlinePiece& p = g.hull[k];
        const bool wrappedArc = p.isArc && !p.onDrain && g.circles[0].wrapped;
        if (p.onDrain || wrappedArc)
            continue;
        for (const QuadratureNode& q :
             gradedRule(0, p.length(), panelsFor(p.length(), panelsPerQuarter), {0, p.length()}, levels, order)) {
            const Complex outward = p.outward(q.at);
            out.nodes.push_back({p.isArc ? NodeKind::Arc : NodeKind::Wall, 0, p.at(q.at), std::arg(outward), outward,
                                 Complex(0, -1) * outward, q.weight});
        }
    }
    const FoilDrain& d = g.drain;
    // The drain's side that meets the filler: all but its top, where the hull runs over it.
    bool covered = false;
    double tangent = kPi / 2;  // the right end of the hull's run over the drain
    for (const OutlinePiece& p : g.hull)
        if (p.onDrain) {
            covered = true;
            tangent = std::min(tangent, p.to);
        }
    const double to = covered ? tangent : s.mirrorX ? kPi / 2 : kPi;
    const double from = s.mirrorX ? -kPi / 2 : covered ? -kPi - tangent : -kPi;
    std::vector<double> towards{from, to};
    for (const FoilCircle& c : g.circles)
        towards.push_back(std::arg(c.centre - d.centre));
    for (const QuadratureNode& q :
         gradedRule(from, to, panelsFor((to - from) * d.radius, panelsPerQuarter) + 2, towards, levels, order)) {
        const Complex radial = std::polar(1.0, q.at);
        out.nodes.push_back({NodeKind::Drain, 0, d.centre + d.radius * radial, q.at, -radial, Complex(0, 1) * radial,
                             d.radius * q.weight});
    }
    // Directions from the drain's centre, cut where the ray changes piece or
    // its stretches through the filler change in number.
    const double fanFrom = s.mirrorX ? -kPi / 2 : -kPi, fanTo = s.mirrorX ? kPi / 2 : kPi;
    const auto regime = [&](double theta) {
        const Complex u = std::polar(1.0, theta);
        const HullExit exit = hullExit(g, u);
        const double length = std::max(0.0, exit.reach - d.radius);
        return 8 * exit.piece + static_cast<int>(fillerDepths(g, d.centre + d.radius * u, u, length).size());
    };
    for (const QuadratureNode& q : gradedRule(fanFrom, fanTo, panelsFor(fanTo - fanFrom, panelsPerQuarter) * 2, towards,
                                              levels, order, kinksOf(fanFrom, fanTo, regime))) {
        const Complex u = std::polar(1.0, q.at);
        const FanEnd end = fanEnd(g, q.at);
        // A ray that leaves by the drain's own top has no filler; one whose
        // exit was not found keeps its NaN, so that the bound is not finite.
        if (end.reach <= d.radius * (1 + 1e-12))
            continue;
        BoundaryNode n{NodeKind::Fan, 0, d.centre + d.radius * u, q.at, u, Complex(0, 1) * u, q.weight};
        n.reach = end.reach;
        n.reachSlope = end.slope;
        out.nodes.push_back(n);
    }
}

}  // namespace

BoundaryNodes boundaryNodes(const FoilGeometry& g, const FoilSymmetry& s, int panelsPerQuarter, int circlePanels,
                            int levels, int order)
{
    BoundaryNodes out;
    out.circles = s.mirrorX ? 1 : 2;
    out.multiplicity = (s.mirrorX ? 2 : 1) * (s.mirrorY ? 2 : 1);
    if (g.drain.present)
        addHull(g, s, panelsPerQuarter, levels, order, out);
    else
        addStadium(g, s, panelsPerQuarter, levels, order, out);
    for (int j = 0; j < out.circles; ++j) {
        const FoilCircle& c = g.circles[j];
        const FoilCircle& other = g.circles[1 - j];
        const double from = s.mirrorY ? 0 : -kPi;
        std::vector<double> towards{-kPi, -kPi / 2, 0, kPi / 2, kPi, std::arg(other.centre - c.centre)};
        if (std::abs(c.centre) > 0)
            towards.push_back(std::arg(c.centre));
        if (c.wrapped)
            for (const double end : {c.wrappedFrom, c.wrappedTo})
                towards.push_back(std::remainder(end, 2 * kPi));
        if (g.drain.present)
            towards.push_back(std::arg(g.drain.centre - c.centre));
        // The correction's formula changes along the circle: the strip's zone
        // and reach, or the hull piece the drain's ray leaves by.
        const auto regime = [&](double theta) {
            const Complex z = c.centre + c.radius * std::polar(1.0, theta);
            if (!g.drain.present)
                return footRegime(g, z);
            return hullExit(g, (z - g.drain.centre) / std::abs(z - g.drain.centre)).piece;
        };
        for (const QuadratureNode& q : gradedRule(from, kPi,
                                                  std::max(panelsFor((kPi - from) * c.radius, panelsPerQuarter),
                                                           static_cast<int>(std::ceil(circlePanels * (kPi - from) / (2 * kPi)))),
                                                  towards, levels, order, kinksOf(from, kPi, regime))) {
            const Complex radial = std::polar(1.0, q.at);
            const bool shield = withinWrapped(c, q.at);
            out.nodes.push_back({shield ? NodeKind::Wrapped : NodeKind::Interface, j, c.centre + c.radius * radial, q.at,
                                 shield ? radial : -radial, Complex(0, 1) * radial, c.radius * q.weight});
        }
    }
    return out;
}
