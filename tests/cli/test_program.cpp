// The real executable: exit statuses and which stream gets what.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "CaseName.h"
#include "CliRun.h"

namespace {

struct ProgramCase {
    const char* name;
    std::string args;   // shell words after the program name
    std::string input;  // standard input
    int status;
    bool printsOut;
    bool printsErr;
};

class Program : public testing::TestWithParam<ProgramCase> {
protected:
    void SetUp() override { dir_ = makeScratchDir(); }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string read(const char* name) const
    {
        std::ifstream file(dir_ / name);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    // Runs the program with `args` and `input`, standard output to `out` and
    // standard error to the file "err"; returns the exit status, or -1 when
    // the program did not exit.
    int run(const std::string& args, const std::string& input, const std::filesystem::path& out) const
    {
        std::ofstream(dir_ / "in") << input;
        const std::string command = "'" DUVANE_CALC_PATH "' " + args + " < '" + (dir_ / "in").string() + "' > '" +
                                    out.string() + "' 2> '" + (dir_ / "err").string() + "'";
        const int raw = std::system(command.c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }

    std::filesystem::path dir_;
};

TEST_P(Program, ExitsWithItsStatus)
{
    const ProgramCase& c = GetParam();
    EXPECT_EQ(run(c.args, c.input, dir_ / "out"), c.status);
    EXPECT_EQ(!read("out").empty(), c.printsOut) << read("out");
    EXPECT_EQ(!read("err").empty(), c.printsErr) << read("err");
}

const ProgramCase kProgramCases[] = {
    ProgramCase{"ImpedanceText", "impedance 0.5 10", "", 0, true, false},
    ProgramCase{"ShapeJson", "shape 100 50 2.25 --json", "", 0, true, false},
    ProgramCase{"Help", "--help", "", 0, true, false},
    ProgramCase{"Version", "--version", "", 0, true, false},
    ProgramCase{"HelpAfterUnknownOption", "--bogus --help", "", 0, true, false},
    ProgramCase{"VersionAfterBadValue", "shape 100 50 --limit many --version", "", 0, true, false},
    ProgramCase{"FailedImpedanceText", "impedance 0.95 10", "", 1, false, true},
    ProgramCase{"FailedImpedanceJson", "impedance 0.95 10 --json", "", 1, true, false},
    ProgramCase{"FailedShapeText", "shape 50 100", "", 1, false, true},
    ProgramCase{"NoArguments", "", "", 2, false, true},
    ProgramCase{"MissingNumber", "impedance 0.5", "", 2, false, true},
    ProgramCase{"TraceOnFullDisk", "shape 133.229 107.426 --trace /dev/full", "", 1, true, true},
    ProgramCase{"BadOptionValue", "shape 100 50 --limit many", "", 2, false, true},
    ProgramCase{"NegativeOperandAfterDoubleDash", "impedance -- -0.5 10", "", 1, false, true},
    ProgramCase{"ImpedanceBatch", "impedance --batch", "0.5 10\n0.95 10\nbad\n", 0, true, false},
    ProgramCase{"ShapeBatch", "shape --batch --english", "100 50\n", 0, true, false},
};

INSTANTIATE_TEST_SUITE_P(Cases, Program, testing::ValuesIn(kProgramCases), CaseName());

const std::filesystem::path kFullDevice = "/dev/full";

// Standard output on a device that takes nothing: whatever the program did,
// its output is gone, and it must say so.
class ProgramLostOutput : public Program {};

TEST_P(ProgramLostOutput, IsNotReportedAsSuccess)
{
    if (!std::filesystem::exists(kFullDevice))
        GTEST_SKIP() << kFullDevice << " is not on this machine";
    const ProgramCase& c = GetParam();
    EXPECT_EQ(run(c.args, c.input, kFullDevice), 1);
    EXPECT_TRUE(read("err").ends_with("duvane-calc: cannot write standard output\n")) << read("err");
}

std::vector<ProgramCase> casesWritingOutput()
{
    std::vector<ProgramCase> cases;
    std::ranges::copy_if(kProgramCases, std::back_inserter(cases), &ProgramCase::printsOut);
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Cases, ProgramLostOutput, testing::ValuesIn(casesWritingOutput()), CaseName());

}  // namespace
