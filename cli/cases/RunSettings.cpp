#include "cases/RunSettings.h"

std::string_view modeName(Mode mode)
{
    return mode == Mode::Impedance ? "impedance" : "shape";
}

std::string_view methodName(Method method)
{
    return method == Method::FiveCharge ? "five-charge" : "converged";
}

std::string modeChoice(std::span<const Mode> modes)
{
    std::string choice;
    for (Mode mode : modes) {
        if (!choice.empty())
            choice += " or ";
        choice += modeName(mode);
    }
    return choice;
}
