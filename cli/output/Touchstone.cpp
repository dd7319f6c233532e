#include "output/Touchstone.h"

#include <cmath>

#include "NumberText.h"
#include "output/ExportLines.h"
#include "output/ExportTexts.h"

namespace {

constexpr int kMaxPorts = 99;
constexpr int kPairsPerLine = 4;

std::string checkError(const TouchstoneNetwork& n)
{
    if (n.ports < 1 || n.ports > kMaxPorts)
        return std::string(kTouchstonePortsText);
    if (!(std::isfinite(n.reference) && n.reference > 0))
        return std::string(kTouchstoneReferenceText);
    if (n.values.size() != n.frequencies.size() * static_cast<std::size_t>(n.ports * n.ports))
        return std::string(kTouchstoneShapeText);
    if (!increasingFrequencies(n.frequencies))
        return std::string(kExportFrequenciesText);
    for (const std::complex<double>& v : n.values)
        if (!std::isfinite(v.real()) || !std::isfinite(v.imag()))
            return std::string(kExportValuesText);
    return {};
}

void appendPair(std::string& text, std::complex<double> v)
{
    text += ' ';
    appendShortest(text, v.real());
    text += ' ';
    appendShortest(text, v.imag());
}

}  // namespace

TouchstoneText touchstoneText(const TouchstoneNetwork& n)
{
    TouchstoneText out;
    if (out.error = checkError(n); !out.error.empty())
        return out;
    std::string& text = out.text;
    text = commentLines("!", n.comments);
    text += "# Hz S RI R ";
    appendShortest(text, n.reference);
    text += '\n';
    const std::size_t count = static_cast<std::size_t>(n.ports * n.ports);
    for (std::size_t k = 0; k < n.frequencies.size(); ++k) {
        const std::complex<double>* s = &n.values[k * count];
        appendShortest(text, n.frequencies[k]);
        if (n.ports == 2) {
            for (int index : {0, 2, 1, 3})  // S11 S21 S12 S22
                appendPair(text, s[index]);
            text += '\n';
            continue;
        }
        for (int i = 0; i < n.ports; ++i) {
            for (int j = 0; j < n.ports; ++j) {
                if (j > 0 && j % kPairsPerLine == 0)
                    text += "\n ";
                appendPair(text, s[i * n.ports + j]);
            }
            text += i + 1 < n.ports ? "\n " : "\n";
        }
    }
    return out;
}
