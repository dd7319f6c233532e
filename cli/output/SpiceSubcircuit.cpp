#include "output/SpiceSubcircuit.h"

#include <cmath>

#include "NumberText.h"
#include "output/ExportLines.h"
#include "output/ExportTexts.h"

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool validName(const std::string& name)
{
    if (name.empty() || !isLetter(name[0]))
        return false;
    for (char c : name)
        if (!isLetter(c) && !(c >= '0' && c <= '9') && c != '_')
            return false;
    return true;
}

bool finite(const SpiceLine& line)
{
    for (const auto& row : line.voltage)
        for (double v : row)
            if (!std::isfinite(v))
                return false;
    for (const SpiceMode& m : line.modes)
        for (double v : {m.r, m.l, m.g, m.c})
            if (!std::isfinite(v))
                return false;
    return std::isfinite(line.lossFrequency) && line.lossFrequency >= 0;
}

std::string checkError(const SpiceLine& line)
{
    if (!validName(line.name))
        return std::string(kSpiceNameText);
    if (!(std::isfinite(line.length) && line.length > 0))
        return std::string(kSpiceLengthText);
    if (!finite(line))
        return std::string(kExportValuesText);
    for (const SpiceMode& m : line.modes)
        if (!(m.l > 0 && m.c > 0 && m.r >= 0 && m.g >= 0))
            return std::string(kSpiceModeText);
    return {};
}

std::string number(double v)
{
    return formatShortest(v);
}

// One end: the cores' nodes, the modes' nodes there, the prefix of its
// element names.
void appendEnd(std::string& text, const SpiceLine& line, const std::array<std::string, 2>& cores,
               const std::array<std::string, 2>& modes, const std::string& end)
{
    for (int i = 0; i < 2; ++i) {
        const std::string sense = "V" + end + std::to_string(i + 1);
        const std::string top = cores[i] + "_s", middle = cores[i] + "_m";
        text += sense + " " + cores[i] + " " + top + " 0\n";
        text += "E" + end + std::to_string(i + 1) + "1 " + top + " " + middle + " " + modes[0] + " ref " +
                number(line.voltage[i][0]) + "\n";
        text += "E" + end + std::to_string(i + 1) + "2 " + middle + " ref " + modes[1] + " ref " +
                number(line.voltage[i][1]) + "\n";
        for (int k = 0; k < 2; ++k)
            text += "F" + end + std::to_string(i + 1) + std::to_string(k + 1) + " ref " + modes[k] + " " + sense +
                    " " + number(line.voltage[i][k]) + "\n";
    }
}

}  // namespace

SpiceText spiceSubcircuit(const SpiceLine& line)
{
    SpiceText out;
    if (out.error = checkError(line); !out.error.empty())
        return out;
    std::vector<std::string> notes = line.comments;
    notes.push_back("nodes: n1 n2 near cores 1 and 2, f1 f2 far cores 1 and 2, ref the shield");
    notes.push_back("R and G constant, as at " + formatSignificant(line.lossFrequency, 6) +
                    " Hz; per metre, length in metres");
    notes.push_back("two LTRA lines, one a mode: V_core = T V_mode, I_mode = T' I_core; each mode's G carried as "
                    "the series resistance G l/c (LTRA takes no G beside R)");
    std::string& text = out.text;
    text = commentLines("*", notes);
    text += ".subckt " + line.name + " n1 n2 f1 f2 ref\n";
    for (int k = 0; k < 2; ++k) {
        const SpiceMode& m = line.modes[k];
        const std::string index = std::to_string(k + 1);
        const std::string model = line.name + "_mode" + index;
        text += "O" + index + " a" + index + " ref b" + index + " ref " + model + "\n";
        text += ".model " + model + " LTRA R=" + number(m.r + m.g * m.l / m.c) + " L=" + number(m.l) +
                " C=" + number(m.c) + " LEN=" + number(line.length) + "\n";
    }
    appendEnd(text, line, {"n1", "n2"}, {"a1", "a2"}, "n");
    appendEnd(text, line, {"f1", "f2"}, {"b1", "b2"}, "f");
    text += ".ends " + line.name + "\n";
    return out;
}
