#pragma once

#include <span>
#include <string>
#include <string_view>

// Common cable dielectrics: relative permittivity and loss tangent, typical
// values over 1 MHz to 10 GHz, where these materials hold both within a few
// percent. A given grade may differ by that much: where its data sheet is at
// hand, give its numbers instead.
struct Material {
    std::string_view name;      // as the command line and the window take it
    std::string_view japanese;  // as the window shows it
    double er;
    double tanDelta;
    std::string_view source;
};

std::span<const Material> materials();

// The material called `name` (case as written), or null.
const Material* findMaterial(std::string_view name);

// The names, ", " between them, for a message on an unknown one.
std::string materialNames();
