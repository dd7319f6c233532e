#include "cases/ModelExport.h"

#include <algorithm>

#include "cases/ModelFiles.h"
#include "line/LineSweep.h"
#include "line/ModelDescription.h"
#include "line/QuasiTem.h"
#include "NumberText.h"

namespace {

std::string gigahertz(double hz)
{
    return formatSignificant(hz / 1e9, 5) + " GHz";
}

// What a frequency above the limit is told, on standard error and in its
// row's warning.
std::string aboveLimitText(double limit)
{
    return "above the quasi-TEM limit of about " + gigahertz(limit) +
           " (the coaxial TE11 cut-off, an estimate): the line model does not hold there";
}

std::string touchstoneFiles(const RlgcModel& model, const ModelSettings& settings, double length,
                            const std::vector<std::string>& description, ModelExport& out)
{
    NetworkRequest request;
    request.length = length;
    request.order = settings.ports;
    request.reference = {settings.reference, settings.reference};
    request.differentialReference = 2 * settings.reference;
    request.commonReference = settings.reference / 2;
    const NetworkSweep sweep = networkSweep(model, settings.frequencyValues, request);
    if (!sweep.error.empty())
        return sweep.error;
    const auto comments = [&](NetworkView view) {
        std::vector<std::string> lines = description;
        for (std::string& line : networkDescription(request, sweep, view))
            lines.push_back(std::move(line));
        return lines;
    };
    const TouchstonePaths paths = touchstonePaths(settings.touchstone);
    for (const auto& [path, network] :
         {std::pair{paths.fourPort, singleEndedNetwork(sweep, request, comments(NetworkView::SingleEnded))},
          std::pair{paths.twoPort, differentialNetwork(sweep, request, comments(NetworkView::Differential))}}) {
        TouchstoneText text = touchstoneText(network);
        if (!text.error.empty())
            return text.error;
        out.files.emplace_back(path, std::move(text.text));
    }
    return {};
}

ModelExport refused(std::string problem)
{
    ModelExport out;
    out.error = std::move(problem);
    return out;
}

}  // namespace

ModelExport modelExport(const CrossSection& section, const RlgcModel& model, const ModelSettings& settings,
                        double length, TableFormat format)
{
    ModelExport out;
    const std::vector<double>& frequencies = settings.frequencyValues;
    if (frequencies.empty())
        return refused("a model needs at least one frequency");
    const double limit = quasiTemLimit(section);
    const std::string beyond = aboveLimitText(limit);
    if (const auto first = std::ranges::upper_bound(frequencies, limit); first != frequencies.end()) {
        const auto count = frequencies.end() - first;
        out.warnings.push_back((count == 1 ? gigahertz(*first)
                                           : "the " + std::to_string(count) + " frequencies from " + gigahertz(*first)) +
                               ": " + beyond);
    }
    const double at = settings.at > 0 ? settings.at : frequencies.back();
    if (!settings.spice.empty() && settings.at > limit)
        out.warnings.push_back("--at " + gigahertz(at) + ": " + beyond);
    const std::vector<std::string> description = lineDescription(section, model);

    if (!settings.touchstone.empty()) {
        if (std::string problem = touchstoneFiles(model, settings, length, description, out); !problem.empty())
            return refused(problem);
    }
    if (!settings.spice.empty()) {
        SpiceText text = spiceSubcircuit(spiceLine(model.at(at), settings.name, length, description));
        if (!text.error.empty())
            return refused(text.error);
        out.files.emplace_back(settings.spice, std::move(text.text));
    }
    if (settings.rlgc) {
        std::vector<RlgcRow> rows;
        for (const double f : frequencies) {
            rows.push_back(rlgcRow(model.at(f)));
            if (f > limit)
                rows.back().warning = beyond;
        }
        TableText table = rlgcTable(rows, format, format == TableFormat::Text ? description : std::vector<std::string>{});
        if (!table.error.empty())
            return refused(table.error);
        out.table = std::move(table.text);
    }
    return out;
}
