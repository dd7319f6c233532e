#pragma once

#include <array>
#include <string>
#include <variant>
#include <vector>

// What the field solver is given: two round conductors, each in its own
// round sleeve, inside a grounded shield, the rest filled with one dielectric.
// Lengths in metres; positions from the shield's centre.

struct Core {
    double x = 0;
    double y = 0;
    double diameter = 0;        // the conductor's, d
    double sleeveDiameter = 0;  // Di >= d; Di == d is a bare core
    // The sleeve's centre less the conductor's: eccentric insulation.
    double sleeveOffsetX = 0;
    double sleeveOffsetY = 0;
    double sleeveEr = 1;
};

// A circle of inner diameter D centred at the origin.
struct RoundShield {
    double diameter = 0;
};

// A foil drawn tight round both sleeves: the stadium of the two circles of
// radius Di/2 + clearance about the sleeves' centres, the clearance filled
// with the filler. A drain wire inside the foil, a bare conductor at the
// shield's potential, lies in the groove on the side of positive y (in the
// frame where core 1 is on the positive x axis), touching both sleeves; the
// foil is then drawn over it too. A drain wire outside the foil does not
// change the field inside and is the caller's to leave out.
struct FoilShield {
    double clearance = 0;      // t >= 0
    double drainDiameter = 0;  // dw of a drain wire inside the foil; 0: none inside
};

using Shield = std::variant<RoundShield, FoilShield>;

struct CrossSection {
    std::array<Core, 2> cores;
    Shield shield = RoundShield{};
    double fillerEr = 1;  // Er2: everything inside the shield outside the sleeves
};

// Sleeves closer than this relative overlap count as touching: rounding of
// the typed positions, far below anything the fields notice.
inline constexpr double kTouchTolerance = 1e-12;

// Why the cross-section is out of the solver's reach; empty when it is in.
std::string crossSectionRefusal(const CrossSection& section);

// Cores at c and -c, alike and concentric: the case with the fast path.
bool isSymmetricPair(const CrossSection& section);

bool isBare(const Core& core);

bool isEccentric(const Core& core);

// A conductor's gap, in core radii of the smaller core, and what it lies between.
struct ConductorGap {
    std::string what;
    double gap = 0;
};

// Names the gaps below kMinConductorGap; empty when there are none.
std::string narrowGapRefusal(const std::vector<ConductorGap>& gaps);
