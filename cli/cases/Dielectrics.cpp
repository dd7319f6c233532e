#include "cases/Dielectrics.h"

#include "Materials.h"

std::optional<double> materialCode(std::string_view name)
{
    const Material* material = findMaterial(name);
    if (material == nullptr)
        return std::nullopt;
    return -1.0 - static_cast<double>(material - materials().data());
}

Dielectric dielectricOf(double value)
{
    if (value >= 0)
        return {.er = value, .tanDelta = 0, .material = {}};
    const Material& material = materials()[static_cast<std::size_t>(-1 - value)];
    return {.er = material.er, .tanDelta = material.tanDelta, .material = material.name};
}
