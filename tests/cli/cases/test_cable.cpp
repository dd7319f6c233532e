// Cables of insulated cores through the command line: what reaches the field
// solver, what the output holds, the design solve, and the refusals.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CaseName.h"
#include "cases/UnitParsers.h"
#include "CliRun.h"
#include "commands/PairDesign.h"
#include "field/InsulatedSolver.h"
#include "field/PairModes.h"
#include "line/ModeLoss.h"
#include "line/Rlgc.h"
#include "NumberText.h"

namespace {

using Args = std::vector<std::string>;

// 24 AWG (0.511 mm) cores in 1.3 mm PE sleeves, pressed together and into
// the shield: a 100 ohm-class data-bus twinax.
const Args kTwinax{"impedance", "--awg", "24", "--sleeve", "1.3mm", "--S", "touch", "--D", "touch",
                   "--er-sleeve", "pe", "--er-fill", "air", "--json"};

// kTwinax as the solver takes it.
PairDesign twinaxDesign()
{
    PairDesign design;
    design.coreDiameter = awgDiameterMm(24) * 1e-3;
    design.sleeveDiameter = 1.3e-3;
    design.spacingTouch = design.shieldTouch = true;
    design.sleeveEr = 2.26;
    return design;
}

// The run gives what the solver gives for the cross-section the options
// describe, contacts and the material's Er resolved.
TEST(Cable, RunsTheFieldSolverOnItsCrossSection)
{
    const CliResult r = runWith(kTwinax);
    ASSERT_EQ(r.status, 0) << r.err;
    const PairModes modes = pairModes(InsulatedSolver().solve(crossSectionOf(twinaxDesign())));
    // To the rounding of the typed lengths (1.3 mm is not 1.3e-3 m exactly).
    EXPECT_NEAR(jsonNumberAt(r.out, "ze") / modes.even.z, 1, 1e-12);
    EXPECT_NEAR(jsonNumberAt(r.out, "zdiff") / modes.zDiff, 1, 1e-12);
    EXPECT_NEAR(jsonNumberAt(r.out, "skew") / (modes.skew * 1e12), 1, 1e-9);
    EXPECT_NEAR(jsonNumberAt(r.out, "eps_eff_odd") / modes.odd.effectiveEr, 1, 1e-12);
    EXPECT_DOUBLE_EQ(jsonNumberAt(r.out, "S"), 1.3);
    EXPECT_DOUBLE_EQ(jsonNumberAt(r.out, "D"), 2.6);
    EXPECT_EQ(jsonNumberAt(r.out, "er_sleeve"), 2.26);
    EXPECT_LE(jsonNumberAt(r.out, "error_bound"), 1e-9);
}

// With the filler alone given, bare cores in one dielectric: the field
// solver meets the homogeneous converged solver, an independent code, within
// the two bounds (1e-9 each).
TEST(Cable, BareCoresInAFillerAreTheHomogeneousCable)
{
    const CliResult filled = runWith({"impedance", "--D", "4.2", "--S", "1.4", "--d", "0.51", "--er-fill", "2.1",
                                      "--json"});
    const CliResult homogeneous =
        runWith({"impedance", "--D", "4.2", "--S", "1.4", "--d", "0.51", "2.1", "--method", "converged", "--json"});
    ASSERT_EQ(filled.status, 0) << filled.err;
    for (const char* key : {"ze", "zo", "c_even", "c_odd", "c0_even", "l_odd", "c12"})
        EXPECT_NEAR(jsonNumberAt(filled.out, key) / jsonNumberAt(homogeneous.out, key), 1, 2e-9) << key;
    EXPECT_NEAR(jsonNumberAt(filled.out, "skew"), 0, 1e-6);
}

// The per-mode keys of a cable, in order.
TEST(Cable, ListsEachModeAndTheMatrices)
{
    const CliResult r = runWith(kTwinax);
    EXPECT_EQ(jsonKeys(r.out),
              (std::vector<std::string>{"D", "awg", "d", "sleeve", "S", "er_sleeve", "er_fill", "tand_sleeve",
                                        "tand_fill", "sd", "dd", "ze", "zo", "zdiff", "zcm", "error_bound", "c_even", "c_odd", "c0_even", "c0_odd",
                                        "l_even", "l_odd", "eps_eff_even", "eps_eff_odd", "vf_even", "vf_odd",
                                        "delay_even", "delay_odd", "skew", "c11", "c12", "l11", "l12", "r_dc"}))
        << r.out;
}

// A cable's loss at a frequency: each mode's own, from its sleeves' and
// filler's tangents; the same as the line model of the cross-section gives.
TEST(Cable, LossOfEachModeFromItsMaterials)
{
    Args args = kTwinax;
    args.insert(args.end(), {"--freq", "2GHz", "--tand-fill", "0.001"});
    const CliResult r = runWith(args);
    ASSERT_EQ(r.status, 0) << r.err;
    const CrossSection section = crossSectionOf(twinaxDesign());
    LineLosses losses;
    losses.tanDelta = {jsonNumberAt(r.out, "tand_sleeve"), jsonNumberAt(r.out, "tand_sleeve"), 0.001};
    const PairLoss loss = pairLoss(RlgcModel(section, InsulatedSolver().solve(section), losses), 2e9);
    ASSERT_EQ(loss.error, "");
    for (const auto& [key, value] :
         {std::pair{"alpha_diff", loss.differential.total}, {"alpha_cm", loss.common.total},
          {"alpha_c_diff", loss.differential.conductor}, {"alpha_d_cm", loss.common.dielectric}})
        EXPECT_NEAR(jsonNumberAt(r.out, key) / value, 1, 1e-9) << key;
    // The lossy filler holds different shares of the two modes' fields.
    EXPECT_NE(jsonNumberAt(r.out, "alpha_d_diff"), jsonNumberAt(r.out, "alpha_d_cm"));
    EXPECT_EQ(r.out.find("\"alpha_d\""), std::string::npos) << "no shared dielectric part in two dielectrics";
}

// A design solves for D; the impedance run of the design found gives the
// target back.
TEST(Cable, DesignSolvesForTheShield)
{
    const CliResult design = runWith({"shape", "--zdiff", "100", "--awg", "24", "--sleeve", "1.3mm", "--S", "touch",
                                      "--er-sleeve", "pe", "--er-fill", "air", "--solve-for", "D", "--json"});
    ASSERT_EQ(design.status, 0) << design.err;
    const double d = jsonNumberAt(design.out, "D");
    EXPECT_GT(d, 2.6);
    EXPECT_NEAR(jsonNumberAt(design.out, "zdiff"), 100, 1e-7);
    const CliResult check = runWith({"impedance", "--awg", "24", "--sleeve", "1.3mm", "--S", "touch", "--D",
                                     formatShortest(d), "--er-sleeve", "pe", "--json"});
    EXPECT_NEAR(jsonNumberAt(check.out, "zdiff"), 100, 1e-7);
}

TEST(Cable, DesignOutOfReachSaysTheRange)
{
    const CliResult r = runWith({"shape", "--zdiff", "40", "--awg", "24", "--sleeve", "1.3mm", "--S", "touch",
                                 "--er-sleeve", "pe", "--solve-for", "D"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("duvane-calc: The target 40 ohm is out of reach: with the other dimensions as they are, "
                          "the range gives ",
                          0),
              0u)
        << r.err;
}

// Materials by name in a sweep: each case takes its material's Er.
TEST(Cable, SweepsTakeMaterials)
{
    const CliResult r = runWith({"impedance", "--awg", "24", "--sleeve", "1.3mm", "--S", "touch", "--D", "3.2",
                                 "--sweep", "er_sleeve=pe,ptfe,2.5"});
    const std::vector<std::string> lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 3u) << r.out << r.err;
    EXPECT_EQ(jsonNumberAt(lines[0], "er_sleeve"), 2.26);
    EXPECT_EQ(jsonNumberAt(lines[1], "er_sleeve"), 2.1);
    EXPECT_EQ(jsonNumberAt(lines[2], "er_sleeve"), 2.5);
    EXPECT_GT(jsonNumberAt(lines[1], "zdiff"), jsonNumberAt(lines[0], "zdiff"));
}

// A design for the sleeve: the impedance run of the sleeve found gives the
// target back (to the six digits the text shows the sleeve with).
TEST(Cable, DesignSolvesForTheSleeve)
{
    const CliResult design = runWith({"shape", "--zdiff", "100", "--awg", "24", "--S", "touch", "--D", "touch",
                                      "--er-sleeve", "pe", "--solve-for", "sleeve", "--json"});
    ASSERT_EQ(design.status, 0) << design.err;
    const double sleeve = jsonNumberAt(design.out, "sleeve");
    EXPECT_NEAR(jsonNumberAt(design.out, "zdiff"), 100, 1e-8);
    const CliResult check = runWith({"impedance", "--awg", "24", "--sleeve", formatShortest(sleeve) + "mm", "--S",
                                     "touch", "--D", "touch", "--er-sleeve", "pe", "--json"});
    EXPECT_NEAR(jsonNumberAt(check.out, "zdiff"), 100, 1e-8) << check.err;
}

// ---- Under a foil ------------------------------------------------------------------

// 26 AWG cores in 1 mm foamed-PE sleeves side by side under a foil.
const Args kFoilPair{"impedance", "--shield", "foil", "--awg", "26", "--sleeve", "1.0mm", "--S", "touch",
                     "--er-sleeve", "foam-pe", "--json"};

Args foilPairWith(const Args& more)
{
    Args args = kFoilPair;
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

PairDesign foilDesign(double clearance, double drain)
{
    PairDesign design;
    design.coreDiameter = awgDiameterMm(26) * 1e-3;
    design.sleeveDiameter = 1.0e-3;
    design.spacingTouch = true;
    design.shield = ShieldKind::Foil;
    design.clearance = clearance;
    design.drainDiameter = drain;
    design.sleeveEr = 1.55;
    return design;
}

struct FoilCase {
    const char* name;
    Args more;
    PairDesign design;
};

class CableUnderAFoil : public testing::TestWithParam<FoilCase> {};

// The run gives what the foil solver gives for the cross-section the
// options describe.
TEST_P(CableUnderAFoil, RunsTheFoilSolver)
{
    const CliResult r = runWith(foilPairWith(GetParam().more));
    ASSERT_EQ(r.status, 0) << r.err;
    const PairModes modes = pairModes(InsulatedSolver().solve(crossSectionOf(GetParam().design)));
    ASSERT_EQ(modes.error, "");
    EXPECT_NEAR(jsonNumberAt(r.out, "ze") / modes.even.z, 1, 1e-12);
    EXPECT_NEAR(jsonNumberAt(r.out, "zo") / modes.odd.z, 1, 1e-12);
    EXPECT_LE(jsonNumberAt(r.out, "error_bound"), 1e-6);
    EXPECT_EQ(r.out.find("\"D\""), std::string::npos) << "a foil has no D";
}

INSTANTIATE_TEST_SUITE_P(Cases, CableUnderAFoil,
                         testing::Values(FoilCase{"DrawnTight", {}, foilDesign(0, 0)},
                                         FoilCase{"WithClearance", {"--clearance", "0.05mm"}, foilDesign(0.05e-3, 0)},
                                         FoilCase{"DrainInside", {"--drain", "0.4mm"}, foilDesign(0, 0.4e-3)}),
                         CaseName());

// A drain wire outside the foil changes nothing inside, and the run says so.
TEST(CableUnderAFoil, DrainOutsideIsLeftOutWithAWarning)
{
    const CliResult outside = runWith(foilPairWith({"--drain", "0.4mm", "--drain-position", "outside"}));
    const CliResult none = runWith(kFoilPair);
    ASSERT_EQ(outside.status, 0) << outside.err;
    EXPECT_EQ(jsonNumberAt(outside.out, "zdiff"), jsonNumberAt(none.out, "zdiff"));
    EXPECT_NE(jsonTextAt(outside.out, "warning").find("outside the foil does not change the field"),
              std::string::npos)
        << outside.out;
}

// The foil's own metal in the loss: aluminium 9 um unless given, and a
// thinner foil of the same metal loses more.
TEST(CableUnderAFoil, LossTakesTheFoilsMetal)
{
    const CliResult r = runWith(foilPairWith({"--freq", "1GHz"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(jsonNumberAt(r.out, "foil_sigma"), kAluminiumConductivity);
    EXPECT_DOUBLE_EQ(jsonNumberAt(r.out, "foil_thickness"), 0.009);
    const CrossSection section = crossSectionOf(foilDesign(0, 0));
    LineLosses losses;
    losses.tanDelta = {jsonNumberAt(r.out, "tand_sleeve"), jsonNumberAt(r.out, "tand_sleeve"), 0};
    losses.foil = {.conductivity = kAluminiumConductivity, .thickness = 9e-6};
    const PairLoss loss = pairLoss(RlgcModel(section, InsulatedSolver().solve(section), losses), 1e9);
    ASSERT_EQ(loss.error, "");
    EXPECT_NEAR(jsonNumberAt(r.out, "alpha_cm") / loss.common.total, 1, 1e-9);
    const CliResult thin = runWith(foilPairWith({"--freq", "1GHz", "--foil-thickness", "0.2um"}));
    EXPECT_GT(jsonNumberAt(thin.out, "alpha_c_cm"), jsonNumberAt(r.out, "alpha_c_cm"));
}

// A design under a foil: the sleeve for a target; the foil has no D to solve.
TEST(CableUnderAFoil, DesignSolvesForTheSleeve)
{
    const CliResult r = runWith({"shape", "--shield", "foil", "--zdiff", "100", "--awg", "26", "--S", "touch",
                                 "--er-sleeve", "foam-pe", "--solve-for", "sleeve", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NEAR(jsonNumberAt(r.out, "zdiff"), 100, 1e-6);
    EXPECT_DOUBLE_EQ(jsonNumberAt(r.out, "foil_height"), jsonNumberAt(r.out, "sleeve"));
}

struct Refusal {
    const char* name;
    Args args;
    std::string error;  // the first line of standard error
};

class CableRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(CableRefusal, IsABadArgumentWithTheWayOut)
{
    const CliResult r = runWith(GetParam().args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(linesOf(r.err).at(0), "duvane-calc: " + GetParam().error);
}

Args twinaxWith(const Args& more)
{
    Args args{"impedance", "--awg", "24", "--sleeve", "1.3mm", "--er-sleeve", "pe"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CableRefusal,
    testing::Values(
        Refusal{"SleeveThinnerThanCore", {"impedance", "--d", "0.5", "--sleeve", "0.4", "--er-sleeve", "pe", "--S",
                                          "1", "--D", "3"},
                "the sleeve (Di 0.4 mm) is thinner than its core (d 0.5 mm): Di must be at least d"},
        Refusal{"SleevesOverlap", twinaxWith({"--S", "1.2", "--D", "3"}),
                "the sleeves overlap (S 1.2 mm is less than Di 1.3 mm): to press them together, give --S touch"},
        Refusal{"SleeveThroughTheShield", twinaxWith({"--S", "1.4", "--D", "2.6"}),
                "a sleeve reaches through the shield (S + Di = 2.7 mm is more than D 2.6 mm): to draw the shield "
                "tight over the sleeves, give --D touch"},
        Refusal{"UnknownMaterial", twinaxWith({"--S", "touch", "--D", "3", "--er-fill", "nylon"}),
                R"(--er-fill "nylon": neither an Er of 1 or more nor a material - name one of air, pe, foam-pe, )"
                "ptfe, fep, pfa, pp, etfe, pvc"},
        Refusal{"NegativeTangent", twinaxWith({"--S", "touch", "--D", "3", "--freq", "1GHz", "--tand-sleeve", "-1"}),
                R"(--tand-sleeve "-1": must be from 0 to 0.1 - the loss formulas hold for a low-loss dielectric)"},
        Refusal{"PositionalEr", twinaxWith({"--S", "touch", "--D", "3", "2.1"}),
                "with a sleeve or a filler of its own, Er alone says not which dielectric it is: give --er-sleeve "
                "and --er-fill (or --er-fill alone for bare cores)"},
        Refusal{"FiveCharge", twinaxWith({"--S", "touch", "--D", "3", "--method", "five-charge"}),
                "the five-charge model has bare cores in one dielectric: a cable with sleeves, its own dielectrics or "
                "a design needs --method converged (its default)"},
        Refusal{"SleeveWithoutItsDielectric", {"impedance", "--awg", "24", "--sleeve", "1.3", "--S", "touch", "--D",
                                               "3"},
                "the sleeve needs its dielectric: give --er-sleeve (a number or a material: air, pe, foam-pe, ptfe, "
                "fep, pfa, pp, etfe, pvc)"},
        Refusal{"DesignWithoutTargets", {"shape", "--awg", "24", "--sleeve", "1.3", "--er-sleeve", "pe", "--S",
                                         "touch", "--solve-for", "D"},
                "--solve-for 1 dimension needs as many targets (--zdiff, --zcm, --ze, --zo); 0 given"},
        Refusal{"DesignGivesTheSolvedDimension", {"shape", "--zdiff", "100", "--awg", "24", "--sleeve", "1.3",
                                                  "--er-sleeve", "pe", "--S", "touch", "--D", "3", "--solve-for",
                                                  "D"},
                "D is solved for (--solve-for): do not give it as well"},
        Refusal{"UnknownDimension", {"shape", "--zdiff", "100", "--solve-for", "E"},
                R"(--solve-for "E": names no dimension "E" - name D, S, sleeve or d, or two of them)"},
        Refusal{"ClearanceWithoutAFoil", twinaxWith({"--S", "touch", "--D", "3", "--clearance", "0.05"}),
                "--clearance applies to a foil shield: give --shield foil"},
        Refusal{"FoilWithADiameter", foilPairWith({"--D", "3"}),
                "a foil follows the sleeves and has no diameter: leave out --D (or give --shield round)"},
        Refusal{"FoilByRatios", {"impedance", "--shield", "foil", "0.5", "3", "--awg", "26"},
                "a foil cable takes the dimensions --S and --d (or --awg), not S/D and D/d"},
        // Bare cores under a foil with room: the positional Er was once ignored.
        Refusal{"ErOperandUnderAFoil", {"impedance", "--shield", "foil", "--S", "1.4mm", "--d", "0.51mm",
                                        "--clearance", "0.2mm", "2.1"},
                "a cable (a contact, a foil or a design) names its dielectric: give --er-fill in place of ER"},
        Refusal{"UnknownShield", twinaxWith({"--S", "touch", "--shield", "braid"}),
                R"(--shield "braid": must be round or foil)"},
        Refusal{"SleeveAndCoreSolvedTogether", {"shape", "--zdiff", "100", "--zcm", "30", "--S", "touch", "--D",
                                                "touch", "--er-sleeve", "pe", "--solve-for", "sleeve,d"},
                "the sleeve and d cannot both be solved for: give one of them"}),
    CaseName());

}  // namespace
