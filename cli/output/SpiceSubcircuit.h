#pragma once

#include <array>
#include <string>
#include <vector>

// An ngspice subcircuit of a length of the line, as two single lossy lines
// (LTRA), one a mode, joined to the cores at each end by controlled sources:
// each core's voltage is sum_k T_ik Vm_k (voltage-controlled sources in
// series, a zero-volt source to sense its current) and each mode's current
// sum_i T_ik I_i (current-controlled sources), which keeps the power.
//
//   .subckt NAME n1 n2 f1 f2 ref     near core 1, near core 2, far core 1,
//   ...                              far core 2, the shield
//   .ends NAME
//
// LTRA and not ngspice's coupled line CPL: ngspice 39's CPL leaves out the
// series loss on the way through (a 59 ohm line of 1 m and 10 ohm/m between
// 59 ohm ends passes the whole 0.5 V step of a 1 V source, where 0.46 V
// arrives and stays), while LTRA meets the exact response (the ngspice
// manual, "Lossy Transmission Line Model (LTRA)"). LTRA takes no
// G beside R: the mode's G is carried as the series resistance G Zm^2 with
// Zm^2 = l/c, which loses as much where the loss is small against omega L
// and omega C, and the comments say so. R and G are constant, as taken at
// one frequency. Transient analysis only.

struct SpiceMode {
    double r = 0, l = 0, g = 0, c = 0;  // per metre: ohm/m, H/m, S/m, F/m
};

struct SpiceLine {
    std::string name;   // of the subcircuit: a letter, then letters, digits and _
    double length = 0;  // m
    std::array<std::array<double, 2>, 2> voltage{};  // T: core i, mode k
    std::array<SpiceMode, 2> modes;
    double lossFrequency = 0;           // Hz, where R and G were taken
    std::vector<std::string> comments;  // a "* " line each
};

struct SpiceText {
    std::string error;  // empty when the subcircuit could be written
    std::string text;
};

SpiceText spiceSubcircuit(const SpiceLine& line);
