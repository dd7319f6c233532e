#pragma once

#include <vector>

#include "field/FoilBoundary.h"

// The filler's generators evaluated once at the fit's nodes, for the fits
// of both modes, with and without the dielectrics.

struct Psi {
    double value = 0, dx = 0, dy = 0;
};

class FoilTable {
public:
    // Fills the table, keeping its storage from the last fill: fresh pages
    // of some megabytes cost more than the evaluations on this kind of
    // machine.
    void fill(const FillerBasis& basis, const BoundaryNodes& nodes);

    const BoundaryNodes& nodes() const { return *nodes_; }
    const FillerBasis& basis() const { return *basis_; }

    // The columns of the mode at node i: value, dx, dy.
    void columns(int i, int parity, double* value, double* dx, double* dy) const;

private:
    const BoundaryNodes* nodes_ = nullptr;
    const FillerBasis* basis_ = nullptr;
    int generators_ = 0;
    // Per node, value/dx/dy of groups A and B, each `generators_` long.
    std::vector<double> data_;
    Gradients a_, b_;
};

// psi of several solutions at a node set, from one pass of the generators:
// the bound's integrals need only these, not the columns. At an interface
// node, psi also at the points the correction eta takes its value from
// (FoilEnergies.h), with their weights: the foot on the foil (the stadium),
// or the ends on the drain and the foil of the ray from the drain's centre
// (with a drain; the second of these blended from two points where the ray
// leaves by a sleeve's arc, see fanEnd). At a fan node, at the ray's outer
// end (or the two points it is blended from).
struct FoilCoefficients {
    const double* filler = nullptr;  // k[c * stride]
    int stride = 1;
    int parity = 1;
};

class FoilSamples {
public:
    void fill(const FoilGeometry& geometry, const FillerBasis& basis, const BoundaryNodes& nodes,
              const std::vector<FoilCoefficients>& solutions);

    const BoundaryNodes& nodes() const { return *nodes_; }
    const Psi& at(int i, int solution) const { return at_[index(i, solution)]; }
    // End k (0 to 2) of node i's correction, and its weight (0 where none).
    static constexpr int kEnds = 3;
    const Psi& end(int i, int k, int solution) const { return end_[k][index(i, solution)]; }
    double endWeight(int i, int k) const { return weight_[k][i]; }

private:
    std::size_t index(int i, int solution) const { return static_cast<std::size_t>(i) * count_ + solution; }

    const BoundaryNodes* nodes_ = nullptr;
    int count_ = 0;
    std::vector<Psi> at_, end_[kEnds];
    std::vector<double> weight_[kEnds];
    Gradients a_, b_;
};
