#pragma once

#include <string>

#include "cases/CaseSection.h"
#include "cases/Inputs.h"
#include "field/InsulatedSolver.h"
#include "line/ComplexMatrix.h"

// The figures the sensitivity and tolerance modes vary, of one case solved
// on the field solver's general path, so that a symmetric case and its
// slightly displaced neighbours are reached alike.

struct CaseFigures {
    std::string error;  // empty when the figures hold
    double zDiff = 0;      // ohm
    double zCommon = 0;    // ohm
    double zDc = 0;        // ohm
    double skew = 0;       // s/m, modal
    double skewIntra = 0;  // s/m
    double delay = 0;      // s/m, the common-like mode's: the skews' scale
    bool hasConversion = false;
    Complex scd21;  // of `length` of line at the frequency asked
};

struct ConversionAt {
    double frequency = 0;  // Hz; 0: no conversion
    double length = kDefaultLineLength;  // m
};

// Solves the case on `field`.
CaseFigures caseFigures(const CaseInput& input, const SolveSettings& settings, InsulatedSolver& field,
                        const ConversionAt& at);

// The figures of the case's section from a solution of it (or of a section
// that differs only in its permittivities, corrected to first order).
CaseFigures figuresOf(const CaseSection& section, const FieldSolution& solution, const ConversionAt& at);
