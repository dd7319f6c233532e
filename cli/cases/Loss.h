#pragma once

#include <string>
#include <vector>

#include "cases/Dimensions.h"
#include "cases/Inputs.h"
#include "line/TwinLoss.h"
#include "output/Report.h"

class ConvergedSolver;

// The loss of an impedance case at a frequency (--freq), from the loss
// tangent (--tand) and the conductors' conductivity (--sigma), always on the
// converged model: the rule it follows needs the field the five charges only
// approximate.

// What is wrong with the way a case asks for the loss: --tand or --sigma
// without --freq, or --freq without the wire's size. Empty when nothing is.
std::string lossProblem(const CaseInput& given);

// Gives the loss's inputs that a case leaves out their defaults: a loss
// tangent of 0, copper.
void setLossDefaults(CaseInput& input);

// The loss of the case at its frequency; its error says why the loss cannot
// be had for the shape (out of the converged solver's reach, a skin depth
// too large for the rule).
TwinLoss lossOf(ConvergedSolver& solver, const CableShape& shape, const CaseInput& input);

// Adds alpha_diff, alpha_cm and alpha_d (dB/m) and skin_depth (um).
void addLoss(const TwinLoss& loss, std::vector<Quantity>& results);
