#include "field/FieldTexts.h"

#include <charconv>

std::string coreName(int index)
{
    return "Core " + std::to_string(index + 1);
}

std::string fieldNumberText(double value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6).ptr;
    return std::string(buffer, end);
}
