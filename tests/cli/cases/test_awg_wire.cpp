#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "CaseName.h"
#include "CliRun.h"
#include "cases/AwgWire.h"
#include "cases/UnitParsers.h"

namespace {

// A wire as --awg reads it, and what it is: the strand's gauge and the
// bundle by the standard concentric constructions (24/7 is 7 strands of 32
// AWG, 24/19 19 of 36, 22/37 37 of 38), three, five or seven strands across.
struct WireCase {
    const char* name;
    const char* text;
    int size;
    int strands;
    int strandGauge;
    int across;
    double fieldFactor;  // the handbooks' stranding factor
};

class AwgWires : public testing::TestWithParam<WireCase> {};

TEST_P(AwgWires, ReadAsTheConstruction)
{
    const WireCase& c = GetParam();
    AwgWire wire;
    ASSERT_EQ(parseAwgWire(c.text, wire), "");
    EXPECT_EQ(wire.size, c.size);
    EXPECT_EQ(wire.strands, c.strands);
    const AwgWire back = awgWireOf(awgCode(wire));
    EXPECT_EQ(back.size, c.size);
    EXPECT_EQ(back.strands, c.strands);
    const double strand = awgDiameterMm(c.strandGauge);
    EXPECT_DOUBLE_EQ(strandDiameterMm(wire), strand);
    EXPECT_DOUBLE_EQ(outerDiameterMm(wire), c.across * strand);
    EXPECT_DOUBLE_EQ(fieldDiameterMm(wire), c.fieldFactor * c.across * strand);
    EXPECT_DOUBLE_EQ(metalAreaMm2(wire), c.strands * std::numbers::pi / 4 * strand * strand);
}

INSTANTIATE_TEST_SUITE_P(Cases, AwgWires,
                         testing::Values(WireCase{"Solid", "24", 24, 1, 24, 1, 1},
                                         WireCase{"SolidAught", "2/0", -1, 1, -1, 1, 1},
                                         WireCase{"SevenStrands", "24/7", 24, 7, 32, 3, 0.939},
                                         WireCase{"NineteenStrands", "24/19", 24, 19, 36, 5, 0.970},
                                         WireCase{"ThirtySevenStrands", "22/37", 22, 37, 38, 7, 0.980},
                                         WireCase{"StrandedAught", "0000/19", -3, 19, 9, 5, 0.970},
                                         WireCase{"StrandedAughtBySlash", "4/0/19", -3, 19, 9, 5, 0.970}),
                         CaseName{});

// The solid sizes keep the number they always had, so that sweeps and
// scripts reading "awg" see no change.
TEST(AwgWireCode, SolidIsItsSize)
{
    for (int size = kThickestAwg; size <= kThinnestAwg; ++size)
        EXPECT_EQ(awgCode({.size = size, .strands = 1}), size);
}

// A table whose AWG sizes mix solid and stranded wire keeps each row's
// strands under its own column, whichever row comes first.
struct MixedTable {
    const char* name;
    std::vector<std::string> args;
    std::string input;
};

class MixedWireTable : public testing::TestWithParam<MixedTable> {};

TEST_P(MixedWireTable, KeepsTheStrandsColumn)
{
    const CliResult r = runWith(GetParam().args, GetParam().input);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 3u) << r.out;
    const std::string header = lines[0];
    ASSERT_NE(header.find(",awg,strands,d_mm,d_field_mm,"), std::string::npos) << header;
    EXPECT_NE(lines[1].find(",24,,0.51055"), std::string::npos) << lines[1];
    EXPECT_NE(lines[2].find(",24,7,0.60581"), std::string::npos) << lines[2];
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MixedWireTable,
    testing::Values(MixedTable{"Sweep", {"impedance", "--D", "3mm", "--S", "1.2mm", "--sweep", "awg=24,24/7", "--csv"}, ""},
                    MixedTable{"BatchByHeader", {"impedance", "--batch", "--csv"}, "D,S,awg\n3,1.2,24\n3,1.2,24/7\n"}),
    CaseName{});

// r_dc = 1 / (sigma A): the strands' metal for a stranded core; a foil's
// P t + pi t^2 round the stadium of perimeter 2 S + pi (Di + 2 c), with the
// drain wire beside it.
TEST(DcResistance, ClosedForms)
{
    const double sigma = 5.8e7;
    const CliResult stranded = runWith({"impedance", "--awg", "26/7", "--D", "3mm", "--S", "1.2mm", "--json"});
    ASSERT_EQ(stranded.status, 0) << stranded.err;
    const double strand = awgDiameterMm(34) * 1e-3;
    const double core = 1 / (sigma * 7 * std::numbers::pi / 4 * strand * strand);
    EXPECT_NEAR(jsonNumberAt(stranded.out, "r_dc") / (core * 1e3), 1, 1e-12);

    const CliResult foil = runWith({"impedance", "--shield", "foil", "--d", "0.4mm", "--sleeve", "1mm", "--S",
                                    "1.1mm", "--clearance", "0.05mm", "--er-sleeve", "pe", "--drain", "0.3mm",
                                    "--drain-position", "outside", "--foil-thickness", "12um", "--json"});
    ASSERT_EQ(foil.status, 0) << foil.err;
    const double t = 12e-6, perimeter = 2 * 1.1e-3 + std::numbers::pi * (1e-3 + 2 * 0.05e-3);
    const double foilConductance = 0.61 * sigma * (perimeter * t + std::numbers::pi * t * t);
    const double drainConductance = sigma * std::numbers::pi / 4 * 0.3e-3 * 0.3e-3;
    const double shield = 1 / (foilConductance + drainConductance);
    const double wire = 1 / (sigma * std::numbers::pi / 4 * 0.4e-3 * 0.4e-3);
    EXPECT_NEAR(jsonNumberAt(foil.out, "r_dc") / (wire * 1e3), 1, 1e-12);
    EXPECT_NEAR(jsonNumberAt(foil.out, "r_dc_shield") / (shield * 1e3), 1, 1e-12);
    EXPECT_NEAR(jsonNumberAt(foil.out, "r_dc_loop") / ((wire + shield) * 1e3), 1, 1e-12);
}

}  // namespace
