#include "commandline/OptionTable.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <limits>
#include <utility>

#include "cases/CableCase.h"
#include "cases/ModelFiles.h"
#include "cases/ModelFrequencies.h"
#include "cases/UnitParsers.h"
#include "NumberText.h"
#include "output/Quoted.h"

namespace {

constexpr Mode kShapeOnly[] = {Mode::Shape};
constexpr Mode kImpedanceOnly[] = {Mode::Impedance};
constexpr Mode kToleranceOnly[] = {Mode::Tolerance};
constexpr Mode kModelOnly[] = {Mode::Model};
// Sensitivity and tolerance always solve the field and give per-metre figures.
constexpr Mode kSingleCaseModes[] = {Mode::Impedance, Mode::Shape};

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

// The .s2p goes beside the .s4p, so the name has room for the one extension only.
std::string readTouchstoneName(std::string_view text, std::string& name)
{
    if (!text.ends_with(kFourPortExtension) && !std::filesystem::path(text).extension().empty())
        return "must end in .s4p or have no extension - the .s2p is written beside it";
    return readFileName(text, name);
}

std::string readMethod(std::string_view text, SolveSettings& settings)
{
    for (const Method candidate : {Method::FiveCharge, Method::Converged}) {
        if (text == methodName(candidate)) {
            settings.method = candidate;
            settings.methodGiven = true;
            return {};
        }
    }
    return mustBe(std::string(methodName(Method::FiveCharge)) + " or " + std::string(methodName(Method::Converged)));
}

// An option that gives an input: its modes and its value's name are the input's.
OptionRow inputOption(std::string_view name, Input input, std::string_view help)
{
    const InputInfo& info = inputInfo(input);
    return {name, "", info.valueName, info.modes, help, input};
}

// A displacement DX,DY into the inputs `x` and `y`.
std::string readDisplacement(std::string_view text, Input x, Input y, Options& options)
{
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos)
        return mustBe("DX,DY, two lengths with a comma between (0.02mm,0)");
    double dx = 0, dy = 0;
    for (auto [part, value] : {std::pair{text.substr(0, comma), &dx}, {text.substr(comma + 1), &dy}})
        if (std::string problem = parseSignedLength(part, *value); !problem.empty())
            return inQuotes(part) + ": " + problem;
    options.input.set(x, dx);
    options.input.set(y, dy);
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

std::string readShield(std::string_view text, SolveSettings& settings)
{
    if (text != "round" && text != "foil")
        return "must be round or foil";
    settings.shield = text == "foil" ? ShieldKind::Foil : ShieldKind::Round;
    return {};
}

std::string readDrainPosition(std::string_view text, SolveSettings& settings)
{
    if (text != "inside" && text != "outside")
        return "must be inside or outside";
    settings.drainOutside = text == "outside";
    return {};
}

std::string readPorts(std::string_view text, PortOrder& order)
{
    if (text != "through" && text != "sequential")
        return "must be through or sequential";
    order = text == "through" ? PortOrder::Through : PortOrder::Sequential;
    return {};
}

std::string readDielectricModel(std::string_view text, DielectricModel& model)
{
    if (text != "constant" && text != "wideband")
        return "must be constant or wideband";
    model = text == "constant" ? DielectricModel::ConstantLossTangent : DielectricModel::Wideband;
    return {};
}

// A subcircuit's name, as SPICE reads one.
std::string readSubcircuitName(std::string_view text, std::string& name)
{
    const auto isNameChar = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; };
    if (text.empty() || std::isalpha(static_cast<unsigned char>(text[0])) == 0 || !std::ranges::all_of(text, isNameChar))
        return "must be a letter, then letters, digits and _";
    name = text;
    return {};
}

std::string readLengthBasis(std::string_view text, LengthBasis& basis)
{
    for (const LengthBasis candidate : kLengthBases) {
        if (text == basisName(candidate)) {
            basis = candidate;
            return {};
        }
    }
    return "must be m, km, ft, 100m or 100ft";
}

std::string setLanguage(Options::Language language, Options& options)
{
    if (options.language != Options::Language::FromLocale && options.language != language)
        return "the other language was asked for too: choose one";
    options.language = language;
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
    {"--english", "", "", kModes,
     "messages in English; by default they are in the locale's language (LC_ALL, LC_MESSAGES, LANG): Japanese "
     "where it is Japanese, English otherwise",
     std::nullopt, [](std::string_view, Options& options) { return setLanguage(Options::Language::English, options); }},
    {"--japanese", "", "", kModes, "messages in Japanese, whatever the locale",
     std::nullopt, [](std::string_view, Options& options) { return setLanguage(Options::Language::Japanese, options); }},
    {"--json", "", "", kModes, "one JSON object per case instead of text (see JSON output); not with --csv",
     std::nullopt, [](std::string_view, Options& options) { return setTrue(options.json); }},
    {"--csv", "", "", kModes,
     "CSV instead of text or JSON, for a single case, a batch and a sweep alike: a header row naming each column "
     "with its unit (ze_ohm, c_even_pF_per_m), then one row per case, an error in the last column",
     std::nullopt, [](std::string_view, Options& options) { return setTrue(options.csv); }},
    {"--method", "", "NAME", kSingleCaseModes,
     "which model calculates, in both modes: five-charge (default), the calculator of the window, five line "
     "charges in each core; converged, the converged field solution (multipoles with their images in the "
     "shield), within a relative 1e-9 wherever both gaps, core to core and core to shield, are at least 0.01 "
     "core radii, with its own error bound. A converged shape solve starts from the five-charge answer",
     std::nullopt, [](std::string_view value, Options& options) { return readMethod(value, options.solve); }},
    {"--compare", "", "", kImpedanceOnly,
     "the other method's Ze and Zo beside the chosen one's, and the five-charge deviation, five-charge / "
     "converged - 1 (signed, in percent; a ratio in JSON); where the converged solver cannot reach the shape, "
     "the five-charge result still prints and the run exits 1",
     std::nullopt, [](std::string_view, Options& options) { return setTrue(options.solve.compare); }},
    inputOption("--D", Input::ShieldDiameter,
                "the shield's inner diameter D; with --S and --d (or --awg) in place of SD DD. Dimensions and "
                "ratios together, or a dimension missing, are a bad argument"),
    inputOption("--S", Input::Spacing, "the distance S between the cores' centres; with --D and --d (or --awg)"),
    inputOption("--d", Input::WireDiameter,
                "the cores' diameter d: with --D and --S it gives the shape; with S/D and D/d, or in shape mode, "
                "it adds D and S (mm) to the results"),
    inputOption("--awg", Input::Awg,
                "the cores as solid wire of AWG SIZE, 0000 (or 4/0), 000 (3/0), 00 (2/0), 0 (1/0), 1 to 40, in place "
                "of --d: d = 0.127 mm x 92^((36 - n)/39), n = 0 for size 0 and -3 for 0000; or stranded, SIZE/7, "
                "SIZE/19 or SIZE/37 (24/7: seven strands of 32 AWG; strands 8, 12 or 16 sizes finer, laid up 3, 5 "
                "or 7 across): d is the bundle's outer diameter, which a sleeve must clear, and the field's wire "
                "d_field is 0.939, 0.970 or 0.980 of it (S/D and D/d are of d_field); the results add r_dc, the "
                "resistance of one core at DC per length (mohm; of straight strands: the lay adds 1 to 2 %), and "
                "with a foil r_dc_shield (foil and drain wire) and r_dc_loop (a core and the shield)"),
    inputOption("--freq", Input::Frequency,
                "the loss at FREQ (Hz, kHz, MHz or GHz; a bare number is Hz): alpha_diff and alpha_cm, the "
                "attenuation of the differential and the common mode (dB/m, conductors and dielectric together), "
                "their conductors' and dielectric's parts (alpha_c_diff, alpha_c_cm, alpha_d_diff, alpha_d_cm; "
                "alpha_d where one dielectric fills the shield), and the skin depth (um), from the field "
                "solution's line model whatever --method says; it needs the wire's size (--d, --awg or the "
                "dimensions). Where the loss cannot be had (a gap too narrow for the field solver, too low a "
                "frequency, or one above the line's single-mode limit) the case fails with the reason. In model "
                "mode, the frequencies of the line: a list of values, ranges START:STOP:STEP and log sweeps "
                "START:STOP/N of N points a decade (0,1MHz:20GHz/10: DC, then ten a decade), in any order, each "
                "frequency taken once in increasing order"),
    inputOption("--er", Input::Er,
                "the one dielectric's Er by name, in place of the ER operand (default 1, air); where --sweep varies "
                "an operand, the numbers after it are given this way"),
    inputOption("--tand", Input::LossTangent, "the dielectric's loss tangent, with --freq (default 0)"),
    inputOption("--sleeve", Input::Sleeve,
                "the insulation's outer diameter Di round each core (Di >= d): a cable of insulated cores, solved "
                "on the converged field solution; with --er-sleeve, and --er-fill for what is around the sleeves "
                "(default air)"),
    inputOption("--er-sleeve", Input::ErSleeve,
                "the sleeve's dielectric: an Er, or a material of the table (air, pe, foam-pe, ptfe, fep, pfa, "
                "pp, etfe, pvc) with its loss tangent"),
    inputOption("--er-fill", Input::ErFill,
                "the dielectric around the sleeves (or round bare cores): an Er or a material, as --er-sleeve "
                "(default air)"),
    inputOption("--tand-sleeve", Input::TandSleeve,
                "the sleeve's loss tangent, with --freq, over the material's"),
    inputOption("--tand-fill", Input::TandFill, "the filler's loss tangent, with --freq, over the material's"),
    inputOption("--d2", Input::WireDiameter2,
                "core 2's own diameter, where it differs from core 1's (--d): an asymmetric cable, solved on the "
                "general path, with the asymmetric results (c22, l22, zdc, skew_intra and the rest)"),
    inputOption("--sleeve2", Input::Sleeve2,
                "core 2's own sleeve diameter, where it differs from --sleeve (and round a bare core 1)"),
    inputOption("--er-sleeve2", Input::ErSleeve2,
                "core 2's own sleeve dielectric, an Er or a material as --er-sleeve"),
    {"--offset", "", "DX,DY", inputInfo(Input::OffsetX).modes,
     "moves core 1 with its sleeve by DX along the line through the cores (positive away from core 2) and DY "
     "across it, lengths as --D takes them (negative too): an asymmetric cable. Offsets of one core convert "
     "between the modes (scd21 with --freq)",
     std::nullopt, [](std::string_view value, Options& options) {
         return readDisplacement(value, Input::OffsetX, Input::OffsetY, options);
     }},
    {"--pair-offset", "", "DX,DY", inputInfo(Input::PairOffsetX).modes,
     "moves both cores together off the shield's centre by DX, DY: an asymmetric cable; along DY the pair "
     "keeps its mirror line and converts nothing",
     std::nullopt, [](std::string_view value, Options& options) {
         return readDisplacement(value, Input::PairOffsetX, Input::PairOffsetY, options);
     }},
    {"--sleeve-offset", "", "DX,DY", inputInfo(Input::SleeveOffsetX).modes,
     "moves core 1's conductor inside its own sleeve by DX along the line through the cores (positive away "
     "from core 2) and DY across it, the sleeve staying where --S (or its contact) puts it: eccentric "
     "insulation, solved on the general path to the same bound. The conductor must stay inside (the offset below "
     "(Di - d)/2); a bare core has no sleeve to move in",
     std::nullopt, [](std::string_view value, Options& options) {
         return readDisplacement(value, Input::SleeveOffsetX, Input::SleeveOffsetY, options);
     }},
    inputOption("--length", Input::Length,
                "the length of line whose exact network gives an asymmetric cable's mode conversion with --freq: "
                "sdd21, scc21, scd21 and sdc21 in dB (references 100 and 25 ohm), default 1 m; in model mode, the "
                "length of the line in the Touchstone and SPICE files"),
    inputOption("--sigma", Input::Conductivity,
                "the conductors' conductivity in S/m (default 5.8e7, copper), for the loss (--freq) and for r_dc"),
    {"--shield", "", "KIND", kModes,
     "a cable's shield: round (default), of inner diameter --D; or foil, drawn tight over the two sleeves (the "
     "outline of two half-circles joined by straight lines), with --clearance and --drain; a foil has no D",
     std::nullopt, [](std::string_view value, Options& options) { return readShield(value, options.solve); }},
    inputOption("--clearance", Input::Clearance,
                "a foil's clearance between each sleeve and the foil (an adhesive layer or a loose wrap), filled "
                "with the filler (default 0: the sleeves lie on the foil)"),
    inputOption("--drain", Input::Drain,
                "a foil's drain wire of this diameter: inside the foil, in the groove on the side of the sleeves, "
                "touching both, the foil drawn over it too; or outside it (--drain-position)"),
    {"--drain-position", "", "WHERE", kModes,
     "inside (default) or outside the foil; outside, the drain wire does not change the field inside and is "
     "left out, with a warning that says so",
     std::nullopt, [](std::string_view value, Options& options) { return readDrainPosition(value, options.solve); }},
    inputOption("--foil-sigma", Input::FoilSigma,
                "the foil's conductivity in S/m, with --freq (default 3.54e7, aluminium)"),
    inputOption("--foil-thickness", Input::FoilThickness,
                "the foil's metal thickness, with --freq (default 0.009 mm); a foil thinner than its skin depth "
                "counts as a sheet of that thickness"),
    inputOption("--zdiff", Input::Zdiff,
                "the wanted differential impedance, Zdiff = 2 Zo; with --zcm (or --ze) in place of ZE ZO"),
    inputOption("--zcm", Input::Zcm,
                "the wanted common-mode impedance, Zcm = Ze / 2; with --zdiff (or --zo) in place of ZE ZO"),
    inputOption("--ze", Input::Ze, "the wanted Ze, with --zdiff"),
    inputOption("--zo", Input::Zo,
                "the wanted Zo, with --zcm. A mode set twice (Ze and Zcm, or Zo and Zdiff) or not at all is a "
                "bad argument"),
    {"--per", "", "LENGTH", kSingleCaseModes,
     "the length every per-length result is given per: m (default), km, ft, 100m or 100ft; text, JSON and CSV "
     "alike, each CSV column naming it (c_even_pF_per_km)",
     std::nullopt, [](std::string_view value, Options& options) { return readLengthBasis(value, options.solve.per); }},
    {"--solve-for", "", "NAME[,NAME]", kShapeOnly,
     "a design: solve for the dimension NAME (D, S, sleeve or d) from one target (--zdiff, --zcm, --ze or --zo), "
     "or for two from two, on the converged field solution, the other dimensions as given (S and D may be "
     "touch); a target out of reach is refused with the range the dimension gives",
     std::nullopt, [](std::string_view value, Options& options) { return readSolveFor(value, options.solve.solveFor); }},
    {"--width", "", "OHM", kShapeOnly, "the convergence width of the solve in ohms, for Er = 1 (default 0.01)",
     std::nullopt,
     [](std::string_view value, Options& options) { return readDecimal(readPositive, value, options.solve.width); }},
    {"--limit", "", "N", kShapeOnly,
     "the largest calculation count of the solve, an integer from 1 up (default 1000); a solve that runs past it "
     "fails with a message "
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
    {"--tol", "", "NAME=SPREAD", kToleranceOnly,
     "a tolerance of the input NAME (as JSON names it: D, S, d, sleeve, er_sleeve, er_fill, er, d2, sleeve2, "
     "er_sleeve2, sd, dd, and offset_x, offset_y, pair_offset_x, pair_offset_y about 0): SPREAD a standard "
     "deviation (normal) or +-HALF or ±HALF (uniform over the nominal value +- HALF), as the input takes it "
     "(D=0.02mm, er_fill=+-0.05). offset=SPREAD moves core 1 at random with that spread in x and in y. Once "
     "per input",
     std::nullopt, [](std::string_view value, Options& options) { return readTolerance(value, options.variation); },
     true},
    {"--samples", "", "N", kToleranceOnly, "the number of random cables drawn (default 1000)",
     std::nullopt, [](std::string_view value, Options& options) {
         int n = 0;
         std::string problem = readInteger(value, 1, static_cast<int>(kMaxSamples), n);
         options.variation.samples = n;
         return problem;
     }},
    {"--seed", "", "K", kToleranceOnly,
     "the seed of the draws (default 1): the same seed gives the same samples on any machine and thread count",
     std::nullopt, [](std::string_view value, Options& options) {
         int seed = 0;
         std::string problem = readInteger(value, 0, 2147483647, seed);
         options.variation.seed = static_cast<std::uint64_t>(seed);
         return problem;
     }},
    {"--threads", "", "N", kToleranceOnly, "how many solvers run at once (default: one per core)",
     std::nullopt, [](std::string_view value, Options& options) {
         return readInteger(value, 1, 256, options.variation.threads);
     }},
    {"--zdiff-window", "", "LOW:HIGH", kToleranceOnly,
     "a limit of the yield: Zdiff from LOW to HIGH ohm (95:105)",
     std::nullopt, [](std::string_view value, Options& options) { return readZdiffWindow(value, options.variation); }},
    {"--skew-max", "", "PS", kToleranceOnly,
     "a limit of the yield: the intra-pair skew (skew_intra, each core's own delay with its twin at the "
     "shield's potential) at most PS ps/m either way (5ps/m)",
     std::nullopt, [](std::string_view value, Options& options) { return readSkewMax(value, options.variation); }},
    {"--scd21-max", "", "DB@FREQ", kToleranceOnly,
     "a limit of the yield: Scd21 of --length of line (default 1 m) at most DB at FREQ (-30dB@10GHz); the "
     "conversion is then taken at FREQ",
     std::nullopt, [](std::string_view value, Options& options) { return readScd21Max(value, options.variation); }},
    {"--touchstone", "", "FILE", kModelOnly,
     "write the line of --length as a Touchstone 4-port FILE (.s4p added where FILE has no extension) and its "
     "differential 2-port Sdd beside it (.s2p), over the frequencies of --freq, port order and references in "
     "its comments",
     std::nullopt, [](std::string_view value, Options& options) { return readTouchstoneName(value, options.model.touchstone); }},
    {"--spice", "", "FILE", kModelOnly,
     "write an ngspice subcircuit of the line of --length to FILE: one lossy line a mode (LTRA), R and G taken "
     "at --at",
     std::nullopt, [](std::string_view value, Options& options) { return readFileName(value, options.model.spice); }},
    {"--rlgc", "", "", kModelOnly,
     "the per-metre R, L, G, C at every frequency on standard output (text, --json lines or --csv; keys freq, "
     "r11, r12, r22, l11 ..., ohm/m, nH/m, S/m, pF/m; C and G in the Maxwell convention)",
     std::nullopt, [](std::string_view, Options& options) { return setTrue(options.model.rlgc); }},
    {"--ports", "", "ORDER", kModelOnly,
     "the .s4p's port order: through (default: 1 near and 2 far on core 1, 3 near and 4 far on core 2) or "
     "sequential (1 and 2 near, 3 and 4 far)",
     std::nullopt, [](std::string_view value, Options& options) { return readPorts(value, options.model.ports); }},
    {"--name", "", "NAME", kModelOnly, "the subcircuit's name (default duvane_line)",
     std::nullopt, [](std::string_view value, Options& options) { return readSubcircuitName(value, options.model.name); }},
    {"--at", "", "FREQ", kModelOnly,
     "the frequency the subcircuit's constant R and G are taken at (default the highest of --freq)",
     std::nullopt, [](std::string_view value, Options& options) { return parseFrequency(value, options.model.at); }},
    {"--reference", "", "OHM", kModelOnly,
     "the .s4p's reference resistance (default 50 ohm); the .s2p's is twice it",
     std::nullopt, [](std::string_view value, Options& options) { return readDecimal(readPositive, value, options.model.reference); }},
    {"--dielectric", "", "MODEL", kModelOnly,
     "constant (default: each material's Er and loss tangent at every frequency) or wideband (a causal "
     "Djordjevic-Sarkar model fitted to them at 1 GHz, over 1 kHz to 1 THz)",
     std::nullopt, [](std::string_view value, Options& options) { return readDielectricModel(value, options.model.dielectric); }},
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
    // Model mode reads --freq itself, a list or a range too, once the mode is known.
    if (*option.input == Input::Frequency) {
        options.model.frequencies = value;
        if (isFrequencySet(value))
            return {};
    }
    if (std::string problem = readInput(*option.input, value, read); !problem.empty())
        return problem;
    options.input.set(*option.input, read);
    return {};
}
