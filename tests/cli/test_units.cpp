#include <gtest/gtest.h>

#include <string>

#include "CaseName.h"
#include "Units.h"

namespace {

struct LengthCase {
    const char* name;
    const char* text;
    double mm;  // 0: refused
};

class Length : public testing::TestWithParam<LengthCase> {};

TEST_P(Length, ReadsIntoMillimetres)
{
    const LengthCase& c = GetParam();
    double mm = -1;
    const std::string problem = parseLength(c.text, mm);
    if (c.mm == 0) {
        EXPECT_NE(problem, "");
        EXPECT_EQ(mm, -1);
    } else {
        EXPECT_EQ(problem, "");
        EXPECT_NEAR(mm, c.mm, 1e-12 * c.mm);
    }
}

// 1 in = 25.4 mm exactly, 1 mil = 1/1000 in.
INSTANTIATE_TEST_SUITE_P(
    Cases, Length,
    testing::Values(LengthCase{"BareIsMm", "4.2", 4.2}, LengthCase{"Mm", "0.51mm", 0.51},
                    LengthCase{"SpaceBeforeUnit", "0.51 mm", 0.51}, LengthCase{"Um", "510um", 0.51},
                    LengthCase{"MicroSign", "510µm", 0.51}, LengthCase{"Metre", "0.0042m", 4.2},
                    LengthCase{"Inch", "1in", 25.4}, LengthCase{"Mil", "20mil", 0.508},
                    LengthCase{"Exponent", "4.2e-3m", 4.2}, LengthCase{"Empty", "", 0},
                    LengthCase{"UnitAlone", "mm", 0}, LengthCase{"UnknownUnit", "4.2cm", 0},
                    LengthCase{"Negative", "-1mm", 0}, LengthCase{"Zero", "0", 0},
                    LengthCase{"Overflow", "1e308in", 0}, LengthCase{"NotANumber", "nan", 0}),
    CaseName{});

struct AwgCase {
    const char* name;
    const char* text;
    double mm;  // 0: refused
};

class Awg : public testing::TestWithParam<AwgCase> {};

TEST_P(Awg, GivesTheSolidWireDiameter)
{
    const AwgCase& c = GetParam();
    double mm = -1;
    const std::string problem = parseAwg(c.text, mm);
    if (c.mm == 0) {
        EXPECT_NE(problem, "");
        EXPECT_EQ(mm, -1);
    } else {
        EXPECT_EQ(problem, "");
        EXPECT_NEAR(mm, c.mm, 0.0005);
    }
}

// The diameters of the usual AWG table, by 0.127 mm x 92^((36 - n) / 39):
// size 36 is 0.005 in, 0000 is 0.46 in, each size 92^(1/39) apart.
INSTANTIATE_TEST_SUITE_P(
    Cases, Awg,
    testing::Values(AwgCase{"Size36IsFiveThou", "36", 0.127}, AwgCase{"Size24", "24", 0.511},
                    AwgCase{"Size10", "10", 2.588}, AwgCase{"Size0", "0", 8.251},
                    AwgCase{"Size00", "00", 9.266}, AwgCase{"Size0000", "0000", 11.684},
                    AwgCase{"FourAught", "4/0", 11.684}, AwgCase{"TwoAught", "2/0", 9.266},
                    AwgCase{"Size40", "40", 0.0799}, AwgCase{"Size41", "41", 0}, AwgCase{"Negative", "-1", 0},
                    AwgCase{"FiveZeros", "00000", 0}, AwgCase{"FiveAught", "5/0", 0},
                    AwgCase{"Fraction", "24.5", 0}, AwgCase{"Empty", "", 0}, AwgCase{"Letters", "abc", 0}),
    CaseName{});

}  // namespace
