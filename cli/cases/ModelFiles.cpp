#include "cases/ModelFiles.h"

#include "line/ModalLine.h"
#include "line/ModelDescription.h"

#include <cmath>
#include <utility>

namespace {

std::array<double, 3> upper(const Sym2& m)
{
    return {m.xx, m.xy, m.yy};
}

}  // namespace

TouchstoneNetwork singleEndedNetwork(const NetworkSweep& sweep, const NetworkRequest& request,
                                     std::vector<std::string> comments)
{
    TouchstoneNetwork n;
    n.ports = 4;
    n.reference = request.reference[0] == request.reference[1] ? request.reference[0] : NAN;
    n.comments = std::move(comments);
    for (const NetworkPoint& p : sweep.points) {
        n.frequencies.push_back(p.frequency);
        for (const auto& row : p.singleEnded)
            n.values.insert(n.values.end(), row.begin(), row.end());
    }
    return n;
}

TouchstoneNetwork differentialNetwork(const NetworkSweep& sweep, const NetworkRequest& request,
                                      std::vector<std::string> comments)
{
    TouchstoneNetwork n;
    n.ports = 2;
    n.reference = request.differentialReference;
    n.comments = std::move(comments);
    for (const NetworkPoint& p : sweep.points) {
        n.frequencies.push_back(p.frequency);
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j)
                n.values.push_back(p.mixedMode[i][j]);
    }
    return n;
}

TouchstonePaths touchstonePaths(std::string_view given)
{
    const std::string stem(given.ends_with(kFourPortExtension) ? given.substr(0, given.size() - kFourPortExtension.size())
                                                               : given);
    return {stem + std::string(kFourPortExtension), stem + ".s2p"};
}

RlgcRow rlgcRow(const Rlgc& x)
{
    return {x.frequency, upper(x.r), upper(x.l), upper(x.g), upper(x.c), {}};
}

SpiceLine spiceLine(const Rlgc& x, std::string name, double length, std::vector<std::string> comments)
{
    const ModalLine modes = modalLine(x);
    SpiceLine line;
    line.name = std::move(name);
    line.length = length;
    line.voltage = {{{modes.voltage.a, modes.voltage.b}, {modes.voltage.c, modes.voltage.d}}};
    for (int k = 0; k < 2; ++k)
        line.modes[k] = {modes.r[k], modes.l[k], modes.g[k], modes.c[k]};
    line.lossFrequency = x.frequency;
    line.comments = std::move(comments);
    line.comments.push_back(modalDescription(modes));
    return line;
}
