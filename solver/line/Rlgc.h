#pragma once

#include <array>
#include <string>

#include "field/CrossSection.h"
#include "field/InsulatedSolver.h"
#include "field/Matrix2.h"
#include "line/Dielectric.h"

// The per-length circuit matrices of the two cores against the shield over
// frequency, from one field solution.
//
// Series: Z = j omega L_ext + Zs, L_ext = mu0 eps0 C0^-1 (the external
// inductance of currents on the conductors' surfaces). Where the skin depth
// is small, Zs = (1 + j) Rs Rhat: the incremental-inductance rule on the
// surface charge of the vacuum solution. Rhat holds each wire's own share
// 1/(2 pi r), what a wire alone would carry, plus the rest M (the shield and
// the crowding of the currents towards each other), M positive semidefinite
// by Cauchy-Schwarz on each wire's charge. Towards DC the wire's share is
// replaced by its exact internal impedance Zw(f) (WireImpedance.h), which
// starts at the DC resistance and ends at (1 + j) Rs/(2 pi r), and M is
// carried through the same transition: (1 + j) Rs becomes 2 pi r (Zw - Rdc),
// the geometric mean over the two wires where they differ. So R(0) is the
// wires' DC resistance, R and L are finite and positive semidefinite at every
// frequency, Zs is causal (a product of causal wire impedances), and the
// high-frequency limit is the rule's. Where the skin depth is near the radius
// the share of M is a stated model, not a solved field; a round shield
// counts as thicker than the skin depth everywhere (no DC resistance of its
// own). A foil has its own: its share of Rhat carries the surface impedance
// of a sheet of thickness t with no field behind it (the pair's currents
// return in the shield), Zf = (1 + j)/(sigma_f delta_f) coth((1 + j) t/delta_f),
// 1/(sigma_f t) + j omega mu0 t/3 where the foil is thinner than its skin
// depth and the half-space's where it is thicker. A drain wire counts with
// the cores' metal.
//
// Shunt: Y = j omega sum_i eps_i(f) D_i, D_i = dC/dEr_i (sleeve 1, sleeve 2,
// filler), with eps_i(f) from Dielectric.h. With constant loss tangents,
// C is the solved C and G = omega sum_i Er_i tan(delta_i) D_i. With the
// wideband model C(f) = C + sum_i (Er_i'(f) - Er_i) D_i, first order in the
// change of Er: exact where one material fills the shield, and elsewhere
// within the gap between the tangent (an upper bound in the Loewner order,
// by Dirichlet's principle) and C T^-1 C, T = sum_i Er_i^2/Er_i'(f) D_i (a
// lower bound, by Thomson's principle on the solved field), which
// shuntBound() reports; for PTFE (tan delta 2e-4) over 1 kHz to 1 THz the
// change of Er is 0.3 % and the gap far below it.

// Aluminium foil: 61 % of the annealed-copper standard (IACS), as the
// conductor grade of aluminium (ASTM B233) has it; thickness that of the
// common aluminium-polyester laminate's metal layer.
inline constexpr double kAluminiumConductivity = 0.61 * 5.8e7;  // S/m
inline constexpr double kFoilThickness = 9e-6;                  // m

struct FoilWall {
    double conductivity = kAluminiumConductivity;  // S/m
    double thickness = 0;                          // m
};

// What the line is made of beyond its shape.
struct LineLosses {
    // Sleeve 1, sleeve 2, filler; a bare core's sleeve is not used.
    std::array<double, 3> tanDelta{};
    // S/m, of the cores and the shield alike; infinity for lossless metal.
    double conductivity = 5.8e7;
    // A foil shield's own metal; thickness 0: the shield is thick metal of
    // the cores' conductivity.
    FoilWall foil;
    DielectricModel dielectric = DielectricModel::ConstantLossTangent;
    DielectricBand band;  // the wideband model's
};

// SI per metre; C and G in the Maxwell convention (negative off-diagonal).
struct Rlgc {
    double frequency = 0;  // Hz
    Sym2 r;                // ohm/m
    Sym2 l;                // H/m
    Sym2 g;                // S/m
    Sym2 c;                // F/m
};

class RlgcModel {
public:
    RlgcModel(const CrossSection& section, const FieldSolution& solution, const LineLosses& losses);

    // Empty when the model holds; otherwise why not, and at() is not to be called.
    const std::string& error() const { return error_; }

    // frequency >= 0 Hz; at 0 the DC values.
    Rlgc at(double frequency) const;

    // Relative bounds e with |V'(X~ - X)V| <= e |V'XV| for every real V: the
    // series impedance R + j omega L (the field's bound on L_ext and the
    // surface charge's estimated one on R), and the shunt admittance against
    // its omega C (the field's, the dC/dEr estimate and, for the wideband
    // model, the first-order gap at that frequency).
    double seriesBound() const;
    double shuntBound(double frequency) const;

    const FieldSolution& solution() const { return solution_; }
    const LineLosses& losses() const { return losses_; }
    const std::array<double, 2>& radii() const { return radius_; }  // the cores', m
    const Sym2& externalInductance() const { return externalInductance_; }  // H/m
    const std::array<Permittivity, 3>& permittivities() const { return permittivities_; }

private:
    Sym2 firstOrderCapacitance(const std::array<double, 3>& er) const;
    void addFoil(double frequency, Rlgc& x) const;

    FieldSolution solution_;
    LineLosses losses_;
    std::string error_;
    std::array<double, 2> radius_{};
    std::array<double, 3> er_{};  // as solved
    std::array<Permittivity, 3> permittivities_;
    Sym2 externalInductance_;
    Sym2 excess_;  // M = Rhat - diag(1/(2 pi r)), but a foil's share
    Sym2 foilShare_;  // a foil's share of Rhat
};
