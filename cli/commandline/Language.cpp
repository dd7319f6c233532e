#include "commandline/Language.h"

#include <cstdlib>

namespace {

std::string_view messageLocale()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return value;
    }
    return {};
}

}  // namespace

bool isJapaneseLocale(std::string_view name)
{
    return name == "ja" || name.starts_with("ja_") || name.starts_with("ja.") || name.starts_with("ja@");
}

bool speaksEnglish(Options::Language language)
{
    switch (language) {
    case Options::Language::English: return true;
    case Options::Language::Japanese: return false;
    case Options::Language::FromLocale: break;
    }
    return !isJapaneseLocale(messageLocale());
}
