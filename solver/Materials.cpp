#include "Materials.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::string_view kVonHippel = "A. R. von Hippel (ed.), Dielectric Materials and Applications, MIT Press, "
                                        "1954, tables of dielectric properties (1 MHz to 10 GHz)";
constexpr std::string_view kDataSheets = "manufacturers' data sheets of the resin (1 MHz to 10 GHz), typical values";
constexpr std::string_view kFoam =
    "solid PE of density 0.92 g/cm3 foamed to 0.46 g/cm3 (50 % gas): Er by the Looyenga mixing rule, "
    "Er^(1/3) = 0.5 * 2.26^(1/3) + 0.5 * 1, and tan delta about half the solid's";

constexpr Material kMaterials[] = {
    {"air", "空気", 1.0, 0.0, "dry air at sea level: Er 1.0006, taken as 1"},
    {"pe", "ポリエチレン", 2.26, 2e-4, kVonHippel},
    {"foam-pe", "発泡ポリエチレン", 1.55, 1e-4, kFoam},
    {"ptfe", "PTFE", 2.1, 2e-4, kVonHippel},
    {"fep", "FEP", 2.05, 6e-4, kDataSheets},
    {"pfa", "PFA", 2.06, 3e-4, kDataSheets},
    {"pp", "ポリプロピレン", 2.25, 3e-4, kVonHippel},
    {"etfe", "ETFE", 2.6, 5e-3, kDataSheets},
    {"pvc", "PVC", 3.2, 2e-2, kVonHippel},
};

}  // namespace

std::span<const Material> materials()
{
    return kMaterials;
}

const Material* findMaterial(std::string_view name)
{
    const auto* found = std::ranges::find(kMaterials, name, &Material::name);
    return found == std::ranges::end(kMaterials) ? nullptr : found;
}

std::string materialNames()
{
    std::string names;
    for (const Material& material : kMaterials)
        names.append(names.empty() ? "" : ", ").append(material.name);
    return names;
}
