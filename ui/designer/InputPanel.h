#pragma once

#include <array>

#include <QWidget>

#include "designer/DesignForm.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;

// The designer window's inputs: the lengths in mm (the core also by its AWG
// size), the contacts, the shield's kind, the two dielectrics by material or
// by their own numbers, the loss's frequency and the metal's conductivity.
// An entry the case does not read is disabled; one fixed by a contact or an
// AWG size shows the length it takes.
class InputPanel : public QWidget {
    Q_OBJECT
public:
    explicit InputPanel(QWidget* parent = nullptr);

    DesignEntries entries() const;
    void setEntries(const DesignEntries& entries);
    // Types one length into its box, as a design's answer fills it.
    void setLength(Entry entry, double metres);

    // Marks the entry as wrong, or none (nullptr), with the reason as its tip.
    void markProblem(const Entry* entry, const QString& reason = QString());
    // The lengths the contacts and an AWG size give, in their disabled boxes.
    void showResolved(const PairDesign& design);

    QLineEdit* box(Entry entry) const { return boxes_[static_cast<std::size_t>(entry)]; }

    // The inputs as shown, one line each: caption, a tab, the value; a
    // length a contact fixes says so. Those the shield's kind leaves out are
    // left out.
    QString plainText() const;

signals:
    void changed();

private:
    struct MaterialRow {
        QComboBox* choice;
        Entry er;
        Entry tand;
    };

    QLineEdit* addEntry(QGridLayout* grid, int row, Entry entry);
    QComboBox* addMaterial(QGridLayout* grid, int row, const char* name, const QString& label);
    void materialChosen(const MaterialRow& row);
    void matchMaterial(const MaterialRow& row);
    void updateEnabled();
    void edited();

    std::array<QLineEdit*, kEntryCount> boxes_{};
    QComboBox* awg_ = nullptr;
    QCheckBox* spacingTouch_ = nullptr;
    QCheckBox* shieldTouch_ = nullptr;
    QComboBox* shieldKind_ = nullptr;
    std::array<MaterialRow, 2> materials_{};
    QGridLayout* grid_ = nullptr;
    bool filling_ = false;  // the panel writes its own boxes: no edit of the user's
};
