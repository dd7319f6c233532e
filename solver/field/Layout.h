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
