#pragma once

#include <vector>

#include "cases/Inputs.h"
#include "field/CrossSection.h"
#include "line/Rlgc.h"
#include "output/Report.h"

// The resistance at DC per length, of metal of conductivity sigma and
// cross-section A: 1 / (sigma A). A core's A is its wire's (a stranded one's
// strands, straight; the lay lengthens them by 1 to 2 %). A foil of
// thickness t round an outline of perimeter P has P t + pi t^2: the band
// between a convex curve and its parallel at t. A drain wire, inside the foil
// or out, lies along it in parallel, of the cores' metal.

// r_dc: one core's (core 1's), where the case gives the wire's size; r_dc2
// core 2's where --d2 gives it its own; with a foil,
// r_dc_shield (the foil and its drain wire) and r_dc_loop (a core out, the
// shield back).
void addDcResistance(const CaseInput& input, const CrossSection* foilSection, const FoilWall& foil,
                     std::vector<Quantity>& results);
