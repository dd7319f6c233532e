#pragma once

#include <string>

#include "cases/Inputs.h"

// The targets of a shape solve as engineers state them: the differential
// impedance Zdiff = 2 Zo and the common-mode one Zcm = Ze / 2, both, or one
// of them with Ze or Zo. Ze or Zcm sets the even mode, Zo or Zdiff the odd.

// Whether the case states its targets by Zdiff or Zcm.
bool byTargets(const CaseInput& given);

// What is wrong with the targets a shape case is given, all together: a
// mode set twice, or not at all. Empty when each mode has one target.
std::string targetProblem(const CaseInput& given);

// The Ze and Zo the case asks for. Where Zdiff or Zcm state them and no
// cable has them (Ze not above Zo), returns why, naming the numbers given;
// otherwise the empty text, the solve checking Ze and Zo given as they are.
std::string wantedImpedances(const CaseInput& input, double& ze, double& zo);
