#include "Setting2.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "Controls.h"
#include "Fonts.h"
#include "IntegerText.h"
#include "UserDialogs.h"

TFormSetting2* FormSetting2 = nullptr;

namespace {

QComboBox* newList(QWidget* parent, const char* name, const QStringList& items, const QRect& nominal)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->addItems(items);
    placeControl(*list, nominal);
    return list;
}

} // namespace

TFormSetting2::TFormSetting2(UserDialogs& dialogs, QWidget* owner)
    : FixedDialog(owner, QStringLiteral("FormSetting2"), QSize(274, 185)),
      mDialogs(dialogs)
{
    setWindowTitle(QStringLiteral("設定"));
    setFont(windowFontOf(kFontPGothic));

    Label7 = newLabel(this, "Label7", QStringLiteral("小数点以下の表示桁数"), {24, 16});
    ComboBox1 = newList(this, "ComboBox1", {"1", "2", "3", "4", "5"}, {168, 8, 81, 20});
    Label1 = newLabel(this, "Label1", QStringLiteral("収束計算の判定幅(Ω)"), {24, 48});
    ComboBox2 = newList(this, "ComboBox2", {"1", "0.1", "0.01", "0.001"}, {168, 40, 81, 20});
    Label2 = newLabel(this, "Label2", QStringLiteral("収束計算回数制限(回)"), {24, 80});
    Edit1 = newControl<QLineEdit>(this, "Edit1", QString(), {168, 72, 81, 20});
    CheckBox1 = newControl<QCheckBox>(this, "CheckBox1", QStringLiteral("計算データをファイルに出力"), {48, 112, 185, 17});
    SetBtn = newControl<QPushButton>(this, "SetBtn", QStringLiteral("設定"), {40, 150, 75, 25});
    CancelBtn = newControl<QPushButton>(this, "CancelBtn", QStringLiteral("取り消し"), {168, 150, 75, 25});
    for (QPushButton* button : {SetBtn, CancelBtn})
        button->setAutoDefault(false);
    setTabOrder(ComboBox1, ComboBox2);
    setTabOrder(ComboBox2, SetBtn);
    setTabOrder(SetBtn, CancelBtn);
    setTabOrder(CancelBtn, Edit1);
    setTabOrder(Edit1, CheckBox1);

    connect(SetBtn, &QPushButton::clicked, this, &TFormSetting2::SetBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TFormSetting2::CancelBtnClick);
    connect(CheckBox1, &QCheckBox::toggled, this, &TFormSetting2::CheckBox1Click);

    mDecimals = 3;
    ComboBox1->setCurrentIndex(2);
    mConvWidthIndex = 2;
    ComboBox2->setCurrentIndex(2);
    mIterLimit = 1000;
    Edit1->setText(QString::number(mIterLimit));
    mTraceOption = 0;
    CheckBox1->setChecked(false);
    CheckBox1->setEnabled(false);
}

double TFormSetting2::GetConvWidth() const
{
    switch (mConvWidthIndex) {
    case 0:
        return 1.0;
    case 1:
        return 0.1;
    case 3:
        return 0.001;
    default:
        return 0.01;
    }
}

void TFormSetting2::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->ignore();
        return;
    default:
        FixedDialog::keyPressEvent(event);
    }
}

void TFormSetting2::SetBtnClick()
{
    mDecimals = ComboBox1->currentIndex() + 1;
    mConvWidthIndex = ComboBox2->currentIndex();
    std::int32_t limit = 0;
    if (!parseInteger32(Edit1->text().toStdString(), limit)) {
        mDialogs.showMessage(QStringLiteral("'%1' は整数ではありません.").arg(Edit1->text()),
                             QMessageBox::Critical);
        return;
    }
    mIterLimit = limit;
    accept();
}

void TFormSetting2::CancelBtnClick()
{
    reject();
}

void TFormSetting2::CheckBox1Click()
{
    mTraceOption = CheckBox1->isChecked() ? 1 : 0;
}
