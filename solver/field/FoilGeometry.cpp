#include "field/FoilGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "SolverTexts.h"

namespace {

bool alike(const Core& a, const Core& b)
{
    return a.diameter == b.diameter && a.sleeveDiameter == b.sleeveDiameter && a.sleeveEr == b.sleeveEr;
}

double distance(const CrossSection& s)
{
    return std::hypot(s.cores[0].x - s.cores[1].x, s.cores[0].y - s.cores[1].y);
}

// A bare core's virtual circle takes at most half the room round it, and
// stops at 2r, as in the round-shield solver.
double virtualRadius(double core, double toFoil, double toOther)
{
    return core + std::min(std::min(toFoil, toOther / 2) / 2, core);
}

FoilCircle circle(Complex centre, double core, double radius, double permittivity, bool isVirtual, bool wrapped)
{
    FoilCircle c;
    c.centre = centre;
    c.core = core;
    c.radius = radius;
    c.permittivity = permittivity;
    c.isVirtual = isVirtual;
    c.logRatio = std::log1p((radius - core) / core);
    c.wrapped = wrapped;
    return c;
}

}  // namespace

std::string foilRefusal(const CrossSection& s)
{
    const FoilShield& foil = std::get<FoilShield>(s.shield);
    if (!(foil.clearance >= 0))
        return std::string(kFoilClearanceNegativeText);
    if (!(foil.drainDiameter >= 0))
        return std::string(kDrainDiameterNegativeText);
    const auto& [a, b] = s.cores;
    if (!alike(a, b))
        return std::string(kFoilUnlikeCoresText);
    const double spacing = distance(s);
    if (!(spacing * (1 + kTouchTolerance) >= a.sleeveDiameter))
        return std::string(kSleevesOverlapText);
    if (foil.drainDiameter > 0) {
        if (!(foil.drainDiameter * (1 + kTouchTolerance) >= spacing - a.sleeveDiameter))
            return std::string(kDrainThroughGrooveText);
    }
    if (!isBare(a))
        return {};
    if (foil.drainDiameter > 0)
        return std::string(kDrainOnBareCoreText);
    const double r = a.diameter / 2;
    return narrowGapRefusal({{"core to core", (spacing - a.diameter) / r}, {"core to foil", foil.clearance / r}});
}

namespace {

constexpr double kPi = std::numbers::pi;

// The hull of the two arcs of radius 1 about (+-h, 0) and the drain,
// clockwise from the top on the y axis; `tangent` is the angle of the right
// segment's outward normal when the drain reaches past the stadium.
std::vector<OutlinePiece> hullPieces(double h, const FoilDrain& drain, bool reachesOut, double tangent)
{
    const auto arc = [](Complex centre, double radius, double from, double to, bool onDrain) {
        OutlinePiece p;
        p.isArc = true;
        p.centre = centre;
        p.radius = radius;
        p.from = from;
        p.to = to;
        p.onDrain = onDrain;
        return p;
    };
    const auto segment = [](Complex start, Complex end) {
        OutlinePiece p;
        p.start = start;
        p.end = end;
        return p;
    };
    const Complex right(h, 0), left(-h, 0), b = drain.centre;
    const double rho = drain.radius, phi = tangent;
    if (!reachesOut)
        return {segment({0, 1}, {h, 1}), arc(right, 1, kPi / 2, -kPi / 2, false), segment({h, -1}, {0, -1}),
                segment({0, -1}, {-h, -1}), arc(left, 1, -kPi / 2, -3 * kPi / 2, false), segment({-h, 1}, {0, 1})};
    return {arc(b, rho, kPi / 2, phi, true),
            segment(b + rho * std::polar(1.0, phi), right + std::polar(1.0, phi)),
            arc(right, 1, phi, -kPi / 2, false),
            segment({h, -1}, {0, -1}),
            segment({0, -1}, {-h, -1}),
            arc(left, 1, -kPi / 2, -kPi - phi, false),
            segment(left + std::polar(1.0, kPi - phi), b + rho * std::polar(1.0, kPi - phi)),
            arc(b, rho, kPi - phi, kPi / 2, true)};
}

}  // namespace

FoilGeometry foilGeometry(const CrossSection& s, bool vacuum)
{
    const FoilShield& foil = std::get<FoilShield>(s.shield);
    const Core& core = s.cores[0];
    const double sleeve = core.sleeveDiameter / 2;
    FoilGeometry g;
    g.unit = sleeve + foil.clearance;
    g.filler = vacuum ? 1 : s.fillerEr;
    g.halfLength = distance(s) / 2 / g.unit;
    const double h = g.halfLength;
    const double r = core.diameter / 2 / g.unit;
    const bool bare = isBare(core);
    const double radius = bare ? virtualRadius(r, foil.clearance / g.unit, 2 * h - 2 * r) : sleeve / g.unit;
    const double permittivity = vacuum ? 1 : bare ? s.fillerEr : core.sleeveEr;
    const bool wrapped = !bare && foil.clearance == 0;
    double tangent = kPi / 2;
    bool reachesOut = false;
    if (foil.drainDiameter > 0) {
        g.drain.present = true;
        g.drain.radius = foil.drainDiameter / 2 / g.unit;
        const double reach = radius + g.drain.radius;
        g.drain.centre = Complex(0, std::sqrt(std::max(0.0, reach * reach - h * h)));
        reachesOut = g.drain.centre.imag() + g.drain.radius > 1;
        if (reachesOut) {
            // n . ((h, 0) - drain) = rho - 1 for the outward normal n at angle phi.
            const double y = g.drain.centre.imag();
            tangent = std::acos((g.drain.radius - 1) / std::hypot(h, y)) - std::atan2(y, h);
        }
        g.hull = hullPieces(h, g.drain, reachesOut, tangent);
    }
    for (int i = 0; i < 2; ++i) {
        g.circles[i] = circle(i == 0 ? h : -h, r, radius, permittivity, bare, wrapped);
        g.circles[i].wrappedFrom = i == 0 ? -kPi / 2 : kPi - tangent;
        g.circles[i].wrappedTo = i == 0 ? tangent : 3 * kPi / 2;
    }
    return g;
}

double foilPerimeter(const CrossSection& section)
{
    const FoilGeometry g = foilGeometry(section, true);
    double length = 4 * g.halfLength + 2 * kPi;
    if (!g.hull.empty()) {
        length = 0;
        for (const OutlinePiece& piece : g.hull)
            length += piece.length();
    }
    return length * g.unit;
}

FoilGeometry roundAsStadium(const CrossSection& s, bool vacuum)
{
    FoilGeometry g;
    g.unit = std::get<RoundShield>(s.shield).diameter / 2;
    g.filler = vacuum ? 1 : s.fillerEr;
    for (int i = 0; i < 2; ++i) {
        const Core& c = s.cores[i];
        const Core& other = s.cores[1 - i];
        const Complex centre(c.x / g.unit, c.y / g.unit);
        const double r = c.diameter / 2 / g.unit;
        const bool bare = isBare(c);
        const double toOther = std::hypot(c.x - other.x, c.y - other.y) / g.unit - r - other.sleeveDiameter / 2 / g.unit;
        const double radius = bare ? virtualRadius(r, 1 - std::abs(centre) - r, toOther) : c.sleeveDiameter / 2 / g.unit;
        g.circles[i] = circle(centre, r, radius, vacuum ? 1 : bare ? s.fillerEr : c.sleeveEr, bare, false);
    }
    return g;
}

OutlineFoot outlineFoot(const FoilGeometry& g, Complex z)
{
    const double h = g.halfLength;
    if (std::fabs(z.real()) <= h) {
        const double side = z.imag() >= 0 ? 1 : -1;
        return {Complex(z.real(), side), Complex(0, -side), 1 - std::fabs(z.imag())};
    }
    const Complex centre(z.real() > 0 ? h : -h, 0);
    const double reach = std::abs(z - centre);
    const Complex outward = reach > 0 ? (z - centre) / reach : Complex(z.real() > 0 ? 1 : -1, 0);
    return {centre + outward, -outward, 1 - reach};
}

std::vector<DepthInterval> fillerDepths(const FoilGeometry& g, Complex foot, Complex inward, double reach)
{
    std::vector<DepthInterval> out{{0, reach}};
    for (const FoilCircle& c : g.circles) {
        // |foot + s inward - centre| = P: s^2 + 2 s b + q = 0.
        const Complex d = foot - c.centre;
        const double b = d.real() * inward.real() + d.imag() * inward.imag();
        const double disc = b * b - (std::norm(d) - c.radius * c.radius);
        if (disc <= 0)
            continue;
        const double in = -b - std::sqrt(disc), out2 = -b + std::sqrt(disc);
        std::vector<DepthInterval> kept;
        for (const DepthInterval& i : out) {
            if (in > i.from)
                kept.push_back({i.from, std::min(i.to, in)});
            if (out2 < i.to)
                kept.push_back({std::max(i.from, out2), i.to});
        }
        out.clear();
        for (const DepthInterval& i : kept)
            if (i.to > i.from)
                out.push_back(i);
    }
    return out;
}

int footRegime(const FoilGeometry& g, Complex z)
{
    const OutlineFoot f = outlineFoot(g, z);
    const int zone = std::fabs(z.real()) <= g.halfLength ? 0 : 1;
    return 2 * zone + (f.depth < kStripWidth ? 1 : 0);
}

int depthRegime(const FoilGeometry& g, Complex foot, Complex inward)
{
    const std::vector<DepthInterval> depths = fillerDepths(g, foot, inward, kStripWidth);
    const bool clipped = !depths.empty() && depths.back().to == kStripWidth;
    return 2 * static_cast<int>(depths.size()) + (clipped ? 1 : 0);
}

double OutlinePiece::length() const
{
    return isArc ? radius * (from - to) : std::abs(end - start);
}

Complex OutlinePiece::at(double s) const
{
    if (isArc)
        return centre + radius * std::polar(1.0, from - s / radius);
    return start + (end - start) * (s / std::abs(end - start));
}

Complex OutlinePiece::outward(double s) const
{
    if (isArc)
        return std::polar(1.0, from - s / radius);
    const Complex along = (end - start) / std::abs(end - start);
    return Complex(0, 1) * along;  // clockwise traversal: the outside on the left
}

namespace {

// The exit with the pieces' ends widened by `slack`: a ray through a joint
// between two pieces may, by rounding, miss both at none.
HullExit exitWithin(const FoilGeometry& g, Complex u, double slack)
{
    const Complex b = g.drain.centre;
    const Complex iu = Complex(0, 1) * u;
    const auto dot = [](Complex x, Complex y) { return x.real() * y.real() + x.imag() * y.imag(); };
    HullExit best;
    best.reach = HUGE_VAL;
    for (int k = 0; k < static_cast<int>(g.hull.size()); ++k) {
        const OutlinePiece& p = g.hull[k];
        if (p.isArc) {
            const Complex d = b - p.centre;
            const double du = dot(d, u), q = du * du - std::norm(d) + p.radius * p.radius;
            if (q < 0)
                continue;
            const double reach = -du + std::sqrt(q);
            const Complex hit = b + reach * u;
            // Within the arc's angles (clockwise from `from` to `to`)?
            double angle = std::arg(hit - p.centre);
            while (angle > p.from + slack)
                angle -= 2 * std::numbers::pi;
            while (angle < p.to - slack)
                angle += 2 * std::numbers::pi;
            if (angle > p.from + slack || reach < 0)
                continue;
            const double diu = dot(d, iu);
            if (reach < best.reach)
                best = {reach, -diu + du * diu / std::sqrt(q), k};
        } else {
            const Complex n = Complex(0, 1) * (p.end - p.start) / std::abs(p.end - p.start);
            const double c = dot(n, p.start) - dot(n, b), nu = dot(n, u);
            if (nu <= 0)
                continue;
            const double reach = c / nu;
            const Complex hit = b + reach * u;
            const double along = dot(hit - p.start, (p.end - p.start) / std::abs(p.end - p.start));
            if (along < -slack || along > std::abs(p.end - p.start) + slack || reach < 0)
                continue;
            if (reach < best.reach)
                best = {reach, -c * dot(n, iu) / (nu * nu), k};
        }
    }
    return best;
}

}  // namespace

HullExit hullExit(const FoilGeometry& g, Complex u)
{
    HullExit exit = exitWithin(g, u, 1e-12);
    for (double slack = 1e-9; exit.piece < 0 && slack < 1e-5; slack *= 1e3)
        exit = exitWithin(g, u, slack);
    return exit;
}

FanEnd fanEnd(const FoilGeometry& g, double theta)
{
    const Complex b = g.drain.centre;
    const Complex u = std::polar(1.0, theta);
    const HullExit exit = hullExit(g, u);
    FanEnd end;
    if (exit.piece < 0) {
        // No piece at any slack: a bound built on it is not finite, and no value follows.
        end.reach = end.slope = std::numeric_limits<double>::quiet_NaN();
        return end;
    }
    const OutlinePiece& piece = g.hull[exit.piece];
    if (!(piece.isArc && !piece.onDrain && g.circles[0].wrapped)) {
        end.reach = exit.reach;
        end.slope = exit.slope;
        end.point = b + exit.reach * u;
        return end;
    }
    end.point = piece.at(0);
    end.second = piece.at(piece.length());
    // Angles relative to the first end's ray, free of the branch cut.
    const double span = std::arg((end.second - b) / (end.point - b));
    end.blend = std::arg(u / (end.point - b)) / span;
    end.blendSlope = 1 / span;
    const double first = std::abs(end.point - b), last = std::abs(end.second - b);
    end.reach = first + end.blend * (last - first);
    end.slope = (last - first) / span;
    return end;
}
