#pragma once

#include <array>
#include <complex>
#include <string>
#include <vector>

#include "field/CrossSection.h"

// The foil-wrapped pair as the foil solver sees it: a stadium centred at the
// origin, its straight walls on y = +-1 from x = -h to h and half circles of
// radius 1 about (+-h, 0) (lengths in the stadium's radius), and a region
// circle round each core, core 1 on the positive x axis. A sleeve's circle
// is its outer surface; a bare core gets a virtual circle of the filler's
// permittivity, as in the round-shield solver, so that one construction of
// the bound serves both.

using Complex = std::complex<double>;

struct FoilCircle {
    Complex centre;
    double core = 0;          // conductor radius r
    double radius = 0;        // P
    double permittivity = 1;  // between conductor and circle
    bool isVirtual = false;
    double logRatio = 0;      // ln(P / r)
    // The circle's outer half lies on the foil (clearance 0): there it is
    // shield, not interface.
    bool wrapped = false;
};

struct FoilGeometry {
    double halfLength = 0;  // h
    std::array<FoilCircle, 2> circles;
    double filler = 1;
    double unit = 0;  // metres per unit length
};

// Why the foil cross-section is out of the foil solver's reach; empty when in.
std::string foilRefusal(const CrossSection& section);

// With the cross-section's dielectrics, or every Er 1.
FoilGeometry foilGeometry(const CrossSection& section, bool vacuum);

// A round shield as the stadium of zero straight length, the cores as they
// are: a second route to the round-shield solver's answer.
FoilGeometry roundAsStadium(const CrossSection& section, bool vacuum);

// The outline point whose inward normal passes through z (the walls
// straight down, the arcs towards their centres), and z's depth below it.
struct OutlineFoot {
    Complex foot;
    Complex inward;  // unit
    double depth = 0;
};

OutlineFoot outlineFoot(const FoilGeometry& geometry, Complex z);

// The width of the strip along the foil in which the bound corrects psi
// (FoilEnergies.h): less than the stadium's radius, so that the walls'
// strips do not meet and the arcs' normals do not cross.
inline constexpr double kStripWidth = 0.5;

// Which piece of the correction's formula holds at z (the zone of its foot,
// and whether it lies within the strip): the correction's trace has a kink
// where this changes.
int footRegime(const FoilGeometry& geometry, Complex z);

// The depths in [0, reach] at which the inward normal at `foot` runs through
// the filler, outside every region circle: ordered intervals.
struct DepthInterval {
    double from = 0, to = 0;
};
std::vector<DepthInterval> fillerDepths(const FoilGeometry& geometry, Complex foot, Complex inward, double reach);

// The shape of fillerDepths over the strip at an outline point: its integrals
// have a kink where this changes.
int depthRegime(const FoilGeometry& geometry, Complex foot, Complex inward);
