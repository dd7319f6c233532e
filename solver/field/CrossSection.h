#pragma once

#include <array>
#include <string>
#include <variant>

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

// Round only, for now; an outline drawn tight round the sleeves joins later.
using Shield = std::variant<RoundShield>;

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
