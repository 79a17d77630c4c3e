// The monitor with real transfer jobs against the simulated controller:
// identification and status arrive in cycle order, unsupported devices and
// versions stop the cycle before any section record, a touched key arrives,
// failures carry the job's text, and stopping never deadlocks or leaks.

#include <QtTest>

#include <QDir>

#include "device/transfer_messages.h"
#include "monitor/monitor_host.h"
#include "sim/sim_controller.h"
#include "sim/sim_link.h"

using namespace krx;

namespace {

int ThreadCount() {
    return QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
}

}  // namespace

class TestMonitorWithSim : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void controllerSection_identityThenStatusInCycleOrder();
    void otherDevice_rejectedWithoutSectionRecords();
    void otherVersion_rejectedWithPanelText();
    void armInSection_touchedKeyIsDelivered();
    void armInSection_wrongPasswordSkipsKeyRead();
    void inputSection_deliversLiveValue();
    void silentController_showsNoAnswerText();
    void unopenablePort_failsWithItsNameAndPauses();
    void stopDuringPacedCycle_returnsWithoutDeadlock();
    void startStop_manyTimes_leavesNoThread();

private:
    QList<std::uint8_t> commandsSent() const;
    void runUntil(const std::function<bool()>& done);

    std::shared_ptr<sim::SimController> controller_;
    std::unique_ptr<sim::ScopedSimLinks> links_;
    std::unique_ptr<MonitorHost> host_;
    QStringList events_;
    QList<IdentValues> idents_;
    QList<StatusValues> statuses_;
    QList<KeyCodeValues> keys_;
    QList<InputLevel> levels_;
};

void TestMonitorWithSim::init() {
    controller_ = std::make_shared<sim::SimController>();
    links_ = std::make_unique<sim::ScopedSimLinks>(controller_);
    host_ = std::make_unique<MonitorHost>();
    host_->setPortName(sim::kSimPortName);
    events_.clear();
    idents_.clear();
    statuses_.clear();
    keys_.clear();
    levels_.clear();
    MonitorHost* h = host_.get();
    connect(h, &MonitorHost::identified, this,
            [this](const IdentValues& id, const QString& msg, const QString& port) {
                idents_ << id;
                events_ << "identified " + msg + " " + port;
            });
    connect(h, &MonitorHost::identificationFailed, this,
            [this](const QString& msg, bool) { events_ << "lost " + msg; });
    connect(h, &MonitorHost::deviceRejected, this,
            [this](const QString& t) { events_ << "rejected " + t; });
    connect(h, &MonitorHost::controllerStatus, this, [this](const StatusValues& s) {
        statuses_ << s;
        events_ << "status";
    });
    connect(h, &MonitorHost::keyPasswordRefused, this,
            [this](const QString&) { events_ << "password refused"; });
    connect(h, &MonitorHost::keyRead, this, [this](const KeyCodeValues& k) {
        keys_ << k;
        events_ << "key";
    });
    connect(h, &MonitorHost::inputLevel, this, [this](const InputLevel& l) { levels_ << l; });
}

void TestMonitorWithSim::cleanup() {
    host_.reset();
    links_.reset();
    controller_.reset();
}

QList<std::uint8_t> TestMonitorWithSim::commandsSent() const {
    QList<std::uint8_t> commands;
    for (const auto& frame : controller_->requests()) {
        if (frame.size() > 1) commands << frame[1];
    }
    return commands;
}

void TestMonitorWithSim::runUntil(const std::function<bool()>& done) {
    host_->start();
    QTRY_VERIFY_WITH_TIMEOUT(done(), 15000);
    host_->stop();
    QVERIFY(!host_->isRunning());
}

void TestMonitorWithSim::controllerSection_identityThenStatusInCycleOrder() {
    controller_->withDevice([](sim::SimDevice& d) {
        d.live().armingMode = 2;
        d.live().signalLevel = 17;
        d.live().outputs = 0x05;
    });
    host_->shared().setSectionId(SectionId::FromIndex(0));
    runUntil([this] { return statuses_.size() >= 2; });
    QCOMPARE(events_.at(0), QStringLiteral("identified Версия устройства считана SIM1"));
    QCOMPARE(events_.at(1), QStringLiteral("status"));
    QCOMPARE(events_.at(2).left(10), QStringLiteral("identified"));
    QCOMPARE(events_.at(3), QStringLiteral("status"));
    QCOMPARE(idents_.first().deviceName, QStringLiteral("KRX310"));
    QCOMPARE(idents_.first().softwareVersion, std::uint16_t(0x0101));
    QCOMPARE(statuses_.first().armingMode, std::uint8_t(2));
    QCOMPARE(statuses_.first().gsmSignal, std::uint8_t(17));
    QCOMPARE(statuses_.first().outputs, std::uint8_t(0x05));
    // Command 5 then command 12, cycle after cycle.
    const QList<std::uint8_t> sent = commandsSent();
    QVERIFY(sent.size() >= 4);
    QCOMPARE(sent.mid(0, 4), (QList<std::uint8_t>{5, 12, 5, 12}));
    QVERIFY(host_->deviceConnected() == false);  // stopped: no monitor any more
}

void TestMonitorWithSim::otherDevice_rejectedWithoutSectionRecords() {
    controller_->withDevice([](sim::SimDevice& d) { d.identity().deviceName = "KRX740"; });
    host_->shared().setSectionId(SectionId::FromIndex(0));
    runUntil([this] { return events_.size() >= 4; });
    QCOMPARE(events_.at(1), QStringLiteral("rejected Устройство KRX740 не поддерживается"));
    QCOMPARE(idents_.first().deviceName, QStringLiteral("KRX740"));
    for (std::uint8_t c : commandsSent()) QCOMPARE(c, std::uint8_t(5));
}

void TestMonitorWithSim::otherVersion_rejectedWithPanelText() {
    controller_->withDevice([](sim::SimDevice& d) { d.identity().softwareVersion = 0x0102; });
    host_->shared().setSectionId(SectionId::FromIndex(14));
    runUntil([this] { return events_.size() >= 2; });
    QCOMPARE(events_.at(1), QStringLiteral("rejected Версия LT.01.02 не поддерживается"));
    for (std::uint8_t c : commandsSent()) QCOMPARE(c, std::uint8_t(5));
    QVERIFY(levels_.isEmpty());
}

void TestMonitorWithSim::armInSection_touchedKeyIsDelivered() {
    controller_->withDevice([](sim::SimDevice& d) {
        d.setPassword("1234");
        d.touchKey({0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF});
    });
    host_->shared().setAdminPassword({'1', '2', '3', '4', 0, 0, 0, 0});
    host_->shared().setSectionId(SectionId::FromIndex(12));
    runUntil([this] {
        for (const KeyCodeValues& k : keys_) {
            if (k.present) return true;
        }
        return false;
    });
    KeyCodeValues touched;
    for (const KeyCodeValues& k : keys_) {
        if (k.present) touched = k;
    }
    QCOMPARE(touched.code, QStringLiteral("0123456789ABCDEF"));
    const QList<std::uint8_t> sent = commandsSent();
    QCOMPARE(sent.mid(0, 3), (QList<std::uint8_t>{5, 17, 14}));
}

void TestMonitorWithSim::armInSection_wrongPasswordSkipsKeyRead() {
    controller_->withDevice([](sim::SimDevice& d) { d.setPassword("1234"); });
    host_->shared().setAdminPassword({'9', '9', 0, 0, 0, 0, 0, 0});
    host_->shared().setSectionId(SectionId::FromIndex(12));
    runUntil([this] { return events_.count("password refused") >= 2; });
    QVERIFY(keys_.isEmpty());
    QVERIFY(!commandsSent().contains(14));
}

void TestMonitorWithSim::inputSection_deliversLiveValue() {
    controller_->withDevice([](sim::SimDevice& d) {
        d.live().inputs[2] = 3210;
        d.live().inputFlag5 = true;
    });
    host_->shared().setSectionId(SectionId::FromIndex(16));
    runUntil([this] { return !levels_.isEmpty(); });
    QCOMPARE(levels_.first(), (InputLevel{3, 3210}));
}

void TestMonitorWithSim::silentController_showsNoAnswerText() {
    sim::SimFaults faults;
    faults.reply = sim::ReplyFault::Silence;
    controller_->setFaults(faults);
    host_->shared().setSectionId(SectionId::FromIndex(0));
    runUntil([this] { return events_.size() >= 2; });
    QCOMPARE(events_.first(), QStringLiteral("lost Нет ответа от устройства"));
    QVERIFY(statuses_.isEmpty());
}

void TestMonitorWithSim::unopenablePort_failsWithItsNameAndPauses() {
    host_->setPortName("NOPE9");
    host_->shared().setSectionId(SectionId::FromIndex(0));
    host_->start();
    QTest::qWait(1200);
    host_->stop();
    QVERIFY(!events_.isEmpty());
    QCOMPARE(events_.first(), QStringLiteral("lost Невозможно открыть NOPE9"));
    // One attempt about every half second rather than thousands.
    QVERIFY2(events_.size() <= 4, qPrintable(QString::number(events_.size())));
}

void TestMonitorWithSim::stopDuringPacedCycle_returnsWithoutDeadlock() {
    sim::SimFaults faults;
    faults.linePacing = true;
    controller_->setFaults(faults);
    host_->shared().setSectionId(SectionId::FromIndex(0));
    host_->start();
    QTRY_VERIFY_WITH_TIMEOUT(!controller_->requests().empty(), 5000);
    QElapsedTimer timer;
    timer.start();
    host_->stop();
    QVERIFY(!host_->isRunning());
    QVERIFY(timer.elapsed() < 3000);
    // The cycle under way was completed and shown.
    QVERIFY(!events_.isEmpty());
    QCOMPARE(events_.size() % 2, 0);
}

void TestMonitorWithSim::startStop_manyTimes_leavesNoThread() {
    host_->shared().setSectionId(SectionId::FromIndex(0));
    host_->start();
    host_->stop();
    const int baseline = ThreadCount();
    // As many times as a day of device operations would.
    for (int i = 0; i < 1000; ++i) {
        host_->start();
        host_->stop();
    }
    // Finished threads leave the process a moment after wait() returns.
    QTRY_VERIFY_WITH_TIMEOUT(ThreadCount() <= baseline, 5000);
    QVERIFY(idents_.size() >= 1001);
}

QTEST_GUILESS_MAIN(TestMonitorWithSim)
#include "tst_monitor_with_sim.moc"
