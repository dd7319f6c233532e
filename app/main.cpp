#include <exception>

#include <QApplication>

#include "Coaxmain.h"
#include "Fonts.h"
#include "Forms.h"
#include "UserDialogs.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The name only, not a display name: Qt would append a display name to
    // every window title.
    QApplication::setApplicationName(QStringLiteral("Duvane"));
    // Wayland matches the window to its desktop entry (and icon) by this.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.duvane.duvane"));
    installFontSubstitutions();
    QtUserDialogs dialogs;
    try {
        createForms(dialogs);
        FormMain->show();
        app.exec();
    } catch (const std::exception& error) {
        dialogs.showMessage(QString::fromLocal8Bit(error.what()), QMessageBox::Critical);
    }
    destroyForms();
    return 0;
}
