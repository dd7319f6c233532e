#include "Run.h"

#include <unistd.h>

#include <iostream>
#include <istream>
#include <ostream>

#include "cases/Batch.h"
#include "cases/CaseForm.h"
#include "cases/CaseRunner.h"
#include "cases/CaseSweep.h"
#include "commandline/Args.h"
#include "commandline/Help.h"
#include "commandline/Language.h"
#include "output/CaseOutput.h"
#include "Model.h"
#include "Variation.h"

namespace {

// A single case's status, its warnings said on standard error.
int exitStatus(const Report& report, std::ostream& err)
{
    for (const Warning& warning : report.warnings)
        err << "duvane-calc: " << warning.text << '\n';
    return report.failed() ? 1 : 0;
}

// The results, also those calculated before a part of the case failed.
int writeText(Report report, int decimals, bool english, std::ostream& out, std::ostream& err)
{
    out << humanText(report, decimals);
    if (!report.error.empty())
        err << "duvane-calc: " << report.error << '\n';
    for (const std::string_view label : shownAsZero(report, decimals)) {
        const std::string shown(label);
        report.warnings.push_back(
            {english ? shown + " is not zero but shows as zero with " + std::to_string(decimals) +
                           " decimals: --json gives it in full"
                     : shown + " は 0 ではありませんが小数 " + std::to_string(decimals) +
                           " 桁では 0 と表示されます：--json で全桁が得られます",
             false});
    }
    return exitStatus(report, err);
}

int runCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    Options options;
    if (std::string problem = parseArgs(args, options); !problem.empty()) {
        err << "duvane-calc: " << problem << '\n' << kUsageLine << kHelpHint;
        return 2;
    }
    switch (options.action) {
    case Options::Action::Help:
        out << helpText();
        return 0;
    case Options::Action::Version:
        out << "duvane-calc " DUVANE_VERSION "\n";
        return 0;
    case Options::Action::Calculate:
        break;
    }

    SolveSettings settings = options.solve;
    settings.english = speaksEnglish(options.language);
    if (options.mode == Mode::Model)
        return runModel(options, out, err);
    if (options.mode == Mode::Sensitivity)
        return runSensitivity(options, out, err);
    if (options.mode == Mode::Tolerance)
        return runTolerance(options, &err == &std::cerr && isatty(STDERR_FILENO) != 0, out, err);
    CaseRunner runner(options.mode, settings);
    const bool table = options.batch || !options.sweeps.empty();
    if (!table && !options.json && !options.csv)
        return writeText(runner.run(options.input), options.decimals, settings.english, out, err);

    // Every case of the run has these inputs, so a table has their columns.
    const CaseInput prototype = withOperandStandIns(options.mode, sweptLayoutInput(options.input, options.sweeps));
    CaseOutput output(out, options.csv ? Format::Csv : Format::JsonLines, runner.layout(prototype), options.batch);
    if (options.batch) {
        const int status = runBatch(runner, options.input, in, output, err);
        if (status != 2)
            output.finish();
        return status;
    }
    if (!options.sweeps.empty()) {
        forEachSweptCase(options.input, options.sweeps,
                         [&](const CaseInput& input) { return output.write(runner.run(input)); });
        return 0;
    }
    const Report report = runner.run(options.input);
    output.write(report);
    return exitStatus(report, err);
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    const int status = runCommand(args, in, out, err);
    // A buffered stream fails only when it hands its text on, perhaps not
    // before this flush; results lost on a full disk are no success.
    if (!out.flush()) {
        err << "duvane-calc: cannot write standard output\n";
        return 1;
    }
    return status;
}
