#pragma once

#include <array>
#include <memory>
#include <optional>
#include <utility>

#include <QElapsedTimer>
#include <QMainWindow>

#include "AccuracyNote.h"
#include "commands/FiveChargeDeviation.h"
#include "field/ConvergedSolver.h"
#include "fivecharge/Qol_math2.h"
#include "SolverView.h"

class QAction;
class QFileDialog;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class DesignWindow;
class UserDialogs;

// The main window: the input and result boxes of both modes, the mode menu,
// the calculate command, and the way to the other three windows. It owns the
// calculator of the run; its messages and its file-save dialog go through
// `dialogs`, which must outlive it.
class TFormMain : public QMainWindow, public RepaintTarget {
    Q_OBJECT

public:
    explicit TFormMain(UserDialogs& dialogs, QWidget* parent = nullptr);
    ~TFormMain() override;

    QMenuBar* MainMenu1;
    QMenu* File1;
    QAction* Exit1;
    QMenu* Mode1;
    QAction* CalcZ1;
    QAction* Shape1;
    QMenu* designMenu;
    QAction* designAction;
    QMenu* Help1;
    QAction* N1;
    QAction* N2;
    QAction* About1;

    QGroupBox* GroupBox1;
    QLabel* Label2;
    QLineEdit* Edit1;
    QLabel* Label3;
    QLineEdit* Edit2;
    QGroupBox* GroupBox2;
    QLabel* Label5;
    QLineEdit* Edit4;
    QLabel* Label6;
    QLineEdit* Edit5;
    QLabel* Label4;
    QLineEdit* Edit3;
    QLabel* Label1;
    QPushButton* HelpBtn;
    QPushButton* CalcBtn;
    QPushButton* OptionBtn;
    QPushButton* QuitBtn;
    QFileDialog* SaveDialog1;

    // The solver's repaint request while it iterates.
    void repaintNow() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The solver writes every progress text here, and Label1 takes the
    // latest when the window paints: laying the label out at every trial
    // step would cost the window more than the solver's own work.
    class TStatusLine final : public StatusLabel {
    public:
        void setCaption(const std::string& text) override;
        // The latest text if Label1 does not show it yet.
        std::optional<QString> TakeNew();

    private:
        std::string mText;
        bool mNew = false;
    };

    using TKeyPressHandler = void (TFormMain::*)(char&);

    void BuildMenu();
    void BuildControls();
    void FormCreate();
    void FormDestroy();

    void CalcBtnClick();
    void QuitBtnClick();
    void Exit1Click();
    void CalcZ1Click();
    void Shape1Click();
    void OptionBtnClick();
    void HelpBtnClick();
    void N1Click();
    void About1Click();
    void openDesignWindow();
    void Edit1KeyPress(char& key);
    void Edit2KeyPress(char& key);
    void Edit4KeyPress(char& key);
    void Edit5KeyPress(char& key);

    void SetMode(unsigned char mode);
    void SetStatus(const QString& text, const QString& toolTip = QString());
    void ShowSolverStatus();
    void ShowModal(QDialog* window);
    bool PassesKeyPress(const QKeyEvent& key, TKeyPressHandler handler);
    void FilterKey(char& key);

    void CalcImpedance();
    void CalcShape();
    void PrepareTrace();
    void ShowFailure(QLineEdit* result1, QLineEdit* result2, const QString& message);
    AccuracyNote NoteOnAccuracy(const FiveChargeDeviation& deviation, double sd, double dd, double er);
    void ShowImpedanceNote(const AccuracyNote& note);
    void ClearNote();
    QString CheckValue(const QString& text) const;
    QString FormatValue(int decimals, double value) const;

    struct TInput {
        QLineEdit* box;
        const char* suffix;
        double* value;
    };
    bool ReadInputs(const std::array<TInput, 3>& inputs);

    UserDialogs& mDialogs;
    DesignWindow* designWindow_ = nullptr;  // made when first opened, a child of this window
    TStatusLine mStatusLine;
    std::unique_ptr<TQol_COAXMath2> mCalc;
    // Checks each result against the converged solution.
    ConvergedSolver mConverged;
    unsigned char mMode = 0;
    QElapsedTimer mLastRepaint;
    // Label1 holds a note on accuracy, added to this status (empty in
    // impedance mode, the count in shape mode).
    bool mNoteShown = false;
    QString mStatusWithoutNote;
    std::array<std::pair<QLineEdit*, TKeyPressHandler>, 4> mKeyPressHandlers;
};

extern TFormMain* FormMain;
