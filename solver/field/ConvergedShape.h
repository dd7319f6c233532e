#pragma once

#include <string>

// Shape solve on the converged model: S/D and D/d for wanted Ze and Zo in the
// dielectric Er, by a damped Newton iteration over ConvergedSolver. Every
// trial shape lies inside the solver's reach: a step that would cross its
// edge (a gap of kMinConductorGap, S/D of kMaxShapeSD) stops on it.
//
// Where to start: the five-charge solve (TQol_COAXMath2::zCalcSDDd) lands
// close to the answer, so pass its mShapeSD and mShapeDd. When it failed, pass
// its mSD and mDd instead: they hold its closed-form start estimate, or the
// last shape it improved on from there. That estimate often lies out of
// reach (S/D above 0.9, cores overlapping); such a start moves to the nearest
// shape with both gaps at least 5 kMinConductorGap and S/D at most 0.9. Only a
// start that is no shape at all (S/D or D/d not a positive finite number) is
// refused.

struct ShapeRequest {
    double ze = 0;  // wanted, ohm, in the dielectric
    double zo = 0;  // wanted, ohm, in the dielectric
    double er = 1;
    // Converged when |sqrt(Er) * wanted - Z| < width for both Ze and Zo, with
    // Z the impedances for Er = 1.
    double width = 0.01;
    // The count is 1 at the start and rises with each trial shape; a count
    // above the limit fails.
    int countLimit = 1000;
    double startSD = 0;
    double startDd = 0;
};

enum class ShapeOutcome {
    Found,
    BadRequest,       // Ze not above Zo, or Er, Ze, Zo or the width unusable
    StartOutOfReach,  // the start is no shape, or the solver fails on it
    NoDerivatives,    // the model gave no usable Newton step
    NoImprovement,    // no trial along the Newton step did better
    CountOver,
};

struct ShapeResult {
    ShapeOutcome outcome = ShapeOutcome::BadRequest;
    double sd = 0;       // the found shape, when Found
    double dd = 0;
    long long count = 0;  // 64 bits, so that a limit of INT_MAX can still be exceeded
    std::string error;    // empty exactly when Found
};

ShapeResult solveConvergedShape(const ShapeRequest& request);
