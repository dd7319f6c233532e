#pragma once

#include "field/CrossSection.h"

enum class ShieldKind { Round, Foil };

// A symmetric pair as a designer gives it: two alike cores in their sleeves,
// each length by its value or by a contact (S = Di, D = S + Di), in a round
// shield or under a foil drawn over the sleeves. Lengths in metres.
struct PairDesign {
    double coreDiameter = 0;    // d
    double sleeveDiameter = 0;  // Di; 0 is a bare core (Di = d)
    double spacing = 0;         // S, the cores' centres apart
    bool spacingTouch = false;  // the sleeves touch: S = Di
    double shieldDiameter = 0;  // D
    bool shieldTouch = false;   // the sleeves touch the shield: D = S + Di
    ShieldKind shield = ShieldKind::Round;
    double clearance = 0;      // foil: between each sleeve and the foil
    double drainDiameter = 0;  // foil: a drain wire inside it; 0: none inside
    double sleeveEr = 1;
    double fillerEr = 1;

    // The lengths as they follow from the contacts.
    double sleeve() const { return sleeveDiameter > 0 ? sleeveDiameter : coreDiameter; }
    double spacingOf() const { return spacingTouch ? sleeve() : spacing; }
    double shieldOf() const { return shieldTouch ? spacingOf() + sleeve() : shieldDiameter; }
};

// The cross-section the field solver takes: core 1 at (+S/2, 0), core 2 at
// (-S/2, 0); the round shield's diameter or the foil's clearance and drain.
CrossSection crossSectionOf(const PairDesign& design);
