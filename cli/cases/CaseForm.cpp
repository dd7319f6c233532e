#include "cases/CaseForm.h"

#include <algorithm>

#include "cases/CableCase.h"
#include "cases/Dimensions.h"
#include "cases/Loss.h"
#include "cases/Targets.h"
#include "output/Quoted.h"

std::vector<Input> plainOperands(Mode mode, const CaseInput& given)
{
    const std::vector<Input> all = caseModeOf(mode) == Mode::Impedance ? std::vector{Input::Sd, Input::Dd, Input::Er}
                                                           : std::vector{Input::Ze, Input::Zo, Input::Er};
    std::vector<Input> operands;
    std::ranges::copy_if(all, std::back_inserter(operands), [&](Input input) { return !given.has(input); });
    return operands;
}

std::vector<Input> operandInputs(Mode mode, const CaseInput& given)
{
    std::vector<Input> operands = plainOperands(mode, given);
    if (mode == Mode::Impedance && byDimensions(given))
        std::erase_if(operands, [](Input input) { return input == Input::Sd || input == Input::Dd; });
    if (mode == Mode::Shape && byTargets(given))
        std::erase_if(operands, [](Input input) { return input == Input::Ze || input == Input::Zo; });
    return operands;
}

CaseInput withOperandStandIns(Mode mode, CaseInput given)
{
    for (const Input input : operandInputs(mode, given))
        given.set(input, 1);
    return given;
}

std::string readCase(const std::vector<Input>& operands, const std::vector<std::string_view>& texts,
                     CaseInput& input)
{
    const bool erLast = !operands.empty() && operands.back() == Input::Er;
    const std::size_t needed = operands.size() - (erLast ? 1 : 0);
    if (texts.size() < needed)
        return "missing " + std::string(inputInfo(operands[texts.size()]).operand);
    if (texts.size() > operands.size()) {
        std::string problem = "unexpected " + inQuotes(texts[operands.size()]);
        if (!operands.empty())
            problem.append(" after ").append(inputInfo(operands.back()).operand);
        return problem;
    }
    CaseInput read = input;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const InputInfo& info = inputInfo(operands[i]);
        if (texts[i].empty())
            return std::string(info.operand) + " is empty";
        double value = 0;
        if (std::string problem = readInput(operands[i], texts[i], value); !problem.empty())
            return std::string(info.operand) + ' ' + inQuotes(texts[i]) + ": " + problem;
        read.set(operands[i], value);
    }
    input = read;
    return {};
}

std::string formProblem(Mode mode, const CaseInput& given, const SolveSettings& settings)
{
    if (std::string problem = wireProblem(given); !problem.empty())
        return problem;
    if (isCableCase(given, settings)) {
        if (std::string problem = cableFormProblem(mode, given, settings); !problem.empty())
            return problem;
        return mode == Mode::Impedance ? lossProblem(given) : std::string();
    }
    if (mode == Mode::Shape) {
        for (const Input dimension : {Input::ShieldDiameter, Input::Spacing})
            if (given.has(dimension))
                return "--" + std::string(inputInfo(dimension).key) +
                       " in shape mode is for a design: give --solve-for and the targets";
        return targetProblem(given);
    }
    if (std::string problem = dimensionProblem(given); !problem.empty())
        return problem;
    return lossProblem(given);
}
