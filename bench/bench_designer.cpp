// The designer window driven offscreen, as a user drives it: a keystroke to
// its results on display, the impedance chart's 200 points, and how long a
// keystroke waits while the slowest solve in reach (a foil with a drain
// wire) runs. Run headless:
//   QT_QPA_PLATFORM=offscreen bench/duvane_bench_designer --benchmark_repetitions=5
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QtTest>

#include <benchmark/benchmark.h>

#include "designer/DesignWindow.h"
#include "designer/InputPanel.h"
#include "designer/ResultPanel.h"
#include "UserDialogs.h"

namespace {

// Nothing here may open a modal window.
class SilentDialogs final : public UserDialogs {
public:
    void showMessage(const QString&, QMessageBox::Icon) override {}
    bool askSaveFileName(QFileDialog&, QString&) override { return false; }
};

constexpr int kGiveUpMs = 120000;

// Runs the event loop until `done`; false when it took too long.
template <class Done>
bool waitFor(Done done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > kGiveUpMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    return true;
}

struct Shape {
    const char* sleeve;
    bool spacingTouch;
    bool shieldTouch;
    bool foil;
    const char* drain;
};

// 0.5 mm cores in 1.3 mm PE sleeves, 1.5 mm apart in a 3.2 mm shield (or
// as the shape says), its results and chart settled.
class Window {
public:
    explicit Window(const Shape& shape) : window_(dialogs_)
    {
        window_.show();
        auto set = [this](const char* name, const QString& text) {
            window_.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(text);
        };
        window_.findChild<QCheckBox*>(QStringLiteral("spacingTouch"))->setChecked(shape.spacingTouch);
        window_.findChild<QCheckBox*>(QStringLiteral("shieldTouch"))->setChecked(shape.shieldTouch);
        set("sleeveDiameter", QString::fromLatin1(shape.sleeve));
        if (!shape.spacingTouch)
            set("spacing", QStringLiteral("1.5"));
        if (!shape.shieldTouch)
            set("shieldDiameter", QStringLiteral("3.2"));
        if (shape.foil) {
            auto* kind = window_.findChild<QComboBox*>(QStringLiteral("shieldKind"));
            kind->setCurrentIndex(1);
            set("drainDiameter", QString::fromLatin1(shape.drain));
        }
        settle(!shape.foil);
    }

    DesignWindow& operator*() { return window_; }

    // The results of the inputs on display, and with `chartToo` the chart's
    // sweep done (under a foil it takes seconds and is left running).
    bool settle(bool chartToo)
    {
        return waitFor([this, chartToo] {
            return !window_.solving() && !(chartToo && window_.sweeping()) && window_.results()->isCurrent();
        });
    }

    QLineEdit* box(const char* name) { return window_.findChild<QLineEdit*>(QString::fromLatin1(name)); }

private:
    SilentDialogs dialogs_;
    DesignWindow window_;
};

// One keystroke into the sleeve's box (a digit typed, then taken back) until
// the results of the new text are on display. The chart's sweep of the new
// shape starts with it and shares the two cores; under a foil the sweep of
// the keystroke before may still run.
void keystrokeToResults(benchmark::State& state, const Shape& shape)
{
    Window window(shape);
    QLineEdit* box = window.box("sleeveDiameter");
    box->setFocus();
    box->end(false);
    bool typed = false;
    for (auto _ : state) {
        if (typed)
            QTest::keyClick(box, Qt::Key_Backspace);
        else
            QTest::keyClick(box, Qt::Key_2);
        typed = !typed;
        if (!waitFor([&] { return (*window).results()->isCurrent() && !(*window).solving(); })) {
            state.SkipWithError("no results");
            break;
        }
        state.PauseTiming();
        window.settle(!shape.foil);
        state.ResumeTiming();
    }
}

void BM_KeystrokeApart(benchmark::State& state)
{
    keystrokeToResults(state, {"1.3", false, false, false, "0"});
}
BENCHMARK(BM_KeystrokeApart)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(40);

void BM_KeystrokeTouching(benchmark::State& state)
{
    keystrokeToResults(state, {"1.3", true, true, false, "0"});
}
BENCHMARK(BM_KeystrokeTouching)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(40);

void BM_KeystrokeFoil(benchmark::State& state)
{
    keystrokeToResults(state, {"1.3", true, true, true, "0"});
}
BENCHMARK(BM_KeystrokeFoil)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

void BM_KeystrokeFoilWithDrain(benchmark::State& state)
{
    keystrokeToResults(state, {"1.3", true, true, true, "0.3"});
}
BENCHMARK(BM_KeystrokeFoilWithDrain)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The impedance chart's sweep of D over +-20 %, 200 points, from the change
// of its span to the last point drawn.
void BM_ChartOf200Points(benchmark::State& state)
{
    Window window({"1.3", false, false, false, "0"});
    auto* span = (*window).findChild<QDoubleSpinBox*>(QStringLiteral("chartSpan"));
    auto* dimension = (*window).findChild<QComboBox*>(QStringLiteral("chartDimension"));
    dimension->setCurrentIndex(dimension->findText(QStringLiteral("D")));
    window.settle(true);
    bool wide = false;
    for (auto _ : state) {
        bool done = false;
        const QMetaObject::Connection connection =
            QObject::connect(&*window, &DesignWindow::sweepDone, [&] { done = true; });
        span->setValue(wide ? 20 : 25);
        wide = !wide;
        const bool finished = waitFor([&] { return done; });
        QObject::disconnect(connection);
        if (!finished) {
            state.SkipWithError("the sweep did not finish");
            break;
        }
    }
}
BENCHMARK(BM_ChartOf200Points)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

// While a foil with a drain wire is solved (about a second), a keystroke
// into another box is taken and the inputs checked at once: the time from
// the key to its text in the box and the status line's answer.
void BM_KeystrokeDuringSlowSolve(benchmark::State& state)
{
    Window window({"1.3", true, true, true, "0.3"});
    QLineEdit* drain = window.box("drainDiameter");
    QLineEdit* frequency = window.box("frequency");
    int solvesCaught = 0;
    for (auto _ : state) {
        state.PauseTiming();
        window.settle(false);
        drain->setText(drain->text() == QStringLiteral("0.3") ? QStringLiteral("0.31") : QStringLiteral("0.3"));
        const bool slow = (*window).solving();
        state.ResumeTiming();
        QTest::keyClick(frequency, Qt::Key_Backspace);
        QCoreApplication::processEvents();
        state.PauseTiming();
        solvesCaught += slow && (*window).solving() ? 1 : 0;
        frequency->setText(QStringLiteral("1GHz"));
        state.ResumeTiming();
    }
    // Each key must have come while the slow solve still ran.
    if (solvesCaught != static_cast<int>(state.iterations()))
        state.SkipWithError("a key came after the slow solve ended");
}
BENCHMARK(BM_KeystrokeDuringSlowSolve)->Unit(benchmark::kMicrosecond)->UseRealTime()->Iterations(5);

}  // namespace
