#pragma once

#include <vector>

#include "cases/CaseSection.h"
#include "cases/Inputs.h"
#include "cases/RunSettings.h"
#include "line/AsymmetricPair.h"
#include "line/ModeConversion.h"
#include "line/ModeLoss.h"
#include "output/Report.h"

// The results of an asymmetric case (CaseSection.h): a cable's, the
// mixed-mode figures taken from the impedance matrix, both cores' own C and
// L, the two skews, and with --freq each mode's attenuation and the mode
// conversion of --length of the line (default 1 m).

inline constexpr double kDefaultLineLength = 1;  // m

// What a solved asymmetric case has to list; `loss` and `conversion` only with --freq.
struct AsymmetricOutcome {
    AsymmetricPair pair;
    const PairLoss* loss = nullptr;
    const ModeConversion* conversion = nullptr;
};

// Solves the case on `field` and fills the report (or its error).
class InsulatedSolver;
void runAsymmetric(const CaseInput& input, const SolveSettings& settings, InsulatedSolver& field, Report& report);

// Every field an asymmetric case like `prototype` has when it succeeds.
void asymmetricLayout(const CaseInput& prototype, std::vector<Quantity>& results);
