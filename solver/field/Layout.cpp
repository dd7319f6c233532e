#include "field/Layout.h"

#include <algorithm>
#include <cmath>

namespace {

// A virtual circle takes at most half the room round its core, sharing the
// gap to another bare core, and stops at 2r: past that the annulus's own
// energy gains nothing and the powers of r/P only shrink.
double virtualRadius(const Layout& layout, int i)
{
    const Region& self = layout.regions[i];
    const Region& other = layout.regions[1 - i];
    const double toShield = 1 - std::abs(self.centre) - self.core;
    const double toOther = std::abs(self.centre - other.centre) - self.core - other.radius;
    const double room = std::min(toShield, other.isVirtual ? toOther / 2 : toOther);
    return self.core + std::min(room / 2, self.core);
}

// The conductor's centre at `offset` from the circle's, in units of P, and
// s = r / P: beta, the two circles' limit point inside the conductor, lies
// on the same ray, and L = acosh((1 + s^2 - e^2) / (2 s)) (the eccentric
// coax's), written so that a thin or nearly touching wall keeps its digits.
void makeEccentric(Region& region, Complex offset)
{
    const double e = std::abs(offset);
    const double s = region.core / region.radius;
    const double b = 1 + e * e - s * s;
    const double root = std::sqrt((1 - e - s) * (1 - e + s) * (1 + e - s) * (1 + e + s));
    region.shift = (2 / (b + root)) * offset;
    const double t = (1 - s - e) * (1 - s + e) / (2 * s);
    region.logRatio = std::log1p(t + std::sqrt(t * (t + 2)));
}

Layout layoutOf(const CrossSection& s, bool vacuum)
{
    const double R = std::get<RoundShield>(s.shield).diameter / 2;
    Layout layout;
    layout.filler = vacuum ? 1 : s.fillerEr;
    layout.shieldRadius = R;
    for (const Core& c : s.cores) {
        Region region;
        region.centre = Complex(c.x / R, c.y / R);
        region.core = c.diameter / 2 / R;
        region.isVirtual = vacuum || isBare(c);
        // Virtual radii need both cores' conductors first; set below.
        region.radius = region.isVirtual ? region.core : c.sleeveDiameter / 2 / R;
        region.permittivity = region.isVirtual ? layout.filler : c.sleeveEr;
        if (!region.isVirtual && isEccentric(c))
            region.centre += Complex(c.sleeveOffsetX / R, c.sleeveOffsetY / R);
        layout.regions.push_back(region);
    }
    std::vector<double> radii;
    for (int i = 0; i < 2; ++i)
        radii.push_back(layout.regions[i].isVirtual ? virtualRadius(layout, i) : layout.regions[i].radius);
    for (int i = 0; i < 2; ++i) {
        Region& region = layout.regions[i];
        const Core& c = s.cores[i];
        region.radius = radii[i];
        region.logRatio = std::log1p((region.radius - region.core) / region.core);
        if (!region.isVirtual && isEccentric(c))
            makeEccentric(region, Complex(-c.sleeveOffsetX, -c.sleeveOffsetY) / (R * region.radius));
    }
    return layout;
}

}  // namespace

Complex limitPoint(const Region& region)
{
    return region.centre + region.radius * region.shift;
}

double frameScale(const Region& region)
{
    return region.radius * (1 - std::norm(region.shift));
}

double reflection(const Region& region, double filler, int n)
{
    const double x = std::exp(-2 * n * region.logRatio);
    const double oneLess = -std::expm1(-2 * n * region.logRatio);
    const double e1 = region.permittivity * (1 + x);
    const double e2 = filler * oneLess;
    return (e1 - e2) / (e1 + e2);
}

Layout dielectricLayout(const CrossSection& section)
{
    return layoutOf(section, false);
}

Layout vacuumLayout(const CrossSection& section)
{
    return layoutOf(section, true);
}

Layout alignedLayout(Layout layout)
{
    const double offset = std::abs(layout.regions[0].centre);
    layout.regions[0].centre = offset;
    layout.regions[1].centre = -offset;
    return layout;
}
