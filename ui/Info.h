#pragma once

#include <QSize>

#include "FixedDialog.h"

class QPainter;
class QPalette;
class QPushButton;

// The help window: the cable's cross-section with the names of the shape
// parameters S, d, D and Er.
class TFormInfo : public FixedDialog {
    Q_OBJECT

public:
    explicit TFormInfo(QWidget* owner = nullptr);

    QPushButton* Button1;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void FormPaint();
    void Button1Click();
};

// Draws the picture scaled to a client area of the given size; the window
// paints itself with it, and it can be drawn onto any other surface too.
void paintCrossSection(QPainter& painter, QSize clientSize, const QPalette& palette,
                       const QFont& windowFont);

extern TFormInfo* FormInfo;
