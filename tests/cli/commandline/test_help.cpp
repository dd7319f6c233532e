// What duvane-calc says about its command line, checked against the option
// table and against what the program does.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "CaseName.h"
#include "cases/CaseForm.h"
#include "cases/RunSettings.h"
#include "CliRun.h"
#include "commandline/OptionTable.h"
#include "line/Dielectric.h"

namespace {

const std::string& help()
{
    static const std::string text = runWith({"--help"}).out;
    return text;
}

// The help's first paragraph.
std::string usageInHelp()
{
    return help().substr(0, help().find("\n\n") + 1);
}

// `text` with every run of blanks and line ends as one blank, none at the ends.
std::string collapsed(const std::string& text)
{
    std::string out;
    for (char c : text) {
        const bool blank = c == ' ' || c == '\n';
        if (!blank)
            out += c;
        else if (!out.empty() && out.back() != ' ')
            out += ' ';
    }
    if (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

TEST(Help, GoesToStandardOutputWithStatusZero)
{
    const CliResult r = runWith({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(r.out.starts_with("usage: duvane-calc ")) << r.out;
}

TEST(Help, UsageGivesEveryModeWithItsNumbers)
{
    const std::string usage = usageInHelp();
    for (Mode mode : kModes) {
        const std::vector<Input> numbers = plainOperands(mode, CaseInput{});
        ASSERT_EQ(numbers.size(), 3u);
        const auto name = [&](std::size_t i) { return std::string(inputInfo(numbers[i]).operand); };
        const std::string form =
            "duvane-calc " + std::string(modeName(mode)) + " " + name(0) + " " + name(1) + " [" + name(2) + "]";
        EXPECT_NE(usage.find(form), std::string::npos) << form << " is not in\n" << usage;
    }
}

TEST(Help, LinesFitEightyColumns)
{
    for (const std::string& line : linesOf(help()))
        EXPECT_LE(line.size(), 79u) << line;
}

// The statuses listed last are those the program exits with.
TEST(Help, EndsWithTheExitStatusesTheProgramUses)
{
    const std::string heading = "\nExit status:\n";
    const std::size_t at = help().rfind(heading);
    ASSERT_NE(at, std::string::npos) << help();
    std::set<int> listed;
    for (const std::string& line : linesOf(help().substr(at + heading.size()))) {
        ASSERT_TRUE(line.starts_with("  ")) << "after the exit statuses: " << line;
        if (std::isdigit(static_cast<unsigned char>(line[2])))
            listed.insert(line[2] - '0');
    }
    const std::set<int> used{runWith({"impedance", "0.5", "10"}).status, runWith({"impedance", "0.95", "10"}).status,
                             runWith({"impedance"}).status};
    EXPECT_EQ(listed, used);
}

struct OptionName {
    std::string operator()(const testing::TestParamInfo<OptionRow>& info) const
    {
        std::string name(info.param.name.substr(2));
        std::ranges::replace(name, '-', '_');
        return name;
    }
};

class HelpEntry : public testing::TestWithParam<OptionRow> {};

// The option with its value name at the head of an entry, then its
// description, which names the modes when not every mode accepts it.
TEST_P(HelpEntry, GivesTheOptionItsValueAndWhatItDoes)
{
    const OptionRow& option = GetParam();
    std::string label = "  ";
    if (!option.shortName.empty())
        label.append(option.shortName).append(", ");
    label += option.name;
    if (!option.valueName.empty())
        label.append(" ").append(option.valueName);
    const std::vector<std::string> lines = linesOf(help());
    auto line = std::ranges::find_if(lines, [&](const std::string& l) { return l.starts_with(label + "  "); });
    ASSERT_NE(line, lines.end()) << label << " is not listed in\n" << help();

    std::string description = line->substr(label.size());
    while (++line != lines.end() && line->starts_with("   "))
        description += "\n" + *line;
    description = collapsed(description);
    EXPECT_TRUE(description.ends_with(collapsed(std::string(option.help)))) << description;
    if (option.modes.size() < kModes.size()) {
        for (Mode mode : option.modes)
            EXPECT_NE(description.find(modeName(mode)), std::string::npos) << description;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, HelpEntry, testing::ValuesIn(optionTable().begin(), optionTable().end()),
                         OptionName());

using Args = std::vector<std::string>;

struct Example {
    Args args;                       // after "duvane-calc"
    std::vector<std::string> shown;  // the output lines the help shows, "..." for those it leaves out
};

// The help's examples: a "$ duvane-calc" line, perhaps continued after a
// backslash, then the output it shows.
std::vector<Example> examplesInHelp()
{
    const std::string heading = "\nExamples:\n";
    const std::size_t at = help().find(heading);
    if (at == std::string::npos)
        return {};
    std::vector<Example> examples;
    bool continued = false;
    for (const std::string& line : linesOf(help().substr(at + heading.size()))) {
        if (line.empty())
            break;
        std::string text = line.substr(line.find_first_not_of(' '));
        if (text.starts_with("$ duvane-calc ") || continued) {
            if (!continued)
                examples.push_back({{}, {}});
            continued = text.ends_with(" \\");
            if (continued)
                text.resize(text.size() - 2);
            std::istringstream words(text.starts_with("$ ") ? text.substr(std::string("$ duvane-calc ").size()) : text);
            for (std::string word; words >> word;)
                examples.back().args.push_back(word);
        } else if (!examples.empty() && line.starts_with("    ")) {
            examples.back().shown.push_back(line.substr(4));
        }
    }
    return examples;
}

// Each example runs as shown: its command succeeds, and the lines it shows
// are lines of the output, in their order.
TEST(HelpExamples, GiveTheOutputTheyShow)
{
    const std::vector<Example> examples = examplesInHelp();
    ASSERT_EQ(examples.size(), 2u) << help();
    for (const Example& example : examples) {
        const CliResult r = runWith(example.args);
        ASSERT_EQ(r.status, 0) << r.err;
        const std::vector<std::string> lines = linesOf(r.out);
        auto next = lines.begin();
        for (const std::string& shown : example.shown) {
            if (shown == "...")
                continue;
            next = std::find(next, lines.end(), shown);
            ASSERT_NE(next, lines.end()) << shown << " is not, in its place, in\n" << r.out;
            ++next;
        }
    }
}

// --dielectric's help names the wideband model's fit frequency and band,
// which live in the solver: a change there must reach the help.
TEST(HelpEntry, WidebandDielectricNamesTheModelsBand)
{
    const DielectricBand band;
    EXPECT_EQ(band.fitFrequency, 1e9);
    EXPECT_EQ(band.low, 1e3);
    EXPECT_EQ(band.high, 1e12);
    EXPECT_NE(std::string(findOption("--dielectric")->help).find("at 1 GHz, over 1 kHz to 1 THz"), std::string::npos);
}

struct ArgumentError {
    const char* name;
    Args args;
    const char* problem;
};

class ArgumentErrors : public testing::TestWithParam<ArgumentError> {};

// On standard error: the problem, one line of usage and the way to the help;
// not the whole usage, which would push the problem out of sight.
TEST_P(ArgumentErrors, NameTheProblemThenOneUsageLineAndTheHint)
{
    const CliResult r = runWith(GetParam().args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "duvane-calc: " + std::string(GetParam().problem) +
                         "\nusage: duvane-calc impedance|shape|sensitivity|tolerance|model NUMBERS... [options]\ntry duvane-calc --help\n");
}

// The hint leads somewhere: the help it names answers with status 0.
TEST(ArgumentErrorHint, NamesAWorkingHelp)
{
    const std::string hint = linesOf(runWith({}).err).back();
    ASSERT_TRUE(hint.starts_with("try duvane-calc ")) << hint;
    const std::string option = hint.substr(std::string("try duvane-calc ").size());
    const CliResult r = runWith({option});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, help());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ArgumentErrors,
    testing::Values(ArgumentError{"NoArguments", {}, "missing mode (impedance or shape or sensitivity or tolerance or model)"},
                    ArgumentError{"MissingNumber", {"impedance", "0.5"}, "missing DD"},
                    ArgumentError{"NotANumber", {"shape", "100", "fifty"}, R"(ZO "fifty": not a number)"},
                    ArgumentError{"UnknownOption", {"shape", "100", "50", "--bogus"}, R"(unknown option "--bogus")"},
                    ArgumentError{"ShapeOptionInImpedance", {"impedance", "0.5", "10", "--limit", "5"},
                                  "--limit applies to shape mode only"}),
    CaseName());

}  // namespace
