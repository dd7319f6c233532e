#pragma once

#include "Case.h"
#include "ConvergedSolver.h"
#include "Dimensions.h"
#include "Impedances.h"
#include "Inputs.h"
#include "Qol_math2.h"
#include "Report.h"

// Runs the cases of one mode with one set of settings. One solver serves all
// cases of a run, so a batch pays for its set-up once.
class Calculator {
public:
    Calculator(Mode mode, const SolveSettings& settings);

    Mode mode() const { return mode_; }
    Report run(const CaseInput& input);

private:
    Impedances impedancesBy(Method method, double sd, double dd, double er);
    void impedance(const CaseInput& input, Report& report);
    void compare(const Impedances& chosen, const Geometry& shape, double er, Report& report);
    void shape(const CaseInput& input, Report& report);
    void convergedShape(double ze, double zo, const CaseInput& input, Report& report);
    void addShapeResults(const CaseInput& input, double sd, double dd, long long count, Report& report) const;

    Mode mode_;
    SolveSettings settings_;
    TQol_COAXMath2 solver_;
    ConvergedSolver converged_;
};
