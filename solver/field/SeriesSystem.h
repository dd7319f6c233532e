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
// Imposed for n = 1 to K, these make a dense linear system. About an
// eccentric sleeve all of it runs in the sleeve's own frame (Layout.h), the
// modes being those of zeta and ln(P / r) its L, P its frame's scale.

// The unknowns and equations run mode by mode (q of every circle, then s_1
// of every circle, ...), so that the system of a lower order is the leading
// block of a higher one's: its solution comes with the factors.
class SeriesSystem {
public:
    // The general system: any cores. False if singular.
    bool factorGeneral(const Layout& layout, int order);

    // At order <= the factored one, one solution per region: potential 1 on
    // its core, 0 on the others. False where the leading block's factors are
    // not at hand (a row swap reached past it).
    bool solveGeneral(int order, std::vector<Sources>& out) const;

    // The aligned symmetric pair, both parities (+1 even, -1 odd): potentials
    // 1 and parity. Both circles' coefficients follow from circle 0's by the
    // mirror z -> -conj(z): s_2k = parity (-1)^k s_1k, and all are real by
    // the top-bottom mirror, so each system has K + 1 real unknowns.
    bool factorPair(const Layout& layout, int order);

    bool solvePair(int order, int parity, Sources& out) const;

private:
    int regions_ = 0;
    std::vector<double> matrix_;
    mutable std::vector<double> rhs_;
    DenseLu lu_[2];
    PowerBuffers buffers_;
};
