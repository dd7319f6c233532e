#include "Coaxmain.h"

#include <cstdlib>
#include <new>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "Colours.h"
#include "commands/Impedances.h"
#include "commands/ShapeCommand.h"
#include "Controls.h"
#include "designer/DesignWindow.h"
#include "Fonts.h"
#include "Info.h"
#include "NumberText.h"
#include "Setting2.h"
#include "UserDialogs.h"
#include "Version.h"

TFormMain* FormMain = nullptr;

namespace {

const QString kParameters = QStringLiteral("パラメータ");
const QString kResults = QStringLiteral("計算結果");
const QString kNoValue = QStringLiteral("---");

// The client area below the menu bar.
constexpr QSize kClientSize(411, 226);

// Shown from its start: a result longer than its box would otherwise show
// its end, which reads as another number.
void showResult(QLineEdit& box, const QString& text)
{
    box.setText(text);
    box.setCursorPosition(0);
}

// Keys that type no character pass the filter untouched, as do the editing
// shortcuts that insert nothing. Ctrl+V types a control character and is
// discarded like any other, but Shift+Insert types none and the context
// menu's Paste is no key at all: a pasted text reaches the box whole, and
// the input check rejects it at the calculation if it is no number.
bool typesNoCharacter(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return true;
    default:
        break;
    }
    for (QKeySequence::StandardKey shortcut : {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::SelectAll,
                                               QKeySequence::Undo, QKeySequence::Redo}) {
        if (key.matches(shortcut))
            return true;
    }
    return false;
}

} // namespace

TFormMain::TFormMain(UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      mDialogs(dialogs)
{
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Duvane - Coax Cable with Dual Core Wire"));
    setFont(windowFontOf(kFontPGothic));
    BuildMenu();
    BuildControls();
    // The controls stand at fixed places; a larger window would only add an
    // empty area.
    setFixedSize(kClientSize + QSize(0, MainMenu1->sizeHint().height()));
    if (const QScreen* desk = screen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), desk->availableGeometry()));
    FormCreate();
}

TFormMain::~TFormMain()
{
    FormDestroy();
}

void TFormMain::BuildMenu()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    setMenuBar(MainMenu1);

    const auto addMenu = [this](const char* name, const QString& title) {
        QMenu* menu = MainMenu1->addMenu(title);
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    const auto addItem = [this](QMenu* menu, const char* name, const QString& text, void (TFormMain::*handler)()) {
        QAction* item = menu->addAction(text);
        item->setObjectName(QString::fromLatin1(name));
        connect(item, &QAction::triggered, this, handler);
        return item;
    };

    File1 = addMenu("File1", QStringLiteral("ファイル"));
    Exit1 = addItem(File1, "Exit1", QStringLiteral("終了"), &TFormMain::Exit1Click);
    Mode1 = addMenu("Mode1", QStringLiteral("計算モード"));
    CalcZ1 = addItem(Mode1, "CalcZ1", QStringLiteral("インピーダンス"), &TFormMain::CalcZ1Click);
    Shape1 = addItem(Mode1, "Shape1", QStringLiteral("形状"), &TFormMain::Shape1Click);
    CalcZ1->setCheckable(true);
    Shape1->setCheckable(true);
    designMenu = addMenu("designMenu", tr("設計"));
    designAction = addItem(designMenu, "designAction", tr("設計ウィンドウ"), &TFormMain::openDesignWindow);
    Help1 = addMenu("Help1", QStringLiteral("ヘルプ"));
    N1 = addItem(Help1, "N1", QStringLiteral("ヘルプ"), &TFormMain::N1Click);
    N2 = Help1->addSeparator();
    N2->setObjectName(QStringLiteral("N2"));
    About1 = addItem(Help1, "About1", QStringLiteral("バージョン"), &TFormMain::About1Click);
}

void TFormMain::BuildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client);

    GroupBox1 = newControl<QGroupBox>(client, "GroupBox1", kParameters, {16, 16, 177, 97});
    Label2 = newLabel(GroupBox1, "Label2", QStringLiteral("S/D ="), {24, 28});
    Edit1 = newControl<QLineEdit>(GroupBox1, "Edit1", QStringLiteral("0.5"), {68, 24, 73, 20});
    Label3 = newLabel(GroupBox1, "Label3", QStringLiteral("D/d ="), {24, 60});
    Edit2 = newControl<QLineEdit>(GroupBox1, "Edit2", QStringLiteral("10"), {68, 56, 73, 20});

    GroupBox2 = newControl<QGroupBox>(client, "GroupBox2", kResults, {200, 16, 185, 97});
    Label5 = newLabel(GroupBox2, "Label5", QStringLiteral("Ze(ohm) ="), {24, 28});
    Edit4 = newControl<QLineEdit>(GroupBox2, "Edit4", QString(), {80, 24, 89, 20});
    Label6 = newLabel(GroupBox2, "Label6", QStringLiteral("Zo(ohm) ="), {24, 60});
    Edit5 = newControl<QLineEdit>(GroupBox2, "Edit5", QString(), {80, 56, 89, 20});

    Label4 = newLabel(client, "Label4", QStringLiteral("比誘電率 Er ="), {36, 132});
    Edit3 = newControl<QLineEdit>(client, "Edit3", QStringLiteral("1"), {120, 128, 73, 20});
    Label1 = newLabel(client, "Label1", QString(), {212, 132});

    HelpBtn = newControl<QPushButton>(client, "HelpBtn", QStringLiteral("ヘルプ"), {24, 184, 75, 25});
    CalcBtn = newControl<QPushButton>(client, "CalcBtn", QStringLiteral("計算実行"), {104, 184, 75, 25});
    OptionBtn = newControl<QPushButton>(client, "OptionBtn", QStringLiteral("設定"), {184, 184, 75, 25});
    QuitBtn = newControl<QPushButton>(client, "QuitBtn", QStringLiteral("終了"), {312, 184, 75, 25});

    for (auto [label, box] : {std::pair{Label2, Edit1}, {Label3, Edit2}, {Label5, Edit4}, {Label6, Edit5}, {Label4, Edit3}})
        keepLeftOf(*label, *box);

    connect(HelpBtn, &QPushButton::clicked, this, &TFormMain::HelpBtnClick);
    connect(CalcBtn, &QPushButton::clicked, this, &TFormMain::CalcBtnClick);
    connect(OptionBtn, &QPushButton::clicked, this, &TFormMain::OptionBtnClick);
    connect(QuitBtn, &QPushButton::clicked, this, &TFormMain::QuitBtnClick);

    QWidget* const tabOrder[] = {QuitBtn, OptionBtn, CalcBtn, Edit1, Edit2, Edit4, Edit5, Edit3, HelpBtn};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    QuitBtn->setFocus();

    mKeyPressHandlers = {{{Edit1, &TFormMain::Edit1KeyPress},
                          {Edit2, &TFormMain::Edit2KeyPress},
                          {Edit4, &TFormMain::Edit4KeyPress},
                          {Edit5, &TFormMain::Edit5KeyPress}}};
    for (const auto& [box, handler] : mKeyPressHandlers) {
        box->installEventFilter(this);
        // Composed input would reach the box without a key press to filter.
        box->setAttribute(Qt::WA_InputMethodEnabled, false);
    }

    SaveDialog1 = new QFileDialog(this);
    SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1->setFileMode(QFileDialog::AnyFile);
    SaveDialog1->setOption(QFileDialog::DontConfirmOverwrite);
}

void TFormMain::FormCreate()
{
    try {
        mCalc = std::make_unique<TQol_COAXMath2>(this, &mStatusLine, 0);
    } catch (const std::bad_alloc&) {
        mDialogs.showMessage(QStringLiteral("sorry, fatal error..."));
        std::exit(EXIT_FAILURE);
    }
    SetMode(0);
}

void TFormMain::FormDestroy()
{
    mCalc.reset();
}

// A repaint takes about 0.3 ms and a trial step a few microseconds: painting
// every step kept a long solve in the window 85 times the solver's own time.
// So a count that comes within the interval is skipped, and the label shows
// the last one when the solve ends; the eye needs no more than this.
void TFormMain::repaintNow()
{
    constexpr qint64 kRepaintIntervalMs = 16;
    if (mLastRepaint.isValid() && mLastRepaint.elapsed() < kRepaintIntervalMs)
        return;
    ShowSolverStatus();
    repaint();
    mLastRepaint.start();
}

void TFormMain::TStatusLine::setCaption(const std::string& text)
{
    mText = text;
    mNew = true;
}

std::optional<QString> TFormMain::TStatusLine::TakeNew()
{
    if (!mNew)
        return std::nullopt;
    mNew = false;
    return QString::fromStdString(mText);
}

void TFormMain::ShowSolverStatus()
{
    if (const std::optional<QString> text = mStatusLine.TakeNew())
        SetStatus(*text);
}

void TFormMain::SetStatus(const QString& text, const QString& toolTip)
{
    setLabelText(*Label1, text);
    Label1->setToolTip(toolTip);
    mNoteShown = false;
}

// --- Mode switch -----------------------------------------------------------

void TFormMain::CalcZ1Click()
{
    SetMode(0);
}

void TFormMain::Shape1Click()
{
    SetMode(1);
}

void TFormMain::SetMode(unsigned char mode)
{
    const bool shape = mode == 1;
    CalcZ1->setChecked(!shape);
    Shape1->setChecked(shape);
    mMode = mode;
    SetStatus(QString());
    GroupBox1->setTitle(shape ? kResults : kParameters);
    GroupBox2->setTitle(shape ? kParameters : kResults);

    QLineEdit* const inputs[] = {shape ? Edit4 : Edit1, shape ? Edit5 : Edit2};
    QLineEdit* const results[] = {shape ? Edit1 : Edit4, shape ? Edit2 : Edit5};
    for (QLineEdit* box : inputs)
        box->setReadOnly(false);
    for (QLineEdit* box : results)
        box->setReadOnly(true);
    const QPalette& system = QApplication::palette();
    for (QLineEdit* box : inputs)
        setFieldColour(*box, system.color(QPalette::Base));
    for (QLineEdit* box : results)
        setFieldColour(*box, menuColour(system));
}

// --- Character filter ------------------------------------------------------

bool TFormMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        for (const auto& [box, handler] : mKeyPressHandlers) {
            if (watched == box)
                return !PassesKeyPress(*static_cast<QKeyEvent*>(event), handler);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TFormMain::PassesKeyPress(const QKeyEvent& key, TKeyPressHandler handler)
{
    if (typesNoCharacter(key))
        return true;
    // As 8-bit characters: UTF-8 turns everything beyond ASCII into bytes of
    // 128 and above.
    QByteArray typed = key.key() == Qt::Key_Backspace ? QByteArray("\b") : key.text().toUtf8();
    for (char& c : typed) {
        (this->*handler)(c);
        if (c == 0)
            return false;
    }
    return true;
}

void TFormMain::Edit1KeyPress(char& key)
{
    FilterKey(key);
}

void TFormMain::Edit2KeyPress(char& key)
{
    FilterKey(key);
}

void TFormMain::Edit4KeyPress(char& key)
{
    FilterKey(key);
}

void TFormMain::Edit5KeyPress(char& key)
{
    FilterKey(key);
}

void TFormMain::FilterKey(char& key)
{
    const bool digit = key >= '0' && key <= '9';
    if (!digit && key != '\b' && key != '.')
        key = 0;
}

// --- Other windows and ending ----------------------------------------------

void TFormMain::ShowModal(QDialog* window)
{
    window->exec();
    activateWindow();
    if (QWidget* last = focusWidget())
        last->setFocus();
    else
        setFocus();
}

void TFormMain::OptionBtnClick()
{
    ShowModal(FormSetting2);
}

void TFormMain::HelpBtnClick()
{
    ShowModal(FormInfo);
}

void TFormMain::N1Click()
{
    ShowModal(FormInfo);
}

void TFormMain::openDesignWindow()
{
    if (designWindow_ == nullptr)
        designWindow_ = new DesignWindow(mDialogs, this);
    designWindow_->show();
    designWindow_->raise();
    designWindow_->activateWindow();
}

void TFormMain::About1Click()
{
    ShowModal(FormVersion);
}

void TFormMain::QuitBtnClick()
{
    close();
}

void TFormMain::Exit1Click()
{
    close();
}

// --- Calculation commands --------------------------------------------------

void TFormMain::CalcBtnClick()
{
    if (mMode == 0)
        CalcImpedance();
    else if (mMode == 1)
        CalcShape();
}

void TFormMain::CalcImpedance()
{
    double sd = 0;
    double dd = 0;
    double er = 0;
    if (!ReadInputs({{{Edit1, "：ＳＤ", &sd}, {Edit2, "：Ｄｄ", &dd}, {Edit3, "：Ｅｒ", &er}}})) {
        ClearNote();
        return;
    }
    const Impedances z = calculateImpedances(*mCalc, sd, dd, er, false);
    if (!z.error.empty()) {
        ShowImpedanceNote({});
        ShowFailure(Edit4, Edit5, QString::fromStdString(z.error));
        return;
    }
    showResult(*Edit4, FormatValue(FormSetting2->mDecimals, z.ze));
    showResult(*Edit5, FormatValue(FormSetting2->mDecimals, z.zo));
    ShowImpedanceNote(NoteOnAccuracy(fiveChargeDeviation(mConverged, sd, dd, mCalc->mZe, mCalc->mZo), sd, dd, er));
}

// Impedance mode leaves its status line alone but for a note on accuracy,
// and a note must not outlive the result it was about.
void TFormMain::ShowImpedanceNote(const AccuracyNote& note)
{
    if (note.word.isEmpty()) {
        ClearNote();
        return;
    }
    SetStatus(note.impedanceStatus(), note.toolTip);
    mNoteShown = true;
    mStatusWithoutNote.clear();
}

// The inputs no longer give the result the note was about: the results stay,
// the note goes.
void TFormMain::ClearNote()
{
    if (mNoteShown)
        SetStatus(mStatusWithoutNote);
}

void TFormMain::CalcShape()
{
    double er = 0;
    double ze = 0;
    double zo = 0;
    if (!ReadInputs({{{Edit3, "：Ｅｒ", &er}, {Edit4, "：Ｚｅ", &ze}, {Edit5, "：Ｚｏ", &zo}}})) {
        ClearNote();
        return;
    }
    PrepareTrace();
    const FoundShape found = solveShapeFiveCharge(
        *mCalc, {.ze = ze, .zo = zo, .er = er, .countLimit = FormSetting2->mIterLimit, .width = FormSetting2->GetConvWidth()});
    // The last count, which the throttled repaints may have skipped.
    ShowSolverStatus();
    repaint();
    if (!found.error.empty()) {
        ShowFailure(Edit1, Edit2, QString::fromStdString(found.error));
        SetStatus(QStringLiteral("計算出来ませんでした"));
        return;
    }
    const double sd = found.sd;
    const double dd = found.dd;
    showResult(*Edit1, FormatValue(FormSetting2->mDecimals, sd));
    showResult(*Edit2, FormatValue(FormSetting2->mDecimals, dd));
    const AccuracyNote note = NoteOnAccuracy(fiveChargeDeviation(mConverged, sd, dd), sd, dd, er);
    const QString count = Label1->text();
    SetStatus(note.shapeStatus(count), note.toolTip);
    mNoteShown = !note.word.isEmpty();
    mStatusWithoutNote = count;
}

AccuracyNote TFormMain::NoteOnAccuracy(const FiveChargeDeviation& deviation, double sd, double dd, double er)
{
    return accuracyNote(deviation, sd, dd, er, FormSetting2->mDecimals);
}

void TFormMain::PrepareTrace()
{
    if (FormSetting2->mTraceOption != 1) {
        mCalc->mTraceOn = 0;
        return;
    }
    QString fileName;
    const bool chosen = mDialogs.askSaveFileName(*SaveDialog1, fileName);
    mCalc->zSetTraceFileName(chosen ? QFile::encodeName(fileName).constData() : "");
    mCalc->mTraceOn = chosen ? 1 : 0;
}

void TFormMain::ShowFailure(QLineEdit* result1, QLineEdit* result2, const QString& message)
{
    showResult(*result1, kNoValue);
    showResult(*result2, kNoValue);
    mDialogs.showMessage(message);
}

bool TFormMain::ReadInputs(const std::array<TInput, 3>& inputs)
{
    for (const TInput& input : inputs) {
        const QString problem = CheckValue(input.box->text());
        if (!problem.isEmpty()) {
            mDialogs.showMessage(problem + QString::fromUtf8(input.suffix));
            return false;
        }
    }
    for (const TInput& input : inputs)
        parseNumber(input.box->text().toStdString(), *input.value);
    return true;
}

QString TFormMain::CheckValue(const QString& text) const
{
    if (text.isEmpty())
        return QStringLiteral("値を入力してください");
    double value = 0;
    if (!parseNumber(text.toStdString(), value))
        return QStringLiteral("正しい値を入力してください");
    return QString();
}

QString TFormMain::FormatValue(int decimals, double value) const
{
    if (decimals < 1 || decimals > 5)
        return QString();
    return QString::fromStdString(formatFixed(value, decimals));
}
