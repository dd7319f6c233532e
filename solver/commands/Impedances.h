#pragma once

#include <string>

class ConvergedSolver;
class TQol_COAXMath1;

// The impedance mode's calculation, one for the window and duvane-calc alike.
struct Impedances {
    double ze = 0;          // ohm, in the dielectric
    double zo = 0;          // ohm, in the dielectric
    double errorBound = 0;  // relative, of both; converged solutions only
    std::string error;      // empty on success; otherwise the calculator's text, unchanged
};

// Stores the shape and Er in `calc`, then Ze and Zo for air divided by √Er.
// Er must be positive: the calculation is for air, the division is the only
// place Er enters.
Impedances calculateImpedances(TQol_COAXMath1& calc, double sd, double dd, double er, bool english);

// The same on the converged solution. Its own texts are English; Er and the
// shape checks it shares with the calculator speak the chosen language.
Impedances calculateConvergedImpedances(ConvergedSolver& solver, double sd, double dd, double er, bool english);
