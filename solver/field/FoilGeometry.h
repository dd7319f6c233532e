#pragma once

#include <array>
#include <complex>
#include <string>
#include <vector>

#include "field/CrossSection.h"

// The foil-wrapped pair as the foil solver sees it: a stadium centred at the
// origin, its straight walls on y = +-1 from x = -h to h and half circles of
// radius 1 about (+-h, 0) (lengths in the stadium's radius), or with a drain
// wire the hull of those circles and the drain's, and a region
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
    // The circle lies on the foil (clearance 0) between these angles about
    // its centre, counterclockwise from `wrappedFrom`: there it is shield,
    // not interface.
    bool wrapped = false;
    double wrappedFrom = 0, wrappedTo = 0;
};

// A drain wire inside the foil: a conductor at the shield's potential.
struct FoilDrain {
    bool present = false;
    Complex centre;
    double radius = 0;
};

// A piece of the outline, traversed clockwise: a segment from `start` to
// `end`, or an arc about `centre` (radius `radius`) from angle `from` down
// to `to`.
struct OutlinePiece {
    bool isArc = false;
    Complex start, end;
    Complex centre;
    double radius = 0;
    double from = 0, to = 0;
    bool onDrain = false;  // the drain's own top, where it meets the foil

    double length() const;
    Complex at(double s) const;       // s from 0 to length()
    Complex outward(double s) const;  // unit normal out of the outline
};

struct FoilGeometry {
    double halfLength = 0;  // h
    std::array<FoilCircle, 2> circles;
    double filler = 1;
    double unit = 0;  // metres per unit length
    FoilDrain drain;
    // With a drain: the outline as the hull of the three circles, clockwise
    // from its top on the y axis round to it again (the pieces on the axis
    // split there). Without, the stadium as described above.
    std::vector<OutlinePiece> hull;
};

// Where the ray from the drain's centre in direction u leaves the hull: its
// distance, the rate of that distance in the ray's angle, and which piece.
struct HullExit {
    double reach = 0;
    double slope = 0;
    int piece = -1;
};
HullExit hullExit(const FoilGeometry& geometry, Complex u);

// Where the drain's fan (FoilEnergies.h) takes its outer value along the ray
// at angle theta from the drain's centre: where the ray leaves the hull,
// except where it leaves by an arc the sleeve lies on (clearance 0). There
// the filler's psi means nothing, and reach and point are blended along the
// arc's span of angles between its two ends, so that the fan stays
// continuous where it meets the rays that leave by the pieces around it.
struct FanEnd {
    double reach = 0, slope = 0;  // L and dL/dtheta
    Complex point, second;        // psi at point, or blended towards second
    double blend = -1;            // < 0: point alone; else second's weight
    double blendSlope = 0;        // d blend / d theta
};
FanEnd fanEnd(const FoilGeometry& geometry, double theta);

// Why the foil cross-section is out of the foil solver's reach; empty when in.
std::string foilRefusal(const CrossSection& section);

// With the cross-section's dielectrics, or every Er 1.
FoilGeometry foilGeometry(const CrossSection& section, bool vacuum);

// The foil's length round the pair, metres: the outline's, with the bulge a
// drain wire inside may give it.
double foilPerimeter(const CrossSection& section);

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
