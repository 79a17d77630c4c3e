// Section "Часы, планировщик задач": the time zone, summer time, the info
// message boxes and the scheduler grid through the page's own controls, the
// extra-parameter list that comes and goes with the action, and the two
// clocks with the controller-time field the monitor leaves alone while it
// is typed in.

#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "app/pages/clock_panel.h"
#include "config/default_image.h"
#include "support/crafted_sections.h"
#include "support/panel_test_helpers.h"

using namespace krx;
using namespace krx::test;

namespace {

const SectionId kClock = SectionId::FromIndex(10);
constexpr std::size_t kTask1 = 2680;
constexpr std::size_t kTask2 = 2696;
constexpr std::size_t kTask3 = 2712;


}  // namespace

class TestClockPanel : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void adaptToModel_showsThisModelsInfoBoxes();
    void craftedImage_loadsAndStoresBackByteForByte();
    void load_showsTheTasks();
    void editedTask_landsInItsBytes();
    void extraList_comesAndGoesWithTheAction();
    void clocks_showTheirTexts();
    void controllerTimeField_reportsEditingAndKeepsTheTypedTime();

private:
    QComboBox* list(const QString& name) const {
        return Control<QComboBox>(*panel_, name.toLatin1().constData());
    }
    QCheckBox* box(const QString& name) const {
        return Control<QCheckBox>(*panel_, name.toLatin1().constData());
    }

    std::unique_ptr<ClockPanel> panel_;
    ConfigImage image_;
};

void TestClockPanel::init() {
    panel_ = std::make_unique<ClockPanel>();
    panel_->adaptToModel(kClock);
    panel_->show();
    ApplyDefaults(image_);
}

void TestClockPanel::cleanup() { panel_.reset(); }

void TestClockPanel::adaptToModel_showsThisModelsInfoBoxes() {
    QCOMPARE(panel_->objectName(), QString("Panel2"));
    QCOMPARE(panel_->headerLabel(), Control<QLabel>(*panel_, "Label5"));
    for (const char* shown : {"CheckBoxInfoIn1", "CheckBoxInfoIn4", "CheckBoxInfoR1", "CheckBoxInfoR4"}) {
        QVERIFY2(Control<QWidget>(*panel_, shown)->isVisible(), shown);
    }
    for (const char* hidden : {"CheckBoxInfoIn5", "CheckBoxInfoIn16", "CheckBoxInfoR5", "CheckBoxInfoR7"}) {
        QVERIFY2(!Control<QWidget>(*panel_, hidden)->isVisible(), hidden);
    }
    QCOMPARE(box("CheckBoxInfoR3")->text(), QString("Вых.1"));
    QCOMPARE(list("ComboBoxTimeZone")->count(), 26);
    QCOMPARE(list("ComboBoxTimeZone")->itemText(0), QString("(GMT-12:00)"));
    QCOMPARE(list("ComboBoxTaskAction1")->count(), 11);
    QCOMPARE(list("ComboBoxTaskExtra1")->count(), 17);
}

void TestClockPanel::craftedImage_loadsAndStoresBackByteForByte() {
    PutCraftedClock(image_);
    const ConfigImage crafted = image_;
    panel_->loadSection(kClock, image_);
    ConfigImage stored = DefaultImage();
    panel_->storeSection(kClock, stored);
    // Bit 6 of 2673 is the controller's: the store keeps it from the image
    // it writes into.
    stored.setU8(2673, std::uint8_t(stored.u8(2673) | 0x40));
    QCOMPARE(ImageBytes(stored, 2672, 8), ImageBytes(crafted, 2672, 8));
    QCOMPARE(ImageBytes(stored, kTask1, 32), ImageBytes(crafted, kTask1, 32));
    QVERIFY(stored == crafted);
}

void TestClockPanel::load_showsTheTasks() {
    PutCraftedClock(image_);
    panel_->loadSection(kClock, image_);
    QCOMPARE(list("ComboBoxTimeZone")->currentText(), QString("(GMT+3:00)"));
    QVERIFY(box("CheckBoxDSTEnable")->isChecked());
    QCOMPARE(Control<QLineEdit>(*panel_, "MaskEditTaskTime1")->text(), QString("07:05"));
    QVERIFY(box("CheckBoxTaskMon1")->isChecked());
    QVERIFY(box("CheckBoxTaskFri1")->isChecked());
    QVERIFY(!box("CheckBoxTaskTue1")->isChecked());
    QCOMPARE(list("ComboBoxTaskAction1")->currentText(), QString("Управление Выходом 2"));
    QCOMPARE(list("ComboBoxTaskExtra1")->currentText(), QString("выключить"));
    QVERIFY(list("ComboBoxTaskExtra1")->isVisible());
    QCOMPARE(list("ComboBoxTaskAction2")->currentText(), QString("Применить профиль 3"));
    QVERIFY(!list("ComboBoxTaskExtra2")->isVisible());
    QCOMPARE(Control<QLineEdit>(*panel_, "MaskEditTaskTime2")->text(), QString("23:59"));
}

void TestClockPanel::editedTask_landsInItsBytes() {
    panel_->loadSection(kClock, image_);
    box("CheckBoxTaskEnabled3")->setChecked(true);
    auto* time = Control<QLineEdit>(*panel_, "MaskEditTaskTime3");
    time->selectAll();
    QTest::keyClicks(time, "0705");
    box("CheckBoxTaskMon3")->setChecked(true);
    box("CheckBoxTaskFri3")->setChecked(true);
    QComboBox* action = list("ComboBoxTaskAction3");
    action->setCurrentIndex(6);  // "Управление Выходом 2"
    emit action->activated(6);
    list("ComboBoxTaskExtra3")->setCurrentIndex(2);  // "выключить"
    list("ComboBoxTimeZone")->setCurrentIndex(15);   // +3
    panel_->storeSection(kClock, image_);
    QCOMPARE(int(image_.u8(kTask3 + 0)), 1);
    QCOMPARE(int(image_.u8(kTask3 + 4)), 0x11);
    QCOMPARE(int(image_.u8(kTask3 + 5)), 7);
    QCOMPARE(int(image_.u8(kTask3 + 6)), 5);
    QCOMPARE(int(image_.u8(kTask3 + 12)) >> 2, 3);  // kind "output"
    QCOMPARE(int(image_.u8(kTask3 + 13)) & 0x0F, 3);  // output 2 of this model's four
    QCOMPARE(int(image_.u8(kTask3 + 14)), 2);
    QCOMPARE(int(image_.u8(2672)), 3);
}

void TestClockPanel::extraList_comesAndGoesWithTheAction() {
    panel_->loadSection(kClock, image_);
    QComboBox* action = list("ComboBoxTaskAction4");
    QComboBox* extra = list("ComboBoxTaskExtra4");
    QVERIFY(!extra->isVisible());  // "Нет действия"
    action->setCurrentIndex(4);  // "Управление Реле 2"
    emit action->activated(4);
    QVERIFY(extra->isVisible());
    extra->setCurrentIndex(5);
    action->setCurrentIndex(8);  // "Применить профиль 2"
    emit action->activated(8);
    QVERIFY(!extra->isVisible());
    // Hiding the list also selects its first item.
    QCOMPARE(extra->currentIndex(), 0);
}

void TestClockPanel::clocks_showTheirTexts() {
    StatusValues s;
    s.year = 26;
    s.month = 12;
    s.day = 7;
    s.hour = 9;
    s.minute = 5;
    s.second = 1;
    panel_->showControllerClock(s);
    QCOMPARE(Control<QLineEdit>(*panel_, "MaskEditContrCurTime")->text(), QString("07.12.26 09:05:01"));
    panel_->showPcClock(QDateTime(QDate(2026, 12, 10), QTime(13, 0, 59)));
    QCOMPARE(Control<QLineEdit>(*panel_, "MaskEditPCTime")->text(), QString("10.12.26 13:00:59"));
    QVERIFY(Control<QLineEdit>(*panel_, "MaskEditPCTime")->isReadOnly());
}

void TestClockPanel::controllerTimeField_reportsEditingAndKeepsTheTypedTime() {
    QList<bool> reports;
    panel_->watchControllerTimeEditing([&reports](bool editing) { reports << editing; });
    QVERIFY(QTest::qWaitForWindowActive(panel_.get()));
    auto* field = Control<QLineEdit>(*panel_, "MaskEditContrCurTime");
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    QCOMPARE(reports, QList<bool>{true});
    field->setText("01.02.27 03:04:05");
    Control<QLineEdit>(*panel_, "MaskEditPCTime")->setFocus();
    QTRY_VERIFY(!field->hasFocus());
    QCOMPARE(reports, (QList<bool>{true, false}));
    QCOMPARE(panel_->pendingControllerTime(), QString("01.02.27 03:04:05"));
}

QTEST_MAIN(TestClockPanel)
#include "tst_clock_panel.moc"
