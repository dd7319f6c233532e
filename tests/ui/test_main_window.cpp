#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <memory>

#include "Colours.h"
#include "FormsFixture.h"
#include "Info.h"
#include "Setting2.h"
#include "SolverTexts.h"
#include "UiTestSupport.h"
#include "Version.h"

namespace {

// What a person sees in the five boxes, S/D, D/d, Er, Ze, Zo.
struct Boxes {
    QString sd, dd, er, ze, zo;
};

Boxes readBoxes()
{
    return {FormMain->Edit1->text(), FormMain->Edit2->text(), FormMain->Edit3->text(), FormMain->Edit4->text(),
            FormMain->Edit5->text()};
}

void fillBoxes(const Boxes& boxes)
{
    FormMain->Edit1->setText(boxes.sd);
    FormMain->Edit2->setText(boxes.dd);
    FormMain->Edit3->setText(boxes.er);
    FormMain->Edit4->setText(boxes.ze);
    FormMain->Edit5->setText(boxes.zo);
}

bool operator==(const Boxes& a, const Boxes& b)
{
    return a.sd == b.sd && a.dd == b.dd && a.er == b.er && a.ze == b.ze && a.zo == b.zo;
}

void calculate()
{
    QTest::mouseClick(FormMain->CalcBtn, Qt::LeftButton);
}

void enterShapeMode()
{
    FormMain->Shape1->trigger();
}

// Columns of a row that starts in a mode with given box texts.
void addModeAndBoxColumns()
{
    QTest::addColumn<bool>("shape");
    for (const char* box : {"sd", "dd", "er", "ze", "zo"})
        QTest::addColumn<QString>(box);
}

// Puts the window into the current row's mode and box texts.
Boxes enterRow()
{
    QFETCH(bool, shape);
    QFETCH(QString, sd);
    QFETCH(QString, dd);
    QFETCH(QString, er);
    QFETCH(QString, ze);
    QFETCH(QString, zo);
    if (shape)
        enterShapeMode();
    const Boxes boxes{sd, dd, er, ze, zo};
    fillBoxes(boxes);
    return boxes;
}


QColor fieldColour(const QLineEdit* box)
{
    return box->palette().color(QPalette::Base);
}

QColor editableColour()
{
    return QApplication::palette().color(QPalette::Base);
}

QColor inactiveColour()
{
    return menuColour(QApplication::palette());
}

// What a mode shows: its menu item ticked, the other not, the group titles,
// an empty status line, its input boxes editable in the field colour and
// its result boxes read-only in the inactive colour.
struct ModeLook {
    const char* item;
    const char* otherItem;
    const char* groupBox1Title;
    const char* groupBox2Title;
    QStringList inputs;
    QStringList results;
};

const ModeLook kImpedanceMode{"CalcZ1", "Shape1", "パラメータ", "計算結果",
                              {"Edit1", "Edit2", "Edit3"}, {"Edit4", "Edit5"}};
const ModeLook kShapeMode{"Shape1", "CalcZ1", "計算結果", "パラメータ",
                          {"Edit4", "Edit5", "Edit3"}, {"Edit1", "Edit2"}};

void checkModeLook(const ModeLook& mode)
{
    QVERIFY(FormMain->findChild<QAction*>(mode.item)->isChecked());
    QVERIFY(!FormMain->findChild<QAction*>(mode.otherItem)->isChecked());
    QCOMPARE(FormMain->GroupBox1->title(), QString(mode.groupBox1Title));
    QCOMPARE(FormMain->GroupBox2->title(), QString(mode.groupBox2Title));
    QCOMPARE(FormMain->Label1->text(), QString());
    for (const QString& name : mode.inputs) {
        const auto* box = FormMain->findChild<QLineEdit*>(name);
        QVERIFY2(!box->isReadOnly(), qPrintable(name));
        QCOMPARE(fieldColour(box), editableColour());
    }
    for (const QString& name : mode.results) {
        const auto* box = FormMain->findChild<QLineEdit*>(name);
        QVERIFY2(box->isReadOnly(), qPrintable(name));
        QCOMPARE(fieldColour(box), inactiveColour());
    }
}

// Types each character as a key press: control characters by their keys,
// characters beyond ASCII as the text of an otherwise unknown key.
void typeCharacters(QWidget* box, const QString& characters)
{
    for (QChar c : characters) {
        if (c == '\b')
            QTest::keyClick(box, Qt::Key_Backspace);
        else if (c == '\r')
            QTest::keyClick(box, Qt::Key_Return);
        else if (c.unicode() < 0x80)
            QTest::keyClick(box, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Counts the calculations in the count caption, "計算回数＝N".
int countOf(const QString& status)
{
    static const QRegularExpression pattern("^" + shown(kCountCaption.japanese) + "(\\d+)$");
    const QRegularExpressionMatch match = pattern.match(status);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// Records the texts the status label has whenever it is painted.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QLabel* label)
        : label_(label)
    {
        label->installEventFilter(this);
    }

    QStringList painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == label_ && event->type() == QEvent::Paint)
            painted << label_->text();
        return false;
    }

private:
    QLabel* label_;
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startState();
    void sizeFixed();
    void controlsAtTheirPlaces_data();
    void controlsAtTheirPlaces();
    void menu();
    void modeSwitch();
    void filter_data();
    void filter();
    void editingShortcuts();
    void pasteMeetsTheInputCheck_data();
    void pasteMeetsTheInputCheck();
    void erBoxTakesAnything();
    void enterStartsNothing_data();
    void enterStartsNothing();

    void inputChecks_data();
    void inputChecks();
    void accuracyNotes_data();
    void accuracyNotes();
    void accuracyNoteGoesWithItsResult_data();
    void accuracyNoteGoesWithItsResult();
    void shapeNoteGoesWithAnInputError();
    void impedanceResults_data();
    void impedanceResults();
    void impedanceForEr4IsHalf();
    void impedanceFailure_data();
    void impedanceFailure();
    void shapeRoundTrip_data();
    void shapeRoundTrip();
    void shapeFailure_data();
    void shapeFailure();
    void shapeSuccessAfterFailure();
    void writtenBoxesShowTheirStart_data();
    void writtenBoxesShowTheirStart();
    void shapeReadsSettingsEachTime();
    void shapeRepaintsWhileCounting();
    void traceFile_data();
    void traceFile();
    void commaLocale();

    void otherWindows_data();
    void otherWindows();
    void settingsShownWhereItWasLeft();
    void settingsErrorThroughTheRunsDialogs();
    void quit_data();
    void quit();
    void realDialogs();

private:
    std::unique_ptr<FakeDialogs> dialogs_;
    QtUserDialogs realDialogs_;
    std::unique_ptr<FormsFixture> forms_;
    std::unique_ptr<ModalWatchdog> watchdog_;
};

void TestMainWindow::init()
{
    dialogs_ = std::make_unique<FakeDialogs>();
    forms_ = std::make_unique<FormsFixture>(*dialogs_);
    watchdog_ = std::make_unique<ModalWatchdog>();
}

void TestMainWindow::cleanup()
{
    QCOMPARE(watchdog_->unanswered(), std::size_t{0});
    watchdog_.reset();
    forms_.reset();
    dialogs_.reset();
}

void TestMainWindow::startState()
{
    TFormMain& form = *FormMain;
    QCOMPARE(form.windowTitle(), QString("Duvane - Coax Cable with Dual Core Wire"));
    QVERIFY(!(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(form.windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(form.centralWidget()->size(), QSize(411, 226));
    QCOMPARE(QFontInfo(form.font()).family(), QString("IPAPGothic"));
    QCOMPARE(form.font().pixelSize(), 12);
    QVERIFY(FormSetting2->isHidden() && FormInfo->isHidden() && FormVersion->isHidden());

    QVERIFY(editableColour() != inactiveColour());
    checkModeLook(kImpedanceMode);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(readBoxes() == (Boxes{"0.5", "10", "1", "", ""}));
    QCOMPARE(form.Label2->text(), QString("S/D ="));
    QCOMPARE(form.Label3->text(), QString("D/d ="));
    QCOMPARE(form.Label4->text(), QString("比誘電率 Er ="));
    QCOMPARE(form.Label5->text(), QString("Ze(ohm) ="));
    QCOMPARE(form.Label6->text(), QString("Zo(ohm) ="));

    QCOMPARE(form.focusWidget(), static_cast<QWidget*>(form.QuitBtn));
    for (QPushButton* button : form.centralWidget()->findChildren<QPushButton*>()) {
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
    QCOMPARE(form.SaveDialog1->acceptMode(), QFileDialog::AcceptSave);
    QVERIFY(form.SaveDialog1->isHidden());
}

// The controls stand at fixed places, so a larger window would only add an
// empty area. Its limits are what a window manager reads to refuse a
// resize or a maximise; the headless platform ignores them when maximising.
void TestMainWindow::sizeFixed()
{
    const QSize size = FormMain->size();
    QCOMPARE(FormMain->minimumSize(), size);
    QCOMPARE(FormMain->maximumSize(), size);

    FormMain->resize(size * 2);
    QCoreApplication::processEvents();
    QCOMPARE(FormMain->size(), size);
    QCOMPARE(FormMain->centralWidget()->size(), QSize(411, 226));
}

void TestMainWindow::controlsAtTheirPlaces_data()
{
    addControlPlaceColumns();

    QTest::newRow("GroupBox1") << "GroupBox1" << "ClientArea" << QRect(16, 16, 177, 97);
    QTest::newRow("Label2") << "Label2" << "GroupBox1" << QRect(24, 28, 0, 0);
    QTest::newRow("Edit1") << "Edit1" << "GroupBox1" << QRect(68, 24, 73, 20);
    QTest::newRow("Label3") << "Label3" << "GroupBox1" << QRect(24, 60, 0, 0);
    QTest::newRow("Edit2") << "Edit2" << "GroupBox1" << QRect(68, 56, 73, 20);
    QTest::newRow("GroupBox2") << "GroupBox2" << "ClientArea" << QRect(200, 16, 185, 97);
    QTest::newRow("Label5") << "Label5" << "GroupBox2" << QRect(24, 28, 0, 0);
    QTest::newRow("Edit4") << "Edit4" << "GroupBox2" << QRect(80, 24, 89, 20);
    QTest::newRow("Label6") << "Label6" << "GroupBox2" << QRect(24, 60, 0, 0);
    QTest::newRow("Edit5") << "Edit5" << "GroupBox2" << QRect(80, 56, 89, 20);
    QTest::newRow("Label4") << "Label4" << "ClientArea" << QRect(36, 132, 0, 0);
    QTest::newRow("Edit3") << "Edit3" << "ClientArea" << QRect(120, 128, 73, 20);
    QTest::newRow("Label1") << "Label1" << "ClientArea" << QRect(212, 132, 0, 0);
    QTest::newRow("HelpBtn") << "HelpBtn" << "ClientArea" << QRect(24, 184, 75, 25);
    QTest::newRow("CalcBtn") << "CalcBtn" << "ClientArea" << QRect(104, 184, 75, 25);
    QTest::newRow("OptionBtn") << "OptionBtn" << "ClientArea" << QRect(184, 184, 75, 25);
    QTest::newRow("QuitBtn") << "QuitBtn" << "ClientArea" << QRect(312, 184, 75, 25);
}

// A label that came out wider than on the form may stand a little further
// left.
void TestMainWindow::controlsAtTheirPlaces()
{
    checkControlPlace(*FormMain, 8);
}

void TestMainWindow::menu()
{
    QMenuBar* bar = FormMain->MainMenu1;
    QCOMPARE(FormMain->menuBar(), bar);
    QCOMPARE(bar->objectName(), QString("MainMenu1"));

    // Menu and item captions in order, by object name; "-" is a separator.
    const QList<QPair<QString, QStringList>> expected = {
        {"File1 ファイル", {"Exit1 終了"}},
        {"Mode1 計算モード", {"CalcZ1 インピーダンス", "Shape1 形状"}},
        {"designMenu 設計", {"designAction 設計ウィンドウ"}},
        {"Help1 ヘルプ", {"N1 ヘルプ", "N2 -", "About1 バージョン"}},
    };
    QList<QPair<QString, QStringList>> actual;
    for (QAction* menuAction : bar->actions()) {
        QMenu* menu = menuAction->menu();
        QStringList items;
        for (QAction* item : menu->actions())
            items << item->objectName() + " " + (item->isSeparator() ? QString("-") : item->text());
        actual.append({menu->objectName() + " " + menu->title(), items});
    }
    QCOMPARE(actual, expected);
    for (QAction* item : bar->findChildren<QAction*>())
        QVERIFY2(!item->text().contains('&'), qPrintable(item->text()));
    QVERIFY(FormMain->CalcZ1->isCheckable() && FormMain->Shape1->isCheckable());
}

// Each switch keeps what the boxes hold; choosing the active mode again does
// the same as choosing it the first time.
void TestMainWindow::modeSwitch()
{
    const Boxes typed{"0.3", "5", "2.25", "119.977", "51.089"};
    fillBoxes(typed);
    for (const ModeLook* mode : {&kShapeMode, &kShapeMode, &kImpedanceMode, &kImpedanceMode}) {
        FormMain->Label1->setText("before");
        FormMain->findChild<QAction*>(mode->item)->trigger();
        checkModeLook(*mode);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(readBoxes() == typed);
    }
}

void TestMainWindow::filter_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected"); // the box held "1" before

    const QList<QPair<const char*, QPair<QString, QString>>> kinds = {
        {"number", {"2.5", "12.5"}},
        {"digits 0-9", {"0123456789", "10123456789"}},
        {"backspace", {"\b", ""}},
        {"backspace after typing", {"23\b", "12"}},
        {"minus", {"-", "1"}},
        {"plus", {"+", "1"}},
        {"e", {"e", "1"}},
        {"E", {"E", "1"}},
        {"blank", {" ", "1"}},
        {"letters", {"abcXYZ", "1"}},
        {"comma", {",", "1"}},
        {"Enter", {"\r", "1"}},
        {"Latin-1 letter", {QString::fromUtf8("é"), "1"}},
        {"Japanese", {QString::fromUtf8("あ"), "1"}},
        {"full-width digit", {QString::fromUtf8("５"), "1"}},
        {"mixed", {"-1e+2 .5", "112.5"}},
    };
    for (const char* box : {"Edit1", "Edit2", "Edit4", "Edit5"}) {
        for (const auto& [kind, keys] : kinds)
            QTest::newRow(qPrintable(QString(box) + " " + kind)) << box << keys.first << keys.second;
    }
}

void TestMainWindow::filter()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    if (box == "Edit4" || box == "Edit5")
        enterShapeMode();
    auto* edit = FormMain->findChild<QLineEdit*>(box);
    edit->setText("1");
    edit->setFocus();
    typeCharacters(edit, typed);
    QCOMPARE(edit->text(), expected);
    QVERIFY(dialogs_->messageTexts().isEmpty());
}

// Shortcuts that insert nothing pass the filter; Ctrl+V is discarded like
// any other control character.
void TestMainWindow::editingShortcuts()
{
    QLineEdit* box = FormMain->Edit1;
    box->setText("0.5");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QString("0.5"));

    QApplication::clipboard()->setText("abc");
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->text(), QString("0.5"));

    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(box->text(), QString());
    QCOMPARE(QApplication::clipboard()->text(), QString("0.5"));
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(box->text(), QString("0.5"));

    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    typeCharacters(box, "7");
    QCOMPARE(box->text(), QString("7"));
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->text(), QString());
}

void TestMainWindow::pasteMeetsTheInputCheck_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("Shift+Insert") << false;
    QTest::newRow("context menu") << true;
}

// Past the filter, a pasted text stands in the box as it was; the input
// check rejects it and nothing is calculated.
void TestMainWindow::pasteMeetsTheInputCheck()
{
    QFETCH(bool, byMenu);
    QLineEdit* box = FormMain->Edit1;
    box->clear();
    box->setFocus();
    QApplication::clipboard()->setText("0.5abc");
    if (byMenu) {
        // The menu's items have no object names; no translation is loaded.
        const std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
        const QList<QAction*> items = menu->actions();
        const auto paste = std::find_if(items.begin(), items.end(),
                                        [](const QAction* item) { return item->text().startsWith("&Paste"); });
        QVERIFY(paste != items.end());
        (*paste)->trigger();
    } else {
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    }
    QCOMPARE(box->text(), QString("0.5abc"));

    FormMain->Label1->setText("before");
    calculate();
    QCOMPARE(dialogs_->messageTexts(), QStringList("正しい値を入力してください：ＳＤ"));
    QVERIFY(readBoxes() == (Boxes{"0.5abc", "10", "1", "", ""}));
    QCOMPARE(FormMain->Label1->text(), QString("before"));
}

void TestMainWindow::erBoxTakesAnything()
{
    QLineEdit* box = FormMain->Edit3;
    box->clear();
    box->setFocus();
    typeCharacters(box, "-1e+3 abc,X");
    QCOMPARE(box->text(), QString("-1e+3 abc,X"));
}

void TestMainWindow::enterStartsNothing_data()
{
    QTest::addColumn<QString>("focus");
    for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "CalcBtn", "QuitBtn"})
        QTest::newRow(name) << name;
}

void TestMainWindow::enterStartsNothing()
{
    QFETCH(QString, focus);
    auto* target = FormMain->findChild<QWidget*>(focus);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Return);
    QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(readBoxes() == (Boxes{"0.5", "10", "1", "", ""}));
    QVERIFY(dialogs_->messageTexts().isEmpty());
    QVERIFY(FormMain->isVisible());
}

void TestMainWindow::inputChecks_data()
{
    addModeAndBoxColumns();
    QTest::addColumn<QString>("message");

    const QString empty = "値を入力してください";
    const QString wrong = "正しい値を入力してください";
    QTest::newRow("S/D and D/d empty") << false << "" << "" << "1" << "z" << "z" << empty + "：ＳＤ";
    QTest::newRow("S/D letters") << false << "abc" << "10" << "1" << "z" << "z" << wrong + "：ＳＤ";
    QTest::newRow("S/D blanks only") << false << "  " << "10" << "1" << "z" << "z" << wrong + "：ＳＤ";
    QTest::newRow("S/D comma") << false << "0,5" << "10" << "1" << "z" << "z" << wrong + "：ＳＤ";
    QTest::newRow("S/D overflows a double") << false << "1e999" << "10" << "1" << "z" << "z" << wrong + "：ＳＤ";
    QTest::newRow("D/d empty") << false << "0.5" << "" << "" << "z" << "z" << empty + "：Ｄｄ";
    QTest::newRow("D/d hex") << false << "0.5" << "0x10" << "1" << "z" << "z" << wrong + "：Ｄｄ";
    QTest::newRow("Er empty") << false << "0.5" << "10" << "" << "z" << "z" << empty + "：Ｅｒ";
    QTest::newRow("Er letters") << false << "0.5" << "10" << "abc" << "z" << "z" << wrong + "：Ｅｒ";
    QTest::newRow("Er inf") << false << "0.5" << "10" << "inf" << "z" << "z" << wrong + "：Ｅｒ";
    QTest::newRow("shape: Er letters before empty Ze") << true << "z" << "z" << "abc" << "" << "" << wrong + "：Ｅｒ";
    QTest::newRow("shape: Er empty") << true << "z" << "z" << "" << "70" << "50" << empty + "：Ｅｒ";
    QTest::newRow("shape: Ze and Zo empty, S/D not read") << true << "abc" << "" << "1" << "" << "" << empty + "：Ｚｅ";
    QTest::newRow("shape: Ze trailing sign") << true << "z" << "z" << "1" << "70-" << "50" << wrong + "：Ｚｅ";
    QTest::newRow("shape: Zo letters") << true << "z" << "z" << "1" << "70" << "x" << wrong + "：Ｚｏ";
    QTest::newRow("shape: Zo nan") << true << "z" << "z" << "1" << "70" << "nan" << wrong + "：Ｚｏ";
}

// The first bad box is named; nothing else changes.
void TestMainWindow::inputChecks()
{
    QFETCH(QString, message);
    const Boxes before = enterRow();
    FormMain->Label1->setText("before");
    calculate();
    QCOMPARE(dialogs_->messageTexts(), QStringList(message));
    QVERIFY(readBoxes() == before);
    QCOMPARE(FormMain->Label1->text(), QString("before"));
}

void TestMainWindow::impedanceResults_data()
{
    QTest::addColumn<QString>("sd");
    QTest::addColumn<QString>("dd");
    QTest::addColumn<QString>("er");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("ze");
    QTest::addColumn<QString>("zo");

    QTest::newRow("Er 1") << "0.5" << "10" << "1" << 3 << "133.229" << "107.426";
    QTest::newRow("Er 2.25") << "0.5" << "10" << "2.25" << 3 << "88.819" << "71.617";
    QTest::newRow("blanks and exponents") << " 5e-1 " << "1E1" << "2.25E0 " << 3 << "88.819" << "71.617";
    QTest::newRow("1 decimal") << "0.5" << "10" << "1" << 1 << "133.2" << "107.4";
    QTest::newRow("2 decimals") << "0.5" << "10" << "1" << 2 << "133.23" << "107.43";
    QTest::newRow("0 decimals: nothing shown") << "0.5" << "10" << "1" << 0 << "" << "";
    QTest::newRow("6 decimals: nothing shown") << "0.5" << "10" << "1" << 6 << "" << "";
    QTest::newRow("below 1, leading zero") << "0.5" << "10" << "1e6" << 3 << "0.133" << "0.107";
    QTest::newRow("other shape") << "0.3" << "5" << "1" << 3 << "119.977" << "51.089";
    QTest::newRow("S/D 0.9 passes") << "0.9" << "20" << "1" << 3 << "76.549" << "76.050";
}

void TestMainWindow::impedanceResults()
{
    QFETCH(QString, sd);
    QFETCH(QString, dd);
    QFETCH(QString, er);
    QFETCH(int, decimals);
    QFETCH(QString, ze);
    QFETCH(QString, zo);
    FormSetting2->mDecimals = decimals;
    fillBoxes({sd, dd, er, "old", "old"});
    FormMain->Label1->setText("before");
    calculate();
    QVERIFY(dialogs_->messageTexts().isEmpty());
    QCOMPARE(FormMain->Edit4->text(), ze);
    QCOMPARE(FormMain->Edit5->text(), zo);
    QCOMPARE(FormMain->Label1->text(), QString("before"));
}

// After a result the window compares the five-charge figure with the
// converged solution. The converged values in the tool tips are the known
// points S/D 0.3, D/d 4: 103.3098770 / 33.4105623 ohm for air, and over 1.5
// for Er 2.25.
void TestMainWindow::accuracyNotes_data()
{
    addModeAndBoxColumns();
    QTest::addColumn<QString>("status"); // a pattern
    QTest::addColumn<QString>("toolTip"); // a part of it

    const QString count = shown(kCountCaption.japanese) + "\\d+";
    QTest::newRow("wide gaps say nothing") << false << "0.5" << "10" << "1" << "" << "" << "^$" << "";
    QTest::newRow("cores 0.4 r apart") << false << "0.3" << "4" << "1" << "" << ""
                                       << "^精度注意: Zo −0\\.[5-7]\\d %$" << "Ze = 103.310 Ω, Zo = 33.411 Ω";
    QTest::newRow("in a dielectric") << false << "0.3" << "4" << "2.25" << "" << ""
                                     << "^精度注意: Zo −0\\.[5-7]\\d %$" << "Ze = 68.873 Ω, Zo = 22.274 Ω";
    QTest::newRow("gap too narrow") << false << "0.2511" << "4" << "1" << "" << ""
                                    << "^精度不明: 隙間が狭すぎます$" << "内部導体間 0.0088 r";
    QTest::newRow("shape mode, wide gaps") << true << "" << "" << "1" << "133.229" << "107.426" << "^" + count + "$"
                                           << "";
    QTest::newRow("shape mode, cores near") << true << "" << "" << "1" << "103.31" << "33.41"
                                            << "^" + count + " 精度注意$" << "5電荷法の誤差: Ze ";
}

void TestMainWindow::accuracyNotes()
{
    QFETCH(QString, status);
    QFETCH(QString, toolTip);
    enterRow();
    calculate();
    QVERIFY(dialogs_->messageTexts().isEmpty());
    QVERIFY2(QRegularExpression(status).match(FormMain->Label1->text()).hasMatch(),
             qPrintable(FormMain->Label1->text()));
    if (toolTip.isEmpty())
        QCOMPARE(FormMain->Label1->toolTip(), QString());
    else
        QVERIFY2(FormMain->Label1->toolTip().contains(toolTip), qPrintable(FormMain->Label1->toolTip()));
}

// A note is about one result: the next result, a failure, a mode switch or
// inputs that no longer give the result shown take it away, with its tool
// tip; the result itself stays after an input error, as it always has.
void TestMainWindow::accuracyNoteGoesWithItsResult_data()
{
    QTest::addColumn<QString>("sd");
    QTest::addColumn<QString>("dd");
    QTest::addColumn<QString>("er");
    QTest::addColumn<bool>("switchMode");
    QTest::addColumn<QString>("message");  // of an input error; empty: none
    QTest::newRow("a result without a note") << "0.5" << "10" << "1" << false << "";
    QTest::newRow("a failure") << "0.95" << "10" << "1" << false << "";
    QTest::newRow("the mode switch") << "0.3" << "4" << "1" << true << "";
    QTest::newRow("an Er with a comma") << "0.3" << "4" << "2,1" << false << "正しい値を入力してください：Ｅｒ";
    QTest::newRow("an empty S/D") << "" << "4" << "1" << false << "値を入力してください：ＳＤ";
}

void TestMainWindow::accuracyNoteGoesWithItsResult()
{
    QFETCH(QString, sd);
    QFETCH(QString, dd);
    QFETCH(QString, er);
    QFETCH(bool, switchMode);
    QFETCH(QString, message);
    fillBoxes({"0.3", "4", "1", "", ""});
    calculate();
    QVERIFY(FormMain->Label1->text().startsWith("精度注意"));
    const QString ze = FormMain->Edit4->text();
    fillBoxes({sd, dd, er, ze, FormMain->Edit5->text()});
    if (switchMode)
        FormMain->CalcZ1->trigger();
    else
        calculate();
    QCOMPARE(FormMain->Label1->text(), QString());
    QCOMPARE(FormMain->Label1->toolTip(), QString());
    if (!message.isEmpty()) {
        QCOMPARE(dialogs_->messageTexts(), QStringList(message));
        QCOMPARE(FormMain->Edit4->text(), ze);
    }
}

// In shape mode the note follows the count; an input error takes the note
// away and leaves the count of the shape still shown.
void TestMainWindow::shapeNoteGoesWithAnInputError()
{
    enterShapeMode();
    fillBoxes({"", "", "1", "103.31", "33.41"});
    calculate();
    const QString count = FormMain->Label1->text().section(' ', 0, 0);
    QVERIFY2(FormMain->Label1->text() == count + " 精度注意", qPrintable(FormMain->Label1->text()));
    const QString sd = FormMain->Edit1->text();
    FormMain->Edit3->setText("2,1");
    calculate();
    QCOMPARE(dialogs_->messageTexts(), QStringList("正しい値を入力してください：Ｅｒ"));
    QCOMPARE(FormMain->Label1->text(), count);
    QCOMPARE(FormMain->Label1->toolTip(), QString());
    QCOMPARE(FormMain->Edit1->text(), sd);
}

void TestMainWindow::impedanceForEr4IsHalf()
{
    FormSetting2->mDecimals = 5;
    calculate();
    const double ze1 = FormMain->Edit4->text().toDouble();
    const double zo1 = FormMain->Edit5->text().toDouble();
    QVERIFY(FormMain->Edit4->text().contains(QRegularExpression("\\.\\d{5}$")));
    FormMain->Edit3->setText("4");
    calculate();
    QVERIFY(std::abs(FormMain->Edit4->text().toDouble() - ze1 / 2) <= 0.000011);
    QVERIFY(std::abs(FormMain->Edit5->text().toDouble() - zo1 / 2) <= 0.000011);
    QVERIFY(std::abs(ze1 - 133.229) < 0.0005);
    QVERIFY(dialogs_->messageTexts().isEmpty());
}

void TestMainWindow::impedanceFailure_data()
{
    QTest::addColumn<QString>("sd");
    QTest::addColumn<QString>("dd");
    QTest::addColumn<QString>("er");
    QTest::addColumn<QString>("message");

    QTest::newRow("S/D above 0.9") << "0.95" << "10" << "1" << shown(kSdAboveLimitText);
    QTest::newRow("S/D 0") << "0" << "10" << "1" << shown(kSdNotPositiveText);
    QTest::newRow("D/d 2") << "0.5" << "2" << "1" << shown(kDdNotAboveTwoText);
    QTest::newRow("conductors touch") << "0.25" << "4" << "1" << shown(kCoresTooCloseText.japanese);
    QTest::newRow("conductor touches shield") << "0.75" << "4" << "1" << shown(kShieldTooSmallText.japanese);
    QTest::newRow("Er 0") << "0.5" << "10" << "0" << shown(kErNotPositiveText.japanese);
    QTest::newRow("Er negative") << "0.5" << "10" << "-2.25" << shown(kErNotPositiveText.japanese);
}

void TestMainWindow::impedanceFailure()
{
    QFETCH(QString, sd);
    QFETCH(QString, dd);
    QFETCH(QString, er);
    QFETCH(QString, message);
    fillBoxes({sd, dd, er, "1.000", "2.000"});
    FormMain->Label1->setText("before");
    QStringList resultsWhileShown;
    dialogs_->onMessage = [&] { resultsWhileShown << FormMain->Edit4->text() << FormMain->Edit5->text(); };
    calculate();
    QCOMPARE(dialogs_->messageTexts(), QStringList(message));
    QCOMPARE(resultsWhileShown, QStringList({"---", "---"}));
    QCOMPARE(FormMain->Label1->text(), QString("before"));
    for (const QString& result : {FormMain->Edit4->text(), FormMain->Edit5->text()})
        QVERIFY(!result.contains("nan") && !result.contains("inf"));

    // A good calculation after a failed one works again.
    fillBoxes({"0.5", "10", "1", "", ""});
    calculate();
    QCOMPARE(FormMain->Edit4->text(), QString("133.229"));
    QCOMPARE(FormMain->Edit5->text(), QString("107.426"));
}

void TestMainWindow::shapeRoundTrip_data()
{
    QTest::addColumn<QString>("er");
    QTest::addColumn<QString>("ze");
    QTest::addColumn<QString>("zo");
    QTest::addColumn<double>("sd"); // the known shape, or 0 when unknown
    QTest::addColumn<double>("dd");

    QTest::newRow("Er 1") << "1" << "133.229" << "107.426" << 0.5 << 10.0;
    QTest::newRow("Er 2.25") << "2.25" << "88.819" << "71.617" << 0.5 << 10.0;
    QTest::newRow("Er 4, 60/40") << "4" << "60" << "40" << 0.0 << 0.0;
}

// Shape mode finds a shape; impedance mode, fed with it, gives the wanted
// impedances back.
void TestMainWindow::shapeRoundTrip()
{
    QFETCH(QString, er);
    QFETCH(QString, ze);
    QFETCH(QString, zo);
    QFETCH(double, sd);
    QFETCH(double, dd);
    FormSetting2->mDecimals = 5;
    FormSetting2->mConvWidthIndex = 3;
    enterShapeMode();
    fillBoxes({"", "", er, ze, zo});
    calculate();
    QVERIFY2(dialogs_->messageTexts().isEmpty(), qPrintable(dialogs_->messageTexts().join('\n')));
    QVERIFY2(countOf(FormMain->Label1->text()) >= 1, qPrintable(FormMain->Label1->text()));
    QVERIFY(FormMain->Edit1->text().contains(QRegularExpression("^0\\.\\d{5}$")));
    if (sd > 0) {
        QVERIFY(std::abs(FormMain->Edit1->text().toDouble() - sd) < 0.001);
        QVERIFY(std::abs(FormMain->Edit2->text().toDouble() - dd) < 0.01);
    }

    FormMain->CalcZ1->trigger();
    calculate();
    QVERIFY(dialogs_->messageTexts().isEmpty());
    QVERIFY(std::abs(FormMain->Edit4->text().toDouble() - ze.toDouble()) < 0.005);
    QVERIFY(std::abs(FormMain->Edit5->text().toDouble() - zo.toDouble()) < 0.005);
}

void TestMainWindow::shapeFailure_data()
{
    QTest::addColumn<QString>("er");
    QTest::addColumn<QString>("ze");
    QTest::addColumn<QString>("zo");
    QTest::addColumn<QString>("message");

    QTest::newRow("Ze equal to Zo") << "1" << "100" << "100" << shown(kZeNotAboveZoText.japanese);
    QTest::newRow("start S/D above 0.9") << "1" << "100" << "99.5"
                                         << shown(kShapeSolvePrefix) + shown(kSdAboveLimitText);
    QTest::newRow("Er 0") << "0" << "100" << "50" << shown(kErNotPositiveText.japanese);
    QTest::newRow("Ze and Zo negative") << "1" << "-1" << "-2" << shown(kTargetsNotPositiveText.japanese);
}

void TestMainWindow::shapeFailure()
{
    QFETCH(QString, er);
    QFETCH(QString, ze);
    QFETCH(QString, zo);
    QFETCH(QString, message);
    enterShapeMode();
    fillBoxes({"0.5", "10", er, ze, zo});
    QStringList seenWhileShown;
    dialogs_->onMessage = [&] {
        seenWhileShown << FormMain->Edit1->text() << FormMain->Edit2->text() << FormMain->Label1->text();
    };
    calculate();
    QCOMPARE(dialogs_->messageTexts(), QStringList(message));
    QCOMPARE(seenWhileShown.mid(0, 2), QStringList({"---", "---"}));
    QVERIFY(seenWhileShown.at(2) != "計算出来ませんでした");
    QCOMPARE(FormMain->Label1->text(), QString("計算出来ませんでした"));
    QCOMPARE(FormMain->Edit4->text(), ze);
    QCOMPARE(FormMain->Edit5->text(), zo);
}

void TestMainWindow::shapeSuccessAfterFailure()
{
    enterShapeMode();
    fillBoxes({"", "", "1", "100", "100"});
    calculate();
    QCOMPARE(FormMain->Label1->text(), QString("計算出来ませんでした"));
    FormMain->Edit4->setText("133.229");
    FormMain->Edit5->setText("107.426");
    calculate();
    QCOMPARE(dialogs_->messageTexts().size(), 1);
    QCOMPARE(FormMain->Edit1->text(), QString("0.500"));
    QVERIFY(FormMain->Edit2->text().toDouble() > 9.9 && FormMain->Edit2->text().toDouble() < 10.1);
    QVERIFY(countOf(FormMain->Label1->text()) >= 1);
}

void TestMainWindow::writtenBoxesShowTheirStart_data()
{
    addModeAndBoxColumns();
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<QStringList>("tooLong"); // for their boxes, at five decimals

    QTest::newRow("Ze and Zo") << false << "0.5" << "10" << "1e-10" << "old" << "old" << QStringList{"Edit4", "Edit5"}
                               << QStringList{"Edit4", "Edit5"};
    QTest::newRow("impedance failure") << false << "0.95" << "10" << "1" << "old" << "old"
                                       << QStringList{"Edit4", "Edit5"} << QStringList();
    QTest::newRow("S/D and D/d") << true << "old" << "old" << "1" << "466" << "439" << QStringList{"Edit1", "Edit2"}
                                 << QStringList{"Edit2"};
    QTest::newRow("shape failure") << true << "old" << "old" << "1" << "100" << "100"
                                   << QStringList{"Edit1", "Edit2"} << QStringList();
}

// A result or "---" shows from its start: the end of a number longer than
// its box would read as another number.
void TestMainWindow::writtenBoxesShowTheirStart()
{
    QFETCH(QStringList, written);
    QFETCH(QStringList, tooLong);
    FormSetting2->mDecimals = 5;
    enterRow();
    calculate();
    for (const QString& name : written) {
        auto* box = FormMain->findChild<QLineEdit*>(name);
        QVERIFY2(box->text() != "old", qPrintable(name));
        QCOMPARE(box->cursorPosition(), 0);
    }
    for (const QString& name : tooLong) {
        auto* box = FormMain->findChild<QLineEdit*>(name);
        const QImage start = box->grab().toImage();
        box->end(false);
        QVERIFY2(box->grab().toImage() != start, qPrintable(name + " " + box->text() + " fits its box"));
    }
}

// The limit and the width are copied into the calculator at every click.
void TestMainWindow::shapeReadsSettingsEachTime()
{
    enterShapeMode();
    fillBoxes({"", "", "1", "133.229", "107.426"});
    FormSetting2->mConvWidthIndex = 0;
    calculate();
    const int coarseCount = countOf(FormMain->Label1->text());
    FormSetting2->mConvWidthIndex = 3;
    calculate();
    const int fineCount = countOf(FormMain->Label1->text());
    QVERIFY(dialogs_->messageTexts().isEmpty());
    QVERIFY2(coarseCount >= 1 && fineCount > coarseCount,
             qPrintable(QString("counts %1 and %2").arg(coarseCount).arg(fineCount)));

    FormSetting2->mIterLimit = fineCount - 2;
    calculate();
    QCOMPARE(dialogs_->messageTexts(), QStringList(shown(kCountOverText.japanese)));
    QCOMPARE(FormMain->Edit1->text(), QString("---"));

    FormSetting2->mIterLimit = 1000;
    calculate();
    QCOMPARE(dialogs_->messageTexts().size(), 1);
    QCOMPARE(countOf(FormMain->Label1->text()), fineCount);
}

// The solver asks for a repaint after each progress text. The window paints
// at once, without waiting for the event loop, but not more than about 60
// times a second: a repaint costs far more than a trial step. The start is
// painted, and the last count always is.
void TestMainWindow::shapeRepaintsWhileCounting()
{
    enterShapeMode();
    // A target this far out runs into the limit after 20,000 trials.
    fillBoxes({"", "", "9.22", "398.859", "56.217"});
    FormSetting2->mConvWidthIndex = 3;
    FormSetting2->mIterLimit = 20000;
    QCoreApplication::processEvents();
    PaintRecorder recorder(FormMain->Label1);
    FormMain->CalcBtn->click(); // runs to its end without an event loop
    QCOMPARE(dialogs_->messageTexts(), QStringList(shown(kCountOverText.japanese)));
    QVERIFY(!recorder.painted.isEmpty());
    QCOMPARE(recorder.painted.first(), shown(kCalculatingStartText.japanese));
    QCOMPARE(recorder.painted.last(), shown(kCountCaption.japanese) + "20001");
    QVERIFY2(recorder.painted.size() < 2000, qPrintable(QString::number(recorder.painted.size()) + " paints"));
}

void TestMainWindow::traceFile_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<int>("queries");
    QTest::addColumn<bool>("written");

    QTest::newRow("option off") << 0 << true << 0 << false;
    QTest::newRow("option on, cancelled") << 1 << false << 1 << false;
    QTest::newRow("option on, file chosen") << 1 << true << 1 << true;
}

void TestMainWindow::traceFile()
{
    QFETCH(int, option);
    QFETCH(bool, confirm);
    QFETCH(int, queries);
    QFETCH(bool, written);
    QTemporaryDir dir;
    const QString path = dir.filePath("trace.txt");
    FormSetting2->mTraceOption = static_cast<unsigned char>(option);
    if (confirm)
        dialogs_->saveAnswer = path;
    enterShapeMode();
    fillBoxes({"", "", "1", "133.229", "107.426"});
    calculate();
    QVERIFY(dialogs_->messageTexts().isEmpty());
    QVERIFY(countOf(FormMain->Label1->text()) >= 1);
    QCOMPARE(dialogs_->saveQueries, queries);
    QCOMPARE(QFile::exists(path), written);
    if (written) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray firstLine = file.readLine();
        QVERIFY(firstLine.startsWith("mZeE=") && firstLine.contains("133.22900"));

        // The switch goes off again with the option.
        QVERIFY(QFile::remove(path));
        FormSetting2->mTraceOption = 0;
        calculate();
        QVERIFY(!QFile::exists(path));
        QCOMPARE(dialogs_->saveQueries, queries);
    }
}

// A locale with a decimal comma changes neither input nor display.
void TestMainWindow::commaLocale()
{
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        QSKIP("de_DE.UTF-8 is not generated here");
    const QLocale savedDefault;
    QLocale::setDefault(QLocale(QLocale::German));

    calculate();
    const Boxes impedance = readBoxes();
    FormMain->Edit1->setText("0,5");
    calculate();

    QLocale::setDefault(savedDefault);
    std::setlocale(LC_ALL, saved.c_str());
    QCOMPARE(impedance.ze, QString("133.229"));
    QCOMPARE(impedance.zo, QString("107.426"));
    QCOMPARE(dialogs_->messageTexts(), QStringList("正しい値を入力してください：ＳＤ"));
}

void TestMainWindow::otherWindows_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("window");

    QTest::newRow("settings button") << "OptionBtn" << "FormSetting2";
    QTest::newRow("help button") << "HelpBtn" << "FormInfo";
    QTest::newRow("help menu item") << "N1" << "FormInfo";
    QTest::newRow("version menu item") << "About1" << "FormVersion";
}

// Each window opens modally, and afterwards the main window has the
// keyboard focus again.
void TestMainWindow::otherWindows()
{
    QFETCH(QString, trigger);
    QFETCH(QString, window);
    QString opened;
    for (int time = 0; time < 2; ++time) {
        watchdog_->expect([&](QWidget& modal) {
            opened = modal.objectName();
            QVERIFY(modal.isModal());
            modal.close();
        });
        if (auto* button = FormMain->findChild<QPushButton*>(trigger)) {
            button->setFocus();
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            FormMain->findChild<QAction*>(trigger)->trigger();
        }
        QCOMPARE(opened, window);
        QTRY_VERIFY(FormMain->isActiveWindow());
        QVERIFY(FormMain->isAncestorOf(QApplication::focusWidget()));
    }
}

void TestMainWindow::settingsShownWhereItWasLeft()
{
    FormMain->move(150, 120);
    QPoint firstAt;
    QPoint movedTo;
    watchdog_->expect([&](QWidget& modal) {
        QCOMPARE(&modal, static_cast<QWidget*>(FormSetting2));
        const QPoint offCentre = modal.frameGeometry().center() - FormMain->frameGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 20, "not centred on the main window");
        QVERIFY(!FormSetting2->CheckBox1->isEnabled());
        firstAt = modal.pos();
        movedTo = firstAt + QPoint(40, 30);
        modal.move(movedTo);
        QTest::mouseClick(FormSetting2->SetBtn, Qt::LeftButton);
    });
    QTest::mouseClick(FormMain->OptionBtn, Qt::LeftButton);
    QVERIFY(!firstAt.isNull());

    FormMain->move(300, 200);
    QPoint secondAt;
    watchdog_->expect([&](QWidget& modal) {
        secondAt = modal.pos();
        QTest::mouseClick(FormSetting2->CancelBtn, Qt::LeftButton);
    });
    QTest::mouseClick(FormMain->OptionBtn, Qt::LeftButton);
    QCOMPARE(secondAt, movedTo);
    QTRY_VERIFY(FormMain->isActiveWindow());
}

// The settings dialog of the run shows its error through the run's dialogs.
void TestMainWindow::settingsErrorThroughTheRunsDialogs()
{
    watchdog_->expect([&](QWidget& modal) {
        QCOMPARE(&modal, static_cast<QWidget*>(FormSetting2));
        FormSetting2->Edit1->setText("abc");
        QTest::mouseClick(FormSetting2->SetBtn, Qt::LeftButton);
        QVERIFY(FormSetting2->isVisible());
        QTest::mouseClick(FormSetting2->CancelBtn, Qt::LeftButton);
    });
    QTest::mouseClick(FormMain->OptionBtn, Qt::LeftButton);
    QCOMPARE(dialogs_->messageTexts(), QStringList("'abc' は整数ではありません."));
}

void TestMainWindow::quit_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::newRow("quit button") << "QuitBtn";
    QTest::newRow("exit menu item") << "Exit1";
}

void TestMainWindow::quit()
{
    QFETCH(QString, trigger);
    if (auto* button = FormMain->findChild<QPushButton*>(trigger))
        QTest::mouseClick(button, Qt::LeftButton);
    else
        FormMain->findChild<QAction*>(trigger)->trigger();
    QVERIFY(!FormMain->isVisible());
}

// The running program's message box and file-save dialog.
void TestMainWindow::realDialogs()
{
    forms_.reset(); // before the new windows take the globals
    forms_ = std::make_unique<FormsFixture>(realDialogs_);
    FormMain->Edit1->clear();
    watchdog_->expect([](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QString("Duvane"));
        QCOMPARE(box->text(), QString("値を入力してください：ＳＤ"));
        QCOMPARE(box->buttons().size(), 1);
        QVERIFY(box->button(QMessageBox::Ok));
        box->button(QMessageBox::Ok)->click();
    });
    calculate();

    QTemporaryDir dir;
    const QString path = dir.filePath("chosen.txt");
    watchdog_->expect([&](QWidget& modal) {
        QCOMPARE(&modal, static_cast<QWidget*>(FormMain->SaveDialog1));
        modal.close();
    });
    watchdog_->expect([&](QWidget& modal) {
        auto* dialog = qobject_cast<QFileDialog*>(&modal);
        QVERIFY(dialog);
        auto* nameBox = dialog->findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(nameBox);
        nameBox->setText(path);
        QTest::keyClick(nameBox, Qt::Key_Return);
    });
    QString fileName = "untouched";
    QVERIFY(!realDialogs_.askSaveFileName(*FormMain->SaveDialog1, fileName));
    QCOMPARE(fileName, QString("untouched"));
    QVERIFY(realDialogs_.askSaveFileName(*FormMain->SaveDialog1, fileName));
    QCOMPARE(fileName, path);
}

DUVANE_UI_TEST_MAIN(TestMainWindow)

#include "test_main_window.moc"
