#include "commandline/OptionTable.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "NumberText.h"
#include "output/Quoted.h"

namespace {

constexpr Mode kShapeOnly[] = {Mode::Shape};
constexpr Mode kImpedanceOnly[] = {Mode::Impedance};

std::string mustBe(std::string_view what, std::string_view value)
{
    return "must be " + std::string(what) + ": " + inQuotes(value);
}

// `range` says what the range is, after a blank; empty: the range of a double.
std::string outOfRange(std::string_view range, std::string_view value)
{
    return "is out of range" + std::string(range) + ": " + inQuotes(value);
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

std::string readInteger(std::string_view text, int& value)
{
    const NumberParse parsed = parseInt(text, value);
    if (parsed == NumberParse::OutOfRange)
        return outOfRange(" (" + std::to_string(std::numeric_limits<int>::min()) + " to " +
                              std::to_string(std::numeric_limits<int>::max()) + ")",
                          text);
    return parsed == NumberParse::Ok ? std::string() : mustBe("an integer", text);
}

// The bounds are the range, so every value outside them gets the same words.
std::string readInteger(std::string_view text, int low, int high, int& value)
{
    if (parseInt(text, value) == NumberParse::Ok && value >= low && value <= high)
        return {};
    return mustBe("an integer from " + std::to_string(low) + " to " + std::to_string(high), text);
}

std::string readPositive(std::string_view text, double& value)
{
    const NumberParse parsed = parseNumberText(text, value);
    if (parsed == NumberParse::OutOfRange)
        return outOfRange("", text);
    return parsed == NumberParse::Ok && value > 0 ? std::string() : mustBe("a positive number", text);
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
    return mustBe(std::string(methodName(Method::FiveCharge)) + " or " + std::string(methodName(Method::Converged)),
                  text);
}

// The value of an input of the case, read as the input reads it: "--D
// \"4cm\": not a length (...)".
std::string setInput(Input input, std::string_view text, Options& options)
{
    double value = 0;
    if (std::string problem = inputInfo(input).read(text, value); !problem.empty())
        return inQuotes(text) + ": " + problem;
    options.input.set(input, value);
    return {};
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

constexpr OptionRow kOptions[] = {
    {"--decimals", "", "N", kModes,
     "digits after the point in the results, 1 to 5 (default 3); JSON always carries full precision",
     [](std::string_view value, Options& options) { return readInteger(value, 1, 5, options.decimals); }},
    {"--english", "", "", kModes, "the calculator's messages in English (default Japanese)",
     [](std::string_view, Options& options) { return setTrue(options.solve.english); }},
    {"--json", "", "", kModes, "one JSON object instead of text",
     [](std::string_view, Options& options) { return setTrue(options.json); }},
    {"--csv", "", "", kModes,
     "CSV instead of text or JSON, also with --batch and --sweep: a header row naming each column with its unit "
     "(ze_ohm, c_even_pF_per_m), then one row per case, an error in the last column",
     [](std::string_view, Options& options) { return setTrue(options.csv); }},
    {"--method", "", "NAME", kModes,
     "five-charge (default): the calculator of the window; converged: the converged field solution, to a "
     "relative 1e-9 where both gaps are at least 0.01 core radii",
     [](std::string_view value, Options& options) { return readMethod(value, options.solve.method); }},
    {"--compare", "", "", kImpedanceOnly,
     "both methods and the five-charge deviation from the converged solution; exit 1 where the converged "
     "solver cannot reach the shape",
     [](std::string_view, Options& options) { return setTrue(options.solve.compare); }},
    {"--D", "", "LENGTH", kImpedanceOnly,
     "the shield's inner diameter D; with --S and --d (or --awg) in place of SD DD",
     [](std::string_view value, Options& options) { return setInput(Input::ShieldDiameter, value, options); }},
    {"--S", "", "LENGTH", kImpedanceOnly, "the distance S between the cores' centres; with --D and --d (or --awg)",
     [](std::string_view value, Options& options) { return setInput(Input::Spacing, value, options); }},
    {"--d", "", "LENGTH", kModes,
     "the cores' diameter d: with --D and --S it gives the shape; with S/D and D/d, or in shape mode, it adds D "
     "and S (mm) to the results",
     [](std::string_view value, Options& options) { return setInput(Input::WireDiameter, value, options); }},
    {"--awg", "", "SIZE", kModes, "the cores as solid wire of AWG SIZE, 0000 (or 4/0) to 40, in place of --d",
     [](std::string_view value, Options& options) { return setInput(Input::Awg, value, options); }},
    {"--freq", "", "FREQ", kImpedanceOnly,
     "the loss at FREQ (Hz, kHz, MHz or GHz; a bare number is Hz): alpha_diff and alpha_cm, the differential "
     "and common mode's (dB/m, conductors and dielectric), alpha_d, the dielectric's part, and the skin depth. "
     "Always on the converged model, whatever --method says; needs the wire's size (--d, --awg or the "
     "dimensions)",
     [](std::string_view value, Options& options) { return setInput(Input::Frequency, value, options); }},
    {"--tand", "", "TAN", kImpedanceOnly, "the dielectric's loss tangent, with --freq (default 0)",
     [](std::string_view value, Options& options) { return setInput(Input::LossTangent, value, options); }},
    {"--sigma", "", "S/M", kImpedanceOnly, "the conductors' conductivity in S/m, with --freq (default 5.8e7, copper)",
     [](std::string_view value, Options& options) { return setInput(Input::Conductivity, value, options); }},
    {"--zdiff", "", "OHM", kShapeOnly,
     "the wanted differential impedance, Zdiff = 2 Zo; with --zcm (or --ze) in place of ZE ZO",
     [](std::string_view value, Options& options) { return setInput(Input::Zdiff, value, options); }},
    {"--zcm", "", "OHM", kShapeOnly,
     "the wanted common-mode impedance, Zcm = Ze / 2; with --zdiff (or --zo) in place of ZE ZO",
     [](std::string_view value, Options& options) { return setInput(Input::Zcm, value, options); }},
    {"--ze", "", "OHM", kShapeOnly, "the wanted Ze, with --zdiff",
     [](std::string_view value, Options& options) { return setInput(Input::Ze, value, options); }},
    {"--zo", "", "OHM", kShapeOnly, "the wanted Zo, with --zcm",
     [](std::string_view value, Options& options) { return setInput(Input::Zo, value, options); }},
    {"--width", "", "OHM", kShapeOnly, "convergence width, for Er = 1 (default 0.01)",
     [](std::string_view value, Options& options) { return readPositive(value, options.solve.width); }},
    {"--limit", "", "N", kShapeOnly, "largest calculation count (default 1000)",
     [](std::string_view value, Options& options) { return readInteger(value, options.solve.limit); }},
    {"--trace", "", "FILE", kShapeOnly, "write the trace of the solve to FILE",
     [](std::string_view value, Options& options) { return readFileName(value, options.solve.traceFile); }},
    {"--batch", "", "", kModes,
     "read one case per line from standard input and write one JSON object (or, with --csv, a CSV row) per case",
     [](std::string_view, Options& options) { return setTrue(options.batch); }},
    {"--sweep", "", "NAME=VALUES", kModes,
     "every combination of the swept inputs' values, one JSON object per case with its inputs, the last --sweep "
     "varying fastest. NAME is an input as JSON names it (impedance: sd dd er, D d S awg, freq tand sigma; "
     "shape: ze zo zdiff zcm er, d awg); VALUES a list 3,4,6,8 or a range start:stop:step (0.1:0.9:0.05), "
     "each value as the input takes it (1mm:2mm:0.1mm). A swept input is not given otherwise",
     [](std::string_view value, Options& options) { return addSweep(value, options); }},
    {"--help", "-h", "", kModes, "this text, whatever else is given",
     [](std::string_view, Options& options) { return raiseAction(options.action, Options::Action::Help); }},
    {"--version", "", "", kModes, "the program's version, whatever else is given but --help",
     [](std::string_view, Options& options) { return raiseAction(options.action, Options::Action::Version); }},
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
