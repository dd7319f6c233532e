#include "Run.h"

#include <istream>
#include <ostream>

#include "Args.h"
#include "Batch.h"
#include "Calculation.h"
#include "CaseForm.h"
#include "CaseOutput.h"
#include "CaseSweep.h"
#include "Help.h"

namespace {

// A single case's status, the warning said on standard error.
int exitStatus(const Report& report, std::ostream& err)
{
    if (!report.warning.empty())
        err << "duvane-calc: " << report.warning << '\n';
    return report.error.empty() && report.warning.empty() ? 0 : 1;
}

int writeText(const Report& report, int decimals, std::ostream& out, std::ostream& err)
{
    if (report.error.empty())
        out << humanText(report, decimals);
    else
        err << "duvane-calc: " << report.error << '\n';
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

    Calculator calculator(options.mode, options.solve);
    const bool table = options.batch || !options.sweeps.empty();
    if (!table && !options.json && !options.csv)
        return writeText(calculator.run(options.input), options.decimals, out, err);

    // Every case of the run has these inputs, so a table has their columns.
    const CaseInput prototype = withOperandStandIns(options.mode, withSweeps(options.input, options.sweeps));
    CaseOutput output(out, options.csv ? Format::Csv : Format::JsonLines, calculator.layout(prototype),
                      calculator.mayWarn(), options.batch);
    if (options.batch)
        return runBatch(calculator, options.input, in, output, err);
    if (!options.sweeps.empty()) {
        forEachSweptCase(options.input, options.sweeps,
                         [&](const CaseInput& input) { return output.write(calculator.run(input)); });
        return 0;
    }
    const Report report = calculator.run(options.input);
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
