#pragma once

#include <memory>
#include <optional>

#include <QWidget>

#include "designer/DesignForm.h"

class CrossSectionView;
class DesignPanel;
class FigureSolver;
class InputPanel;
class LatestJob;
class QLabel;
class ResultPanel;
class UserDialogs;
struct DesignQuestion;
struct DesignResult;
struct PairFigures;
class InsulatedSolver;

// The designer's window: a symmetric pair's inputs, its figures recomputed
// off the GUI thread as the user types, a newer input superseding any solve
// still running. Results not of the inputs shown are grayed out.
class DesignWindow : public QWidget {
    Q_OBJECT
public:
    // Messages and the file dialog go through `dialogs`, which must outlive
    // the window.
    explicit DesignWindow(UserDialogs& dialogs, QWidget* parent = nullptr);
    ~DesignWindow() override;

    InputPanel* inputs() const { return inputs_; }
    ResultPanel* results() const { return results_; }
    CrossSectionView* drawing() const { return drawing_; }
    DesignPanel* designPanel() const { return designPanel_; }
    // The case of the inputs shown; none while one of them is wrong.
    const std::optional<DesignCase>& currentCase() const { return case_; }
    // A solve runs or waits.
    bool busy() const;

signals:
    // The results of the inputs shown are on display.
    void resultsShown();

private:
    void inputsChanged();
    void showFigures(const PairFigures& figures);
    void setStatus(const QString& text);
    void askDesign();
    void showDesign(const DesignQuestion& question, const DesignResult& found);

    UserDialogs& dialogs_;
    InputPanel* inputs_;
    ResultPanel* results_;
    CrossSectionView* drawing_;
    DesignPanel* designPanel_;
    QLabel* status_;
    std::optional<DesignCase> case_;
    std::shared_ptr<FigureSolver> figureSolver_;
    LatestJob* figureJob_;
    std::shared_ptr<InsulatedSolver> designSolver_;
    LatestJob* designJob_;
    // What the last design found, said beside the results it gave until
    // the user types again.
    QString designNote_;
    bool fillingDesign_ = false;
};
