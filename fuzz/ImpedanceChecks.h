#pragma once

#include "commands/Impedances.h"

// What every result of calculateImpedances must satisfy, whatever its input:
// success only for a valid shape and a positive finite Er, with finite
// Ze > Zo > 0; failure with one of the known texts and neither impedance
// written. Aborts otherwise.
void checkImpedances(double sd, double dd, double er, bool english, const Impedances& result);
