#include "cases/DcResistance.h"

#include <numbers>
#include <optional>

#include "cases/Dimensions.h"
#include "field/FoilGeometry.h"

namespace {

constexpr double kMilli = 1e3;

double wireAreaMm2(const CaseInput& input)
{
    if (const std::optional<AwgWire> wire = givenAwgWire(input))
        return metalAreaMm2(*wire);
    const double d = input[Input::WireDiameter];
    return std::numbers::pi / 4 * d * d;
}

}  // namespace

void addDcResistance(const CaseInput& input, const CrossSection* foilSection, const FoilWall& foil,
                     std::vector<Quantity>& results)
{
    if (!hasWire(input))
        return;
    const double sigma = input.has(Input::Conductivity) ? input[Input::Conductivity] : LineLosses{}.conductivity;
    const double core = 1 / (sigma * wireAreaMm2(input) * 1e-6);
    results.push_back({"r_dc", "R dc", core * kMilli, Unit::MilliohmPerLength});
    if (input.has(Input::WireDiameter2)) {
        const double d2 = input[Input::WireDiameter2] * 1e-3;
        results.push_back({"r_dc2", "R dc core 2", 1 / (sigma * std::numbers::pi / 4 * d2 * d2) * kMilli,
                           Unit::MilliohmPerLength});
    }
    if (foilSection == nullptr)
        return;
    const double t = foil.thickness;
    double conductance = foil.conductivity * (foilPerimeter(*foilSection) * t + std::numbers::pi * t * t);
    if (input.has(Input::Drain)) {
        const double drain = input[Input::Drain] * 1e-3;
        conductance += sigma * std::numbers::pi / 4 * drain * drain;
    }
    results.insert(results.end(), {{"r_dc_shield", "R dc shield", kMilli / conductance, Unit::MilliohmPerLength},
                                   {"r_dc_loop", "R dc loop", (core + 1 / conductance) * kMilli,
                                    Unit::MilliohmPerLength}});
}
