#pragma once

#include <complex>
#include <vector>

#include "field/CrossSection.h"

using Complex = std::complex<double>;

// The cross-section as the series sees it: lengths in shield radii, and round
// every core a region circle. A sleeved core's is its sleeve; a bare core's
// is a virtual circle of the filler's permittivity, so that the same
// construction of the bound applies to both (see EnergyForms.h).
//
// A conductor off its sleeve's centre (eccentric insulation) makes the
// annulus eccentric. The disc automorphism zeta = (w - beta) / (1 - conj(beta) w)
// of the circle's unit disc, w = (z - c) / P, with beta the conductor's limit
// point, maps it onto the concentric annulus rho < |zeta| < 1; potentials,
// fluxes through arcs and energies are invariant under it. So each region
// has its own frame zeta (w itself when concentric): its line charge sits at
// the limit point and its multipoles are powers of 1/zeta, and in that frame
// the sleeve's response is diagonal per mode with L = ln(1/rho) as for a
// concentric sleeve of that log ratio. Vacuum layouts have no sleeves and so
// never a shift; the surface charge relies on it.
struct Region {
    Complex centre;           // the region circle's c
    double core = 0;          // conductor radius r
    double radius = 0;        // region circle P > r
    double permittivity = 1;  // inside the circle, outside the conductor
    bool isVirtual = false;   // filler all through: no sleeve of its own
    double logRatio = 0;      // L: ln(P / r), or ln(1 / rho) when eccentric
    Complex shift;            // beta, 0 when concentric
};

// Where the region's line charge sits: c + P beta.
Complex limitPoint(const Region& region);

// On the region circle |z - limit point| = scale |zeta| / |1 + conj(beta) zeta|;
// the last factor cancels between every line charge and its image in the
// shield, so that only the scale P (1 - |beta|^2) is left of it.
double frameScale(const Region& region);

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
