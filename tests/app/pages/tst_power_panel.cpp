// Section "Питание, температура, индикация, контроль вскрытия": every field
// through the page's own controls, the border and level rules as the user
// drags and chooses, the hidden GPS options, and the live battery and mains
// values.

#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QSlider>

#include "app/pages/power_panel.h"
#include "config/default_image.h"
#include "support/crafted_sections.h"
#include "support/panel_test_helpers.h"

using namespace krx;
using namespace krx::test;

namespace {

const SectionId kPower = SectionId::FromIndex(11);


}  // namespace

class TestPowerPanel : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void adaptToModel_trimsListsAndHidesGps();
    void craftedImage_loadsAndStoresBackByteForByte();
    void load_showsTheFieldsInTheirTexts();
    void edits_landInTheirBytes_data();
    void edits_landInTheirBytes();
    void firstBorder_neverAbove90Percent();
    void levels_pushEachOther();
    void liveValues_batteryAndMains();
    void temperature_validShowsBarInvalidHidesIt();

private:
    std::unique_ptr<PowerPanel> panel_;
    ConfigImage image_;
};

void TestPowerPanel::init() {
    panel_ = std::make_unique<PowerPanel>();
    panel_->adaptToModel(kPower);
    panel_->setLocale(QLocale::c());
    panel_->show();
    ApplyDefaults(image_);
}

void TestPowerPanel::cleanup() { panel_.reset(); }

void TestPowerPanel::adaptToModel_trimsListsAndHidesGps() {
    QCOMPARE(panel_->objectName(), QString("Panel3"));
    QCOMPARE(panel_->headerLabel(), Control<QLabel>(*panel_, "Label23"));
    for (const char* name : {"ComboBoxHiBorderOut", "ComboBoxLoBorderOut", "ComboBoxTamperActOutN"}) {
        auto* list = Control<QComboBox>(*panel_, name);
        QCOMPARE(list->count(), 4);
        QCOMPARE(list->itemText(3), QString("Выход 2"));
    }
    auto* functions = Control<QComboBox>(*panel_, "ComboBoxIndFunction");
    QCOMPARE(functions->count(), 4);
    QCOMPARE(functions->itemText(0), QString("Показывать состояние входов на индикаторах In1-In4"));
    QCOMPARE(functions->itemText(3), QString("Показывать информацию попеременно"));
    auto* level = Control<QComboBox>(*panel_, "ComboBoxHiBorderLevel");
    QCOMPARE(level->count(), 129);
    QCOMPARE(level->itemText(0), QString("89° C"));
    QCOMPARE(level->itemText(128), QString("-39° C"));
    QCOMPARE(Control<QComboBox>(*panel_, "ComboBoxLoBorderScn")->count(), 17);
    QVERIFY(!Control<QWidget>(*panel_, "CheckBoxAsFaultSendGPSPos")->isVisible());
    QVERIFY(!Control<QWidget>(*panel_, "CheckBoxAsDischargeSendGPSPos")->isVisible());
    QCOMPARE(Control<QCheckBox>(*panel_, "CheckBoxDisableLedsAtCoverClose")->text(),
             QString("Выключить индикаторы In1-In4 при закрытом корпусе"));
}

void TestPowerPanel::craftedImage_loadsAndStoresBackByteForByte() {
    PutCraftedPower(image_);
    const ConfigImage crafted = image_;
    panel_->loadSection(kPower, image_);
    // Shown again, as on every entry to the section: nothing may move.
    panel_->adaptToModel(kPower);
    ConfigImage stored = DefaultImage();
    PutCraftedPower(stored);
    // The section's own bytes start out zero; 2810, 2811, 2815 and 2816 are
    // not the section's and keep their values.
    for (std::size_t i : {2808, 2809, 2812, 2813, 2814, 2817}) stored.setU8(i, 0);
    for (std::size_t i = 2842; i <= 2850; ++i) stored.setU8(i, 0);
    // The bits the section does not own come from the image it stores into.
    stored.setU8(2809, 0xA0);
    stored.setU8(2814, 0x50);
    stored.setU8(2817, 0x30);
    stored.setU8(2842, 0x06);
    stored.setU8(2849, 0xE0);
    panel_->storeSection(kPower, stored);
    QCOMPARE(ImageBytes(stored, 2808, 10), ImageBytes(crafted, 2808, 10));
    QCOMPARE(ImageBytes(stored, 2842, 9), ImageBytes(crafted, 2842, 9));
    QVERIFY(stored == crafted);
}

void TestPowerPanel::load_showsTheFieldsInTheirTexts() {
    PutCraftedPower(image_);
    panel_->loadSection(kPower, image_);
    QCOMPARE(Control<QComboBox>(*panel_, "ComboBoxPowerSignAverTime")->currentText(), QString("64 Sec."));
    QCOMPARE(Control<QComboBox>(*panel_, "ComboBoxRecoveryTime")->currentText(), QString("8 Min."));
    QCOMPARE(Control<QLabel>(*panel_, "LabelDischargeWarn")->text(), QString("70%"));
    QCOMPARE(Control<QLabel>(*panel_, "LabelDischargeAlarm")->text(), QString("15%"));
    QCOMPARE(Control<QSlider>(*panel_, "TrackBarDischargeWarn")->value(), 30);
    QCOMPARE(Control<QLabel>(*panel_, "LabelTemperatLowBorder")->text(), QString("-10° C"));
    QCOMPARE(Control<QLabel>(*panel_, "LabelTemperatHiBorder")->text(), QString("45° C"));
    QCOMPARE(Control<QComboBox>(*panel_, "ComboBoxLoBorderLevel")->currentText(), QString("-5° C"));
    QCOMPARE(Control<QComboBox>(*panel_, "ComboBoxHiBorderLevel")->currentText(), QString("30° C"));
    QCOMPARE(Control<QComboBox>(*panel_, "ComboBoxLoBorderOut")->currentText(), QString("Выход 2"));
    QCOMPARE(Control<QComboBox>(*panel_, "ComboBoxHiBorderScn")->currentText(), QString("сценарий 14"));
    QCOMPARE(Control<QComboBox>(*panel_, "ComboBoxTamperActScnN")->currentText(), QString("сценарий 1"));
    QVERIFY(Control<QCheckBox>(*panel_, "CheckBoxAsFaultSendGPSPos")->isChecked());
    QVERIFY(!Control<QCheckBox>(*panel_, "CheckBoxTamperEnable")->isChecked());
}

void TestPowerPanel::edits_landInTheirBytes_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");
    // Defaults: first border 40 % (position 60), second 20 % (80), lower
    // temperature border -25, upper 60.
    // The second border dragged to 70 % pushes the first up with it.
    QTest::newRow("second border pushes the first")
        << "TrackBarDischargeAlarm" << 30 << 2812 << QByteArray("\xC6\xC6", 2);
    // The first border dragged to 10 % pulls the second down with it.
    QTest::newRow("first border pulls the second")
        << "TrackBarDischargeWarn" << 90 << 2812 << QByteArray("\x8A\x8A", 2);
    // The lower temperature border raised to 70 drags the upper to 72.
    QTest::newRow("lower border drags the upper")
        << "TrackBarTemperatLowBorder" << 70 << 2843 << QByteArray("\x46\x48", 2);
    // The upper border lowered to -24, closer than 2 degrees to the lower
    // -25, drags the lower to -26.
    QTest::newRow("upper border drags the lower")
        << "TrackBarTemperatHiBorder" << -24 << 2843 << QByteArray("\xE6\xE8", 2);
    // Lowered to -20 it stays 5 degrees clear: the lower border stays.
    QTest::newRow("upper border alone")
        << "TrackBarTemperatHiBorder" << -20 << 2843 << QByteArray("\xE7\xEC", 2);
}

void TestPowerPanel::edits_landInTheirBytes() {
    QFETCH(QString, control);
    QFETCH(int, value);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    panel_->loadSection(kPower, image_);
    Control<QSlider>(*panel_, control.toLatin1().constData())->setValue(value);
    panel_->storeSection(kPower, image_);
    QCOMPARE(ImageBytes(image_, std::size_t(offset), std::size_t(bytes.size())), bytes);
}

void TestPowerPanel::firstBorder_neverAbove90Percent() {
    panel_->loadSection(kPower, image_);
    Control<QSlider>(*panel_, "TrackBarDischargeWarn")->setValue(0);  // would be 100 %
    QCOMPARE(Control<QLabel>(*panel_, "LabelDischargeWarn")->text(), QString("90%"));
    panel_->storeSection(kPower, image_);
    QCOMPARE(int(image_.u8(2813) & 0x7F), 90);
}

void TestPowerPanel::levels_pushEachOther() {
    panel_->loadSection(kPower, image_);  // high -15, low -20
    auto* high = Control<QComboBox>(*panel_, "ComboBoxHiBorderLevel");
    auto* low = Control<QComboBox>(*panel_, "ComboBoxLoBorderLevel");
    // A high level chosen below the low level takes the low level down.
    high->setCurrentIndex(89 + 30);  // -30
    emit high->activated(high->currentIndex());
    QCOMPARE(low->currentText(), QString("-30° C"));
    // A low level chosen above the high level takes the high level up.
    low->setCurrentIndex(89 - 40);  // 40
    emit low->activated(low->currentIndex());
    QCOMPARE(high->currentText(), QString("40° C"));
    panel_->storeSection(kPower, image_);
    QCOMPARE(int(std::int8_t(image_.u8(2845))), 40);
    QCOMPARE(int(std::int8_t(image_.u8(2847))), 40);
}

void TestPowerPanel::liveValues_batteryAndMains() {
    panel_->showBatteryCharge(80);
    QCOMPARE(Control<QLabel>(*panel_, "Label17")->text(), QString("80%"));
    QCOMPARE(Control<QProgressBar>(*panel_, "ProgressBarBatCharge")->value(), 80);
    QCOMPARE(Control<QLabel>(*panel_, "LabelBatMsg")->text(), QString("\nАккумулятор подключен"));
    panel_->showBatteryCharge(254);
    QCOMPARE(Control<QLabel>(*panel_, "LabelBatMsg")->text(),
             QString("Тестирование АКБ,\nподождите (не более 1 мин.)"));
    panel_->showMainsVoltage(124);
    QCOMPARE(Control<QLabel>(*panel_, "LabelMainPower")->text(), QString("12.4 В"));
    QCOMPARE(Control<QProgressBar>(*panel_, "ProgressBarMainPower")->value(), 124);
    panel_->showMainsVoltage(200);
    QCOMPARE(Control<QProgressBar>(*panel_, "ProgressBarMainPower")->value(), 165);
}

void TestPowerPanel::temperature_validShowsBarInvalidHidesIt() {
    panel_->showBoardTemperature(-5, true);
    QCOMPARE(Control<QLabel>(*panel_, "LabelTemperature")->text(), QStringLiteral("Текущее значение"));
    QVERIFY(!Control<QProgressBar>(*panel_, "ProgressBarModemTemperature")->isHidden());
    QCOMPARE(Control<QProgressBar>(*panel_, "ProgressBarModemTemperature")->value(), -5);
    QCOMPARE(Control<QLabel>(*panel_, "LabelTempCurVal")->text(), QStringLiteral("-5° C"));

    panel_->showBoardTemperature(-5, false);
    QCOMPARE(Control<QLabel>(*panel_, "LabelTemperature")->text(),
             QStringLiteral("Текущее значение температуры не доступно"));
    QVERIFY(Control<QProgressBar>(*panel_, "ProgressBarModemTemperature")->isHidden());
    QCOMPARE(Control<QLabel>(*panel_, "LabelTempCurVal")->text(), QString());

    // 120 degrees lies beyond the bar's -40..90: the bar stops at its end.
    panel_->showBoardTemperature(120, true);
    QCOMPARE(Control<QProgressBar>(*panel_, "ProgressBarModemTemperature")->value(), 90);
    QCOMPARE(Control<QLabel>(*panel_, "LabelTempCurVal")->text(), QStringLiteral("120° C"));
}

QTEST_MAIN(TestPowerPanel)
#include "tst_power_panel.moc"
