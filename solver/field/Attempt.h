#pragma once

#include <array>
#include <vector>

#include "field/Expansion.h"
#include "field/Matrix2.h"
#include "field/SeriesSystem.h"

// One solve of one layout at one order, and what the bound and the
// derivatives need from it. Capacitances in units of eps0, lengths in shield
// radii.
struct Attempt {
    bool solved = false;
    // Thomson's lower and Dirichlet's upper bound of the capacitance matrix:
    // lower <= C <= upper for every potential vector.
    Sym2 lower;
    Sym2 upper;
    // Integral of grad phi_a . grad phi_b over sleeve 1, sleeve 2 and the
    // filler (virtual regions included), hypercircle centre fields.
    std::array<Sym2, 3> regions;
    // Integral of sigma_i sigma_j over all surfaces, unit line charges
    // (vacuum layouts only).
    Sym2 surface;
    Sym2 shieldSurface;  // the shield's part of it
    // What the truncated Fourier sums might miss, relative to the energy.
    double tail = 0;
};

// Factors the series system of a layout once; attempts at that order or
// below then cost only substitutions and sums.
class AttemptRunner {
public:
    // symmetric: the aligned symmetric pair, solved as even and odd modes,
    // each a system a quarter the size of the general one, circle 0 standing
    // for both. False if the system is singular.
    bool factor(const Layout& layout, bool symmetric, int order);

    // At `order` up to the factored one (refactoring where a row swap keeps
    // the lower order's factors out of reach).
    Attempt evaluate(int order, bool withSurface);

private:
    bool solve(int order);
    Attempt general(int order, bool withSurface) const;
    Attempt pair(int order, bool withSurface) const;

    Layout layout_;
    bool symmetric_ = false;
    SeriesSystem system_;
    std::vector<Sources> general_;
    Sources even_;
    Sources odd_;
};
