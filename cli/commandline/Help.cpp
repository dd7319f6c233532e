#include "commandline/Help.h"

#include <algorithm>
#include <cctype>

#include "commandline/OptionTable.h"

const std::string_view kUsage =
    "usage: duvane-calc impedance SD DD [ER] [options]\n"
    "       duvane-calc impedance --D LENGTH --S LENGTH --d LENGTH [ER] [options]\n"
    "       duvane-calc shape ZE ZO [ER] [options]\n"
    "       duvane-calc shape --zdiff OHM --zcm OHM [ER] [options]\n"
    "       duvane-calc sensitivity SD DD [ER] --d LENGTH [options]\n"
    "       duvane-calc sensitivity --D LENGTH --S LENGTH --d LENGTH [ER] [options]\n"
    "       duvane-calc tolerance SD DD [ER] --d LENGTH --tol NAME=SPREAD... [opts]\n"
    "       duvane-calc tolerance --D LENGTH --S LENGTH --d LENGTH [ER]\n"
    "                 --tol NAME=SPREAD... [--samples N] [--seed K]\n"
    "                 [--zdiff-window LOW:HIGH] [--skew-max PS]\n"
    "                 [--scd21-max DB@FREQ] [options]\n"
    "       duvane-calc model SD DD [ER] --d LENGTH --freq FREQS\n"
    "                 --touchstone FILE | --spice FILE | --rlgc [options]\n"
    "       duvane-calc impedance|shape --batch [options] < cases\n"
    "       duvane-calc impedance|shape --sweep NAME=VALUES... [NUMBERS] [options]\n"
    "       duvane-calc -h | --help | --version\n";

const std::string_view kUsageLine =
    "usage: duvane-calc impedance|shape|sensitivity|tolerance|model NUMBERS... [options]\n";

const std::string_view kHelpHint = "try duvane-calc --help\n";

namespace {

const std::string_view kAbout =
    "duvane-calc: impedances and shape of shielded twin-core cable, two round inner\n"
    "conductors of diameter d, their centres S apart, in a round shield of inner\n"
    "diameter D, filled with a dielectric of relative permittivity ER.\n"
    "\n"
    "Modes:\n"
    "  impedance SD DD [ER]  Ze and Zo (ohm) from S/D and D/d in the dielectric ER\n"
    "                        (default 1), with Zdiff = 2 Zo and Zcm = Ze / 2; or\n"
    "                        from the dimensions --D, --S and --d (or --awg) in\n"
    "                        place of SD DD, with S/D and D/d among the results\n"
    "  shape ZE ZO [ER]      S/D and D/d for the wanted Ze > Zo (ohm) in ER, and the\n"
    "                        calculation count of the solve; or for the targets\n"
    "                        --zdiff and --zcm (or one with --ze or --zo)\n"
    "  With the wire (--d or --awg) but not the dimensions, D and S (mm) are among\n"
    "  the results.\n"
    "  sensitivity ...       the change of Zdiff, Zcm and the skew (ohm, ps/m; with\n"
    "                        --freq also |Scd21|) per unit of each length (mm) and\n"
    "                        permittivity the case gives, on the field solver, by\n"
    "                        checked central differences, ranked; --json keys them\n"
    "                        by the input's name, each with its error\n"
    "  tolerance ...         random cables about the case, each input of --tol\n"
    "                        drawn normal (NAME=SIGMA) or uniform (NAME=+-HALF):\n"
    "                        mean, sd and percentiles of every result and the yield\n"
    "                        within the limits, with its 95 % Wilson interval;\n"
    "                        --json one object, --csv every sample\n"
    "  model ...             the line of --length (default 1 m) for a circuit\n"
    "                        simulator: a Touchstone .s4p and its differential\n"
    "                        .s2p, an ngspice subcircuit, or R, L, G, C per metre\n"
    "                        (--rlgc); --freq a list of frequencies (0 for DC),\n"
    "                        START:STOP:STEP ranges and START:STOP/N log sweeps\n"
    "                        (N points a decade); a frequency above the quasi-TEM\n"
    "                        limit, which every file states, is warned of\n"
    "  An asymmetric cable (--d2, --sleeve2, --er-sleeve2, --offset, --pair-offset)\n"
    "  adds c22, l22, zdc (the coupling of the modes in the impedance matrix),\n"
    "  skew_intra and, with --freq, scd21 and sdc21 (dB) of --length of line.\n"
    "\n"
    "Per metre, every impedance result also gives one conductor's capacitance and\n"
    "inductance in the even mode (both conductors driven alike against the\n"
    "shield) and in the odd mode (driven in opposition): C even, C odd (pF/m),\n"
    "L even, L odd (nH/m); and, the same in both modes, the velocity factor\n"
    "1/sqrt(ER) and the delay (ns/m).\n"
    "\n"
    "Options, each given once (--sweep once per input; twice is an error),\n"
    "anywhere among the operands, as --name VALUE or --name=VALUE; every word\n"
    "after -- is an operand:\n";

const std::string_view kAfterOptions =
    "\n"
    "Numbers: spaces around, an optional sign, digits with an optional \".\", an\n"
    "optional exponent (2.5e-1); nothing else. A number too large or too close to\n"
    "0 for a double (1e400, 1e-400) is out of range; \"0,5\" is refused, \".\" being\n"
    "the decimal point. A length is a number with mm, um (or µm, μm), m, in or mil\n"
    "(0.51mm, 0.51 mm); a bare number is mm.\n"
    "\n"
    "Batch input: per line the numbers the operands would give (SD DD [ER],\n"
    "ZE ZO [ER], or only [ER] with the dimensions or the targets), separated by\n"
    "commas or blanks; blank lines and lines starting with # are skipped, and so\n"
    "is a UTF-8 byte-order mark at the start. Each output object starts with\n"
    "\"line\", the input line number. A line that cannot be read, or a case that\n"
    "fails, gives an object with \"error\", and the run goes on. A first line of\n"
    "words, a CSV file's header, names the columns by their JSON keys (sd,er,dd;\n"
    "D,S,d,er) or duvane-calc's CSV columns (D_mm); a spreadsheet's semicolons\n"
    "and decimal commas (0,5;5,83;2,25) are read as such.\n"
    "\n"
    "CSV: a header row, then one row per case; the columns are the JSON fields,\n"
    "each with its unit after an underscore (ze_ohm, c_even_pF_per_m), and error\n"
    "last.\n"
    "\n"
    "JSON fields:\n"
    "  impedance  sd dd er ze zo zdiff zcm c_even c_odd l_even l_odd vf delay\n"
    "             by dimensions: D d S er sd dd ze zo ...\n"
    "             with --freq: freq tand sigma after er; alpha_diff alpha_cm\n"
    "             alpha_d skin_depth last\n"
    "  shape      ze zo er width limit sd dd count\n"
    "             by targets: zdiff zcm (or ze zo as given) er width limit ...\n"
    "  Lengths are in mm. The wire's d (after awg, with --awg) stands before er;\n"
    "  D and S, where the wire gives them, follow dd in shape mode and lead the\n"
    "  results in impedance mode.\n"
    "  A batch's objects start with \"line\"; a sweep's are those of its cases.\n"
    "  A failed case has \"error\" in place of the results. line, limit and count\n"
    "  are integers, written without exponent.\n"
    "\n"
    "Examples:\n"
    "  A cable from its drawing in millimetres, in PTFE, with its loss at 1 GHz:\n"
    "    $ duvane-calc impedance --D 4.2mm --S 1.4mm --d 0.51mm 2.1 \\\n"
    "        --freq 1GHz --tand 0.0002\n"
    "    S/D = 0.333\n"
    "    D/d = 8.235\n"
    "    ...\n"
    "    Zdiff = 121.519 ohm\n"
    "    Zcm   = 51.006 ohm\n"
    "    ...\n"
    "    Loss diff            = 0.423 dB/m\n"
    "    Loss cm              = 0.316 dB/m\n"
    "    ...\n"
    "  The shape for Zdiff 100 ohm and Zcm 40 ohm in PTFE, with 24 AWG cores:\n"
    "    $ duvane-calc shape --zdiff 100 --zcm 40 2.1 --awg 24\n"
    "    S/D   = 0.392\n"
    "    D/d   = 5.871\n"
    "    D     = 2.997 mm\n"
    "    S     = 1.175 mm\n"
    "    Count = 28\n"
    "\n"
    "Exit status:\n"
    "  0  success; with --batch: all input was read, even when some cases failed;\n"
    "     with --sweep: all cases ran, even when some failed\n"
    "  1  the calculation failed, the trace file could not be written, standard\n"
    "     input could not be read, or standard output could not be written\n"
    "  2  a bad or missing argument\n";

constexpr std::size_t kLineWidth = 79;

// `text` broken at blanks into lines of at most kLineWidth characters. The
// first line continues one already filled up to `column`; the others are
// indented to it.
std::string wrapped(std::string_view text, std::size_t column)
{
    std::string out;
    std::size_t length = column;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        const std::string_view word = text.substr(start, end - start);
        if (length > column && length + 1 + word.size() > kLineWidth) {
            out += '\n';
            out.append(column, ' ');
            length = column;
        } else if (length > column) {
            out += ' ';
            ++length;
        }
        out += word;
        length += word.size();
        start = end + 1;
    }
    return out + '\n';
}

std::string label(const OptionRow& option)
{
    std::string text;
    if (!option.shortName.empty())
        text.append(option.shortName).append(", ");
    text += option.name;
    if (!option.valueName.empty())
        text.append(" ").append(option.valueName);
    return text;
}

// What the option does; an option that not every mode accepts says which do.
std::string description(const OptionRow& option)
{
    std::string text(option.help);
    if (option.modes.size() < kModes.size())
        text = modeChoice(option.modes) + " mode: " + text;
    return text;
}

// Roff takes a backslash as an escape, a hyphen as a breakable dash, and a
// line that starts with a dot or a quote as a request.
std::string roffText(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    if (!out.empty() && (out[0] == '.' || out[0] == '\''))
        out.insert(0, "\\&");
    return out;
}

// One entry per row of the table, the descriptions in a column of their own.
std::string optionList()
{
    std::size_t labelWidth = 0;
    for (const OptionRow& option : optionTable())
        labelWidth = std::max(labelWidth, label(option).size());
    const std::size_t column = 2 + labelWidth + 2;

    std::string list;
    for (const OptionRow& option : optionTable()) {
        std::string entry = "  " + label(option);
        entry.resize(column, ' ');
        list += entry + wrapped(description(option), column);
    }
    return list;
}

}  // namespace

std::string helpText()
{
    return std::string(kUsage) + '\n' + std::string(kAbout) + optionList() + std::string(kAfterOptions);
}

std::string manualOptionItems()
{
    std::string items;
    for (const OptionRow& option : optionTable()) {
        std::string names(option.name);
        if (!option.shortName.empty())
            names = std::string(option.shortName) + ", " + names;
        items += ".TP\n";
        if (option.valueName.empty())
            items += ".B " + roffText(names) + "\n";
        else
            items += ".BI \"" + roffText(names) + "\" \" " + roffText(option.valueName) + "\"\n";
        std::string text = description(option);
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
        items += roffText(text) + ".\n";
    }
    return items;
}
