#pragma once

#include <iosfwd>

#include "commandline/Options.h"

// Model mode: the line of one cross-section as a circuit simulator takes it,
// written as Touchstone, an ngspice subcircuit or an RLGC table. Returns the
// exit status.
int runModel(const Options& options, std::ostream& out, std::ostream& err);
