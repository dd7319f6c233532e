#pragma once

#include <optional>
#include <string>

#include "cases/AwgWire.h"
#include "cases/Inputs.h"

// The shape of a case by its ratios S/D and D/d, or by its dimensions D, S
// and d, the wire's diameter d also by its AWG size.

// Whether an impedance case gives its shape by dimensions: D or S is given.
bool byDimensions(const CaseInput& given);

// What is wrong with the way a case gives the wire (d or AWG, not both).
std::string wireProblem(const CaseInput& given);

// What is wrong with the way an impedance case gives its shape: ratios and
// dimensions mixed, or a dimension missing; empty when nothing is.
std::string dimensionProblem(const CaseInput& given);

// Whether the case gives the wire's size: d, or an AWG size.
bool hasWire(const CaseInput& given);

// The wire by its AWG size, where the case gives it so (and not by d).
std::optional<AwgWire> givenAwgWire(const CaseInput& input);

// The wire's diameter as the field sees it, mm: d, or the diameter of its
// AWG size (a stranded wire's field equivalent); 0 when the case gives
// neither.
double wireDiameterMm(const CaseInput& input);

// The wire's outer diameter, mm: a stranded bundle's across its strands,
// else wireDiameterMm.
double wireOuterDiameterMm(const CaseInput& input);

struct CableShape {
    double sd = 0;
    double dd = 0;
    double wireMm = 0;  // d; 0 when the wire's size is not known, and so are D and S
    double shieldMm = 0;
    double spacingMm = 0;
};

// The shape from its ratios, with D and S where the wire's size is known.
CableShape geometryFromRatios(double sd, double dd, double wireMm);

// The shape of an impedance case, whichever way it is given.
CableShape geometryOf(const CaseInput& input);

// What a failed shape check of the calculator (its own text, as it gave it)
// means for the dimensions an impedance case gives, to follow that text:
// " - the shield (D 4 mm) must be wider than two cores (2 d = 6 mm)". Empty
// where the case gives its ratios or the text is no shape check.
std::string dimensionNote(const CaseInput& input, std::string_view calculatorText, bool english);
