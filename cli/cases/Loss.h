#pragma once

#include <string>
#include <vector>

#include "cases/Dimensions.h"
#include "cases/Inputs.h"
#include "field/CrossSection.h"
#include "field/FieldSolution.h"
#include "line/ModeLoss.h"
#include "output/Report.h"

// The loss of an impedance case at a frequency (--freq), from the loss
// tangents (--tand, or a cable's --tand-sleeve and --tand-fill) and the
// conductors' conductivity (--sigma), always on the field solution: the rule
// it follows needs the field the five charges only approximate.

// What is wrong with the way a case asks for the loss: --tand or --sigma
// without --freq, or --freq without the wire's size. Empty when nothing is.
std::string lossProblem(const CaseInput& given);

// Gives the loss's inputs that a case leaves out their defaults: a loss
// tangent of 0, copper.
void setLossDefaults(CaseInput& input);

// The cross-section of a case of one dielectric, bare cores in a round shield.
CrossSection homogeneousSection(const CableShape& shape, double er);

// The loss of the cross-section solved as `solution` at the case's frequency;
// its error says why the loss cannot be had (above the line's single-mode
// limit, a skin depth too large for the rule).
PairLoss lossOf(const CrossSection& section, const FieldSolution& solution, const LineLosses& losses,
                const CaseInput& input);

// Adds alpha_diff and alpha_cm, their conductors' and dielectric's parts
// (dB/m) and skin_depth (um). One dielectric also gives alpha_d, the
// dielectric's part the two modes share.
void addLoss(const PairLoss& loss, bool oneDielectric, std::vector<Quantity>& results);

// A stranded core's conductor loss is that of the solid wire of its field's
// diameter: the current along the strands' own surfaces adds to it, by an
// amount no round-wire model gives. Says so where a loss was had.
void addStrandedLossWarning(const CaseInput& input, Report& report);
