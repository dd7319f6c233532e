#pragma once

#include <optional>
#include <variant>
#include <vector>

#include <QGroupBox>

#include "commands/DesignSolve.h"
#include "designer/DesignForm.h"

class QComboBox;
class QLineEdit;
class QPushButton;

// What a design asks: the dimensions solved for and the targets, in the
// order solveDesign takes them.
struct DesignQuestion {
    std::vector<DesignDimension> free;
    std::vector<TargetValue> targets;
};

// The input box a dimension fills, and its name in messages.
Entry entryOf(DesignDimension dimension);
QString dimensionName(DesignDimension dimension);

// Why the dimension cannot move with the pair as it is (a contact fixes it,
// a foil has no D), and what to do; empty where it can.
QString fixedDimensionReason(const PairDesign& pair, DesignDimension dimension);

// The design's inputs: Zdiff and Zcm targets (either or both), the
// dimensions to solve for, and the button that asks.
class DesignPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit DesignPanel(QWidget* parent = nullptr);

    // The question for the pair of the inputs, or what keeps it from being
    // asked and how to put it right.
    std::variant<DesignQuestion, QString> question(const PairDesign& pair) const;

    QLineEdit* targetZdiff() const { return zDiff_; }
    QLineEdit* targetZcm() const { return zCm_; }
    // A target as typed, where it reads as one.
    std::optional<double> target(DesignTarget target) const;

signals:
    void solveAsked();
    void targetsEdited();

private:
    QLineEdit* zDiff_;
    QLineEdit* zCm_;
    QComboBox* solveFor_;
    QPushButton* solve_;
};
