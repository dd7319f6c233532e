#include "designer/Named.h"
#include "designer/DesignWindow.h"

#include <chrono>
#include <cmath>

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "commands/DesignSolve.h"
#include "designer/CaseCsv.h"
#include "designer/ChartPanel.h"
#include "designer/CrossSectionView.h"
#include "designer/DesignPanel.h"
#include "designer/ImpedanceChart.h"
#include "designer/ImpedanceSweep.h"
#include "designer/InputPanel.h"
#include "designer/LatestJob.h"
#include "designer/LossChart.h"
#include "designer/PairFigures.h"
#include "designer/ResultPanel.h"
#include "Fonts.h"
#include "NumberText.h"
#include "SolverTexts.h"
#include "UserDialogs.h"

namespace {

// Fits a 1366 x 768 screen with its title bar and a panel.
constexpr QSize kDefaultSize(1340, 700);
// A sweep's partial curve is drawn at most this often.
constexpr std::chrono::milliseconds kSweepRedraw(60);

QString tr(const char* text)
{
    return QCoreApplication::translate("DesignWindow", text);
}

// The design solve's refusals the window can meet, in its language; others
// as the solver says them.
QString designProblem(const std::string& error)
{
    if (error == kNoDesignInReachText)
        return tr("その寸法の範囲では計算できる形がありません");
    if (error == kTargetsOutOfReachText)
        return tr("2 つの目標を同時に満たす寸法がありません: 目標か求める寸法を変えてください");
    return QString::fromStdString(error);
}

QGroupBox* grouped(const char* name, const QString& title, QWidget* content)
{
    auto* group = named(new QGroupBox(title), QString::fromLatin1(name));
    (new QVBoxLayout(group))->addWidget(content);
    return group;
}

QPushButton* button(const char* name, const QString& text)
{
    auto* made = new QPushButton(text);
    made->setObjectName(QString::fromLatin1(name));
    return made;
}

}  // namespace

DesignWindow::DesignWindow(UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window),
      dialogs_(dialogs),
      inputs_(new InputPanel),
      results_(new ResultPanel),
      drawing_(new CrossSectionView),
      designPanel_(new DesignPanel),
      charts_(new ChartPanel),
      status_(new QLabel),
      saveDialog_(new QFileDialog(this)),
      figureSolver_(std::make_shared<FigureSolver>()),
      designSolver_(std::make_shared<InsulatedSolver>()),
      sweepSolver_(std::make_shared<InsulatedSolver>()),
      figureJob_(new LatestJob(this)),
      designJob_(new LatestJob(this)),
      sweepJob_(new LatestJob(this)),
      copyJob_(new LatestJob(this))
{
    setObjectName(QStringLiteral("designWindow"));
    setWindowTitle(tr("設計 - 二心シールド線"));
    setFont(windowFontOf(kFontPGothic));

    auto* inputColumn = new QVBoxLayout;
    inputColumn->addWidget(grouped("inputGroup", tr("入力"), inputs_));
    inputColumn->addWidget(designPanel_);
    inputColumn->addStretch(1);

    QPushButton* copyText = button("copyTextButton", tr("結果をコピー"));
    QPushButton* copyCsv = button("copyCsvButton", tr("CSV でコピー"));
    copyCsv->setToolTip(tr("duvane-calc impedance --csv と同じ列"));
    auto* copies = new QHBoxLayout;
    copies->addWidget(copyText);
    copies->addWidget(copyCsv);
    auto* resultColumn = new QVBoxLayout;
    resultColumn->addWidget(grouped("resultGroup", tr("計算結果"), results_));
    resultColumn->addLayout(copies);

    auto* pictureColumn = new QVBoxLayout;
    pictureColumn->addWidget(grouped("drawingGroup", tr("断面"), drawing_), 2);
    pictureColumn->addWidget(charts_, 3);

    auto* columns = new QHBoxLayout;
    columns->addLayout(inputColumn);
    columns->addLayout(resultColumn);
    columns->addLayout(pictureColumn, 1);
    status_->setObjectName(QStringLiteral("designStatus"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(columns, 1);
    outer->addWidget(status_);

    saveDialog_->setObjectName(QStringLiteral("saveChartDialog"));
    saveDialog_->setAcceptMode(QFileDialog::AcceptSave);
    saveDialog_->setNameFilter(tr("PNG 画像 (*.png)"));
    saveDialog_->setDefaultSuffix(QStringLiteral("png"));

    resize(kDefaultSize);
    if (const QScreen* desk = screen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), desk->availableGeometry()));

    connect(inputs_, &InputPanel::changed, this, &DesignWindow::inputsChanged);
    connect(designPanel_, &DesignPanel::solveAsked, this, &DesignWindow::askDesign);
    connect(designPanel_, &DesignPanel::targetsEdited, this, &DesignWindow::showTargets);
    connect(charts_, &ChartPanel::sweepChanged, this, &DesignWindow::runSweep);
    connect(charts_, &ChartPanel::toleranceChanged, this, &DesignWindow::showTargets);
    connect(charts_, &ChartPanel::saveAsked, this, &DesignWindow::saveChart);
    connect(copyText, &QPushButton::clicked, this, &DesignWindow::copyText);
    connect(copyCsv, &QPushButton::clicked, this, &DesignWindow::copyCsv);
    inputsChanged();
    showTargets();
}

DesignWindow::~DesignWindow() = default;

bool DesignWindow::solving() const
{
    return figureJob_->busy() || designJob_->busy();
}

bool DesignWindow::sweeping() const
{
    return sweepJob_->busy();
}

bool DesignWindow::busy() const
{
    return solving() || sweeping() || copyJob_->busy();
}

void DesignWindow::inputsChanged()
{
    results_->setCurrent(false);
    // A design asked of other inputs no longer applies.
    if (!fillingDesign_) {
        designJob_->cancel();
        designNote_.clear();
    }
    auto checked = checkEntries(inputs_->entries());
    if (const auto* problem = std::get_if<EntryProblem>(&checked)) {
        case_.reset();
        inputProblem_ = problem->message;
        figureJob_->cancel();
        sweepJob_->cancel();
        drawing_->setCurrent(false);
        charts_->impedanceChart()->clear(tr("入力を直してください"));
        charts_->lossChart()->clear(tr("入力を直してください"));
        inputs_->markProblem(&problem->entry, problem->message);
        setStatus(problem->message);
        return;
    }
    case_ = std::get<DesignCase>(std::move(checked));
    inputs_->markProblem(nullptr);
    inputs_->showResolved(case_->design);
    drawing_->setDesign(case_->design);
    setStatus(tr("計算中…"));
    figureJob_->run([this, solver = figureSolver_, pair = *case_](const JobContext& context) {
        PairFigures figures = solver->solve(pair);
        context.deliver([this, figures = std::move(figures)] { showFigures(figures); });
    });
    runSweep();
}

void DesignWindow::showFigures(const PairFigures& figures)
{
    if (!figures.solved()) {
        const std::string& why = figures.solution.reason.empty() ? figures.modes.error : figures.solution.reason;
        setStatus(tr("計算できません: %1").arg(QString::fromStdString(why)));
        charts_->lossChart()->clear(QString());
        return;
    }
    results_->show(figures);
    results_->setCurrent(true);
    charts_->lossChart()->setCurve(figures.lossCurve, case_->frequency);
    // Milliseconds as long as they read well; a slow shape's in seconds.
    const QString time = figures.seconds < 1
                             ? tr("計算時間 %1 ms").arg(QString::fromStdString(formatSignificant(figures.seconds * 1e3, 2)))
                             : tr("計算時間 %1 s").arg(QString::fromStdString(formatSignificant(figures.seconds, 2)));
    setStatus(designNote_.isEmpty() ? time : designNote_ + QStringLiteral("  ") + time);
    emit resultsShown();
}

void DesignWindow::runSweep()
{
    ImpedanceChart* chart = charts_->impedanceChart();
    if (!case_) {
        sweepJob_->cancel();
        return;
    }
    const DesignDimension dimension = charts_->dimension();
    const std::optional<SweepPlan> plan = sweepPlan(case_->design, dimension, charts_->span());
    if (!plan) {
        sweepJob_->cancel();
        const QString reason = fixedDimensionReason(case_->design, dimension);
        chart->clear(reason.isEmpty() ? tr("%1 を動かす余地がありません").arg(dimensionName(dimension)) : reason);
        return;
    }
    PairDesign present = case_->design;
    const double value = dimensionOf(present, dimension);
    chart->clear(tr("計算中…"));
    sweepJob_->run([this, solver = sweepSolver_, design = case_->design, plan = *plan, value](const JobContext& context) {
        auto last = std::chrono::steady_clock::now() - kSweepRedraw;
        ::runSweep(*solver, design, plan, [&](const std::vector<SweepPoint>& solved) {
            const bool complete = solved.size() == static_cast<std::size_t>(plan.points);
            if (complete || std::chrono::steady_clock::now() - last >= kSweepRedraw) {
                last = std::chrono::steady_clock::now();
                context.deliver([this, plan, solved, value, complete] {
                    charts_->impedanceChart()->setSweep(plan, solved, value);
                    if (complete)
                        emit sweepDone();
                });
            }
            return !context.superseded();
        });
    });
}

void DesignWindow::showTargets()
{
    charts_->impedanceChart()->setTargets(designPanel_->target(DesignTarget::Zdiff),
                                          designPanel_->target(DesignTarget::Zcm), charts_->tolerance());
}

void DesignWindow::askDesign()
{
    if (!case_) {
        setStatus(tr("設計できません: %1").arg(inputProblem_));
        return;
    }
    auto asked = designPanel_->question(case_->design);
    if (const auto* problem = std::get_if<QString>(&asked)) {
        setStatus(*problem);
        return;
    }
    const DesignQuestion question = std::get<DesignQuestion>(std::move(asked));
    setStatus(tr("設計中…"));
    designJob_->run([this, solver = designSolver_, start = case_->design, question](const JobContext& context) {
        const DesignResult found = solveDesign(*solver, start, question.free, question.targets);
        context.deliver([this, question, found] { showDesign(question, found); });
    });
}

void DesignWindow::showDesign(const DesignQuestion& question, const DesignResult& found)
{
    const auto ohms = [](double value) { return QString::fromStdString(formatFixed(value, 3)); };
    const auto targetName = [](DesignTarget target) {
        return target == DesignTarget::Zcm ? QStringLiteral("Zcm") : QStringLiteral("Zdiff");
    };
    if (!found.error.empty()) {
        const bool range = question.free.size() == 1 && std::isfinite(found.reachableLow) &&
                           std::isfinite(found.reachableHigh) && found.reachableHigh > 0;
        setStatus(range ? tr("%1 = %2 Ω には届きません: %3 を動かして得られるのは %4 〜 %5 Ω です")
                              .arg(targetName(question.targets[0].kind), ohms(question.targets[0].ohms),
                                   dimensionName(question.free[0]), ohms(found.reachableLow), ohms(found.reachableHigh))
                        : tr("設計できません: %1").arg(designProblem(found.error)));
        return;
    }
    QStringList dimensions, targets;
    PairDesign design = found.design;
    fillingDesign_ = true;
    for (const DesignDimension dimension : question.free) {
        const double value = dimensionOf(design, dimension);
        inputs_->setLength(entryOf(dimension), value);
        dimensions << dimensionName(dimension) + QStringLiteral(" = ") + millimetreText(value) + QStringLiteral(" mm");
    }
    fillingDesign_ = false;
    for (const TargetValue& target : question.targets)
        targets << targetName(target.kind) + QStringLiteral(" ") + ohms(target.ohms) + QStringLiteral(" Ω");
    designNote_ = tr("設計: %1 (%2)").arg(dimensions.join(tr("、")), targets.join(tr("、")));
    if (case_)
        setStatus(designNote_);
}

void DesignWindow::copyText()
{
    if (!case_) {
        setStatus(tr("コピーできません: %1").arg(inputProblem_));
        return;
    }
    if (!results_->isCurrent()) {
        setStatus(tr("結果がまだ入力に追いついていません: 計算が終わってからコピーしてください"));
        return;
    }
    QApplication::clipboard()->setText(inputs_->plainText() + results_->plainText());
    setStatus(tr("結果をテキストでコピーしました"));
    emit copied();
}

void DesignWindow::copyCsv()
{
    if (!case_) {
        setStatus(tr("コピーできません: %1").arg(inputProblem_));
        return;
    }
    setStatus(tr("CSV を作成中…"));
    copyJob_->run([this, pair = *case_](const JobContext& context) {
        const QString csv = QString::fromStdString(caseCsv(pair));
        context.deliver([this, csv] {
            QApplication::clipboard()->setText(csv);
            setStatus(tr("CSV (duvane-calc impedance --csv と同じ列) をコピーしました"));
            emit copied();
        });
    });
}

void DesignWindow::saveChart()
{
    QString fileName;
    if (!dialogs_.askSaveFileName(*saveDialog_, fileName))
        return;
    if (charts_->shownChart()->grab().save(fileName, "PNG"))
        setStatus(tr("グラフを %1 に保存しました").arg(fileName));
    else
        setStatus(tr("グラフを %1 に保存できません: 保存先を確かめてください").arg(fileName));
}

void DesignWindow::setStatus(const QString& text)
{
    status_->setText(text);
}
