#pragma once

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QShowEvent>
#include <QString>

#include "Fonts.h"

// A secondary window that the main window shows modally: fixed client size,
// close as the only title-bar button, centred on its owner the first time and
// shown where it was left on every later show.
class TFixedDialog : public QDialog {
public:
    TFixedDialog(QWidget* owner, const QString& objectName, QSize clientSize)
        : QDialog(owner,
                  Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                      | Qt::WindowCloseButtonHint)
    {
        setObjectName(objectName);
        setFixedSize(clientSize);
        setFont(WindowFont(kFontSansSerif));
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        // QDialog re-centres on every show until the window has been moved
        // explicitly; one explicit move pins it for the later shows.
        if (!event->spontaneous() && !testAttribute(Qt::WA_Moved))
            CentreOnOwner();
        QDialog::showEvent(event);
    }

private:
    void CentreOnOwner()
    {
        QWidget* owner = parentWidget() ? parentWidget()->window() : QApplication::activeWindow();
        if (!owner || owner == this)
            return;
        // Our own frame is not known before the first show; the owner's
        // decoration is the best guess for it.
        const QRect ownerFrame = owner->frameGeometry();
        const QSize frame = size() + (ownerFrame.size() - owner->size());
        QPoint topLeft(ownerFrame.x() + (ownerFrame.width() - frame.width()) / 2,
                       ownerFrame.y() + (ownerFrame.height() - frame.height()) / 2);
        if (const QScreen* screen = owner->screen()) {
            const QRect desk = screen->availableGeometry();
            topLeft.setX(qBound(desk.left(), topLeft.x(), qMax(desk.left(), desk.right() + 1 - frame.width())));
            topLeft.setY(qBound(desk.top(), topLeft.y(), qMax(desk.top(), desk.bottom() + 1 - frame.height())));
        }
        move(topLeft);
    }
};
