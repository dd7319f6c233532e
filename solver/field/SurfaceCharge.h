#pragma once

#include <vector>

#include "field/EnergyForms.h"

// The surface charge of vacuum solutions, for the conductor loss: in units of
// the line charge 2 pi eps0 q (so that a core alone in the middle carries
// 1 / (2 pi r)), the integral of sigma_a sigma_b over one surface. Lengths in
// shield radii.

// Over a core's surface, from the series at its region circle continued
// inward to the conductor (the region is vacuum too).
double coreSurface(const Region& region, const CircleTrace& a, const CircleTrace& b);

struct ShieldSurface {
    std::vector<std::vector<double>> forms;  // [a][b] over the solutions
    double tail = 0;                         // as CircleForms::tail
};

// Over the shield's inner surface, from the series of every region's sources
// about the shield's centre.
ShieldSurface shieldSurface(const Layout& layout, const std::vector<const Sources*>& solutions, int rows);
