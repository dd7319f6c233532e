#pragma once

#include <vector>

// Composite Gauss-Legendre rules on an interval, their panels halved again
// and again towards chosen points: the foil's integrands are smooth but for
// weak singularities (x^2 ln x and its kind) at the contacts and where the
// outline's curvature jumps, which dyadic panels resolve at a cost of a few
// panels per level.

struct QuadratureNode {
    double at = 0;
    double weight = 0;
};

// `panels` equal panels of `order` nodes on [from, to], each panel that
// touches one of `towards` split `levels` more times towards it, and a
// panel break at each of `breaks` (where an integrand has a kink).
std::vector<QuadratureNode> gradedRule(double from, double to, int panels, const std::vector<double>& towards,
                                       int levels, int order, const std::vector<double>& breaks = {});
