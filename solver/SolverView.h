#pragma once

#include <string>

// The inverse solver reports progress to whatever shows it: a window's status
// line, a terminal, or nothing. These two seams keep the solver free of any
// window toolkit.

// Shows one line of status text (the main window's status label).
class StatusLabel {
public:
    virtual void setCaption(const std::string& text) = 0;

protected:
    ~StatusLabel() = default;
};

// Repaints at once, so a long solve visibly counts.
class RepaintTarget {
public:
    virtual void repaintNow() = 0;

protected:
    ~RepaintTarget() = default;
};
