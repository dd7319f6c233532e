#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The whole program: the arguments without the program name and the three
// standard streams. Returns the exit status.
int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);
