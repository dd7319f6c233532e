// duvane-calc model: the files it writes read back as a Touchstone or SPICE
// reader would (ports, frequencies, the conventions in the comments), the
// table it prints, its warnings, the files of a run written together, and
// the refusals. The networks' numbers themselves are proved by scikit-rf,
// ngspice and a lumped cascade (tests/oracles) on files this mode writes.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "CaseName.h"
#include "CliRun.h"
#include "Codata.h"
#include "NumberText.h"

namespace {

using Args = std::vector<std::string>;

// 24 AWG in 1.3 mm PE, touching each other and the shield.
Args twinax(const Args& more)
{
    Args args{"model", "--awg", "24", "--sleeve", "1.3mm", "--S", "touch", "--D", "touch", "--er-sleeve", "pe"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

std::string contents(const std::filesystem::path& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A Touchstone 1 file as a reader takes it: its option line, and every
// number after it, split into its frequencies by the count of ports.
struct Touchstone {
    std::string optionLine;
    std::vector<double> frequencies;
    bool whole = false;  // the numbers make whole points of `ports` ports
};

Touchstone readTouchstone(const std::string& text, int ports)
{
    Touchstone t;
    std::vector<double> numbers;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("#"))
            t.optionLine = line;
        std::istringstream words(line.substr(0, line.find('!')));
        for (double x = 0; !line.starts_with("#") && words >> x;)
            numbers.push_back(x);
    }
    const std::size_t perPoint = 1 + 2 * static_cast<std::size_t>(ports * ports);
    t.whole = !numbers.empty() && numbers.size() % perPoint == 0;
    for (std::size_t i = 0; t.whole && i < numbers.size(); i += perPoint)
        t.frequencies.push_back(numbers[i]);
    return t;
}

// One file a run writes, in the run's scratch folder.
struct WrittenFile {
    std::string name;
    int ports;                          // 0: a SPICE subcircuit
    std::string optionLine;             // a Touchstone file's
    std::vector<std::string> comments;  // lines it must hold
};

struct WrittenCase {
    const char* name;
    Args args;  // "@" at the start of a word stands for the scratch folder
    std::size_t frequencies;
    double first, last;  // Hz
    std::vector<WrittenFile> files;
};

const std::string kThroughPorts = "! ports: 1 near core 1, 2 far core 1, 3 near core 2, 4 far core 2";
const std::string kSddPorts =
    "! ports: 1 the pair's near end, 2 its far end; Sdd, the differential mode (Vd = V1 - V2, core 1 the positive side)";

class ModelWrites : public testing::TestWithParam<WrittenCase> {};

TEST_P(ModelWrites, FilesReadBack)
{
    const WrittenCase& c = GetParam();
    const std::filesystem::path folder = makeScratchDir();
    Args args = c.args;
    for (std::string& arg : args)
        if (arg.starts_with("@"))
            arg = folder.string() + arg.substr(1);
    const CliResult r = runWith(args);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    std::size_t found = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        found += entry.is_regular_file();
    EXPECT_EQ(found, c.files.size()) << "the files asked for, no temporary one left";
    for (const WrittenFile& f : c.files) {
        SCOPED_TRACE(f.name);
        const std::string text = contents(folder / f.name);
        for (const std::string& line : f.comments)
            EXPECT_NE(text.find(line + "\n"), std::string::npos) << line << "\nnot in\n" << text;
        if (f.ports == 0)
            continue;
        const Touchstone t = readTouchstone(text, f.ports);
        EXPECT_EQ(t.optionLine, f.optionLine);
        ASSERT_TRUE(t.whole) << "not whole points of " << f.ports << " ports";
        ASSERT_EQ(t.frequencies.size(), c.frequencies);
        EXPECT_EQ(t.frequencies.front(), c.first);
        EXPECT_EQ(t.frequencies.back(), c.last);
    }
    std::filesystem::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ModelWrites,
    testing::Values(
        // Ten points a decade from 1 MHz to 10 GHz: 41 frequencies; the
        // subcircuit's R and G as at the highest of them.
        WrittenCase{"LogSweepTouchstoneAndSpice",
                    twinax({"--freq", "1MHz:10GHz/10", "--length", "10m", "--touchstone", "@/twinax", "--spice",
                            "@/twinax.cir", "--name", "pair10"}),
                    41, 1e6, 1e10,
                    {{"twinax.s4p", 4, "# Hz S RI R 50", {"! length 10 m; every voltage against the shield", kThroughPorts,
                      "! references: 50 ohm core 1, 50 ohm core 2, single-ended; mixed-mode 100 ohm differential (Vd = "
                      "V1 - V2), 25 ohm common (Vc = (V1 + V2)/2), core 1 the positive side"}},
                     {"twinax.s2p", 2, "# Hz S RI R 100",
                      {kSddPorts, "! reference: 100 ohm differential (the single-ended 50 and 50 ohm in series)"}},
                     {"twinax.cir", 0, "", {".subckt pair10 n1 n2 f1 f2 ref", "* R and G constant, as at 1e+10 Hz; per metre, length in metres"}}}},
        WrittenCase{"SequentialPortsTheirReference",
                    twinax({"--freq", "1GHz", "--touchstone", "@/seq.s4p", "--ports", "sequential", "--reference", "45"}),
                    1, 1e9, 1e9,
                    {{"seq.s4p", 4, "# Hz S RI R 45", {"! ports: 1 near core 1, 2 near core 2, 3 far core 1, 4 far core 2"}},
                     {"seq.s2p", 2, "# Hz S RI R 90",
                      {"! reference: 90 ohm differential (the single-ended 45 and 45 ohm in series)"}}}},
        // DC before a log sweep; the causal dielectric's band in the file.
        WrittenCase{"DcAndTheWidebandDielectric",
                    twinax({"--freq", "0,1MHz:1GHz/1", "--touchstone", "@/dc", "--dielectric", "wideband"}), 5, 0, 1e9,
                    {{"dc.s4p", 4, "# Hz S RI R 50",
                      {"! dielectric: wideband Djordjevic-Sarkar model (causal), 1 kHz to 1 THz, Er and tan delta as "
                       "given at 1 GHz; C(f) and G(f) to first order in the change of Er"}},
                     {"dc.s2p", 2, "# Hz S RI R 100", {}}}},
        WrittenCase{"SpiceAtItsOwnFrequency",
                    twinax({"--freq", "1GHz:5GHz:1GHz", "--spice", "@/at.cir", "--at", "2GHz"}), 5, 1e9, 5e9,
                    {{"at.cir", 0, "", {".subckt duvane_line n1 n2 f1 f2 ref", "* R and G constant, as at 2e+09 Hz; per metre, length in metres"}}}},
        // Unequal cores off their places: a 4-port of its own, no mirror.
        WrittenCase{"AsymmetricPair",
                    {"model", "--d", "0.51mm", "--d2", "0.4mm", "--sleeve", "1.2mm", "--sleeve2", "1mm", "--er-sleeve",
                     "2.1", "--er-sleeve2", "3", "--S", "1.45mm", "--D", "4.2mm", "--offset", "0.05mm,0.15mm",
                     "--freq", "1MHz,1GHz", "--touchstone", "@/unequal"},
                    2, 1e6, 1e9,
                    {{"unequal.s4p", 4, "# Hz S RI R 50",
                      {"! core 1: centre (0.775, 0.15) mm, diameter 0.51 mm, sleeve diameter 1.2 mm, Er 2.1, tan delta 0",
                       "! core 2: centre (-0.725, 0) mm, diameter 0.4 mm, sleeve diameter 1 mm, Er 3, tan delta 0"}},
                     {"unequal.s2p", 2, "# Hz S RI R 100", {}}}},
        // Core 1 off its sleeve's centre: the sleeve's own centre in the file.
        WrittenCase{"EccentricSleeve",
                    {"model", "--d", "0.5mm", "--sleeve", "1.4mm", "--er-sleeve", "ptfe", "--S", "1.5mm", "--D",
                     "3.4mm", "--sleeve-offset", "0.03mm,-0.02mm", "--freq", "1GHz", "--touchstone", "@/eccentric"},
                    1, 1e9, 1e9,
                    {{"eccentric.s4p", 4, "# Hz S RI R 50",
                      {"! core 1: centre (0.78, -0.02) mm, diameter 0.5 mm, sleeve diameter 1.4 mm centred at (0.75, "
                       "0) mm, Er 2.1, tan delta 0.0002"}},
                     {"eccentric.s2p", 2, "# Hz S RI R 100", {}}}},
        WrittenCase{"FoilWithADrainWire",
                    {"model", "--shield", "foil", "--awg", "26", "--sleeve", "1mm", "--S", "touch", "--er-sleeve",
                     "foam-pe", "--drain", "0.32mm", "--freq", "100MHz", "--touchstone", "@/foil"},
                    1, 1e8, 1e8,
                    {{"foil.s4p", 4, "# Hz S RI R 50", {}}, {"foil.s2p", 2, "# Hz S RI R 100", {}}}}),
    CaseName());

class ModelFileSet : public testing::Test {
protected:
    void SetUp() override { folder_ = makeScratchDir(); }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string path(const std::string& name) const { return (folder_ / name).string(); }

    std::filesystem::path folder_;
};

// A path that cannot be written: exit 1, the reason, nothing left behind.
TEST_F(ModelFileSet, UnwritablePathLeavesNothing)
{
    const std::string missing = path("missing/x.s4p");
    const CliResult r = runWith(twinax({"--freq", "1GHz", "--touchstone", missing}));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "duvane-calc: Cannot write \"" + missing + "\": No such file or directory\n");
    EXPECT_TRUE(std::filesystem::is_empty(folder_));
}

// One file of the run that cannot be written keeps the others from being
// written: the old .s4p stays as it was, no .s2p appears.
TEST_F(ModelFileSet, OneUnwritableFileStopsTheOthers)
{
    std::ofstream(path("line.s4p")) << "old\n";
    const CliResult r =
        runWith(twinax({"--freq", "1GHz", "--touchstone", path("line"), "--spice", path("missing/line.cir")}));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(contents(path("line.s4p")), "old\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), std::filesystem::directory_iterator()), 1);
}

TEST_F(ModelFileSet, AnExistingFileIsReplacedWhole)
{
    std::ofstream(path("line.cir")) << std::string(100000, 'x');
    const CliResult r = runWith(twinax({"--freq", "1GHz", "--spice", path("line.cir")}));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string text = contents(path("line.cir"));
    EXPECT_TRUE(text.starts_with("* cross-section: ")) << text;
    EXPECT_EQ(text.find('x' + std::string(10, 'x')), std::string::npos);
}

// The single-mode limit of this cross-section by its closed form (QuasiTem.h):
// the coaxial TE11 cut-off c / (pi (R + r) sqrt(Er)), R the shield's radius
// 1.3 mm, r the wire's (24 AWG), Er the PE's 2.26.
double twinaxLimit()
{
    const double wireRadius = 0.127e-3 * std::pow(92.0, 12.0 / 39.0) / 2;
    return kSpeedOfLight / (std::numbers::pi * (1.3e-3 + wireRadius) * std::sqrt(2.26));
}

// A frequency above the limit is warned of on standard error and in the
// table's warning field of its row; the rows below it have none.
TEST(ModelTable, RowsBeyondTheLimitCarryTheWarning)
{
    const double limit = twinaxLimit();
    ASSERT_GT(limit, 40e9);
    ASSERT_LT(limit, 41e9);
    const std::string warning = "above the quasi-TEM limit of about " + formatSignificant(limit / 1e9, 5) +
                                " GHz (the coaxial TE11 cut-off, an estimate): the line model does not hold there";
    const CliResult csv = runWith(twinax({"--freq", "30GHz:50GHz:10GHz", "--rlgc", "--csv"}));
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.err, "duvane-calc: 50 GHz: " + warning + "\n");
    const std::vector<std::string> lines = linesOf(csv.out);
    ASSERT_EQ(lines.size(), 4u) << csv.out;
    EXPECT_TRUE(lines[0].starts_with("freq_Hz,r11_ohm_per_m,r12_ohm_per_m,")) << lines[0];
    EXPECT_TRUE(lines[0].ends_with(",c22_pF_per_m,warning")) << lines[0];
    for (const auto& [row, frequency, expected] :
         {std::tuple{1, 30e9, std::string()}, {2, 40e9, std::string()}, {3, 50e9, warning}}) {
        const std::vector<std::string> fields = csvFields(lines[row]);
        ASSERT_EQ(fields.size(), 14u) << lines[row];
        EXPECT_EQ(std::stod(fields[0]), frequency);
        EXPECT_EQ(fields[13], expected);
    }

    const CliResult json = runWith(twinax({"--freq", "40GHz,41GHz,45GHz", "--rlgc", "--json"}));
    const std::vector<std::string> objects = linesOf(json.out);
    ASSERT_EQ(objects.size(), 3u) << json.out;
    EXPECT_EQ(jsonTextAt(objects[0], "warning"), "");
    EXPECT_EQ(jsonTextAt(objects[1], "warning"), warning);
    EXPECT_EQ(jsonTextAt(objects[2], "warning"), warning);
    EXPECT_EQ(json.err, "duvane-calc: the 2 frequencies from 41 GHz: " + warning + "\n");
}

// A subcircuit's R and G taken above the limit are warned of too.
TEST(ModelTable, AtBeyondTheLimitIsWarnedOf)
{
    const std::filesystem::path folder = makeScratchDir();
    const CliResult r = runWith(twinax({"--freq", "1GHz", "--spice", (folder / "x.cir").string(), "--at", "45GHz"}));
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.err.starts_with("duvane-calc: --at 45 GHz: above the quasi-TEM limit of about " +
                                  formatSignificant(twinaxLimit() / 1e9, 5) + " GHz"))
        << r.err;
    std::filesystem::remove_all(folder);
}

// A foil-wrapped pair with a drain wire: the text table's comments say so
// (it once aborted on the round shield's diameter).
TEST(ModelTable, FoilWrappedPairDescribesItsFoil)
{
    const CliResult r = runWith({"model", "--shield", "foil", "--awg", "26", "--sleeve", "1mm", "--S", "touch",
                                 "--er-sleeve", "foam-pe", "--drain", "0.32mm", "--freq", "10GHz", "--rlgc",
                                 "--english"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("# cross-section: a foil drawn over the sleeves, clearance 0 mm, a drain wire of 0.32 mm "
                          "inside",
                          0),
              0u)
        << r.out;
    EXPECT_NE(r.out.find("the foil 3.538e+07 S/m, 0.009 mm thick"), std::string::npos) << r.out;
}

struct Refusal {
    const char* name;
    Args args;
    std::string error;  // the first line of standard error
};

class ModelRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(ModelRefusal, IsABadArgument)
{
    const CliResult r = runWith(GetParam().args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(linesOf(r.err).at(0), "duvane-calc: " + GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ModelRefusal,
    testing::Values(
        Refusal{"NothingToWrite", twinax({"--freq", "1GHz"}),
                "model needs something to write: --touchstone FILE, --spice FILE or --rlgc"},
        Refusal{"NoFrequency", twinax({"--rlgc"}),
                "model needs the frequencies: --freq F, a list F1,F2, START:STOP:STEP or START:STOP/N"},
        Refusal{"BadLogSweep", twinax({"--rlgc", "--freq", "1GHz:1MHz/10"}),
                R"(--freq "1GHz:1MHz/10": "1GHz:1MHz/10": the stop is not above the start - write a log sweep as )"
                "START:STOP/N, 1MHz:20GHz/10 for 10 points a decade"},
        Refusal{"TooManyFrequencies", twinax({"--rlgc", "--freq", "1Hz:1e12Hz/10000"}),
                R"(--freq "1Hz:1e12Hz/10000": would make 120001 frequencies, more than the limit of 100000)"},
        Refusal{"AListOutsideModel", {"impedance", "0.5", "10", "--awg", "24", "--freq", "1GHz,2GHz"},
                R"(--freq "1GHz,2GHz": one frequency here - a list or a range is model mode's)"},
        Refusal{"NoWire", {"model", "0.5", "10", "2.1", "--freq", "1GHz", "--rlgc"},
                "model needs the wire's size for its resistance: give --d or --awg (or the dimensions)"},
        Refusal{"UnknownPorts", twinax({"--touchstone", "x", "--freq", "1GHz", "--ports", "crossed"}),
                R"(--ports "crossed": must be through or sequential)"},
        Refusal{"PortsWithoutTouchstone", twinax({"--rlgc", "--freq", "1GHz", "--ports", "sequential"}),
                "--ports applies with --touchstone only"},
        Refusal{"AtWithoutSpice", twinax({"--touchstone", "x", "--freq", "1GHz", "--at", "1GHz"}),
                "--at applies with --spice only"},
        Refusal{"TouchstoneOfAnotherKind", twinax({"--touchstone", "x.s2p", "--freq", "1GHz"}),
                R"(--touchstone "x.s2p": must end in .s4p or have no extension - the .s2p is written beside it)"},
        Refusal{"SpiceOverTheTouchstone", twinax({"--touchstone", "x", "--spice", "x.s2p", "--freq", "1GHz"}),
                R"(--spice "x.s2p": --touchstone writes that file - name another)"},
        Refusal{"JsonWithoutTable", twinax({"--touchstone", "x", "--freq", "1GHz", "--json"}),
                "--json and --csv format the --rlgc table"},
        Refusal{"BadSubcircuitName", twinax({"--spice", "x.cir", "--freq", "1GHz", "--name", "1pair"}),
                R"(--name "1pair": must be a letter, then letters, digits and _)"},
        Refusal{"Batch", twinax({"--rlgc", "--freq", "1GHz", "--batch"}),
                "model writes one cross-section: not with --batch or --sweep"}),
    CaseName());

}  // namespace
