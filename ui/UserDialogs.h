#pragma once

#include <QMessageBox>
#include <QString>

class QFileDialog;

// Every message box and the file-save dialog of the program go through this
// seam, so that tests can read the texts and answer without a modal loop.
// The entry point makes one and hands it to each window that needs it.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // A modal box with the one text, one OK button and the application's
    // title as caption.
    virtual void showMessage(const QString& text, QMessageBox::Icon icon = QMessageBox::NoIcon) = 0;

    // Runs `dialog` modally; true with the chosen path in `fileName`, false
    // when the user cancelled.
    virtual bool askSaveFileName(QFileDialog& dialog, QString& fileName) = 0;
};

// The real dialogs.
class QtUserDialogs final : public UserDialogs {
public:
    void showMessage(const QString& text, QMessageBox::Icon icon) override;
    bool askSaveFileName(QFileDialog& dialog, QString& fileName) override;
};
