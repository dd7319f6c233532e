// The ngspice subcircuit: its nodes, one LTRA line a mode joined to the
// cores by controlled sources, and what its comments must say.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "CaseName.h"
#include "output/ExportTexts.h"
#include "output/SpiceSubcircuit.h"

namespace {

SpiceLine twinax()
{
    SpiceLine line;
    line.name = "twinax_24";
    line.length = 1.5;
    line.voltage = {{{1, 0.57}, {0.79, -1}}};
    line.modes = {SpiceMode{4.5, 3.0e-7, 2e-5, 4.7e-11}, SpiceMode{5.1, 2.6e-7, 3e-5, 6.6e-11}};
    line.lossFrequency = 1e9;
    line.comments = {"made by a test"};
    return line;
}

std::vector<std::vector<std::string>> elements(const std::string& text)
{
    std::vector<std::vector<std::string>> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '*')
            continue;
        std::istringstream words(line);
        auto& e = out.emplace_back();
        for (std::string w; words >> w;)
            e.push_back(w);
    }
    return out;
}

// Each mode an LTRA line with R + G l/c as its resistance; at each end, per
// core, a current sense, two voltage sources in series (T_i1 Vm_1 and
// T_i2 Vm_2) and two current sources (T_i1 I_i into mode 1, T_i2 I_i into
// mode 2).
TEST(SpiceSubcircuit, ModesAndTheirJoins)
{
    const SpiceLine line = twinax();
    const SpiceText t = spiceSubcircuit(line);
    ASSERT_EQ(t.error, "");
    EXPECT_EQ(t.text.rfind("* made by a test\n", 0), 0u);
    EXPECT_NE(t.text.find("as at 1e+09 Hz"), std::string::npos) << "where R and G were taken";
    const auto e = elements(t.text);
    ASSERT_EQ(e.size(), 2u + 4u + 2u * 2u * 5u);
    EXPECT_EQ(e.front(), (std::vector<std::string>{".subckt", "twinax_24", "n1", "n2", "f1", "f2", "ref"}));
    EXPECT_EQ(e.back(), (std::vector<std::string>{".ends", "twinax_24"}));
    EXPECT_EQ(e[1], (std::vector<std::string>{"O1", "a1", "ref", "b1", "ref", "twinax_24_mode1"}));
    std::map<std::string, double> model;
    for (std::size_t i = 3; i < e[2].size(); ++i) {
        const std::size_t eq = e[2][i].find('=');
        model[e[2][i].substr(0, eq)] = std::strtod(e[2][i].c_str() + eq + 1, nullptr);
    }
    EXPECT_EQ(e[2][2], "LTRA");
    EXPECT_DOUBLE_EQ(model["R"], 4.5 + 2e-5 * 3.0e-7 / 4.7e-11);
    EXPECT_EQ(model["L"], 3.0e-7);
    EXPECT_EQ(model["C"], 4.7e-11);
    EXPECT_EQ(model["LEN"], 1.5);
    EXPECT_EQ(model.count("G"), 0u) << "LTRA takes no G beside R";
    // The near end of core 2.
    EXPECT_EQ(e[10], (std::vector<std::string>{"Vn2", "n2", "n2_s", "0"}));
    EXPECT_EQ(e[11], (std::vector<std::string>{"En21", "n2_s", "n2_m", "a1", "ref", "0.79"}));
    EXPECT_EQ(e[12], (std::vector<std::string>{"En22", "n2_m", "ref", "a2", "ref", "-1"}));
    EXPECT_EQ(e[13], (std::vector<std::string>{"Fn21", "ref", "a1", "Vn2", "0.79"}));
    EXPECT_EQ(e[14], (std::vector<std::string>{"Fn22", "ref", "a2", "Vn2", "-1"}));
    // The far end of core 1.
    EXPECT_EQ(e[16], (std::vector<std::string>{"Ef11", "f1_s", "f1_m", "b1", "ref", "1"}));
}

struct Refused {
    const char* name;
    SpiceLine line;
    std::string_view text;
};

SpiceLine changed(void (*change)(SpiceLine&))
{
    SpiceLine line = twinax();
    change(line);
    return line;
}

class SpiceRefusal : public testing::TestWithParam<Refused> {};

TEST_P(SpiceRefusal, SaysWhyAndWritesNothing)
{
    const SpiceText t = spiceSubcircuit(GetParam().line);
    EXPECT_EQ(t.error, GetParam().text);
    EXPECT_EQ(t.text, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpiceRefusal,
    testing::Values(Refused{"EmptyName", changed([](SpiceLine& l) { l.name = ""; }), kSpiceNameText},
                    Refused{"DigitFirst", changed([](SpiceLine& l) { l.name = "2pair"; }), kSpiceNameText},
                    Refused{"Blank", changed([](SpiceLine& l) { l.name = "twin ax"; }), kSpiceNameText},
                    Refused{"Dot", changed([](SpiceLine& l) { l.name = "a.b"; }), kSpiceNameText},
                    Refused{"ZeroLength", changed([](SpiceLine& l) { l.length = 0; }), kSpiceLengthText},
                    Refused{"NanInT", changed([](SpiceLine& l) { l.voltage[1][0] = NAN; }), kExportValuesText},
                    Refused{"NoCapacitance", changed([](SpiceLine& l) { l.modes[1].c = 0; }), kSpiceModeText},
                    Refused{"NegativeG", changed([](SpiceLine& l) { l.modes[0].g = -1e-6; }), kSpiceModeText}),
    CaseName{});

}  // namespace
