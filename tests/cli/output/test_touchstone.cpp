// Touchstone version 1 text: the option line, the comments, the order of the
// values and the lines they fill, numbers that read back exactly.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "CaseName.h"
#include "output/ExportTexts.h"
#include "output/Touchstone.h"

namespace {

// S_ij = (i + 1) + j (j + 1)/10, distinct everywhere, and a value that needs
// all seventeen digits at one place.
TouchstoneNetwork network(int ports, std::vector<double> frequencies)
{
    TouchstoneNetwork n;
    n.ports = ports;
    n.frequencies = std::move(frequencies);
    for (std::size_t k = 0; k < n.frequencies.size(); ++k)
        for (int i = 0; i < ports; ++i)
            for (int j = 0; j < ports; ++j)
                n.values.emplace_back(i + 1 + k * 100, (j + 1) / 10.0);
    n.values[0] = {0.1 + 0.2, -1e-300};
    return n;
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

std::vector<double> numbers(const std::string& line)
{
    std::vector<double> out;
    std::istringstream in(line);
    for (std::string word; in >> word;)
        out.push_back(std::strtod(word.c_str(), nullptr));
    return out;
}

TEST(Touchstone, TwoPortOnOneLineInTheFormatsOrder)
{
    TouchstoneNetwork n = network(2, {1e6, 2.5e9});
    n.reference = 100;
    n.comments = {"Sdd of a pair", "two\nlines"};
    const TouchstoneText t = touchstoneText(n);
    ASSERT_EQ(t.error, "");
    const std::vector<std::string> l = lines(t.text);
    ASSERT_EQ(l.size(), 6u);
    EXPECT_EQ(l[0], "! Sdd of a pair");
    EXPECT_EQ(l[1], "! two");
    EXPECT_EQ(l[2], "! lines");
    EXPECT_EQ(l[3], "# Hz S RI R 100");
    const std::vector<double> first = numbers(l[4]);
    ASSERT_EQ(first.size(), 9u);
    EXPECT_EQ(first[0], 1e6);
    EXPECT_EQ(first[1], 0.1 + 0.2) << "all the digits";
    EXPECT_EQ(first[2], -1e-300);
    EXPECT_EQ(first[3], 2) << "S21 second";
    EXPECT_EQ(first[4], 0.1);
    EXPECT_EQ(first[5], 1) << "S12 third";
    EXPECT_EQ(first[6], 0.2);
    EXPECT_EQ(numbers(l[5])[0], 2.5e9);
}

// Beyond two ports, a row a line, broken after four pairs; each frequency's
// first line starts with it and the rest with a blank.
TEST(Touchstone, RowsOfAtMostFourPairs)
{
    for (int ports : {4, 6}) {
        const TouchstoneText t = touchstoneText(network(ports, {1e9, 2e9}));
        ASSERT_EQ(t.error, "");
        const std::vector<std::string> l = lines(t.text);
        ASSERT_EQ(l[0], "# Hz S RI R 50");
        const int linesPerRow = (ports + 3) / 4;
        ASSERT_EQ(l.size(), 1u + 2u * ports * linesPerRow) << ports;
        for (int k = 0; k < 2; ++k) {
            std::vector<double> values;
            for (int i = 0; i < ports * linesPerRow; ++i) {
                const std::string& line = l[1 + k * ports * linesPerRow + i];
                EXPECT_EQ(line[0] == ' ', i > 0) << line;
                std::vector<double> n = numbers(line);
                if (i == 0) {
                    EXPECT_EQ(n.front(), (k + 1) * 1e9);
                    n.erase(n.begin());
                }
                EXPECT_LE(n.size(), 8u) << line;
                EXPECT_EQ(n.size(), i % linesPerRow == linesPerRow - 1 && ports % 4 ? 2u * (ports % 4) : 8u) << line;
                values.insert(values.end(), n.begin(), n.end());
            }
            ASSERT_EQ(values.size(), 2u * ports * ports);
            // Row-major: S_ij's real part is i + 1 (+ 100 k), its imaginary (j + 1)/10.
            EXPECT_EQ(values[2 * (2 * ports + 1)], 3 + 100 * k);
            EXPECT_EQ(values[2 * (2 * ports + 1) + 1], 0.2);
        }
    }
}

struct Refused {
    const char* name;
    TouchstoneNetwork network;
    std::string_view text;
};

TouchstoneNetwork changed(TouchstoneNetwork n, void (*change)(TouchstoneNetwork&))
{
    change(n);
    return n;
}

class TouchstoneRefusal : public testing::TestWithParam<Refused> {};

TEST_P(TouchstoneRefusal, SaysWhyAndWritesNothing)
{
    const TouchstoneText t = touchstoneText(GetParam().network);
    EXPECT_EQ(t.error, GetParam().text);
    EXPECT_EQ(t.text, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TouchstoneRefusal,
    testing::Values(
        Refused{"NoPorts", changed(network(2, {1}), [](TouchstoneNetwork& n) { n.ports = 0; }), kTouchstonePortsText},
        Refused{"ZeroReference", changed(network(2, {1}), [](TouchstoneNetwork& n) { n.reference = 0; }),
                kTouchstoneReferenceText},
        Refused{"ValueMissing", changed(network(4, {1}), [](TouchstoneNetwork& n) { n.values.pop_back(); }),
                kTouchstoneShapeText},
        Refused{"Decreasing", network(2, {2e9, 1e9}), kExportFrequenciesText},
        Refused{"Repeated", network(2, {1e9, 1e9}), kExportFrequenciesText},
        Refused{"NotANumber", changed(network(2, {1}), [](TouchstoneNetwork& n) { n.values[3] = {NAN, 0}; }),
                kExportValuesText},
        Refused{"Infinite", changed(network(2, {1}), [](TouchstoneNetwork& n) { n.values[1] = {0, INFINITY}; }),
                kExportValuesText}),
    CaseName{});

}  // namespace
