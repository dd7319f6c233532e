#include <gtest/gtest.h>

#include <string>

#include "CaseName.h"
#include "cases/UnitParsers.h"

namespace {

// A reader of one kind of length, with the case's text and the millimetres
// it must give (0: refused, and the out-parameter untouched).
struct UnitCase {
    const char* name;
    std::string (*read)(std::string_view text, double& mm);
    const char* text;
    double mm;
    double tolerance;
};

class Units : public testing::TestWithParam<UnitCase> {};

TEST_P(Units, ReadIntoMillimetres)
{
    const UnitCase& c = GetParam();
    double mm = -1;
    const std::string problem = c.read(c.text, mm);
    if (c.mm == 0) {
        EXPECT_NE(problem, "");
        EXPECT_EQ(mm, -1);
    } else {
        EXPECT_EQ(problem, "");
        EXPECT_NEAR(mm, c.mm, c.tolerance);
    }
}

UnitCase length(const char* name, const char* text, double mm)
{
    return {name, parseLength, text, mm, 1e-12 * mm};
}

// 1 in = 25.4 mm exactly, 1 mil = 1/1000 in.
INSTANTIATE_TEST_SUITE_P(
    Length, Units,
    testing::Values(length("BareIsMm", "4.2", 4.2), length("Mm", "0.51mm", 0.51),
                    length("SpaceBeforeUnit", "0.51 mm", 0.51), length("Um", "510um", 0.51),
                    length("MicroSign", "510µm", 0.51), length("GreekMu", "510μm", 0.51),
                    length("BlanksAroundTheUnit", " 0.51  mm ", 0.51), length("Metre", "0.0042m", 4.2), length("Inch", "1in", 25.4),
                    length("Mil", "20mil", 0.508), length("Exponent", "4.2e-3m", 4.2), length("Empty", "", 0),
                    length("UnitAlone", "mm", 0), length("UnknownUnit", "4.2cm", 0), length("Negative", "-1mm", 0),
                    length("Zero", "0", 0), length("Overflow", "1e308in", 0), length("NotANumber", "nan", 0)),
    CaseName{});

UnitCase frequency(const char* name, const char* text, double hz)
{
    return {name, parseFrequency, text, hz, 1e-12 * hz};
}

INSTANTIATE_TEST_SUITE_P(
    Frequency, Units,
    testing::Values(frequency("BareIsHz", "50", 50), frequency("Hz", "50Hz", 50), frequency("KHz", "2.5kHz", 2500),
                    frequency("MHz", "100 MHz", 1e8), frequency("GHz", "1GHz", 1e9), frequency("Exponent", "1e9", 1e9),
                    frequency("OtherCase", "1ghz", 0), frequency("UnknownUnit", "1THz", 0),
                    frequency("Negative", "-1GHz", 0), frequency("Zero", "0Hz", 0), frequency("UnitAlone", "GHz", 0)),
    CaseName{});

struct ProblemCase {
    const char* name;
    std::string (*read)(std::string_view text, double& value);
    const char* text;
    const char* problem;
};

class UnitProblem : public testing::TestWithParam<ProblemCase> {};

// A number with a unit the reader does not know names that unit.
TEST_P(UnitProblem, SaysWhatIsWrong)
{
    double value = 0;
    EXPECT_EQ(GetParam().read(GetParam().text, value), GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnitProblem,
    testing::Values(ProblemCase{"UnknownLengthUnit", parseLength, "4.2cm",
                                R"(unknown unit "cm" - use mm, um, m, in or mil)"},
                    ProblemCase{"UnknownFrequencyUnit", parseFrequency, "1 THz",
                                R"(unknown unit "THz" - use Hz, kHz, MHz or GHz)"},
                    ProblemCase{"NoNumber", parseLength, "four mm",
                                "not a length - write a number with mm, um, m, in or mil; a bare number is mm"},
                    ProblemCase{"NegativeFrequency", parseFrequency, "-5MHz", "must be a positive frequency"},
                    // Out of range, not "not positive": the number, or the
                    // number in its unit, is beyond a double.
                    ProblemCase{"UnitBeyondADouble", parseLength, "1e308m", "out of range"},
                    ProblemCase{"UnitBelowADouble", parseLength, "1e-322um", "out of range"},
                    ProblemCase{"NumberBeyondADouble", parseFrequency, "1e400GHz", "out of range"},
                    ProblemCase{"NegativeBeyondADouble", parseLength, "-1e400mm", "out of range"}),
    CaseName{});

class AwgSize : public testing::TestWithParam<std::pair<const char*, int>> {};

// The number the diameter formula takes: size 0 is 0, each aught one less.
TEST_P(AwgSize, IsTheFormulasNumber)
{
    int size = 99;
    ASSERT_EQ(parseAwgSize(GetParam().first, size), "");
    EXPECT_EQ(size, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Cases, AwgSize,
                         testing::Values(std::pair{"24", 24}, std::pair{"0", 0}, std::pair{"00", -1},
                                         std::pair{"3/0", -2}, std::pair{"0000", -3}, std::pair{"1/0", 0}),
                         [](const auto& info) { return "Size" + std::to_string(info.index); });

// A size's diameter, as the --awg input reads it: the size, then its wire.
std::string parseAwgDiameter(std::string_view text, double& mm)
{
    int size = 0;
    if (std::string problem = parseAwgSize(text, size); !problem.empty())
        return problem;
    mm = awgDiameterMm(size);
    return {};
}

UnitCase awg(const char* name, const char* text, double mm)
{
    return {name, parseAwgDiameter, text, mm, 0.0005};
}

// The diameters of the usual AWG table, by 0.127 mm x 92^((36 - n) / 39):
// size 36 is 0.005 in, 0000 is 0.46 in, each size 92^(1/39) apart.
INSTANTIATE_TEST_SUITE_P(
    Awg, Units,
    testing::Values(awg("Size36IsFiveThou", "36", 0.127), awg("Size24", "24", 0.511), awg("Size10", "10", 2.588),
                    awg("Size0", "0", 8.251), awg("Size00", "00", 9.266), awg("Size0000", "0000", 11.684),
                    awg("FourAught", "4/0", 11.684), awg("TwoAught", "2/0", 9.266), awg("Size40", "40", 0.0799),
                    awg("Size41", "41", 0), awg("Negative", "-1", 0), awg("FiveZeros", "00000", 0),
                    awg("FiveAught", "5/0", 0), awg("Fraction", "24.5", 0), awg("Empty", "", 0),
                    awg("Letters", "abc", 0)),
    CaseName{});

}  // namespace
