#pragma once

#include <string_view>

// The failure texts of the five-charge calculator, of the impedance command
// over it and of the inverse solver, so that a target can check that a
// failure says one of them and nothing else. They are copied from the solver:
// a text added there must be added here, and the targets abort until it is.

// A failed shape check of TQol_COAXMath1; the converged solver uses the same.
bool isShapeText(std::string_view text);

// Any failure of TQol_COAXMath1's calculation with five charges: a shape
// check, the model breaking down, or its linear solver.
bool isCalculatorText(std::string_view text);

// A failure of calculateImpedances in the chosen language: the calculator's
// own text, or the Er or beyond-reach text.
bool isImpedancesText(std::string_view text, bool english);

// A failure of TQol_COAXMath2::zCalcSDDd in the chosen language, `count` being
// the calculation count it ended on.
bool isInverseText(std::string_view text, bool english, long long count);
