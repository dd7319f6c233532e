#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cases/Inputs.h"
#include "cases/RunSettings.h"

// How a case is given: which of its numbers stand as operands (or on a batch
// line), and whether the numbers given, however, describe a case of the mode.

// The mode's numbers SD DD [ER] or ZE ZO [ER], less those the options give.
std::vector<Input> plainOperands(Mode mode, const CaseInput& given);

// The numbers the operands give: the plain ones, less those the options give
// in another way (SD and DD when the dimensions give the shape, ZE and ZO
// when Zdiff or Zcm state the targets). ER, when
// among them, may be left out.
std::vector<Input> operandInputs(Mode mode, const CaseInput& given);

// `given` with stand-ins for the numbers its operands would give: a case
// with the inputs every case of a batch has, for checks and a table's
// columns.
CaseInput withOperandStandIns(Mode mode, CaseInput given);

// Reads the operand texts into `input` as the numbers of `operands`; ER may
// be left out (the case's default gives it). Returns the problem, naming the
// number, or the empty text.
std::string readCase(const std::vector<Input>& operands, const std::vector<std::string_view>& texts,
                     CaseInput& input);

// What is wrong with the numbers a case of `mode` is given, all together:
// the wire given twice, ratios and dimensions mixed, a dimension missing, a
// target given twice or missing, the loss asked for without the wire's size,
// a cable's form (see CableCase.h).
// Empty when they describe a case.
std::string formProblem(Mode mode, const CaseInput& given, const SolveSettings& settings);
