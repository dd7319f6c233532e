#include "field/FoilGeometry.h"

#include <algorithm>
#include <cmath>

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
        return std::string(kDrainInsideNotYetText);
    }
    if (!isBare(a))
        return {};
    const double r = a.diameter / 2;
    return narrowGapRefusal({{"core to core", (spacing - a.diameter) / r}, {"core to foil", foil.clearance / r}});
}

FoilGeometry foilGeometry(const CrossSection& s, bool vacuum)
{
    const FoilShield& foil = std::get<FoilShield>(s.shield);
    const Core& core = s.cores[0];
    const double sleeve = core.sleeveDiameter / 2;
    FoilGeometry g;
    g.unit = sleeve + foil.clearance;
    g.filler = vacuum ? 1 : s.fillerEr;
    g.halfLength = distance(s) / 2 / g.unit;
    const double r = core.diameter / 2 / g.unit;
    const bool bare = isBare(core);
    const double radius = bare ? virtualRadius(r, foil.clearance / g.unit, 2 * g.halfLength - 2 * r) : sleeve / g.unit;
    const double permittivity = vacuum ? 1 : bare ? s.fillerEr : core.sleeveEr;
    const bool wrapped = !bare && foil.clearance == 0;
    for (int i = 0; i < 2; ++i)
        g.circles[i] = circle(i == 0 ? g.halfLength : -g.halfLength, r, radius, permittivity, bare, wrapped);
    return g;
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
