#include "commandline/OptionTable.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "NumberText.h"
#include "output/Quoted.h"

namespace {

constexpr Mode kShapeOnly[] = {Mode::Shape};
constexpr Mode kImpedanceOnly[] = {Mode::Impedance};

std::string mustBe(std::string_view what)
{
    return "must be " + std::string(what);
}

NumberParse parseInt(std::string_view text, int& value)
{
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ptr != end)
        return NumberParse::NotANumber;
    if (ec == std::errc::result_out_of_range)
        return NumberParse::OutOfRange;
    return ec == std::errc() ? NumberParse::Ok : NumberParse::NotANumber;
}

// The bounds are the range, so every value outside them gets the same words;
// one beyond an int is out of range, as a number beyond a double is.
std::string readInteger(std::string_view text, int low, int high, int& value)
{
    int read = 0;
    const NumberParse parsed = parseInt(text, read);
    const std::string range = std::to_string(low) + " to " + std::to_string(high);
    if (parsed == NumberParse::OutOfRange)
        return "out of range (" + range + ")";
    if (parsed != NumberParse::Ok || read < low || read > high)
        return mustBe("an integer from " + range);
    value = read;
    return {};
}

std::string readPositive(std::string_view text, double& value)
{
    const NumberParse parsed = parseNumberText(text, value);
    if (parsed == NumberParse::OutOfRange)
        return "out of range";
    return parsed == NumberParse::Ok && value > 0 ? std::string() : mustBe("a positive number");
}

std::string readFileName(std::string_view text, std::string& name)
{
    if (text.empty())
        return "needs a file name";
    name = text;
    return {};
}

std::string readMethod(std::string_view text, Method& method)
{
    for (const Method candidate : {Method::FiveCharge, Method::Converged}) {
        if (text == methodName(candidate)) {
            method = candidate;
            return {};
        }
    }
    return mustBe(std::string(methodName(Method::FiveCharge)) + " or " + std::string(methodName(Method::Converged)));
}

// An option that gives an input: its name, its modes and its value's name are the input's.
OptionRow inputOption(Input input, std::string_view help)
{
    const InputInfo& info = inputInfo(input);
    return {info.option, "", info.valueName, info.modes, help, input};
}

std::string addSweep(std::string_view text, Options& options)
{
    SweptInput sweep;
    if (std::string problem = readSweep(text, sweep); !problem.empty())
        return problem;
    options.sweeps.push_back(std::move(sweep));
    return {};
}

std::string setTrue(bool& flag)
{
    flag = true;
    return {};
}

std::string raiseAction(Options::Action& action, Options::Action wanted)
{
    action = std::max(action, wanted);
    return {};
}

const OptionRow kOptions[] = {
    {"--decimals", "", "N", kModes,
     "digits after the point in the text results, an integer from 1 to 5 (default 3); JSON and CSV always carry "
     "full precision",
     std::nullopt, [](std::string_view value, Options& options) { return readInteger(value, 1, 5, options.decimals); }},
    {"--english", "", "", kModes, "the calculator's messages in English (default Japanese)",
     std::nullopt, [](std::string_view, Options& options) { return setTrue(options.solve.english); }},
    {"--json", "", "", kModes, "one JSON object per case instead of text (see JSON output); not with --csv",
     std::nullopt, [](std::string_view, Options& options) { return setTrue(options.json); }},
    {"--csv", "", "", kModes,
     "CSV instead of text or JSON, for a single case, a batch and a sweep alike: a header row naming each column "
     "with its unit (ze_ohm, c_even_pF_per_m), then one row per case, an error in the last column",
     std::nullopt, [](std::string_view, Options& options) { return setTrue(options.csv); }},
    {"--method", "", "NAME", kModes,
     "which model calculates, in both modes: five-charge (default), the calculator of the window, five line "
     "charges in each core; converged, the converged field solution (multipoles with their images in the "
     "shield), within a relative 1e-9 wherever both gaps, core to core and core to shield, are at least 0.01 "
     "core radii, with its own error bound. A converged shape solve starts from the five-charge answer",
     std::nullopt, [](std::string_view value, Options& options) { return readMethod(value, options.solve.method); }},
    {"--compare", "", "", kImpedanceOnly,
     "the other method's Ze and Zo beside the chosen one's, and the five-charge deviation, five-charge / "
     "converged - 1 (signed, in percent; a ratio in JSON); where the converged solver cannot reach the shape, "
     "the five-charge result still prints and the run exits 1",
     std::nullopt, [](std::string_view, Options& options) { return setTrue(options.solve.compare); }},
    inputOption(Input::ShieldDiameter,
                "the shield's inner diameter D; with --S and --d (or --awg) in place of SD DD. Dimensions and "
                "ratios together, or a dimension missing, are a bad argument"),
    inputOption(Input::Spacing, "the distance S between the cores' centres; with --D and --d (or --awg)"),
    inputOption(Input::WireDiameter,
                "the cores' diameter d: with --D and --S it gives the shape; with S/D and D/d, or in shape mode, "
                "it adds D and S (mm) to the results"),
    inputOption(Input::Awg,
                "the cores as solid wire of AWG SIZE, 0000 (or 4/0), 000 (3/0), 00 (2/0), 0 (1/0), 1 to 40, in place "
                "of --d: d = 0.127 mm x 92^((36 - n)/39), n = 0 for size 0 and -3 for 0000"),
    inputOption(Input::Frequency,
                "the loss at FREQ (Hz, kHz, MHz or GHz; a bare number is Hz): alpha_diff and alpha_cm, the "
                "attenuation of the differential and the common mode (dB/m, conductors and dielectric together), "
                "alpha_d, the dielectric's part, and the skin depth (um). The conductors' part follows the "
                "incremental-inductance rule on the converged model, whatever --method says; it needs the wire's "
                "size (--d, --awg or the dimensions). Where the loss cannot be had (a gap too narrow for the "
                "converged solver, or too low a frequency) the case fails with the reason"),
    inputOption(Input::LossTangent, "the dielectric's loss tangent, with --freq (default 0)"),
    inputOption(Input::Conductivity,
                "the conductors' conductivity in S/m, with --freq (default 5.8e7, copper)"),
    inputOption(Input::Zdiff,
                "the wanted differential impedance, Zdiff = 2 Zo; with --zcm (or --ze) in place of ZE ZO"),
    inputOption(Input::Zcm,
                "the wanted common-mode impedance, Zcm = Ze / 2; with --zdiff (or --zo) in place of ZE ZO"),
    inputOption(Input::Ze, "the wanted Ze, with --zdiff"),
    inputOption(Input::Zo,
                "the wanted Zo, with --zcm. A mode set twice (Ze and Zcm, or Zo and Zdiff) or not at all is a "
                "bad argument"),
    {"--width", "", "OHM", kShapeOnly, "the convergence width of the solve in ohms, for Er = 1 (default 0.01)",
     std::nullopt,
     [](std::string_view value, Options& options) { return readDecimal(readPositive, value, options.solve.width); }},
    {"--limit", "", "N", kShapeOnly,
     "the largest calculation count of the solve, an integer from 1 up (default 1000); a solve that runs past it fails with a message "
     "that suggests raising --limit or widening --width",
     std::nullopt,
     [](std::string_view value, Options& options) {
         return readInteger(value, 1, std::numeric_limits<int>::max(), options.solve.limit);
     }},
    {"--trace", "", "FILE", kShapeOnly,
     "write the trace of the solve to FILE: the targets, a line of column names, then one line of tab-separated "
     "values per step. When the file cannot be written the results still print, a message goes to standard "
     "error and the exit status is 1. Not with --batch or --sweep",
     std::nullopt, [](std::string_view value, Options& options) { return readFileName(value, options.solve.traceFile); }},
    {"--batch", "", "", kModes,
     "read one case per line from standard input and write one JSON object (or, with --csv, a CSV row) per case "
     "(see Batch input); the mode then takes no numbers on the command line",
     std::nullopt, [](std::string_view, Options& options) { return setTrue(options.batch); }},
    {"--sweep", "", "NAME=VALUES", kModes,
     "every combination of the swept inputs' values, one JSON object per case with its inputs, the last --sweep "
     "varying fastest. NAME is an input as JSON names it (impedance: sd dd er, D d S awg, freq tand sigma; "
     "shape: ze zo zdiff zcm er, d awg); VALUES a list 3,4,6,8 or a range start:stop:step (0.1:0.9:0.05), "
     "each value as the input takes it (1mm:2mm:0.1mm). A swept input is not given otherwise",
     std::nullopt, [](std::string_view value, Options& options) { return addSweep(value, options); }, true},
    {"--help", "-h", "", kModes, "this text, whatever else is given",
     std::nullopt, [](std::string_view, Options& options) { return raiseAction(options.action, Options::Action::Help); }},
    {"--version", "", "", kModes, "the program's version, whatever else is given but --help",
     std::nullopt, [](std::string_view, Options& options) { return raiseAction(options.action, Options::Action::Version); }},
};

}  // namespace

std::span<const OptionRow> optionTable()
{
    return kOptions;
}

const OptionRow* findOption(std::string_view name)
{
    const auto* found = std::ranges::find_if(
        kOptions, [&](const OptionRow& option) { return option.name == name || option.shortName == name; });
    return found == std::ranges::end(kOptions) ? nullptr : found;
}

std::string applyOption(const OptionRow& option, std::string_view value, Options& options)
{
    if (!option.input)
        return option.set(value, options);
    double read = 0;
    if (std::string problem = readInput(*option.input, value, read); !problem.empty())
        return problem;
    options.input.set(*option.input, read);
    return {};
}
