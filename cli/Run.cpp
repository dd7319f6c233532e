#include "Run.h"

#include <istream>
#include <ostream>

#include "Args.h"
#include "Batch.h"
#include "Calculation.h"
#include "CaseSweep.h"
#include "Help.h"
#include "Json.h"

namespace {

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
    if (options.batch)
        return runBatch(calculator, options.input, in, out, err);
    if (!options.sweeps.empty()) {
        forEachSweptCase(options.input, options.sweeps, [&](const CaseInput& input) {
            JsonObject object;
            addToJson(object, calculator.run(input));
            out << object.str() << '\n';
            return static_cast<bool>(out);  // every further case would be lost as well
        });
        return 0;
    }

    const Report report = calculator.run(options.input);
    if (options.json) {
        JsonObject object;
        addToJson(object, report);
        out << object.str() << '\n';
    } else if (report.error.empty()) {
        out << humanText(report, options.decimals);
    } else {
        err << "duvane-calc: " << report.error << '\n';
    }
    if (!report.warning.empty())
        err << "duvane-calc: " << report.warning << '\n';
    return report.error.empty() && report.warning.empty() ? 0 : 1;
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
