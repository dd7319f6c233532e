// A monkey for the windows: a seeded random walk of user actions through the
// real windows, checking after every action that they still agree with
// themselves and with the calculator.
//
// The seed and the number of actions come from the environment, so that a
// reported failure can be replayed and a longer walk run by hand:
//
//   DUVANE_MONKEY_SEED=12345 DUVANE_MONKEY_ACTIONS=200000 QT_QPA_PLATFORM=offscreen build/tests/ui/test_monkey
//
// Without them CI walks the same kDefaultActions steps from kDefaultSeed every
// time. A failure names its seed, the action it happened at and the actions
// before it; the same seed replays the same actions.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <random>

#include "AccuracyNote.h"
#include "Colours.h"
#include "commands/FiveChargeDeviation.h"
#include "commands/Impedances.h"
#include "field/ConvergedSolver.h"
#include "fivecharge/Qol_math1.h"
#include "fivecharge/Qol_math2.h"
#include "DesignerMonkey.h"
#include "FormsFixture.h"
#include "Info.h"
#include "MonkeyRandom.h"
#include "NumberText.h"
#include "Setting2.h"
#include "SolverTexts.h"
#include "UiTestSupport.h"
#include "Version.h"

namespace {

constexpr std::uint64_t kDefaultSeed = 20240617;
constexpr std::uint64_t kDefaultActions = 20000;
// Enough of the walk to see how the windows got where they broke.
constexpr std::size_t kLogLength = 16;
// The modal windows are answered as soon as their event loop runs: thousands
// of them open in one walk, and the usual 20 ms each would be most of its time.
constexpr int kWatchdogIntervalMs = 0;
// A settings session ends by Cancel or the close box after this many steps.
constexpr int kMaxSettingsSteps = 8;

// A shape solve that cannot reach its target runs until the iteration limit:
// seconds at a limit of millions. The limits the monkey sets are mostly small,
// so that running into them is common, but every kind of limit text reaches
// the dialog and is Set, the largest 32-bit number among them. The walk stays
// short because the calculate action solves first on a fresh calculator with
// the limit capped at kLongestSolve trials; where the window's limit is higher
// and that capped solve ran into the cap, it does not click, since the window
// would run on past it. So no solve in the window is longer than kLongestSolve
// trials, and below the cap a solve does exactly what it would without it.
constexpr int kLongestSolve = 3000;

const QString kParameters = QStringLiteral("パラメータ");
const QString kResults = QStringLiteral("計算結果");
const QString kNoValue = QStringLiteral("---");

// What a key does to the text of an editable box, as a user expects it.
enum class Effect {
    Type,              // inserts its text over the selection
    Backspace,
    Delete,
    Cut,               // removes the selection
    Paste,             // inserts the clipboard over the selection
    PasteUnlessFiltered, // Ctrl+V types a control character, which the filter discards
    ControlCharacter,  // a Ctrl or Alt chord the filter discards; what a plain box makes of it is Qt's business
    Nothing,           // moves, selects, copies, or is not for a box at all
    Unknown,           // undo and redo: not modelled
};

struct Key {
    Qt::Key code;
    Qt::KeyboardModifiers modifiers;
    QString text;  // what a keyboard sends with it
    Effect effect;
    QString name;
};

struct NamedKey {
    const char* name;
    Qt::Key code;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    Effect effect;
};

const NamedKey kSpecialKeys[] = {
    {"Backspace", Qt::Key_Backspace, Qt::NoModifier, "\b", Effect::Backspace},
    {"Delete", Qt::Key_Delete, Qt::NoModifier, "\x7f", Effect::Delete},
    {"Return", Qt::Key_Return, Qt::NoModifier, "\r", Effect::Nothing},
    {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, "\r", Effect::Nothing},
    {"Escape", Qt::Key_Escape, Qt::NoModifier, "\x1b", Effect::Nothing},
    {"Tab", Qt::Key_Tab, Qt::NoModifier, "\t", Effect::Nothing},
    {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, "", Effect::Nothing},
    {"Left", Qt::Key_Left, Qt::NoModifier, "", Effect::Nothing},
    {"Right", Qt::Key_Right, Qt::NoModifier, "", Effect::Nothing},
    {"Home", Qt::Key_Home, Qt::NoModifier, "", Effect::Nothing},
    {"End", Qt::Key_End, Qt::NoModifier, "", Effect::Nothing},
    {"Shift+Left", Qt::Key_Left, Qt::ShiftModifier, "", Effect::Nothing},
    {"Shift+Right", Qt::Key_Right, Qt::ShiftModifier, "", Effect::Nothing},
    {"Shift+Home", Qt::Key_Home, Qt::ShiftModifier, "", Effect::Nothing},
    {"Shift+End", Qt::Key_End, Qt::ShiftModifier, "", Effect::Nothing},
    {"Ctrl+A", Qt::Key_A, Qt::ControlModifier, "\x01", Effect::Nothing},
    {"Ctrl+C", Qt::Key_C, Qt::ControlModifier, "\x03", Effect::Nothing},
    {"Ctrl+Insert", Qt::Key_Insert, Qt::ControlModifier, "", Effect::Nothing},
    {"Ctrl+X", Qt::Key_X, Qt::ControlModifier, "\x18", Effect::Cut},
    {"Shift+Delete", Qt::Key_Delete, Qt::ShiftModifier, "\x7f", Effect::Cut},
    {"Ctrl+V", Qt::Key_V, Qt::ControlModifier, "\x16", Effect::PasteUnlessFiltered},
    {"Shift+Insert", Qt::Key_Insert, Qt::ShiftModifier, "", Effect::Paste},
    {"Ctrl+Z", Qt::Key_Z, Qt::ControlModifier, "\x1a", Effect::Unknown},
    {"Ctrl+Y", Qt::Key_Y, Qt::ControlModifier, "\x19", Effect::Unknown},
    {"Ctrl+Shift+Z", Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "\x1a", Effect::Unknown},
    {"Ctrl+B", Qt::Key_B, Qt::ControlModifier, "\x02", Effect::ControlCharacter},
    {"Ctrl+D", Qt::Key_D, Qt::ControlModifier, "\x04", Effect::ControlCharacter},
    {"Ctrl+E", Qt::Key_E, Qt::ControlModifier, "\x05", Effect::ControlCharacter},
    {"Ctrl+K", Qt::Key_K, Qt::ControlModifier, "\x0b", Effect::ControlCharacter},
    {"Ctrl+U", Qt::Key_U, Qt::ControlModifier, "\x15", Effect::ControlCharacter},
    {"Alt+E", Qt::Key_E, Qt::AltModifier, "e", Effect::ControlCharacter},
    {"Alt+5", Qt::Key_5, Qt::AltModifier, "5", Effect::Unknown},
};

Key namedKey(const NamedKey& key)
{
    return {key.code, key.modifiers, QString::fromLatin1(key.text), key.effect, QString::fromLatin1(key.name)};
}

Key specialKey(const char* name)
{
    const auto* found = std::find_if(std::begin(kSpecialKeys), std::end(kSpecialKeys),
                                     [&](const NamedKey& key) { return qstrcmp(key.name, name) == 0; });
    Q_ASSERT(found != std::end(kSpecialKeys));
    return namedKey(*found);
}

// The key that types `c` on a keyboard: its own key for ASCII, for anything
// else the text of a key Qt does not know, as an input method sends it.
Key characterKey(const QString& c)
{
    const QChar first = c.at(0);
    if (c.size() == 1 && first.unicode() > 0x20 && first.unicode() < 0x7f) {
        const auto code = static_cast<Qt::Key>(first.toUpper().unicode());
        const Qt::KeyboardModifiers modifiers = first.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
        return {code, modifiers, c, Effect::Type, "'" + c + "'"};
    }
    if (c == QLatin1String(" "))
        return {Qt::Key_Space, Qt::NoModifier, c, Effect::Type, QStringLiteral("Space")};
    return {Qt::Key_unknown, Qt::NoModifier, c, Effect::Type, "'" + c + "'"};
}

QString fromCodePoint(uint c)
{
    const char32_t codePoint = c;
    return QString::fromUcs4(&codePoint, 1);
}

void sendKey(QWidget* target, const Key& key)
{
    QTest::sendKeyEvent(QTest::Click, target, key.code, key.text, key.modifiers);
}

// For the log and the failure report: quoted, control characters escaped,
// long texts cut.
QString quoted(const QString& text)
{
    constexpr int kShown = 48;
    QString shown;
    for (QChar c : text.left(kShown))
        shown += c.isPrint() ? QString(c) : QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
    if (text.size() > kShown)
        shown += QStringLiteral("…(%1 characters)").arg(text.size());
    return '"' + shown + '"';
}

// No control characters.
bool printable(const QString& text)
{
    const QList<uint> codePoints = text.toUcs4();
    return std::all_of(codePoints.begin(), codePoints.end(), [](uint c) { return QChar::isPrint(char32_t(c)); });
}

// Digits and the point: the only characters the filter lets through.
bool passesFilter(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return (c >= '0' && c <= '9') || c == '.'; });
}

bool spellsNonNumber(const QString& text)
{
    return text.contains(QLatin1String("nan"), Qt::CaseInsensitive) ||
           text.contains(QLatin1String("inf"), Qt::CaseInsensitive);
}

// The box's text with `inserted` over its selection or at its cursor; none
// where it would pass the box's length limit.
std::optional<QString> withInsertion(const QLineEdit& box, const QString& inserted)
{
    const bool selection = box.hasSelectedText();
    const int start = selection ? box.selectionStart() : box.cursorPosition();
    QString text = box.text();
    text.replace(start, selection ? box.selectionLength() : 0, inserted);
    if (text.size() > box.maxLength())
        return std::nullopt;
    return text;
}

// What `key` leaves in `box`, or none where the model does not say.
// `filtered`: a box with the key filter (all but Er).
std::optional<QString> textAfterKey(const QLineEdit& box, bool filtered, const Key& key)
{
    const QString text = box.text();
    if (box.isReadOnly())
        return text;
    const QString clipboard = QApplication::clipboard()->text();
    const int at = box.cursorPosition();
    switch (key.effect) {
    case Effect::Nothing:
        return text;
    case Effect::Type:
        if (filtered)
            return passesFilter(key.text) ? withInsertion(box, key.text) : text;
        return key.text.size() == 1 && key.text.at(0).isPrint() ? withInsertion(box, key.text) : std::nullopt;
    case Effect::ControlCharacter:
        return filtered ? std::optional(text) : std::nullopt;
    case Effect::Backspace:
        if (box.hasSelectedText())
            return withInsertion(box, QString());
        if (at == 0)
            return text;
        if (text.at(at - 1).isSurrogate())
            return std::nullopt;
        return QString(text).remove(at - 1, 1);
    case Effect::Delete:
        if (box.hasSelectedText())
            return withInsertion(box, QString());
        if (at == text.size())
            return text;
        // Delete takes a whole grapheme: only plain characters are modelled.
        if (!printable(text.mid(at, 2)) || text.at(at).isSurrogate() ||
            (at + 1 < text.size() && (text.at(at + 1).isSurrogate() || text.at(at + 1).isMark())))
            return std::nullopt;
        return QString(text).remove(at, 1);
    case Effect::Cut:
        return box.hasSelectedText() ? withInsertion(box, QString()) : text;
    case Effect::PasteUnlessFiltered:
        if (filtered)
            return text;
        [[fallthrough]];
    case Effect::Paste:
        return withInsertion(box, clipboard);
    case Effect::Unknown:
        break;
    }
    return std::nullopt;
}

// The five boxes: S/D, D/d, Er, Ze, Zo.
constexpr int kBoxCount = 5;
constexpr int kErBox = 2;
constexpr const char* kBoxNames[kBoxCount] = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5"};

QLineEdit* box(int index)
{
    QLineEdit* const boxes[kBoxCount] = {FormMain->Edit1, FormMain->Edit2, FormMain->Edit3, FormMain->Edit4,
                                         FormMain->Edit5};
    return boxes[index];
}

bool isInput(int index, bool shape)
{
    return index == kErBox || (shape ? index >= 3 : index <= 1);
}

std::array<int, 2> resultBoxes(bool shape)
{
    return shape ? std::array{0, 1} : std::array{3, 4};
}

// The boxes a calculation reads, in the order it checks them, with the name
// its message gives each.
struct CalcInput {
    int box;
    const char* suffix;
};
constexpr CalcInput kImpedanceInputs[] = {{0, "：ＳＤ"}, {1, "：Ｄｄ"}, {2, "：Ｅｒ"}};
constexpr CalcInput kShapeInputs[] = {{2, "：Ｅｒ"}, {3, "：Ｚｅ"}, {4, "：Ｚｏ"}};

// Ranges a person would type into each box, and values at and past the
// edges of what the calculator takes.
struct BoxValues {
    double low;
    double high;
    const char* edges[8];
};
const BoxValues kBoxValues[kBoxCount] = {
    {0.02, 0.95, {"0", "0.9", "0.95", "1", "0.25", "0.75", "0.0001", "0.90000000001"}},
    {1.5, 30, {"2", "2.0001", "4", "1", "100", "1000000000000000000000", "1e6", "0.5"}},
    {1, 10, {"0", "1", "2.25", "-1", "1e-300", "1e300", "4.9e-324", " 4E0 "}},
    {20, 300, {"0", "100", "133.229", "1e5", "0.001", "99999", "-50", "50"}},
    {10, 200, {"0", "100", "107.426", "1e5", "0.001", "99999", "-25", "49.99"}},
};

// Characters of no number, and of some that look like one.
const char* const kJunk[] = {"a", "e", "E", "x", "Z", "+", "-", ",", " ", "%", "$", "_", "/", "é", "あ",
                             "５", "−", "．", "½", "٣", "😀", "0", "5", "9", "."};

// Texts to paste that a parser must refuse or take with care.
const char* const kTrickyTexts[] = {
    "nan", "NaN", "inf", "-inf", "Infinity", "1e999", "-1e999", "1e-999", "0x10", "0,5", "1,000", "５", "٣",
    "0.5abc", "", "   ", "+", "-", ".", "..", "1..2", "1e", "e5", "1\t2", "1\n2", "0.5\n", "😀", "∞",
    "1e308", "-0", "+.5", "5.", "4.9e-324", "2.2250738585072014e-308", "1.7976931348623157e308", " 0.5 ",
};

// A limit text, and the limit it stands for; none for a text that is no number.
struct LimitText {
    QString text;
    std::optional<std::int32_t> value;
};

struct Settings {
    int decimals;
    int widthIndex;
    double width;
    int limit;
    int trace;
};

// What the windows should show now. Every action says what it changes; the
// check after it compares all of it with the windows.
struct Model {
    bool shape = false;
    std::array<QString, kBoxCount> texts;
    // The monkey typed or pasted the text, which may spell "nan" itself.
    std::array<bool, kBoxCount> typed{};
    QString status;
    QString statusTip;
    QString statusWithoutNote;  // Label1's text once a note on accuracy goes
    Settings settings{};
    LimitText limit;
    std::size_t messages = 0;
};

// What one click of the calculate button should do.
struct Outcome {
    QString message{};                                // empty: none
    std::optional<std::array<QString, 2>> results{};  // into the result boxes
    std::optional<std::array<QString, 2>> status{};   // Label1's text and tool tip
    QString statusWithoutNote{};                      // what Label1 shows once its note goes
    bool tooLong = false;                             // a solve the walk does not run
};

// QTest warns of every key press that no widget accepted, which here is most
// keys the filter drops and every Enter: thousands of lines that would bury a
// real warning.
class QuietUnacceptedKeys {
public:
    QuietUnacceptedKeys() { previous_ = qInstallMessageHandler(&handle); }
    ~QuietUnacceptedKeys() { qInstallMessageHandler(previous_); }
    QuietUnacceptedKeys(const QuietUnacceptedKeys&) = delete;
    QuietUnacceptedKeys& operator=(const QuietUnacceptedKeys&) = delete;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (type == QtWarningMsg && text == QLatin1String("Keyboard event not accepted by receiving widget"))
            return;
        previous_(type, context, text);
    }

    static inline QtMessageHandler previous_ = nullptr;
};

class Monkey {
public:
    Monkey(std::uint64_t seed, std::uint64_t actions, FakeDialogs& dialogs)
        : seed_(seed),
          total_(actions),
          random_(seed),
          dialogs_(dialogs),
          watchdog_(kWatchdogIntervalMs),
          designer_(
              random_, [this](const QString& what) { begin(what); }, [this](const QString& what) { fail(what); },
              [this](const QString& what) { count(what); })
    {
        dialogs_.onMessage = [this] {
            for (int i = 0; i < kBoxCount; ++i)
                atMessage_[i] = box(i)->text();
        };
    }

    // How often each outcome came up: evidence that the walk reaches what it
    // checks.
    QString tally() const
    {
        QStringList counts;
        for (const auto& [what, count] : tally_)
            counts << QStringLiteral("%1 %2").arg(what).arg(count);
        return counts.join(QStringLiteral(", "));
    }

    // Walks, then quits; the failure report, or empty.
    QString run()
    {
        start();
        while (number_ < total_ && ok())
            mainAction();
        if (ok())
            quit();
        if (ok())
            return {};
        if (failure_.isEmpty())
            failure_ = QStringLiteral("the watchdog closed a modal window nobody expected (see above)");
        return report();
    }

private:
    // --- Bookkeeping -----------------------------------------------------

    bool ok() const { return failure_.isEmpty() && !QTest::currentTestFailed(); }

    void begin(const QString& what)
    {
        ++number_;
        log_.push_back(QStringLiteral("#%1 %2").arg(number_).arg(what));
        if (log_.size() > kLogLength)
            log_.pop_front();
    }

    void count(const QString& what) { ++tally_[what]; }

    void fail(const QString& what)
    {
        if (failure_.isEmpty())
            failure_ = what;
    }

    void compare(const QString& actual, const QString& expected, const QString& what)
    {
        if (actual != expected)
            fail(QStringLiteral("%1 is %2, expected %3").arg(what, quoted(actual), quoted(expected)));
    }

    QString report() const
    {
        QString text = QStringLiteral("monkey seed %1, action #%2 of %3: %4\nlast actions:")
                           .arg(seed_)
                           .arg(number_)
                           .arg(total_)
                           .arg(failure_);
        for (const QString& entry : log_)
            text += "\n  " + entry;
        text += QStringLiteral("\nreplay: DUVANE_MONKEY_SEED=%1 DUVANE_MONKEY_ACTIONS=%2 test_monkey")
                    .arg(seed_)
                    .arg(number_);
        return text;
    }

    // --- The whole picture after every action ----------------------------

    void start()
    {
        for (int i = 0; i < kBoxCount; ++i)
            model_.texts[i] = box(i)->text();
        model_.status = FormMain->Label1->text();
        model_.statusTip = FormMain->Label1->toolTip();
        const TFormSetting2& settings = *FormSetting2;
        model_.settings = {settings.mDecimals, settings.mConvWidthIndex, settings.GetConvWidth(),
                           settings.mIterLimit, settings.mTraceOption};
        model_.limit = {settings.Edit1->text(), settings.mIterLimit};
        newTarget();
        checkWindows(nullptr);
    }

    // `modal`: the window that should be open over the main window, if any.
    void checkWindows(const QWidget* modal)
    {
        if (!FormMain->isVisible())
            fail(QStringLiteral("the main window closed"));
        if (QApplication::activeModalWidget() != modal)
            fail(QStringLiteral("the modal window is %1, expected %2")
                     .arg(QApplication::activeModalWidget() ? QApplication::activeModalWidget()->objectName()
                                                           : QStringLiteral("none"),
                          modal ? modal->objectName() : QStringLiteral("none")));
        for (const QWidget* window : {static_cast<QWidget*>(FormSetting2), static_cast<QWidget*>(FormInfo),
                                      static_cast<QWidget*>(FormVersion)}) {
            if (window->isVisible() != (window == modal))
                fail(window->objectName() + (window->isVisible() ? " is open" : " is closed"));
        }
        checkMode();
        for (int i = 0; i < kBoxCount; ++i) {
            const QString text = box(i)->text();
            compare(text, model_.texts[i], QString::fromLatin1(kBoxNames[i]));
            if (!model_.typed[i] && spellsNonNumber(text))
                fail(QStringLiteral("%1 shows %2").arg(kBoxNames[i], quoted(text)));
        }
        compare(FormMain->Label1->text(), model_.status, QStringLiteral("Label1"));
        compare(FormMain->Label1->toolTip(), model_.statusTip, QStringLiteral("Label1's tool tip"));
        for (const QString& text : {FormMain->Label1->text(), FormMain->Label1->toolTip()}) {
            if (spellsNonNumber(text))
                fail(QStringLiteral("Label1 shows %1").arg(quoted(text)));
        }
        checkSettings();
        if (dialogs_.messages.size() != model_.messages)
            fail(QStringLiteral("%1 messages, expected %2; the last: %3")
                     .arg(dialogs_.messages.size())
                     .arg(model_.messages)
                     .arg(dialogs_.messages.empty() ? QStringLiteral("none") : quoted(dialogs_.messages.back().text)));
    }

    // The check marks, the captions, the read-only flags and the colours all
    // tell the mode the walk chose last.
    void checkMode()
    {
        const bool shape = model_.shape;
        const QString mode = shape ? QStringLiteral("shape mode") : QStringLiteral("impedance mode");
        if (FormMain->Shape1->isChecked() != shape || FormMain->CalcZ1->isChecked() == shape)
            fail(QStringLiteral("in %1 the check marks are CalcZ1 %2, Shape1 %3")
                     .arg(mode)
                     .arg(FormMain->CalcZ1->isChecked())
                     .arg(FormMain->Shape1->isChecked()));
        compare(FormMain->GroupBox1->title(), shape ? kResults : kParameters, "GroupBox1's title in " + mode);
        compare(FormMain->GroupBox2->title(), shape ? kParameters : kResults, "GroupBox2's title in " + mode);
        const QPalette& system = QApplication::palette();
        for (int i = 0; i < kBoxCount; ++i) {
            const bool input = isInput(i, shape);
            if (box(i)->isReadOnly() == input)
                fail(QStringLiteral("%1 is %2 in %3").arg(kBoxNames[i], input ? "read-only" : "editable", mode));
            const QColor wanted = input ? system.color(QPalette::Base) : menuColour(system);
            const QColor shown = box(i)->palette().color(QPalette::Base);
            if (shown != wanted)
                fail(QStringLiteral("%1 is coloured %2 in %3, expected %4")
                         .arg(kBoxNames[i], shown.name(), mode, wanted.name()));
        }
    }

    void checkSettings()
    {
        const TFormSetting2& dialog = *FormSetting2;
        const Settings& wanted = model_.settings;
        if (dialog.mDecimals != wanted.decimals || dialog.mConvWidthIndex != wanted.widthIndex ||
            dialog.GetConvWidth() != wanted.width || dialog.mIterLimit != wanted.limit ||
            dialog.mTraceOption != wanted.trace)
            fail(QStringLiteral("the settings are decimals %1, width %2 (%3), limit %4, trace %5; expected %6, %7 "
                                "(%8), %9, %10")
                     .arg(dialog.mDecimals)
                     .arg(dialog.mConvWidthIndex)
                     .arg(dialog.GetConvWidth())
                     .arg(dialog.mIterLimit)
                     .arg(dialog.mTraceOption)
                     .arg(wanted.decimals)
                     .arg(wanted.widthIndex)
                     .arg(wanted.width)
                     .arg(wanted.limit)
                     .arg(wanted.trace));
    }

    void checkLastMessage(const QString& text, QMessageBox::Icon icon)
    {
        if (dialogs_.messages.empty())
            return fail(QStringLiteral("no message, expected %1").arg(quoted(text)));
        compare(dialogs_.messages.back().text, text, QStringLiteral("the message"));
        if (dialogs_.messages.back().icon != icon)
            fail(QStringLiteral("the message's icon is %1, expected %2").arg(dialogs_.messages.back().icon).arg(icon));
    }

    // --- The main window -------------------------------------------------

    void mainAction()
    {
        static constexpr struct {
            int weight;
            void (Monkey::*run)();
        } kActions[] = {
            {30, &Monkey::pressKey},      {16, &Monkey::typeOver},        {6, &Monkey::paste},
            {4, &Monkey::clickInBox},     {12, &Monkey::calculate},       {6, &Monkey::enterCase},
            {8, &Monkey::switchMode},     {6, &Monkey::openSettings},     {2, &Monkey::openCrossSection},
            {2, &Monkey::openAbout},      {1, &Monkey::useDesigner},
        };
        (this->*random_.pickWeighted(kActions).run)();
    }

    // Digits and points most often, as a user types; else any key at all.
    Key randomKey()
    {
        const int roll = random_.below(100);
        const QString digit(QChar('0' + random_.below(10)));
        if (roll < 30)
            return characterKey(digit);
        if (roll < 38)
            return characterKey(QStringLiteral("."));
        if (roll < 52)
            return characterKey(QString::fromUtf8(random_.pick(kJunk)));
        if (roll < 60)
            return {static_cast<Qt::Key>(Qt::Key_0 + digit.toInt()), Qt::KeypadModifier, digit, Effect::Type,
                    "keypad " + digit};
        return namedKey(random_.pick(kSpecialKeys));
    }

    // Focuses the box as a click or Tab would and sends `key`.
    void typeKey(int index, const Key& key)
    {
        QLineEdit* target = box(index);
        target->setFocus();
        edit(index, textAfterKey(*target, index != kErBox, key), [&] { sendKey(target, key); });
    }

    // Edits box `index` by `act`; the model takes what should be left there,
    // or where that is not modelled what is.
    void edit(int index, const std::optional<QString>& expected, const std::function<void()>& act)
    {
        const QString before = box(index)->text();
        act();
        model_.texts[index] = expected.value_or(box(index)->text());
        model_.typed[index] = model_.typed[index] || box(index)->text() != before;
        if (!expected)
            count(QStringLiteral("unmodelled edits"));
    }

    // Mostly a box the current mode reads, as a user types there most.
    int someBox()
    {
        if (random_.percent(30))
            return random_.below(kBoxCount);
        const auto& inputs = model_.shape ? kShapeInputs : kImpedanceInputs;
        return random_.pick(inputs).box;
    }

    void pressKey()
    {
        const int index = someBox();
        const Key key = randomKey();
        begin(QStringLiteral("key %1 into %2").arg(key.name, kBoxNames[index]));
        typeKey(index, key);
        checkWindows(nullptr);
    }

    // Selects all (most times) and types a text a person might enter there.
    void typeOver()
    {
        const int index = someBox();
        typeInto(index, typedText(index), random_.percent(75));
    }

    // A whole case as a user enters it: numbers in the usual ranges in the
    // three boxes the mode reads, then the calculation. Some shapes have a
    // gap of a few hundredths of a core radius or less, where the notes on
    // accuracy speak up.
    void enterCase()
    {
        const auto& inputs = model_.shape ? kShapeInputs : kImpedanceInputs;
        if (model_.shape)
            newTarget();
        std::array<QString, kBoxCount> texts;
        for (int index = 0; index < kBoxCount; ++index) {
            const BoxValues& values = kBoxValues[index];
            texts[index] = number(random_.real(values.low, index == kErBox ? 4 : values.high));
        }
        texts[3] = number(targetZe_);
        texts[4] = number(targetZo_);
        if (!model_.shape && random_.percent(25)) {
            const double dd = random_.real(2.5, 20);
            const double gap = random_.real(0.001, 0.05);
            const double sd = random_.percent(50) ? (1 + gap) / dd : 1 - (1 + gap) / dd;
            texts[0] = QString::number(sd, 'f', 6);
            texts[1] = QString::number(dd, 'f', 3);
        }
        for (const CalcInput& input : inputs) {
            typeInto(input.box, texts[input.box], true);
            if (!ok())
                return;
        }
        calculate();
    }

    void typeInto(int index, const QString& text, bool selectAll)
    {
        begin(QStringLiteral("%1 %2 into %3").arg(selectAll ? "select all, type" : "type", quoted(text),
                                                  kBoxNames[index]));
        if (selectAll)
            typeKey(index, specialKey("Ctrl+A"));
        const QList<uint> characters = text.toUcs4();
        for (uint c : characters) {
            typeKey(index, characterKey(fromCodePoint(c)));
            checkWindows(nullptr);
            if (!ok())
                return;
        }
        checkWindows(nullptr);
    }

    void paste()
    {
        const int index = random_.below(kBoxCount);
        const QString text = pasteText();
        static const char* const kWays[] = {"Shift+Insert", "Ctrl+V", "the context menu"};
        const char* way = random_.pick(kWays);
        begin(QStringLiteral("paste %1 into %2 by %3").arg(quoted(text), kBoxNames[index], way));
        QApplication::clipboard()->setText(text);
        if (qstrcmp(way, "the context menu") != 0) {
            typeKey(index, specialKey(way));
        } else {
            QLineEdit* target = box(index);
            target->setFocus();
            const std::unique_ptr<QMenu> menu(target->createStandardContextMenu());
            const QList<QAction*> items = menu->actions();
            const auto item = std::find_if(items.begin(), items.end(),
                                           [](const QAction* action) { return action->text().startsWith("&Paste"); });
            // A read-only box's menu has no Paste, and a user cannot choose a
            // greyed item.
            if (item == items.end() && !target->isReadOnly())
                return fail(QStringLiteral("the context menu of an editable box has no Paste"));
            if (item != items.end() && (*item)->isEnabled())
                edit(index, textAfterKey(*target, false, specialKey("Shift+Insert")), [&] { (*item)->trigger(); });
        }
        checkWindows(nullptr);
    }

    // Moves the cursor or selects, as a click into the box does.
    void clickInBox()
    {
        const int index = random_.below(kBoxCount);
        QLineEdit* target = box(index);
        const QPoint at(random_.below(target->width()), target->height() / 2);
        static const char* const kClicks[] = {"click", "double-click", "Shift+click"};
        const char* click = random_.pick(kClicks);
        begin(QStringLiteral("%1 into %2 at x %3").arg(click).arg(kBoxNames[index]).arg(at.x()));
        if (qstrcmp(click, "double-click") == 0)
            QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, at);
        else
            QTest::mouseClick(target, Qt::LeftButton,
                              qstrcmp(click, "click") == 0 ? Qt::NoModifier : Qt::ShiftModifier, at);
        checkWindows(nullptr);
    }

    void press(QAbstractButton* button)
    {
        if (random_.percent(20)) {
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Space);
        } else {
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }

    void switchMode()
    {
        const bool shape = random_.percent(50);
        begin(QStringLiteral("mode menu: %1").arg(shape ? "Shape1" : "CalcZ1"));
        (shape ? FormMain->Shape1 : FormMain->CalcZ1)->trigger();
        model_.shape = shape;
        model_.status.clear();
        model_.statusTip.clear();
        checkWindows(nullptr);
    }

    // --- Calculation ------------------------------------------------------

    void calculate()
    {
        begin(QStringLiteral("calculate in %1 mode").arg(model_.shape ? "shape" : "impedance"));
        const Outcome outcome = expectedCalculation();
        const QString mode = model_.shape ? QStringLiteral("shape ") : QStringLiteral("impedance ");
        count(mode + (outcome.tooLong                 ? QStringLiteral("solves too long")
                      : !outcome.results              ? QStringLiteral("input refusals")
                      : !outcome.message.isEmpty()    ? QStringLiteral("calculator refusals")
                      : (*outcome.status)[1].isEmpty() ? QStringLiteral("results")
                                                       : QStringLiteral("results with a note")));
        if (outcome.tooLong) {
            log_.back() += QStringLiteral(": not clicked, the solve would pass %1 trials").arg(kLongestSolve);
            return checkWindows(nullptr);
        }
        atMessage_ = {};
        press(FormMain->CalcBtn);

        const std::array<int, 2> results = resultBoxes(model_.shape);
        if (!outcome.message.isEmpty())
            ++model_.messages;
        if (outcome.results) {
            for (int k = 0; k < 2; ++k) {
                model_.texts[results[k]] = (*outcome.results)[k];
                model_.typed[results[k]] = false;
            }
        }
        if (outcome.status) {
            model_.status = (*outcome.status)[0];
            model_.statusTip = (*outcome.status)[1];
            model_.statusWithoutNote = outcome.statusWithoutNote;
        } else if (!outcome.message.isEmpty() && !model_.statusTip.isEmpty()) {
            // Inputs that no longer give the result shown take its note away.
            model_.status = model_.statusWithoutNote;
            model_.statusTip.clear();
        }
        checkWindows(nullptr);
        if (!outcome.message.isEmpty())
            checkLastMessage(outcome.message, QMessageBox::NoIcon);
        // A failed result is shown as such while its message stands.
        if (!outcome.message.isEmpty() && outcome.results) {
            for (int index : results)
                compare(atMessage_[index], kNoValue,
                        QStringLiteral("%1 while the message is shown").arg(kBoxNames[index]));
        }
        // The start of a number longer than its box, not its end.
        if (outcome.results) {
            for (int index : results) {
                if (box(index)->cursorPosition() != 0)
                    fail(QStringLiteral("%1 shows its text from %2")
                             .arg(kBoxNames[index])
                             .arg(box(index)->cursorPosition()));
            }
        }
    }

    Outcome expectedCalculation()
    {
        const auto& inputs = model_.shape ? kShapeInputs : kImpedanceInputs;
        std::array<double, 3> values{};
        for (std::size_t k = 0; k < values.size(); ++k) {
            const QString text = box(inputs[k].box)->text();
            const QString suffix = QString::fromUtf8(inputs[k].suffix);
            if (text.isEmpty())
                return {.message = QStringLiteral("値を入力してください") + suffix};
            if (!parseNumber(text.toStdString(), values[k]))
                return {.message = QStringLiteral("正しい値を入力してください") + suffix};
        }
        return model_.shape ? expectedShape(values[0], values[1], values[2])
                            : expectedImpedances(values[0], values[1], values[2]);
    }

    QString formatted(double value) const
    {
        return QString::fromStdString(formatFixed(value, model_.settings.decimals));
    }

    // The note is the window's own wording of the deviation, so this checks
    // which result it is about and that it comes and goes with it; the
    // wording has its own tests.
    AccuracyNote noteFor(double sd, double dd, double ze, double zo, double er)
    {
        return accuracyNote(fiveChargeDeviation(converged_, sd, dd, ze, zo), sd, dd, er, model_.settings.decimals);
    }

    Outcome expectedImpedances(double sd, double dd, double er)
    {
        TQol_COAXMath1 calc;
        const Impedances z = calculateImpedances(calc, sd, dd, er, false);
        // Impedance mode's status line holds nothing but a note on the result.
        if (!z.error.empty())
            return {QString::fromStdString(z.error), std::array{kNoValue, kNoValue}, std::array{QString(), QString()}};
        const AccuracyNote note = noteFor(sd, dd, calc.mZe, calc.mZo, er);
        return {{}, std::array{formatted(z.ze), formatted(z.zo)}, std::array{note.impedanceStatus(), note.toolTip}};
    }

    Outcome expectedShape(double er, double ze, double zo)
    {
        TQol_COAXMath2 solver(nullptr, nullptr, 0);
        solver.mZe = ze;
        solver.mZo = zo;
        solver.mEr = er;
        solver.mConvWidth = model_.settings.width;
        solver.mCountLimit = std::min(model_.settings.limit, kLongestSolve);
        solver.zCalcSDDd();
        if (model_.settings.limit > kLongestSolve && solver.mCount > kLongestSolve)
            return {.tooLong = true};
        if (!solver.mErrMsg.empty())
            return {QString::fromStdString(solver.mErrMsg), std::array{kNoValue, kNoValue},
                    std::array{QStringLiteral("計算出来ませんでした"), QString()}};
        const double sd = solver.mShapeSD;
        const double dd = solver.mShapeDd;
        const AccuracyNote note =
            accuracyNote(fiveChargeDeviation(converged_, sd, dd), sd, dd, er, model_.settings.decimals);
        const QString count = shown(kCountCaption.japanese) + QString::number(solver.mCount);
        return {{}, std::array{formatted(sd), formatted(dd)}, std::array{note.shapeStatus(count), note.toolTip}, count};
    }

    // --- Texts the monkey enters --------------------------------------------

    // The wanted Ze and Zo of a shape in reach, so that shape mode gets
    // targets it can find as well as ones it cannot.
    void newTarget()
    {
        TQol_COAXMath1 calc;
        const Impedances z =
            calculateImpedances(calc, random_.real(0.1, 0.85), random_.real(2.5, 20), random_.real(1, 4), false);
        targetZe_ = z.error.empty() ? z.ze : 100;
        targetZo_ = z.error.empty() ? z.zo : 50;
    }

    QString number(double value) { return QString::number(value, 'f', random_.below(5)); }

    QString typedText(int index)
    {
        const BoxValues& values = kBoxValues[index];
        const int roll = random_.below(100);
        if (roll < 30 && index >= 3) {
            if (index == 3)
                newTarget();
            return number(index == 3 ? targetZe_ : targetZo_);
        }
        if (roll < 65)
            return number(random_.real(values.low, values.high));
        if (roll < 80)
            return QString::fromLatin1(random_.pick(values.edges));
        if (roll < 88) {
            static const char* const kForms[] = {"%1e0", "+%1", "-%1", " %1 ", "%1E-0", "0%1"};
            return QString::fromLatin1(random_.pick(kForms)).arg(number(random_.real(values.low, values.high)));
        }
        QString junk;
        for (int n = 1 + random_.below(8); n > 0; --n)
            junk += QString::fromUtf8(random_.pick(kJunk));
        return junk;
    }

    QString pasteText()
    {
        const int roll = random_.below(100);
        if (roll < 40)
            return typedText(random_.below(kBoxCount));
        if (roll < 75)
            return QString::fromUtf8(random_.pick(kTrickyTexts));
        if (roll < 85) {
            switch (random_.below(3)) {
            case 0:
                return "0." + QString(random_.below(400), '0') + "1";
            case 1:
                return QString(300 + random_.below(100), '9');
            default:
                return "1" + QString(random_.below(330), '0');
            }
        }
        QString junk;
        for (int n = random_.below(20); n > 0; --n)
            junk += QString::fromUtf8(random_.pick(kJunk));
        return junk;
    }

    // A limit small enough to be met often, now and then larger.
    std::int32_t smallLimit()
    {
        const int roll = random_.below(100);
        if (roll < 60)
            return 1 + random_.below(60);
        if (roll < 90)
            return 61 + random_.below(940);
        return 1001 + random_.below(99000);
    }

    LimitText limitText()
    {
        constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
        constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
        static const char* const kHexPrefixes[] = {"$", "0x", "0X", "x", "X"};
        static const char* const kNoNumbers[] = {"",    "   ", "abc", "1.5",  "1e3",  "-",    "+-5",
                                                 "-$FA", "0x",  "$",   "x",    "２５０", "%1",   "25F",
                                                 "2 50", "250 ", "$ FA", "1,000", "0x-5"};
        const auto hex = [&](std::int64_t value) {
            QString digits = QString::number(value, 16);
            for (QChar& c : digits) {
                if (random_.percent(50))
                    c = c.toUpper();
            }
            return QString::fromLatin1(random_.pick(kHexPrefixes)) + digits;
        };
        const std::int32_t small = smallLimit();
        switch (random_.below(12)) {
        case 0:
        case 1:
            return {QString::number(small), small};
        case 2:
            return {"+" + QString::number(small), small};
        case 3:
            return {QString(1 + random_.below(3), ' ') + QString::number(small), small};
        case 4:
            return {"00" + QString::number(small), small};
        case 5:
            return {hex(small), small};
        case 6:
            return {random_.percent(50) ? QStringLiteral("0") : QStringLiteral("-0"), 0};
        case 7: {
            const std::int64_t magnitude = random_.percent(80) ? small : -kMin;
            return {"-" + QString::number(magnitude), static_cast<std::int32_t>(-magnitude)};
        }
        case 8:
            return {random_.percent(50) ? QString::number(kMax) : hex(kMax), static_cast<std::int32_t>(kMax)};
        case 9: {
            // Just past either end, or far past.
            const std::int64_t past = random_.below(1000000);
            static const char* const kPast[] = {"above", "below", "hex", "far"};
            const char* which = random_.pick(kPast);
            if (qstrcmp(which, "above") == 0)
                return {QString::number(kMax + 1 + past), std::nullopt};
            if (qstrcmp(which, "below") == 0)
                return {QString::number(kMin - 1 - past), std::nullopt};
            if (qstrcmp(which, "hex") == 0)
                return {hex(kMax + 1 + past), std::nullopt};
            return {QString(20 + random_.below(10), '9'), std::nullopt};
        }
        case 10: {
            // A number with a character inside or after it that no number
            // has there.
            static const char* const kSpoilers[] = {".", "g", "z", "%", "_", "é", "５", " ", "+", "-"};
            QString text = random_.percent(50) ? QString::number(small) : hex(small);
            text.insert(1 + random_.below(text.size()), QString::fromUtf8(random_.pick(kSpoilers)));
            return {text, std::nullopt};
        }
        default:
            return {QString::fromUtf8(random_.pick(kNoNumbers)), std::nullopt};
        }
    }

    // --- Modal windows ----------------------------------------------------

    // Opens `window` by `open` and runs `session` in it while it is shown
    // modally; afterwards the main window must be active again.
    void openModal(QDialog* window, const std::function<void()>& open, const std::function<void()>& session)
    {
        bool opened = false;
        watchdog_.expect([&](QWidget& modal) {
            opened = true;
            if (&modal != window) {
                fail(QStringLiteral("%1 opened instead of %2").arg(modal.objectName(), window->objectName()));
                modal.close();
                return;
            }
            checkWindows(window);
            if (ok())
                session();
            // After a failure, so that the walk can report it.
            if (window->isVisible())
                window->close();
        });
        open();
        if (!opened)
            return fail(QStringLiteral("%1 did not open").arg(window->objectName()));
        QCoreApplication::processEvents();
        if (QApplication::activeWindow() != FormMain)
            fail(QStringLiteral("the main window is not active after %1 closed").arg(window->objectName()));
        if (!FormMain->isAncestorOf(QApplication::focusWidget()))
            fail(QStringLiteral("the keyboard focus is not in the main window after %1 closed")
                     .arg(window->objectName()));
        checkWindows(nullptr);
    }

    void openSettings()
    {
        begin(QStringLiteral("OptionBtn"));
        openModal(FormSetting2, [this] { press(FormMain->OptionBtn); }, [this] { settingsSession(); });
    }

    void settingsSession()
    {
        compare(FormSetting2->Edit1->text(), model_.limit.text, QStringLiteral("the limit box on opening"));
        static constexpr struct {
            int weight;
            void (Monkey::*run)();
        } kSteps[] = {
            {3, &Monkey::chooseDecimals}, {3, &Monkey::chooseWidth},     {4, &Monkey::typeLimit},
            {1, &Monkey::clickTraceBox},  {1, &Monkey::pressEnterOrEscape}, {4, &Monkey::setSettings},
            {2, &Monkey::cancelSettings}, {2, &Monkey::closeSettings},
        };
        for (int steps = 1; FormSetting2->isVisible() && ok(); ++steps) {
            if (steps >= kMaxSettingsSteps || number_ >= total_)
                (this->*(random_.percent(50) ? &Monkey::cancelSettings : &Monkey::closeSettings))();
            else
                (this->*random_.pickWeighted(kSteps).run)();
        }
    }

    // Keys that move a closed list's choice; none that would open it.
    void chooseInList(QComboBox* list, const char* what)
    {
        static constexpr struct {
            const char* name;
            Qt::Key key;
        } kListKeys[] = {{"Up", Qt::Key_Up},       {"Down", Qt::Key_Down},         {"Home", Qt::Key_Home},
                         {"End", Qt::Key_End},     {"PageUp", Qt::Key_PageUp},     {"PageDown", Qt::Key_PageDown}};
        const auto& key = random_.pick(kListKeys);
        begin(QStringLiteral("settings: %1 in %2").arg(key.name, what));
        list->setFocus();
        QTest::keyClick(list, key.key);
        log_.back() += QStringLiteral(", shows %1").arg(quoted(list->currentText()));
        checkWindows(FormSetting2);
    }

    void chooseDecimals() { chooseInList(FormSetting2->ComboBox1, "the decimals"); }
    void chooseWidth() { chooseInList(FormSetting2->ComboBox2, "the width"); }

    void typeLimit()
    {
        const LimitText limit = limitText();
        begin(QStringLiteral("settings: select all, type %1 into the limit").arg(quoted(limit.text)));
        QLineEdit* edit = FormSetting2->Edit1;
        edit->setFocus();
        sendKey(edit, specialKey("Ctrl+A"));
        if (limit.text.isEmpty())
            sendKey(edit, specialKey("Backspace"));
        const QList<uint> characters = limit.text.toUcs4();
        for (uint c : characters)
            sendKey(edit, characterKey(fromCodePoint(c)));
        compare(edit->text(), limit.text, QStringLiteral("the limit box"));
        model_.limit = limit;
        checkWindows(FormSetting2);
    }

    // Greyed: nothing changes.
    void clickTraceBox()
    {
        begin(QStringLiteral("settings: click CheckBox1"));
        QTest::mouseClick(FormSetting2->CheckBox1, Qt::LeftButton);
        if (FormSetting2->CheckBox1->isChecked())
            fail(QStringLiteral("the greyed trace box took a tick"));
        checkWindows(FormSetting2);
    }

    void pressEnterOrEscape()
    {
        QWidget* const targets[] = {FormSetting2->Edit1, FormSetting2->ComboBox1, FormSetting2->ComboBox2,
                                    FormSetting2->SetBtn, FormSetting2->CancelBtn};
        QWidget* target = random_.pick(targets);
        const Key key = specialKey(random_.percent(50) ? "Return" : "Escape");
        begin(QStringLiteral("settings: %1 on %2").arg(key.name, target->objectName()));
        target->setFocus();
        sendKey(target, key);
        checkWindows(FormSetting2);
    }

    // The choices of both lists are stored whether the limit text is a number
    // or not, as the dialog's own suite has it; the limit only when it is,
    // and only then does the dialog close.
    void setSettings()
    {
        begin(QStringLiteral("settings: Set"));
        const QComboBox& decimals = *FormSetting2->ComboBox1;
        const QComboBox& width = *FormSetting2->ComboBox2;
        model_.settings.decimals = decimals.currentText().toInt();
        model_.settings.widthIndex = width.currentIndex();
        model_.settings.width = width.currentText().toDouble();
        if (model_.limit.value)
            model_.settings.limit = *model_.limit.value;
        else
            ++model_.messages;
        count(model_.limit.value ? QStringLiteral("limits set") : QStringLiteral("limits refused"));
        press(FormSetting2->SetBtn);
        checkWindows(model_.limit.value ? nullptr : FormSetting2);
        if (!model_.limit.value)
            checkLastMessage(QStringLiteral("'%1' は整数ではありません.").arg(model_.limit.text),
                             QMessageBox::Critical);
    }

    void cancelSettings()
    {
        begin(QStringLiteral("settings: Cancel"));
        press(FormSetting2->CancelBtn);
        checkWindows(nullptr);
    }

    void closeSettings()
    {
        begin(QStringLiteral("settings: close box"));
        FormSetting2->close();
        checkWindows(nullptr);
    }

    void openCrossSection()
    {
        const bool byMenu = random_.percent(50);
        begin(byMenu ? QStringLiteral("help menu: N1") : QStringLiteral("HelpBtn"));
        openModal(
            FormInfo, [&] { byMenu ? FormMain->N1->trigger() : press(FormMain->HelpBtn); },
            [this] {
                if (random_.percent(30)) {
                    // Anywhere on the picture, clear of the OK button.
                    const QPoint at(random_.below(FormInfo->Button1->x()), 50 + random_.below(FormInfo->height() - 50));
                    begin(QStringLiteral("cross-section: click at %1, %2").arg(at.x()).arg(at.y()));
                    QTest::mouseClick(FormInfo, Qt::LeftButton, Qt::NoModifier, at);
                    checkWindows(FormInfo);
                }
                static const char* const kWays[] = {"OK", "close box", "Escape"};
                const char* way = random_.pick(kWays);
                begin(QStringLiteral("cross-section: %1").arg(way));
                if (qstrcmp(way, "OK") == 0)
                    press(FormInfo->Button1);
                else if (qstrcmp(way, "close box") == 0)
                    FormInfo->close();
                else
                    sendKey(FormInfo, specialKey("Escape"));
                checkWindows(nullptr);
            });
    }

    void openAbout()
    {
        begin(QStringLiteral("help menu: About1"));
        openModal(
            FormVersion, [] { FormMain->About1->trigger(); },
            [this] {
                const auto somewhere = [this] {
                    return QPoint(random_.below(FormVersion->width()), random_.below(FormVersion->height()));
                };
                if (random_.percent(30)) {
                    const QPoint at = somewhere();
                    begin(QStringLiteral("about: right click at %1, %2").arg(at.x()).arg(at.y()));
                    QTest::mouseClick(FormVersion, Qt::RightButton, Qt::NoModifier, at);
                    checkWindows(FormVersion);
                }
                static const char* const kWays[] = {"click", "close box", "Escape"};
                const char* way = random_.pick(kWays);
                const QPoint at = somewhere();
                begin(QStringLiteral("about: %1").arg(way) +
                      (qstrcmp(way, "click") == 0 ? QStringLiteral(" at %1, %2").arg(at.x()).arg(at.y()) : QString()));
                if (qstrcmp(way, "click") == 0)
                    QTest::mouseClick(FormVersion, Qt::LeftButton, Qt::NoModifier, at);
                else if (qstrcmp(way, "close box") == 0)
                    FormVersion->close();
                else
                    sendKey(FormVersion, specialKey("Escape"));
                checkWindows(nullptr);
            });
    }

    // --- The designer window ----------------------------------------------

    void useDesigner()
    {
        designer_.session(*FormMain);
        checkWindows(nullptr);
    }

    // --- The end ------------------------------------------------------------

    void quit()
    {
        static const char* const kWays[] = {"QuitBtn", "file menu: Exit1", "the close box"};
        const char* way = random_.pick(kWays);
        begin(QStringLiteral("quit by %1").arg(way));
        if (qstrcmp(way, "QuitBtn") == 0)
            press(FormMain->QuitBtn);
        else if (qstrcmp(way, "file menu: Exit1") == 0)
            FormMain->Exit1->trigger();
        else
            FormMain->close();
        if (FormMain->isVisible())
            fail(QStringLiteral("the main window stayed open"));
        if (dialogs_.messages.size() > model_.messages)
            fail(QStringLiteral("quitting said %1").arg(quoted(dialogs_.messages.back().text)));
    }

    const std::uint64_t seed_;
    const std::uint64_t total_;
    Random random_;
    FakeDialogs& dialogs_;
    ModalWatchdog watchdog_;
    DesignerWalk designer_;
    ConvergedSolver converged_;
    Model model_;
    double targetZe_ = 0;
    double targetZo_ = 0;
    std::array<QString, kBoxCount> atMessage_;
    std::uint64_t number_ = 0;
    std::deque<QString> log_;
    QString failure_;
    std::map<QString, int> tally_;
};

// A number from the environment, the fallback when it is unset, none when it
// is no number.
std::optional<std::uint64_t> fromEnvironment(const char* name, std::uint64_t fallback)
{
    if (!qEnvironmentVariableIsSet(name))
        return fallback;
    bool isNumber = false;
    const std::uint64_t value = qEnvironmentVariable(name).toULongLong(&isNumber);
    return isNumber ? std::optional(value) : std::nullopt;
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT

private slots:
    void randomUserActions();
};

void TestMonkey::randomUserActions()
{
    const std::optional<std::uint64_t> seed = fromEnvironment("DUVANE_MONKEY_SEED", kDefaultSeed);
    const std::optional<std::uint64_t> actions = fromEnvironment("DUVANE_MONKEY_ACTIONS", kDefaultActions);
    QVERIFY2(seed, "DUVANE_MONKEY_SEED is no number");
    QVERIFY2(actions, "DUVANE_MONKEY_ACTIONS is no number");

    QuietUnacceptedKeys quiet;
    FakeDialogs dialogs;
    FormsFixture forms(dialogs);
    QElapsedTimer clock;
    clock.start();
    Monkey monkey(*seed, *actions, dialogs);
    const QString failure = monkey.run();
    if (!failure.isEmpty())
        QFAIL(qPrintable(failure));
    qInfo("monkey seed %llu: %llu actions in %lld ms; %s", static_cast<unsigned long long>(*seed),
          static_cast<unsigned long long>(*actions), static_cast<long long>(clock.elapsed()),
          qPrintable(monkey.tally()));
}

DUVANE_UI_TEST_MAIN(TestMonkey)

#include "test_monkey.moc"
