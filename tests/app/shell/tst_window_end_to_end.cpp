// The whole program against the simulated controller program (krx-sim) on a
// pseudo-terminal, as a technician would use it: the real window (offscreen)
// opens the port by name through the serial port layer, reads the
// controller's configuration, an edit is made in a section panel, the
// configuration is programmed (with its restart), and a fresh read brings the
// edit back from the controller. A relay is switched on and off from the
// controller page, and the lamp follows what the simulator reports.

#include <QtTest>

#include <QComboBox>
#include <QElapsedTimer>
#include <QTimer>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <memory>

#include "common/sim_process.h"
#include "app/shell/configurator_assembly.h"
#include "app/shell/configurator_window.h"
#include "app/live/monitor_wiring.h"
#include "app/shell/operation_controller.h"
#include "app/shell/section_tree.h"
#include "app/shell/status_panels.h"
#include "app/widgets/widget_colours.h"
#include "device/serial_link.h"
#include "support/fake_window_services.h"
#include "monitor/monitor_host.h"

using namespace krx;

namespace {

const QString kDataRead = QStringLiteral("Данные считаны");
const QString kRestartStarted = QStringLiteral("Перезагрузка устройства инициированна");
const QString kSame = QStringLiteral("Данные в памяти контроллера аналогичны текущим");

// Byte 12 of the body, bits 0-2: the pause between calls as an item index.
constexpr std::size_t kPauseByte = 12;

// The window as the program builds it with --port `port`, on the real
// serial layer.
Configurator WindowOnPort(const QString& port) {
    AssemblyOptions options;
    options.window.dialogs = std::make_unique<test::FakeDialogs>();
    options.window.portOverride = port;  // as --port does
    return AssembleConfigurator(std::move(options));
}

}  // namespace

class WindowEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void readEditProgramRead_bringsTheEditBackThroughPty();
    void switchRelay_simulatorOutputLitAtTheNextCycle();
    void cablePulled_duringProgrammingAndMonitoring_windowStaysUsable();

private:
    QTemporaryDir dir_;
    QProcess simulator_;
    QString port_;
};

void WindowEndToEndTest::initTestCase() {
    QVERIFY(dir_.isValid());
    QVERIFY(QDir::setCurrent(dir_.path()));
    SetSerialLinkFactory({});  // the real serial port layer

    QString why;
    port_ = test::StartSimulatorProcess(simulator_, {}, why);
    QVERIFY2(!port_.isEmpty(), qPrintable(why));
}

void WindowEndToEndTest::cleanupTestCase() {
    test::StopSimulatorProcess(simulator_);
}

void WindowEndToEndTest::readEditProgramRead_bringsTheEditBackThroughPty() {
    Configurator configurator = WindowOnPort(port_);
    ConfiguratorWindow& window = *configurator.window;
    OperationController* operations = configurator.operations;
    window.show();

    const WindowActions& actions = window.actions();
    auto* actionName = window.findChild<QLabel*>("ActionName");
    auto* deviceName = window.findChild<QLabel*>("iDeviceNameLabel");
    auto* pause = window.findChild<QComboBox*>("ComboBoxCall2CallPauseX10S");
    QVERIFY(actionName && deviceName && pause);
    const auto idle = [&] {
        return actions.Programm->isEnabled() && configurator.monitor->host().isRunning() &&
               !operations->busy() && window.sectionTree().isEnabled();
    };

    // Start-up: the monitor finds the controller on the terminal.
    QTRY_VERIFY_WITH_TIMEOUT(idle(), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(deviceName->text(), QStringLiteral("KRX310"), 5000);

    actions.ReadConf->trigger();
    QCOMPARE(actionName->text(), kDataRead);
    QVERIFY(idle());

    // The technician changes the pause between calls to "40".
    window.selectSection(sections::kGeneral);
    QVERIFY(pause->currentText() != QStringLiteral("40"));
    pause->setCurrentIndex(pause->findText(QStringLiteral("40")));

    actions.Programm->trigger();
    QCOMPARE(actionName->text(), kRestartStarted);
    QCOMPARE(window.image().body()[kPauseByte] & 0x07, 4);
    QVERIFY(!idle());
    QTRY_VERIFY_WITH_TIMEOUT(idle(), 6000);
    QTRY_COMPARE_WITH_TIMEOUT(deviceName->text(), QStringLiteral("KRX310"), 5000);

    // Undo the edit in the editor only; the controller keeps "40".
    window.selectSection(sections::kGeneral);
    pause->setCurrentIndex(pause->findText(QStringLiteral("0")));
    window.storeCurrentSection();
    QCOMPARE(window.image().body()[kPauseByte] & 0x07, 0);

    actions.ReadConf->trigger();
    QCOMPARE(actionName->text(), kDataRead);
    QCOMPARE(window.image().body()[kPauseByte] & 0x07, 4);
    window.selectSection(sections::kGeneral);
    QCOMPARE(pause->currentText(), QStringLiteral("40"));

    actions.CompareConf->trigger();
    QCOMPARE(actionName->text(), kSame);
    QVERIFY(idle());
}

void WindowEndToEndTest::switchRelay_simulatorOutputLitAtTheNextCycle() {
    Configurator configurator = WindowOnPort(port_);
    ConfiguratorWindow& window = *configurator.window;
    window.show();
    auto* deviceName = window.findChild<QLabel*>("iDeviceNameLabel");
    auto* on = window.findChild<QPushButton*>("Button4");
    auto* off = window.findChild<QPushButton*>("Button5");
    auto* lamp = window.findChild<QWidget*>("PanelOut1");
    QVERIFY(deviceName && on && off && lamp);
    QTRY_COMPARE_WITH_TIMEOUT(deviceName->text(), QStringLiteral("KRX310"), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(BackgroundColour(lamp), kColourGreen, 5000);

    // The lamp shows the simulator's status record: it lights only if the
    // command changed the simulator's output.
    on->click();
    QCOMPARE(window.statusPanels().text(StatusPanels::kMessage), QStringLiteral("Данные переданы"));
    QTRY_COMPARE_WITH_TIMEOUT(BackgroundColour(lamp), kColourLime, 5000);

    off->click();
    QTRY_COMPARE_WITH_TIMEOUT(BackgroundColour(lamp), kColourGreen, 5000);
}

void WindowEndToEndTest::cablePulled_duringProgrammingAndMonitoring_windowStaysUsable() {
    // A controller of its own at the real line rate: programming takes seconds.
    QProcess controller;
    QString why;
    const QString port = test::StartSimulatorProcess(controller, {"--pace", "--restart-silence", "0"}, why);
    QVERIFY2(!port.isEmpty(), qPrintable(why));
    Configurator configurator = WindowOnPort(port);
    ConfiguratorWindow& window = *configurator.window;
    window.show();
    const WindowActions& actions = window.actions();
    auto* actionName = window.findChild<QLabel*>("ActionName");
    auto* deviceName = window.findChild<QLabel*>("iDeviceNameLabel");
    const auto idle = [&] {
        return actions.Programm->isEnabled() && configurator.monitor->host().isRunning() &&
               !configurator.operations->busy() && window.sectionTree().isEnabled();
    };
    QTRY_VERIFY_WITH_TIMEOUT(idle(), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(deviceName->text(), QStringLiteral("KRX310"), 5000);
    const QString shownName = deviceName->text();

    // Pulled during programming: a red failure text, and the window handed back.
    QTimer::singleShot(1500, &controller, [&controller] { controller.kill(); });
    QElapsedTimer clock;
    clock.start();
    actions.Programm->trigger();
    const qint64 ms = clock.elapsed();
    QVERIFY2(ms < 15000, qPrintable(QString("programming took %1 ms").arg(ms)));
    QCOMPARE(TextColour(actionName), kColourRed);
    QVERIFY2(actionName->text() != kRestartStarted, qPrintable(actionName->text()));
    QTRY_VERIFY_WITH_TIMEOUT(idle(), 5000);
    controller.waitForFinished(3000);
    // Monitoring with nobody on the line: the identification goes, the window stays usable.
    QTRY_VERIFY_WITH_TIMEOUT(deviceName->text() != shownName, 10000);
    QVERIFY(idle());

    // The controller back on its port: the monitor finds it again.
    QProcess back;
    const QString again = test::StartSimulatorProcess(back, {"--restart-silence", "0"}, why);
    QVERIFY2(!again.isEmpty(), qPrintable(why));
    if (again != port) window.port().setPortName(again);  // another terminal: chosen again, as a technician would
    QTRY_COMPARE_WITH_TIMEOUT(deviceName->text(), shownName, 10000);

    // Pulled again while only the monitor runs.
    back.kill();
    back.waitForFinished(3000);
    QTRY_VERIFY_WITH_TIMEOUT(deviceName->text() != shownName, 10000);
    QVERIFY(idle());
    actions.CompareConf->trigger();  // a command still runs and fails red
    QCOMPARE(TextColour(actionName), kColourRed);
    QTRY_VERIFY_WITH_TIMEOUT(idle(), 5000);
}

QTEST_MAIN(WindowEndToEndTest)
#include "tst_window_end_to_end.moc"
