// Transfer jobs on their own threads against the in-process simulated
// controller: each kind's status texts, colours and result, the port opened
// and closed by the job, an unopenable port, a substituted message list, a
// failed read that leaves the caller's buffer alone, and status texts that
// reach the waiting thread while the job runs.

#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>

#include <pthread.h>
#include <signal.h>
#include <time.h>
#include <vector>

#include "device/serial_link.h"
#include "device/status_sink.h"
#include "device/transfer_messages.h"
#include "device/treaddata.h"
#include "job_recorder.h"
#include "sim/sim_controller.h"
#include "sim/sim_link.h"
#include "watched_link.h"

using namespace krx;
using krx::test::Hex;
using krx::test::ShownStatus;
using Bytes = std::vector<std::uint8_t>;
using Shown = std::vector<ShownStatus>;

namespace {

// The twenty status texts in index order, as the user reads them.
const QStringList kTexts = {
    QStringLiteral("Невозможно открыть "),
    QStringLiteral("Идентификация..."),
    QStringLiteral("Передача данных в память контроллера..."),
    QStringLiteral("Ошибка порта "),
    QStringLiteral("Чтение данных из памяти контроллера..."),
    QStringLiteral("Программирование завершено успешно"),
    QStringLiteral("Ошибка, найдены несоответствия в данных"),
    QStringLiteral("Данные считаны"),
    QStringLiteral("Данные в памяти контроллера аналогичны текущим"),
    QStringLiteral("Данные в памяти контроллера отличаются от текущих"),
    QStringLiteral("Версия устройства считана"),
    QStringLiteral("Данные переданы"),
    QStringLiteral("Перезагрузка устройства инициированна"),
    QStringLiteral("Нет корректного ответа от устройства"),
    QStringLiteral("Нет ответа от устройства"),
    QStringLiteral("Ошибка передачи данных, код 1"),
    QStringLiteral("Ошибка передачи данных, код 2"),
    QStringLiteral("Ошибка передачи данных, код 3"),
    QStringLiteral("Внутренняя ошибка взаимодействия с FLASH памятью"),
    QStringLiteral("Взаимодействие запрещено без указания пароля, команды чтения/записи и ряд "
                   "управляющих команд не могут быть выполнены"),
};

ShownStatus Black(int i) { return {kTexts.at(i), StatusColour::Black}; }
ShownStatus Blue(int i) { return {kTexts.at(i), StatusColour::Blue}; }
ShownStatus Red(int i) { return {kTexts.at(i), StatusColour::Red}; }

}  // namespace

Q_DECLARE_METATYPE(TransferJobKind)
Q_DECLARE_METATYPE(Bytes)
Q_DECLARE_METATYPE(Shown)

class TReadDataTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void defaultMessages_areTheTwentyTextsInOrder();
    void statusColours_haveTheirRgbValues_data();
    void statusColours_haveTheirRgbValues();
    void jobKind_reportsItsTextsAndResult_data();
    void jobKind_reportsItsTextsAndResult();
    void areaRead_copiesAreaIntoCallerBuffer();
    void writeVerify_leavesDataInController();
    void failedLastBlock_leavesCallerBufferUnchanged();
    void kind12_opensAndClosesPortAndSendsNothing();
    void unopenablePort_reportsCannotOpenWithName();
    void unopenableSystemPort_reportsCannotOpenWithName();
    void portErrorDuringExchange_reportsPortErrorAndCloses();
    void substitutedMessages_everyTextComesFromThatList_data();
    void substitutedMessages_everyTextComesFromThatList();
    void statusText_arrivesWhileCallerWaits();
    void blockingWaitForJob_doesNotDeadlock();
    void foreignThreadReports_waitUntilDeliveredInTheirOrder();
    void runJobAndWait_returnsWithEveryTextShown_data();
    void runJobAndWait_returnsWithEveryTextShown();
    void windowStalledRightAfterStart_jobsTextsShownBeforeTheWaitReturns();
    void outcome_carriesTheLastTextAndTheBytes();
    void openedPort_isAnnouncedBeforeTheFirstText();

private:
    std::unique_ptr<TReadData> makeJob(TransferJobKind kind, std::uint8_t area, Bytes& buffer,
                                       const QString& port = QStringLiteral("SIM1"));
    int runJob(TReadData& job);
    Bytes area1() const {
        return controller_->withDevice([](sim::SimDevice& d) { return d.memory().area(1); });
    }
    void applyFaults(const QStringList& names);

    std::shared_ptr<sim::SimController> controller_;
    std::shared_ptr<test::LinkWatch> watch_;
    std::unique_ptr<StatusSink> sink_;
    std::unique_ptr<test::JobRecorder> recorder_;
};

void TReadDataTest::init() {
    controller_ = std::make_shared<sim::SimController>();
    watch_ = std::make_shared<test::LinkWatch>();
    SetSerialLinkFactory([controller = controller_, watch = watch_]() -> std::unique_ptr<SerialLink> {
        return std::make_unique<test::WatchedLink>(std::make_unique<sim::SimLink>(controller),
                                                   watch);
    });
    sink_ = std::make_unique<StatusSink>();
    recorder_ = std::make_unique<test::JobRecorder>(*sink_);
}

void TReadDataTest::cleanup() {
    SetSerialLinkFactory({});
    recorder_.reset();
    sink_.reset();
    controller_.reset();
}

std::unique_ptr<TReadData> TReadDataTest::makeJob(TransferJobKind kind, std::uint8_t area,
                                                  Bytes& buffer, const QString& port) {
    if (IsAreaJob(kind)) {
        return std::make_unique<TReadData>(kind, area, buffer, 0u, port, sink_.get());
    }
    return std::make_unique<TReadData>(kind, buffer, port, sink_.get());
}

int TReadDataTest::runJob(TReadData& job) {
    const int result = RunJobAndWait(job).ok ? 0 : 1;
    QCoreApplication::processEvents();
    return result;
}

void TReadDataTest::applyFaults(const QStringList& names) {
    sim::SimFaults faults;
    for (const QString& name : names) {
        QVERIFY2(sim::ApplyFaultSwitch(faults, name.toStdString()), qPrintable(name));
    }
    controller_->setFaults(faults);
}

void TReadDataTest::defaultMessages_areTheTwentyTextsInOrder() {
    QCOMPARE(TransferMessages(), kTexts);
}

void TReadDataTest::statusColours_haveTheirRgbValues_data() {
    QTest::addColumn<int>("colour");
    QTest::addColumn<uint>("rgb");
    QTest::newRow("black") << int(StatusColour::Black) << 0x000000u;
    QTest::newRow("blue") << int(StatusColour::Blue) << 0x0000FFu;
    QTest::newRow("red") << int(StatusColour::Red) << 0xFF0000u;
}

void TReadDataTest::statusColours_haveTheirRgbValues() {
    QFETCH(int, colour);
    QFETCH(uint, rgb);
    QCOMPARE(uint(StatusColourRgb(static_cast<StatusColour>(colour))), rgb);
}

void TReadDataTest::jobKind_reportsItsTextsAndResult_data() {
    QTest::addColumn<TransferJobKind>("kind");
    QTest::addColumn<int>("area");
    QTest::addColumn<Bytes>("buffer");
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<Shown>("expected");
    QTest::addColumn<int>("result");

    const Bytes body = [] {
        sim::SimMemory fresh;
        const Bytes area = fresh.area(1);
        return Bytes(area.begin(), area.begin() + 5292);
    }();
    Bytes otherBody = body;
    otherBody[4000] ^= 0x01;
    using K = TransferJobKind;
    const QStringList none;

    QTest::newRow("0 area read") << K::AreaRead << 1 << Bytes(5292) << none
                                 << Shown{Black(1), Black(4), Blue(7)} << 0;
    QTest::newRow("1 write and verify") << K::AreaWriteVerify << 1 << otherBody << none
                                        << Shown{Black(1), Black(2), Black(4), Blue(5)} << 0;
    QTest::newRow("1 write and verify, one byte differs on read-back")
        << K::AreaWriteVerify << 1 << otherBody << QStringList{"corrupt=4000"}
        << Shown{Black(1), Black(2), Black(4), Red(6)} << 1;
    QTest::newRow("1 write and verify, refused for password")
        << K::AreaWriteVerify << 1 << otherBody << QStringList{"status=2"}
        << Shown{Black(1), Black(2), Red(17)} << 1;
    QTest::newRow("2 compare, equal") << K::AreaCompare << 1 << body << none
                                      << Shown{Black(1), Black(4), Blue(8)} << 0;
    QTest::newRow("2 compare, different") << K::AreaCompare << 1 << otherBody << none
                                          << Shown{Black(1), Black(4), Red(9)} << 1;
    QTest::newRow("2 compare, silent controller")
        << K::AreaCompare << 1 << body << QStringList{"silence"}
        << Shown{Black(1), Black(4), Red(15)} << 1;
    QTest::newRow("3 identity") << K::IdentityRead << 0 << Bytes(88) << none
                                << Shown{Black(1), Blue(10)} << 0;
    QTest::newRow("3 identity, silent controller")
        << K::IdentityRead << 0 << Bytes(88) << QStringList{"silence"}
        << Shown{Black(1), Red(14)} << 1;
    QTest::newRow("4 status") << K::StatusRead << 0 << Bytes(36) << none
                              << Shown{Black(1), Blue(7)} << 0;
    QTest::newRow("5 clock") << K::ClockSet << 0 << Hex("19 0C 18 0D 2D 1E") << none
                             << Shown{Black(1), Blue(11)} << 0;
    QTest::newRow("6 key code") << K::KeyCodeRead << 0 << Bytes(12) << none
                                << Shown{Black(1), Blue(7)} << 0;
    QTest::newRow("7 apply") << K::ConfigApply << 0 << Bytes{0} << none
                             << Shown{Black(1), Blue(11)} << 0;
    QTest::newRow("8 restart") << K::DeviceRestart << 0 << Bytes{0} << none
                               << Shown{Black(1), Blue(12)} << 0;
    QTest::newRow("8 restart, refused for password")
        << K::DeviceRestart << 0 << Bytes{0} << QStringList{"status=2"}
        << Shown{Black(1), Red(19)} << 1;
    QTest::newRow("9 password") << K::PasswordSend << 0 << Bytes(9) << none
                                << Shown{Black(1), Blue(11)} << 0;
    QTest::newRow("10 control") << K::ControlCommand << 0 << Hex("02 01 01") << none
                                << Shown{Black(1), Blue(11)} << 0;
    QTest::newRow("10 control, flash failure")
        << K::ControlCommand << 0 << Hex("02 01 01") << QStringList{"status=1"}
        << Shown{Black(1), Red(18)} << 1;
    QTest::newRow("11 spare record") << K::SpareRecordRead << 0 << Bytes(16) << none
                                     << Shown{Black(1), Blue(7)} << 0;
}

void TReadDataTest::jobKind_reportsItsTextsAndResult() {
    QFETCH(TransferJobKind, kind);
    QFETCH(int, area);
    QFETCH(Bytes, buffer);
    QFETCH(QStringList, faults);
    QFETCH(Shown, expected);
    QFETCH(int, result);
    applyFaults(faults);

    auto job = makeJob(kind, static_cast<std::uint8_t>(area), buffer);
    QCOMPARE(job->result(), 1);  // failure until the job has succeeded
    QCOMPARE(runJob(*job), result);
    QCOMPARE(job->result(), result);

    QCOMPARE(recorder_->statuses, expected);
    QCOMPARE(controller_->modeEntries(), 1);
    QCOMPARE(watch_->opens.load(), 1);
    QCOMPARE(watch_->closes.load(), 1);
    if (IsAreaJob(kind)) {
        QCOMPARE(recorder_->maxima.front(), int(buffer.size()));
        QCOMPARE(recorder_->positions.front(), 0);
    } else {
        QVERIFY(recorder_->maxima.empty());
        QVERIFY(recorder_->positions.empty());
    }
}

void TReadDataTest::areaRead_copiesAreaIntoCallerBuffer() {
    Bytes buffer(5292, 0);
    auto job = makeJob(TransferJobKind::AreaRead, 1, buffer);
    QCOMPARE(runJob(*job), 0);
    const Bytes area = area1();
    QCOMPARE(buffer, Bytes(area.begin(), area.begin() + 5292));
}

void TReadDataTest::writeVerify_leavesDataInController() {
    Bytes buffer(5292);
    for (std::size_t i = 0; i < buffer.size(); ++i) {
        buffer[i] = static_cast<std::uint8_t>(i % 251);
    }
    auto job = makeJob(TransferJobKind::AreaWriteVerify, 1, buffer);
    QCOMPARE(runJob(*job), 0);
    const Bytes area = area1();
    QCOMPARE(Bytes(area.begin(), area.begin() + 5292), buffer);
}

void TReadDataTest::failedLastBlock_leavesCallerBufferUnchanged() {
    // The first twenty blocks arrive, the last one never does.
    applyFaults({QStringLiteral("silent-after=20")});
    Bytes buffer(5292, 0x77);
    auto job = makeJob(TransferJobKind::AreaRead, 1, buffer);

    QCOMPARE(runJob(*job), 1);

    QCOMPARE(recorder_->statuses, (Shown{Black(1), Black(4), Red(15)}));
    QCOMPARE(recorder_->positions.back(), 5120);
    QVERIFY(std::all_of(buffer.begin(), buffer.end(), [](std::uint8_t b) { return b == 0x77; }));
    QCOMPARE(watch_->closes.load(), 1);
}

void TReadDataTest::kind12_opensAndClosesPortAndSendsNothing() {
    Bytes buffer(8, 0x5A);
    sink_->setStatus(QStringLiteral("before"), StatusColour::Blue);
    QCoreApplication::processEvents();
    recorder_->statuses.clear();
    auto job = makeJob(static_cast<TransferJobKind>(12), 0, buffer);

    QCOMPARE(runJob(*job), 1);

    QCOMPARE(watch_->opens.load(), 1);
    QCOMPARE(watch_->closes.load(), 1);
    QCOMPARE(watch_->writes.load(), 0);
    QCOMPARE(controller_->modeEntries(), 0);
    QVERIFY(controller_->requests().empty());
    // Nothing was reported, so the label keeps its text.
    QVERIFY(recorder_->statuses.empty());
    QCOMPARE(buffer, Bytes(8, 0x5A));
}

void TReadDataTest::unopenablePort_reportsCannotOpenWithName() {
    Bytes buffer(5292, 0x33);
    auto job = makeJob(TransferJobKind::AreaRead, 1, buffer, QStringLiteral("COM7"));

    QCOMPARE(runJob(*job), 1);

    QCOMPARE(recorder_->statuses,
             (Shown{{kTexts.at(0) + QStringLiteral("COM7"), StatusColour::Red}}));
    QCOMPARE(watch_->writes.load(), 0);
    QCOMPARE(controller_->modeEntries(), 0);
    QCOMPARE(buffer, Bytes(5292, 0x33));
}

void TReadDataTest::unopenableSystemPort_reportsCannotOpenWithName() {
    SetSerialLinkFactory({});  // the real serial port
    Bytes buffer(88);
    auto job = makeJob(TransferJobKind::IdentityRead, 0, buffer, QStringLiteral("ttyKRXabsent"));

    QCOMPARE(runJob(*job), 1);

    QCOMPARE(recorder_->statuses,
             (Shown{{kTexts.at(0) + QStringLiteral("ttyKRXabsent"), StatusColour::Red}}));
}

void TReadDataTest::portErrorDuringExchange_reportsPortErrorAndCloses() {
    watch_->failReadNumber = 1;  // the preamble read: the adapter was pulled
    Bytes buffer(88);
    auto job = makeJob(TransferJobKind::IdentityRead, 0, buffer);

    QCOMPARE(runJob(*job), 1);

    QCOMPARE(recorder_->statuses,
             (Shown{Black(1), {kTexts.at(3) + QStringLiteral("SIM1"), StatusColour::Red}}));
    QCOMPARE(watch_->closes.load(), 1);
}

void TReadDataTest::substitutedMessages_everyTextComesFromThatList_data() {
    QTest::addColumn<QString>("port");
    QTest::addColumn<int>("failRead");
    QTest::addColumn<QStringList>("expected");  // texts, in order
    QTest::newRow("success") << QStringLiteral("SIM1") << 0
                             << QStringList{QStringLiteral("m1"), QStringLiteral("m10")};
    QTest::newRow("cannot open") << QStringLiteral("COM9") << 0
                                 << QStringList{QStringLiteral("m0COM9")};
    QTest::newRow("port error") << QStringLiteral("SIM1") << 1
                                << QStringList{QStringLiteral("m1"), QStringLiteral("m3SIM1")};
}

void TReadDataTest::substitutedMessages_everyTextComesFromThatList() {
    QFETCH(QString, port);
    QFETCH(int, failRead);
    QFETCH(QStringList, expected);
    QStringList translated;
    for (int i = 0; i < 20; ++i) {
        translated << QStringLiteral("m%1").arg(i);
    }
    watch_->failReadNumber = failRead;
    Bytes buffer(88);
    auto job = makeJob(TransferJobKind::IdentityRead, 0, buffer, port);
    job->setMessages(&translated);

    runJob(*job);

    QStringList shown;
    for (const ShownStatus& s : recorder_->statuses) {
        shown << s.text;
    }
    QCOMPARE(shown, expected);
}

void TReadDataTest::statusText_arrivesWhileCallerWaits() {
    // Paced at the line rate, reading 1 KiB takes over half a second.
    applyFaults({QStringLiteral("pace")});
    Bytes buffer(1024);
    auto job = makeJob(TransferJobKind::AreaRead, 1, buffer);
    std::vector<bool> runningWhenShown;
    connect(sink_.get(), &StatusSink::statusChanged, this,
            [&](const QString&, StatusColour) { runningWhenShown.push_back(job->isRunning()); });

    QVERIFY(RunJobAndWait(*job).ok);
    QCoreApplication::processEvents();

    QCOMPARE(runningWhenShown.size(), std::size_t{3});
    QVERIFY(runningWhenShown.at(0));  // "Идентификация..." seen during the transfer
    QVERIFY(runningWhenShown.at(1));  // "Чтение данных..." as well
    QVERIFY(recorder_->positions.size() > 1);
}

void TReadDataTest::blockingWaitForJob_doesNotDeadlock() {
    // A caller that blocks in wait() without turning its event loop must not
    // stall the job's status deliveries: they queue up and arrive afterwards.
    Bytes buffer(5292);
    auto job = makeJob(TransferJobKind::AreaRead, 1, buffer);
    job->start();
    QVERIFY(job->wait(QDeadlineTimer(20000)));
    QCOMPARE(job->result(), 0);
    QVERIFY(recorder_->statuses.empty());  // nothing delivered yet: queued
    QCoreApplication::processEvents();
    QCOMPARE(recorder_->statuses, (Shown{Black(1), Black(4), Blue(7)}));
}

void TReadDataTest::foreignThreadReports_waitUntilDeliveredInTheirOrder() {
    // Reports from a worker reach the sink's thread as queued calls; until
    // that thread runs its events, or asks for them, nothing is shown.
    std::thread worker([this] {
        sink_->setStatus(QStringLiteral("a"), StatusColour::Black);
        sink_->setProgressMaximum(7);
        sink_->setStatus(QStringLiteral("b"), StatusColour::Red);
    });
    worker.join();
    QVERIFY(recorder_->statuses.empty());
    sink_->deliverPending();
    QCOMPARE(recorder_->statuses, (Shown{{"a", StatusColour::Black}, {"b", StatusColour::Red}}));
    QCOMPARE(recorder_->maxima, std::vector<int>{7});
    // Nothing is delivered twice.
    QCoreApplication::processEvents();
    QCOMPARE(recorder_->statuses.size(), std::size_t{2});
}

void TReadDataTest::runJobAndWait_returnsWithEveryTextShown_data() {
    QTest::addColumn<bool>("slowWindow");
    QTest::newRow("window at full speed") << false;
    // A window thread that needs a while for every text, as on a machine
    // many times slower or under a thread sanitizer.
    QTest::newRow("slow window") << true;
}

void TReadDataTest::runJobAndWait_returnsWithEveryTextShown() {
    QFETCH(bool, slowWindow);
    if (slowWindow) {
        connect(sink_.get(), &StatusSink::statusChanged, this,
                [] { QThread::usleep(3000); });
    }
    // Many short jobs: some end before the caller's wait loop even starts,
    // which is where a late text used to slip past the caller.
    const int runs = slowWindow ? 40 : 200;
    for (int i = 0; i < runs; ++i) {
        recorder_->statuses.clear();
        Bytes record(88);
        auto job = makeJob(TransferJobKind::IdentityRead, 0, record);
        const JobOutcome out = RunJobAndWait(*job);
        // No event processing between the wait and this check.
        QVERIFY(out.ok);
        QCOMPARE(recorder_->statuses, (Shown{test::Shown(1, StatusColour::Black),
                                             test::Shown(10, StatusColour::Blue)}));
    }
    // And nothing of those jobs arrives afterwards.
    recorder_->statuses.clear();
    QCoreApplication::processEvents();
    QVERIFY(recorder_->statuses.empty());
}

namespace {

pthread_t gWindowThread;

// The window thread loses the processor for a while (a loaded or much slower
// machine): long enough for a short job to run to its end meanwhile.
void StallWindowThread(int) {
    timespec pause{0, 400'000};
    nanosleep(&pause, nullptr);
}

}  // namespace

void TReadDataTest::windowStalledRightAfterStart_jobsTextsShownBeforeTheWaitReturns() {
    struct sigaction stall {};
    stall.sa_handler = StallWindowThread;
    stall.sa_flags = SA_RESTART;
    struct sigaction previous {};
    QCOMPARE(sigaction(SIGUSR1, &stall, &previous), 0);
    gWindowThread = pthread_self();
    // Jobs that fail at once (no link to open), while the window thread keeps
    // losing the processor for a moment, as on a loaded machine: now and then
    // a job runs to its end between its start and the window's first look.
    SetSerialLinkFactory([]() -> std::unique_ptr<SerialLink> { return nullptr; });
    std::atomic<bool> done{false};
    std::thread staller([&done] {
        while (!done.load()) {
            pthread_kill(gWindowThread, SIGUSR1);
            std::this_thread::sleep_for(std::chrono::microseconds(600));
        }
    });
    int wrong = 0;
    for (int i = 0; i < 1000; ++i) {
        recorder_->statuses.clear();
        Bytes record(88);
        auto job = makeJob(TransferJobKind::IdentityRead, 0, record);
        const JobOutcome out = RunJobAndWait(*job);
        // Shown before the caller goes on, not at some later event.
        if (out.ok || recorder_->statuses != Shown{{kTexts.at(0) + "SIM1", StatusColour::Red}}) {
            ++wrong;
        }
    }
    done = true;
    staller.join();
    sigaction(SIGUSR1, &previous, nullptr);
    QCoreApplication::processEvents();
    QCOMPARE(wrong, 0);
}

void TReadDataTest::outcome_carriesTheLastTextAndTheBytes() {
    Bytes area(5292);
    auto job = makeJob(TransferJobKind::AreaRead, 1, area);
    const JobOutcome read = RunJobAndWait(*job);
    QVERIFY(read.ok);
    QVERIFY(read.portOpened);
    QCOMPARE(read.message, kTexts.at(7));
    QCOMPARE(read.colour, StatusColour::Blue);
    QCOMPARE(read.bytes, area1());

    Bytes none(88);
    auto failing = makeJob(TransferJobKind::IdentityRead, 0, none, QStringLiteral("NOWHERE"));
    SetSerialLinkFactory({});  // the system's ports: NOWHERE does not exist
    const JobOutcome refused = RunJobAndWait(*failing);
    QVERIFY(!refused.ok);
    QVERIFY(!refused.portOpened);
    QCOMPARE(refused.message, kTexts.at(0) + "NOWHERE");
    QCOMPARE(refused.colour, StatusColour::Red);
    QVERIFY(refused.bytes.empty());
}

void TReadDataTest::openedPort_isAnnouncedBeforeTheFirstText() {
    QStringList seen;
    connect(sink_.get(), &StatusSink::portOpened, this,
            [&seen](const QString& port) { seen << "opened " + port; });
    connect(sink_.get(), &StatusSink::statusChanged, this,
            [&seen](const QString& text) { seen << text; });
    Bytes record(36);
    auto job = makeJob(TransferJobKind::StatusRead, 0, record);
    QVERIFY(RunJobAndWait(*job).ok);
    QCOMPARE(seen, (QStringList{"opened SIM1", kTexts.at(1), kTexts.at(7)}));

    // A port that cannot be opened announces nothing.
    seen.clear();
    SetSerialLinkFactory({});
    auto failing = makeJob(TransferJobKind::StatusRead, 0, record, QStringLiteral("NOWHERE"));
    QVERIFY(!RunJobAndWait(*failing).ok);
    QCOMPARE(seen, QStringList{kTexts.at(0) + "NOWHERE"});
}

QTEST_GUILESS_MAIN(TReadDataTest)
#include "tst_treaddata.moc"
