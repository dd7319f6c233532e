#pragma once

// Shared by the user-interface tests: a watchdog against unexpected modal
// windows, fake dialogs for the windows' seam, and a test main that sets the
// application up as the program does.

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include "Fonts.h"
#include "UserDialogs.h"

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

    std::vector<Message> messages;
    std::function<void()> onMessage;
    int saveQueries = 0;
    std::optional<QString> saveAnswer; // none: the user cancels
};

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
