#include "Args.h"

#include <charconv>

#include "NumberText.h"

const std::string_view kUsage =
    "usage: duvane-calc impedance SD DD [ER] [--decimals N] [--english] [--json]\n"
    "       duvane-calc shape ZE ZO [ER] [--width OHM] [--limit N] [--trace FILE]\n"
    "                   [--decimals N] [--english] [--json]\n"
    "       duvane-calc impedance|shape --batch [options] < cases\n"
    "       duvane-calc --help | --version\n";

const std::string_view kHelp =
    "duvane-calc: impedances and shape of shielded twin-core cable, two round inner\n"
    "conductors of diameter d, their centres S apart, in a round shield of inner\n"
    "diameter D, filled with a dielectric of relative permittivity ER.\n"
    "\n"
    "Modes:\n"
    "  impedance SD DD [ER]  Ze and Zo (ohm) from S/D and D/d in the dielectric ER\n"
    "                        (default 1), with Zdiff = 2 Zo and Zcm = Ze / 2\n"
    "  shape ZE ZO [ER]      S/D and D/d for the wanted Ze > Zo (ohm) in ER, and the\n"
    "                        calculation count of the solve\n"
    "\n"
    "Options:\n"
    "  --decimals N  digits after the point in the results, 1 to 5 (default 3);\n"
    "                JSON always carries full precision\n"
    "  --english     the calculator's messages in English (default Japanese)\n"
    "  --json        one JSON object instead of text\n"
    "  --width OHM   shape: convergence width, for Er = 1 (default 0.01)\n"
    "  --limit N     shape: largest calculation count (default 1000)\n"
    "  --trace FILE  shape: write the trace of the solve to FILE\n"
    "  --batch       read one case per line from standard input and write one JSON\n"
    "                object per line\n"
    "  --help, --version\n"
    "\n"
    "Numbers: spaces around, an optional sign, digits with an optional \".\", an\n"
    "optional exponent (2.5e-1); nothing else.\n"
    "\n"
    "Batch input: the mode's two or three numbers per line, separated by commas or\n"
    "blanks; blank lines and lines starting with # are skipped. Each output object\n"
    "starts with \"line\", the input line number. A line that cannot be read, or a\n"
    "case that fails, gives an object with \"error\", and the run goes on.\n"
    "\n"
    "JSON fields:\n"
    "  impedance  sd dd er ze zo zdiff zcm\n"
    "  shape      ze zo er width limit sd dd count status\n"
    "  A failed case has \"error\" in place of the results.\n"
    "\n"
    "Exit status:\n"
    "  0  success; with --batch: all input was read, even when some cases failed\n"
    "  1  the calculation failed, the trace file could not be written, or standard\n"
    "     input could not be read\n"
    "  2  a bad or missing argument\n";

namespace {

std::string quoted(std::string_view text)
{
    std::string out(1, '"');
    out += text;
    out += '"';
    return out;
}

bool parseInt(std::string_view text, int& value)
{
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

}  // namespace

std::string parseArgs(const std::vector<std::string>& args, Options& options)
{
    Options parsed;
    std::vector<std::string_view> positional;
    std::string_view shapeOption;  // last option that only shape mode takes
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (!arg.starts_with("--")) {
            positional.push_back(arg);
            continue;
        }
        std::string_view name = arg;
        std::string_view value;
        bool hasValue = false;
        if (auto eq = arg.find('='); eq != std::string_view::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
            hasValue = true;
        }
        auto takeValue = [&]() {
            if (!hasValue && i + 1 < args.size()) {
                value = args[++i];
                hasValue = true;
            }
            return hasValue;
        };

        if (name == "--help" || name == "--version" || name == "--english" || name == "--json" ||
            name == "--batch") {
            if (hasValue)
                return std::string(name) + " takes no value";
            if (name == "--help" || name == "--version") {
                options = Options{};
                options.action = name == "--help" ? Options::Action::Help : Options::Action::Version;
                return {};
            }
            if (name == "--english")
                parsed.solve.english = true;
            else if (name == "--json")
                parsed.json = true;
            else
                parsed.batch = true;
        } else if (name == "--decimals" || name == "--width" || name == "--limit" || name == "--trace") {
            if (!takeValue())
                return "missing value for " + std::string(name);
            if (name == "--decimals") {
                if (!parseInt(value, parsed.decimals) || parsed.decimals < 1 || parsed.decimals > 5)
                    return "--decimals must be an integer from 1 to 5: " + quoted(value);
            } else if (name == "--width") {
                if (!parseNumber(value, parsed.solve.width) || !(parsed.solve.width > 0))
                    return "--width must be a positive number: " + quoted(value);
            } else if (name == "--limit") {
                if (!parseInt(value, parsed.solve.limit))
                    return "--limit must be an integer: " + quoted(value);
            } else {
                if (value.empty())
                    return "--trace needs a file name";
                parsed.solve.traceFile = value;
            }
            if (name != "--decimals")
                shapeOption = name;
        } else {
            return "unknown option " + quoted(arg);
        }
    }

    if (positional.empty())
        return "missing mode (impedance or shape)";
    if (positional[0] == "impedance")
        parsed.mode = Mode::Impedance;
    else if (positional[0] == "shape")
        parsed.mode = Mode::Shape;
    else
        return "unknown mode " + quoted(positional[0]) + " (impedance or shape)";
    if (parsed.mode == Mode::Impedance && !shapeOption.empty())
        return std::string(shapeOption) + " applies to shape mode only";

    positional.erase(positional.begin());
    if (parsed.batch) {
        if (!positional.empty())
            return "unexpected " + quoted(positional[0]) + ": --batch reads the cases from standard input";
        if (!parsed.solve.traceFile.empty())
            return "--trace cannot be used with --batch";
    } else if (std::string problem = readCase(parsed.mode, positional, parsed.input); !problem.empty()) {
        return problem;
    }
    options = parsed;
    return {};
}
