#include "commands/PairDesign.h"

CrossSection crossSectionOf(const PairDesign& design)
{
    CrossSection section;
    const double half = design.spacingOf() / 2;
    for (int i = 0; i < 2; ++i) {
        Core& core = section.cores[i];
        core.x = i == 0 ? half : -half;
        core.diameter = design.coreDiameter;
        core.sleeveDiameter = design.sleeve();
        core.sleeveEr = design.sleeveDiameter > 0 ? design.sleeveEr : design.fillerEr;
    }
    if (design.shield == ShieldKind::Foil)
        section.shield = FoilShield{.clearance = design.clearance, .drainDiameter = design.drainDiameter};
    else
        section.shield = RoundShield{design.shieldOf()};
    section.fillerEr = design.fillerEr;
    return section;
}
