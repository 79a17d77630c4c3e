// The monitor loop against a scripted exchange: what each cycle asks the
// controller, in which order it hands results to the window, the
// unsupported-device paths, failures, the catch-all, the pause after an
// unopenable port, and stopping without deadlock.

#include <QtTest>

#include <QDir>
#include <QMutex>

#include <functional>
#include <stdexcept>

#include "monitor/monitor_host.h"

using namespace krx;

namespace {

struct Call {
    TransferJobKind job;
    bool windowMessages = false;
    QByteArray payload;  // what the buffer held when the job started
};

// The controller side, scripted by each test. Runs on the monitor's thread.
struct Script {
    QMutex mutex;
    QList<Call> calls;
    std::function<ExchangeOutcome(TransferJobKind, std::span<std::uint8_t>)> answer;
    int delayMs = 0;

    int count(TransferJobKind job) {
        QMutexLocker lock(&mutex);
        int n = 0;
        for (const Call& c : calls) n += c.job == job;
        return n;
    }
    QList<Call> snapshot() {
        QMutexLocker lock(&mutex);
        return calls;
    }
};

class ScriptedExchange : public MonitorExchange {
public:
    explicit ScriptedExchange(std::shared_ptr<Script> s) : script_(std::move(s)) {}
    ExchangeOutcome run(TransferJobKind job, std::span<std::uint8_t> buffer,
                        const QStringList* messages) override {
        {
            QMutexLocker lock(&script_->mutex);
            script_->calls.append({job, messages != nullptr,
                                   QByteArray(reinterpret_cast<const char*>(buffer.data()),
                                              static_cast<qsizetype>(buffer.size()))});
        }
        if (script_->delayMs > 0) QThread::msleep(script_->delayMs);
        return script_->answer(job, buffer);
    }

private:
    std::shared_ptr<Script> script_;
};

void Put(std::span<std::uint8_t> buffer, std::size_t at, const QByteArray& bytes) {
    std::copy(bytes.begin(), bytes.end(), buffer.begin() + static_cast<std::ptrdiff_t>(at));
}

// A controller that answers everything: identification of `name`, software
// `software`, and a status record with inputs 100, 200, 300, 400.
std::function<ExchangeOutcome(TransferJobKind, std::span<std::uint8_t>)> Controller(
    QByteArray name = "KRX310", std::uint16_t software = 0x0101, std::uint8_t flags = 0x20) {
    return [=](TransferJobKind job, std::span<std::uint8_t> b) -> ExchangeOutcome {
        switch (job) {
            case TransferJobKind::IdentityRead:
                Put(b, 0, name);
                Put(b, 9, "LT");
                b[20] = software & 0xFF;
                b[21] = software >> 8;
                return {true, "Версия устройства считана"};
            case TransferJobKind::StatusRead:
                Put(b, 6, QByteArray::fromHex("6400c8002c019001"));
                b[25] = flags;
                b[26] = 2;
                return {true, "Данные считаны"};
            case TransferJobKind::PasswordSend:
                return {true, "Данные переданы"};
            case TransferJobKind::KeyCodeRead:
                Put(b, 0, QByteArray::fromHex("0123456789abcdef03"));
                return {true, "Данные считаны"};
        }
        return {};
    };
}

}  // namespace

class TestMainPanelControl : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void controllerSection_identifiesThenShowsStatusInCycleOrder();
    void identificationJob_getsTheWindowsTexts();
    void otherDevice_isRejectedAndNothingElseRead();
    void otherVersion_isRejectedWithPanelText();
    void identificationFailure_resetsGpsOnlyOnFirstLoss();
    void sectionsWithoutLiveRecord_onlyIdentify_data();
    void sectionsWithoutLiveRecord_onlyIdentify();
    void clockSection_pcTimeAlwaysControllerTimeUnlessEditing();
    void powerSection_failureReportsJobText();
    void armInSection_presentsPasswordThenReadsKey();
    void armInSection_refusedPasswordSkipsKeyRead();
    void inputSection_liveValueOnlyWhenRecordCarriesIt_data();
    void inputSection_liveValueOnlyWhenRecordCarriesIt();
    void unexpectedError_showsPortNotFoundAndLoopGoesOn();
    void unopenablePort_pausesBetweenCycles();
    void stopDuringCycle_waitsForItWhileWindowRuns();
    void startStop_manyTimes_leavesNoThread();

private:
    void startIn(int section);
    void waitForCycles(int cycles);
    QStringList eventsOfFirstCycle() const;

    std::shared_ptr<Script> script_;
    InterfaceTexts translated_;
    std::unique_ptr<MonitorHost> host_;
    QStringList events_;
};

void TestMainPanelControl::init() {
    script_ = std::make_shared<Script>();
    script_->answer = Controller();
    host_ = std::make_unique<MonitorHost>(
        [s = script_](const QString&) { return std::make_unique<ScriptedExchange>(s); }, nullptr);
    host_->setPortName("COM7");
    translated_ = BuiltInInterfaceTexts();
    translated_.transferMessages = {"translated"};
    host_->bindTexts(translated_);
    events_.clear();
    MonitorHost* h = host_.get();
    connect(h, &MonitorHost::identified, this, [this](const IdentValues& id, const QString& msg,
                                                       const QString& port) {
        events_ << "identified " + id.deviceName + " " + msg + " " + port;
    });
    connect(h, &MonitorHost::identificationFailed, this, [this](const QString& msg, bool gps) {
        events_ << QString("lost %1 gps=%2").arg(msg).arg(gps);
    });
    connect(h, &MonitorHost::deviceRejected, this, [this](const QString& t) {
        events_ << "rejected " + t;
    });
    connect(h, &MonitorHost::controllerStatus, this, [this](const StatusValues& s) {
        events_ << QString("status arm=%1").arg(s.armingMode);
    });
    connect(h, &MonitorHost::controllerStatusFailed, this, [this](const QString& m) {
        events_ << "status failed " + m;
    });
    connect(h, &MonitorHost::pcClockTick, this, [this](const QDateTime&) { events_ << "pc time"; });
    connect(h, &MonitorHost::controllerClock, this, [this](const StatusValues&) {
        events_ << "controller time";
    });
    connect(h, &MonitorHost::powerStatus, this, [this](const StatusValues&) { events_ << "power"; });
    connect(h, &MonitorHost::powerStatusFailed, this, [this](const QString& m) {
        events_ << "power failed " + m;
    });
    connect(h, &MonitorHost::armInCycleStarted, this, [this] { events_ << "arm-in"; });
    connect(h, &MonitorHost::keyPasswordRefused, this, [this](const QString& t) {
        events_ << "refused " + t;
    });
    connect(h, &MonitorHost::keyRead, this, [this](const KeyCodeValues& k) {
        events_ << QString("key %1 %2").arg(k.code).arg(k.present);
    });
    connect(h, &MonitorHost::inputLevel, this, [this](const InputLevel& l) {
        events_ << QString("input %1 = %2").arg(l.input).arg(l.value);
    });
    connect(h, &MonitorHost::exchangeFailed, this, [this](const QString& m) {
        events_ << "failed " + m;
    });
    connect(h, &MonitorHost::cycleError, this, [this](const QString& t) { events_ << "error" + t; });
}

void TestMainPanelControl::cleanup() {
    host_.reset();
    script_.reset();
}

void TestMainPanelControl::startIn(int section) {
    host_->shared().setSectionId(SectionId::FromIndex(section));
    host_->start();
}

void TestMainPanelControl::waitForCycles(int cycles) {
    // A cycle has ended once the next identification has started.
    QTRY_VERIFY_WITH_TIMEOUT(script_->count(TransferJobKind::IdentityRead) > cycles, 10000);
    host_->stop();
}

QStringList TestMainPanelControl::eventsOfFirstCycle() const {
    QStringList first;
    for (const QString& e : events_) {
        if (!first.isEmpty() && (e.startsWith("identified") || e.startsWith("lost"))) break;
        first << e;
    }
    return first;
}

void TestMainPanelControl::controllerSection_identifiesThenShowsStatusInCycleOrder() {
    startIn(0);
    waitForCycles(3);
    QVERIFY(!host_->isRunning());
    QCOMPARE(eventsOfFirstCycle(),
             (QStringList{"identified KRX310 Версия устройства считана COM7", "status arm=2"}));
    // Later cycles repeat the same pair, in order.
    QVERIFY(events_.size() >= 6);
    for (int i = 0; i + 1 < 6; i += 2) {
        QVERIFY(events_[i].startsWith("identified"));
        QCOMPARE(events_[i + 1], QStringLiteral("status arm=2"));
    }
}

void TestMainPanelControl::identificationJob_getsTheWindowsTexts() {
    startIn(0);
    waitForCycles(1);
    const QList<Call> calls = script_->snapshot();
    QVERIFY(calls.size() >= 2);
    QCOMPARE(calls[0].job, TransferJobKind::IdentityRead);
    QVERIFY(calls[0].windowMessages);
    QCOMPARE(calls[1].job, TransferJobKind::StatusRead);
    QVERIFY(!calls[1].windowMessages);
}

void TestMainPanelControl::otherDevice_isRejectedAndNothingElseRead() {
    script_->answer = Controller("KRX740");
    startIn(0);
    waitForCycles(3);
    QCOMPARE(eventsOfFirstCycle(),
             (QStringList{"identified KRX740 Версия устройства считана COM7",
                          "rejected Устройство KRX740 не поддерживается"}));
    QCOMPARE(script_->count(TransferJobKind::StatusRead), 0);
}

void TestMainPanelControl::otherVersion_isRejectedWithPanelText() {
    script_->answer = Controller("KRX310", 0x0102);
    startIn(14);
    waitForCycles(2);
    QCOMPARE(eventsOfFirstCycle().last(), QStringLiteral("rejected Версия LT.01.02 не поддерживается"));
    QCOMPARE(script_->count(TransferJobKind::StatusRead), 0);
}

void TestMainPanelControl::identificationFailure_resetsGpsOnlyOnFirstLoss() {
    // Cycle 1 answers, cycles 2 and 3 find nobody, cycle 4 answers again.
    auto controller = Controller();
    auto n = std::make_shared<std::atomic<int>>(0);
    script_->answer = [controller, n](TransferJobKind job, std::span<std::uint8_t> b) {
        if (job == TransferJobKind::IdentityRead) {
            const int cycle = ++*n;
            if (cycle == 2 || cycle == 3) return ExchangeOutcome{false, "Нет ответа от устройства"};
        }
        return controller(job, b);
    };
    startIn(5);  // a connection section: identification only
    waitForCycles(4);
    QCOMPARE(events_.mid(0, 4),
             (QStringList{"identified KRX310 Версия устройства считана COM7",
                          "lost Нет ответа от устройства gps=1",
                          "lost Нет ответа от устройства gps=0",
                          "identified KRX310 Версия устройства считана COM7"}));
}

void TestMainPanelControl::sectionsWithoutLiveRecord_onlyIdentify_data() {
    QTest::addColumn<int>("section");
    for (int s : {1, 2, 9, 13, 18, 23, 29}) QTest::addRow("section %d", s) << s;
}

void TestMainPanelControl::sectionsWithoutLiveRecord_onlyIdentify() {
    QFETCH(int, section);
    startIn(section);
    waitForCycles(3);
    for (const Call& c : script_->snapshot()) QCOMPARE(c.job, TransferJobKind::IdentityRead);
    QCOMPARE(eventsOfFirstCycle().size(), 1);
}

void TestMainPanelControl::clockSection_pcTimeAlwaysControllerTimeUnlessEditing() {
    startIn(10);
    waitForCycles(1);
    QCOMPARE(eventsOfFirstCycle().mid(1), (QStringList{"pc time", "controller time"}));

    events_.clear();
    script_->calls.clear();
    host_->shared().setControllerTimeEditing(true);
    host_->start();
    waitForCycles(2);
    QCOMPARE(eventsOfFirstCycle().mid(1), (QStringList{"pc time"}));
    QCOMPARE(script_->count(TransferJobKind::StatusRead), 0);
}

void TestMainPanelControl::powerSection_failureReportsJobText() {
    auto controller = Controller();
    script_->answer = [controller](TransferJobKind job, std::span<std::uint8_t> b) {
        if (job == TransferJobKind::StatusRead) return ExchangeOutcome{false, "Ошибка передачи данных, код 2"};
        return controller(job, b);
    };
    startIn(11);
    waitForCycles(1);
    QCOMPARE(eventsOfFirstCycle().mid(1),
             (QStringList{"power failed Ошибка передачи данных, код 2"}));
}

void TestMainPanelControl::armInSection_presentsPasswordThenReadsKey() {
    host_->shared().setAdminPassword({'1', '2', '3', '4', 0, 0, 0, 0});
    startIn(12);
    waitForCycles(1);
    QCOMPARE(eventsOfFirstCycle().mid(1), (QStringList{"arm-in", "key 0123456789ABCDEF 1"}));
    const QList<Call> calls = script_->snapshot();
    QCOMPARE(calls[1].job, TransferJobKind::PasswordSend);
    QCOMPARE(calls[1].payload, QByteArray("1234\0\0\0\0\0", 9));
    QCOMPARE(calls[2].job, TransferJobKind::KeyCodeRead);
    QCOMPARE(calls[2].payload.size(), 12);
}

void TestMainPanelControl::armInSection_refusedPasswordSkipsKeyRead() {
    auto controller = Controller();
    script_->answer = [controller](TransferJobKind job, std::span<std::uint8_t> b) {
        if (job == TransferJobKind::PasswordSend) return ExchangeOutcome{false, "refused"};
        return controller(job, b);
    };
    startIn(12);
    waitForCycles(2);
    QCOMPARE(eventsOfFirstCycle().mid(1),
             (QStringList{"arm-in",
                          "refused Взаимодействие запрещено без указания пароля, программа не "
                          "сможет получить код ключа"}));
    QCOMPARE(script_->count(TransferJobKind::KeyCodeRead), 0);
}

void TestMainPanelControl::inputSection_liveValueOnlyWhenRecordCarriesIt_data() {
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("readOk");
    QTest::addColumn<QStringList>("events");
    QTest::newRow("input 1") << 14 << 0x20 << true << QStringList{"input 1 = 100"};
    QTest::newRow("input 4") << 17 << 0x20 << true << QStringList{"input 4 = 400"};
    QTest::newRow("value not carried") << 15 << 0x00 << true << QStringList{"input 2 = 0"};
    QTest::newRow("read failed") << 16 << 0x20 << false
                                 << QStringList{"input 3 = 0", "failed Нет ответа от устройства"};
}

void TestMainPanelControl::inputSection_liveValueOnlyWhenRecordCarriesIt() {
    QFETCH(int, section);
    QFETCH(int, flags);
    QFETCH(bool, readOk);
    QFETCH(QStringList, events);
    auto controller = Controller("KRX310", 0x0101, static_cast<std::uint8_t>(flags));
    script_->answer = [controller, readOk](TransferJobKind job, std::span<std::uint8_t> b) {
        if (job == TransferJobKind::StatusRead && !readOk) {
            return ExchangeOutcome{false, "Нет ответа от устройства"};
        }
        return controller(job, b);
    };
    startIn(section);
    waitForCycles(1);
    QCOMPARE(eventsOfFirstCycle().mid(1), events);
}

void TestMainPanelControl::unexpectedError_showsPortNotFoundAndLoopGoesOn() {
    auto controller = Controller();
    auto n = std::make_shared<std::atomic<int>>(0);
    script_->answer = [controller, n](TransferJobKind job, std::span<std::uint8_t> b) {
        if (job == TransferJobKind::StatusRead && ++*n == 1) throw std::runtime_error("driver");
        return controller(job, b);
    };
    startIn(0);
    waitForCycles(2);
    QCOMPARE(events_.mid(0, 4),
             (QStringList{"identified KRX310 Версия устройства считана COM7",
                          "error COM7 не найден.",
                          "identified KRX310 Версия устройства считана COM7", "status arm=2"}));
}

void TestMainPanelControl::unopenablePort_pausesBetweenCycles() {
    script_->answer = [](TransferJobKind, std::span<std::uint8_t>) {
        return ExchangeOutcome{false, "Невозможно открыть COM7", true};
    };
    QElapsedTimer timer;
    timer.start();
    startIn(0);
    QTest::qWait(1000);
    host_->stop();
    // About one cycle per half second instead of a spinning loop.
    const int cycles = script_->count(TransferJobKind::IdentityRead);
    QVERIFY2(cycles >= 1 && cycles <= 4, qPrintable(QString::number(cycles)));
    // The pause never delays a stop by more than a moment.
    QVERIFY(timer.elapsed() < 1400);
    QCOMPARE(events_.first(), QStringLiteral("lost Невозможно открыть COM7 gps=0"));
}

void TestMainPanelControl::stopDuringCycle_waitsForItWhileWindowRuns() {
    script_->delayMs = 150;  // every exchange is slow
    startIn(0);
    QTRY_VERIFY(script_->count(TransferJobKind::IdentityRead) == 1);
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
    ticker.start(10);
    QElapsedTimer timer;
    timer.start();
    host_->stop();
    ticker.stop();
    QVERIFY(!host_->isRunning());
    // The cycle under way (identification, then status) was finished...
    QCOMPARE(script_->count(TransferJobKind::StatusRead), 1);
    QCOMPARE(eventsOfFirstCycle().size(), 2);
    // ...its updates all arrived before stop() returned, and the window's
    // timers kept running while it waited.
    QVERIFY(timer.elapsed() >= 100);
    QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));
    const QStringList before = events_;
    QTest::qWait(50);
    QCOMPARE(events_, before);
}

static int ThreadCount() { return QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(); }

void TestMainPanelControl::startStop_manyTimes_leavesNoThread() {
    host_->shared().setSectionId(SectionId::FromIndex(0));
    host_->start();
    host_->stop();
    const int baseline = ThreadCount();
    for (int i = 0; i < 300; ++i) {
        host_->start();
        if (i % 3 == 0) QCoreApplication::processEvents();
        host_->stop();
        QVERIFY(!host_->isRunning());
    }
    // Finished threads leave the process a moment after wait() returns.
    QTRY_VERIFY_WITH_TIMEOUT(ThreadCount() <= baseline, 5000);
    // Every monitor ran at least one cycle.
    QVERIFY(script_->count(TransferJobKind::IdentityRead) >= 301);
}

QTEST_GUILESS_MAIN(TestMainPanelControl)
#include "tst_main_panel_control.moc"
