#pragma once

#include "cases/CableRunner.h"
#include "cases/Dimensions.h"
#include "cases/Inputs.h"
#include "cases/RunSettings.h"
#include "commands/Impedances.h"
#include "commands/ShapeCommand.h"
#include "field/ConvergedSolver.h"
#include "fivecharge/Qol_math2.h"
#include "field/InsulatedSolver.h"
#include "line/ModeLoss.h"
#include "output/Report.h"

// Runs the cases of one mode with one set of settings. One solver serves all
// cases of a run, so a batch pays for its set-up once.
class CaseRunner {
public:
    CaseRunner(Mode mode, const SolveSettings& settings);

    Mode mode() const { return mode_; }
    const SolveSettings& settings() const { return settings_; }
    Report run(const CaseInput& input);

    // Every field a case with the inputs of `prototype` has when it succeeds,
    // in order, the values meaningless: the columns of a table of such cases.
    Report layout(const CaseInput& prototype) const;

private:
    // What an impedance case found, to be listed as its results.
    struct ImpedanceOutcome {
        CableShape shape;
        Impedances chosen;
        Impedances other;  // with --compare, by the other method; listed only without an error
        PairLoss loss;     // with --freq
    };

    Report framed(const CaseInput& input) const;
    Impedances impedancesBy(Method method, double sd, double dd, double er);
    void impedance(const CaseInput& input, Report& report);
    void addAccuracyWarning(double sd, double dd, const Impedances& fiveCharge, double er, Report& report);
    std::string convergedAdvice(const ShapeTargets& targets);
    void listImpedance(const CaseInput& input, const ImpedanceOutcome& found, std::vector<Quantity>& results) const;
    void shape(const CaseInput& input, Report& report);
    void addShapeResults(const CaseInput& input, double sd, double dd, long long count, const Impedances* found,
                         Report& report) const;

    Mode mode_;
    SolveSettings settings_;
    InsulatedSolver field_;  // the loss's, and the cables'
    CableRunner cable_{settings_, field_};
    TQol_COAXMath2 solver_;
    ConvergedSolver converged_;
};
