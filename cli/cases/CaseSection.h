#pragma once

#include <array>
#include <string>

#include "cases/Inputs.h"
#include "cases/RunSettings.h"
#include "field/CrossSection.h"
#include "line/Rlgc.h"

// The cross-section of a case by its dimensions as the field solver takes
// it, and what makes a case asymmetric: core 2's own wire, sleeve and sleeve
// dielectric (--d2, --sleeve2, --er-sleeve2), core 1 moved from its place
// (--offset) and both moved off the shield's centre (--pair-offset).

// The length of line whose network gives the mode conversion, unless --length says.
inline constexpr double kDefaultLineLength = 1;  // m

// Whether any of those is given: the case then runs the general path and
// lists the asymmetric results.
bool isAsymmetricCase(const CaseInput& given);

// What is wrong with the way an asymmetric case is given, before its values
// are looked at; empty when nothing is.
std::string asymmetryFormProblem(const CaseInput& given, const SolveSettings& settings);

struct CaseSection {
    CrossSection section;
    LineLosses losses;  // the loss tangents, the conductivity and a foil's metal
};

// The case's cross-section: the pair of cableOf() with the asymmetry
// applied. Where neither a filler nor a sleeve is named, ER (when given)
// fills the shield, and --tand is the loss tangent everywhere.
CaseSection caseSection(const CaseInput& input, const SolveSettings& settings);

// Why the solver cannot take the section, with the way out where the case's
// options give one; empty when it can.
std::string sectionProblem(const CrossSection& section);
