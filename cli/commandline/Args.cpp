#include "commandline/Args.h"

#include <algorithm>
#include <utility>

#include "cases/CableCase.h"
#include "cases/CaseForm.h"
#include "cases/CaseSection.h"
#include "cases/Dimensions.h"
#include "cases/Targets.h"
#include "cases/SweepValues.h"
#include "cases/Loss.h"
#include "cases/ModelFiles.h"
#include "cases/ModelFrequencies.h"
#include "commandline/OptionTable.h"
#include "output/Quoted.h"

namespace {

// Reads the option args[i] and its value, when it takes one, into `options`;
// leaves `i` at the last word read and adds the option's row to `given`.
// Returns the problem, naming the argument, or the empty text.
std::string readOption(const std::vector<std::string>& args, std::size_t& i, Options& options,
                       std::vector<const OptionRow*>& given)
{
    const std::string_view arg = args[i];
    const std::size_t equals = arg.find('=');
    const std::string name(arg.substr(0, equals));
    const OptionRow* option = findOption(name);
    if (option == nullptr)
        return "unknown option " + inQuotes(arg);
    if (!option->repeatable && std::ranges::find(given, option) != given.end())
        return name + " is given twice";
    const bool takesValue = !option->valueName.empty();
    std::string_view value;
    if (equals != std::string_view::npos) {
        if (!takesValue)
            return name + " takes no value";
        value = arg.substr(equals + 1);
    } else if (takesValue) {
        if (i + 1 == args.size())
            return "missing value for " + name;
        value = args[++i];
    }
    // Every bad value reads the same way: --name "text": problem - hint.
    if (std::string problem = applyOption(*option, value, options); !problem.empty())
        return takesValue ? name + ' ' + inQuotes(value) + ": " + problem : name + ": " + problem;
    given.push_back(option);
    return {};
}

// The first of `given` that `mode` does not accept, or null.
const OptionRow* optionOutsideMode(Mode mode, const std::vector<const OptionRow*>& given)
{
    for (const OptionRow* option : given)
        if (std::ranges::find(option->modes, mode) == option->modes.end())
            return option;
    return nullptr;
}

// What is wrong with the sweeps in `mode`: an input the mode does not take,
// one swept twice or also given by its option, a batch or a trace beside
// them, too many cases.
std::string sweepProblem(const Options& parsed)
{
    for (auto sweep = parsed.sweeps.begin(); sweep != parsed.sweeps.end(); ++sweep) {
        const InputInfo& info = inputInfo(sweep->input);
        const std::string name = "--sweep " + std::string(info.key);
        if (std::ranges::find(info.modes, parsed.mode) == info.modes.end())
            return name + " applies to " + modeChoice(info.modes) + " mode only";
        if (parsed.input.has(info.input))
            return std::string(info.key) + " is both swept and given: give one";
        if (std::ranges::find(parsed.sweeps.begin(), sweep, sweep->input, &SweptInput::input) != sweep)
            return name + " is given twice";
    }
    if (parsed.sweeps.empty())
        return {};
    if (parsed.batch)
        return "--sweep cannot be used with --batch";
    if (!parsed.solve.traceFile.empty())
        return "--trace cannot be used with --sweep";
    if (const long double cases = sweepCaseCount(parsed.sweeps); cases > kMaxSweepCases)
        return "--sweep " + overLimit(cases, kMaxSweepCases, "cases");
    return {};
}

// Checks that `form`, a case as the command line gives it, is a case of the
// mode, and gives what it leaves out its defaults.
std::string completeCase(const CaseInput& form, Options& parsed)
{
    // A model's frequencies are its own and its length is the line's: the
    // case is an impedance case at some frequency.
    CaseInput asCase = form;
    if (parsed.mode == Mode::Model) {
        asCase.set(Input::Frequency, 1e9);
        asCase.clear(Input::Length);
    }
    if (std::string problem = formProblem(caseModeOf(parsed.mode), asCase, parsed.solve); !problem.empty())
        return problem;
    // One dielectric, air unless given; a cable names its own.
    if (!form.has(Input::Er) && !isCableCase(form, parsed.solve))
        parsed.input.set(Input::Er, 1);
    if (form.has(Input::Frequency) || parsed.mode == Mode::Model)
        setLossDefaults(parsed.input);
    return {};
}

// Reads the mode from the first operand and checks the given options and
// sweeps against it, then reads the case from the other operands (none with
// --batch).
// A swept input leaves its operand's place empty, and the numbers after it
// move up into the places of others. Where as many numbers are given as the
// form has places without the sweep (ER aside), they read as that form, and
// the move would put them where they were not meant: refused. Fewer numbers
// fill the places the sweeps leave, in order (impedance 10 --sweep sd=... is
// D/d 10), as documented.
std::string sweepShiftProblem(const std::vector<Input>& inputs, const std::vector<std::string_view>& operands,
                              const Options& parsed)
{
    std::vector<Input> places = operandInputs(caseModeOf(parsed.mode), parsed.input);
    if (parsed.sweeps.empty() || operands.size() > inputs.size() ||
        operands.size() < static_cast<std::size_t>(std::ranges::count_if(places, [](Input p) { return p != Input::Er; })))
        return {};
    for (std::size_t k = 0; k < operands.size() && k < places.size(); ++k) {
        if (inputs[k] == places[k])
            continue;
        // S/D and D/d have no option of their own: a sweep of one value names them.
        const std::string key(inputInfo(inputs[k]).key);
        const std::string byName = inputs[k] == Input::Sd || inputs[k] == Input::Dd
                                       ? "--sweep " + key + "=" + std::string(operands[k])
                                       : "--" + key + " " + std::string(operands[k]);
        return "with --sweep " + std::string(inputInfo(places[k]).key) + ", " + inQuotes(operands[k]) +
               " would be read as " + std::string(inputInfo(inputs[k]).operand) + ", not as " +
               std::string(inputInfo(places[k]).operand) + ": give the numbers after a swept one by name (" + byName +
               ")";
    }
    return {};
}

// Options that shape one of model mode's exports, and the option that asks for it.
constexpr std::pair<std::string_view, std::string_view> kExportOptions[] = {
    {"--ports", "--touchstone"}, {"--reference", "--touchstone"}, {"--name", "--spice"}, {"--at", "--spice"}};

// What model mode needs and takes; --freq of the other modes is one frequency.
std::string modelProblem(const std::vector<const OptionRow*>& given, Options& parsed)
{
    ModelSettings& model = parsed.model;
    if (parsed.mode != Mode::Model) {
        if (isFrequencySet(model.frequencies))
            return "--freq " + inQuotes(model.frequencies) + ": one frequency here - a list or a range is model mode's";
        model.frequencies.clear();
        return {};
    }
    if (parsed.batch || !parsed.sweeps.empty())
        return "model writes one cross-section: not with --batch or --sweep";
    if (model.touchstone.empty() && model.spice.empty() && !model.rlgc)
        return "model needs something to write: --touchstone FILE, --spice FILE or --rlgc";
    const auto isGiven = [&](std::string_view name) {
        return std::ranges::find(given, name, &OptionRow::name) != given.end();
    };
    for (const auto& [option, exportOption] : kExportOptions)
        if (isGiven(option) && !isGiven(exportOption))
            return std::string(option) + " applies with " + std::string(exportOption) + " only";
    if (!model.touchstone.empty()) {
        const TouchstonePaths paths = touchstonePaths(model.touchstone);
        if (model.spice == paths.fourPort || model.spice == paths.twoPort)
            return "--spice " + inQuotes(model.spice) + ": --touchstone writes that file - name another";
    }
    if ((parsed.json || parsed.csv) && !model.rlgc)
        return "--json and --csv format the --rlgc table";
    if (!hasWire(parsed.input))
        return "model needs the wire's size for its resistance: give --d or --awg (or the dimensions)";
    if (model.frequencies.empty())
        return "model needs the frequencies: --freq F, a list F1,F2, START:STOP:STEP or START:STOP/N";
    if (std::string problem = modelFrequencies(model.frequencies, model.frequencyValues); !problem.empty())
        return "--freq " + inQuotes(model.frequencies) + ": " + problem;
    return {};
}

std::string readOperands(std::vector<std::string_view> operands, const std::vector<const OptionRow*>& given,
                         Options& parsed)
{
    if (operands.empty())
        return "missing mode (" + modeChoice(kModes) + ")";
    const auto mode = std::ranges::find(kModes, operands[0], modeName);
    if (mode == kModes.end())
        return "unknown mode " + inQuotes(operands[0]) + " (" + modeChoice(kModes) + ")";
    parsed.mode = *mode;
    if (const OptionRow* option = optionOutsideMode(parsed.mode, given))
        return std::string(option->name) + " applies to " + modeChoice(option->modes) + " mode only";
    if (parsed.json && parsed.csv)
        return "--json and --csv: choose one";
    if (std::string problem = sweepProblem(parsed); !problem.empty())
        return problem;
    if (std::string problem = modelProblem(given, parsed); !problem.empty())
        return problem;
    const bool varied = parsed.mode == Mode::Sensitivity || parsed.mode == Mode::Tolerance;
    if (varied && (parsed.batch || !parsed.sweeps.empty()))
        return std::string(modeName(parsed.mode)) + " varies one cross-section: not with --batch or --sweep";
    if (varied && parsed.csv && parsed.mode == Mode::Sensitivity)
        return "sensitivity writes text or JSON (--json), not CSV";

    operands.erase(operands.begin());
    const CaseInput byOptions = withSweeps(parsed.input, parsed.sweeps);
    if (parsed.batch) {
        if (!operands.empty())
            return "unexpected " + inQuotes(operands[0]) + ": --batch reads the cases from standard input";
        if (!parsed.solve.traceFile.empty())
            return "--trace cannot be used with --batch";
        // The lines give the operands' numbers; what the options give must
        // make a case with them.
        return completeCase(withOperandStandIns(caseModeOf(parsed.mode), byOptions), parsed);
    }
    // More operands than the options leave room for are read as the plain
    // numbers, so that the form check can say what they are mixed with;
    // where the targets by name set both modes, they are extra numbers.
    std::vector<Input> inputs = operandInputs(caseModeOf(parsed.mode), byOptions);
    const bool targetsComplete = byTargets(byOptions) && targetProblem(byOptions).empty();
    if (operands.size() > inputs.size() && !targetsComplete)
        inputs = plainOperands(caseModeOf(parsed.mode), byOptions);
    // A design takes its targets and dimensions by name only.
    if (!parsed.solve.solveFor.empty())
        inputs.clear();
    if (std::string problem = sweepShiftProblem(inputs, operands, parsed); !problem.empty())
        return problem;
    if (std::string problem = readCase(inputs, operands, parsed.input); !problem.empty())
        return problem;
    if (std::string problem = completeCase(withSweeps(parsed.input, parsed.sweeps), parsed); !problem.empty())
        return problem;
    // A single cable's values are the command line's, and wrong ones a bad
    // argument; a sweep's cases each say what is wrong with them.
    if (varied) {
        if (std::string problem = variationProblem(parsed.mode == Mode::Tolerance, parsed.input, parsed.variation);
            !problem.empty())
            return problem;
    }
    if (parsed.sweeps.empty() && isAsymmetricCase(parsed.input))
        return sectionProblem(caseSection(parsed.input, parsed.solve).section);
    if (parsed.sweeps.empty() && isCableCase(parsed.input, parsed.solve))
        return cableValueProblem(cableOf(parsed.input, parsed.solve));
    return {};
}

}  // namespace

std::string parseArgs(const std::vector<std::string>& args, Options& options)
{
    Options parsed;
    std::vector<std::string_view> operands;
    std::vector<const OptionRow*> given;  // checked against the mode once it is known
    std::string problem;                   // the first; kept until --help and --version have had their say
    bool optionsEnded = false;             // by "--"; what follows are operands, whatever they look like
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        // A single dash starts a negative number, unless the word is an
        // option's short form.
        const bool isOption = arg.starts_with("--") || (arg.size() == 2 && findOption(arg) != nullptr);
        if (optionsEnded || !isOption)
            operands.push_back(arg);
        else if (arg == "--")
            optionsEnded = true;
        else if (std::string found = readOption(args, i, parsed, given); problem.empty())
            problem = std::move(found);
    }
    if (parsed.action != Options::Action::Calculate) {
        options = Options{};
        options.action = parsed.action;
        return {};
    }
    if (problem.empty())
        problem = readOperands(std::move(operands), given, parsed);
    if (problem.empty())
        options = parsed;
    return problem;
}
