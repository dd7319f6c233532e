#pragma once

#include <string>
#include <string_view>

// A wire by its AWG size: solid, or laid up of 7, 19 or 37 strands in
// concentric layers ("24/7": 24 AWG of seven strands, the 7/32 construction).
// The strands are the standard constructions' gauge, and the bundle is
// three, five or seven strands across. Its field outside is that of a solid
// round wire a little thinner than the bundle, by the stranding factor of
// the transmission-line handbooks (Reference Data for Radio Engineers: 0.939
// for 7 strands, 0.970 for 19, 0.980 for 37), which
// tests/reference/stranded_equivalent.py recomputes by charge simulation.
struct AwgWire {
    int size = 0;     // as the diameter formula takes it: 0 for 1/0, -3 for 4/0
    int strands = 1;  // 1: solid

    bool stranded() const { return strands > 1; }
};

// Reads "24", "4/0" (solid) or "24/7", "24/19", "24/37", "4/0/19"
// (stranded); returns
// the problem, or the empty text when `wire` was written.
std::string parseAwgWire(std::string_view text, AwgWire& wire);

// The one number an input holds: the size of a solid wire, as it always was,
// and size + 1000 x strands for a stranded one.
double awgCode(AwgWire wire);
AwgWire awgWireOf(double code);

// One strand's diameter (a solid wire's own), mm.
double strandDiameterMm(AwgWire wire);

// The bundle's outer diameter, mm: what a micrometer reads and what a
// sleeve must clear.
double outerDiameterMm(AwgWire wire);

// The diameter of the solid round wire with the bundle's field outside, mm.
double fieldDiameterMm(AwgWire wire);

// The metal's cross-section, mm^2, of straight strands: the lay lengthens
// each by 1 to 2 %, which this leaves out.
double metalAreaMm2(AwgWire wire);
