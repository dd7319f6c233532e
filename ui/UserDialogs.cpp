#include "UserDialogs.h"

#include <QApplication>
#include <QFileDialog>

QtUserDialogs::QtUserDialogs(QWidget* owner)
    : owner_(owner)
{
}

void QtUserDialogs::showMessage(const QString& text, QMessageBox::Icon icon)
{
    // Over whichever window asked (the settings dialog's error stands over
    // the settings dialog, not behind it).
    QWidget* over = QApplication::activeWindow() ? QApplication::activeWindow() : owner_;
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, over);
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
