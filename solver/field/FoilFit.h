#pragma once

#include <array>
#include <vector>

#include "field/FoilBoundary.h"

// The coefficients of psi and of the sleeves' series, by least squares on
// the boundary conditions at the fit's nodes: psi = 0 on the foil, the
// sleeve's potential 0 where it lies on the foil, potential and eps d/dn
// continuous on the interfaces (each row weighted by its node's arc
// length). The fit need only be good: the bound does not assume it exact.

struct FoilFit {
    bool solved = false;
    int solutions = 0;  // 1: the mode of the symmetry; 2: V = (1, 0) and (0, 1)
    std::vector<double> filler;                 // per column, per solution (row-major)
    std::array<std::vector<double>, 2> sleeve;  // per fundamental circle, the same
    std::array<std::array<double, 2>, 2> potential{};  // [circle][solution]
};

FoilFit fitFoil(const FoilGeometry& geometry, const FoilSymmetry& symmetry, const FillerBasis& filler,
                const std::vector<SleeveBasis>& sleeves, const BoundaryNodes& rows);
