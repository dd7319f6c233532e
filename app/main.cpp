#include <exception>

#include <QApplication>
#include <QMessageBox>

#include "Coaxmain.h"
#include "Fonts.h"
#include "Forms.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The name only, not a display name: Qt would append a display name to
    // every window title.
    QApplication::setApplicationName(QStringLiteral("Duvane"));
    installFontSubstitutions();
    try {
        createForms();
        FormMain->show();
        app.exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QApplication::applicationDisplayName(), QString::fromLocal8Bit(error.what()));
    }
    destroyForms();
    return 0;
}
