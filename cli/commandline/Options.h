#pragma once

#include <string>
#include <vector>

#include "cases/CaseSweep.h"
#include "cases/Inputs.h"
#include "cases/RunSettings.h"
#include "cases/VariationSettings.h"
#include "line/Dielectric.h"
#include "line/LineNetwork.h"

// The command line of duvane-calc, as read: what to do, and the cases.

// A model's frequencies at most: a 100,000-point sweep is seconds of work
// and some megabytes of Touchstone.
inline constexpr std::size_t kMaxModelFrequencies = 100000;

// What model mode writes, and how.
struct ModelSettings {
    std::string touchstone;  // the .s4p's path (and the .s2p's beside it); empty: none
    std::string spice;       // the subcircuit's path; empty: none
    bool rlgc = false;       // the table on standard output
    PortOrder ports = PortOrder::Through;
    std::string name = "duvane_line";
    double at = 0;         // Hz, where the SPICE R and G are taken; 0: the highest frequency
    double reference = 50;  // ohm, single-ended
    DielectricModel dielectric = DielectricModel::ConstantLossTangent;
    std::string frequencies;  // --freq as a list or a range, read once the mode is known
    std::vector<double> frequencyValues;  // Hz, increasing

    bool operator==(const ModelSettings&) const = default;
};

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
