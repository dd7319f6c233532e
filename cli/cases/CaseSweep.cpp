#include "cases/CaseSweep.h"

#include <algorithm>

#include "cases/AwgWire.h"
#include "cases/SweepValues.h"
#include "output/Quoted.h"

namespace {

// Every input's key, for a message on a name that is none of them.
std::string allKeys()
{
    std::string keys;
    for (std::size_t i = 0; i < kInputCount; ++i) {
        if (!keys.empty())
            keys += ", ";
        keys += inputInfo(static_cast<Input>(i)).key;
    }
    return keys;
}

const InputInfo* findInput(std::string_view key)
{
    for (std::size_t i = 0; i < kInputCount; ++i)
        if (const InputInfo& info = inputInfo(static_cast<Input>(i)); info.key == key)
            return &info;
    return nullptr;
}

}  // namespace

std::string readSweep(std::string_view text, SweptInput& sweep)
{
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos)
        return "not NAME=VALUES - write it as sd=0.1:0.9:0.05 or dd=3,4,6,8";
    const std::string_view key = text.substr(0, equals);
    const InputInfo* info = findInput(key);
    if (info == nullptr)
        return "no input is called " + inQuotes(key) + " - name one of " + allKeys();
    std::vector<double> values;
    const Input input = info->input;
    const auto read = [input](std::string_view value, double& number) { return readInput(input, value, number); };
    if (std::string problem = sweepValues(text.substr(equals + 1), read, values); !problem.empty())
        return problem;
    sweep = {input, std::move(values)};
    return {};
}

long double sweepCaseCount(const std::vector<SweptInput>& sweeps)
{
    long double count = 1;
    for (const SweptInput& sweep : sweeps)
        count *= static_cast<long double>(sweep.values.size());
    return count;
}

CaseInput withSweeps(CaseInput input, const std::vector<SweptInput>& sweeps)
{
    for (const SweptInput& sweep : sweeps)
        input.set(sweep.input, sweep.values.front());
    return input;
}

CaseInput sweptLayoutInput(CaseInput input, const std::vector<SweptInput>& sweeps)
{
    input = withSweeps(input, sweeps);
    for (const SweptInput& sweep : sweeps) {
        const auto stranded = std::ranges::find_if(sweep.values, [](double code) { return awgWireOf(code).stranded(); });
        if (sweep.input == Input::Awg && stranded != sweep.values.end())
            input.set(Input::Awg, *stranded);
    }
    return input;
}

void forEachSweptCase(const CaseInput& fixed, const std::vector<SweptInput>& sweeps,
                      const std::function<bool(const CaseInput&)>& each)
{
    std::vector<std::size_t> at(sweeps.size(), 0);
    CaseInput input = withSweeps(fixed, sweeps);
    while (each(input)) {
        // The next combination, as an odometer turns: the last sweep is the
        // fastest wheel, and a wheel that comes round turns the one before.
        std::size_t wheel = sweeps.size();
        for (; wheel > 0; --wheel) {
            const SweptInput& sweep = sweeps[wheel - 1];
            std::size_t& i = at[wheel - 1];
            i = (i + 1) % sweep.values.size();
            input.set(sweep.input, sweep.values[i]);
            if (i != 0)
                break;
        }
        if (wheel == 0)
            return;  // every wheel came round: that was the last combination
    }
}
