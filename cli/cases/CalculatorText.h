#pragma once

#include <string>
#include <string_view>

// The calculator's texts as duvane-calc shows them. With `english`, the texts
// the calculator has only in Japanese take their English form; a text a user
// cannot act on (a singular system, an invalid capacitance) keeps its words
// and gains a plain sentence in the chosen language, and so does a count over
// (of either shape solve), which gains the options that let a solve go on. Both hold behind the
// solve's prefixes ("zCalcSDDd():", "Calculation Failed:"); any other text is
// shown as it is. The window shows the calculator's texts unchanged.
std::string shownText(std::string_view calculatorText, bool english);
