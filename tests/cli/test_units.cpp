#include <gtest/gtest.h>

#include <string>

#include "CaseName.h"
#include "Units.h"

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
                    length("MicroSign", "510µm", 0.51), length("Metre", "0.0042m", 4.2), length("Inch", "1in", 25.4),
                    length("Mil", "20mil", 0.508), length("Exponent", "4.2e-3m", 4.2), length("Empty", "", 0),
                    length("UnitAlone", "mm", 0), length("UnknownUnit", "4.2cm", 0), length("Negative", "-1mm", 0),
                    length("Zero", "0", 0), length("Overflow", "1e308in", 0), length("NotANumber", "nan", 0)),
    CaseName{});

UnitCase awg(const char* name, const char* text, double mm)
{
    return {name, parseAwg, text, mm, 0.0005};
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
