#include "designer/DesignWindow.h"

#include <cmath>

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "commands/DesignSolve.h"
#include "designer/CrossSectionView.h"
#include "designer/DesignPanel.h"
#include "designer/InputPanel.h"
#include "designer/LatestJob.h"
#include "designer/PairFigures.h"
#include "designer/ResultPanel.h"
#include "Fonts.h"
#include "NumberText.h"
#include "SolverTexts.h"

namespace {

// The design solve's refusals the window can meet, in its language; others
// as the solver says them.
QString designProblem(const std::string& error)
{
    if (error == kNoDesignInReachText)
        return QCoreApplication::translate("DesignWindow", "その寸法の範囲では計算できる形がありません");
    if (error == kTargetsOutOfReachText)
        return QCoreApplication::translate("DesignWindow",
                                           "2 つの目標を同時に満たす寸法がありません: 目標か求める寸法を変えてください");
    return QString::fromStdString(error);
}

}  // namespace

DesignWindow::DesignWindow(UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window),
      dialogs_(dialogs),
      inputs_(new InputPanel),
      results_(new ResultPanel),
      drawing_(new CrossSectionView),
      designPanel_(new DesignPanel),
      status_(new QLabel),
      figureSolver_(std::make_shared<FigureSolver>()),
      figureJob_(new LatestJob(this)),
      designSolver_(std::make_shared<InsulatedSolver>()),
      designJob_(new LatestJob(this))
{
    setObjectName(QStringLiteral("designWindow"));
    setWindowTitle(tr("設計 - 二心シールド線"));
    setFont(windowFontOf(kFontPGothic));

    auto* inputGroup = new QGroupBox(tr("入力"));
    (new QVBoxLayout(inputGroup))->addWidget(inputs_);
    auto* inputColumn = new QVBoxLayout;
    inputColumn->addWidget(inputGroup);
    inputColumn->addWidget(designPanel_);
    inputColumn->addStretch(1);
    auto* resultGroup = new QGroupBox(tr("計算結果"));
    (new QVBoxLayout(resultGroup))->addWidget(results_);

    auto* drawingGroup = new QGroupBox(tr("断面"));
    (new QVBoxLayout(drawingGroup))->addWidget(drawing_);

    auto* columns = new QHBoxLayout;
    columns->addLayout(inputColumn);
    columns->addWidget(resultGroup);
    columns->addWidget(drawingGroup, 1);

    status_->setObjectName(QStringLiteral("designStatus"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(columns, 1);
    outer->addWidget(status_);

    connect(inputs_, &InputPanel::changed, this, &DesignWindow::inputsChanged);
    connect(designPanel_, &DesignPanel::solveAsked, this, &DesignWindow::askDesign);
    inputsChanged();
}

DesignWindow::~DesignWindow() = default;

bool DesignWindow::busy() const
{
    return figureJob_->busy() || designJob_->busy();
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
        drawing_->setCurrent(false);
        figureJob_->cancel();
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
}

void DesignWindow::showFigures(const PairFigures& figures)
{
    if (!figures.solved()) {
        const std::string& why = figures.solution.reason.empty() ? figures.modes.error : figures.solution.reason;
        setStatus(tr("計算できません: %1").arg(QString::fromStdString(why)));
        return;
    }
    results_->show(figures);
    results_->setCurrent(true);
    const QString time = tr("計算時間 %1 ms").arg(QString::fromStdString(formatSignificant(figures.seconds * 1e3, 2)));
    setStatus(designNote_.isEmpty() ? time : designNote_ + QStringLiteral("  ") + time);
    emit resultsShown();
}

void DesignWindow::askDesign()
{
    if (!case_) {
        setStatus(tr("入力を直してから設計してください"));
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

void DesignWindow::setStatus(const QString& text)
{
    status_->setText(text);
}
