// What a shape run gives beside S/D and D/d: the gaps, the impedances and
// the per-length quantities of the shape it found, each as an impedance run
// on that shape gives them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CaseName.h"
#include "CliRun.h"
#include "NumberText.h"

namespace {

struct ShapeRun {
    const char* name;
    const char* method;
};

class ShapeResults : public testing::TestWithParam<ShapeRun> {};

TEST_P(ShapeResults, AreThoseOfTheFoundShape)
{
    const char* method = GetParam().method;
    const CliResult shape =
        runWith({"shape", "--zdiff", "100", "--zcm", "40", "2.1", "--d", "0.5mm", "--method", method, "--json"});
    ASSERT_EQ(shape.status, 0) << shape.err;
    const double sd = jsonNumberAt(shape.out, "sd"), dd = jsonNumberAt(shape.out, "dd");
    // The gaps from the ratios, in core radii: the cores' centres are
    // S/D * D/d radii from the shield's centre.
    EXPECT_DOUBLE_EQ(jsonNumberAt(shape.out, "core_gap"), 2 * sd * dd - 2);
    EXPECT_DOUBLE_EQ(jsonNumberAt(shape.out, "shield_gap"), dd - sd * dd - 1);
    EXPECT_DOUBLE_EQ(jsonNumberAt(shape.out, "core_gap_length"), (2 * sd * dd - 2) * 0.25);  // d = 0.5 mm

    const CliResult impedance =
        runWith({"impedance", formatShortest(sd), formatShortest(dd), "2.1", "--method", method, "--json"});
    ASSERT_EQ(impedance.status, 0) << impedance.err;
    for (const char* key : {"ze", "zo", "zdiff", "zcm"})
        EXPECT_EQ(jsonNumberAt(shape.out, std::string(key) + "_found"), jsonNumberAt(impedance.out, key)) << key;
    for (const char* key : {"c_even", "c_odd", "l_even", "l_odd", "vf", "delay"})
        EXPECT_EQ(jsonNumberAt(shape.out, key), jsonNumberAt(impedance.out, key)) << key;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShapeResults,
    testing::Values(ShapeRun{"FiveCharge", "five-charge"}, ShapeRun{"Converged", "converged"}),
    CaseName());

}  // namespace
