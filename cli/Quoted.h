#pragma once

#include <string>
#include <string_view>

// `text` in double quotes, as messages show what was given.
inline std::string quoted(std::string_view text)
{
    return '"' + std::string(text) + '"';
}
