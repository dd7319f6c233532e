#pragma once

// Shared by the user-interface tests: a watchdog against unexpected modal
// windows, fake dialogs for the windows' seam, the check of a window's
// control places, and a test main that sets the application up as the
// program does.

#include <deque>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include "Fonts.h"
#include "UserDialogs.h"

// A text of the solver's catalogue, as the window shows it.
inline QString shown(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A modal window that nobody expected would hang a test in its event loop;
// the watchdog fails the test instead and closes the window. Expected modal
// windows are answered in order by the handlers given to expect.
class ModalWatchdog {
public:
    using Answer = std::function<void(QWidget& modal)>;

    explicit ModalWatchdog(int intervalMs = 20)
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { check(); });
        timer_.start(intervalMs);
    }

    void expect(Answer answer) { expected_.push_back(std::move(answer)); }

    // Expected windows that never opened.
    std::size_t unanswered() const { return expected_.size(); }

private:
    void check()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == answering_)
            return;
        if (!expected_.empty()) {
            Answer answer = std::move(expected_.front());
            expected_.pop_front();
            answering_ = modal;
            answer(*modal);
            answering_ = nullptr;
            return;
        }
        const QString what = modal->objectName() + " \"" + modal->windowTitle() + "\"";
        modal->close();
        QTest::qFail(qPrintable("unexpected modal window " + what), __FILE__, __LINE__);
    }

    QTimer timer_;
    std::deque<Answer> expected_;
    QWidget* answering_ = nullptr;
};

// Records the messages and answers the save dialog as told.
class FakeDialogs final : public UserDialogs {
public:
    struct Message {
        QString text;
        QMessageBox::Icon icon;
    };

    void showMessage(const QString& text, QMessageBox::Icon icon) override
    {
        messages.push_back({text, icon});
        if (onMessage)
            onMessage();
    }

    bool askSaveFileName(QFileDialog&, QString& fileName) override
    {
        ++saveQueries;
        if (!saveAnswer)
            return false;
        fileName = *saveAnswer;
        return true;
    }

    // The texts of the messages so far, in order.
    QStringList messageTexts() const
    {
        QStringList texts;
        for (const Message& message : messages)
            texts << message.text;
        return texts;
    }

    std::vector<Message> messages;
    std::function<void()> onMessage;
    int saveQueries = 0;
    std::optional<QString> saveAnswer; // none: the user cancels
};

// The columns of a table of control places: the control's object name, its
// parent's object name, and its place and least size on the form (labels:
// size 0, they fit their text).
inline void addControlPlaceColumns()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("in");
    QTest::addColumn<QRect>("nominal");
}

// The control of the current row of that table, found in `window`: at its
// place, at least its nominal size, inside its parent, clear of its
// neighbours, and wide enough for its text. A label may stand up to
// `labelShift` pixels left of its place, for windows that move a label
// which came out wider than on the form.
inline void checkControlPlace(const QWidget& window, int labelShift)
{
    QFETCH(QString, name);
    QFETCH(QString, in);
    QFETCH(QRect, nominal);
    auto* control = window.findChild<QWidget*>(name);
    QVERIFY(control);
    QWidget* parent = control->parentWidget();
    QCOMPARE(parent->objectName(), in);
    QCOMPARE(control->y(), nominal.y());
    if (qobject_cast<QLabel*>(control))
        QVERIFY(control->x() <= nominal.x() && control->x() >= nominal.x() - labelShift);
    else
        QCOMPARE(control->x(), nominal.x());
    QVERIFY(control->width() >= nominal.width() && control->height() >= nominal.height());
    QVERIFY2(parent->rect().contains(control->geometry()), "outside its parent");
    // Push buttons report a generous minimum of their style, not their need.
    if (!qobject_cast<QPushButton*>(control))
        QVERIFY2(control->size().expandedTo(control->minimumSizeHint()) == control->size(),
                 "smaller than its content needs");
    if (auto* label = qobject_cast<QLabel*>(control))
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        const int frame = qobject_cast<QPushButton*>(control) ? 8 : 0;
        QVERIFY(button->width() >= button->fontMetrics().horizontalAdvance(button->text()) + frame);
    }
    for (QWidget* other : parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (other != control && !other->isWindow() && !other->geometry().isEmpty())
            QVERIFY2(!control->geometry().intersects(other->geometry()), qPrintable("overlaps " + other->objectName()));
    }
}

// The application as the program sets it up.
#define DUVANE_UI_TEST_MAIN(TestClass)                                  \
    int main(int argc, char* argv[])                                    \
    {                                                                   \
        QApplication app(argc, argv);                                   \
        QApplication::setApplicationName(QStringLiteral("Duvane"));     \
        installFontSubstitutions();                                     \
        TestClass test;                                                 \
        return QTest::qExec(&test, argc, argv);                         \
    }
