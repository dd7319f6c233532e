#pragma once

#include <string>

class TQol_COAXMath2;

// The shape mode's calculation, one for the window and duvane-calc alike.

struct ShapeTargets {
    double ze = 0;  // wanted, ohm, in the dielectric
    double zo = 0;
    double er = 1;
    int countLimit = 1000;
    double width = 0.01;  // convergence width, ohm, for Er = 1
};

struct FoundShape {
    double sd = 0;
    double dd = 0;
    long long count = 0;  // the calculation count the solve ended on
    std::string error;    // empty on success; otherwise the solver's text, unchanged
};

// Stores the targets and settings in `calc` and runs its five-charge solve;
// the trace switch and file name are the caller's to set beforehand.
FoundShape solveShapeFiveCharge(TQol_COAXMath2& calc, const ShapeTargets& targets);

// The same solve on the converged model, started from the five-charge
// solve's answer: close to the converged one wherever the five charges are
// good, and a start in any case. Where the five-charge solve failed, its
// closed-form start estimate (or the last shape it improved on) stands in;
// its refusals of the targets are the converged solve's too.
FoundShape solveShapeConverged(TQol_COAXMath2& calc, const ShapeTargets& targets);
