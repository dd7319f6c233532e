#include "Model.h"

#include <ostream>

#include "cases/CaseSection.h"
#include "cases/ModelExport.h"
#include "field/InsulatedSolver.h"
#include "output/WholeFile.h"

namespace {

int failed(std::ostream& err, const std::string& problem)
{
    err << "duvane-calc: " << problem << '\n';
    return 1;
}

}  // namespace

int runModel(const Options& options, std::ostream& out, std::ostream& err)
{
    CaseSection c = caseSection(options.input, options.solve);
    if (std::string problem = sectionProblem(c.section); !problem.empty())
        return failed(err, problem);
    const FieldSolution solution = InsulatedSolver().solve(c.section);
    if (solution.status != FieldStatus::Solved)
        return failed(err, solution.reason);
    c.losses.dielectric = options.model.dielectric;
    const RlgcModel model(c.section, solution, c.losses);
    if (!model.error().empty())
        return failed(err, model.error());

    const double length = options.input.has(Input::Length) ? options.input[Input::Length] : kDefaultLineLength;
    const TableFormat format = options.json ? TableFormat::JsonLines : options.csv ? TableFormat::Csv : TableFormat::Text;
    const ModelExport made = modelExport(c.section, model, options.model, length, format);
    if (!made.error.empty())
        return failed(err, made.error);
    for (const std::string& warning : made.warnings)
        err << "duvane-calc: " << warning << '\n';
    // The files of one run together: a failure leaves none of them changed.
    std::vector<FileText> files;
    for (const auto& [path, text] : made.files)
        files.push_back({path, text});
    if (std::string problem = writeWholeFiles(files); !problem.empty())
        return failed(err, problem);
    out << made.table;
    return 0;
}
