#pragma once

#include <optional>

#include <QColor>
#include <QWidget>

#include "commands/PairDesign.h"

class QPainter;

// The cross-section drawn to scale from the inputs: the cores, their
// sleeves, the filler, the round shield or the foil's outline (the foil
// solver's own, drawn over a drain wire), with d, Di, S and D (or the foil's
// width and clearance) marked.
class CrossSectionView : public QWidget {
    Q_OBJECT
public:
    explicit CrossSectionView(QWidget* parent = nullptr);

    // The pair to draw; `current` false draws the last one faded, while the
    // inputs are wrong.
    void setDesign(const PairDesign& design);
    void setCurrent(bool current);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<PairDesign> design_;
    bool current_ = false;
};

// The colours the drawing uses, for whoever reads it back.
struct CrossSectionColours {
    QColor metal{184, 115, 51};      // copper
    QColor sleeve{170, 205, 240};    // a sleeve's dielectric
    QColor filler{250, 240, 200};    // a filler of Er above 1
    QColor air{255, 255, 255};       // a filler of air
    QColor shield{80, 80, 80};
    QColor dimension{30, 60, 160};
};

// Paints `design` into `area`, the shield's centre in the middle, to one
// scale in x and y.
void paintPair(QPainter& painter, const QRectF& area, const PairDesign& design);
