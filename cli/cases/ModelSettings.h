#pragma once

#include <string>
#include <vector>

#include "line/Dielectric.h"
#include "line/LineNetwork.h"

// What model mode writes, and how.
struct ModelSettings {
    std::string touchstone;  // the .s4p's path (and the .s2p's beside it); empty: none
    std::string spice;       // the subcircuit's path; empty: none
    bool rlgc = false;       // the table on standard output
    PortOrder ports = PortOrder::Through;
    std::string name = "duvane_line";
    double at = 0;          // Hz, where the SPICE R and G are taken; 0: the highest frequency
    double reference = 50;  // ohm, single-ended
    DielectricModel dielectric = DielectricModel::ConstantLossTangent;
    std::string frequencies;              // --freq as given, read once the mode is known
    std::vector<double> frequencyValues;  // Hz, increasing

    bool operator==(const ModelSettings&) const = default;
};
