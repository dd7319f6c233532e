// duvane-calc model: the files it writes and the table it prints, read back
// as their readers would; the refusals. The networks' numbers themselves are
// proved by scikit-rf, ngspice and a lumped cascade (tests/oracles).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "CaseName.h"
#include "CliRun.h"

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

// The data lines of a Touchstone file: its frequencies, one per line that
// starts a point.
std::vector<double> touchstoneFrequencies(const std::string& text)
{
    std::vector<double> frequencies;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty() && line[0] != '!' && line[0] != '#' && line[0] != ' ')
            frequencies.push_back(std::stod(line));
    return frequencies;
}

class ModelFiles : public testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path() /
                  ("duvane_model_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path folder_;
};

// A log sweep of ten points a decade from 1 MHz to 10 GHz: 41 frequencies,
// in a 4-port with its references and port order, the differential 2-port
// beside it, and a subcircuit named as asked.
TEST_F(ModelFiles, TouchstoneAndSpiceWrittenWhole)
{
    const std::string stem = (folder_ / "twinax").string();
    const CliResult r = runWith(twinax({"--freq", "1MHz:10GHz/10", "--length", "10m", "--touchstone", stem,
                                        "--spice", stem + ".cir", "--name", "pair10", "--english"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string s4p = contents(stem + ".s4p"), s2p = contents(stem + ".s2p"), cir = contents(stem + ".cir");
    EXPECT_NE(s4p.find("# Hz S RI R 50\n"), std::string::npos);
    EXPECT_NE(s4p.find("! ports: 1 near core 1, 2 far core 1, 3 near core 2, 4 far core 2"), std::string::npos);
    const std::vector<double> frequencies = touchstoneFrequencies(s4p);
    ASSERT_EQ(frequencies.size(), 41u);
    EXPECT_DOUBLE_EQ(frequencies.front(), 1e6);
    EXPECT_NEAR(frequencies.back(), 1e10, 1e-3);
    EXPECT_NE(s2p.find("# Hz S RI R 100\n"), std::string::npos);
    EXPECT_EQ(touchstoneFrequencies(s2p).size(), 41u);
    EXPECT_NE(cir.find(".subckt pair10 n1 n2 f1 f2 ref"), std::string::npos);
    EXPECT_NE(cir.find("LEN=10"), std::string::npos);
}

TEST_F(ModelFiles, SequentialPortsAndTheirReference)
{
    const std::string path = (folder_ / "seq.s4p").string();
    const CliResult r = runWith(twinax({"--freq", "1GHz", "--touchstone", path, "--ports", "sequential",
                                        "--reference", "45"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string s4p = contents(path);
    EXPECT_NE(s4p.find("# Hz S RI R 45\n"), std::string::npos);
    EXPECT_NE(s4p.find("! ports: 1 near core 1, 2 near core 2, 3 far core 1, 4 far core 2"), std::string::npos);
    EXPECT_NE(contents(folder_ / "seq.s2p").find("# Hz S RI R 90\n"), std::string::npos);
}

// A path that cannot be written: exit 1, nothing left behind.
TEST_F(ModelFiles, UnwritablePathLeavesNothing)
{
    const std::string path = (folder_ / "missing" / "x.s4p").string();
    const CliResult r = runWith(twinax({"--freq", "1GHz", "--touchstone", path}));
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "missing"));
    EXPECT_TRUE(std::filesystem::is_empty(folder_));
}

// A foil-wrapped pair with a drain wire: its description says so (it once
// aborted on the round shield's diameter).
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

// The RLGC table per frequency, as a spreadsheet reads it; a frequency
// beyond the single-mode limit is warned of.
TEST(ModelTable, RlgcRowsAndTheSingleModeWarning)
{
    const CliResult r = runWith(twinax({"--freq", "1GHz:3GHz:1GHz", "--rlgc", "--csv"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 4u) << r.out;
    EXPECT_EQ(lines[0].rfind("freq_Hz,r11_ohm_per_m,r12_ohm_per_m,", 0), 0u) << lines[0];
    EXPECT_EQ(lines[3].rfind("3000000000,", 0), 0u) << lines[3];
    EXPECT_EQ(r.err, "");
    const CliResult beyond = runWith(twinax({"--freq", "50GHz", "--rlgc", "--english"}));
    EXPECT_EQ(beyond.status, 0);
    EXPECT_NE(beyond.err.find("beyond this cross-section's single-mode limit"), std::string::npos) << beyond.err;
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
                R"(--freq "1GHz:1MHz/10": not START:STOP/N - write it as 1MHz:20GHz/10 (N points a decade))"},
        Refusal{"ListOutsideModel", {"impedance", "0.5", "10", "--awg", "24", "--freq", "1GHz,2GHz"},
                "--freq takes one frequency here; a list or a range is model mode's"},
        Refusal{"NoWire", {"model", "0.5", "10", "2.1", "--freq", "1GHz", "--rlgc"},
                "model needs the wire's size for its resistance: give --d or --awg (or the dimensions)"},
        Refusal{"UnknownPorts", twinax({"--rlgc", "--freq", "1GHz", "--ports", "crossed"}),
                R"(--ports "crossed": must be through or sequential)"}),
    CaseName());

}  // namespace
