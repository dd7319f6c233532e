#include "cases/RunSettings.h"

std::string_view modeName(Mode mode)
{
    switch (mode) {
    case Mode::Impedance: return "impedance";
    case Mode::Shape: return "shape";
    case Mode::Sensitivity: return "sensitivity";
    case Mode::Tolerance: return "tolerance";
    case Mode::Model: return "model";
    }
    return "impedance";
}

Mode caseModeOf(Mode mode)
{
    return mode == Mode::Shape ? Mode::Shape : Mode::Impedance;
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
