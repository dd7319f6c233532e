#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "line/LineSweep.h"
#include "line/Rlgc.h"
#include "output/RlgcTable.h"
#include "output/SpiceSubcircuit.h"
#include "output/Touchstone.h"

// From the line models to the writers' plain numbers, for duvane-calc's
// model mode.

// --touchstone FILE: FILE as given where it ends in .s4p, FILE.s4p where it
// has no extension; the differential .s2p beside it, the same stem.
inline constexpr std::string_view kFourPortExtension = ".s4p";
struct TouchstonePaths {
    std::string fourPort, twoPort;
};
TouchstonePaths touchstonePaths(std::string_view given);

// The four single-ended ports, numbered as the request says. Touchstone 1
// has one reference: where the cores' differ it is left NaN, which
// touchstoneText() refuses.
TouchstoneNetwork singleEndedNetwork(const NetworkSweep& sweep, const NetworkRequest& request,
                                     std::vector<std::string> comments);

// The differential mode's two-port Sdd (near, far).
TouchstoneNetwork differentialNetwork(const NetworkSweep& sweep, const NetworkRequest& request,
                                      std::vector<std::string> comments);

RlgcRow rlgcRow(const Rlgc& perLength);

SpiceLine spiceLine(const Rlgc& perLength, std::string name, double length, std::vector<std::string> comments);
