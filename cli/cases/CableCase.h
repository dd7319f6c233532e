#pragma once

#include <span>
#include <string>

#include "cases/Inputs.h"
#include "cases/RunSettings.h"
#include "commands/DesignSolve.h"
#include "line/Rlgc.h"

// A case whose cross-section goes to the field solver as a cable: insulated
// cores (--sleeve), dielectrics of their own (--er-sleeve, --er-fill, their
// loss tangents), a foil shield (--shield foil), or a design solved for its
// dimensions (--solve-for).

// Whether the case is such a cable.
bool isCableCase(const CaseInput& given, const SolveSettings& settings);

// What is wrong with the way a case gives its cable, all together, before
// any value is looked at: the wire or a dimension missing, Er given beside
// the dielectrics, the five-charge method asked for, the targets of a
// design. Empty when the case is a cable. `solveFor`: the dimensions a
// design solves for (shape mode).
std::string cableFormProblem(Mode mode, const CaseInput& given, const SolveSettings& settings);

struct CableCase {
    PairDesign design;  // lengths in metres
    double tanSleeve = 0;
    double tanFill = 0;
    FoilWall foil;  // a foil's metal; thickness 0 for a round shield
    // What a sleeve must clear: a stranded core's bundle, which the field
    // sees as the thinner design.coreDiameter.
    double coreOuterDiameter = 0;
};

// The cable of a case; the dimensions solved for are left at 0.
CableCase cableOf(const CaseInput& input, const SolveSettings& settings);

// The line's losses of the cable, at the case's conductivity.
LineLosses lineLossesOf(const CableCase& cable, const CaseInput& input);

// What is wrong with the cable's values: a sleeve thinner than its core,
// sleeves that overlap, a sleeve through the shield, each with the way out.
std::string cableValueProblem(const CableCase& cable);

// The targets of a design, in the order of the dimensions solved for.
std::vector<TargetValue> designTargets(const CaseInput& input);

// The dimension a --solve-for name means ("D", "S", "sleeve", "d").
std::string readSolveFor(std::string_view text, std::vector<DesignDimension>& dimensions);
