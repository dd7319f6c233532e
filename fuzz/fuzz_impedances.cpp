// The impedance command over arbitrary bit patterns: S/D and D/d from the
// first 16 bytes, Er from the next 8 (1 when they are missing), the language
// from the byte after.

#include <cstdint>

#include "commands/Impedances.h"
#include "fivecharge/Qol_math1.h"
#include "FuzzBytes.h"
#include "ImpedanceChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzBytes bytes(data, size);
    if (bytes.left() < 16)
        return 0;
    const double sd = bytes.takeDouble(0);
    const double dd = bytes.takeDouble(0);
    const double er = bytes.takeDouble(1);
    const bool english = bytes.takeByte(0) & 1;

    TQol_COAXMath1 calc;
    checkImpedances(sd, dd, er, english, calculateImpedances(calc, sd, dd, er, english));
    return 0;
}
