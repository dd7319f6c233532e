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

// psi of several solutions at a node set (and the feet of its interface
// nodes), from one pass of the generators: the bound's integrals need only
// these, not the columns.
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
    const Psi& at(int i, int solution) const { return at_[static_cast<std::size_t>(i) * count_ + solution]; }
    const Psi& atFoot(int i, int solution) const { return foot_[static_cast<std::size_t>(i) * count_ + solution]; }
    bool hasFoot(int i) const { return lambda_[i] > 0; }
    double footWeight(int i) const { return lambda_[i]; }  // 1 - depth / w

private:
    const BoundaryNodes* nodes_ = nullptr;
    int count_ = 0;
    std::vector<Psi> at_, foot_;
    std::vector<double> lambda_;
    Gradients a_, b_;
};
