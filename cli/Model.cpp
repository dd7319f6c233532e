#include "Model.h"

#include <algorithm>
#include <ostream>

#include "cases/CaseSection.h"
#include "cases/ModelFiles.h"
#include "field/InsulatedSolver.h"
#include "line/LineSweep.h"
#include "line/ModelDescription.h"
#include "line/QuasiTem.h"
#include "NumberText.h"
#include "output/WholeFile.h"

namespace {

// FILE as given where it ends in .s4p, FILE.s4p otherwise; the .s2p beside it.
std::pair<std::string, std::string> touchstonePaths(const std::string& given)
{
    const std::string stem = given.ends_with(".s4p") ? given.substr(0, given.size() - 4) : given;
    return {stem + ".s4p", stem + ".s2p"};
}

int failed(std::ostream& err, const std::string& problem)
{
    err << "duvane-calc: " << problem << '\n';
    return 1;
}

}  // namespace

int runModel(const Options& options, std::ostream& out, std::ostream& err)
{
    const ModelSettings& settings = options.model;
    CaseSection c = caseSection(options.input, options.solve);
    if (std::string problem = sectionProblem(c.section); !problem.empty())
        return failed(err, problem);
    const FieldSolution solution = InsulatedSolver().solve(c.section);
    if (solution.status != FieldStatus::Solved)
        return failed(err, solution.reason);
    c.losses.dielectric = settings.dielectric;
    const RlgcModel model(c.section, solution, c.losses);
    if (!model.error().empty())
        return failed(err, model.error());

    const std::vector<double>& frequencies = settings.frequencyValues;
    if (const double limit = quasiTemLimit(c.section); frequencies.back() > limit)
        err << "duvane-calc: the frequencies above " << formatSignificant(limit / 1e9, 5)
            << " GHz are beyond this cross-section's single-mode limit: the line model does not hold there\n";
    const std::vector<std::string> description = lineDescription(c.section, model);
    const double length = options.input.has(Input::Length) ? options.input[Input::Length] : kDefaultLineLength;

    if (!settings.touchstone.empty()) {
        NetworkRequest request;
        request.length = length;
        request.order = settings.ports;
        request.reference = {settings.reference, settings.reference};
        request.differentialReference = 2 * settings.reference;
        request.commonReference = settings.reference / 2;
        const NetworkSweep sweep = networkSweep(model, frequencies, request);
        if (!sweep.error.empty())
            return failed(err, sweep.error);
        std::vector<std::string> comments = description;
        for (std::string& line : networkDescription(request, sweep))
            comments.push_back(std::move(line));
        const auto [fourPort, twoPort] = touchstonePaths(settings.touchstone);
        for (const auto& [path, network] : {std::pair{fourPort, singleEndedNetwork(sweep, request, comments)},
                                            std::pair{twoPort, differentialNetwork(sweep, request, comments)}}) {
            const TouchstoneText text = touchstoneText(network);
            if (!text.error.empty())
                return failed(err, text.error);
            if (std::string problem = writeWholeFile(path, text.text); !problem.empty())
                return failed(err, problem);
        }
    }
    if (!settings.spice.empty()) {
        const double at = settings.at > 0 ? settings.at : frequencies.back();
        const SpiceText text = spiceSubcircuit(spiceLine(model.at(at), settings.name, length, description));
        if (!text.error.empty())
            return failed(err, text.error);
        if (std::string problem = writeWholeFile(settings.spice, text.text); !problem.empty())
            return failed(err, problem);
    }
    if (settings.rlgc) {
        std::vector<RlgcRow> rows;
        for (const double f : frequencies)
            rows.push_back(rlgcRow(model.at(f)));
        const TableFormat format = options.json ? TableFormat::JsonLines : options.csv ? TableFormat::Csv : TableFormat::Text;
        const TableText table = rlgcTable(rows, format, format == TableFormat::Text ? description : std::vector<std::string>{});
        if (!table.error.empty())
            return failed(err, table.error);
        out << table.text;
    }
    return 0;
}
