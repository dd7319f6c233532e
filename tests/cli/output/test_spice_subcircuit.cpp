// The ngspice subcircuit: its nodes, the CPL model's matrices as upper
// triangles, and what its comments must say.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
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
    line.r = {6.18, 0.624, 6.18};
    line.l = {3.94e-7, 9.98e-8, 3.94e-7};
    line.g = {2.5e-5, -1.5e-5, 2.5e-5};
    line.c = {4.4378e-11, -1.51186e-11, 4.4378e-11};
    line.lossFrequency = 1e9;
    line.comments = {"made by a test"};
    return line;
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

// "+ K=a b c" as the three numbers.
std::vector<double> matrixLine(const std::string& line, char key)
{
    EXPECT_EQ(line.substr(0, 4), std::string("+ ") + key + "=") << line;
    std::vector<double> out;
    std::istringstream in(line.substr(4));
    for (std::string word; in >> word;)
        out.push_back(std::strtod(word.c_str(), nullptr));
    return out;
}

TEST(SpiceSubcircuit, NodesModelAndMatrices)
{
    const SpiceText t = spiceSubcircuit(twinax());
    ASSERT_EQ(t.error, "");
    const std::vector<std::string> l = lines(t.text);
    std::size_t at = 0;
    while (at < l.size() && l[at][0] == '*')
        ++at;
    ASSERT_EQ(l.size(), at + 8);
    EXPECT_EQ(l[0], "* made by a test");
    EXPECT_NE(t.text.find("as at 1e+09 Hz"), std::string::npos) << "where R and G were taken";
    EXPECT_EQ(l[at], ".subckt twinax_24 n1 n2 f1 f2 ref");
    EXPECT_EQ(l[at + 1], "P1 n1 n2 ref f1 f2 ref twinax_24_cpl");
    EXPECT_EQ(l[at + 2], ".model twinax_24_cpl CPL length=1.5");
    EXPECT_EQ(matrixLine(l[at + 3], 'R'), (std::vector<double>{6.18, 0.624, 6.18}));
    EXPECT_EQ(matrixLine(l[at + 4], 'L'), (std::vector<double>{3.94e-7, 9.98e-8, 3.94e-7}));
    EXPECT_EQ(matrixLine(l[at + 5], 'G'), (std::vector<double>{2.5e-5, -1.5e-5, 2.5e-5}));
    EXPECT_EQ(matrixLine(l[at + 6], 'C'), (std::vector<double>{4.4378e-11, -1.51186e-11, 4.4378e-11}));
    EXPECT_EQ(l[at + 7], ".ends twinax_24");
    EXPECT_EQ(t.text.find("1e-4"), std::string::npos) << "no R below ngspice's floor here";
}

// ngspice raises any entry of R below 1e-4 ohm per unit length to 1e-4
// (a lossless line's, or a small or negative r12): the file says so.
TEST(SpiceSubcircuit, SaysWhereNgspiceRaisesR)
{
    for (const std::array<double, 3>& r :
         {std::array<double, 3>{0, 0, 0}, std::array<double, 3>{6.18, -0.01, 6.18}}) {
        SpiceLine line = twinax();
        line.r = r;
        const SpiceText t = spiceSubcircuit(line);
        ASSERT_EQ(t.error, "");
        EXPECT_NE(t.text.find("raises each entry of R below 1e-4 ohm/m"), std::string::npos);
    }
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
                    Refused{"NanInC", changed([](SpiceLine& l) { l.c[1] = NAN; }), kExportValuesText}),
    CaseName{});

}  // namespace
