#include "cases/Targets.h"

#include "NumberText.h"

namespace {

std::string ohm(double value)
{
    return formatShortest(value) + " ohm";
}

// The target that falls short and the bound it must exceed, in words.
std::string notAboveZo(std::string_view rule, std::string_view given, double value, std::string_view boundName,
                       double boundBase, double divisor)
{
    return std::string(rule) + " (that is, Ze > Zo): " + std::string(given) + " " + ohm(value) +
           " is not more than " + std::string(boundName) + " " + ohm(boundBase) + " / " + formatShortest(divisor) +
           " = " + ohm(boundBase / divisor) +
           "; no cable has these targets, since a core driven against its twin always has a lower impedance "
           "than one driven alike";
}

}  // namespace

bool byTargets(const CaseInput& given)
{
    return given.has(Input::Zdiff) || given.has(Input::Zcm);
}

std::string targetProblem(const CaseInput& given)
{
    if (!byTargets(given))
        return {};
    if (given.has(Input::Ze) && given.has(Input::Zcm))
        return "Ze and Zcm both set the even mode (Ze = 2 Zcm): give one";
    if (given.has(Input::Zo) && given.has(Input::Zdiff))
        return "Zo and Zdiff both set the odd mode (Zo = Zdiff / 2): give one";
    if (!given.has(Input::Ze) && !given.has(Input::Zcm))
        return "the even mode has no target: give --zcm (or --ze)";
    if (!given.has(Input::Zo) && !given.has(Input::Zdiff))
        return "the odd mode has no target: give --zdiff (or --zo)";
    return {};
}

std::string wantedImpedances(const CaseInput& input, double& ze, double& zo)
{
    ze = input.has(Input::Zcm) ? 2 * input[Input::Zcm] : input[Input::Ze];
    zo = input.has(Input::Zdiff) ? input[Input::Zdiff] / 2 : input[Input::Zo];
    if (!byTargets(input) || ze > zo)
        return {};
    const bool diff = input.has(Input::Zdiff);
    const bool cm = input.has(Input::Zcm);
    if (diff && cm)
        return notAboveZo("Zcm must be more than Zdiff/4", "Zcm", input[Input::Zcm], "Zdiff", input[Input::Zdiff], 4);
    if (diff)
        return notAboveZo("Ze must be more than Zdiff/2", "Ze", ze, "Zdiff", input[Input::Zdiff], 2);
    return notAboveZo("Zcm must be more than Zo/2", "Zcm", input[Input::Zcm], "Zo", zo, 2);
}
