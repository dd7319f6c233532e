#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What one calculation is given: the mode, the case's numbers and the settings
// of the shape solve.

enum class Mode { Impedance, Shape };

inline constexpr std::array kModes{Mode::Impedance, Mode::Shape};

// The mode's name on the command line.
std::string_view modeName(Mode mode);

// The modes' names joined by "or", as messages offer a choice of modes.
std::string modeChoice(std::span<const Mode> modes);

// One number of a case: its name on the command line and its JSON key.
struct InputName {
    std::string_view name;
    std::string_view key;
};

// The three numbers of a mode's case, in input order; the third (ER) may be
// left out and is then 1.
const std::array<InputName, 3>& inputNames(Mode mode);

// A case's numbers in input order (S/D, D/d, Er or Ze, Zo, Er).
using CaseInput = std::array<double, 3>;

// Reads two or three number texts into `input`. Returns the problem, naming
// the number, or the empty text when all are good.
std::string readCase(Mode mode, const std::vector<std::string_view>& texts, CaseInput& input);

// Which model calculates: the five-charge calculator of the window, or the
// converged field solution.
enum class Method { FiveCharge, Converged };

// The method's name on the command line and in JSON.
std::string_view methodName(Method method);

// How the cases are calculated; width, limit and trace are the shape solve's.
struct SolveSettings {
    Method method = Method::FiveCharge;
    bool compare = false;  // impedance: the converged solution beside the five-charge one
    bool english = false;
    double width = 0.01;
    int limit = 1000;
    std::string traceFile;  // empty: no trace

    bool operator==(const SolveSettings&) const = default;
};
