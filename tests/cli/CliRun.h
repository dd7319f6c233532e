#pragma once

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <limits>
#include <regex>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commandline/Help.h"
#include "Run.h"

// What one run of the front gave.
struct CliResult {
    int status;
    std::string out;
    std::string err;
};

inline CliResult runWith(const std::vector<std::string>& args, const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = runCli(args, in, out, err);
    return {status, out.str(), err.str()};
}

// One run of the front and everything it must give, exactly: a row of the
// tables that pin what a user sees.
struct ExactRun {
    const char* name;
    std::vector<std::string> args;
    std::string input;  // standard input
    int status;
    std::string out;
    std::string err;
};

inline void expectExactRun(const ExactRun& c)
{
    const CliResult r = runWith(c.args, c.input);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.err, c.err);
}

// Standard error after an argument error: the problem, the usage line and
// the hint to the help.
inline std::string argumentError(const std::string& problem)
{
    return "duvane-calc: " + problem + "\n" + std::string(kUsageLine) + std::string(kHelpHint);
}

// The lines of `text`, without their line ends.
inline std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The member names of a flat JSON object, in order.
inline std::vector<std::string> jsonKeys(const std::string& object)
{
    static const std::regex key(R"re("([A-Za-z0-9_]+)":)re");
    std::vector<std::string> keys;
    for (auto it = std::sregex_iterator(object.begin(), object.end(), key); it != std::sregex_iterator(); ++it)
        keys.push_back((*it)[1]);
    return keys;
}

// A number member of a flat JSON object; NaN when it is missing.
inline double jsonNumberAt(const std::string& object, const std::string& key)
{
    const std::string head = "\"" + key + "\":";
    const auto at = object.find(head);
    double value = std::numeric_limits<double>::quiet_NaN();
    if (at != std::string::npos)
        std::from_chars(object.data() + at + head.size(), object.data() + object.size(), value);
    return value;
}

// A string member without escapes; empty when it is missing.
inline std::string jsonTextAt(const std::string& object, const std::string& key)
{
    const std::string head = "\"" + key + "\":\"";
    const auto at = object.find(head);
    if (at == std::string::npos)
        return {};
    const auto start = at + head.size();
    return object.substr(start, object.find('"', start) - start);
}

// The fields of one CSV line, quotes undone.
inline std::vector<std::string> csvFields(const std::string& line)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"')
            fields.back() += line[++i];
        else if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted)
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

// A new empty folder for the running test, unique across processes.
inline std::filesystem::path makeScratchDir()
{
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("duvane_cli_") + test->test_suite_name() + "_" + test->name() + "_" +
                       std::to_string(::getpid());
    std::replace(name.begin(), name.end(), '/', '_');
    const auto dir = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

// A stream buffer standing for a full disk: it takes `room` characters
// without complaint, as a buffered stream does, but never gets them further:
// a write beyond them fails, and so does every flush.
class FullDeviceBuffer : public std::streambuf {
public:
    explicit FullDeviceBuffer(std::size_t room) : held_(room, '\0') { setp(held_.data(), held_.data() + room); }

protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    int sync() override { return -1; }

private:
    std::string held_;
};
