#pragma once

// Shared by the user-interface tests: a watchdog against unexpected modal
// windows, fake dialogs for the main window's seam, the four windows of the
// run, and a test main that sets the application up as the program does.

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include "Coaxmain.h"
#include "Fonts.h"
#include "Forms.h"
#include "UserDialogs.h"

// A modal window that nobody expected would hang a test in its event loop;
// the watchdog fails the test instead and closes the window. Expected modal
// windows are answered in order by the handlers given to Expect.
class TModalWatchdog {
public:
    using TAnswer = std::function<void(QWidget& modal)>;

    explicit TModalWatchdog(int intervalMs = 20)
    {
        QObject::connect(&mTimer, &QTimer::timeout, [this] { Check(); });
        mTimer.start(intervalMs);
    }

    void Expect(TAnswer answer) { mExpected.push_back(std::move(answer)); }

    // Expected windows that never opened.
    std::size_t Unanswered() const { return mExpected.size(); }

private:
    void Check()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == mAnswering)
            return;
        if (!mExpected.empty()) {
            TAnswer answer = std::move(mExpected.front());
            mExpected.pop_front();
            mAnswering = modal;
            answer(*modal);
            mAnswering = nullptr;
            return;
        }
        const QString what = modal->objectName() + " \"" + modal->windowTitle() + "\"";
        modal->close();
        QTest::qFail(qPrintable("unexpected modal window " + what), __FILE__, __LINE__);
    }

    QTimer mTimer;
    std::deque<TAnswer> mExpected;
    QWidget* mAnswering = nullptr;
};

// Records the messages and answers the save dialog as told.
class TFakeDialogs final : public TUserDialogs {
public:
    struct TMessage {
        QString text;
        QMessageBox::Icon icon;
    };

    void ShowMessage(const QString& text, QMessageBox::Icon icon) override
    {
        messages.push_back({text, icon});
        if (onMessage)
            onMessage();
    }

    bool AskSaveFileName(QFileDialog&, QString& fileName) override
    {
        ++saveQueries;
        if (!saveAnswer)
            return false;
        fileName = *saveAnswer;
        return true;
    }

    std::vector<TMessage> messages;
    std::function<void()> onMessage;
    int saveQueries = 0;
    std::optional<QString> saveAnswer; // none: the user cancels
};

// The four windows of the run, created as the program does, with the fake
// dialogs in the main window's seam; the main window is shown.
class TFormsFixture {
public:
    TFormsFixture();
    ~TFormsFixture();
    TFormsFixture(const TFormsFixture&) = delete;
    TFormsFixture& operator=(const TFormsFixture&) = delete;

    TFakeDialogs dialogs;
};

inline TFormsFixture::TFormsFixture()
{
    CreateForms();
    FormMain->SetDialogs(&dialogs);
    FormMain->show();
    QApplication::setActiveWindow(FormMain);
    if (!QTest::qWaitForWindowExposed(FormMain))
        QTest::qFail("main window not exposed", __FILE__, __LINE__);
}

inline TFormsFixture::~TFormsFixture()
{
    DestroyForms();
}

// The application as the program sets it up.
#define DUVANE_UI_TEST_MAIN(TestClass)                                  \
    int main(int argc, char* argv[])                                    \
    {                                                                   \
        QApplication app(argc, argv);                                   \
        QApplication::setApplicationName(QStringLiteral("Duvane"));     \
        InstallFontSubstitutions();                                     \
        TestClass test;                                                 \
        return QTest::qExec(&test, argc, argv);                         \
    }
