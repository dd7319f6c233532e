#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "commands/DesignSolve.h"
#include "commands/PairDesign.h"
#include "output/Unit.h"

// What a run is asked: the mode, the method and the settings of its solves.

// Sensitivity and tolerance vary one impedance case's cross-section.
enum class Mode { Impedance, Shape, Sensitivity, Tolerance, Model };

inline constexpr std::array kModes{Mode::Impedance, Mode::Shape, Mode::Sensitivity, Mode::Tolerance, Mode::Model};

// The mode whose cases a mode reads: impedance for those that vary one.
Mode caseModeOf(Mode mode);

// The mode's name on the command line.
std::string_view modeName(Mode mode);

// The modes' names joined by "or", as messages offer a choice of modes.
std::string modeChoice(std::span<const Mode> modes);

// Which model calculates: the five-charge calculator of the window, or the
// converged field solution.
enum class Method { FiveCharge, Converged };

// The method's name on the command line and in JSON.
std::string_view methodName(Method method);

// How the cases are calculated; width, limit and trace are the shape solve's.
struct SolveSettings {
    Method method = Method::FiveCharge;
    bool methodGiven = false;  // by --method, not by default
    bool compare = false;  // impedance: the converged solution beside the five-charge one
    bool english = false;
    LengthBasis per = LengthBasis::Metre;  // what the per-length results are given per
    std::vector<DesignDimension> solveFor;  // shape mode's design: the dimensions solved for
    ShieldKind shield = ShieldKind::Round;  // a cable's: round, or a foil drawn over the sleeves
    bool drainOutside = false;              // a foil's drain wire (--drain) outside it
    double width = 0.01;
    int limit = 1000;
    std::string traceFile;  // empty: no trace

    bool operator==(const SolveSettings&) const = default;
};
