#pragma once

// The highest frequency at which the cross-section is a single-mode TEM line:
// below the cut-off of the first higher-order mode of the shielded
// structure. Estimated as the coaxial line's TE11 cut-off, k_c (a + b) = 2
// (N. Marcuvitz, Waveguide Handbook, 1951, sec. 2.4; within a few percent
// for b/a up to 5), with the shield's radius for b, the core's for a and
// the largest relative permittivity in the cross-section:
// f_c = c / (pi (R + r) sqrt(Er_max)).
double temLimit(double shieldRadius, double coreRadius, double largestEr);
