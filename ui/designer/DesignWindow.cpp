#include "designer/DesignWindow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "designer/CrossSectionView.h"
#include "designer/InputPanel.h"
#include "designer/LatestJob.h"
#include "designer/PairFigures.h"
#include "designer/ResultPanel.h"
#include "Fonts.h"
#include "NumberText.h"

DesignWindow::DesignWindow(UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window),
      dialogs_(dialogs),
      inputs_(new InputPanel),
      results_(new ResultPanel),
      drawing_(new CrossSectionView),
      status_(new QLabel),
      figureSolver_(std::make_shared<FigureSolver>()),
      figureJob_(new LatestJob(this))
{
    setObjectName(QStringLiteral("designWindow"));
    setWindowTitle(tr("設計 - 二心シールド線"));
    setFont(windowFontOf(kFontPGothic));

    auto* inputGroup = new QGroupBox(tr("入力"));
    (new QVBoxLayout(inputGroup))->addWidget(inputs_);
    auto* resultGroup = new QGroupBox(tr("計算結果"));
    (new QVBoxLayout(resultGroup))->addWidget(results_);

    auto* drawingGroup = new QGroupBox(tr("断面"));
    (new QVBoxLayout(drawingGroup))->addWidget(drawing_);

    auto* columns = new QHBoxLayout;
    columns->addWidget(inputGroup);
    columns->addWidget(resultGroup);
    columns->addWidget(drawingGroup, 1);

    status_->setObjectName(QStringLiteral("designStatus"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(columns, 1);
    outer->addWidget(status_);

    connect(inputs_, &InputPanel::changed, this, &DesignWindow::inputsChanged);
    inputsChanged();
}

DesignWindow::~DesignWindow() = default;

bool DesignWindow::busy() const
{
    return figureJob_->busy();
}

void DesignWindow::inputsChanged()
{
    results_->setCurrent(false);
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
    setStatus(tr("計算時間 %1 ms").arg(QString::fromStdString(formatSignificant(figures.seconds * 1e3, 2))));
    emit resultsShown();
}

void DesignWindow::setStatus(const QString& text)
{
    status_->setText(text);
}
