#include "line/MixedMode.h"

namespace {

// V over cores 1 and 2 from V over d and c, its inverse, and their transposes.
constexpr CMat2 kModeVoltages{0.5, 1, -0.5, 1};
constexpr CMat2 kModeVoltagesTransposed{0.5, -0.5, 1, 1};
constexpr CMat2 kCoreVoltages{1, -1, 0.5, 0.5};
constexpr CMat2 kCoreVoltagesTransposed{1, 0.5, -1, 0.5};

}  // namespace

Mat4 mixedModeScattering(const EndNetworks& ends, double differentialReference, double commonReference)
{
    const EndNetworks modal{kModeVoltagesTransposed * ends.alike * kModeVoltages,
                            kCoreVoltages * ends.opposed * kCoreVoltagesTransposed};
    // Over d near, c near, d far, c far; the through numbering takes it to
    // d near, d far, c near, c far.
    return toPortOrder(endScattering(modal, {differentialReference, commonReference}), PortOrder::Through);
}
