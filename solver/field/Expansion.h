#pragma once

#include <type_traits>
#include <vector>

#include "field/Layout.h"

// The potential in the filler, lengths in shield radii: about each region
// circle j a line charge q_j and multipoles Re(s_jk (P_j / (z - c_j))^k),
// k = 1 to K, each with its image in the shield, so that the shield is
// exactly at 0:
//   q_j (ln|1 - conj(c_j) z| - ln|z - c_j|) + Re(s_jk f - conj(s_jk) h),
//   f = (P_j / (z - c_j))^k,  h = (P_j z / (1 - conj(c_j) z))^k.
// Near region circle i, with w = (z - c_i) / P_i, everything but i's own
// line charge and multipoles is a power series in w (the incoming field).
// Each source term is a Moebius map of w raised to the power k, whose
// series follow from one recurrence: exact re-expansion, so that unlike
// samples on the circle and an FFT there is no aliasing to bound, and the
// rows past K that the bound needs come from the same columns.
//
// An eccentric region (Layout.h) puts its line charge at its limit point
// and takes f = zeta_j^-k; about an eccentric target the series run in its
// zeta_i. Both are Moebius maps too, so they only compose with the maps
// above: every statement here holds with zeta for w and the limit points for
// the centres.

// (a + b w) / (1 - g w)
struct Mobius {
    Complex a, b, g;
};

// The library's product also sorts out infinities, at a branch per product in
// the innermost loops; nothing here is infinite.
inline Complex times(Complex x, Complex y)
{
    return {x.real() * y.real() - x.imag() * y.imag(), x.real() * y.imag() + x.imag() * y.real()};
}

// Buffers for forEachPower, reused between calls.
struct PowerBuffers {
    std::vector<Complex> previous, column;
    std::vector<double> previousReal, columnReal;
};

namespace detail {

template <typename Scalar, typename Visit>
void powers(Scalar a, Scalar b, Scalar g, int order, int rows, std::vector<Scalar>& previous,
            std::vector<Scalar>& column, Visit& visit)
{
    const auto product = [](Scalar x, Scalar y) {
        if constexpr (std::is_same_v<Scalar, Complex>)
            return times(x, y);
        else
            return x * y;
    };
    previous.assign(rows, Scalar{});
    previous[0] = 1;
    column.resize(rows);
    for (int k = 1; k <= order; ++k) {
        column[0] = product(a, previous[0]);
        for (int n = 1; n < rows; ++n)
            column[n] = product(a, previous[n]) + product(b, previous[n - 1]) + product(g, column[n - 1]);
        visit(k, static_cast<const Scalar*>(column.data()));
        previous.swap(column);
    }
}

}  // namespace detail

// Calls visit(k, column) for k = 1 to order, column[n] the coefficient of w^n
// in map(w)^k for n < rows: a column of doubles where the map is real (the
// aligned pair's), else of Complex; std::real and std::imag read both. Every
// map here has |map| <= 1 on the unit circle, so a step of the recurrence
// (a product with the map's series) does not grow the sum of squares of the
// coefficients nor of their rounding errors. Concentric frames' maps also
// have a majorant series summing to at most 1 there; an eccentric frame's
// need not, and then single coefficients may be found as differences of
// larger terms, which the sum of squares does not notice.
template <typename Visit>
void forEachPower(const Mobius& map, int order, int rows, PowerBuffers& buffers, Visit visit)
{
    if (map.a.imag() == 0 && map.b.imag() == 0 && map.g.imag() == 0)
        detail::powers(map.a.real(), map.b.real(), map.g.real(), order, rows, buffers.previousReal,
                       buffers.columnReal, visit);
    else
        detail::powers(map.a, map.b, map.g, order, rows, buffers.previous, buffers.column, visit);
}

// One source's pull on a target circle: circle `source`'s terms, direct or
// their images. A multipole adds +column * s (direct) or -column * conj(s)
// (image); the line charge adds lineConstant at w^0 and lineSign * g^n / n.
struct Influence {
    int source = 0;
    bool image = false;
    Mobius map;
    double lineConstant = 0;
    double lineSign = 1;
};

// All the influences on circle `target`: the other circles directly, every
// circle's image.
std::vector<Influence> influencesOn(const Layout& layout, int target);

// The multipoles of a region circle about the shield's centre, in powers of
// 1 / z: f = (P_j / (z - c_j))^k as a series in w = 1 / z.
Mobius shieldMap(const Region& region);

// The line charges and multipole coefficients of one solution: per region,
// q_j (in units of 2 pi eps0 eps_filler, so that the potential is -q ln r
// near it) and s_jk, k = 1 to K (index 0 unused).
struct RegionSources {
    double charge = 0;
    std::vector<Complex> multipoles;
};
using Sources = std::vector<RegionSources>;

// The incoming coefficients T_n, n < rows, on circle `target`, for each
// solution: out[m][n].
void incomingOn(const Layout& layout, int target, const std::vector<const Sources*>& solutions, int rows,
                std::vector<std::vector<Complex>>& out);
