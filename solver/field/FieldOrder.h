#pragma once

#include "field/Layout.h"

// The first order to try for a layout, so that the bound usually meets
// `target` at once (the solver raises it where not).
//
// Between conductors, or a conductor and the shield, the series' terms fall
// like delta^k, delta the limit point of the two circles seen from the
// core's centre, and the bound like delta^2K. A sleeve does the same with the
// sleeve circles, its weight the reflection g = |e1 - e2| / (e1 + e2) of
// its high modes; where sleeves touch (delta = 1) images pile up at the
// contact and the bound falls like exp(-4 sqrt(K |ln g|)) instead.
int initialOrder(const Layout& layout, double target, int maxOrder);
