#pragma once

#include <vector>

#include <QWidget>

class QLabel;
struct PairFigures;

// The designer window's results: the impedances and their bound, each
// mode's figures, the matrices, the loss with its parts, and where one
// dielectric fills a round shield the five-charge figure beside the
// converged one. Each figure is a label named result..., its text starting
// with the number. Results that are not those of the inputs shown are
// grayed out.
class ResultPanel : public QWidget {
    Q_OBJECT
public:
    explicit ResultPanel(QWidget* parent = nullptr);

    void show(const PairFigures& figures);
    void setCurrent(bool current);
    bool isCurrent() const { return current_; }

    // What the panel shows, one line a figure: caption, then the values,
    // tab-separated.
    QString plainText() const;

private:
    struct Line {
        QString caption;
        std::vector<QLabel*> values;
    };

    QLabel* addValue(const char* name, Qt::Alignment alignment = Qt::AlignRight);

    std::vector<Line> lines_;
    std::vector<QLabel*> figures_;  // the table's, in its order, then the five-charge ones
    std::vector<QLabel*> values_;   // every label that shows a result
    QLabel* fiveChargeZe_ = nullptr;
    QLabel* fiveChargeZo_ = nullptr;
    QLabel* fiveChargeNote_ = nullptr;
    QLabel* lossNote_ = nullptr;
    bool current_ = false;
};
