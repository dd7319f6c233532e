#include "cases/CaseFigures.h"

#include "line/AsymmetricPair.h"
#include "line/ModeConversion.h"
#include "line/Rlgc.h"

namespace {

CaseFigures failed(std::string reason)
{
    CaseFigures f;
    f.error = std::move(reason);
    return f;
}

}  // namespace

CaseFigures caseFigures(const CaseInput& input, const SolveSettings& settings, InsulatedSolver& field,
                        const ConversionAt& at)
{
    const CaseSection section = caseSection(input, settings);
    if (std::string problem = sectionProblem(section.section); !problem.empty())
        return failed(std::move(problem));
    const FieldSolution solution = field.solve(section.section, {.generalPath = true});
    if (solution.status != FieldStatus::Solved)
        return failed(solution.reason);
    return figuresOf(section, solution, at);
}

CaseFigures figuresOf(const CaseSection& section, const FieldSolution& solution, const ConversionAt& at)
{
    CaseFigures f;
    const AsymmetricPair pair = asymmetricPair(solution);
    if (!pair.error.empty())
        return failed(pair.error);
    f.zDiff = pair.figures.zDiff;
    f.zCommon = pair.figures.zCommon;
    f.zDc = pair.figures.zDc;
    f.skew = pair.figures.skewModal;
    f.skewIntra = pair.figures.skewIntra;
    f.delay = pair.figures.modes[0].delay;
    if (at.frequency > 0) {
        const ModeConversion m =
            modeConversion(section.section, solution, section.losses, at.frequency, at.length, false);
        if (!m.error.empty())
            return failed(m.error);
        f.hasConversion = true;
        f.scd21 = m.scd21Value;
    }
    return f;
}
