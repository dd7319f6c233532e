#include "Case.h"

#include "NumberText.h"
#include "Quoted.h"

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

const std::array<InputName, 3>& inputNames(Mode mode)
{
    static const std::array<InputName, 3> impedance{{{"SD", "sd"}, {"DD", "dd"}, {"ER", "er"}}};
    static const std::array<InputName, 3> shape{{{"ZE", "ze"}, {"ZO", "zo"}, {"ER", "er"}}};
    return mode == Mode::Impedance ? impedance : shape;
}

std::string readCase(Mode mode, const std::vector<std::string_view>& texts, CaseInput& input)
{
    const auto& names = inputNames(mode);
    if (texts.size() < 2)
        return "missing " + std::string(names[texts.size()].name);
    if (texts.size() > names.size())
        return "unexpected " + inQuotes(texts[names.size()]) + " after " + std::string(names.back().name);
    input[2] = 1;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        std::string name(names[i].name);
        if (texts[i].empty())
            return name + " is empty";
        const NumberParse parsed = parseNumberText(texts[i], input[i]);
        if (parsed == NumberParse::OutOfRange)
            return name + " is out of range: " + inQuotes(texts[i]);
        if (parsed == NumberParse::NotANumber)
            return name + " is not a number: " + inQuotes(texts[i]);
    }
    return {};
}
