// Section "Общие параметры соединений" as the user sees it: what this model
// hides, the administrative password box with its warning, the balance
// templates, the input limits, and the values shown after a store.

#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "support/panel_test_helpers.h"
#include "app/pages/general_panel.h"
#include "config/default_image.h"

using namespace krx;
using krx::test::Control;
using krx::test::ImageBytes;
using krx::test::TypeText;

namespace {

const QString kWarning = QStringLiteral(
    "Административный пароль необходим для использования расширенного набора команд через SMS, "
    "а так же для защиты конфигурации устройства от модификации. После процедуры установки, "
    "запись и чтение конфигурации будут невозможны, без указания этого пароля. Действие нового "
    "пароля начнется с момента повторного запуска конфигуратора. Будьте внимательны, в случае "
    "утраты пароля его отмена возможна с помощью длительной процедуры, около 30 минут, при этом "
    "ранее настроенная конфигурация будет очищена, все параметры сбросятся к заводским. Этот "
    "пароль не сохраняется в файле конфигурации его нужно будет вводить при каждом запуске "
    "программы.");

}  // namespace

class TestGeneralPanel : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void adaptToModel_hidesLargerModelSettings();
    void adaptToModel_offersTwoDialPriorities();
    void passwordBoxUnchecked_disablesEditAndHidesWarning();
    void passwordBoxChecked_enablesEditAndShowsRedBoldWarning();
    void store_withBoxUnchecked_emptiesPasswordInImageAndEdit();
    void store_withBoxChecked_keepsPassword();
    void store_showsNormalisedNumbers_data();
    void store_showsNormalisedNumbers();
    void load_showsDefaults();
    void load_hiddenSettingsSurviveAStore();
    void balanceTemplate_fillsOnlyTheTwoTexts_data();
    void balanceTemplate_fillsOnlyTheTwoTexts();
    void typing_respectsLimits_data();
    void typing_respectsLimits();

private:
    std::unique_ptr<GeneralPanel> panel_;
    ConfigImage image_;
};

void TestGeneralPanel::init() {
    panel_ = std::make_unique<GeneralPanel>();
    panel_->adaptToModel(SectionId::FromIndex(1));
    panel_->show();
    ApplyDefaults(image_);
}

void TestGeneralPanel::cleanup() { panel_.reset(); }

void TestGeneralPanel::adaptToModel_hidesLargerModelSettings() {
    QCOMPARE(panel_->objectName(), QString("Panel1"));
    for (const char* name : {"Label73", "MaskEditSMSCA", "Label131", "ComboBoxOutdatedMsgTime",
                             "GroupBoxDATAProtocol"}) {
        QVERIFY2(!Control<QWidget>(*panel_, name)->isVisible(), name);
    }
    for (const char* name : {"Label15", "GroupBox6", "GroupBox12", "GroupBox13", "MaskEditPIN",
                             "MaskEditDTMFPass", "MaskEditPassword", "CheckBoxACK",
                             "ComboBoxCall2CallPauseX10S", "EditBalansMinVal"}) {
        QVERIFY2(Control<QWidget>(*panel_, name)->isVisible(), name);
    }
}

void TestGeneralPanel::adaptToModel_offersTwoDialPriorities() {
    auto* list = Control<QComboBox>(*panel_, "ComboBoxDialPriority");
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->itemText(0), QString("Чередование от 1 до 8 по кольцу, без приоритета."));
    QCOMPARE(list->itemText(1), QString("Приоритет у соединения с меньшим номером."));
    panel_->adaptToModel(SectionId::FromIndex(1));  // adapting again keeps two
    QCOMPARE(list->count(), 2);
}

void TestGeneralPanel::passwordBoxUnchecked_disablesEditAndHidesWarning() {
    auto* box = Control<QCheckBox>(*panel_, "CheckBoxSysPassword");
    box->setChecked(true);
    box->click();  // unchecks
    QVERIFY(!box->isChecked());
    QVERIFY(!Control<QLineEdit>(*panel_, "MaskEditSysPassword")->isEnabled());
    QVERIFY(!Control<QLabel>(*panel_, "Label84")->isEnabled());
    QVERIFY(!Control<QLabel>(*panel_, "LabelSysPassWarning")->isVisible());
}

void TestGeneralPanel::passwordBoxChecked_enablesEditAndShowsRedBoldWarning() {
    auto* box = Control<QCheckBox>(*panel_, "CheckBoxSysPassword");
    QVERIFY(!box->isChecked());  // unchecked whenever the program starts
    box->click();
    QVERIFY(Control<QLineEdit>(*panel_, "MaskEditSysPassword")->isEnabled());
    auto* label = Control<QLabel>(*panel_, "Label84");
    QVERIFY(label->isEnabled());
    QCOMPARE(label->text(), QString("Административный пароль и пароль защиты конфигурации"));
    auto* warning = Control<QLabel>(*panel_, "LabelSysPassWarning");
    QVERIFY(warning->isVisible());
    QCOMPARE(warning->text(), kWarning);
    QVERIFY(warning->font().bold());
    QCOMPARE(warning->palette().color(QPalette::WindowText), QColor(Qt::red));
}

void TestGeneralPanel::store_withBoxUnchecked_emptiesPasswordInImageAndEdit() {
    auto* edit = Control<QLineEdit>(*panel_, "MaskEditSysPassword");
    edit->setText("secret1");
    image_.setText(20, 9, "oldpass");
    panel_->storeSection(SectionId::FromIndex(1), image_);
    QCOMPARE(ImageBytes(image_, 20, 9), QByteArray(9, '\0'));
    QCOMPARE(edit->text(), QString());
}

void TestGeneralPanel::store_withBoxChecked_keepsPassword() {
    Control<QCheckBox>(*panel_, "CheckBoxSysPassword")->click();
    Control<QLineEdit>(*panel_, "MaskEditSysPassword")->setText("abc12");
    panel_->storeSection(SectionId::FromIndex(1), image_);
    QCOMPARE(ImageBytes(image_, 20, 9), QByteArray("abc12\0\0\0\0", 9));
}

void TestGeneralPanel::store_showsNormalisedNumbers_data() {
    QTest::addColumn<QString>("minTyped");
    QTest::addColumn<QString>("periodTyped");
    QTest::addColumn<QString>("minShown");
    QTest::addColumn<QString>("periodShown");
    QTest::addColumn<QByteArray>("bytes2838");  // 2838..2840 as stored
    QTest::newRow("clamped") << "70000" << "999" << "65535" << "255"
                             << QByteArray("\xFF\xFF\xFF", 3);
    QTest::newRow("letters") << "ab" << "x" << "0" << "0" << QByteArray("\0\0\0", 3);
    QTest::newRow("blanks trimmed") << " 300 " << " 12" << "300" << "12"
                                    << QByteArray("\x2C\x01\x0C", 3);
}

void TestGeneralPanel::store_showsNormalisedNumbers() {
    QFETCH(QString, minTyped);
    QFETCH(QString, periodTyped);
    QFETCH(QString, minShown);
    QFETCH(QString, periodShown);
    QFETCH(QByteArray, bytes2838);
    auto* minEdit = Control<QLineEdit>(*panel_, "EditBalansMinVal");
    auto* periodEdit = Control<QLineEdit>(*panel_, "EditReqPeriodH");
    minEdit->setText(minTyped);
    periodEdit->setText(periodTyped);
    panel_->storeSection(SectionId::FromIndex(1), image_);
    QCOMPARE(ImageBytes(image_, 2838, 3), bytes2838);
    panel_->loadSection(SectionId::FromIndex(1), image_);
    QCOMPARE(minEdit->text(), minShown);
    QCOMPARE(periodEdit->text(), periodShown);
}

void TestGeneralPanel::load_showsDefaults() {
    panel_->loadSection(SectionId::FromIndex(1), image_);
    QCOMPARE(Control<QLineEdit>(*panel_, "MaskEditPassword")->text(), QString("lorn"));
    QCOMPARE(Control<QLineEdit>(*panel_, "MaskEditDTMFPass")->text(), QString("4725"));
    QCOMPARE(Control<QComboBox>(*panel_, "ComboBoxCall2CallPauseX10S")->currentText(),
             QString("10"));
    QCOMPARE(Control<QComboBox>(*panel_, "ComboBoxDialPriority")->currentIndex(), 0);
    QCOMPARE(Control<QComboBox>(*panel_, "ComboBoxOutdatedMsgTime")->currentText(),
             QString("30 Min."));
    QCOMPARE(Control<QComboBox>(*panel_, "ComboBoxDATAProtocol")->currentText(),
             QString("V.110 (9600 bps)"));
    QVERIFY(Control<QCheckBox>(*panel_, "CheckBoxACK")->isChecked());
    QVERIFY(Control<QCheckBox>(*panel_, "CheckBoxControlOnlyList")->isChecked());
    QVERIFY(Control<QCheckBox>(*panel_, "CheckBoxDTMFControlOnlyList")->isChecked());
    QCOMPARE(Control<QLineEdit>(*panel_, "EditBalansMinVal")->text(), QString("0"));
}

void TestGeneralPanel::load_hiddenSettingsSurviveAStore() {
    // A file from the larger model: SMS centre, 6-minute age limit, V.32,
    // and dial priority 2 which this model's list cannot show.
    image_.setText(52, 16, "+79161234567");
    image_.setU8(12, 0x89);  // pause 1, ACK, priority 2
    image_.setU8(13, 0xE3);  // age 3, V.32, unused bits 5-7 set
    panel_->loadSection(SectionId::FromIndex(1), image_);
    QCOMPARE(Control<QComboBox>(*panel_, "ComboBoxDialPriority")->currentIndex(), -1);
    panel_->storeSection(SectionId::FromIndex(1), image_);
    QCOMPARE(ImageBytes(image_, 52, 16), QByteArray("+79161234567\0\0\0\0", 16));
    QCOMPARE(int(image_.u8(12)), 0xC9);  // priority shows no choice: stored as 3
    QCOMPARE(int(image_.u8(13)), 0xE3);
}

void TestGeneralPanel::balanceTemplate_fillsOnlyTheTwoTexts_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("keyWord");
    QTest::newRow("MTS") << "RadioButtonBalansMTS" << "МТС" << "*100#" << "Баланс:";
    QTest::newRow("Beeline") << "RadioButtonBalansBeeline" << "Билайн" << "*102#" << "Баланс ";
    QTest::newRow("Megafon") << "RadioButtonBalansMegafon" << "Мегафон" << "*100#" << "";
    QTest::newRow("Tele2") << "RadioButtonBalansTele2" << "Теле 2" << "*105#" << "OCTATOK ";
}

void TestGeneralPanel::balanceTemplate_fillsOnlyTheTwoTexts() {
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, command);
    QFETCH(QString, keyWord);
    panel_->storeSection(SectionId::FromIndex(1), image_);
    const ConfigImage before = image_;
    auto* choice = Control<QRadioButton>(*panel_, button.toLatin1().constData());
    QCOMPARE(choice->text(), caption);
    Control<QLineEdit>(*panel_, "MaskEditBalansIdWord")->setText("old");
    Control<QLineEdit>(*panel_, "EditBalansMinVal")->setText("77");
    choice->click();
    QCOMPARE(Control<QLineEdit>(*panel_, "MaskEditBalansReqCMD")->text(), command);
    QCOMPARE(Control<QLineEdit>(*panel_, "MaskEditBalansIdWord")->text(), keyWord);
    QCOMPARE(Control<QLineEdit>(*panel_, "EditBalansMinVal")->text(), QString("77"));
    QVERIFY(image_ == before);  // nothing stored until the section is stored
}

void TestGeneralPanel::typing_respectsLimits_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("PIN digits only") << "MaskEditPIN" << "12a34" << "1234";
    QTest::newRow("PIN 8 digits") << "MaskEditPIN" << "1234567890" << "12345678";
    QTest::newRow("DTMF 4 digits") << "MaskEditDTMFPass" << "123456" << "1234";
    QTest::newRow("password letters and digits") << "MaskEditPassword" << "ab-c 1" << "abc1";
    QTest::newRow("password 8") << "MaskEditPassword" << "abcdefghij" << "abcdefgh";
    QTest::newRow("USSD 8") << "MaskEditBalansReqCMD" << "*100#12345" << "*100#123";
    QTest::newRow("key word 8") << "MaskEditBalansIdWord" << "Баланс: 12" << "Баланс: ";
    QTest::newRow("threshold 5") << "EditBalansMinVal" << "1234567" << "12345";
    QTest::newRow("period 3") << "EditReqPeriodH" << "1234" << "123";
}

void TestGeneralPanel::typing_respectsLimits() {
    QFETCH(QString, edit);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    auto* line = Control<QLineEdit>(*panel_, edit.toLatin1().constData());
    line->clear();
    TypeText(line, typed);
    QCOMPARE(line->text(), shown);
}

QTEST_MAIN(TestGeneralPanel)
#include "tst_general_panel.moc"
