#include "cases/ModelFrequencies.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "cases/SweepValues.h"
#include "cases/UnitParsers.h"
#include "output/Quoted.h"

namespace {

constexpr std::string_view kLogHint = " - write a log sweep as START:STOP/N, 1MHz:20GHz/10 for 10 points a decade";

// A frequency, or DC.
std::string readFrequencyOrDc(std::string_view text, double& hz)
{
    return parseZeroOr(parseFrequency, text, hz, " for DC");
}

std::string logSweep(std::string_view text, std::vector<double>& hz)
{
    const std::size_t colon = text.find(':'), slash = text.find('/');
    if (colon == std::string_view::npos || colon > slash || text.find(':', colon + 1) != std::string_view::npos ||
        text.find('/', slash + 1) != std::string_view::npos)
        return inQuotes(text) + ": not START:STOP/N" + std::string(kLogHint);
    const std::string_view startText = text.substr(0, colon), stopText = text.substr(colon + 1, slash - colon - 1),
                           countText = text.substr(slash + 1);
    double start = 0, stop = 0;
    if (std::string problem = parseFrequency(startText, start); !problem.empty())
        return "start " + inQuotes(startText) + ": " + problem;
    if (std::string problem = parseFrequency(stopText, stop); !problem.empty())
        return "stop " + inQuotes(stopText) + ": " + problem;
    int perDecade = 0;
    const auto [end, ec] = std::from_chars(countText.data(), countText.data() + countText.size(), perDecade);
    if (ec != std::errc() || end != countText.data() + countText.size() || perDecade < 1)
        return "N " + inQuotes(countText) + ": not a whole number of points a decade" + std::string(kLogHint);
    if (!(stop > start))
        return inQuotes(text) + ": the stop is not above the start" + std::string(kLogHint);
    // Each point from its index, so that the decades fall on their exact
    // values (1MHz:1GHz/10 meets 10 MHz and 100 MHz) and no error adds up.
    const long double steps = std::log10(static_cast<long double>(stop) / start) * perDecade;
    const long double whole = std::floor(steps + 1e-9L * std::max(1.0L, steps));
    // The stop is the last point, also where it is not a whole step away.
    const bool stopApart = steps - whole > 1e-9L * std::max(1.0L, steps);
    if (whole + 1 + stopApart > kMaxModelFrequencies)
        return overLimit(whole + 1 + stopApart, kMaxModelFrequencies, "frequencies");
    for (long long k = 0; k <= static_cast<long long>(whole); ++k)
        hz.push_back(start * std::pow(10.0, static_cast<double>(k) / perDecade));
    if (stopApart)
        hz.push_back(stop);
    else
        hz.back() = stop;
    return {};
}

// One item of the list: a log sweep, a linear range or one frequency.
std::string itemFrequencies(std::string_view item, std::vector<double>& hz)
{
    if (item.find('/') != std::string_view::npos)
        return logSweep(item, hz);
    if (item.find(':') != std::string_view::npos)
        return sweepValues(item, readFrequencyOrDc, hz, kMaxModelFrequencies);
    double f = 0;
    if (std::string problem = readFrequencyOrDc(item, f); !problem.empty())
        return "value " + inQuotes(item) + ": " + problem;
    hz = {f};
    return {};
}

}  // namespace

bool isFrequencySet(std::string_view text)
{
    return text.find_first_of(",:") != std::string_view::npos;
}

std::string modelFrequencies(std::string_view text, std::vector<double>& hz)
{
    std::vector<double> values;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        std::vector<double> item;
        if (std::string problem = itemFrequencies(text.substr(start, comma - start), item); !problem.empty())
            return problem;
        if (values.size() + item.size() > kMaxModelFrequencies)
            return overLimit(static_cast<long double>(values.size() + item.size()), kMaxModelFrequencies,
                             "frequencies");
        values.insert(values.end(), item.begin(), item.end());
        start = comma + 1;
    }
    std::ranges::sort(values);
    values.erase(std::unique(values.begin(), values.end()), values.end());
    hz = std::move(values);
    return {};
}
