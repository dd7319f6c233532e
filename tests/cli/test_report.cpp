// A case's outcome as people and as JSON see it.

#include <gtest/gtest.h>

#include "Json.h"
#include "Report.h"

namespace {

// A shape solve's outcome with a count and a limit of 100000.
Report solvedShape()
{
    Report report;
    report.inputs = {{"ze", 133.229}, {"limit", 100000LL}};
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

}  // namespace
