#include "cases/AsymmetricResults.h"

#include <algorithm>
#include <cmath>

#include "cases/CaseSection.h"
#include "cases/DcResistance.h"
#include "cases/Dimensions.h"
#include "cases/Loss.h"
#include "line/AsymmetricPair.h"
#include "line/ModeConversion.h"
#include "line/ModeLoss.h"
#include "NumberText.h"

namespace {

// What a solved asymmetric case has to list; `loss` and `conversion` only with --freq.
struct AsymmetricOutcome {
    AsymmetricPair pair;
    const PairLoss* loss = nullptr;
    const ModeConversion* conversion = nullptr;
};

constexpr double kPico = 1e12, kNano = 1e9, kMillimetresPerMetre = 1e3;
constexpr Group kPerLength = Group::PerLength;

double alike(const Sym2& x)
{
    return (x.xx + 2 * x.xy + x.yy) / 2;
}

double opposed(const Sym2& x)
{
    return (x.xx - 2 * x.xy + x.yy) / 2;
}

double decibels(double magnitude)
{
    return 20 * std::log10(magnitude);
}

void addShape(const CaseInput& input, const CrossSection& section, std::vector<Quantity>& results)
{
    const auto& [a, b] = section.cores;
    const double shield = std::get<RoundShield>(section.shield).diameter;
    const double spacing = std::hypot(a.x - b.x, a.y - b.y);
    if (byDimensions(input))
        results.insert(results.end(), {{"sd", "S/D", spacing / shield, Unit::None, Group::Shape},
                                       {"dd", "D/d", shield / a.diameter, Unit::None, Group::Shape}});
    else
        results.insert(results.end(),
                       {{"D", "D", shield * kMillimetresPerMetre, Unit::Millimetre, Group::Shape},
                        {"S", "S", spacing * kMillimetresPerMetre, Unit::Millimetre, Group::Shape}});
}

void addFigures(const AsymmetricOutcome& o, std::vector<Quantity>& results)
{
    const AsymmetricFigures& f = o.pair.figures;
    const AsymmetricFigures& b = o.pair.bounds;
    // Relative: Zdc's against Zcm, the skews' against the faster mode's delay.
    const double impedanceBound =
        f.zDiff > 0 ? std::max({b.zDiff / f.zDiff, b.zCommon / f.zCommon, b.zDc / f.zCommon}) : 0;
    const double fastest = std::min(f.modes[0].delay, f.modes[1].delay);
    const double delayBound =
        fastest > 0 ? std::max({b.modes[0].delay / f.modes[0].delay, b.modes[1].delay / f.modes[1].delay,
                                b.skewModal / fastest, b.skewIntra / fastest})
                    : 0;
    const LineMode& common = f.modes[0];
    const LineMode& differential = f.modes[1];
    results.insert(results.end(),
                   {{"ze", "Ze", 2 * f.zCommon, Unit::Ohm},
                    {"zo", "Zo", f.zDiff / 2, Unit::Ohm},
                    {"zdiff", "Zdiff", f.zDiff, Unit::Ohm},
                    {"zcm", "Zcm", f.zCommon, Unit::Ohm},
                    {"zdc", "Zdc", f.zDc, Unit::Ohm},
                    {"error_bound", "Error bound", impedanceBound, Unit::RelativeError},
                    // A cable's per-core figures of the pair driven alike (1, 1)
                    // and in opposition (1, -1): V'XV / 2, which for a
                    // symmetric pair are its even and odd modes'.
                    {"c_even", "C even", alike(f.c) * kPico, Unit::PicofaradPerLength, kPerLength},
                    {"c_odd", "C odd", opposed(f.c) * kPico, Unit::PicofaradPerLength, kPerLength},
                    {"c0_even", "C0 even", alike(f.c0) * kPico, Unit::PicofaradPerLength, kPerLength},
                    {"c0_odd", "C0 odd", opposed(f.c0) * kPico, Unit::PicofaradPerLength, kPerLength},
                    {"l_even", "L even", alike(f.l) * kNano, Unit::NanohenryPerLength, kPerLength},
                    {"l_odd", "L odd", opposed(f.l) * kNano, Unit::NanohenryPerLength, kPerLength},
                    {"eps_eff_even", "Er eff even", common.effectiveEr, Unit::None, kPerLength},
                    {"eps_eff_odd", "Er eff odd", differential.effectiveEr, Unit::None, kPerLength},
                    {"vf_even", "VF even", 1 / std::sqrt(common.effectiveEr), Unit::None, kPerLength},
                    {"vf_odd", "VF odd", 1 / std::sqrt(differential.effectiveEr), Unit::None, kPerLength},
                    {"delay_even", "Delay even", common.delay * kNano, Unit::NanosecondPerLength, kPerLength},
                    {"delay_odd", "Delay odd", differential.delay * kNano, Unit::NanosecondPerLength, kPerLength},
                    {"skew", "Skew", f.skewModal * kPico, Unit::PicosecondPerLength, kPerLength},
                    {"c11", "C11", f.c.xx * kPico, Unit::PicofaradPerLength, kPerLength},
                    {"c12", "C12", f.c.xy * kPico, Unit::PicofaradPerLength, kPerLength},
                    {"l11", "L11", f.l.xx * kNano, Unit::NanohenryPerLength, kPerLength},
                    {"l12", "L12", f.l.xy * kNano, Unit::NanohenryPerLength, kPerLength},
                    {"c22", "C22", f.c.yy * kPico, Unit::PicofaradPerLength, kPerLength},
                    {"l22", "L22", f.l.yy * kNano, Unit::NanohenryPerLength, kPerLength},
                    {"skew_intra", "Skew intra-pair", f.skewIntra * kPico, Unit::PicosecondPerLength, kPerLength},
                    {"mode_even_v2", "Mode even V2/V1", common.voltage[1] / common.voltage[0], Unit::None, kPerLength},
                    {"mode_odd_v2", "Mode odd V2/V1", differential.voltage[1] / differential.voltage[0], Unit::None,
                     kPerLength},
                    {"delay_bound", "Delay bound", delayBound, Unit::RelativeError, kPerLength}});
    if (o.loss != nullptr && o.conversion != nullptr) {
        const ModeConversion& m = *o.conversion;
        results.insert(results.end(),
                       {{"alpha_diff", "Loss diff", m.attenuation[1], Unit::DecibelPerLength, kPerLength},
                        {"alpha_cm", "Loss cm", m.attenuation[0], Unit::DecibelPerLength, kPerLength},
                        {"skin_depth", "Skin depth", o.loss->skinDepth * 1e6, Unit::Micrometre, kPerLength},
                        {"sdd21", "Sdd21", decibels(m.sdd21), Unit::Decibel, Group::Found},
                        {"scc21", "Scc21", decibels(m.scc21), Unit::Decibel, Group::Found},
                        {"scd21", "Scd21", decibels(m.scd21), Unit::Decibel, Group::Found},
                        {"sdc21", "Sdc21", decibels(m.sdc21), Unit::Decibel, Group::Found},
                        {"s_error", "S error", m.errorEstimate, Unit::RelativeError, Group::Found}});
    }
}

// A conversion under its own error estimate says only that it is that small.
void noteResolution(const ModeConversion& m, bool english, Report& report)
{
    const double smallest = std::min(m.scd21, m.sdc21);
    if (smallest > m.errorEstimate)
        return;
    const std::string level = formatSignificant(decibels(m.errorEstimate), 3) + " dB";
    report.warnings.push_back(
        {english ? "the mode conversion is below its error estimate: Scd21 and Sdc21 are under " + level
                 : "モード変換は誤差の見積り以下です：Scd21 と Sdc21 は " + level + " 未満です",
         false});
}

}  // namespace

void runAsymmetric(const CaseInput& input, const SolveSettings& settings, InsulatedSolver& field, Report& report)
{
    const CaseSection cs = caseSection(input, settings);
    if (std::string problem = sectionProblem(cs.section); !problem.empty()) {
        report.error = std::move(problem);
        return;
    }
    const FieldSolution solution = field.solve(cs.section, {.generalPath = true});
    if (solution.status != FieldStatus::Solved) {
        report.error = solution.reason;
        return;
    }
    AsymmetricOutcome outcome{.pair = asymmetricPair(solution)};
    PairLoss loss;
    ModeConversion conversion;
    if (input.has(Input::Frequency)) {
        const double length = input.has(Input::Length) ? input[Input::Length] : kDefaultLineLength;
        loss = lossOf(cs.section, solution, cs.losses, input);
        if (loss.error.empty())
            conversion = modeConversion(cs.section, solution, cs.losses, input[Input::Frequency], length);
        report.error = loss.error.empty() ? conversion.error : loss.error;
        if (report.error.empty()) {
            outcome.loss = &loss;
            outcome.conversion = &conversion;
        }
    }
    addShape(input, cs.section, report.results);
    addFigures(outcome, report.results);
    addDcResistance(input, nullptr, {}, report.results);
    if (outcome.conversion != nullptr) {
        // The dB of an exact zero: the conversion is at most its error.
        for (Quantity& q : report.results)
            if (const double* v = std::get_if<double>(&q.value); v != nullptr && std::isinf(*v))
                q.value = decibels(conversion.errorEstimate);
        noteResolution(conversion, settings.english, report);
    }
}

void asymmetricLayout(const CaseInput& prototype, std::vector<Quantity>& results)
{
    CrossSection any;
    any.shield = RoundShield{1};
    any.cores[0].diameter = 1;
    addShape(prototype, any, results);
    const PairLoss loss;
    const ModeConversion conversion;
    addFigures({.pair = {}, .loss = prototype.has(Input::Frequency) ? &loss : nullptr,
                .conversion = prototype.has(Input::Frequency) ? &conversion : nullptr},
               results);
    addDcResistance(prototype, nullptr, {}, results);
}
