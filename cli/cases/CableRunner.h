#pragma once

#include <optional>

#include "cases/CableCase.h"
#include "cases/Inputs.h"
#include "cases/RunSettings.h"
#include "field/InsulatedSolver.h"
#include "field/PairModes.h"
#include "line/ModeLoss.h"
#include "output/Report.h"

// The results of a symmetric pair's modes as a cable case lists them: the
// impedances and their bound, the per-length figures, and the loss where it
// is given (not null).
void addModeResults(const PairModes& modes, const PairLoss* loss, std::vector<Quantity>& results);

// Runs the cases of a cable (see CableCase.h) on the field solution: its
// impedances, modes and matrices, and in shape mode the design solved for its
// dimensions. One solver serves every case of a run.
class CableRunner {
public:
    CableRunner(const SolveSettings& settings, InsulatedSolver& field) : settings_(settings), field_(field) {}

    // The case's inputs as numbers, as the case echoes them: the contacts
    // resolved to the lengths of `design`, a material to its Er and, unless
    // given, its loss tangent, a foil's clearance and metal.
    CaseInput resolved(const CaseInput& input, const PairDesign& design) const;

    // Each fills the report's results (or its error).
    void impedance(const CaseInput& input, Report& report);
    // Returns the design found, whose contacts the inputs echo.
    std::optional<PairDesign> design(const CaseInput& input, Report& report);

    // Every field a case like `prototype` has when it succeeds.
    void layout(Mode mode, const CaseInput& prototype, Report& report) const;

private:
    // Lists the results of a solved cross-section; with --freq its loss, whose
    // error becomes the case's.
    void listSolved(const CaseInput& input, const CrossSection& section, const FieldSolution& solution,
                    Report& report) const;
    // `loss`: with --freq, listed where it holds.
    void listResults(const CaseInput& input, const PairModes& modes, const PairLoss* loss,
                     std::vector<Quantity>& results) const;

    SolveSettings settings_;
    InsulatedSolver& field_;
};
