#pragma once

#include <vector>

#include "field/FoilGeometry.h"

// The harmonic functions the foil solver writes its fields in.
//
// The filler's potential psi: about each region circle (and a drain wire) a
// line charge and multipoles (P / (z - c))^k, k = 1 to K, harmonic outside
// the circle; point
// charges at M points a little outside the outline, which carry the foil's
// reaction (the outline has no images), and a constant. Each function is
// exactly harmonic in the filler; the foil's condition holds only
// approximately, and the bound (FoilEnergies.h) pays for what it misses.
//
// A sleeve's potential, on its own circle only: the conductor's potential V
// plus b ln(rho / r) plus, per Fourier mode, the radial pair that vanishes on
// the conductor, so that the conductor's condition holds exactly.
//
// The symmetric pair is solved on a quarter (a half with a drain wire): its
// functions are summed over the mirror images, x -> -x with the mode's
// parity, y -> -y evenly. Both parities come from one pass: the images
// without the x flip (group A) and with it (group B), the columns of the
// even mode being A + B, of the odd A - B.

struct FoilSymmetry {
    bool mirrorX = false;
    bool mirrorY = false;
};

struct FoilOrder {
    int multipoles = 0;   // K
    int sleeveModes = 0;  // Fourier modes of a sleeve's own series
    int charges = 0;      // point charges outside the outline, per fundamental part
};

FoilOrder foilOrder(const FoilGeometry& geometry, const FoilSymmetry& symmetry, int order);

// Values and gradients of a set of functions at one point.
struct Gradients {
    std::vector<double> value, dx, dy;
    void resize(int n);
};

class FillerBasis {
public:
    FillerBasis(const FoilGeometry& geometry, const FoilSymmetry& symmetry, const FoilOrder& order);

    // The functions summed over the images, the constant not among them.
    int generators() const { return generators_; }
    // The columns of psi in a mode (parity +1 or -1; +1 without the x
    // mirror): the generators, then the constant where the mode has one.
    int columns(int parity) const { return generators_ + (hasConstant(parity) ? 1 : 0); }
    bool hasConstant(int parity) const { return !mirrorX_ || parity > 0; }
    bool mirrorX() const { return mirrorX_; }

    // The generators at z, group A into a and (with the x mirror) group B into b.
    void evaluate(Complex z, Gradients& a, Gradients& b) const;

private:
    void addImage(Complex z, bool flipY, bool flipX, Gradients& into) const;

    const FoilGeometry* geometry_;
    bool mirrorX_ = false;
    bool mirrorY_ = false;
    int circles_ = 0;  // region circles with their own generators
    int multipoles_ = 0;
    std::vector<Complex> sources_;
    int generators_ = 0;
};

// The columns of one sleeve's series on its own circle, at angle theta from
// its centre: value and P d/drho. The conductor's potential is not a column.
class SleeveBasis {
public:
    SleeveBasis(const FoilCircle& circle, int modes, bool sines);

    int size() const { return sines_ ? 1 + 2 * modes_ : 1 + modes_; }

    void evaluate(double theta, double* value, double* radial) const;

private:
    double logRatio_;
    std::vector<double> shrink_;  // (r/P)^2n
    int modes_;
    bool sines_;
};
