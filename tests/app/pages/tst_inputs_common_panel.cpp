// Section "Входы": only the start-up scan delay and the terminal picture are
// shown on this model; the sensor-supply settings stay hidden but survive.

#include <QtTest>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

#include "app/pages/inputs_common_panel.h"
#include "config/default_image.h"
#include "support/panel_test_helpers.h"

using namespace krx;
using namespace krx::test;

class TestInputsCommonPanel : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void adaptToModel_showsOnlyDeviceStartAndPicture();
    void load_showsDefaults();
    void store_writesDelayAndKeepsHiddenSettingsAndForeignBits();
    void startDelayList_offersTheEightDelays();

private:
    std::unique_ptr<InputsCommonPanel> panel_;
    ConfigImage image_;
};

void TestInputsCommonPanel::init() {
    panel_ = std::make_unique<InputsCommonPanel>();
    panel_->adaptToModel(SectionId::FromIndex(13));
    panel_->show();
    ApplyDefaults(image_);
}

void TestInputsCommonPanel::cleanup() { panel_.reset(); }

void TestInputsCommonPanel::adaptToModel_showsOnlyDeviceStartAndPicture() {
    QCOMPARE(panel_->objectName(), QString("Panel7"));
    QVERIFY(!Control<QWidget>(*panel_, "GroupBox17")->isVisible());
    QVERIFY(!Control<QWidget>(*panel_, "GroupBox18")->isVisible());
    auto* group = Control<QGroupBox>(*panel_, "GroupBox45");
    QVERIFY(group->isVisible());
    QCOMPARE(group->title(), QString(" Включение устройства "));
    auto* picture = Control<QLabel>(*panel_, "ImageKRX310Ins");
    QVERIFY(picture->isVisible());
    QVERIFY(!picture->pixmap().isNull());
    QCOMPARE(panel_->headerLabel(), nullptr);
}

void TestInputsCommonPanel::load_showsDefaults() {
    panel_->loadSection(SectionId::FromIndex(13), image_);
    QCOMPARE(Control<QComboBox>(*panel_, "ComboBoxPortPwrSensAllOn")->currentText(),
             QString("Питание всегда подано"));
    QCOMPARE(Control<QComboBox>(*panel_, "ComboBoxLoopPwrResetTime")->currentText(),
             QString("40  Sec."));
    QCOMPARE(Control<QComboBox>(*panel_, "ComboBoxNoScaningTimeAftArm")->currentText(),
             QString("0  Sec."));
    QCOMPARE(Control<QComboBox>(*panel_, "ComboBoxNoScaningTimeAftReset")->currentText(),
             QString("0 Sec."));
}

void TestInputsCommonPanel::store_writesDelayAndKeepsHiddenSettingsAndForeignBits() {
    // 0xA4: supply port by mode (0), loop reset 30 s (2), scan after arming 100 s (10).
    image_.setU8(356, 0xA4);
    image_.setU8(357, 0xF8);  // bits 3-7 belong to no setting of this section
    panel_->loadSection(SectionId::FromIndex(13), image_);
    QCOMPARE(Control<QComboBox>(*panel_, "ComboBoxPortPwrSensAllOn")->currentIndex(), 0);
    QCOMPARE(Control<QComboBox>(*panel_, "ComboBoxLoopPwrResetTime")->currentIndex(), 2);
    QCOMPARE(Control<QComboBox>(*panel_, "ComboBoxNoScaningTimeAftArm")->currentIndex(), 10);
    Control<QComboBox>(*panel_, "ComboBoxNoScaningTimeAftReset")->setCurrentIndex(5);
    panel_->storeSection(SectionId::FromIndex(13), image_);
    QCOMPARE(image_.u8(356), 0xA4);
    QCOMPARE(image_.u8(357), 0xFD);  // 0xF8 | 5
}

void TestInputsCommonPanel::startDelayList_offersTheEightDelays() {
    auto* list = Control<QComboBox>(*panel_, "ComboBoxNoScaningTimeAftReset");
    const QStringList expected = {"0 Sec.",    "15 Sec.",   "30  Sec.", "45  Sec.",
                                  "60  Sec.",  "75  Sec.",  "90  Sec.", "105  Sec."};
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << list->itemText(i);
    QCOMPARE(shown, expected);
}

QTEST_MAIN(TestInputsCommonPanel)
#include "tst_inputs_common_panel.moc"
