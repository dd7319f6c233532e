#pragma once

#include <string_view>

#include "commandline/Options.h"

// Which language duvane-calc speaks: the one asked for, or the locale's for
// messages (the first set of LC_ALL, LC_MESSAGES and LANG, as the C library
// chooses it): Japanese where it is Japanese, English otherwise.

// Whether a locale's name is Japanese: "ja", "ja_JP.UTF-8", ...
bool isJapaneseLocale(std::string_view name);

// True for English. Reads the environment only for Language::FromLocale.
bool speaksEnglish(Options::Language language);
