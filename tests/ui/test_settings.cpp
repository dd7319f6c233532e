#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

#include "Setting2.h"
#include "UiTestSupport.h"

// The settings dialog on its own, its messages going to fake dialogs; how the
// main window opens it is the main window's suite's business.
class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void defaults();
    void controlsAtTheirPlaces_data();
    void controlsAtTheirPlaces();
    void setWithoutChanges();
    void setStoresChoices();
    void limitAccepted_data();
    void limitAccepted();
    void limitRejected_data();
    void limitRejected();
    void cancelKeepsValuesAndLeavesLists();
    void titleBarCloseIsCancel();
    void enterAndEscapeDoNothing_data();
    void enterAndEscapeDoNothing();
    void traceCheckBox();
    void convWidth_data();
    void convWidth();
    void realErrorBox();

private:
    void showDialog();

    std::unique_ptr<FakeDialogs> dialogs_;
    QtUserDialogs realDialogs_;
    std::unique_ptr<TFormSetting2> dialog_;
    std::unique_ptr<ModalWatchdog> watchdog_;
};

void TestSettings::init()
{
    dialogs_ = std::make_unique<FakeDialogs>();
    dialog_ = std::make_unique<TFormSetting2>(*dialogs_);
    watchdog_ = std::make_unique<ModalWatchdog>();
}

void TestSettings::cleanup()
{
    QCOMPARE(watchdog_->unanswered(), std::size_t{0});
    watchdog_.reset();
    dialog_.reset();
    dialogs_.reset();
}

// Shown without a modal loop, so that a test can press its buttons.
void TestSettings::showDialog()
{
    dialog_->show();
    QApplication::setActiveWindow(dialog_.get());
    QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
}

void TestSettings::defaults()
{
    TFormSetting2& dialog = *dialog_;
    QCOMPARE(dialog.mDecimals, 3);
    QCOMPARE(dialog.mConvWidthIndex, 2);
    QCOMPARE(dialog.mIterLimit, 1000);
    QCOMPARE(dialog.mTraceOption, 0);
    QCOMPARE(dialog.GetConvWidth(), 0.01);
    QCOMPARE(dialog.ComboBox1->currentText(), QString("3"));
    QCOMPARE(dialog.ComboBox2->currentText(), QString("0.01"));
    QCOMPARE(dialog.Edit1->text(), QString("1000"));
    QVERIFY(!dialog.CheckBox1->isChecked());
    QVERIFY(!dialog.CheckBox1->isEnabled());

    QStringList items;
    for (int i = 0; i < dialog.ComboBox1->count(); ++i)
        items << dialog.ComboBox1->itemText(i);
    QCOMPARE(items, QStringList({"1", "2", "3", "4", "5"}));
    items.clear();
    for (int i = 0; i < dialog.ComboBox2->count(); ++i)
        items << dialog.ComboBox2->itemText(i);
    QCOMPARE(items, QStringList({"1", "0.1", "0.01", "0.001"}));
    QVERIFY(!dialog.ComboBox1->isEditable());
    QVERIFY(!dialog.ComboBox2->isEditable());

    QCOMPARE(dialog.windowTitle(), QString("設定"));
    QVERIFY(dialog.isHidden());
    QCOMPARE(dialog.size(), QSize(274, 185));
    QVERIFY(!(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(QFontInfo(dialog.font()).family(), QString("IPAPGothic"));
    QCOMPARE(dialog.font().pixelSize(), 12);
    for (QPushButton* button : {dialog.SetBtn, dialog.CancelBtn}) {
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
}

void TestSettings::controlsAtTheirPlaces_data()
{
    addControlPlaceColumns();

    QTest::newRow("Label7") << "Label7" << "FormSetting2" << QRect(24, 16, 0, 0);
    QTest::newRow("ComboBox1") << "ComboBox1" << "FormSetting2" << QRect(168, 8, 81, 20);
    QTest::newRow("Label1") << "Label1" << "FormSetting2" << QRect(24, 48, 0, 0);
    QTest::newRow("ComboBox2") << "ComboBox2" << "FormSetting2" << QRect(168, 40, 81, 20);
    QTest::newRow("Label2") << "Label2" << "FormSetting2" << QRect(24, 80, 0, 0);
    QTest::newRow("Edit1") << "Edit1" << "FormSetting2" << QRect(168, 72, 81, 20);
    QTest::newRow("CheckBox1") << "CheckBox1" << "FormSetting2" << QRect(48, 112, 185, 17);
    QTest::newRow("SetBtn") << "SetBtn" << "FormSetting2" << QRect(40, 150, 75, 25);
    QTest::newRow("CancelBtn") << "CancelBtn" << "FormSetting2" << QRect(168, 150, 75, 25);
}

void TestSettings::controlsAtTheirPlaces()
{
    showDialog();
    checkControlPlace(*dialog_, 0);
}

void TestSettings::setWithoutChanges()
{
    showDialog();
    QTest::mouseClick(dialog_->SetBtn, Qt::LeftButton);
    QVERIFY(dialog_->isHidden());
    QCOMPARE(dialog_->mDecimals, 3);
    QCOMPARE(dialog_->GetConvWidth(), 0.01);
    QCOMPARE(dialog_->mIterLimit, 1000);
    QVERIFY(dialogs_->messageTexts().isEmpty());
}

void TestSettings::setStoresChoices()
{
    showDialog();
    dialog_->ComboBox1->setCurrentIndex(4);
    dialog_->ComboBox2->setCurrentIndex(3);
    dialog_->Edit1->setText("200");
    QTest::mouseClick(dialog_->SetBtn, Qt::LeftButton);
    QVERIFY(dialog_->isHidden());
    QCOMPARE(dialog_->mDecimals, 5);
    QCOMPARE(dialog_->mConvWidthIndex, 3);
    QCOMPARE(dialog_->GetConvWidth(), 0.001);
    QCOMPARE(dialog_->mIterLimit, 200);
    QCOMPARE(dialog_->mTraceOption, 0);
}

void TestSettings::limitAccepted_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("limit");

    QTest::newRow("leading blanks") << "  250" << 250;
    QTest::newRow("plus sign") << "+250" << 250;
    QTest::newRow("dollar hex") << "$FA" << 250;
    QTest::newRow("0x hex") << "0xFA" << 250;
    QTest::newRow("0X hex, lower case digits") << "0Xfa" << 250;
    QTest::newRow("x hex") << "xFA" << 250;
    QTest::newRow("X hex") << "XFA" << 250;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("negative") << "-5" << -5;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("smallest") << "-2147483648" << -2147483647 - 1;
    QTest::newRow("largest") << "2147483647" << 2147483647;
    QTest::newRow("largest hex") << "$7FFFFFFF" << 2147483647;
}

void TestSettings::limitAccepted()
{
    QFETCH(QString, text);
    QFETCH(int, limit);
    showDialog();
    dialog_->Edit1->setText(text);
    QTest::mouseClick(dialog_->SetBtn, Qt::LeftButton);
    QVERIFY(dialogs_->messageTexts().isEmpty());
    QVERIFY(dialog_->isHidden());
    QCOMPARE(dialog_->mIterLimit, limit);
}

void TestSettings::limitRejected_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << "";
    QTest::newRow("blanks only") << "   ";
    QTest::newRow("decimal point") << "1.5";
    QTest::newRow("exponent") << "1e3";
    QTest::newRow("trailing blank") << "250 ";
    QTest::newRow("letters") << "abc";
    QTest::newRow("one too large") << "2147483648";
    QTest::newRow("one too small") << "-2147483649";
    QTest::newRow("far too large") << "99999999999999999999";
    QTest::newRow("hex too large") << "$80000000";
    QTest::newRow("sign alone") << "-";
    QTest::newRow("two signs") << "+-5";
    QTest::newRow("sign before hex") << "-$FA";
    QTest::newRow("hex prefix alone") << "0x";
    QTest::newRow("hex digit in decimal") << "25F";
    QTest::newRow("blank inside") << "2 50";
    QTest::newRow("full-width digits") << "２５０";
}

void TestSettings::limitRejected()
{
    QFETCH(QString, text);
    showDialog();
    dialog_->ComboBox1->setCurrentIndex(0);
    dialog_->ComboBox2->setCurrentIndex(0);
    dialog_->Edit1->setText(text);
    QTest::mouseClick(dialog_->SetBtn, Qt::LeftButton);

    QCOMPARE(dialogs_->messageTexts(), QStringList("'" + text + "' は整数ではありません."));
    QCOMPARE(dialogs_->messages.front().icon, QMessageBox::Critical);
    QVERIFY(dialog_->isVisible());
    QCOMPARE(dialog_->mDecimals, 1);
    QCOMPARE(dialog_->mConvWidthIndex, 0);
    QCOMPARE(dialog_->mIterLimit, 1000);
    QCOMPARE(dialog_->Edit1->text(), text);
}

void TestSettings::cancelKeepsValuesAndLeavesLists()
{
    showDialog();
    dialog_->ComboBox1->setCurrentIndex(0);
    dialog_->Edit1->setText("7");
    QTest::mouseClick(dialog_->CancelBtn, Qt::LeftButton);
    QVERIFY(dialog_->isHidden());
    QCOMPARE(dialog_->mDecimals, 3);
    QCOMPARE(dialog_->mIterLimit, 1000);

    showDialog();
    QCOMPARE(dialog_->ComboBox1->currentText(), QString("1"));
    QCOMPARE(dialog_->Edit1->text(), QString("7"));
    QTest::mouseClick(dialog_->SetBtn, Qt::LeftButton);
    QCOMPARE(dialog_->mDecimals, 1);
    QCOMPARE(dialog_->mIterLimit, 7);
}

void TestSettings::titleBarCloseIsCancel()
{
    showDialog();
    dialog_->ComboBox1->setCurrentIndex(4);
    dialog_->ComboBox2->setCurrentIndex(0);
    dialog_->Edit1->setText("5");
    QVERIFY(dialog_->close());
    QVERIFY(dialog_->isHidden());
    QCOMPARE(dialog_->mDecimals, 3);
    QCOMPARE(dialog_->mConvWidthIndex, 2);
    QCOMPARE(dialog_->mIterLimit, 1000);
}

void TestSettings::enterAndEscapeDoNothing_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");

    for (const char* focus : {"Edit1", "SetBtn", "CancelBtn", "ComboBox1"}) {
        QTest::newRow(qPrintable(QString(focus) + " Enter")) << focus << int(Qt::Key_Return);
        QTest::newRow(qPrintable(QString(focus) + " Escape")) << focus << int(Qt::Key_Escape);
    }
}

void TestSettings::enterAndEscapeDoNothing()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    showDialog();
    dialog_->Edit1->setText("200");
    auto* target = dialog_->findChild<QWidget*>(focus);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    QVERIFY(dialog_->isVisible());
    QCOMPARE(dialog_->mIterLimit, 1000);
}

void TestSettings::traceCheckBox()
{
    showDialog();
    QCheckBox& box = *dialog_->CheckBox1;
    QTest::mouseClick(&box, Qt::LeftButton);
    QVERIFY(!box.isChecked());
    QCOMPARE(dialog_->mTraceOption, 0);
    QCOMPARE(box.focusPolicy() == Qt::NoFocus || !box.isEnabled(), true);

    // The handler behind the greyed box: the option follows the tick at once,
    // whatever Set or Cancel do afterwards.
    box.setEnabled(true);
    QTest::mouseClick(&box, Qt::LeftButton);
    QCOMPARE(dialog_->mTraceOption, 1);
    QTest::mouseClick(dialog_->CancelBtn, Qt::LeftButton);
    QCOMPARE(dialog_->mTraceOption, 1);
    showDialog();
    QTest::mouseClick(&box, Qt::LeftButton);
    QCOMPARE(dialog_->mTraceOption, 0);
}

void TestSettings::convWidth_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("width");

    QTest::newRow("0") << 0 << 1.0;
    QTest::newRow("1") << 1 << 0.1;
    QTest::newRow("2") << 2 << 0.01;
    QTest::newRow("3") << 3 << 0.001;
    QTest::newRow("4, out of the list") << 4 << 0.01;
    QTest::newRow("-1, out of the list") << -1 << 0.01;
}

void TestSettings::convWidth()
{
    QFETCH(int, index);
    QFETCH(double, width);
    dialog_->mConvWidthIndex = index;
    QCOMPARE(dialog_->GetConvWidth(), width);
}

void TestSettings::realErrorBox()
{
    dialog_ = std::make_unique<TFormSetting2>(realDialogs_);
    showDialog();
    dialog_->Edit1->setText("abc");
    QMessageBox* seen = nullptr;
    watchdog_->expect([&](QWidget& modal) {
        seen = qobject_cast<QMessageBox*>(&modal);
        QVERIFY(seen);
        QCOMPARE(seen->windowTitle(), QString("Duvane"));
        QCOMPARE(seen->text(), QString("'abc' は整数ではありません."));
        QCOMPARE(seen->icon(), QMessageBox::Critical);
        QCOMPARE(seen->buttons().size(), 1);
        QCOMPARE(seen->parentWidget(), static_cast<QWidget*>(dialog_.get()));
        seen->button(QMessageBox::Ok)->click();
    });
    QTest::mouseClick(dialog_->SetBtn, Qt::LeftButton);
    QVERIFY(seen);
    QVERIFY(dialog_->isVisible());
}

DUVANE_UI_TEST_MAIN(TestSettings)

#include "test_settings.moc"
