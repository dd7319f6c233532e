#include "output/SpiceSubcircuit.h"

#include <cmath>

#include "NumberText.h"
#include "output/ExportLines.h"
#include "output/ExportTexts.h"

namespace {

// ngspice's floor under every entry of a CPL's R.
constexpr double kCplResistanceFloor = 1e-4;

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

std::string checkError(const SpiceLine& line)
{
    if (!validName(line.name))
        return std::string(kSpiceNameText);
    if (!(std::isfinite(line.length) && line.length > 0))
        return std::string(kSpiceLengthText);
    for (const auto* m : {&line.r, &line.l, &line.g, &line.c})
        for (double v : *m)
            if (!std::isfinite(v))
                return std::string(kExportValuesText);
    if (!(std::isfinite(line.lossFrequency) && line.lossFrequency >= 0))
        return std::string(kExportValuesText);
    return {};
}

void appendMatrix(std::string& text, char key, const std::array<double, 3>& m)
{
    text += "+ ";
    text += key;
    text += '=';
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            text += ' ';
        appendShortest(text, m[i]);
    }
    text += '\n';
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
                    " Hz (ngspice's CPL has no skin effect or dispersion); per metre, length in metres");
    bool floored = false;
    for (double v : line.r)
        floored = floored || v < kCplResistanceFloor;
    if (floored)
        notes.push_back("ngspice raises each entry of R below 1e-4 ohm/m to 1e-4 ohm/m; the R below is the model's");
    std::string& text = out.text;
    text = commentLines("*", notes);
    const std::string model = line.name + "_cpl";
    text += ".subckt " + line.name + " n1 n2 f1 f2 ref\n";
    text += "P1 n1 n2 ref f1 f2 ref " + model + "\n";
    text += ".model " + model + " CPL length=";
    appendShortest(text, line.length);
    text += '\n';
    appendMatrix(text, 'R', line.r);
    appendMatrix(text, 'L', line.l);
    appendMatrix(text, 'G', line.g);
    appendMatrix(text, 'C', line.c);
    text += ".ends " + line.name + "\n";
    return out;
}
