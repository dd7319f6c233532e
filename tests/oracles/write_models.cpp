// Writes the line models of a few cross-sections, through the library's own
// functions, for the oracle checks to read with scikit-rf and ngspice:
//   write_models FOLDER
// Each case gives FOLDER/<case>.s4p (through numbering), <case>_seq.s4p
// (sequential), <case>.s2p (Sdd, 100 ohm), <case>_cc.s2p (Scc, 25 ohm),
// <case>.jsonl (R, L, G, C at every frequency) and <case>.cir (an ngspice
// subcircuit of 1 m, R and G at 1 GHz); facts.json gives what the checks
// compare against: the modes' impedances and delays of the symmetric cases.

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "field/InsulatedSolver.h"
#include "field/PairModes.h"
#include "line/LineSweep.h"
#include "line/ModelDescription.h"
#include "line/Rlgc.h"
#include "cases/ModelFiles.h"
#include "NumberText.h"
#include "output/Json.h"
#include "output/WholeFile.h"

namespace {

constexpr double kLength = 1;  // m

struct Case {
    std::string name;
    CrossSection section;
    LineLosses losses;
};

Core core(double x, double y, double d, double sleeve, double er)
{
    return {x, y, d, sleeve, 0, 0, er};
}

LineLosses lossless()
{
    LineLosses l;
    l.conductivity = std::numeric_limits<double>::infinity();
    return l;
}

LineLosses copperPtfe()
{
    LineLosses l;
    l.tanDelta = {2e-4, 2e-4, 0};
    l.conductivity = 5.8e7;
    l.dielectric = DielectricModel::Wideband;
    return l;
}

std::vector<Case> cases()
{
    CrossSection homogeneous;
    homogeneous.cores = {core(0.7e-3, 0, 0.51e-3, 0.51e-3, 1), core(-0.7e-3, 0, 0.51e-3, 0.51e-3, 1)};
    homogeneous.shield = RoundShield{4.2e-3};
    homogeneous.fillerEr = 2.1;
    CrossSection insulated;  // PTFE sleeves touching each other, in air
    insulated.cores = {core(0.7e-3, 0, 0.51e-3, 1.4e-3, 2.1), core(-0.7e-3, 0, 0.51e-3, 1.4e-3, 2.1)};
    insulated.shield = RoundShield{3.6e-3};
    CrossSection unequal;
    unequal.cores = {core(0.8e-3, 0.1e-3, 0.51e-3, 1.2e-3, 2.1), core(-0.65e-3, -0.05e-3, 0.4e-3, 1.0e-3, 3.0)};
    unequal.shield = RoundShield{4.2e-3};
    return {{"homogeneous_lossless", homogeneous, lossless()},
            {"insulated_lossless", insulated, lossless()},
            {"insulated_lossy", insulated, copperPtfe()},
            {"unequal_lossless", unequal, lossless()},
            {"unequal_lossy", unequal, copperPtfe()}};
}

// DC, then twenty a decade from 10 kHz to 20 GHz, 1 MHz, 1 GHz and the
// other decades among them exactly.
std::vector<double> frequencies()
{
    std::vector<double> f{0};
    for (int i = -40; i <= 86; ++i)
        f.push_back(std::pow(10.0, 6 + i / 20.0));
    return f;
}

bool write(const std::string& path, const std::string& error, const std::string& text)
{
    const std::string problem = error.empty() ? writeWholeFile(path, text) : error;
    if (!problem.empty())
        std::fprintf(stderr, "%s: %s\n", path.c_str(), problem.c_str());
    return problem.empty();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_models FOLDER\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const std::vector<double> grid = frequencies();
    std::string facts = "{";
    bool ok = true;
    InsulatedSolver solver;
    for (const Case& c : cases()) {
        const FieldSolution solution = solver.solve(c.section);
        const RlgcModel model(c.section, solution, c.losses);
        if (!model.error().empty()) {
            std::fprintf(stderr, "%s: %s\n", c.name.c_str(), model.error().c_str());
            return 1;
        }
        const std::vector<std::string> about = lineDescription(c.section, model);
        const std::string base = folder + c.name;
        for (const PortOrder order : {PortOrder::Through, PortOrder::Sequential}) {
            NetworkRequest request;
            request.length = kLength;
            request.order = order;
            const NetworkSweep sweep = networkSweep(model, grid, request);
            if (!sweep.error.empty()) {
                std::fprintf(stderr, "%s: %s\n", c.name.c_str(), sweep.error.c_str());
                return 1;
            }
            std::vector<std::string> comments = about;
            for (const std::string& line : networkDescription(request, sweep))
                comments.push_back(line);
            const TouchstoneText single = touchstoneText(singleEndedNetwork(sweep, request, comments));
            ok &= write(base + (order == PortOrder::Through ? ".s4p" : "_seq.s4p"), single.error, single.text);
            if (order == PortOrder::Sequential)
                continue;
            const TouchstoneText dd = touchstoneText(differentialNetwork(sweep, request, comments));
            ok &= write(base + ".s2p", dd.error, dd.text);
            const TouchstoneText cc = touchstoneText(commonNetwork(sweep, request, comments));
            ok &= write(base + "_cc.s2p", cc.error, cc.text);
        }
        std::vector<RlgcRow> rows;
        for (double f : grid)
            rows.push_back(rlgcRow(model.at(f)));
        const TableText table = rlgcTable(rows, TableFormat::JsonLines, {});
        ok &= write(base + ".jsonl", table.error, table.text);
        const SpiceText spice = spiceSubcircuit(spiceLine(model.at(1e9), c.name, kLength, about));
        ok &= write(base + ".cir", spice.error, spice.text);

        const PairModes modes = pairModes(solution);
        if (modes.error.empty()) {
            JsonObject o;
            o.number("zdiff", modes.zDiff)
                .number("zcm", modes.zCommon)
                .number("delay_odd", modes.odd.delay)
                .number("delay_even", modes.even.delay)
                .number("length", kLength);
            facts += (facts.size() > 1 ? ",\"" : "\"") + c.name + "\":" + o.str();
        }
    }
    ok &= write(folder + "facts.json", "", facts + "}\n");
    return ok ? 0 : 1;
}
