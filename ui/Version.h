#pragma once

#include <QString>

#include "FixedDialog.h"

// The about window: the program's name and version, its makers and a
// contact address. A click anywhere on it closes it.
class TFormVersion : public FixedDialog {
    Q_OBJECT

public:
    explicit TFormVersion(QWidget* owner = nullptr);

    QString GetProductName() const;
    QString GetVersionText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void FormPaint();
    void FormClick();
};

extern TFormVersion* FormVersion;
