#pragma once

// Shared by the designer window's tests and the monkey: the figures the
// window shows against the solver's own calls for a pair.

#include <cmath>
#include <string>
#include <utility>

#include <QLabel>
#include <QString>
#include <QWidget>

#include "commands/PairDesign.h"
#include "field/InsulatedSolver.h"
#include "field/PairModes.h"
#include "line/ModeLoss.h"
#include "line/QuasiTem.h"
#include "line/Rlgc.h"

// The number a result label starts with, and how finely it is shown: half
// a unit of its last digit.
struct Shown {
    double value = NAN;
    double halfStep = 0;
};

inline Shown shownNumber(const QLabel& label)
{
    const QString token = label.text().section(QLatin1Char(' '), 0, 0);
    Shown shown;
    bool ok = false;
    shown.value = token.toDouble(&ok);
    if (!ok)
        return {};
    const QString mantissa = token.section(QLatin1Char('e'), 0, 0);
    const int exponent = token.contains(QLatin1Char('e')) ? token.section(QLatin1Char('e'), 1).toInt() : 0;
    const int point = static_cast<int>(mantissa.indexOf(QLatin1Char('.')));
    const int decimals = point < 0 ? 0 : static_cast<int>(mantissa.size()) - point - 1;
    shown.halfStep = 0.5 * std::pow(10.0, exponent - decimals);
    return shown;
}

inline QLabel* resultLabel(const QWidget& window, const char* name)
{
    return window.findChild<QLabel*>(QString::fromLatin1(name));
}

// Empty where the label named `name` shows `expected` to its digits; else
// what it shows.
inline QString valueMismatch(const QWidget& window, const char* name, double expected)
{
    const QLabel* label = resultLabel(window, name);
    if (label == nullptr)
        return QStringLiteral("no label %1").arg(name);
    const Shown shown = shownNumber(*label);
    if (std::fabs(shown.value - expected) <= shown.halfStep * (1 + 1e-9) + 1e-12 * std::fabs(expected))
        return {};
    return QStringLiteral("%1 shows \"%2\", the solver gives %3").arg(name, label->text()).arg(expected, 0, 'g', 12);
}

// Empty where every figure the window shows is the solver's for the pair, the
// loss where it holds and a dash where it does not; else the first that is not.
inline QString figureMismatch(const QWidget& window, const PairDesign& design, const LineLosses& losses,
                              double frequency)
{
    InsulatedSolver solver;
    const CrossSection section = crossSectionOf(design);
    const FieldSolution solution = solver.solve(section);
    if (solution.status != FieldStatus::Solved)
        return QStringLiteral("the solver refuses the pair: %1").arg(QString::fromStdString(solution.reason));
    const PairModes m = pairModes(solution);
    const std::pair<const char*, double> figures[] = {
        {"resultZe", m.even.z},
        {"resultZo", m.odd.z},
        {"resultZdiff", m.zDiff},
        {"resultZcm", m.zCommon},
        {"resultErrorBound", m.impedanceBound},
        {"resultEffectiveErEven", m.even.effectiveEr},
        {"resultEffectiveErOdd", m.odd.effectiveEr},
        {"resultVelocityFactorEven", m.even.velocityFactor},
        {"resultDelayOdd", m.odd.delay * 1e9},
        {"resultCEven", m.even.c * 1e12},
        {"resultC0Odd", m.odd.c0 * 1e12},
        {"resultSkew", m.skew * 1e12},
    };
    for (const auto& [name, value] : figures)
        if (QString why = valueMismatch(window, name, value); !why.isEmpty())
            return why;
    PairLoss loss;
    loss.error = "above the line's limit";
    if (frequency <= quasiTemLimit(section))
        loss = pairLoss(RlgcModel(section, solution, losses), frequency);
    const std::pair<const char*, double> losses_[] = {
        {"resultLossDiff", loss.differential.total},
        {"resultLossCm", loss.common.total},
        {"resultLossDiffConductor", loss.differential.conductor},
        {"resultLossCmDielectric", loss.common.dielectric},
    };
    for (const auto& [name, value] : losses_) {
        if (loss.error.empty()) {
            if (QString why = valueMismatch(window, name, value); !why.isEmpty())
                return why;
        } else if (const QLabel* label = resultLabel(window, name); label->text() != "—") {
            return QStringLiteral("%1 shows \"%2\" where the loss does not hold (%3)")
                .arg(name, label->text(), QString::fromStdString(loss.error));
        }
    }
    return {};
}
