// A case's outcome as people and as JSON see it.

#include <gtest/gtest.h>

#include "CaseName.h"
#include "output/Json.h"
#include "output/Report.h"

namespace {

// A shape solve's outcome with a count and a limit of 100000.
Report solvedShape()
{
    Report report;
    report.inputs = {{"ze", {}, 133.229, Unit::Ohm}, {"limit", {}, 100000LL, Unit::None}};
    report.results = {{"sd", "S/D", 0.5, Unit::None}, {"count", "Count", 100000LL, Unit::None}};
    return report;
}

TEST(ReportJson, WritesIntegersAsIntegers)
{
    JsonObject object;
    addToJson(object, solvedShape());
    EXPECT_EQ(object.str(), R"({"ze":133.229,"limit":100000,"sd":0.5,"count":100000})");
}

TEST(ReportText, WritesIntegersWithoutDecimals)
{
    EXPECT_EQ(humanText(solvedShape(), 3), "S/D   = 0.500\nCount = 100000\n");
}

// A longer label further down must not move the impedances' column.
TEST(ReportText, AlignsEachGroupOnItsOwnWithABlankLineBetween)
{
    Report report;
    report.results = {{"sd", "S/D", 0.5, Unit::None, Group::Shape},
                      {"ze", "Ze", 100.0, Unit::Ohm},
                      {"zdiff", "Zdiff", 120.0, Unit::Ohm},
                      {"vf", "Velocity factor", 0.69, Unit::None, Group::PerLength}};
    EXPECT_EQ(humanText(report, 2), "S/D = 0.50\n\nZe    = 100.00 ohm\nZdiff = 120.00 ohm\n\nVelocity factor = 0.69\n");
}

struct UnitCase {
    const char* name;
    Unit unit;
    const char* text;  // of 1.25 with two decimals
};

class ReportUnit : public testing::TestWithParam<UnitCase> {};

TEST_P(ReportUnit, FollowsTheValueInText)
{
    Report report;
    report.results = {{"x", "X", 1.25, GetParam().unit}};
    EXPECT_EQ(humanText(report, 2), std::string("X = ") + GetParam().text + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportUnit,
    testing::Values(UnitCase{"None", Unit::None, "1.25"}, UnitCase{"Ohm", Unit::Ohm, "1.25 ohm"},
                    UnitCase{"Percent", Unit::Percent, "+125.00 %"},
                    UnitCase{"RelativeError", Unit::RelativeError, "1.2e+00"},
                    UnitCase{"Millimetre", Unit::Millimetre, "1.25 mm"},
                    UnitCase{"Micrometre", Unit::Micrometre, "1.25 um"},
                    UnitCase{"Capacitance", Unit::PicofaradPerLength, "1.25 pF/m"},
                    UnitCase{"Inductance", Unit::NanohenryPerLength, "1.25 nH/m"},
                    UnitCase{"Delay", Unit::NanosecondPerLength, "1.25 ns/m"},
                    UnitCase{"Attenuation", Unit::DecibelPerLength, "1.25 dB/m"},
                    UnitCase{"Frequency", Unit::Hertz, "1.25 Hz"},
                    UnitCase{"Conductivity", Unit::SiemensPerMetre, "1.25 S/m"}),
    CaseName());

}  // namespace
