#pragma once

#include <string>

// The inverse solver reports progress to whatever shows it: a window's status
// line, a terminal, or nothing. These two seams keep the solver free of any
// window toolkit.

// Shows one line of status text (the main window's status label).
class TStatusLabel {
public:
    virtual void SetCaption(const std::string& text) = 0;

protected:
    ~TStatusLabel() = default;
};

// Repaints at once, so a long solve visibly counts.
class TRepaintTarget {
public:
    virtual void Repaint() = 0;

protected:
    ~TRepaintTarget() = default;
};
