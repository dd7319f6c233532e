#pragma once

#include <array>
#include <vector>

#include "field/FoilTable.h"

// The coefficients of psi and of the sleeves' series, by least squares on
// the boundary conditions at the fit's nodes: psi = 0 on the foil, the
// sleeve's potential 0 where it lies on the foil, potential and eps d/dn
// continuous on the interfaces (each row weighted by its node's arc
// length). The fit need only be good: the bound does not assume it exact.

struct FoilFit {
    bool solved = false;
    int parity = 1;     // the mode (+1 without the x mirror)
    int solutions = 0;  // 1: the mode; 2: V = (1, 0) and (0, 1)
    std::vector<double> filler;                 // per column, per solution (row-major)
    std::array<std::vector<double>, 2> sleeve;  // per fundamental circle, the same
    std::array<std::array<double, 2>, 2> potential{};  // [circle][solution]
};

// Scratch space of the fits, kept between them.
struct FitWorkspace {
    std::vector<double> matrix, rhs, factors;
};

// The rows are the table's nodes.
FoilFit fitFoil(const FoilGeometry& geometry, const FoilTable& rows, int parity, const std::vector<SleeveBasis>& sleeves,
                FitWorkspace& work);
