#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "CaseName.h"
#include "cases/Dielectrics.h"
#include "commandline/Args.h"
#include "commandline/OptionTable.h"

// Whole Options in failure messages; found by the printer through Options' namespace.
static void PrintTo(const Options& o, std::ostream* out)
{
    *out << "{action " << static_cast<int>(o.action) << ", mode " << modeName(o.mode) << ", input";
    for (std::size_t i = 0; i < kInputCount; ++i)
        if (const Input input = static_cast<Input>(i); o.input.has(input))
            *out << ' ' << inputInfo(input).key << '=' << o.input[input];
    *out << ", decimals " << o.decimals << ", json " << o.json << ", batch " << o.batch << ", language "
         << static_cast<int>(o.language) << ", width " << o.solve.width << ", limit " << o.solve.limit << ", trace \""
         << o.solve.traceFile << "\"}";
}

namespace {

using Args = std::vector<std::string>;
using Numbers = std::vector<double>;

// A case of `mode` by its plain numbers: SD DD ER or ZE ZO ER, as many as given.
CaseInput plainCase(Mode mode, const Numbers& numbers)
{
    const Input order[2][3] = {{Input::Sd, Input::Dd, Input::Er}, {Input::Ze, Input::Zo, Input::Er}};
    CaseInput input;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        input.set(order[mode == Mode::Impedance ? 0 : 1][i], numbers[i]);
    return input;
}

Options calculation(Mode mode, const Numbers& numbers)
{
    Options options;
    options.mode = mode;
    options.input = plainCase(mode, numbers);
    return options;
}

Options shapeCase()
{
    return calculation(Mode::Shape, {100, 50, 1});
}

// Built outside the table's lambdas: inlined there, the assignment of a
// string literal draws a false -Wrestrict from GCC 12.
Options tracedShapeCase(const std::string& file)
{
    Options options = shapeCase();
    options.solve.traceFile = file;
    return options;
}

Options answer(Options::Action action)
{
    Options options;
    options.action = action;
    return options;
}

TEST(ParseArgs, ImpedanceWithDefaults)
{
    Options options;
    ASSERT_EQ(parseArgs({"impedance", "0.5", "10"}, options), "");
    EXPECT_EQ(options.action, Options::Action::Calculate);
    EXPECT_EQ(options.mode, Mode::Impedance);
    EXPECT_EQ(options.input, plainCase(Mode::Impedance, {0.5, 10, 1}));
    EXPECT_EQ(options.decimals, 3);
    EXPECT_FALSE(options.json);
    EXPECT_FALSE(options.batch);
    EXPECT_EQ(options.language, Options::Language::FromLocale);
    EXPECT_EQ(options.solve.width, 0.01);
    EXPECT_EQ(options.solve.limit, 1000);
    EXPECT_EQ(options.solve.traceFile, "");
}

TEST(ParseArgs, OptionsAnywhereInBothForms)
{
    Options options;
    ASSERT_EQ(parseArgs({"--json", "shape", "--width=0.1", " 100 ", "--limit", "5", "+5e1", "--english",
                         "2.25", "--trace", "t.txt", "--decimals=5"},
                        options),
              "");
    EXPECT_EQ(options.mode, Mode::Shape);
    EXPECT_EQ(options.input, plainCase(Mode::Shape, {100, 50, 2.25}));
    EXPECT_TRUE(options.json);
    EXPECT_EQ(options.language, Options::Language::English);
    EXPECT_EQ(options.solve.width, 0.1);
    EXPECT_EQ(options.solve.limit, 5);
    EXPECT_EQ(options.solve.traceFile, "t.txt");
    EXPECT_EQ(options.decimals, 5);
}

// One use of an option of the table and the options it gives.
struct OptionCase {
    const char* name;
    Args operands;  // the mode and its numbers
    Args option;    // the option, then its value when it takes one
    Options (*expected)();
};

const Args kShapeCase{"shape", "100", "50"};
const Args kImpedanceCase{"impedance", "0.5", "10"};

Options impedanceCase()
{
    return calculation(Mode::Impedance, {0.5, 10, 1});
}

// The other options of a shape by dimensions are given with "=", so that
// the option of the row can stand between any two words.
Args dimensionsBut(std::string_view omitted)
{
    Args args{"impedance", "2.1"};
    for (const char* option : {"--D=4.2mm", "--S=1.4mm", "--d=0.51mm"})
        if (std::string_view(option).substr(0, 3) != omitted)
            args.push_back(option);
    return args;
}

// A shape case with two targets and ER 1.
Options targets(Input first, double firstValue, Input second, double secondValue)
{
    Options o = calculation(Mode::Shape, {});
    o.input.set(first, firstValue);
    o.input.set(second, secondValue);
    o.input.set(Input::Er, 1);
    return o;
}

// An impedance case of 24 AWG wire with the loss at `frequency`.
Options withLoss(double frequency, double tanDelta, double conductivity)
{
    Options o = calculation(Mode::Impedance, {0.5, 10, 1});
    o.input.set(Input::Awg, 24);
    o.input.set(Input::Frequency, frequency);
    o.input.set(Input::LossTangent, tanDelta);
    o.input.set(Input::Conductivity, conductivity);
    return o;
}

Options byDimensions()
{
    Options o = calculation(Mode::Impedance, {});
    o.input.set(Input::ShieldDiameter, 4.2);
    o.input.set(Input::Spacing, 1.4);
    o.input.set(Input::WireDiameter, 0.51);
    o.input.set(Input::Er, 2.1);
    return o;
}

// A cable: 0.51 mm cores in 1.3 mm PE sleeves, 1.4 mm apart in a 3.2 mm
// shield, in air unless an option below says.
const Args kCableCase{"impedance", "--D=3.2", "--S=1.4", "--d=0.51", "--sleeve=1.3", "--er-sleeve=pe"};

Options cableCase()
{
    Options o = calculation(Mode::Impedance, {});
    o.input.set(Input::ShieldDiameter, 3.2);
    o.input.set(Input::Spacing, 1.4);
    o.input.set(Input::WireDiameter, 0.51);
    o.input.set(Input::Sleeve, 1.3);
    o.input.set(Input::ErSleeve, *materialCode("pe"));
    return o;
}

Args cableBut(std::string_view option)
{
    Args args;
    std::ranges::copy_if(kCableCase, std::back_inserter(args),
                         [&](const std::string& arg) { return !arg.starts_with(std::string(option) + "="); });
    return args;
}

Options cableWith(Input input, double value)
{
    Options o = cableCase();
    o.input.set(input, value);
    return o;
}

// The cable with one more argument.
Args cableCase_(const std::string& more)
{
    Args args = kCableCase;
    args.push_back(more);
    return args;
}

// The cable's loss at 1 GHz with a tangent of 1e-3 given by `tangent`.
Options cableLoss(Input tangent)
{
    Options o = cableWith(Input::Frequency, 1e9);
    o.input.set(tangent, 1e-3);
    o.input.set(Input::LossTangent, 0);
    o.input.set(Input::Conductivity, 5.8e7);
    return o;
}

// The cable's cores under a foil.
const Args kFoilCase{"impedance", "--shield=foil", "--S=1.4", "--d=0.51", "--sleeve=1.3", "--er-sleeve=pe"};

Options foilCase()
{
    Options o = calculation(Mode::Impedance, {});
    o.input.set(Input::Spacing, 1.4);
    o.input.set(Input::WireDiameter, 0.51);
    o.input.set(Input::Sleeve, 1.3);
    o.input.set(Input::ErSleeve, *materialCode("pe"));
    o.solve.shield = ShieldKind::Foil;
    return o;
}

Args foilCase_(const std::vector<std::string>& more)
{
    Args args = kFoilCase;
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

Options foilWith(Input input, double value)
{
    Options o = foilCase();
    o.input.set(input, value);
    return o;
}

// The foil's loss at 1 GHz with `input` given as `value`.
Options foilLoss(Input input, double value)
{
    Options o = foilWith(Input::Frequency, 1e9);
    o.input.set(Input::LossTangent, 0);
    o.input.set(Input::Conductivity, 5.8e7);
    o.input.set(input, value);
    return o;
}

// A design: D for Zdiff 100 ohm, the sleeves touching.
Options designCase()
{
    Options o = calculation(Mode::Shape, {});
    o.input.set(Input::Zdiff, 100);
    o.input.set(Input::WireDiameter, 0.51);
    o.input.set(Input::Sleeve, 1.3);
    o.input.set(Input::ErSleeve, *materialCode("pe"));
    o.input.set(Input::Spacing, kTouch);
    o.solve.solveFor = {DesignDimension::ShieldDiameter};
    return o;
}

// A tolerance run: D of the homogeneous pair toleranced by 0.01 mm.
const Args kToleranceCase{"tolerance", "--D=4.2", "--S=1.4", "--d=0.51", "--tol=D=0.01"};

Options toleranceCase()
{
    Options o = calculation(Mode::Tolerance, {});
    o.input.set(Input::ShieldDiameter, 4.2);
    o.input.set(Input::Spacing, 1.4);
    o.input.set(Input::WireDiameter, 0.51);
    o.input.set(Input::Er, 1);
    o.variation.tolerances = {{Input::ShieldDiameter, 0.01, false}};
    return o;
}

// A line model at 1 GHz, its table on standard output.
const Args kModelCase{"model", "0.5", "10", "--awg=24", "--freq=1GHz"};

Options modelCase()
{
    Options o = calculation(Mode::Impedance, {0.5, 10, 1});
    o.mode = Mode::Model;
    o.input.set(Input::Awg, 24);
    o.input.set(Input::Frequency, 1e9);
    o.input.set(Input::LossTangent, 0);
    o.input.set(Input::Conductivity, 5.8e7);
    o.model.rlgc = true;
    o.model.frequencies = "1GHz";
    o.model.frequencyValues = {1e9};
    return o;
}

Args modelCaseWith(const std::vector<std::string>& more)
{
    Args args = kModelCase;
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

const OptionCase kOptionCases[] = {
    {"Rlgc", kModelCase, {"--rlgc"}, modelCase},
    {"Touchstone", modelCaseWith({"--rlgc"}), {"--touchstone", "t.s4p"},
     [] { Options o = modelCase(); o.model.touchstone = "t.s4p"; return o; }},
    {"Spice", modelCaseWith({"--rlgc"}), {"--spice", "t.cir"}, [] { Options o = modelCase(); o.model.spice = "t.cir"; return o; }},
    {"Ports", modelCaseWith({"--rlgc", "--touchstone=line"}), {"--ports", "sequential"},
     [] { Options o = modelCase(); o.model.touchstone = "line"; o.model.ports = PortOrder::Sequential; return o; }},
    {"Name", modelCaseWith({"--rlgc", "--spice=t.cir"}), {"--name", "pair_1"},
     [] { Options o = modelCase(); o.model.spice = "t.cir"; o.model.name = "pair_1"; return o; }},
    {"At", modelCaseWith({"--rlgc", "--spice=t.cir"}), {"--at", "2GHz"},
     [] { Options o = modelCase(); o.model.spice = "t.cir"; o.model.at = 2e9; return o; }},
    {"Reference", modelCaseWith({"--rlgc", "--touchstone=line"}), {"--reference", "45"},
     [] { Options o = modelCase(); o.model.touchstone = "line"; o.model.reference = 45; return o; }},
    {"Dielectric", modelCaseWith({"--rlgc"}), {"--dielectric", "wideband"},
     [] { Options o = modelCase(); o.model.dielectric = DielectricModel::Wideband; return o; }},
    {"Decimals", kShapeCase, {"--decimals", "5"}, [] { Options o = shapeCase(); o.decimals = 5; return o; }},
    {"English", kShapeCase, {"--english"},
     [] { Options o = shapeCase(); o.language = Options::Language::English; return o; }},
    {"Japanese", kShapeCase, {"--japanese"},
     [] { Options o = shapeCase(); o.language = Options::Language::Japanese; return o; }},
    {"Json", kShapeCase, {"--json"}, [] { Options o = shapeCase(); o.json = true; return o; }},
    {"Csv", kShapeCase, {"--csv"}, [] { Options o = shapeCase(); o.csv = true; return o; }},
    {"Method", kShapeCase, {"--method", "converged"},
     [] {
         Options o = shapeCase();
         o.solve.method = Method::Converged;
         o.solve.methodGiven = true;
         return o;
     }},
    {"Er", {"impedance", "0.5", "10"}, {"--er", "2.1"}, [] { return calculation(Mode::Impedance, {0.5, 10, 2.1}); }},
    {"Compare", kImpedanceCase, {"--compare"}, [] { Options o = impedanceCase(); o.solve.compare = true; return o; }},
    {"Per", kShapeCase, {"--per", "100ft"},
     [] { Options o = shapeCase(); o.solve.per = LengthBasis::HundredFeet; return o; }},
    {"Width", kShapeCase, {"--width", "0.25"}, [] { Options o = shapeCase(); o.solve.width = 0.25; return o; }},
    {"Limit", kShapeCase, {"--limit", "5"}, [] { Options o = shapeCase(); o.solve.limit = 5; return o; }},
    {"Trace", kShapeCase, {"--trace", "t.txt"}, [] { return tracedShapeCase("t.txt"); }},
    {"ShieldDiameter", dimensionsBut("--D"), {"--D", "4200um"}, byDimensions},
    {"Spacing", dimensionsBut("--S"), {"--S", "1.4"}, byDimensions},
    {"WireDiameter", dimensionsBut("--d"), {"--d", "0.00051m"}, byDimensions},
    {"Awg", kShapeCase, {"--awg", "4/0"}, [] { Options o = shapeCase(); o.input.set(Input::Awg, -3); return o; }},
    {"Zdiff", {"shape", "--zcm=40"}, {"--zdiff", "100"}, [] { return targets(Input::Zdiff, 100, Input::Zcm, 40); }},
    {"Zcm", {"shape", "--zdiff=100"}, {"--zcm", "40"}, [] { return targets(Input::Zdiff, 100, Input::Zcm, 40); }},
    {"Ze", {"shape", "--zdiff=100"}, {"--ze", "80"}, [] { return targets(Input::Zdiff, 100, Input::Ze, 80); }},
    {"Zo", {"shape", "--zcm=40"}, {"--zo", "50"}, [] { return targets(Input::Zcm, 40, Input::Zo, 50); }},
    {"Frequency", {"impedance", "0.5", "10", "--awg=24"}, {"--freq", "2.5GHz"},
     [] { return withLoss(2.5e9, 0, 5.8e7); }},
    {"LossTangent", {"impedance", "0.5", "10", "--awg=24", "--freq=2.5GHz"}, {"--tand", "1e-3"},
     [] { return withLoss(2.5e9, 1e-3, 5.8e7); }},
    {"Conductivity", {"impedance", "0.5", "10", "--awg=24", "--freq=2.5GHz"}, {"--sigma", "3.5e7"},
     [] { return withLoss(2.5e9, 0, 3.5e7); }},
    {"Sleeve", cableBut("--sleeve"), {"--sleeve", "1.3mm"}, cableCase},
    {"ErSleeve", cableBut("--er-sleeve"), {"--er-sleeve", "pe"}, cableCase},
    {"ErFill", kCableCase, {"--er-fill", "2.2"}, [] { return cableWith(Input::ErFill, 2.2); }},
    {"TandSleeve", cableCase_("--freq=1GHz"), {"--tand-sleeve", "1e-3"}, [] { return cableLoss(Input::TandSleeve); }},
    {"TandFill", cableCase_("--freq=1GHz"), {"--tand-fill", "1e-3"}, [] { return cableLoss(Input::TandFill); }},
    {"WireDiameter2", kCableCase, {"--d2", "0.4mm"}, [] { return cableWith(Input::WireDiameter2, 0.4); }},
    {"Sleeve2", kCableCase, {"--sleeve2", "1.2"}, [] { return cableWith(Input::Sleeve2, 1.2); }},
    {"ErSleeve2", kCableCase, {"--er-sleeve2", "ptfe"},
     [] { return cableWith(Input::ErSleeve2, *materialCode("ptfe")); }},
    {"Offset", kCableCase, {"--offset", "0.02mm,-10um"},
     [] {
         Options o = cableWith(Input::OffsetX, 0.02);
         o.input.set(Input::OffsetY, -0.01);
         return o;
     }},
    {"PairOffset", kCableCase, {"--pair-offset", "0,0.1"},
     [] {
         Options o = cableWith(Input::PairOffsetX, 0);
         o.input.set(Input::PairOffsetY, 0.1);
         return o;
     }},
    {"SleeveOffset", kCableCase, {"--sleeve-offset", "0,0"},
     [] {
         Options o = cableWith(Input::SleeveOffsetX, 0);
         o.input.set(Input::SleeveOffsetY, 0);
         return o;
     }},
    {"Length", {"impedance", "--D=3.2", "--S=1.4", "--d=0.51", "--offset=0.01,0", "--freq=1GHz"}, {"--length", "0.5m"},
     [] {
         Options o = calculation(Mode::Impedance, {});
         for (const auto& [input, value] : {std::pair{Input::ShieldDiameter, 3.2}, {Input::Spacing, 1.4},
                                            {Input::WireDiameter, 0.51}, {Input::OffsetX, 0.01}, {Input::OffsetY, 0.0},
                                            {Input::Frequency, 1e9}, {Input::Length, 0.5}, {Input::LossTangent, 0.0},
                                            {Input::Conductivity, 5.8e7}})
             o.input.set(input, value);
         return o;
     }},
    {"Shield", {"impedance", "--S=1.4", "--d=0.51", "--sleeve=1.3", "--er-sleeve=pe"}, {"--shield", "foil"},
     foilCase},
    {"Clearance", kFoilCase, {"--clearance", "0"}, [] { return foilWith(Input::Clearance, 0); }},
    {"Drain", kFoilCase, {"--drain", "0.4mm"}, [] { return foilWith(Input::Drain, 0.4); }},
    {"DrainPosition", kFoilCase, {"--drain-position", "outside"},
     [] { Options o = foilCase(); o.solve.drainOutside = true; return o; }},
    {"FoilSigma", foilCase_({"--freq=1GHz"}), {"--foil-sigma", "3e7"}, [] { return foilLoss(Input::FoilSigma, 3e7); }},
    {"FoilThickness", foilCase_({"--freq=1GHz"}), {"--foil-thickness", "12um"},
     [] { return foilLoss(Input::FoilThickness, 0.012); }},
    {"SolveFor", {"shape", "--zdiff=100", "--d=0.51", "--sleeve=1.3", "--er-sleeve=pe", "--S=touch"},
     {"--solve-for", "D"}, designCase},
    {"Sweep", {"impedance", "10"}, {"--sweep", "sd=0.2,0.5"},
     [] {
         Options o = calculation(Mode::Impedance, {});
         o.input.set(Input::Dd, 10);
         o.input.set(Input::Er, 1);
         o.sweeps = {{Input::Sd, {0.2, 0.5}}};
         return o;
     }},
    {"Tol", {"tolerance", "--D=4.2", "--S=1.4", "--d=0.51"}, {"--tol", "D=0.01"}, toleranceCase},
    {"Samples", kToleranceCase, {"--samples", "500"}, [] { Options o = toleranceCase(); o.variation.samples = 500; return o; }},
    {"Seed", kToleranceCase, {"--seed", "7"}, [] { Options o = toleranceCase(); o.variation.seed = 7; return o; }},
    {"Threads", kToleranceCase, {"--threads", "3"}, [] { Options o = toleranceCase(); o.variation.threads = 3; return o; }},
    {"ZdiffWindow", kToleranceCase, {"--zdiff-window", "95:105"},
     [] {
         Options o = toleranceCase();
         o.variation.zdiffWindow = ZdiffWindow{95, 105};
         return o;
     }},
    {"SkewMax", kToleranceCase, {"--skew-max", "5ps/m"},
     [] {
         Options o = toleranceCase();
         o.variation.skewMax = 5e-12;
         return o;
     }},
    {"Scd21Max", kToleranceCase, {"--scd21-max", "-30dB@10GHz"},
     [] {
         Options o = toleranceCase();
         o.variation.scd21Max = ConversionLimit{-30, 1e10};
         return o;
     }},
    {"Batch", {"shape"}, {"--batch"}, [] { Options o = calculation(Mode::Shape, {}); o.batch = true; return o; }},
    {"Help", kShapeCase, {"--help"}, [] { return answer(Options::Action::Help); }},
    {"Version", kShapeCase, {"--version"}, [] { return answer(Options::Action::Version); }},
};

std::string joined(const Args& args)
{
    std::string text;
    for (const std::string& arg : args)
        text += " [" + arg + "]";
    return text;
}

class EachOption : public testing::TestWithParam<OptionCase> {};

// Before, between and after the operands; as "--name value" and "--name=value".
TEST_P(EachOption, IsReadAnywhereInBothForms)
{
    const OptionCase& c = GetParam();
    std::vector<Args> spellings{c.option};
    if (c.option.size() == 2)
        spellings.push_back({c.option[0] + "=" + c.option[1]});
    for (const Args& spelling : spellings) {
        for (std::size_t at = 0; at <= c.operands.size(); ++at) {
            Args args = c.operands;
            args.insert(args.begin() + static_cast<std::ptrdiff_t>(at), spelling.begin(), spelling.end());
            SCOPED_TRACE(joined(args));
            Options options;
            ASSERT_EQ(parseArgs(args, options), "");
            EXPECT_EQ(options, c.expected());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, EachOption, testing::ValuesIn(kOptionCases), CaseName());

TEST(OptionTable, EveryRowHasACase)
{
    for (const OptionRow& option : optionTable()) {
        const bool covered = std::ranges::any_of(kOptionCases, [&](const OptionCase& c) {
            return c.option[0] == option.name && c.option.size() == (option.valueName.empty() ? 1u : 2u);
        });
        EXPECT_TRUE(covered) << option.name << " needs a row in kOptionCases, with a value when it takes one";
    }
}

struct GoodArgs {
    const char* name;
    Args args;
    Options (*expected)();
};

class ParseArgsAccepts : public testing::TestWithParam<GoodArgs> {};

TEST_P(ParseArgsAccepts, GivingTheOptions)
{
    Options options;
    ASSERT_EQ(parseArgs(GetParam().args, options), "");
    EXPECT_EQ(options, GetParam().expected());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseArgsAccepts,
    testing::Values(
        GoodArgs{"NegativeOperands", {"impedance", "-0.5", "-10", "-.5e-1"},
                 [] { return calculation(Mode::Impedance, {-0.5, -10, -0.05}); }},
        GoodArgs{"SingleDashWordIsAnOperand", {"impedance", "-1", "-2", "-3"},
                 [] { return calculation(Mode::Impedance, {-1, -2, -3}); }},
        GoodArgs{"OptionsBeforeTheMode", {"--english", "--decimals", "2", "impedance", "0.5", "10"},
                 [] {
                     Options o = calculation(Mode::Impedance, {0.5, 10, 1});
                     o.language = Options::Language::English;
                     o.decimals = 2;
                     return o;
                 }},
        GoodArgs{"BatchWithShapeOptions", {"shape", "--batch", "--limit", "50"},
                 [] {
                     Options o = calculation(Mode::Shape, {});
                     o.batch = true;
                     o.solve.limit = 50;
                     return o;
                 }},
        // "--" ends the options; it and the options before it may stand anywhere.
        GoodArgs{"DoubleDashBeforeNegativeOperands", {"impedance", "--", "-0.5", "-.5e-1"},
                 [] { return calculation(Mode::Impedance, {-0.5, -0.05, 1}); }},
        GoodArgs{"DoubleDashBeforeTheMode", {"--", "impedance", "0.5", "10"},
                 [] { return calculation(Mode::Impedance, {0.5, 10, 1}); }},
        GoodArgs{"DoubleDashLast", {"impedance", "0.5", "10", "--"},
                 [] { return calculation(Mode::Impedance, {0.5, 10, 1}); }},
        GoodArgs{"OptionsBeforeDoubleDash", {"shape", "--json", "100", "--limit", "7", "--", "50"},
                 [] {
                     Options o = shapeCase();
                     o.json = true;
                     o.solve.limit = 7;
                     return o;
                 }},
        GoodArgs{"ValueStartingWithDashes", {"shape", "100", "50", "--trace", "--t.txt"},
                 [] { return tracedShapeCase("--t.txt"); }},
        GoodArgs{"ValueWithEquals", {"shape", "100", "50", "--trace=a=b"},
                 [] { return tracedShapeCase("a=b"); }},
        GoodArgs{"RatiosWithTheWire", {"impedance", "0.5", "10", "--awg", "24"},
                 [] {
                     Options o = calculation(Mode::Impedance, {0.5, 10, 1});
                     o.input.set(Input::Awg, 24);
                     return o;
                 }},
        GoodArgs{"DimensionsWithAwg", {"impedance", "--D", "0.2in", "--awg=00", "--S", "100mil"},
                 [] {
                     Options o = calculation(Mode::Impedance, {});
                     o.input.set(Input::ShieldDiameter, 5.08);
                     o.input.set(Input::Awg, -1);
                     o.input.set(Input::Spacing, 2.54);
                     o.input.set(Input::Er, 1);
                     return o;
                 }},
        // The lines give ER.
        GoodArgs{"BatchByDimensions", {"impedance", "--batch", "--D", "4", "--S", "1", "--d", "1"},
                 [] {
                     Options o = calculation(Mode::Impedance, {});
                     o.batch = true;
                     o.input.set(Input::ShieldDiameter, 4);
                     o.input.set(Input::Spacing, 1);
                     o.input.set(Input::WireDiameter, 1);
                     return o;
                 }},
        // A sweep of each of two inputs.
        GoodArgs{"TwoSweeps", {"impedance", "--sweep", "sd=0.5", "--sweep=dd=10"},
                 [] {
                     Options o = calculation(Mode::Impedance, {});
                     o.input.set(Input::Er, 1);
                     o.sweeps = {{Input::Sd, {0.5}}, {Input::Dd, {10}}};
                     return o;
                 }}),
    CaseName());

struct AnswerCase {
    const char* name;
    Args args;
    Options::Action action;
};

class HelpAndVersion : public testing::TestWithParam<AnswerCase> {};

// The answer keeps nothing else of the command line, and a problem before
// or after the option does not stop it.
TEST_P(HelpAndVersion, AnswerWhereverTheyStand)
{
    Options options;
    options.decimals = 4;
    ASSERT_EQ(parseArgs(GetParam().args, options), "");
    EXPECT_EQ(options, answer(GetParam().action));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HelpAndVersion,
    testing::Values(
        AnswerCase{"HelpAlone", {"--help"}, Options::Action::Help},
        AnswerCase{"ShortHelp", {"-h"}, Options::Action::Help},
        AnswerCase{"ShortHelpAmongOperands", {"impedance", "0.5", "-h"}, Options::Action::Help},
        AnswerCase{"ShortHelpOverVersion", {"--version", "-h"}, Options::Action::Help},
        AnswerCase{"HelpAfterUnknownOption", {"--bogus", "--help"}, Options::Action::Help},
        AnswerCase{"HelpBeforeUnknownOption", {"impedance", "--help", "--bogus"}, Options::Action::Help},
        AnswerCase{"HelpAmongOperands", {"impedance", "0.5", "--help"}, Options::Action::Help},
        AnswerCase{"HelpAfterBadValue", {"--decimals", "9", "--help"}, Options::Action::Help},
        AnswerCase{"HelpAfterFlagWithValue", {"--json=1", "--help"}, Options::Action::Help},
        AnswerCase{"HelpWithTooManyNumbers", {"shape", "1", "2", "3", "4", "--help"}, Options::Action::Help},
        AnswerCase{"HelpWithShapeOptionInImpedance", {"impedance", "0.5", "10", "--width", "1", "--help"},
                   Options::Action::Help},
        AnswerCase{"HelpWithOptionMissingItsValue", {"--help", "--decimals"}, Options::Action::Help},
        AnswerCase{"VersionAlone", {"--version"}, Options::Action::Version},
        AnswerCase{"VersionAfterUnknownMode", {"sweep", "--version"}, Options::Action::Version},
        AnswerCase{"VersionWithBatchAndNumbers", {"shape", "--batch", "1", "--version"}, Options::Action::Version},
        // Help wins over version, in either order.
        AnswerCase{"HelpThenVersion", {"--help", "--version"}, Options::Action::Help},
        AnswerCase{"VersionThenHelp", {"--version", "--help"}, Options::Action::Help}),
    CaseName());

struct BadArgs {
    const char* name;
    Args args;
    const char* problem;
};

class ParseArgsRejects : public testing::TestWithParam<BadArgs> {};

TEST_P(ParseArgsRejects, NamingTheArgument)
{
    Options options;
    options.decimals = 4;
    EXPECT_EQ(parseArgs(GetParam().args, options), GetParam().problem);
    EXPECT_EQ(options.decimals, 4) << "options must stay untouched";
}

INSTANTIATE_TEST_SUITE_P(
    Operands, ParseArgsRejects,
    testing::Values(
        BadArgs{"NoArguments", {}, "missing mode (impedance or shape or sensitivity or tolerance or model)"},
        BadArgs{"UnknownMode", {"0.5", "10"}, R"(unknown mode "0.5" (impedance or shape or sensitivity or tolerance or model))"},
        BadArgs{"MissingFirstNumber", {"impedance"}, "missing SD"},
        BadArgs{"MissingSecondNumber", {"impedance", "0.5"}, "missing DD"},
        BadArgs{"MissingZo", {"shape", "100"}, "missing ZO"},
        BadArgs{"EmptyNumber", {"impedance", "", "10"}, "SD is empty"},
        BadArgs{"WordForNumber", {"impedance", "0.5", "abc"}, R"(DD "abc": not a number)"},
        BadArgs{"DecimalComma", {"shape", "100", "50", "1,5"}, R"(ER "1,5": "," is no decimal point - write 1.5)"},
        BadArgs{"Infinity", {"impedance", "inf", "10"}, R"(SD "inf": not a number)"},
        BadArgs{"NaN", {"impedance", "nan", "10"}, R"(SD "nan": not a number)"},
        BadArgs{"HexNumber", {"impedance", "0x1p-1", "10"}, R"(SD "0x1p-1": not a number)"},
        BadArgs{"OutOfRange", {"impedance", "0.5", "1e999"}, R"(DD "1e999": out of range)"},
        BadArgs{"Underflow", {"impedance", "1e-400", "10"}, R"(SD "1e-400": out of range)"},
        BadArgs{"NegativeOverflow", {"shape", "100", "50", "-1e400"}, R"(ER "-1e400": out of range)"},
        BadArgs{"FourNumbers", {"impedance", "0.5", "10", "1", "7"}, R"(unexpected "7" after ER)"},
        // A value is shown escaped, so that the message keeps to one line.
        BadArgs{"NumberWithNewline", {"impedance", "0.5\nx", "10"}, R"(SD "0.5\nx": not a number)"},
        BadArgs{"ModeWithNewline", {"impedance\n", "0.5", "10"}, R"(unknown mode "impedance\n" (impedance or shape or sensitivity or tolerance or model))"},
        BadArgs{"ExtraWithControl", {"impedance", "0.5", "10", "1", "\x1b[2J"}, R"(unexpected "\x1b[2J" after ER)"},
        // Only a short form the table has is an option (-h); another
        // single-dash word is an operand, as a negative number is.
        BadArgs{"SingleDashWord", {"impedance", "-j", "10"}, R"(SD "-j": not a number)"},
        BadArgs{"BatchWithNumbers", {"impedance", "--batch", "0.5"},
                R"(unexpected "0.5": --batch reads the cases from standard input)"},
        BadArgs{"BatchWithTrace", {"shape", "--batch", "--trace", "t"}, "--trace cannot be used with --batch"}),
    CaseName());

// After "--", a word that looks like an option is an operand.
INSTANTIATE_TEST_SUITE_P(
    AfterDoubleDash, ParseArgsRejects,
    testing::Values(
        BadArgs{"Option", {"impedance", "0.5", "10", "--", "--json"}, R"(ER "--json": not a number)"},
        BadArgs{"Help", {"impedance", "--", "--help", "10"}, R"(SD "--help": not a number)"},
        BadArgs{"ShortHelp", {"impedance", "--", "-h", "10"}, R"(SD "-h": not a number)"},
        BadArgs{"Version", {"--", "--version"}, R"(unknown mode "--version" (impedance or shape or sensitivity or tolerance or model))"},
        BadArgs{"DashedOperand", {"shape", "--", "--100", "50"}, R"(ZE "--100": not a number)"},
        BadArgs{"SecondDoubleDash", {"impedance", "--", "0.5", "--", "10"}, R"(DD "--": not a number)"},
        BadArgs{"ShapeOptionBefore", {"impedance", "--width", "1", "--", "0.5", "10"},
                "--width applies to shape mode only"}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    Values, ParseArgsRejects,
    testing::Values(
        BadArgs{"DecimalsAboveFive", {"impedance", "0.5", "10", "--decimals", "6"},
                R"(--decimals "6": must be an integer from 1 to 5)"},
        BadArgs{"DecimalsZero", {"impedance", "0.5", "10", "--decimals=0"},
                R"(--decimals "0": must be an integer from 1 to 5)"},
        BadArgs{"DecimalsNotInteger", {"impedance", "0.5", "10", "--decimals", "2.0"},
                R"(--decimals "2.0": must be an integer from 1 to 5)"},
        BadArgs{"DecimalsEmpty", {"impedance", "0.5", "10", "--decimals="},
                R"(--decimals "": must be an integer from 1 to 5)"},
        BadArgs{"WidthZero", {"shape", "100", "50", "--width", "0"}, R"(--width "0": must be a positive number)"},
        BadArgs{"WidthNegative", {"shape", "100", "50", "--width", "-1"}, R"(--width "-1": must be a positive number)"},
        BadArgs{"WidthDecimalComma", {"shape", "100", "50", "--width", "1,0"},
                R"(--width "1,0": "," is no decimal point - write 1.0)"},
        BadArgs{"WidthCommaThatIsNoDecimalComma", {"shape", "100", "50", "--width", "1,0,0"},
                R"(--width "1,0,0": must be a positive number)"},
        BadArgs{"LimitWithExponent", {"shape", "100", "50", "--limit", "1e3"},
                R"(--limit "1e3": must be an integer from 1 to 2147483647)"},
        BadArgs{"LimitZero", {"shape", "100", "50", "--limit", "0"},
                R"(--limit "0": must be an integer from 1 to 2147483647)"},
        BadArgs{"LimitNegative", {"shape", "100", "50", "--limit", "-1"},
                R"(--limit "-1": must be an integer from 1 to 2147483647)"},
        BadArgs{"LimitAboveInt", {"shape", "100", "50", "--limit", "2147483648"},
                R"(--limit "2147483648": out of range (1 to 2147483647))"},
        BadArgs{"LimitFarAboveInt", {"shape", "100", "50", "--limit", "99999999999"},
                R"(--limit "99999999999": out of range (1 to 2147483647))"},
        BadArgs{"LimitBelowInt", {"shape", "100", "50", "--limit=-2147483649"},
                R"(--limit "-2147483649": out of range (1 to 2147483647))"},
        BadArgs{"WidthOverflow", {"shape", "100", "50", "--width", "1e400"}, R"(--width "1e400": out of range)"},
        BadArgs{"WidthUnderflow", {"shape", "100", "50", "--width", "1e-400"}, R"(--width "1e-400": out of range)"},
        BadArgs{"TraceEmpty", {"shape", "100", "50", "--trace="}, R"(--trace "": needs a file name)"},
        BadArgs{"MethodUnknown", {"impedance", "0.5", "10", "--method", "exact"},
                R"(--method "exact": must be five-charge or converged)"},
        BadArgs{"ValueWithNewline", {"shape", "100", "50", "--width", "1\n2"},
                R"(--width "1\n2": must be a positive number)"},
        // A bad value stays an error when the option is given again.
        BadArgs{"RepeatedAfterBadValue", {"impedance", "0.5", "10", "--decimals", "9", "--decimals", "4"},
                R"(--decimals "9": must be an integer from 1 to 5)"}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    MissingValues, ParseArgsRejects,
    testing::Values(
        BadArgs{"Decimals", {"impedance", "0.5", "10", "--decimals"}, "missing value for --decimals"},
        BadArgs{"Width", {"shape", "100", "50", "--width"}, "missing value for --width"},
        BadArgs{"Limit", {"shape", "100", "50", "--limit"}, "missing value for --limit"},
        BadArgs{"Trace", {"shape", "100", "50", "--trace"}, "missing value for --trace"},
        BadArgs{"Method", {"impedance", "0.5", "10", "--method"}, "missing value for --method"}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    ValuesNotTaken, ParseArgsRejects,
    testing::Values(BadArgs{"Json", {"impedance", "0.5", "10", "--json=yes"}, "--json takes no value"},
                    BadArgs{"BatchEmpty", {"impedance", "--batch="}, "--batch takes no value"},
                    BadArgs{"Help", {"--help=all"}, "--help takes no value"}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    UnknownOptions, ParseArgsRejects,
    testing::Values(
        BadArgs{"Unlisted", {"impedance", "0.5", "10", "--precise"}, R"(unknown option "--precise")"},
        BadArgs{"UnlistedWithValue", {"impedance", "0.5", "10", "--precise=3"}, R"(unknown option "--precise=3")"},
        BadArgs{"Abbreviated", {"impedance", "0.5", "10", "--dec", "2"}, R"(unknown option "--dec")"},
        BadArgs{"OtherCase", {"impedance", "0.5", "10", "--JSON"}, R"(unknown option "--JSON")"},
        BadArgs{"ThreeDashes", {"impedance", "0.5", "10", "---json"}, R"(unknown option "---json")"},
        BadArgs{"DoubleDashWithValue", {"impedance", "0.5", "10", "--=1"}, R"(unknown option "--=1")"},
        BadArgs{"WithNewline", {"impedance", "0.5", "10", "--json\n"}, R"(unknown option "--json\n")"},
        BadArgs{"ShortFormWithValue", {"impedance", "0.5", "10", "-h=1"}, R"(ER "-h=1": not a number)"}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    Dimensions, ParseArgsRejects,
    testing::Values(
        BadArgs{"RatiosAndDimensions", {"impedance", "0.5", "10", "--D", "4", "--S", "1", "--d", "0.5"},
                "ratios and dimensions mixed: give S/D and D/d, or the dimensions --D, --S and --d (or --awg)"},
        BadArgs{"OneRatioAndDimensions", {"impedance", "0.5", "10", "--D", "4", "--d", "0.5"},
                "ratios and dimensions mixed: give S/D and D/d, or the dimensions --D, --S and --d (or --awg)"},
        BadArgs{"MissingShield", {"impedance", "--S", "1", "--d", "0.5"},
                "D is missing: the shape by dimensions needs --D, --S and --d (or --awg)"},
        BadArgs{"MissingSpacing", {"impedance", "--D", "4", "--awg", "24", "2.1"},
                "S is missing: the shape by dimensions needs --D, --S and --d (or --awg)"},
        BadArgs{"MissingWire", {"impedance", "--D", "4", "--S", "1"},
                "d is missing: the shape by dimensions needs --D, --S and --d (or --awg)"},
        BadArgs{"MissingInBatch", {"impedance", "--batch", "--D", "4", "--d", "1"},
                "S is missing: the shape by dimensions needs --D, --S and --d (or --awg)"},
        BadArgs{"WireTwice", {"impedance", "0.5", "10", "--d", "0.5", "--awg", "24"},
                "--d and --awg both give the wire's diameter: give one"},
        BadArgs{"WireTwiceInShape", {"shape", "100", "50", "--awg=24", "--d=1"},
                "--d and --awg both give the wire's diameter: give one"},
        BadArgs{"UnknownUnit", {"impedance", "--D", "4.2cm", "--S", "1", "--d", "0.5"},
                R"(--D "4.2cm": unknown unit "cm" - use mm, um, m, in or mil, or touch)"},
        BadArgs{"NotALength", {"impedance", "--D", "4", "--S", "one", "--d", "0.5"},
                R"(--S "one": not a length - write a number with mm, um, m, in or mil; a bare number is mm, or touch)"},
        BadArgs{"ZeroLength", {"impedance", "--D", "4", "--S", "1", "--d", "0mm"},
                R"(--d "0mm": must be a positive length)"},
        BadArgs{"AwgOutOfTable", {"shape", "100", "50", "--awg", "41"},
                R"(--awg "41": must be an AWG size from 0000 (or 4/0) to 40, or SIZE/STRANDS (24/7, 24/19, 24/37) )"
                "for a stranded wire"},
        BadArgs{"AwgStrandsNotLaidUp", {"impedance", "0.5", "4", "--awg", "24/5"},
                R"(--awg "24/5": a stranded wire is SIZE/7, SIZE/19 or SIZE/37: strands laid up in concentric layers)"},
        BadArgs{"AwgStrandedSizeOutOfTable", {"impedance", "0.5", "4", "--awg", "41/7"},
                R"(--awg "41/7": must be an AWG size from 0000 (or 4/0) to 40 before the /)"},
        BadArgs{"SleeveInsideTheStrands", {"impedance", "--awg", "24/7", "--sleeve", "0.6mm", "--S", "touch", "--D",
                                           "touch", "--er-sleeve", "pe"},
                "the sleeve (Di 0.6 mm) is thinner than its core (d 0.605814 mm): Di must be at least d"},
        BadArgs{"ShieldInShapeMode", {"shape", "100", "50", "--D", "4"},
                "--D in shape mode is for a design: give --solve-for and the targets"},
        BadArgs{"SpacingInShapeMode", {"shape", "100", "50", "--d", "0.5", "--S", "1"},
                "--S in shape mode is for a design: give --solve-for and the targets"}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    Targets, ParseArgsRejects,
    testing::Values(
        BadArgs{"ZdiffAlone", {"shape", "--zdiff", "100"}, "the even mode has no target: give --zcm (or --ze)"},
        BadArgs{"ZcmAlone", {"shape", "--zcm", "40", "2.1"}, "the odd mode has no target: give --zdiff (or --zo)"},
        BadArgs{"ZeAndZcm", {"shape", "--zdiff", "100", "--zcm", "40", "--ze", "80"},
                "Ze and Zcm both set the even mode (Ze = 2 Zcm): give one"},
        BadArgs{"ZoAndZdiff", {"shape", "--zdiff", "100", "--zo", "50", "--ze", "80"},
                "Zo and Zdiff both set the odd mode (Zo = Zdiff / 2): give one"},
        // ZE ZO as operands beside a target are read as ZE ZO, and so set a
        // mode twice.
        BadArgs{"OperandsAndTargets", {"shape", "80", "50", "--zdiff", "100"},
                "Zo and Zdiff both set the odd mode (Zo = Zdiff / 2): give one"},
        // Both modes by name: beyond ER, a number is one too many, not a target.
        BadArgs{"NumberAfterBothTargets", {"shape", "--zdiff", "100", "--zcm", "40", "2.1", "5"},
                R"(unexpected "5" after ER)"},
        BadArgs{"NotANumber", {"shape", "--zdiff", "100R", "--zcm", "40"}, R"(--zdiff "100R": not a number)"},
        BadArgs{"InImpedanceMode", {"impedance", "0.5", "10", "--zdiff", "100"},
                "--zdiff applies to shape mode only"},
        BadArgs{"BatchMissingTarget", {"shape", "--batch", "--zcm", "40"},
                "the odd mode has no target: give --zdiff (or --zo)"}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    Loss, ParseArgsRejects,
    testing::Values(
        BadArgs{"WithoutTheWire", {"impedance", "0.5", "10", "--freq", "1GHz"},
                "the loss (--freq) needs the wire's size: give --d or --awg, or the dimensions --D, --S and --d"},
        BadArgs{"WithoutTheWireInBatch", {"impedance", "--batch", "--freq", "1GHz"},
                "the loss (--freq) needs the wire's size: give --d or --awg, or the dimensions --D, --S and --d"},
        BadArgs{"TanDeltaWithoutFrequency", {"impedance", "0.5", "10", "--awg", "24", "--tand", "0.001"},
                "--tand applies with --freq only"},
        BadArgs{"ConductivityWithoutFrequency", {"impedance", "0.5", "10", "--sigma", "1e7"},
                "--sigma applies with --freq, or with the wire's size for its resistance (r_dc)"},
        BadArgs{"UnknownFrequencyUnit", {"impedance", "0.5", "10", "--awg", "24", "--freq", "1THz"},
                R"(--freq "1THz": unknown unit "THz" - use Hz, kHz, MHz or GHz)"},
        BadArgs{"NegativeTanDelta", {"impedance", "0.5", "10", "--awg", "24", "--freq", "1GHz", "--tand", "-1e-4"},
                R"(--tand "-1e-4": must be from 0 to 0.1 - the loss formulas hold for a low-loss dielectric)"},
        BadArgs{"ZeroConductivity", {"impedance", "0.5", "10", "--awg", "24", "--freq", "1GHz", "--sigma", "0"},
                R"(--sigma "0": must be from 1e5 to 1e8 S/m - the conductivity of a metal (copper 5.8e7))"},
        // A tangent of 1e300 once printed a loss of inf, a conductivity of
        // 1e-300 a skin depth of inf.
        BadArgs{"HugeTanDelta", {"impedance", "0.5", "10", "--awg", "24", "--freq", "1GHz", "--tand", "1e300"},
                R"(--tand "1e300": must be from 0 to 0.1 - the loss formulas hold for a low-loss dielectric)"},
        BadArgs{"TinyConductivity", {"impedance", "0.5", "10", "--awg", "24", "--freq", "1GHz", "--sigma", "1e-300"},
                R"(--sigma "1e-300": must be from 1e5 to 1e8 S/m - the conductivity of a metal (copper 5.8e7))"},
        BadArgs{"InShapeMode", {"shape", "100", "50", "--awg", "24", "--freq", "1GHz"},
                "--freq applies to impedance or sensitivity or tolerance or model mode only"}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    Sweeps, ParseArgsRejects,
    testing::Values(
        BadArgs{"SweptTwice", {"impedance", "--sweep", "sd=0.5", "--sweep", "sd=0.6", "10"},
                "--sweep sd is given twice"},
        BadArgs{"SweptAndGiven", {"impedance", "--D", "4", "--sweep", "D=1,2", "--S", "1", "--d", "1"},
                "D is both swept and given: give one"},
        BadArgs{"OtherModesInput", {"shape", "100", "50", "--sweep", "freq=1GHz,2GHz"},
                "--sweep freq applies to impedance or sensitivity or tolerance or model mode only"},
        BadArgs{"ZdiffInImpedance", {"impedance", "0.5", "10", "--sweep", "zdiff=90,100"},
                "--sweep zdiff applies to shape mode only"},
        BadArgs{"BadRange", {"impedance", "--sweep", "sd=0.1:0.9", "10"}, R"(--sweep "sd=0.1:0.9": a range is start:stop:step)"},
        BadArgs{"WithBatch", {"impedance", "--batch", "--sweep", "sd=0.1,0.2"}, "--sweep cannot be used with --batch"},
        BadArgs{"JsonAndCsv", {"impedance", "--sweep", "sd=0.1,0.2", "10", "--csv", "--json"},
                "--json and --csv: choose one"},
        BadArgs{"WithTrace", {"shape", "--sweep", "ze=80,90", "50", "--trace", "t"},
                "--trace cannot be used with --sweep"},
        BadArgs{"TooManyCases", {"impedance", "--sweep", "sd=0:1:1e-4", "--sweep", "dd=1:1000:1", "--sweep", "er=1,2"},
                "--sweep would make 20002000 cases, more than the limit of 10000000"},
        // A swept input leaves its place among the operands to the next.
        BadArgs{"OperandBeyondTheOthers", {"impedance", "--sweep", "sd=0.5,0.6", "10", "2.1", "3"},
                R"(unexpected "3" after ER)"},
        BadArgs{"SweptWireBesideAwg", {"impedance", "0.5", "10", "--awg", "24", "--sweep", "d=1,2"},
                "--d and --awg both give the wire's diameter: give one"},
        BadArgs{"SweptRatioWithDimensions", {"impedance", "--D=4", "--S=1", "--d=1", "--sweep", "dd=4,5"},
                "ratios and dimensions mixed: give S/D and D/d, or the dimensions --D, --S and --d (or --awg)"},
        BadArgs{"SweptFrequencyWithoutTheWire", {"impedance", "0.5", "10", "--sweep", "freq=1GHz,2GHz"},
                "the loss (--freq) needs the wire's size: give --d or --awg, or the dimensions --D, --S and --d"}),
    CaseName());

// Every option is given once: a second value would silently win over the
// first. --sweep is given once per input.
INSTANTIATE_TEST_SUITE_P(
    GivenTwice, ParseArgsRejects,
    testing::Values(
        BadArgs{"Dimension", {"impedance", "--D", "4", "--S", "1", "--d", "0.5", "--D", "5"}, "--D is given twice"},
        BadArgs{"EqualsThenBlank", {"impedance", "0.5", "10", "--decimals=2", "--decimals", "4"},
                "--decimals is given twice"},
        BadArgs{"Trace", {"shape", "--trace=a", "100", "50", "--trace", "b"}, "--trace is given twice"},
        BadArgs{"Flag", {"--json", "shape", "100", "50", "--json"}, "--json is given twice"},
        BadArgs{"Target", {"shape", "--zdiff", "100", "--zcm", "40", "--zdiff", "90"}, "--zdiff is given twice"},
        BadArgs{"SweepOfOneInput", {"impedance", "--sweep", "dd=4", "0.5", "--sweep=dd=6"},
                "--sweep dd is given twice"}),
    CaseName());

// Options of one mode are usage errors in the other, wherever they stand.
INSTANTIATE_TEST_SUITE_P(
    ModeOnlyOptions, ParseArgsRejects,
    testing::Values(
        BadArgs{"Width", {"impedance", "0.5", "10", "--width", "1"}, "--width applies to shape mode only"},
        BadArgs{"Limit", {"impedance", "0.5", "10", "--limit=5"}, "--limit applies to shape mode only"},
        BadArgs{"Trace", {"impedance", "0.5", "10", "--trace", "t"}, "--trace applies to shape mode only"},
        BadArgs{"BeforeTheMode", {"--width", "1", "impedance", "0.5", "10"}, "--width applies to shape mode only"},
        BadArgs{"WithBatch", {"impedance", "--batch", "--limit", "5"}, "--limit applies to shape mode only"},
        BadArgs{"CompareInShapeMode", {"shape", "100", "50", "--compare"}, "--compare applies to impedance mode only"}),
    CaseName());

}  // namespace
