// The four exchange procedures against the in-process simulated controller:
// which red text each failure ends with and when, the three attempts, the
// block split with its progress, and the exact frames the controller hears.

#include <QtTest>

#include <algorithm>
#include <memory>
#include <numeric>
#include <vector>

#include "config/default_image.h"
#include "device/frame.h"
#include "device/status_sink.h"
#include "device/transfer_messages.h"
#include "device/transfer_protocol.h"
#include "job_recorder.h"
#include "sim/sim_controller.h"
#include "sim/sim_link.h"
#include "watched_link.h"

using namespace krx;
using krx::test::Hex;
using krx::test::ShownStatus;
using Bytes = std::vector<std::uint8_t>;

namespace {

// The texts as the user reads them.
const QString kPortError = QStringLiteral("Ошибка порта ");
const QString kNoCorrectAnswer = QStringLiteral("Нет корректного ответа от устройства");
const QString kNoAnswer = QStringLiteral("Нет ответа от устройства");
const QString kCode1 = QStringLiteral("Ошибка передачи данных, код 1");
const QString kCode2 = QStringLiteral("Ошибка передачи данных, код 2");
const QString kCode3 = QStringLiteral("Ошибка передачи данных, код 3");
const QString kFlash = QStringLiteral("Внутренняя ошибка взаимодействия с FLASH памятью");
const QString kNeedsPassword = QStringLiteral(
    "Взаимодействие запрещено без указания пароля, команды чтения/записи и ряд управляющих "
    "команд не могут быть выполнены");
const QString kBadArea = QStringLiteral("Ошибка идентификатора области FLASH памяти");

// Which procedure a row runs.
enum class Op { Query, Command, WriteBlocks, ReadBlocks };

// Two blocks (256 + 44) so that a failure on the first block also shows that
// nothing further is sent.
constexpr std::size_t kBlockTotal = 300;

std::uint8_t CommandOf(const Bytes& frame) { return frame.at(1); }

}  // namespace

Q_DECLARE_METATYPE(Op)

class TransferProtocolTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void failure_endsWithItsText_data();
    void failure_endsWithItsText();
    void faultOnTwoAttempts_thirdAttemptSucceeds_data();
    void faultOnTwoAttempts_thirdAttemptSucceeds();
    void otherLengthField_acceptedWhenChecksumRight_data();
    void otherLengthField_acceptedWhenChecksumRight();
    void areaOutsideOneToSix_failsAfterPreambleBeforeAnyFrame_data();
    void areaOutsideOneToSix_failsAfterPreambleBeforeAnyFrame();
    void portFailure_reportsPortErrorWithName_data();
    void portFailure_reportsPortErrorWithName();
    void modeEntryPortFailure_reportsPortErrorWithName();
    void blockRead_splitsAndAdvancesProgress_data();
    void blockRead_splitsAndAdvancesProgress();
    void area1Read_firstAndLastRequestsAreTheKnownFrames();
    void modeMemoryWrite_sendsTheKnownFrame();
    void blockWrite_storesEveryByteInTheArea();
    void failedQuery_leavesRecordUntouched();
    void oversizedFrame_refusedWithoutSending();
    void cablePulledMidTransfer_stopsAtThatBlock();

private:
    void applyFaults(const QStringList& names);
    int run(Op op);
    TransferChannel channel() { return TransferChannel(*link_, messages_, sink_.get(), true); }

    std::shared_ptr<sim::SimController> controller_;
    std::shared_ptr<test::LinkWatch> watch_;
    std::unique_ptr<SerialLink> link_;
    std::unique_ptr<StatusSink> sink_;
    std::unique_ptr<test::JobRecorder> recorder_;
    QStringList messages_ = TransferMessages();
    Bytes record_;
    Bytes data_;
};

void TransferProtocolTest::init() {
    controller_ = std::make_shared<sim::SimController>();
    watch_ = std::make_shared<test::LinkWatch>();
    link_ = std::make_unique<test::WatchedLink>(std::make_unique<sim::SimLink>(controller_), watch_);
    link_->setPortName(QString::fromLatin1(sim::kSimPortName));
    QVERIFY(link_->open());
    sink_ = std::make_unique<StatusSink>();
    recorder_ = std::make_unique<test::JobRecorder>(*sink_);
    record_.assign(ident::kSize, 0xEE);
    data_.resize(kBlockTotal);
    std::iota(data_.begin(), data_.end(), std::uint8_t{1});
}

void TransferProtocolTest::cleanup() {
    recorder_.reset();
    sink_.reset();
    link_.reset();
    controller_.reset();
}

void TransferProtocolTest::applyFaults(const QStringList& names) {
    sim::SimFaults faults;
    for (const QString& name : names) {
        QVERIFY2(sim::ApplyFaultSwitch(faults, name.toStdString()), qPrintable(name));
    }
    controller_->setFaults(faults);
}

// Enters frame mode as a job does, forgets the mode entry, then runs `op`.
int TransferProtocolTest::run(Op op) {
    const TransferChannel ch = channel();
    if (EnterBinaryMode(ch) != 0) {
        return -1;
    }
    controller_->clearRequests();
    const Bytes applyPayload = {0};
    switch (op) {
        case Op::Query:
            return QueryRecord(ch, cmd::kReadIdent, record_);
        case Op::Command:
            return SendCommand(ch, cmd::kApplyConfig, applyPayload);
        case Op::WriteBlocks:
            return WriteBlocks(ch, 1, 0, data_);
        case Op::ReadBlocks:
            return ReadBlocks(ch, 1, 0, data_);
    }
    return -1;
}

void TransferProtocolTest::failure_endsWithItsText_data() {
    QTest::addColumn<Op>("op");
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("framesHeard");

    // Silence and short replies use all three attempts on the first request.
    QTest::newRow("query, silence") << Op::Query << QStringList{"silence"} << kNoAnswer << 3;
    QTest::newRow("query, short") << Op::Query << QStringList{"short"} << kNoCorrectAnswer << 3;
    QTest::newRow("query, checksum") << Op::Query << QStringList{"checksum"} << kCode2 << 1;
    QTest::newRow("query, wrong command") << Op::Query << QStringList{"command"} << kCode3 << 1;

    QTest::newRow("command, silence") << Op::Command << QStringList{"silence"} << kNoAnswer << 3;
    QTest::newRow("command, short") << Op::Command << QStringList{"short"} << kNoCorrectAnswer << 3;
    QTest::newRow("command, checksum") << Op::Command << QStringList{"checksum"} << kCode2 << 1;
    QTest::newRow("command, wrong command, status 0")
        << Op::Command << QStringList{"command"} << kCode3 << 1;
    QTest::newRow("command, status 1") << Op::Command << QStringList{"status=1"} << kFlash << 1;
    QTest::newRow("command, status 2")
        << Op::Command << QStringList{"status=2"} << kNeedsPassword << 1;
    QTest::newRow("command, status 3") << Op::Command << QStringList{"status=3"} << kCode3 << 1;
    QTest::newRow("command, status 2 with wrong command")
        << Op::Command << QStringList{"status=2", "command"} << kNeedsPassword << 1;

    QTest::newRow("block write, silence")
        << Op::WriteBlocks << QStringList{"silence"} << kNoAnswer << 3;
    QTest::newRow("block write, short")
        << Op::WriteBlocks << QStringList{"short"} << kNoCorrectAnswer << 3;
    QTest::newRow("block write, checksum")
        << Op::WriteBlocks << QStringList{"checksum"} << kCode2 << 1;
    QTest::newRow("block write, wrong address, status 0")
        << Op::WriteBlocks << QStringList{"address"} << kCode3 << 1;
    QTest::newRow("block write, wrong count, status 0")
        << Op::WriteBlocks << QStringList{"count"} << kCode3 << 1;
    QTest::newRow("block write, wrong command")
        << Op::WriteBlocks << QStringList{"command"} << kCode3 << 1;
    QTest::newRow("block write, status 1")
        << Op::WriteBlocks << QStringList{"status=1"} << kFlash << 1;
    QTest::newRow("block write, status 2 is not told apart")
        << Op::WriteBlocks << QStringList{"status=2"} << kCode3 << 1;
    QTest::newRow("block write, status 1 with wrong address")
        << Op::WriteBlocks << QStringList{"status=1", "address"} << kFlash << 1;

    // A block read does not tell silence from a short reply.
    QTest::newRow("block read, silence")
        << Op::ReadBlocks << QStringList{"silence"} << kCode1 << 3;
    QTest::newRow("block read, short") << Op::ReadBlocks << QStringList{"short"} << kCode1 << 3;
    QTest::newRow("block read, checksum")
        << Op::ReadBlocks << QStringList{"checksum"} << kCode2 << 1;
    QTest::newRow("block read, wrong address")
        << Op::ReadBlocks << QStringList{"address"} << kCode3 << 1;
    QTest::newRow("block read, wrong count")
        << Op::ReadBlocks << QStringList{"count"} << kCode3 << 1;
    QTest::newRow("block read, wrong command")
        << Op::ReadBlocks << QStringList{"command"} << kCode3 << 1;
}

void TransferProtocolTest::failure_endsWithItsText() {
    QFETCH(Op, op);
    QFETCH(QStringList, faults);
    QFETCH(QString, text);
    QFETCH(int, framesHeard);
    applyFaults(faults);

    QCOMPARE(run(op), 1);

    // Exactly one status: the failure, in red.
    QCOMPARE(recorder_->statuses, (std::vector<ShownStatus>{{text, StatusColour::Red}}));
    const auto heard = controller_->requests();
    QCOMPARE(static_cast<int>(heard.size()), framesHeard);
    // Every attempt repeats the same request: nothing of the second block.
    for (const Bytes& frame : heard) {
        QCOMPARE(frame, heard.front());
    }
    if (op == Op::WriteBlocks || op == Op::ReadBlocks) {
        QCOMPARE(recorder_->maxima, (std::vector<int>{int(kBlockTotal)}));
        QCOMPARE(recorder_->positions, (std::vector<int>{0}));
    }
}

void TransferProtocolTest::faultOnTwoAttempts_thirdAttemptSucceeds_data() {
    QTest::addColumn<Op>("op");
    QTest::addColumn<QString>("fault");
    for (const char* fault : {"silence", "short", "checksum"}) {
        QTest::addRow("query, %s", fault) << Op::Query << QString::fromLatin1(fault);
        QTest::addRow("command, %s", fault) << Op::Command << QString::fromLatin1(fault);
        QTest::addRow("block write, %s", fault) << Op::WriteBlocks << QString::fromLatin1(fault);
        QTest::addRow("block read, %s", fault) << Op::ReadBlocks << QString::fromLatin1(fault);
    }
}

void TransferProtocolTest::faultOnTwoAttempts_thirdAttemptSucceeds() {
    QFETCH(Op, op);
    QFETCH(QString, fault);
    // Only silence and a short reply make the attempt loop try again: a
    // complete but spoiled reply ends the loop at once.
    const bool retried = fault != QLatin1String("checksum");
    applyFaults({fault, QStringLiteral("limit=2")});

    const int result = run(op);

    const std::size_t blocks = (op == Op::WriteBlocks || op == Op::ReadBlocks) ? 2 : 1;
    const auto heard = controller_->requests();
    if (retried) {
        QCOMPARE(result, 0);
        QVERIFY(recorder_->statuses.empty());
        QCOMPARE(heard.size(), blocks + 2);
        QCOMPARE(heard.at(0), heard.at(2));
    } else {
        QCOMPARE(result, 1);
        QCOMPARE(recorder_->statuses, (std::vector<ShownStatus>{{kCode2, StatusColour::Red}}));
        QCOMPARE(heard.size(), std::size_t{1});
    }
}

void TransferProtocolTest::otherLengthField_acceptedWhenChecksumRight_data() {
    QTest::addColumn<Op>("op");
    QTest::newRow("query") << Op::Query;
    QTest::newRow("command") << Op::Command;
    QTest::newRow("block write") << Op::WriteBlocks;
    QTest::newRow("block read") << Op::ReadBlocks;
}

void TransferProtocolTest::otherLengthField_acceptedWhenChecksumRight() {
    QFETCH(Op, op);
    applyFaults({QStringLiteral("length")});
    QCOMPARE(run(op), 0);
    QVERIFY(recorder_->statuses.empty());
    if (op == Op::Query) {
        // The record bytes arrived although the length field lied.
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(record_.data()), 6),
                 QByteArray("KRX310"));
    }
}

void TransferProtocolTest::areaOutsideOneToSix_failsAfterPreambleBeforeAnyFrame_data() {
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("area");
    QTest::newRow("write, area 0") << true << 0;
    QTest::newRow("write, area 7") << true << 7;
    QTest::newRow("read, area 0") << false << 0;
    QTest::newRow("read, area 7") << false << 7;
}

void TransferProtocolTest::areaOutsideOneToSix_failsAfterPreambleBeforeAnyFrame() {
    QFETCH(bool, write);
    QFETCH(int, area);
    const TransferChannel ch = channel();
    QCOMPARE(EnterBinaryMode(ch), 0);
    const Bytes before = data_;

    const int result = write ? WriteBlocks(ch, area, 0, data_) : ReadBlocks(ch, area, 0, data_);

    QCOMPARE(result, 1);
    QCOMPARE(recorder_->statuses, (std::vector<ShownStatus>{{kBadArea, StatusColour::Red}}));
    QVERIFY(controller_->requests().empty());
    QCOMPARE(data_, before);
    // The preamble read took the controller's answer to the mode entry.
    std::array<std::uint8_t, 1> left{};
    QCOMPARE(link_->read(left), std::size_t{0});
}

void TransferProtocolTest::portFailure_reportsPortErrorWithName_data() {
    QTest::addColumn<Op>("op");
    QTest::addColumn<int>("failWrite");  // counted from 1; the mode entry is write 1
    QTest::addColumn<int>("failRead");   // counted from 1; the preamble is read 1
    QTest::newRow("query, preamble read") << Op::Query << 0 << 1;
    QTest::newRow("query, request write") << Op::Query << 2 << 0;
    QTest::newRow("command, reply read") << Op::Command << 0 << 2;
    QTest::newRow("block write, second block") << Op::WriteBlocks << 3 << 0;
    QTest::newRow("block read, first reply") << Op::ReadBlocks << 0 << 2;
}

void TransferProtocolTest::portFailure_reportsPortErrorWithName() {
    QFETCH(Op, op);
    QFETCH(int, failWrite);
    QFETCH(int, failRead);
    watch_->failWriteNumber = failWrite;
    watch_->failReadNumber = failRead;

    QCOMPARE(run(op), 1);

    QCOMPARE(recorder_->statuses,
             (std::vector<ShownStatus>{{kPortError + QStringLiteral("SIM1"), StatusColour::Red}}));
}

void TransferProtocolTest::modeEntryPortFailure_reportsPortErrorWithName() {
    watch_->failWriteNumber = 1;
    QCOMPARE(EnterBinaryMode(channel()), 1);
    QCOMPARE(recorder_->statuses,
             (std::vector<ShownStatus>{{kPortError + QStringLiteral("SIM1"), StatusColour::Red}}));
    QCOMPARE(controller_->modeEntries(), 0);
}

void TransferProtocolTest::blockRead_splitsAndAdvancesProgress_data() {
    QTest::addColumn<int>("total");
    QTest::addColumn<QList<int>>("counts");
    QList<int> body(20, 256);
    body << 172;
    QTest::newRow("configuration body") << 5292 << body;
    QTest::newRow("mode memory") << 10 << QList<int>{10};
    QTest::newRow("one full block") << 256 << QList<int>{256};
    QTest::newRow("one byte past a block") << 257 << QList<int>{256, 1};
}

void TransferProtocolTest::blockRead_splitsAndAdvancesProgress() {
    QFETCH(int, total);
    QFETCH(QList<int>, counts);
    Bytes destination(static_cast<std::size_t>(total), 0);
    const TransferChannel ch = channel();
    QCOMPARE(EnterBinaryMode(ch), 0);
    controller_->clearRequests();

    QCOMPARE(ReadBlocks(ch, 1, 0, destination), 0);

    const auto heard = controller_->requests();
    QCOMPARE(heard.size(), std::size_t(counts.size()));
    std::vector<int> expectedPositions{0};
    std::uint32_t address = 0;
    for (std::size_t i = 0; i < heard.size(); ++i) {
        QCOMPARE(heard[i].size(), std::size_t{13});
        QCOMPARE(CommandOf(heard[i]), std::uint8_t{7});
        QCOMPARE(GetU32(heard[i], 4), address);
        QCOMPARE(int(GetU16(heard[i], 8)), counts.at(int(i)));
        address += static_cast<std::uint32_t>(counts.at(int(i)));
        expectedPositions.push_back(int(address));
    }
    QCOMPARE(recorder_->maxima, std::vector<int>{total});
    QCOMPARE(recorder_->positions, expectedPositions);
    QVERIFY(recorder_->statuses.empty());
    const Bytes area = controller_->withDevice([](sim::SimDevice& d) { return d.memory().area(1); });
    QVERIFY(std::equal(destination.begin(), destination.end(), area.begin()));
}

void TransferProtocolTest::area1Read_firstAndLastRequestsAreTheKnownFrames() {
    Bytes body(5292);
    const TransferChannel ch = channel();
    QCOMPARE(EnterBinaryMode(ch), 0);
    controller_->clearRequests();
    QCOMPARE(ReadBlocks(ch, 1, 0, body), 0);
    const auto heard = controller_->requests();
    QCOMPARE(heard.size(), std::size_t{21});
    QCOMPARE(heard.front(), Hex("05 07 08 00 00 00 00 00 00 01 00 00 F2"));
    QCOMPARE(heard.back(), Hex("05 07 08 00 00 14 00 00 AC 00 00 00 49"));
}

void TransferProtocolTest::modeMemoryWrite_sendsTheKnownFrame() {
    const auto modeMemory = DefaultImage().modeMemory();
    const TransferChannel ch = channel();
    QCOMPARE(EnterBinaryMode(ch), 0);
    controller_->clearRequests();
    QCOMPARE(WriteBlocks(ch, 4, 0, Bytes(modeMemory.begin(), modeMemory.end())), 0);
    const auto heard = controller_->requests();
    QCOMPARE(heard.size(), std::size_t{1});
    QCOMPARE(heard.front(), Hex("05 08 10 00 00 00 00 00 0A 00 00 00 40 40 40 40 40 40 40 00 AE"));
    QCOMPARE(recorder_->maxima, std::vector<int>{10});
    QCOMPARE(recorder_->positions, (std::vector<int>{0, 10}));
}

void TransferProtocolTest::blockWrite_storesEveryByteInTheArea() {
    Bytes body(5292);
    for (std::size_t i = 0; i < body.size(); ++i) {
        body[i] = static_cast<std::uint8_t>((i * 7 + i / 256) & 0xFF);
    }
    const TransferChannel ch = channel();
    QCOMPARE(EnterBinaryMode(ch), 0);
    QCOMPARE(WriteBlocks(ch, 1, 0, body), 0);
    const Bytes area = controller_->withDevice([](sim::SimDevice& d) { return d.memory().area(1); });
    QCOMPARE(Bytes(area.begin(), area.begin() + 5292), body);
    QCOMPARE(recorder_->positions.back(), 5292);
}

void TransferProtocolTest::failedQuery_leavesRecordUntouched() {
    applyFaults({QStringLiteral("checksum")});
    const Bytes before = record_;
    QCOMPARE(run(Op::Query), 1);
    QCOMPARE(record_, before);
}

void TransferProtocolTest::oversizedFrame_refusedWithoutSending() {
    // Frames are limited to 300 bytes: a longer payload or record is refused
    // before anything goes out instead of overrunning the frame.
    const TransferChannel ch = channel();
    QCOMPARE(EnterBinaryMode(ch), 0);
    controller_->clearRequests();
    const Bytes payload(296, 0);
    Bytes record(296, 0xEE);

    QCOMPARE(SendCommand(ch, cmd::kControl, payload), 1);
    QCOMPARE(QueryRecord(ch, cmd::kReadSpareRecord, record), 1);

    QVERIFY(controller_->requests().empty());
    QCOMPARE(recorder_->statuses,
             (std::vector<ShownStatus>{{kCode3, StatusColour::Red}, {kCode3, StatusColour::Red}}));
    QCOMPARE(record, Bytes(296, 0xEE));
}

void TransferProtocolTest::cablePulledMidTransfer_stopsAtThatBlock() {
    Bytes body(5292, 0x11);
    applyFaults({QStringLiteral("silent-after=3")});
    const TransferChannel ch = channel();
    QCOMPARE(EnterBinaryMode(ch), 0);
    controller_->clearRequests();

    QCOMPARE(WriteBlocks(ch, 1, 0, body), 1);

    // Three blocks went through, the fourth was tried three times, no fifth.
    const auto heard = controller_->requests();
    QCOMPARE(heard.size(), std::size_t{6});
    QCOMPARE(GetU32(heard.back(), 4), std::uint32_t{768});
    QCOMPARE(recorder_->positions, (std::vector<int>{0, 256, 512, 768}));
    QCOMPARE(recorder_->statuses, (std::vector<ShownStatus>{{kNoAnswer, StatusColour::Red}}));
    // What was written before the cable went stays written.
    const Bytes area = controller_->withDevice([](sim::SimDevice& d) { return d.memory().area(1); });
    QVERIFY(std::all_of(area.begin(), area.begin() + 768, [](std::uint8_t b) { return b == 0x11; }));
}

QTEST_GUILESS_MAIN(TransferProtocolTest)
#include "tst_transfer_protocol.moc"
