#pragma once

#include <QApplication>
#include <QtTest>

#include "Coaxmain.h"
#include "Forms.h"

// The four windows of the run, created as the program does with the given
// dialogs in their seam; the main window is shown. The dialogs must outlive
// the fixture.
class FormsFixture {
public:
    explicit FormsFixture(UserDialogs& dialogs)
    {
        createForms(dialogs);
        FormMain->show();
        QApplication::setActiveWindow(FormMain);
        if (!QTest::qWaitForWindowExposed(FormMain))
            QTest::qFail("main window not exposed", __FILE__, __LINE__);
    }

    ~FormsFixture() { destroyForms(); }

    FormsFixture(const FormsFixture&) = delete;
    FormsFixture& operator=(const FormsFixture&) = delete;
};
