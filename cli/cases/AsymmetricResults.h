#pragma once

#include <vector>

#include "cases/Inputs.h"
#include "cases/RunSettings.h"
#include "field/InsulatedSolver.h"
#include "output/Report.h"

// The results of an asymmetric case (CaseSection.h): a cable's, the
// mixed-mode figures taken from the impedance matrix, both cores' own C and
// L, the two skews, and with --freq each mode's attenuation and the mode
// conversion of --length of the line (default 1 m).

// Solves the case on `field` and fills the report (or its error).
void runAsymmetric(const CaseInput& input, const SolveSettings& settings, InsulatedSolver& field, Report& report);

// Every field an asymmetric case like `prototype` has when it succeeds.
void asymmetricLayout(const CaseInput& prototype, std::vector<Quantity>& results);
