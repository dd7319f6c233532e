#pragma once

#include <vector>

#include "field/FoilBasis.h"

// Quadrature nodes on the filler's boundary, on the symmetry's fundamental
// part: the straight walls, the arcs (where the filler meets them) and the
// region circles. The same sets give the fit's rows (sparser) and the
// bound's integrals (denser); panels are graded towards the points where
// the outline's curvature jumps, where a sleeve touches the foil or the
// other sleeve.

enum class NodeKind {
    Wall,       // foil, filler side
    Arc,        // foil, filler side
    Interface,  // region circle against the filler
    Wrapped,    // region circle against the foil (clearance 0)
    Drain,      // drain wire, filler side
    Fan,        // not a boundary: a direction from the drain's centre (FoilEnergies.h)
};

struct BoundaryNode {
    NodeKind kind = NodeKind::Wall;
    int circle = 0;  // for Interface and Wrapped
    Complex z;
    double theta = 0;  // about the circle's centre (Interface, Wrapped) or the arc's
    Complex outward;   // unit normal out of the filler (out of the sleeve when Wrapped)
    Complex tangent;   // unit, for d/ds along walls and arcs
    double weight = 0;  // arc length (Fan: angle)
    // Fan: where the ray leaves the hull, and that distance's rate in angle.
    double reach = 0, reachSlope = 0;
};

struct BoundaryNodes {
    std::vector<BoundaryNode> nodes;
    // The circles with their own unknowns; with the x mirror, circle 0 only.
    int circles = 0;
    // Copies of the fundamental part in the whole cross-section.
    int multiplicity = 1;
};

// `panelsPerQuarter`: equal panels per quarter of the outline's arcs (and
// as many per the same length of wall), `circlePanels` at least per turn of
// a region circle, before grading.
BoundaryNodes boundaryNodes(const FoilGeometry& geometry, const FoilSymmetry& symmetry, int panelsPerQuarter,
                            int circlePanels, int levels, int order);
