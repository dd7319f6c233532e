// duvane-calc's argument parsing: the input is the argument list, arguments
// separated by NUL bytes. Either a problem is named, or the options are
// complete and within their documented ranges.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "cases/Inputs.h"
#include "cases/ModelFrequencies.h"
#include "commandline/Args.h"
#include "Require.h"

namespace {

std::vector<std::string> splitAtNul(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[i]);
    }
    return args;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Options options;
    if (!parseArgs(splitAtNul(data, size), options).empty() || options.action != Options::Action::Calculate)
        return 0;

    const SolveSettings defaults;
    require(std::ranges::find(kModes, options.mode) != kModes.end(), "the mode is one of the modes");
    require(options.decimals >= 1 && options.decimals <= 5, "the decimals lie from 1 to 5");
    require(std::isfinite(options.solve.width) && options.solve.width > 0, "the width is a positive number");
    require(options.solve.limit >= 1, "the limit is a positive count");
    require(options.mode == Mode::Shape || (options.solve.width == defaults.width &&
                                            options.solve.limit == defaults.limit && options.solve.traceFile.empty()),
            "impedance mode keeps the shape mode's settings at their defaults");
    require(!options.batch || options.solve.traceFile.empty(), "a batch writes no trace");
    const VariationSettings& variation = options.variation;
    require(variation.samples >= 1 && variation.samples <= kMaxSamples, "the samples lie from 1 to the most");
    for (const InputTolerance& t : variation.tolerances)
        require(std::isfinite(t.spread) && t.spread > 0 && isVariable(t.input), "a tolerance is a spread of an input that varies");
    require(options.mode == Mode::Tolerance || variation.tolerances.empty(), "only a tolerance run has tolerances");
    require(!(options.mode == Mode::Sensitivity || options.mode == Mode::Tolerance) ||
                (!options.batch && options.sweeps.empty()),
            "a varied cross-section is one case");
    const ModelSettings& model = options.model;
    if (options.mode == Mode::Model) {
        const std::vector<double>& hz = model.frequencyValues;
        require(!hz.empty() && hz.size() <= kMaxModelFrequencies, "a model has its frequencies, not too many");
        require(std::ranges::all_of(hz, [](double f) { return std::isfinite(f) && f >= 0; }),
                "a model's frequencies are finite, DC or above");
        require(std::ranges::adjacent_find(hz, std::greater_equal<>()) == hz.end(),
                "a model's frequencies increase, each once");
        require(!model.touchstone.empty() || !model.spice.empty() || model.rlgc, "a model writes something");
        require(std::isfinite(model.reference) && model.reference > 0, "the reference is a positive resistance");
    } else {
        require(model == ModelSettings{}, "the other modes keep the model's settings at their defaults");
    }
    for (std::size_t i = 0; i < kInputCount; ++i) {
        const Input input = static_cast<Input>(i);
        if (options.input.has(input))
            require(std::isfinite(options.input[input]), "every number given is finite");
    }
    return 0;
}
