#pragma once

#include <string>
#include <vector>

#include "cases/CaseSweep.h"
#include "cases/Inputs.h"
#include "cases/ModelSettings.h"
#include "cases/RunSettings.h"
#include "cases/VariationSettings.h"

// The command line of duvane-calc, as read: what to do, and the cases.

struct Options {
    // In rising precedence: --help and --version answer whatever else the
    // command line holds, and --help wins over --version, because whoever
    // gives both is unsure of the command line, and the help is the answer.
    enum class Action { Calculate, Version, Help };
    Action action = Action::Calculate;
    // The language of the messages: the locale's unless an option says.
    enum class Language { FromLocale, English, Japanese };
    Language language = Language::FromLocale;
    Mode mode = Mode::Impedance;
    // The numbers the command line gives, by options and operands; with
    // --batch, only those of the options, the lines giving the rest.
    CaseInput input;
    std::vector<SweptInput> sweeps;  // in the order given
    int decimals = 3;
    bool json = false;
    bool csv = false;
    bool batch = false;
    SolveSettings solve;
    VariationSettings variation;  // sensitivity and tolerance modes
    ModelSettings model;

    bool operator==(const Options&) const = default;
};
