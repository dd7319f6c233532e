// Writes the lossless lines the oracle checks need and duvane-calc cannot
// be asked for (its conductors are metals, --sigma from 1e5 S/m), through
// model mode's own export:
//   write_models FOLDER
// Each case gives FOLDER/<case>.s4p and .s2p (through numbering),
// <case>_seq.s4p and .s2p (sequential) and <case>.cir (1 m, named <case>);
// facts.json gives what the checks compare against: the modes' impedances
// and delays. The lossy lines are written by duvane-calc itself
// (write_program_models.py).

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "cases/ModelExport.h"
#include "field/InsulatedSolver.h"
#include "field/PairModes.h"
#include "line/Rlgc.h"
#include "output/Json.h"
#include "output/WholeFile.h"

namespace {

constexpr double kLength = 1;  // m

struct Case {
    std::string name;
    CrossSection section;
};

Core core(double x, double y, double d, double sleeve, double er)
{
    return {x, y, d, sleeve, 0, 0, er};
}

std::vector<Case> cases()
{
    CrossSection homogeneous;
    homogeneous.cores = {core(0.7e-3, 0, 0.51e-3, 0.51e-3, 1), core(-0.7e-3, 0, 0.51e-3, 0.51e-3, 1)};
    homogeneous.shield = RoundShield{4.2e-3};
    homogeneous.fillerEr = 2.1;
    CrossSection insulated;  // PTFE sleeves touching, in air
    insulated.cores = {core(0.7e-3, 0, 0.51e-3, 1.4e-3, 2.1), core(-0.7e-3, 0, 0.51e-3, 1.4e-3, 2.1)};
    insulated.shield = RoundShield{3.6e-3};
    CrossSection unequal;
    unequal.cores = {core(0.8e-3, 0.1e-3, 0.51e-3, 1.2e-3, 2.1), core(-0.65e-3, -0.05e-3, 0.4e-3, 1.0e-3, 3.0)};
    unequal.shield = RoundShield{4.2e-3};
    return {{"homogeneous_lossless", homogeneous}, {"insulated_lossless", insulated}, {"unequal_lossless", unequal}};
}

// DC, then twenty a decade from 10 kHz to 20 GHz, as --freq 0,10kHz:20GHz/20.
std::vector<double> frequencies()
{
    std::vector<double> f{0};
    for (int i = -40; i <= 86; ++i)
        f.push_back(std::pow(10.0, 6 + i / 20.0));
    return f;
}

bool written(const std::string& what, const std::string& problem)
{
    if (!problem.empty())
        std::fprintf(stderr, "%s: %s\n", what.c_str(), problem.c_str());
    return problem.empty();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_models FOLDER\n");
        return 2;
    }
    std::error_code made;
    std::filesystem::create_directories(argv[1], made);
    const std::string folder = std::string(argv[1]) + "/";
    std::string facts = "{";
    bool ok = true;
    InsulatedSolver solver;
    LineLosses lossless;
    lossless.conductivity = std::numeric_limits<double>::infinity();
    for (const Case& c : cases()) {
        const FieldSolution solution = solver.solve(c.section);
        const RlgcModel model(c.section, solution, lossless);
        if (!written(c.name, model.error()))
            return 1;
        for (const PortOrder order : {PortOrder::Through, PortOrder::Sequential}) {
            ModelSettings settings;
            settings.frequencyValues = frequencies();
            settings.ports = order;
            settings.touchstone = folder + c.name + (order == PortOrder::Through ? "" : "_seq");
            if (order == PortOrder::Through) {
                settings.spice = folder + c.name + ".cir";
                settings.name = c.name;
                settings.at = 1e9;
            }
            const ModelExport made = modelExport(c.section, model, settings, kLength, TableFormat::Text);
            if (!written(c.name, made.error))
                return 1;
            for (const auto& [path, text] : made.files)
                ok &= written(path, writeWholeFile(path, text));
        }
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
    ok &= written("facts.json", writeWholeFile(folder + "facts.json", facts + "}\n"));
    return ok ? 0 : 1;
}
