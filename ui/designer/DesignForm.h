#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <variant>

#include <QString>

#include "cases/Inputs.h"
#include "cases/RunSettings.h"
#include "commands/PairDesign.h"
#include "line/Rlgc.h"

// The designer window's inputs as typed, and the case they give: the case
// duvane-calc is given by the same numbers, read by its own readers, so that
// the window's figures and its CSV are the command line's.

// The inputs typed as text, in the order the window lists them.
enum class Entry {
    CoreDiameter,
    SleeveDiameter,
    Spacing,
    ShieldDiameter,
    Clearance,
    Drain,
    SleeveEr,
    SleeveTand,
    FillEr,
    FillTand,
    Frequency,
    Conductivity,
};

inline constexpr std::size_t kEntryCount = static_cast<std::size_t>(Entry::Conductivity) + 1;

// The input's objectName in the window.
const char* entryName(Entry entry);
// Its caption, with its unit.
QString entryLabel(Entry entry);

// The materials the window starts with, by their names in the table.
inline constexpr char kInitialSleeveMaterial[] = "pe";
inline constexpr char kInitialFillMaterial[] = "air";

struct DesignEntries {
    std::array<QString, kEntryCount> texts;
    std::optional<int> awg;  // the core by its AWG size (as parseAwgSize gives it) in place of its diameter
    bool spacingTouch = false;
    bool shieldTouch = false;
    ShieldKind shield = ShieldKind::Round;

    QString& operator[](Entry entry) { return texts[static_cast<std::size_t>(entry)]; }
    const QString& operator[](Entry entry) const { return texts[static_cast<std::size_t>(entry)]; }

    // What the window shows when it opens: 0.5 mm cores in 1.3 mm PE sleeves
    // pressed together, the round shield drawn tight over them.
    static DesignEntries initial();
};

// Whether the case reads the entry: a contact fixes S or D, a foil has no D
// and a round shield no clearance or drain, an AWG size gives d.
bool entryUsed(const DesignEntries& entries, Entry entry);

struct DesignCase {
    CaseInput input;  // as duvane-calc's options give it
    SolveSettings settings;
    PairDesign design;  // lengths in metres
    LineLosses losses;
    double frequency = 0;  // Hz
};

struct EntryProblem {
    Entry entry;
    QString message;  // what is wrong and how to put it right
};

// The case, or the first problem in the window's order.
std::variant<DesignCase, EntryProblem> checkEntries(const DesignEntries& entries);

// A length for an input box: mm, as many digits as tell the value from its
// neighbours at the solver's accuracy, no more.
QString millimetreText(double metres);
