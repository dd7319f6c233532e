#pragma once

#include <QApplication>
#include <QDialog>
#include <QMargins>
#include <QScreen>
#include <QShowEvent>
#include <QString>

#include "Fonts.h"

// A secondary window that the main window shows modally: fixed client size,
// close as the only title-bar button, centred on its owner the first time and
// shown where it was left on every later show.
class FixedDialog : public QDialog {
public:
    FixedDialog(QWidget* owner, const QString& objectName, QSize clientSize)
        : QDialog(owner,
                  Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                      | Qt::WindowCloseButtonHint)
    {
        setObjectName(objectName);
        setFixedSize(clientSize);
        setFont(windowFontOf(kFontSansSerif));
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        // QDialog re-centres on every show until the window has been placed
        // explicitly; placing it once pins it for the later shows.
        if (!event->spontaneous() && !testAttribute(Qt::WA_Moved))
            centreOnOwner();
        QDialog::showEvent(event);
    }

private:
    void centreOnOwner()
    {
        QWidget* owner = parentWidget() ? parentWidget()->window() : QApplication::activeWindow();
        if (!owner || owner == this) {
            setAttribute(Qt::WA_Moved); // keep the place QDialog chose
            return;
        }
        // Our own frame is not known before the first show, so a frame
        // position would be taken as a client position; the owner's
        // decoration is the best guess for ours.
        const QRect ownerFrame = owner->frameGeometry();
        const QRect ownerClient = owner->geometry();
        const QMargins decoration(ownerClient.left() - ownerFrame.left(), ownerClient.top() - ownerFrame.top(),
                                  ownerFrame.right() - ownerClient.right(),
                                  ownerFrame.bottom() - ownerClient.bottom());
        QRect frame(QPoint(), size().grownBy(decoration));
        frame.moveCenter(ownerFrame.center());
        if (const QScreen* screen = owner->screen()) {
            const QRect desk = screen->availableGeometry();
            frame.moveRight(qMin(frame.right(), desk.right()));
            frame.moveBottom(qMin(frame.bottom(), desk.bottom()));
            frame.moveLeft(qMax(frame.left(), desk.left()));
            frame.moveTop(qMax(frame.top(), desk.top()));
        }
        setGeometry(frame.marginsRemoved(decoration));
    }
};
