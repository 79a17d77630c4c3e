// The controller page and the display routines that write the live records
// into it: texts, colours, bars, the battery and mains rules.

#include <QtTest>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QProgressBar>
#include <QPushButton>

#include "app/live/controller_display.h"
#include "app/pages/controller_panel.h"
#include "app/widgets/widget_colours.h"
#include "monitor/status_display_rules.h"
#include "monitor/monitor_host.h"
#include "app/live/monitor_presenter.h"
#include "app/live/power_clock_display.h"

using namespace krx;

namespace {

// The power page's controls by name, as the section 11 page carries them.
// The page's controls by the names the window description gives them, for
// display routines that the test drives one by one.
ControllerWidgets WidgetsOf(QWidget& page) {
    auto label = [&page](const char* name) {
        auto* found = page.findChild<QLabel*>(QLatin1String(name));
        if (!found) qFatal("no label %s", name);
        return found;
    };
    auto widget = [&page](const QString& name) {
        auto* found = page.findChild<QWidget*>(name);
        if (!found) qFatal("no control %s", qPrintable(name));
        return found;
    };
    ControllerWidgets w;
    w.deviceName = label("iDeviceNameLabel");
    w.modification = label("iModificationLabel");
    w.hardwareVersion = label("iHardVerLabel");
    w.softwareVersion = label("iSoftVerLabel");
    w.bootLoaderVersion = label("iBLLabel");
    w.productionDate = label("iDateLabel");
    w.countryCode = label("iLabelCountryCode");
    w.bindingId = label("iLabelDevSNLocked");
    w.imei = label("iGSMIMEILabel");
    w.uniqueId = label("iLabelDevSN");
    w.signal = page.findChild<QProgressBar*>("ProgressBarSignalQuality");
    w.gsmState = label("LabelGSMState");
    w.armingMode = label("PanelArmDisarmStatus");
    for (int i = 0; i < 16; ++i) w.indicators[std::size_t(i)] = widget(QString("PanelLed%1").arg(i + 1));
    for (int i = 0; i < 7; ++i) w.outputs[std::size_t(i)] = widget(QString("PanelOut%1").arg(i + 1));
    w.balance = label("LabelBalans");
    w.gpsValid = widget("PanelValidate");
    w.gpsValidText = label("LabelValidate");
    w.gpsValues = {label("LabelDateTime"), label("LabelLat"),    label("LabelLong"),
                   label("LabelAltitude"), label("LabelSpeed"), label("LabelCourse"),
                   label("LabelSatellitesUsed")};
    w.showOnMap = page.findChild<QPushButton*>("ButtonShowOnMap");
    w.actionName = label("ActionName");
    return w;
}

struct PowerPageFixture {
    QWidget page;
    QLabel* percent = new QLabel(&page);
    QProgressBar* battery = new QProgressBar(&page);
    QLabel* batteryMessage = new QLabel(&page);
    QLabel* mains = new QLabel(&page);
    QProgressBar* mainsBar = new QProgressBar(&page);
    QLineEdit* controllerTime = new QLineEdit(&page);
    QLineEdit* pcTime = new QLineEdit(&page);
    PowerPageFixture() {
        percent->setObjectName("Label17");
        battery->setObjectName("ProgressBarBatCharge");
        battery->setRange(0, 100);
        batteryMessage->setObjectName("LabelBatMsg");
        mains->setObjectName("LabelMainPower");
        mainsBar->setObjectName("ProgressBarMainPower");
        mainsBar->setRange(0, 165);
        controllerTime->setObjectName("MaskEditContrCurTime");
        pcTime->setObjectName("MaskEditPCTime");
    }
    PowerWidgets widgets() const { return {percent, battery, batteryMessage, mains, mainsBar}; }
};

}  // namespace

class TestControllerPanel : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void adaptation_keepsFourInputsAndHidesProtection();
    void adaptation_refillsTestListsAndClearsActionName();

    void identification_showsVersionsAndPanel2();
    void placeholderIdentification_showsDashes();

    void armingPanel_blinksOnModeChange();
    void armingPanel_steadyCodes_data();
    void armingPanel_steadyCodes();
    void indicatorsAndOutputs_limeWhenSet();
    void gsmState_unknownCodesAndReplacedTexts();
    void balance_inCurrencyFormatOrEmpty();
    void statusLost_resetsOnlyNamedIndicators();
    void gpsPanel_reset();
    void actionName_textAndColour();

    void battery_rules_data();
    void battery_rules();
    void mains_rules_data();
    void mains_rules();
    void clocks_writeTheirFields();

private:
    ControllerPanel* panel_ = nullptr;
    InterfaceTexts texts_;
    std::unique_ptr<ControllerDisplay> display_;
    std::unique_ptr<MonitorHost> host_;
    std::unique_ptr<MonitorPresenter> presenter_;
    QMap<int, QString> statusPanels_;

    template <typename W>
    W* w(const char* name) {
        auto* found = panel_->findChild<W*>(QLatin1String(name));
        if (!found) qFatal("no control %s", name);
        return found;
    }
};

void TestControllerPanel::init() {
    panel_ = new ControllerPanel;
    statusPanels_.clear();
    texts_ = BuiltInInterfaceTexts();
    display_ = std::make_unique<ControllerDisplay>(WidgetsOf(*panel_), texts_);
    display_->setLocale(QLocale::c());
    host_ = std::make_unique<MonitorHost>(MonitorHost::ExchangeFactory{}, nullptr);
    LiveViews views;
    views.controller = panel_;
    presenter_ = std::make_unique<MonitorPresenter>(
        host_.get(), views, [this](int p, const QString& t) { statusPanels_[p] = t; });
    panel_->adaptToModel(SectionId::FromIndex(0));
}

void TestControllerPanel::cleanup() {
    presenter_.reset();
    host_.reset();
    display_.reset();
    delete panel_;
    panel_ = nullptr;
}

void TestControllerPanel::adaptation_keepsFourInputsAndHidesProtection() {
    panel_->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel_));
    QVERIFY(w<QPushButton>("Button22")->isHidden());
    QCOMPARE(w<QPushButton>("Button18")->width(), w<QPushButton>("Button19")->width());
    for (const char* hidden : {"BevelInputIndicator", "PanelLed5", "Label117", "Button30",
                               "PanelLed16", "Button34"}) {
        QVERIFY2(!w<QWidget>(hidden)->isVisible(), hidden);
    }
    // Inputs 1-4 keep their indicator and imitation button.
    for (const char* shown : {"PanelLed1", "PanelLed4", "Button25", "Button27", "Button28",
                              "Button29"}) {
        QVERIFY2(w<QWidget>(shown)->isVisible(), shown);
    }
    const int inputsBottom = w<QWidget>("GroupBoxInputIndicator")->geometry().bottom();
    QCOMPARE(w<QWidget>("GroupBoxOutIndicator")->geometry().top() - inputsBottom - 1, 8);
    QCOMPARE(panel_->headerLabel(), w<QLabel>("Label30"));
}

void TestControllerPanel::adaptation_refillsTestListsAndClearsActionName() {
    w<QLabel>("ActionName")->setText("old");
    panel_->adaptToModel(SectionId::FromIndex(0));
    auto* outs = w<QComboBox>("ComboBoxTestOut");
    QCOMPARE(outs->count(), 4);
    QCOMPARE(outs->itemText(0), QStringLiteral("Реле 1"));
    QCOMPARE(outs->itemText(3), QStringLiteral("Выход 2"));
    QCOMPARE(outs->currentIndex(), 0);
    auto* scen = w<QComboBox>("ComboBoxTestScen");
    QCOMPARE(scen->count(), 14);
    QCOMPARE(scen->itemText(0), QStringLiteral("сценарий 1"));
    QCOMPARE(scen->itemText(13), QStringLiteral("сценарий 14"));
    QCOMPARE(scen->currentIndex(), 0);
    QCOMPARE(w<QLabel>("ActionName")->text(), QString());
}

void TestControllerPanel::identification_showsVersionsAndPanel2() {
    IdentValues id;
    id.deviceName = "KRX310";
    id.modification = "LT";
    id.hardwareVersion = 0x0102;
    id.softwareVersion = 0x0101;
    id.bootLoaderVersion = 0x0A10;
    id.productionDate = "12.03.2009";
    id.countryCode = "RUS";
    id.bindingId = {0x01020304, 0, 0xDEADBEEF, 0x10};
    id.imei = "356789012345678";
    // As the monitor and the operations show it: the page and panel 2.
    presenter_->showIdentification(id);
    QCOMPARE(w<QLabel>("iDeviceNameLabel")->text(), QStringLiteral("KRX310"));
    QCOMPARE(w<QLabel>("iModificationLabel")->text(), QStringLiteral("LT"));
    QCOMPARE(w<QLabel>("iHardVerLabel")->text(), QStringLiteral("01.02"));
    QCOMPARE(w<QLabel>("iSoftVerLabel")->text(), QStringLiteral("01.01"));
    QCOMPARE(w<QLabel>("iBLLabel")->text(), QStringLiteral("0A.10"));
    QCOMPARE(w<QLabel>("iDateLabel")->text(), QStringLiteral("12.03.2009"));
    QCOMPARE(w<QLabel>("iLabelCountryCode")->text(), QStringLiteral("RUS"));
    QCOMPARE(w<QLabel>("iLabelDevSNLocked")->text(),
             QStringLiteral("01020304 00000000 DEADBEEF 00000010"));
    QCOMPARE(w<QLabel>("iGSMIMEILabel")->text(), QStringLiteral("356789012345678"));
    QCOMPARE(w<QLabel>("iLabelDevSN")->text(),
             QStringLiteral("- - - - - - - -  - - - - - - - -  - - - - - - - -  - - - - - - - -"));
    QCOMPARE(statusPanels_.value(2), QStringLiteral("LT.01.01"));
}

void TestControllerPanel::placeholderIdentification_showsDashes() {
    presenter_->showPlaceholderIdentification();
    QCOMPARE(w<QLabel>("iDeviceNameLabel")->text(), QStringLiteral("--------"));
    QCOMPARE(w<QLabel>("iSoftVerLabel")->text(), QStringLiteral("--.--"));
    QCOMPARE(w<QLabel>("iDateLabel")->text(), QStringLiteral("-----------"));
    QCOMPARE(w<QLabel>("iGSMIMEILabel")->text(), QStringLiteral("---------------"));
    QCOMPARE(w<QLabel>("iLabelDevSNLocked")->text(), QString(48, ' ') + "-");
    QCOMPARE(statusPanels_.value(2), QStringLiteral("--------.--.--"));
}

void TestControllerPanel::armingPanel_blinksOnModeChange() {
    auto* arm = w<QLabel>("PanelArmDisarmStatus");
    QList<QColor> colours;
    for (int cycle = 0; cycle < 3; ++cycle) {
        display_->showArmingMode(1);
        QCOMPARE(arm->text(), QStringLiteral("Смена режима"));
        colours << BackgroundColour(arm);
    }
    QCOMPARE(colours, (QList<QColor>{QColor(0xFF0000), ButtonFaceColour(), QColor(0xFF0000)}));
}

void TestControllerPanel::armingPanel_steadyCodes_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("observation") << 0 << "НАБЛЮДЕНИЕ" << ButtonFaceColour();
    QTest::newRow("armed") << 2 << "ОХРАНА" << QColor(0xFF0000);
    QTest::newRow("protection") << 3 << "ЗАЩИТА" << QColor(0xFFDC0E);
    QTest::newRow("failed read") << 255 << "" << ButtonFaceColour();
}

void TestControllerPanel::armingPanel_steadyCodes() {
    QFETCH(int, code);
    QFETCH(QString, caption);
    QFETCH(QColor, colour);
    display_->showArmingMode(2);  // red before: the steady codes do not blink
    display_->showArmingMode(static_cast<std::uint8_t>(code));
    QCOMPARE(w<QLabel>("PanelArmDisarmStatus")->text(), caption);
    QCOMPARE(BackgroundColour(w<QLabel>("PanelArmDisarmStatus")), colour);
}

void TestControllerPanel::indicatorsAndOutputs_limeWhenSet() {
    display_->showIndicators(0x0105);  // indicators 1, 3 and 9
    const QColor lime(0x00FF00), green(0x008000);
    QCOMPARE(BackgroundColour(w<QWidget>("PanelLed1")), lime);
    QCOMPARE(BackgroundColour(w<QWidget>("PanelLed2")), green);
    QCOMPARE(BackgroundColour(w<QWidget>("PanelLed3")), lime);
    QCOMPARE(BackgroundColour(w<QWidget>("PanelLed8")), green);
    QCOMPARE(BackgroundColour(w<QWidget>("PanelLed9")), lime);
    QCOMPARE(BackgroundColour(w<QWidget>("PanelLed16")), green);

    display_->showOutputs(0x41);  // relay 1 and output 5
    QCOMPARE(BackgroundColour(w<QWidget>("PanelOut1")), lime);
    for (const char* off : {"PanelOut2", "PanelOut3", "PanelOut4", "PanelOut5", "PanelOut6"}) {
        QCOMPARE(BackgroundColour(w<QWidget>(off)), green);
    }
    QCOMPARE(BackgroundColour(w<QWidget>("PanelOut7")), lime);
}

void TestControllerPanel::gsmState_unknownCodesAndReplacedTexts() {
    display_->showGsmState(12);
    QCOMPARE(w<QLabel>("LabelGSMState")->text(), QStringLiteral("Неизвестное состояние GSM модуля"));
    display_->showGsmState(3);
    QCOMPARE(w<QLabel>("LabelGSMState")->text(), QStringLiteral("SIM карта не установлена"));
    // The display reads the catalogue it was given whenever it shows a text.
    texts_.gsmStates.clear();
    for (int i = 0; i < 12; ++i) texts_.gsmStates.push_back("state " + std::to_string(i));
    display_->showGsmState(255);
    QCOMPARE(w<QLabel>("LabelGSMState")->text(), QStringLiteral("state 11"));
    display_->showGsmSignal(31);
    QCOMPARE(w<QProgressBar>("ProgressBarSignalQuality")->value(), 31);
}

void TestControllerPanel::balance_inCurrencyFormatOrEmpty() {
    display_->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    display_->showBalance(true, 1234.5f);
    QCOMPARE(w<QLabel>("LabelBalans")->text(), QStringLiteral("Баланс лицевого счета: $1,234.50"));
    display_->showBalance(false, 1234.5f);
    QCOMPARE(w<QLabel>("LabelBalans")->text(), QString());
}

void TestControllerPanel::statusLost_resetsOnlyNamedIndicators() {
    StatusValues s;
    s.gsmSignal = 20;
    s.gsmState = 8;
    s.armingMode = 2;
    s.indicators = 0xFF;
    s.outputs = 0x7F;
    s.balanceValid = true;
    s.balance = 10.0f;
    s.temperatureValid = true;
    s.boardTemperature = 30;
    display_->showControllerStatus(s);
    const QString balance = w<QLabel>("LabelBalans")->text();
    QVERIFY(!balance.isEmpty());

    display_->showControllerStatusLost();
    QCOMPARE(w<QProgressBar>("ProgressBarSignalQuality")->value(), 0);
    QCOMPARE(w<QLabel>("LabelGSMState")->text(), QString());
    QCOMPARE(w<QLabel>("PanelArmDisarmStatus")->text(), QString());
    QCOMPARE(BackgroundColour(w<QLabel>("PanelArmDisarmStatus")), ButtonFaceColour());
    QCOMPARE(BackgroundColour(w<QWidget>("PanelLed1")), QColor(0x008000));
    QCOMPARE(BackgroundColour(w<QWidget>("PanelOut7")), QColor(0x008000));
    // The balance keeps its last value.
    QCOMPARE(w<QLabel>("LabelBalans")->text(), balance);
}

void TestControllerPanel::gpsPanel_reset() {
    w<QLabel>("LabelLat")->setText("55.7");
    w<QLabel>("LabelValidate")->setText("x");
    w<QPushButton>("ButtonShowOnMap")->setEnabled(true);
    SetBackgroundColour(w<QWidget>("PanelValidate"), Qt::green);
    display_->resetGpsPanel();
    for (const char* name : {"LabelDateTime", "LabelLat", "LabelLong", "LabelAltitude",
                             "LabelSpeed", "LabelCourse", "LabelSatellitesUsed"}) {
        QCOMPARE(w<QLabel>(name)->text(), QStringLiteral("-"));
    }
    QCOMPARE(w<QLabel>("LabelValidate")->text(), QString());
    QVERIFY(!w<QPushButton>("ButtonShowOnMap")->isEnabled());
    QCOMPARE(BackgroundColour(w<QWidget>("PanelValidate")), ButtonFaceColour());
}

void TestControllerPanel::actionName_textAndColour() {
    display_->showActionName("Устройство KRX740 не поддерживается", QColor(0xFF0000));
    QCOMPARE(w<QLabel>("ActionName")->text(), QStringLiteral("Устройство KRX740 не поддерживается"));
    QCOMPARE(TextColour(w<QLabel>("ActionName")), QColor(0xFF0000));
    display_->showActionName(QString(), Qt::black);
    QCOMPARE(TextColour(w<QLabel>("ActionName")), QColor(Qt::black));
}

void TestControllerPanel::battery_rules_data() {
    QTest::addColumn<int>("raw");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<int>("bar");
    QTest::addColumn<QString>("message");
    QTest::newRow("charged 80") << 80 << "80%" << 80 << "\nАккумулятор подключен";
    QTest::newRow("failed read shows 0") << 0 << "0%" << 0 << "\nАккумулятор подключен";
    QTest::newRow("test") << 254 << "0%" << 0 << "Тестирование АКБ,\nподождите (не более 1 мин.)";
    QTest::newRow("no battery") << 255 << "0%" << 0 << "\nАккумулятор не подключен";
}

void TestControllerPanel::battery_rules() {
    QFETCH(int, raw);
    QFETCH(QString, percent);
    QFETCH(int, bar);
    QFETCH(QString, message);
    PowerPageFixture f;
    PowerDisplay display(f.widgets());
    f.battery->setValue(50);
    display.showBatteryCharge(static_cast<std::uint8_t>(raw));
    QCOMPARE(f.percent->text(), percent);
    QCOMPARE(f.battery->value(), bar);
    QCOMPARE(f.batteryMessage->text(), message);
}

void TestControllerPanel::mains_rules_data() {
    QTest::addColumn<int>("raw");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bar");
    QTest::newRow("noise") << 4 << "0.0 В" << 0;
    QTest::newRow("12.4") << 124 << "12.4 В" << 124;
    QTest::newRow("beyond the bar") << 200 << "20.0 В" << 165;
}

void TestControllerPanel::mains_rules() {
    QFETCH(int, raw);
    QFETCH(QString, text);
    QFETCH(int, bar);
    PowerPageFixture f;
    PowerDisplay display(f.widgets());
    display.setLocale(QLocale::c());
    f.mainsBar->setValue(100);
    display.showMainsVoltage(static_cast<std::uint8_t>(raw));
    QCOMPARE(f.mains->text(), text);
    QCOMPARE(f.mainsBar->value(), bar);
}

void TestControllerPanel::clocks_writeTheirFields() {
    PowerPageFixture f;
    ClockDisplay display({f.pcTime, f.controllerTime});
    StatusValues s;
    s.year = 26;
    s.month = 12;
    s.day = 7;
    s.hour = 10;
    s.minute = 5;
    s.second = 30;
    display.showControllerClock(s);
    QCOMPARE(f.controllerTime->text(), QStringLiteral("07.12.26 10:05:30"));
    display.showPcClock(QDateTime(QDate(2026, 12, 7), QTime(9, 0, 1)));
    QCOMPARE(f.pcTime->text(), QStringLiteral("07.12.26 09:00:01"));
}

QTEST_MAIN(TestControllerPanel)
#include "tst_controller_panel.moc"
