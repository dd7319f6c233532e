#pragma once

#include <string>

#include "Args.h"
#include "Qol_math2.h"
#include "Report.h"

// Runs the cases of one mode with one set of settings. One solver serves all
// cases of a run, so a batch pays for its set-up once.
class Calculator {
public:
    Calculator(Mode mode, const SolveSettings& settings);

    Mode mode() const { return mode_; }
    Report run(const CaseInput& input);

private:
    // Keeps the solver's last progress text.
    class LastStatus final : public StatusLabel {
    public:
        void setCaption(const std::string& text) override { text_ = text; }
        std::string text_;
    };

    void impedance(const CaseInput& input, Report& report);
    void shape(const CaseInput& input, Report& report);

    Mode mode_;
    SolveSettings settings_;
    LastStatus status_;
    TQol_COAXMath2 solver_;
};

// The calculation count in a progress text such as "計算回数＝17" or
// "Calculation Count=17": the number after the last "=" or "＝"; 0 if none.
long long countInStatus(std::string_view status);
