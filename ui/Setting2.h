#pragma once

#include <cstdint>

#include "FixedDialog.h"

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class UserDialogs;

// The settings dialog: decimals of the results, convergence width and
// iteration limit of the shape solver, and the trace switch. It holds the
// settings for the run; the calculation command reads them when it needs them.
// Its error message goes through `dialogs`, which must outlive it.
class TFormSetting2 : public FixedDialog {
    Q_OBJECT

public:
    explicit TFormSetting2(UserDialogs& dialogs, QWidget* owner = nullptr);

    std::int32_t mDecimals;
    std::int32_t mConvWidthIndex;
    std::int32_t mIterLimit;
    unsigned char mTraceOption;

    // In ohms, from mConvWidthIndex.
    double GetConvWidth() const;

    QLabel* Label7;
    QComboBox* ComboBox1;
    QLabel* Label1;
    QComboBox* ComboBox2;
    QLabel* Label2;
    QLineEdit* Edit1;
    QCheckBox* CheckBox1;
    QPushButton* SetBtn;
    QPushButton* CancelBtn;

protected:
    // Neither button is a default or cancel button: Enter and Escape do nothing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetBtnClick();
    void CancelBtnClick();
    void CheckBox1Click();

    UserDialogs& mDialogs;
};

extern TFormSetting2* FormSetting2;
