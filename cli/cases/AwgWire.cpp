#include "cases/AwgWire.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

#include "cases/UnitParsers.h"

namespace {

// The concentric constructions: how many gauges finer each strand is than
// the wire's size (7/32 for 24 AWG, 19/36, 37/40), how many strands the
// bundle is across, and the stranding factor.
struct Stranding {
    int strands;
    int gaugesFiner;
    int across;
    double fieldFactor;
};

constexpr Stranding kStrandings[] = {
    {7, 8, 3, 0.939},
    {19, 12, 5, 0.970},
    {37, 16, 7, 0.980},
};

constexpr int kCodeStep = 1000;

const Stranding* strandingOf(int strands)
{
    const auto* found = std::ranges::find(kStrandings, strands, &Stranding::strands);
    return found == std::ranges::end(kStrandings) ? nullptr : found;
}

}  // namespace

std::string parseAwgWire(std::string_view text, AwgWire& wire)
{
    // "1/0" to "4/0" name the aught sizes, so the strands follow the last /.
    const std::size_t slash = text.rfind('/');
    if (slash == std::string_view::npos || text.substr(slash + 1) == "0") {
        int size = 0;
        std::string problem = parseAwgSize(text, size);
        if (problem.empty())
            wire = {.size = size, .strands = 1};
        else if (slash == std::string_view::npos)
            problem += ", or SIZE/STRANDS (24/7, 24/19, 24/37) for a stranded wire";
        return problem;
    }
    int size = 0;
    if (std::string problem = parseAwgSize(text.substr(0, slash), size); !problem.empty())
        return problem + " before the /";
    const std::string_view count = text.substr(slash + 1);
    int strands = 0;
    const auto [end, ec] = std::from_chars(count.data(), count.data() + count.size(), strands);
    if (count.empty() || ec != std::errc() || end != count.data() + count.size() || strandingOf(strands) == nullptr)
        return "a stranded wire is SIZE/7, SIZE/19 or SIZE/37: strands laid up in concentric layers";
    wire = {.size = size, .strands = strands};
    return {};
}

double awgCode(AwgWire wire)
{
    return wire.stranded() ? wire.size + kCodeStep * wire.strands : wire.size;
}

AwgWire awgWireOf(double code)
{
    const long long whole = std::llround(code);
    // Sizes run from -3 to 40: the nearest thousand is the strand count.
    const long long strands = (whole + kCodeStep / 2) / kCodeStep;
    if (strands == 0)
        return {.size = static_cast<int>(whole), .strands = 1};
    return {.size = static_cast<int>(whole - kCodeStep * strands), .strands = static_cast<int>(strands)};
}

double strandDiameterMm(AwgWire wire)
{
    const Stranding* stranding = strandingOf(wire.strands);
    return awgDiameterMm(stranding ? wire.size + stranding->gaugesFiner : wire.size);
}

double outerDiameterMm(AwgWire wire)
{
    const Stranding* stranding = strandingOf(wire.strands);
    return strandDiameterMm(wire) * (stranding ? stranding->across : 1);
}

double fieldDiameterMm(AwgWire wire)
{
    const Stranding* stranding = strandingOf(wire.strands);
    return outerDiameterMm(wire) * (stranding ? stranding->fieldFactor : 1);
}

double metalAreaMm2(AwgWire wire)
{
    const double strand = strandDiameterMm(wire);
    return wire.strands * std::numbers::pi / 4 * strand * strand;
}
