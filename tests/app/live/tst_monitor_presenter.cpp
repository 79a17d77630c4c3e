// What the window shows for each report of the monitor loop: status bar
// panels, placeholders, the GPS reset, the red rejection and the fixed
// values after failed reads.

#include <QtTest>

#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/live/power_clock_display.h"
#include "app/pages/controller_panel.h"
#include "app/live/monitor_presenter.h"
#include "app/widgets/widget_colours.h"
#include "monitor/monitor_host.h"

using namespace krx;

namespace {

// The power and clock pages as the presenter sees them: their live views on
// their own controls.
class PowerAndClockPage : public QWidget, public PowerLiveView, public ClockLiveView {
public:
    explicit PowerAndClockPage(QWidget* parent) : QWidget(parent) {
        auto* layout = new QVBoxLayout(this);
        auto add = [layout](auto* widget, const char* name) {
            widget->setObjectName(name);
            layout->addWidget(widget);
            return widget;
        };
        PowerWidgets p;
        p.batteryPercent = add(new QLabel, "Label17");
        p.batteryBar = add(new QProgressBar, "ProgressBarBatCharge");
        p.batteryBar->setRange(0, 100);
        p.batteryMessage = add(new QLabel, "LabelBatMsg");
        p.mains = add(new QLabel, "LabelMainPower");
        p.mainsBar = add(new QProgressBar, "ProgressBarMainPower");
        p.mainsBar->setRange(0, 165);
        p.temperatureCaption = add(new QLabel, "LabelTemperature");
        p.temperatureBar = add(new QProgressBar, "ProgressBarModemTemperature");
        p.temperatureBar->setRange(-40, 90);
        p.temperatureValue = add(new QLabel, "LabelTempCurVal");
        power_ = std::make_unique<PowerDisplay>(p);
        power_->setLocale(QLocale::c());
        clock_ = std::make_unique<ClockDisplay>(
            ClockWidgets{add(new QLineEdit, "MaskEditPCTime"), add(new QLineEdit, "MaskEditContrCurTime")});
    }
    void showBatteryCharge(std::uint8_t raw) override { power_->showBatteryCharge(raw); }
    void showMainsVoltage(std::uint8_t raw) override { power_->showMainsVoltage(raw); }
    void showBoardTemperature(std::int8_t value, bool valid) override {
        power_->showBoardTemperature(value, valid);
    }
    void showPcClock(const QDateTime& now) override { clock_->showPcClock(now); }
    void showControllerClock(const StatusValues& s) override { clock_->showControllerClock(s); }
    void watchControllerTimeEditing(std::function<void(bool)>) override {}

private:
    std::unique_ptr<PowerDisplay> power_;
    std::unique_ptr<ClockDisplay> clock_;
};

}  // namespace

class TestMonitorPresenter : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void identified_showsRecordPortAndJobText();
    void identificationLost_showsPlaceholdersNcAndClearsActionName();
    void identificationLost_leavesGpsPanelUnlessAsked();
    void rejectedDevice_redActionName();
    void statusLost_panel3AndIndicatorsOff();
    void powerStatus_andItsFailureValues();
    void clockAndErrors_reachTheirPlaces();

private:
    template <typename W>
    W* w(const char* name) {
        auto* found = window_->findChild<W*>(QLatin1String(name));
        if (!found) qFatal("no control %s", name);
        return found;
    }

    QWidget* window_ = nullptr;
    MonitorHost* host_ = nullptr;
    QMap<int, QString> panels_;
};

void TestMonitorPresenter::init() {
    window_ = new QWidget;
    auto* layout = new QVBoxLayout(window_);
    auto* panel = new ControllerPanel(window_);
    layout->addWidget(panel);
    panel->adaptToModel(SectionId::FromIndex(0));
    panel->setLocale(QLocale::c());
    auto* powerAndClock = new PowerAndClockPage(window_);
    layout->addWidget(powerAndClock);

    panels_.clear();
    LiveViews views;
    views.controller = panel;
    views.power = powerAndClock;
    views.clock = powerAndClock;
    host_ = new MonitorHost({}, window_);
    new MonitorPresenter(host_, views, [this](int p, const QString& t) { panels_[p] = t; },
                         window_);
}

void TestMonitorPresenter::cleanup() {
    delete window_;
    window_ = nullptr;
}

void TestMonitorPresenter::identified_showsRecordPortAndJobText() {
    IdentValues id;
    id.deviceName = "KRX310";
    id.modification = "LT";
    id.softwareVersion = 0x0101;
    emit host_->identified(id, "Версия устройства считана", "ttyUSB0");
    QCOMPARE(w<QLabel>("iDeviceNameLabel")->text(), QStringLiteral("KRX310"));
    QCOMPARE(panels_.value(1), QStringLiteral("ttyUSB0"));
    QCOMPARE(panels_.value(2), QStringLiteral("LT.01.01"));
    QCOMPARE(panels_.value(3), QStringLiteral("Версия устройства считана"));
}

void TestMonitorPresenter::identificationLost_showsPlaceholdersNcAndClearsActionName() {
    emit host_->deviceRejected("Устройство KRX740 не поддерживается");
    emit host_->identificationFailed("Невозможно открыть ttyUSB0", true);
    QCOMPARE(w<QLabel>("iDeviceNameLabel")->text(), QStringLiteral("--------"));
    QCOMPARE(panels_.value(1), QStringLiteral("NC"));
    QCOMPARE(panels_.value(2), QStringLiteral("--------.--.--"));
    QCOMPARE(panels_.value(3), QStringLiteral("Невозможно открыть ttyUSB0"));
    QCOMPARE(w<QLabel>("ActionName")->text(), QString());
    QCOMPARE(TextColour(w<QLabel>("ActionName")), QColor(Qt::black));
    QCOMPARE(w<QLabel>("LabelLat")->text(), QStringLiteral("-"));
}

void TestMonitorPresenter::identificationLost_leavesGpsPanelUnlessAsked() {
    w<QLabel>("LabelLat")->setText("55.75");
    w<QPushButton>("ButtonShowOnMap")->setEnabled(true);
    emit host_->identificationFailed("Нет ответа от устройства", false);
    QCOMPARE(w<QLabel>("LabelLat")->text(), QStringLiteral("55.75"));
    QVERIFY(w<QPushButton>("ButtonShowOnMap")->isEnabled());
    emit host_->identificationFailed("Нет ответа от устройства", true);
    QCOMPARE(w<QLabel>("LabelLat")->text(), QStringLiteral("-"));
    QVERIFY(!w<QPushButton>("ButtonShowOnMap")->isEnabled());
}

void TestMonitorPresenter::rejectedDevice_redActionName() {
    emit host_->deviceRejected("Версия LT.01.02 не поддерживается");
    QCOMPARE(w<QLabel>("ActionName")->text(), QStringLiteral("Версия LT.01.02 не поддерживается"));
    QCOMPARE(TextColour(w<QLabel>("ActionName")), QColor(0xFF0000));
}

void TestMonitorPresenter::statusLost_panel3AndIndicatorsOff() {
    StatusValues s;
    s.gsmSignal = 25;
    s.gsmState = 8;
    s.armingMode = 3;
    s.indicators = 0x0F;
    s.outputs = 0x03;
    emit host_->controllerStatus(s);
    QCOMPARE(w<QLabel>("LabelGSMState")->text(), QStringLiteral("Зарегистрирован в домашней сети"));
    QCOMPARE(BackgroundColour(w<QWidget>("PanelLed4")), QColor(0x00FF00));

    emit host_->controllerStatusFailed("Нет корректного ответа от устройства");
    QCOMPARE(panels_.value(3), QStringLiteral("Нет корректного ответа от устройства"));
    QCOMPARE(w<QProgressBar>("ProgressBarSignalQuality")->value(), 0);
    QCOMPARE(w<QLabel>("LabelGSMState")->text(), QString());
    QCOMPARE(w<QLabel>("PanelArmDisarmStatus")->text(), QString());
    QCOMPARE(BackgroundColour(w<QWidget>("PanelArmDisarmStatus")), ButtonFaceColour());
    QCOMPARE(BackgroundColour(w<QWidget>("PanelLed4")), QColor(0x008000));
    QCOMPARE(BackgroundColour(w<QWidget>("PanelOut2")), QColor(0x008000));
}

void TestMonitorPresenter::powerStatus_andItsFailureValues() {
    StatusValues s;
    s.batteryCharge = 254;
    s.mainsVoltage = 124;
    s.temperatureValid = true;
    s.boardTemperature = 25;
    emit host_->powerStatus(s);
    QCOMPARE(w<QLabel>("Label17")->text(), QStringLiteral("0%"));
    QCOMPARE(w<QLabel>("LabelBatMsg")->text(),
             QStringLiteral("Тестирование АКБ,\nподождите (не более 1 мин.)"));
    QCOMPARE(w<QLabel>("LabelMainPower")->text(), QStringLiteral("12.4 В"));
    QCOMPARE(w<QLabel>("LabelTempCurVal")->text(), QStringLiteral("25° C"));

    emit host_->powerStatusFailed("Нет ответа от устройства");
    QCOMPARE(w<QLabel>("Label17")->text(), QStringLiteral("0%"));
    QCOMPARE(w<QLabel>("LabelBatMsg")->text(), QStringLiteral("\nАккумулятор подключен"));
    QCOMPARE(w<QLabel>("LabelMainPower")->text(), QStringLiteral("0.0 В"));
    QCOMPARE(w<QProgressBar>("ProgressBarMainPower")->value(), 0);
    QCOMPARE(panels_.value(3), QStringLiteral("Нет ответа от устройства"));
    // The temperature is not among the values reset after a failed read.
    QCOMPARE(w<QLabel>("LabelTempCurVal")->text(), QStringLiteral("25° C"));
}

void TestMonitorPresenter::clockAndErrors_reachTheirPlaces() {
    emit host_->pcClockTick(QDateTime(QDate(2026, 12, 7), QTime(10, 5, 30)));
    QCOMPARE(w<QLineEdit>("MaskEditPCTime")->text(), QStringLiteral("07.12.26 10:05:30"));
    StatusValues s;
    s.day = 1;
    s.month = 2;
    s.year = 3;
    emit host_->controllerClock(s);
    QCOMPARE(w<QLineEdit>("MaskEditContrCurTime")->text(), QStringLiteral("01.02.03 00:00:00"));
    emit host_->cycleError(" ttyUSB0 не найден.");
    QCOMPARE(panels_.value(3), QStringLiteral(" ttyUSB0 не найден."));
    emit host_->exchangeFailed("Ошибка передачи данных, код 2");
    QCOMPARE(panels_.value(3), QStringLiteral("Ошибка передачи данных, код 2"));
}

QTEST_MAIN(TestMonitorPresenter)
#include "tst_monitor_presenter.moc"
