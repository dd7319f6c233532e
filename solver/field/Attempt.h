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
    // What the truncated Fourier sums might miss, relative to the energy.
    double tail = 0;
};

class AttemptRunner {
public:
    // The general path: any two cores.
    Attempt general(const Layout& layout, int order, bool withSurface);

    // The aligned symmetric pair: even and odd modes, each a system a quarter
    // the size of the general one, and circle 0 standing for both.
    Attempt pair(const Layout& layout, int order, bool withSurface);

private:
    SeriesSystem system_;
    std::vector<Sources> general_;
    Sources even_;
    Sources odd_;
};
