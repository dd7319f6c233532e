#include "ImpedanceChecks.h"

#include <cmath>

#include "Require.h"
#include "TextChecks.h"

namespace {

// The valid shapes as the README states them: 0 < S/D <= 0.9, D/d > 2, the
// conductors touching neither each other (S/D D/d > 1) nor the shield
// (D/d (1 - S/D) > 1). The last two get a hair of slack, since the
// calculator forms its products in another order and rounds differently.
bool isValidShape(double sd, double dd)
{
    constexpr double kRounding = 1e-12;
    return sd > 0 && sd <= 0.9 && dd > 2 && sd * dd > 1 - kRounding && dd * (1 - sd) > 1 - kRounding * dd;
}

}  // namespace

void checkImpedances(double sd, double dd, double er, bool english, const Impedances& result)
{
    if (!result.error.empty()) {
        require(isImpedancesText(result.error, english), "a failed impedance calculation says a known text");
        require(result.ze == 0 && result.zo == 0, "a failed impedance calculation writes neither Ze nor Zo");
        return;
    }
    require(std::isfinite(er) && er > 0, "only a positive finite Er gives impedances");
    require(isValidShape(sd, dd), "only a valid shape gives impedances");
    require(std::isfinite(result.ze) && std::isfinite(result.zo), "Ze and Zo are finite");
    require(result.zo > 0, "Zo is positive");
    require(result.ze > result.zo, "Ze is above Zo");
}
