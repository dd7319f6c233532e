#include "output/ExportLines.h"

#include <cmath>

std::string commentLines(std::string_view marker, std::span<const std::string> comments)
{
    std::string text;
    for (const std::string& comment : comments) {
        std::string_view rest = comment;
        while (true) {
            const std::size_t end = rest.find('\n');
            text.append(marker);
            text += ' ';
            text.append(rest.substr(0, end));
            text += '\n';
            if (end == std::string_view::npos)
                break;
            rest.remove_prefix(end + 1);
        }
    }
    return text;
}

bool increasingFrequencies(std::span<const double> frequencies)
{
    for (std::size_t i = 0; i < frequencies.size(); ++i) {
        if (!(std::isfinite(frequencies[i]) && frequencies[i] >= 0))
            return false;
        if (i > 0 && !(frequencies[i] > frequencies[i - 1]))
            return false;
    }
    return true;
}
