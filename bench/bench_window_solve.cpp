// A long shape solve in the window against the same solve without it: the
// window writes every count into its status line and repaints now and then,
// and should cost little beyond the solver's own time. Run headless:
//   QT_QPA_PLATFORM=offscreen bench/duvane_bench_window_solve --benchmark_repetitions=3
#include <string>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include "Coaxmain.h"
#include "fivecharge/Qol_math2.h"
#include "Forms.h"
#include "Setting2.h"
#include "UserDialogs.h"

namespace {

// 226,703 trial steps to converge at the largest limit.
constexpr double kZe = 398.859, kZo = 56.217, kEr = 9.22;
constexpr int kLimit = 2'000'000'000;
constexpr int kWidthIndex = 3;  // 0.001 ohm

// Nothing here may open a modal window.
class SilentDialogs final : public UserDialogs {
public:
    void showMessage(const QString&, QMessageBox::Icon) override {}
    bool askSaveFileName(QFileDialog&, QString&) override { return false; }
};

// What duvane-calc does: keep the last progress text.
struct LastStatus final : StatusLabel {
    void setCaption(const std::string& caption) override { text = caption; }
    std::string text;
};

void BM_SolverAlone(benchmark::State& state)
{
    LastStatus status;
    TQol_COAXMath2 calc(nullptr, &status, 0);
    for (auto _ : state) {
        calc.mZe = kZe;
        calc.mZo = kZo;
        calc.mEr = kEr;
        calc.mCountLimit = kLimit;
        calc.mConvWidth = 0.001;
        calc.zCalcSDDd();
        benchmark::DoNotOptimize(calc.mShapeSD);
    }
    state.counters["count"] = static_cast<double>(calc.mCount);
}
BENCHMARK(BM_SolverAlone)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_InTheWindow(benchmark::State& state)
{
    SilentDialogs dialogs;
    createForms(dialogs);
    FormMain->show();
    FormMain->Shape1->trigger();
    FormMain->Edit3->setText(QString::number(kEr));
    FormMain->Edit4->setText(QString::number(kZe));
    FormMain->Edit5->setText(QString::number(kZo));
    FormSetting2->mIterLimit = kLimit;
    FormSetting2->mConvWidthIndex = kWidthIndex;
    QApplication::processEvents();
    for (auto _ : state)
        FormMain->CalcBtn->click();
    if (FormMain->Edit1->text() == "---")
        state.SkipWithError("the solve failed");
    destroyForms();
}
BENCHMARK(BM_InTheWindow)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
