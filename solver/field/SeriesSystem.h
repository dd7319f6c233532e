#pragma once

#include <vector>

#include "field/DenseLu.h"
#include "field/Expansion.h"

// The series' coefficients from the interface conditions. Inside a sleeve
// each Fourier mode is the two-term radial solution that vanishes on the
// conductor (mode 0: the conductor's potential plus b ln(rho / r)); matching
// potential and eps * d/dn on the region circle leaves, per mode n >= 1,
//   s_n = -reflection_n * conj(T_n)   (s, T at the circle's radius)
// and for mode 0 the conductor's potential
//   V = mean on the circle + (eps_filler / eps_sleeve) q ln(P / r).
// A bare core's virtual circle gives (r/P)^2n, the conductor's own.
// Imposed for n = 1 to K, these make a dense linear system.

// The reflection of mode n by a region circle, for a filler of permittivity
// `filler`: (e1 (1 + x) - e2 (1 - x)) / (e1 (1 + x) + e2 (1 - x)), x = (r/P)^2n.
double reflection(const Region& region, double filler, int n);

class SeriesSystem {
public:
    // One solution per region: potential 1 on its core, 0 on the others.
    // False if the system is singular.
    bool solveGeneral(const Layout& layout, int order, std::vector<Sources>& out);

    // The aligned symmetric pair, potentials 1 and `parity` (+1 even, -1 odd).
    // Both circles' coefficients follow from circle 0's by the mirror
    // z -> -conj(z): s_2k = parity (-1)^k s_1k, and all are real by the
    // top-bottom mirror, so the system has K + 1 real unknowns.
    bool solvePair(const Layout& layout, int order, int parity, Sources& out);

private:
    std::vector<double> matrix_;
    std::vector<double> rhs_;
    DenseLu lu_;
    std::vector<Complex> previous_;
    std::vector<Complex> column_;
};
