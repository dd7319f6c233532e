#include "UserDialogs.h"

#include <QApplication>
#include <QFileDialog>

void QtUserDialogs::showMessage(const QString& text, QMessageBox::Icon icon)
{
    // Over whichever window asked (the settings dialog's error stands over
    // the settings dialog, not behind it).
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
}

bool QtUserDialogs::askSaveFileName(QFileDialog& dialog, QString& fileName)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    fileName = dialog.selectedFiles().constFirst();
    return true;
}
