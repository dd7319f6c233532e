#pragma once

#include <vector>

#include "field/FoilGeometry.h"

// The harmonic functions the foil solver writes its fields in.
//
// The filler's potential psi: about each region circle a line charge and
// multipoles (P / (z - c))^k, k = 1 to K, harmonic outside the circle; point
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
// parity, y -> -y evenly.

struct FoilSymmetry {
    bool mirrorX = false;
    int parity = 1;  // +1 even mode, -1 odd
    bool mirrorY = false;
};

struct FoilOrder {
    int multipoles = 0;   // K
    int sleeveModes = 0;  // Fourier modes of a sleeve's own series
    int charges = 0;      // point charges outside the outline, per fundamental part
};

FoilOrder foilOrder(const FoilGeometry& geometry, const FoilSymmetry& symmetry, int order);

// Value and gradient of every column of psi at one point.
class FillerBasis {
public:
    FillerBasis(const FoilGeometry& geometry, const FoilSymmetry& symmetry, const FoilOrder& order);

    int size() const { return size_; }

    // Column i at z: value[i], and its gradient (dx[i], dy[i]).
    void evaluate(Complex z, double* value, double* dx, double* dy) const;

private:
    struct Image {
        double weight;  // +-1
        bool flipX, flipY;
    };
    void addGenerators(Complex z, const Image& image, double* value, double* dx, double* dy) const;

    const FoilGeometry* geometry_;
    std::vector<Image> images_;
    int circles_ = 0;  // region circles with their own columns
    int multipoles_ = 0;
    bool imaginaryParts_ = true;
    bool constant_ = true;
    std::vector<Complex> sources_;
    int size_ = 0;
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
