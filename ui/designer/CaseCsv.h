#pragma once

#include <string>

#include "designer/DesignForm.h"

// The case as duvane-calc writes it with --csv: its header and its row, by
// the command line's own case runner and CSV output.
std::string caseCsv(const DesignCase& pair);
