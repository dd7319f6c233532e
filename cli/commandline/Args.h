#pragma once

#include <string>
#include <vector>

#include "commandline/Options.h"

// Reads the arguments (without the program name). Returns the problem, naming
// the argument, or the empty text when `options` is complete.
std::string parseArgs(const std::vector<std::string>& args, Options& options);
