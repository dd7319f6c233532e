#pragma once

#include <iosfwd>

#include "commandline/Options.h"

// The sensitivity and tolerance modes: one cross-section varied, written as
// text, JSON or (tolerance) CSV. Each returns the exit status.
int runSensitivity(const Options& options, std::ostream& out, std::ostream& err);

// `progress`: draw a progress bar on `err` for a run longer than a second.
int runTolerance(const Options& options, bool progress, std::ostream& out, std::ostream& err);
