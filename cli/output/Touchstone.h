#pragma once

#include <complex>
#include <string>
#include <vector>

// Touchstone version 1 text (.s2p, .s4p, ...): "! " comment lines, the option
// line "# Hz S RI R <reference>", then each frequency's S-matrix as real and
// imaginary parts. A two-port's four values go on one line in the order the
// format gives it, S11 S21 S12 S22; a larger network's by rows, each row
// starting a line and at most four pairs to a line. Every number is the
// shortest text that reads back to the same double.

struct TouchstoneNetwork {
    int ports = 0;
    double reference = 50;  // ohm, every port: version 1 has one reference
    std::vector<std::string> comments;  // a "! " line each (a line break starts another)
    std::vector<double> frequencies;    // Hz, increasing
    // ports * ports values a frequency, S_ij at i * ports + j (from 0).
    std::vector<std::complex<double>> values;
};

struct TouchstoneText {
    std::string error;  // empty when the network could be written
    std::string text;
};

TouchstoneText touchstoneText(const TouchstoneNetwork& network);
