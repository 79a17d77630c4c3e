// End to end through a real pseudo-terminal: the simulated controller serves
// the master side, transfer jobs open the slave side with QSerialPort, as
// they would a USB adapter. Write-and-verify, read-back, line pacing and the
// read time-outs of a silent controller all run over the operating system's
// terminal layer.

#include <QtTest>

#include <QElapsedTimer>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "device/controller_session.h"
#include "device/serial_link.h"
#include "device/status_sink.h"
#include "device/treaddata.h"
#include "sim/pty_server.h"
#include "sim/sim_controller.h"

using namespace krx;
using Bytes = std::vector<std::uint8_t>;

class PtyEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void writeVerifyThenRead_area1_roundTripsThroughPty();
    void pacedModeMemoryRead_takesLineTime();
    void pacedFullBlocks_acknowledgedWithinTheirTimeout();
    void silentController_endsWithNoAnswerAfterTimeouts();
    void simulatorGoneMidTransfer_endsWithPortError();
    void headlessSession_programsThenReadsBackThroughPty();

private:
    int runJob(TransferJobKind kind, std::uint8_t area, Bytes& buffer);

    std::shared_ptr<sim::SimController> controller_;
    std::unique_ptr<sim::PtyServer> server_;
    std::atomic<bool> stop_{false};
    std::thread serving_;
    std::unique_ptr<StatusSink> sink_;
    QStringList texts_;
};

void PtyEndToEndTest::init() {
    SetSerialLinkFactory({});  // the QSerialPort link
    controller_ = std::make_shared<sim::SimController>();
    server_ = std::make_unique<sim::PtyServer>(controller_);
    std::string error;
    QVERIFY2(server_->open(error), error.c_str());
    stop_ = false;
    serving_ = std::thread([this] { server_->serve(stop_); });
    sink_ = std::make_unique<StatusSink>();
    texts_.clear();
    connect(sink_.get(), &StatusSink::statusChanged, this,
            [this](const QString& text, StatusColour) { texts_ << text; });
}

void PtyEndToEndTest::cleanup() {
    stop_ = true;
    if (serving_.joinable()) {
        serving_.join();
    }
    server_.reset();
    sink_.reset();
}

int PtyEndToEndTest::runJob(TransferJobKind kind, std::uint8_t area, Bytes& buffer) {
    const bool areaJob = IsAreaJob(kind);
    auto job = areaJob ? std::make_unique<TReadData>(kind, area, buffer, 0u, server_->portName(),
                                                     sink_.get())
                       : std::make_unique<TReadData>(kind, buffer, server_->portName(), sink_.get());
    const int result = RunJobAndWait(*job).ok ? 0 : 1;
    QCoreApplication::processEvents();
    return result;
}

void PtyEndToEndTest::writeVerifyThenRead_area1_roundTripsThroughPty() {
    Bytes body(5292);
    for (std::size_t i = 0; i < body.size(); ++i) {
        body[i] = static_cast<std::uint8_t>((i * 31 + 7) & 0xFF);
    }

    QCOMPARE(runJob(TransferJobKind::AreaWriteVerify, 1, body), 0);
    QCOMPARE(texts_.last(), QStringLiteral("Программирование завершено успешно"));
    const Bytes stored =
        controller_->withDevice([](sim::SimDevice& d) { return d.memory().area(1); });
    QCOMPARE(Bytes(stored.begin(), stored.begin() + 5292), body);

    Bytes readBack(5292, 0);
    QCOMPARE(runJob(TransferJobKind::AreaRead, 1, readBack), 0);
    QCOMPARE(texts_.last(), QStringLiteral("Данные считаны"));
    QCOMPARE(readBack, body);
    // One mode entry per job.
    QCOMPARE(controller_->modeEntries(), 2);
}

void PtyEndToEndTest::pacedModeMemoryRead_takesLineTime() {
    sim::SimFaults faults;
    QVERIFY(sim::ApplyFaultSwitch(faults, "pace"));
    controller_->setFaults(faults);
    Bytes modeMemory(10, 0);
    QElapsedTimer clock;
    clock.start();

    QCOMPARE(runJob(TransferJobKind::AreaRead, 4, modeMemory), 0);

    // "BINARY\r" and its answer, a 13-byte request and a 21-byte reply: 42
    // bytes of 10 bits at 19200 baud, 21.9 ms at the least.
    QVERIFY2(clock.elapsed() >= 21, qPrintable(QString::number(clock.elapsed())));
    const Bytes stored =
        controller_->withDevice([](sim::SimDevice& d) { return d.memory().area(4); });
    QCOMPARE(modeMemory, Bytes(stored.begin(), stored.begin() + 10));
}

void PtyEndToEndTest::pacedFullBlocks_acknowledgedWithinTheirTimeout() {
    // A 256-byte block takes 139 ms on the line, as long as the whole time
    // allowed for its acknowledgement: the wait may only start once the
    // block has left, or every full block would look unanswered.
    sim::SimFaults faults;
    QVERIFY(sim::ApplyFaultSwitch(faults, "pace"));
    controller_->setFaults(faults);
    Bytes data(512);
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<std::uint8_t>(i ^ 0x5A);
    }

    QCOMPARE(runJob(TransferJobKind::AreaWriteVerify, 1, data), 0);

    QCOMPARE(texts_.last(), QStringLiteral("Программирование завершено успешно"));
    // Two block writes and two block reads, no repeated attempt.
    QCOMPARE(static_cast<int>(controller_->requests().size()), 4);
}

void PtyEndToEndTest::silentController_endsWithNoAnswerAfterTimeouts() {
    sim::SimFaults faults;
    QVERIFY(sim::ApplyFaultSwitch(faults, "silence"));
    controller_->setFaults(faults);
    Bytes ident(88, 0);
    QElapsedTimer clock;
    clock.start();

    QCOMPARE(runJob(TransferJobKind::IdentityRead, 0, ident), 1);

    QCOMPARE(texts_.last(), QStringLiteral("Нет ответа от устройства"));
    // Three attempts, each waiting out 93 bytes x 3 ms + 100 ms = 379 ms.
    QVERIFY2(clock.elapsed() >= 3 * 379 - 30, qPrintable(QString::number(clock.elapsed())));
    QVERIFY2(clock.elapsed() < 3 * 379 + 5000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(static_cast<int>(controller_->requests().size()), 3);
}

void PtyEndToEndTest::simulatorGoneMidTransfer_endsWithPortError() {
    sim::SimFaults faults;
    QVERIFY(sim::ApplyFaultSwitch(faults, "pace"));
    controller_->setFaults(faults);
    const QString port = server_->portName();
    Bytes body(5292, 0);
    TReadData job(TransferJobKind::AreaRead, 1, body, 0u, port, sink_.get());
    QElapsedTimer clock;
    clock.start();
    job.start();
    QTest::qWait(400);  // a few blocks into the read
    // The other end of the pseudo-terminal goes away, as when krx-sim quits.
    stop_ = true;
    serving_.join();
    server_.reset();

    QVERIFY(job.wait(QDeadlineTimer(10000)));
    QCoreApplication::processEvents();
    QCOMPARE(job.result(), 1);
    QCOMPARE(texts_.last(), QStringLiteral("Ошибка порта ") + port);
    QCOMPARE(body, Bytes(5292, 0));
}

void PtyEndToEndTest::headlessSession_programsThenReadsBackThroughPty() {
    // The session as a command-line tool runs it, on the system's serial
    // port layer: no window, no monitor.
    controller_->setRestartSilence(std::chrono::milliseconds(0));
    ControllerSession session({[this] { return server_->portName(); }, {}, {}});
    session.image().body()[4000] ^= 0x3C;
    const Bytes programmed(session.image().body().begin(), session.image().body().end());

    const OperationOutcome program = session.Programm();
    QVERIFY2(program.ok, qPrintable(program.message));
    QCOMPARE(program.message, QStringLiteral("Перезагрузка устройства инициированна"));

    std::fill(session.image().body().begin(), session.image().body().end(), 0);
    const OperationOutcome read = session.ReadConf();
    QVERIFY2(read.ok, qPrintable(read.message));
    QCOMPARE(read.message, QStringLiteral("Данные считаны"));
    QCOMPARE(Bytes(session.image().body().begin(), session.image().body().end()), programmed);
}

QTEST_GUILESS_MAIN(PtyEndToEndTest)
#include "tst_pty_end_to_end.moc"
