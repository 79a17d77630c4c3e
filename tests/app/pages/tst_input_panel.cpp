// The page of "Вход 1" .. "Вход 4" as the user sees it: what this model
// hides, the values loaded and stored through the real controls, the sensor
// type rule, the unit button with the calibration dialog, and the live value
// that the monitor hands in.

#include <QtTest>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTimer>

#include "app/live/input_level_diagram.h"
#include "app/pages/input_panel.h"
#include "app/shell/section_pages.h"
#include "app/shell/section_switcher.h"
#include "app/widgets/up_down_edit.h"
#include "app/widgets/widget_colours.h"
#include "config/default_image.h"
#include "app/live/monitor_presenter.h"
#include "monitor/monitor_host.h"
#include "support/panel_test_helpers.h"

using namespace krx;
using namespace krx::test;

namespace {

// A number as the labels write it: the system's decimal separator.
QString Dec(const QString& text) {
    QString t = text;
    t.replace(QLatin1Char('.'), QLocale::system().decimalPoint());
    return t;
}

// Answers the next modal dialog: types `typed` into the wanted value and
// presses the button named `button`.
void AnswerCalibration(const QString& typed, const QString& button) {
    QTimer::singleShot(0, [typed, button] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("MaskEditNeedVal"));
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        dialog->findChild<QPushButton*>(button)->click();
    });
}

constexpr std::size_t kInput3 = 544;  // record of "Вход 3" (section 16)

}  // namespace

class TestInputPanel : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void adaptToModel_hidesLargerModelControls();
    void load_showsDefaultsOfEachInput_data();
    void load_showsDefaultsOfEachInput();
    void store_writesEditedFieldsAndKeepsTheRest();
    void store_equalScaleEnds_moveApartAndShowAsStored_data();
    void store_equalScaleEnds_moveApartAndShowAsStored();
    void load_unknownIndexes_showNoChoiceAndSurviveStore();
    void sensorTypeThx31_setsScaleAndShowsScalePanel();
    void sensorTypeThx21_hidesUnitButtonAndReadsDegrees();
    void unitButton_discrete_togglesVoltsAndPercent();
    void unitButton_noSensorType_togglesCaptionOnly();
    void unitButton_analogue_calibratesScaleToWantedValue();
    void unitButton_analogueCancel_changesNothing();
    void barrierMovedAboveOther_dragsItAndIsStored();
    void liveValue_ofShownInput_setsBarLabelAndColour();
    void liveValue_ofAnotherInput_isIgnored();
    void monitorLevel_reachesPanelThroughHost();
    void names_takeAtMost16Characters();
    void sectionSwitch_keepsEachInputsOwnValues();

private:
    void loadInput3();
    QComboBox* list(const char* name) const { return Control<QComboBox>(*panel_, name); }
    QLineEdit* minEdit() const { return Control<QLineEdit>(*panel_, "MaskEditMinVal"); }
    QLineEdit* maxEdit() const { return Control<QLineEdit>(*panel_, "MaskEditMaxVal"); }
    QPushButton* unitButton() const { return Control<QPushButton>(*panel_, "ButtonVoltPerc"); }
    QLabel* label(const char* name) const { return Control<QLabel>(*panel_, name); }

    std::unique_ptr<InputPanel> panel_;
    ConfigImage image_;
};

void TestInputPanel::init() {
    panel_ = std::make_unique<InputPanel>();
    panel_->adaptToModel(SectionId::FromIndex(16));
    panel_->show();
    ApplyDefaults(image_);
}

void TestInputPanel::cleanup() { panel_.reset(); }

void TestInputPanel::loadInput3() { panel_->loadSection(SectionId::FromIndex(16), image_); }

void TestInputPanel::adaptToModel_hidesLargerModelControls() {
    loadInput3();
    QCOMPARE(panel_->objectName(), QString("Panel6"));
    for (const char* name :
         {"Label80", "ComboBoxSensorPwrSource", "GroupBoxFiltr", "ComboBoxActRele5",
          "ComboBoxActRele6", "ComboBoxActRele7", "ComboBoxPassRele5", "ComboBoxPassRele6",
          "ComboBoxPassRele7", "Label31", "Label38", "ComboBoxActArmDisMode",
          "ComboBoxPassArmDisMode", "CheckBoxActiveToGPS"}) {
        QVERIFY2(!Control<QWidget>(*panel_, name)->isVisible(), name);
    }
    QVERIFY(Control<QWidget>(*panel_, "ComboBoxSensorPwrSource")->isEnabled());
    for (const char* name :
         {"Label10", "ComboBoxSensName", "ComboBoxSensType", "ComboBoxSensActLevel",
          "ComboBoxAverageTime", "ComboBoxDelayTime", "UpDownRecoveryTime", "CheckBox24HZone",
          "ComboBoxAlarmTry", "CheckBoxNotArmingAsActive", "ComboBoxListenNum",
          "ComboBoxReleToAlarm", "ComboBoxActRele4", "ComboBoxPassRele4", "TrackBarHiBarrier",
          "TrackBarLoBarrier", "ProgressBarCurrentVal", "LabelCurrentVal"}) {
        QVERIFY2(Control<QWidget>(*panel_, name)->isVisible(), name);
    }
    QVERIFY(panel_->findChild<QLineEdit*>("EditRecoveryTime"));
}

void TestInputPanel::load_showsDefaultsOfEachInput_data() {
    QTest::addColumn<int>("sectionId");
    QTest::addColumn<QString>("name");
    QTest::newRow("Вход 1") << 14 << "ВХОД1";
    QTest::newRow("Вход 4") << 17 << "ВХОД4";
}

void TestInputPanel::load_showsDefaultsOfEachInput() {
    QFETCH(int, sectionId);
    QFETCH(QString, name);
    panel_->loadSection(SectionId::FromIndex(sectionId), image_);
    QCOMPARE(panel_->shownInput(), sectionId - 13);
    QCOMPARE(list("ComboBoxSensName")->currentText(), name);
    QCOMPARE(list("ComboBoxSensActSt")->currentText(), QString("АКТИВЕН"));
    QCOMPARE(list("ComboBoxSensPassSt")->currentText(), QString("НЕАКТИВЕН"));
    QCOMPARE(list("ComboBoxSensType")->currentText(), QString("Дискретный"));
    QCOMPARE(list("ComboBoxSensActLevel")->currentText(),
             QString("Свободный (Нижн. гр. <= Uвх. <= Верхн. гр.)"));
    QCOMPARE(list("ComboBoxAverageTime")->currentText(), QString("240 mSec."));
    QCOMPARE(list("ComboBoxDelayTime")->currentText(), QString("0 Sec."));
    QCOMPARE(list("ComboBoxReleToAlarm")->currentText(),
             QString("тревожным событием, с учетом блокировки"));
    QCOMPARE(list("ComboBoxListenNum")->currentText(), QString(" -"));
    QCOMPARE(list("ComboBoxActRele1")->currentText(), QString("нет реакции"));
    QCOMPARE(Control<QSlider>(*panel_, "TrackBarLoBarrier")->value(), 1365);
    QCOMPARE(Control<QSlider>(*panel_, "TrackBarHiBarrier")->value(), 2730);
    QCOMPARE(minEdit()->text(), QString("0"));
    QCOMPARE(maxEdit()->text(), QString("10"));
    // A discrete input: the unit button, no scale edits, percent at start.
    QVERIFY(unitButton()->isVisible());
    QCOMPARE(unitButton()->text(), QString("В"));
    QVERIFY(!Control<QWidget>(*panel_, "PanelAnalogue")->isVisible());
    QCOMPARE(label("LabelHiBarrier")->text(), Dec("66.7 %"));  // 2730 * 100 / 4095
    QCOMPARE(label("LabelLoBarrier")->text(), Dec("33.3 %"));  // 1365 * 100 / 4095
}

void TestInputPanel::store_writesEditedFieldsAndKeepsTheRest() {
    // Bits and bytes this page does not edit carry values of their own.
    image_.setU8(kInput3 + 53, 0xC0);  // free bits 6-7 of RecoveryTime's byte
    image_.setU8(kInput3 + 55, 0xF1);  // RestrArmMode and free bits 4-7
    image_.setU8(kInput3 + 81, 5);     // ActRele6, hidden
    image_.setU8(kInput3 + 89, 7);     // PassRele7, hidden
    image_.setU8(kInput3 + 63, 0x01);  // SensorPwrSource 1, hidden
    const ConfigImage before = image_;
    loadInput3();

    list("ComboBoxSensName")->setEditText("ОКНО");
    list("ComboBoxAverageTime")->setCurrentIndex(15);
    list("ComboBoxSensActLevel")->setCurrentIndex(5);
    Control<QCheckBox>(*panel_, "CheckBox24HZone")->setChecked(true);
    Control<UpDownEdit>(*panel_, "UpDownRecoveryTime")->setValue(63);
    list("ComboBoxDelayTime")->setCurrentIndex(3);
    list("ComboBoxReleToAlarm")->setCurrentIndex(2);
    list("ComboBoxSensType")->setCurrentIndex(4);  // THX-31: scale -50 .. 150
    Control<QSlider>(*panel_, "TrackBarHiBarrier")->setValue(4000);
    Control<QSlider>(*panel_, "TrackBarLoBarrier")->setValue(100);
    list("ComboBoxActRele1")->setCurrentIndex(3);    // "сценарий 1"
    list("ComboBoxPassRele2")->setCurrentIndex(16);  // "сценарий 14"
    panel_->storeSection(SectionId::FromIndex(16), image_);

    // "ОКНО" in cp1251, zero-filled to 17 bytes.
    QCOMPARE(ImageBytes(image_, kInput3, 17), QByteArray("\xCE\xCA\xCD\xCE", 4) + QByteArray(13, 0));
    QCOMPARE(image_.u8(kInput3 + 52), 0xDF);  // 15 | 5 << 4 | 0x80
    QCOMPARE(image_.u8(kInput3 + 53), 0xFF);  // 63, free bits kept
    QCOMPARE(image_.u8(kInput3 + 54), 0x83);  // 3 | 2 << 6
    QCOMPARE(image_.u8(kInput3 + 55), 0xF9);  // type 4 in bits 1-3, the rest kept
    QCOMPARE(ImageBytes(image_, kInput3 + 58, 4), QByteArray("\x64\x00\xA0\x0F", 4));  // 100, 4000
    QCOMPARE(image_.u8(kInput3 + 63), 0x01);
    // -50.0f = 0xC2480000, 150.0f = 0x43160000, little-endian.
    QCOMPARE(ImageBytes(image_, kInput3 + 68, 8), QByteArray("\x00\x00\x48\xC2\x00\x00\x16\x43", 8));
    QCOMPARE(image_.u8(kInput3 + 76), 3);
    QCOMPARE(image_.u8(kInput3 + 81), 5);
    QCOMPARE(image_.u8(kInput3 + 84), 16);
    QCOMPARE(image_.u8(kInput3 + 89), 7);
    // Nothing outside the record changed.
    QCOMPARE(ImageBytes(image_, 0, kInput3), ImageBytes(before, 0, kInput3));
    QCOMPARE(ImageBytes(image_, kInput3 + 92, image_.bytes().size() - kInput3 - 92),
             ImageBytes(before, kInput3 + 92, before.bytes().size() - kInput3 - 92));
}

void TestInputPanel::store_equalScaleEnds_moveApartAndShowAsStored_data() {
    QTest::addColumn<QString>("minTyped");
    QTest::addColumn<QString>("maxTyped");
    QTest::addColumn<QByteArray>("stored");  // MinVal, MaxVal floats
    QTest::addColumn<QString>("minShown");
    QTest::addColumn<QString>("maxShown");
    // 1.5f = 0x3FC00000, 3.5f = 0x40600000.
    QTest::newRow("comma and point") << "2,5" << "2.5"
                                     << QByteArray("\x00\x00\xC0\x3F\x00\x00\x60\x40", 8)
                                     << Dec("1.5") << Dec("3.5");
    // -1.0f = 0xBF800000, 1.0f = 0x3F800000.
    QTest::newRow("both not numbers") << "abc" << ""
                                      << QByteArray("\x00\x00\x80\xBF\x00\x00\x80\x3F", 8)
                                      << "-1" << "1";
}

void TestInputPanel::store_equalScaleEnds_moveApartAndShowAsStored() {
    QFETCH(QString, minTyped);
    QFETCH(QString, maxTyped);
    QFETCH(QByteArray, stored);
    QFETCH(QString, minShown);
    QFETCH(QString, maxShown);
    loadInput3();
    list("ComboBoxSensType")->setCurrentIndex(2);
    minEdit()->setText(minTyped);
    maxEdit()->setText(maxTyped);
    panel_->storeSection(SectionId::FromIndex(16), image_);
    QCOMPARE(ImageBytes(image_, kInput3 + 68, 8), stored);
    QCOMPARE(minEdit()->text(), minShown);
    QCOMPARE(maxEdit()->text(), maxShown);
}

void TestInputPanel::load_unknownIndexes_showNoChoiceAndSurviveStore() {
    image_.setU8(kInput3 + 52, 0x72);  // SensActLevel 7: beyond the six levels
    image_.setU8(kInput3 + 55, 0x0E);  // SensType 7: beyond the five types
    image_.setU8(kInput3 + 76, 40);    // ActRele1 40: no such reaction
    loadInput3();
    QCOMPARE(list("ComboBoxSensActLevel")->currentIndex(), -1);
    QCOMPARE(list("ComboBoxSensType")->currentIndex(), -1);
    QCOMPARE(list("ComboBoxActRele1")->currentIndex(), -1);
    // No choice stores all ones of the field.
    panel_->storeSection(SectionId::FromIndex(16), image_);
    QCOMPARE(image_.u8(kInput3 + 52), 0x72);
    QCOMPARE(image_.u8(kInput3 + 55), 0x0E);
    QCOMPARE(image_.u8(kInput3 + 76), 0xFF);
}

void TestInputPanel::sensorTypeThx31_setsScaleAndShowsScalePanel() {
    loadInput3();
    QWidget* scalePanel = Control<QWidget>(*panel_, "PanelAnalogue");
    QVERIFY(!scalePanel->isVisible());
    list("ComboBoxSensType")->setCurrentIndex(4);
    QCOMPARE(minEdit()->text(), QString("-50"));
    QCOMPARE(maxEdit()->text(), QString("150"));
    QVERIFY(scalePanel->isVisible());
    QVERIFY(unitButton()->isVisible());
    QCOMPARE(unitButton()->text(), QString("K"));
    // 4095 counts read as the scale's top.
    Control<QSlider>(*panel_, "TrackBarHiBarrier")->setValue(4095);
    QCOMPARE(label("LabelHiBarrier")->text(), QString("150° C"));
    // Analogue keeps whatever scale is typed.
    minEdit()->setText("4");
    maxEdit()->setText("20");
    list("ComboBoxSensType")->setCurrentIndex(2);
    QCOMPARE(minEdit()->text(), QString("4"));
    QCOMPARE(maxEdit()->text(), QString("20"));
    QCOMPARE(label("LabelHiBarrier")->text(), QString("20"));
}

void TestInputPanel::sensorTypeThx21_hidesUnitButtonAndReadsDegrees() {
    loadInput3();
    list("ComboBoxSensType")->setCurrentIndex(3);
    QVERIFY(!unitButton()->isVisible());
    QVERIFY(!Control<QWidget>(*panel_, "PanelAnalogue")->isVisible());
    Control<QSlider>(*panel_, "TrackBarHiBarrier")->setValue(4095);
    Control<QSlider>(*panel_, "TrackBarLoBarrier")->setValue(0);
    // t = 16c - 32768; h = (100 t + 2292700) / 196: c = 4095 gives 28407, c = 0 gives -5020.
    QCOMPARE(label("LabelHiBarrier")->text(), QString("284° C"));
    QCOMPARE(label("LabelLoBarrier")->text(), Dec("-50.2° C"));
}

void TestInputPanel::unitButton_discrete_togglesVoltsAndPercent() {
    loadInput3();
    QSlider* high = Control<QSlider>(*panel_, "TrackBarHiBarrier");
    high->setValue(4095);
    QCOMPARE(label("LabelHiBarrier")->text(), QString("100 %"));
    unitButton()->click();
    QCOMPARE(unitButton()->text(), QString("%"));
    QCOMPARE(label("LabelHiBarrier")->text(), QString("10 В"));
    unitButton()->click();
    QCOMPARE(unitButton()->text(), QString("В"));
    high->setValue(2048);
    QCOMPARE(label("LabelHiBarrier")->text(), QString("50 %"));  // 50.01 to 3 digits
}

void TestInputPanel::unitButton_noSensorType_togglesCaptionOnly() {
    image_.setU8(kInput3 + 55, 0x0E);  // SensType 7: no type shown
    loadInput3();
    const QString highBefore = label("LabelHiBarrier")->text();
    unitButton()->click();
    QCOMPARE(unitButton()->text(), QString("%"));
    QCOMPARE(label("LabelHiBarrier")->text(), highBefore);
    // Once a discrete type is chosen the labels read volts.
    list("ComboBoxSensType")->setCurrentIndex(1);
    QCOMPARE(label("LabelHiBarrier")->text(), Dec("6.67 В"));  // 2730 * 10 / 4095
}

void TestInputPanel::unitButton_analogue_calibratesScaleToWantedValue() {
    loadInput3();
    list("ComboBoxSensType")->setCurrentIndex(2);
    minEdit()->setText("0");
    maxEdit()->setText("10");
    panel_->showInputLevel({3, 2048});  // reads 5.001221
    QCOMPARE(label("LabelCurrentVal")->text(), Dec("5.001"));
    AnswerCalibration("6", "ButtonOK");
    unitButton()->click();
    // Offset 6 - 5.001221 = 0.998779, both ends moved, 7 digits.
    QCOMPARE(minEdit()->text(), Dec("0.998779"));
    QCOMPARE(maxEdit()->text(), Dec("10.99878"));
    QCOMPARE(label("LabelCurrentVal")->text(), QString("6"));
    QCOMPARE(unitButton()->text(), QString("K"));
}

void TestInputPanel::unitButton_analogueCancel_changesNothing() {
    loadInput3();
    list("ComboBoxSensType")->setCurrentIndex(4);
    panel_->showInputLevel({3, 2048});
    const QString liveBefore = label("LabelCurrentVal")->text();
    AnswerCalibration("99", "ButtonCancel");
    unitButton()->click();
    QCOMPARE(minEdit()->text(), QString("-50"));
    QCOMPARE(maxEdit()->text(), QString("150"));
    QCOMPARE(label("LabelCurrentVal")->text(), liveBefore);
}

void TestInputPanel::barrierMovedAboveOther_dragsItAndIsStored() {
    loadInput3();
    Control<QSlider>(*panel_, "TrackBarLoBarrier")->setValue(3000);
    QCOMPARE(Control<QSlider>(*panel_, "TrackBarHiBarrier")->value(), 3000);
    panel_->storeSection(SectionId::FromIndex(16), image_);
    QCOMPARE(ImageBytes(image_, kInput3 + 58, 4), QByteArray("\xB8\x0B\xB8\x0B", 4));  // 3000 twice
}

void TestInputPanel::liveValue_ofShownInput_setsBarLabelAndColour() {
    loadInput3();  // level "Свободный": active between the barriers 1365 .. 2730
    panel_->showInputLevel({3, 2000});
    QCOMPARE(Control<QProgressBar>(*panel_, "ProgressBarCurrentVal")->value(), 2000);
    QCOMPARE(label("LabelCurrentVal")->text(), Dec("48.8 %"));  // 2000 * 100 / 4095
    QCOMPARE(BackgroundColour(label("LabelCurrentVal")), kColourRed);
    panel_->showInputLevel({3, 100});
    QCOMPARE(BackgroundColour(label("LabelCurrentVal")), ButtonFaceColour());
}

void TestInputPanel::liveValue_ofAnotherInput_isIgnored() {
    panel_->loadSection(SectionId::FromIndex(15), image_);
    panel_->showInputLevel({1, 4000});
    QCOMPARE(Control<QProgressBar>(*panel_, "ProgressBarCurrentVal")->value(), 0);
    panel_->showInputLevel({2, 4000});
    QCOMPARE(Control<QProgressBar>(*panel_, "ProgressBarCurrentVal")->value(), 4000);
}

void TestInputPanel::monitorLevel_reachesPanelThroughHost() {
    MonitorHost host(MonitorHost::ExchangeFactory{}, nullptr);
    // The presenter hands the host's reports to the page's live view.
    LiveViews views;
    views.input = panel_.get();
    MonitorPresenter presenter(&host, views, {});
    loadInput3();
    emit host.inputLevel(InputLevel{3, 4095});
    QCOMPARE(Control<QProgressBar>(*panel_, "ProgressBarCurrentVal")->value(), 4095);
    QCOMPARE(label("LabelCurrentVal")->text(), QString("100 %"));
}

void TestInputPanel::names_takeAtMost16Characters() {
    loadInput3();
    QComboBox* name = list("ComboBoxSensName");
    name->lineEdit()->selectAll();
    TypeText(name->lineEdit(), "ДЛИННОЕНАЗВАНИЕ_ВХОДА");
    QCOMPARE(name->currentText(), QString("ДЛИННОЕНАЗВАНИЕ_"));
    panel_->storeSection(SectionId::FromIndex(16), image_);
    QCOMPARE(image_.text(kInput3, 17), std::string("ДЛИННОЕНАЗВАНИЕ_"));
    QCOMPARE(image_.u8(kInput3 + 15), 0x5F);  // "_", the 16th character
    QCOMPARE(image_.u8(kInput3 + 16), 0);     // the 17th byte ends the text
}

void TestInputPanel::sectionSwitch_keepsEachInputsOwnValues() {
    // The four inputs share one page: what is typed for one input is stored
    // when it is left and must not show on the next one.
    QStackedWidget stack;
    const SectionPages pages = CreateSectionPages(stack);
    auto* page = qobject_cast<InputPanel*>(pages.at(SectionId::FromIndex(14)));
    QVERIFY(page);
    SectionSwitcher switcher(image_, [&pages](SectionId id) { return pages.at(id); }, stack);
    switcher.switchTo(SectionId::FromIndex(14), "Вход 1");
    auto* name = page->findChild<QComboBox*>("ComboBoxSensName");
    auto* type = page->findChild<QComboBox*>("ComboBoxSensType");
    QCOMPARE(page->findChild<QLabel*>("Label10")->text(), QString("Вход 1"));
    name->setEditText("ДВЕРЬ");
    type->setCurrentIndex(4);
    switcher.switchTo(SectionId::FromIndex(15), "Вход 2");
    QCOMPARE(name->currentText(), QString("ВХОД2"));
    QCOMPARE(type->currentIndex(), 1);
    QCOMPARE(page->findChild<QLineEdit*>("MaskEditMinVal")->text(), QString("0"));
    switcher.switchTo(SectionId::FromIndex(14), "Вход 1");
    QCOMPARE(name->currentText(), QString("ДВЕРЬ"));
    QCOMPARE(type->currentIndex(), 4);
    QCOMPARE(page->findChild<QLineEdit*>("MaskEditMinVal")->text(), QString("-50"));
}

QTEST_MAIN(TestInputPanel)
#include "tst_input_panel.moc"
