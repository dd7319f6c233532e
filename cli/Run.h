#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The whole program: the arguments without the program name and the three
// standard streams. Returns the exit status, 1 when `out` could not take all
// of its text.
int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);
