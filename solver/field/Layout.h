#pragma once

#include <complex>
#include <vector>

#include "field/CrossSection.h"

using Complex = std::complex<double>;

// The cross-section as the series sees it: lengths in shield radii, and round
// every core a region circle. A sleeved core's is its sleeve; a bare core's
// is a virtual circle of the filler's permittivity, so that the same
// construction of the bound applies to both (see EnergyForms.h).
struct Region {
    Complex centre;
    double core = 0;          // conductor radius r
    double radius = 0;        // region circle P > r
    double permittivity = 1;  // inside the circle, outside the conductor
    bool isVirtual = false;   // filler all through: no sleeve of its own
    double logRatio = 0;      // ln(P / r)
};

// The reflection of Fourier mode n >= 1 by a region circle in a filler of
// permittivity `filler` (see SeriesSystem.h): (e1 (1 + x) - e2 (1 - x)) /
// (e1 (1 + x) + e2 (1 - x)), x = (r/P)^2n; (r/P)^2n for a virtual circle,
// the conductor's own, and the dielectric cylinder's for n large.
double reflection(const Region& region, double filler, int n);

struct Layout {
    std::vector<Region> regions;  // one per core, in the cores' order
    double filler = 1;            // permittivity outside the region circles
    double shieldRadius = 0;      // metres per unit length of the layout
};

// With the cross-section's dielectrics.
Layout dielectricLayout(const CrossSection& section);

// In vacuum: sleeves vanish, every region virtual.
Layout vacuumLayout(const CrossSection& section);

// The symmetric pair turned so that core 1 sits on the positive real axis;
// the round shield does not mind.
Layout alignedLayout(Layout layout);
