#pragma once

#include <memory>
#include <optional>

#include <QWidget>

#include "designer/DesignForm.h"

class ChartPanel;
class CrossSectionView;
class DesignPanel;
class FigureSolver;
class InputPanel;
class InsulatedSolver;
class LatestJob;
class QFileDialog;
class QLabel;
class ResultPanel;
class UserDialogs;
struct DesignQuestion;
struct DesignResult;
struct PairFigures;

// The designer's window: a symmetric pair's inputs, its figures, drawing
// and charts recomputed off the GUI thread as the user types, a newer input
// superseding any solve still running; the design solve for its dimensions;
// the results copied as text or as duvane-calc's CSV, the chart saved as PNG.
// Results not of the inputs shown are grayed out.
class DesignWindow : public QWidget {
    Q_OBJECT
public:
    // The file dialog goes through `dialogs`, which must outlive the window.
    explicit DesignWindow(UserDialogs& dialogs, QWidget* parent = nullptr);
    ~DesignWindow() override;

    InputPanel* inputs() const { return inputs_; }
    ResultPanel* results() const { return results_; }
    CrossSectionView* drawing() const { return drawing_; }
    DesignPanel* designPanel() const { return designPanel_; }
    ChartPanel* charts() const { return charts_; }
    // The case of the inputs shown; none while one of them is wrong.
    const std::optional<DesignCase>& currentCase() const { return case_; }
    // A solve or a design runs or waits.
    bool solving() const;
    // The impedance chart's sweep runs or waits.
    bool sweeping() const;
    // Anything runs or waits: a solve, a design, a sweep, a copy.
    bool busy() const;

signals:
    // The results of the inputs shown are on display.
    void resultsShown();
    // The impedance chart's sweep for the inputs shown is complete.
    void sweepDone();
    // The clipboard holds what was asked for.
    void copied();

private:
    void inputsChanged();
    void showFigures(const PairFigures& figures);
    void setStatus(const QString& text);
    void askDesign();
    void showDesign(const DesignQuestion& question, const DesignResult& found);
    void runSweep();
    void showTargets();
    void copyText();
    void copyCsv();
    void saveChart();

    UserDialogs& dialogs_;
    InputPanel* inputs_;
    ResultPanel* results_;
    CrossSectionView* drawing_;
    DesignPanel* designPanel_;
    ChartPanel* charts_;
    QLabel* status_;
    QFileDialog* saveDialog_;
    std::optional<DesignCase> case_;
    QString inputProblem_;  // what is wrong with the inputs, while case_ is empty
    std::shared_ptr<FigureSolver> figureSolver_;
    std::shared_ptr<InsulatedSolver> designSolver_;
    std::shared_ptr<InsulatedSolver> sweepSolver_;
    LatestJob* figureJob_;
    LatestJob* designJob_;
    LatestJob* sweepJob_;
    LatestJob* copyJob_;
    // What the last design found, said beside the results it gave until
    // the user types again.
    QString designNote_;
    bool fillingDesign_ = false;
};
