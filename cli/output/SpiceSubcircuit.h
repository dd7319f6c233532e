#pragma once

#include <array>
#include <string>
#include <vector>

// An ngspice subcircuit of a length of the line on ngspice's coupled lossy
// multiconductor line, CPL (the ngspice manual, "Coupled Multiconductor Line
// (CPL)"), which takes full R, L, G and C matrices per unit length, each as
// its upper triangle r11 r12 r22, C and G in the Maxwell form:
//
//   .subckt NAME n1 n2 f1 f2 ref     near core 1, near core 2, far core 1,
//   P1 n1 n2 ref f1 f2 ref NAME_cpl  far core 2, the shield
//   .model NAME_cpl CPL length=...  R=... L=... G=... C=...
//   .ends NAME
//
// CPL, not a line per mode: it couples the cores by the matrices as they are,
// so an unequal pair (whose modes' voltage vectors change with frequency
// once there is loss) needs no transformation the simulator cannot hold. CPL
// keeps R and G constant, as taken at one frequency, and ngspice raises every
// entry of R below 1e-4 ohm per unit length (r12 included) to 1e-4; both are
// said in the file's comments. Transient analysis only.

struct SpiceLine {
    std::string name;   // of the subcircuit: a letter, then letters, digits and _
    double length = 0;  // m
    // Upper triangles (11, 12, 22) per metre: ohm/m, H/m, S/m, F/m.
    std::array<double, 3> r{}, l{}, g{}, c{};
    double lossFrequency = 0;           // Hz, where R and G were taken
    std::vector<std::string> comments;  // a "* " line each
};

struct SpiceText {
    std::string error;  // empty when the subcircuit could be written
    std::string text;
};

SpiceText spiceSubcircuit(const SpiceLine& line);
