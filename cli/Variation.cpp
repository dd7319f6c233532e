#include "Variation.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ostream>
#include <thread>

#include "cases/Sensitivity.h"
#include "cases/Tolerance.h"
#include "NumberText.h"
#include "output/Csv.h"
#include "output/Json.h"
#include "output/Unit.h"

namespace {

constexpr std::string_view kFigureKeys[kFigureCount] = {"zdiff", "zcm", "skew", "scd21"};
constexpr std::string_view kFigureLabels[kFigureCount] = {"dZdiff", "dZcm", "dSkew", "|dScd21|"};
// From SI per unit to what is written: ohm, ps/m, linear.
constexpr double kFigureScale[kFigureCount] = {1, 1, 1e12, 1};

ConversionAt conversionAt(const Options& options)
{
    ConversionAt at;
    const CaseInput& input = options.input;
    if (options.variation.scd21Max)
        at.frequency = options.variation.scd21Max->frequency;
    else if (input.has(Input::Frequency))
        at.frequency = input[Input::Frequency];
    if (input.has(Input::Length))
        at.length = input[Input::Length];
    return at;
}

std::string fixed(double value, int decimals)
{
    return formatFixed(value, decimals);
}

// What a derivative is per: a length's mm, otherwise one unit of the input.
std::string_view perUnit(Input input)
{
    return inputInfo(input).unit == Unit::Millimetre ? "mm" : "1";
}

}  // namespace

int runSensitivity(const Options& options, std::ostream& out, std::ostream& err)
{
    const ConversionAt at = conversionAt(options);
    const Sensitivity s = sensitivityOf(options.input, options.solve, at);
    if (!s.error.empty()) {
        err << "duvane-calc: " << s.error << '\n';
        return 1;
    }
    const std::size_t figures = s.nominal.hasConversion ? kFigureCount : kFigureCount - 1;
    const double nominal[kFigureCount] = {s.nominal.zDiff, s.nominal.zCommon, s.nominal.skew * 1e12,
                                          20 * std::log10(std::abs(s.nominal.scd21))};
    if (options.json) {
        JsonObject json;
        JsonObject centre;
        for (std::size_t k = 0; k < figures; ++k)
            centre.number(kFigureKeys[k], nominal[k]);
        json.object("nominal", centre).integer("solves", s.solves);
        for (const InputSensitivity& row : s.inputs) {
            JsonObject o;
            o.text("per", perUnit(row.input));
            for (std::size_t k = 0; k < figures; ++k)
                o.number(kFigureKeys[k], row.of[k].value * kFigureScale[k]);
            for (std::size_t k = 0; k < figures; ++k)
                o.number(std::string(kFigureKeys[k]) + "_error", row.of[k].error * kFigureScale[k]);
            json.object(inputInfo(row.input).key, o);
        }
        out << json.str() << '\n';
        return 0;
    }
    out << "Zdiff " << fixed(nominal[0], options.decimals) << " ohm, Zcm " << fixed(nominal[1], options.decimals)
        << " ohm, skew " << fixed(nominal[2], options.decimals) << " ps/m";
    if (s.nominal.hasConversion)
        out << ", Scd21 " << fixed(nominal[3], options.decimals) << " dB";
    out << " (" << s.solves << " field solutions)\n\n";
    std::vector<InputSensitivity> ranked = s.inputs;
    std::ranges::stable_sort(ranked, [](const InputSensitivity& a, const InputSensitivity& b) {
        return std::fabs(a.of[0].value) > std::fabs(b.of[0].value);
    });
    out << "Input            per    dZdiff (ohm)     dZcm (ohm)       dSkew (ps/m)";
    if (s.nominal.hasConversion)
        out << "     |dScd21|";
    out << '\n';
    for (const InputSensitivity& row : ranked) {
        // The longest key, sleeve_offset_x, and a space.
        std::string line(inputInfo(row.input).key);
        line.resize(17, ' ');
        std::string per(perUnit(row.input));
        per.resize(7, ' ');
        line += per;
        for (std::size_t k = 0; k < figures; ++k) {
            const bool signedFigure = k < kFigureCount - 1 && row.of[k].value >= 0;
            std::string cell = std::string(signedFigure ? "+" : "") + fixed(row.of[k].value * kFigureScale[k], options.decimals);
            cell.resize(17, ' ');
            line += cell;
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out << line << '\n';
    }
    out << "\nEach per unit of the input (mm for a length), ranked by dZdiff. Largest estimated error in each "
           "column:";
    for (std::size_t k = 0; k < figures; ++k) {
        double error = 0;
        for (const InputSensitivity& row : s.inputs)
            error = std::max(error, row.of[k].error * kFigureScale[k]);
        out << (k == 0 ? " " : ", ") << kFigureLabels[k] << ' ' << formatSignificant(error, 2);
    }
    out << '\n';
    return 0;
}

int runTolerance(const Options& options, bool progress, std::ostream& out, std::ostream& err)
{
    const VariationSettings& v = options.variation;
    const ConversionAt at = conversionAt(options);
    const int threads =
        v.threads > 0 ? v.threads : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    const auto start = std::chrono::steady_clock::now();
    bool drawn = false;
    const auto bar = [&](long long done) {
        if (!progress)
            return;
        if (std::chrono::steady_clock::now() - start < std::chrono::seconds(1) && done < v.samples)
            return;
        constexpr int kWidth = 40;
        const auto filled = static_cast<int>(kWidth * done / v.samples);
        err << '\r' << '[' << std::string(static_cast<std::size_t>(filled), '#')
            << std::string(static_cast<std::size_t>(kWidth - filled), ' ') << "] " << done << '/' << v.samples
            << std::flush;
        drawn = true;
    };
    const ToleranceRun run = toleranceRun(options.input, options.solve, v, at, threads, progress ? bar : std::function<void(long long)>{});
    if (drawn)
        err << '\n';
    if (!run.error.empty()) {
        err << "duvane-calc: " << run.error << '\n';
        return 1;
    }
    const std::size_t results = run.hasConversion ? kResultCount : kResultCount - 1;
    if (options.csv) {
        std::string header = "sample";
        // Named as a case's CSV names its columns: the key, then its unit.
        for (const InputTolerance& t : v.tolerances) {
            const InputInfo& info = inputInfo(t.input);
            header.append(",").append(info.key);
            if (const std::string unit = unitSymbol(info.unit); !unit.empty())
                header.append("_").append(unit);
        }
        for (std::size_t r = 0; r < results; ++r) {
            const ResultInfo& info = resultInfo(static_cast<Result>(r));
            std::string unit(info.unit);
            std::ranges::replace(unit, '/', '_');
            header.append(",").append(info.key).append("_").append(unit == "ps_m" ? "ps_per_m" : unit);
        }
        out << header << ",passes,error\n";
        for (std::size_t i = 0; i < run.samples.size(); ++i) {
            const Sample& s = run.samples[i];
            std::string row = std::to_string(i);
            for (const double value : s.inputs)
                row.append(",").append(formatShortest(value));
            for (std::size_t r = 0; r < results; ++r)
                row.append(",").append(s.error.empty() ? formatShortest(s.results[r]) : "");
            row.append(s.passes ? ",1," : ",0,").append(csvField(s.error));
            out << row << '\n';
        }
        return 0;
    }
    if (options.json) {
        JsonObject json;
        json.integer("samples", v.samples).integer("solved", run.solved).number("yield", run.yield);
        json.number("yield_low", run.yieldLow).number("yield_high", run.yieldHigh);
        for (std::size_t r = 0; r < results; ++r) {
            const Statistics& st = run.statistics[r];
            JsonObject o;
            o.number("mean", st.mean).number("sd", st.sd).number("p1", st.p1).number("p50", st.p50).number("p99", st.p99);
            json.object(resultInfo(static_cast<Result>(r)).key, o);
        }
        out << json.str() << '\n';
        return 0;
    }
    const int d = options.decimals;
    out << "Samples " << v.samples << " (" << run.solved << " solved), seed " << v.seed << "\n";
    const auto refused = std::ranges::find_if(run.samples, [](const Sample& x) { return !x.error.empty(); });
    if (refused != run.samples.end())
        out << v.samples - run.solved << " drawn cables could not be built and fail the limits, the first: "
            << refused->error << '\n';
    out << '\n';
    out << "Result            unit      mean         sd           p1           p50          p99\n";
    for (std::size_t r = 0; r < results; ++r) {
        const ResultInfo& info = resultInfo(static_cast<Result>(r));
        const Statistics& st = run.statistics[r];
        std::string line(info.label);
        line.resize(18, ' ');
        std::string unit(info.unit);
        unit.resize(10, ' ');
        line += unit;
        for (const double value : {st.mean, st.sd, st.p1, st.p50, st.p99}) {
            std::string cell = fixed(value, d);
            cell.resize(13, ' ');
            line += cell;
        }
        while (line.back() == ' ')
            line.pop_back();
        out << line << '\n';
    }
    out << "\nYield " << fixed(100 * run.yield, 1) << " % (95 % interval " << fixed(100 * run.yieldLow, 1) << " to "
        << fixed(100 * run.yieldHigh, 1) << " %)\n";
    return 0;
}
