#pragma once

#include <array>
#include <string>
#include <vector>

#include "cases/CaseFigures.h"
#include "cases/Inputs.h"

// How Zdiff, Zcm, the modal skew and (with --freq) Scd21 of a case change
// per unit of each input it gives (VariationSettings.h names those that
// vary), by central differences.
//
// A length's step h is 1e-3 of its value (of the core's diameter for an
// offset, whose value may be 0): the field's bound b (at most 1e-9) then
// reaches the difference as b/1e-3, and the truncation, h^2 f'''/6, is of
// the same 1e-6. A second step, to x + 2h, checks it: with the nominal and
// x + h it makes the one-sided difference of the same order,
// (4 f(x+h) - f(x+2h) - 3 f(x)) / 2h, whose truncation is h^2 f'''/3 the
// other way, so that their gap, h^2 |f'''|/2, is three times the central
// difference's; the gap plus 4 b |f| / h is the reported error. Three
// solves a length, where a second central difference would take four. A
// permittivity costs no solve: C moves by dC/dEr of the nominal solution
// (exact to first order, which the differences take alone), whose own
// estimated error is added.

enum class Figure { Zdiff, Zcm, Skew, Scd21 };
inline constexpr std::size_t kFigureCount = 4;

struct Derivative {
    double value = 0;  // per unit of the input: ohm, s/m, or |dScd21| (linear) per mm, per unit of Er ...
    double error = 0;  // estimated, the same unit
};

struct InputSensitivity {
    Input input;
    std::array<Derivative, kFigureCount> of{};  // Scd21's only with a conversion
};

struct Sensitivity {
    std::string error;  // empty when every derivative holds
    CaseFigures nominal;
    std::vector<InputSensitivity> inputs;  // in the order of Input
    int solves = 0;                        // field solutions spent
};

// `input`: a complete impedance case by its dimensions.
Sensitivity sensitivityOf(const CaseInput& input, const SolveSettings& settings, const ConversionAt& at);

// The case with numbers where it gives a size or a material (their loss
// tangents kept), so that each can be varied; the contacts (touch) stay.
CaseInput numericCase(const CaseInput& input);
