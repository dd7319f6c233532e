#pragma once

#include <QFont>

// Face names the windows ask for. None of them is installed here; the
// substitutions below stand in faces that are, with the same character sets.
inline constexpr char kFontPGothic[] = "ＭＳ Ｐゴシック";
inline constexpr char kFontGothic[] = "ＭＳ ゴシック";
inline constexpr char kFontSansSerif[] = "Microsoft Sans Serif";

// Call once at start-up, before the first window is built.
void installFontSubstitutions();

// A window's font: the named face at 12 pixels.
QFont windowFontOf(const char* family);
