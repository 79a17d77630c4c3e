// Frames built and checked byte for byte against vectors worked out by hand.

#include <QtTest>

#include "device/frame.h"
#include "job_recorder.h"

using krx::test::Hex;
using Bytes = std::vector<std::uint8_t>;

Q_DECLARE_METATYPE(Bytes)
Q_DECLARE_METATYPE(krx::ReplyVerdict)

namespace krx {

class FrameTest : public QObject {
    Q_OBJECT
private slots:
    void requestFrames_matchHandBuiltBytes_data();
    void requestFrames_matchHandBuiltBytes();
    void checksum_isTwosComplementOfXor_data();
    void checksum_isTwosComplementOfXor();
    void blockSplit_coversTotalInBlocksOf256_data();
    void blockSplit_coversTotalInBlocksOf256();
    void areaCommands_mapOnlyAreasOneToSix_data();
    void areaCommands_mapOnlyAreasOneToSix();
    void replyCheck_choosesVerdict_data();
    void replyCheck_choosesVerdict();
};

void FrameTest::requestFrames_matchHandBuiltBytes_data() {
    QTest::addColumn<Bytes>("built");
    QTest::addColumn<Bytes>("expected");
    QTest::newRow("identification query") << BuildFrame(cmd::kReadIdent, {})
                                          << Hex("05 05 00 00 FB");
    QTest::newRow("status query") << BuildFrame(cmd::kReadStatus, {}) << Hex("05 0C 00 00 F4");
    QTest::newRow("first area 1 read") << BuildBlockReadRequest(cmd::kReadArea1, 0, 256)
                                       << Hex("05 07 08 00 00 00 00 00 00 01 00 00 F2");
    QTest::newRow("last area 1 read") << BuildBlockReadRequest(cmd::kReadArea1, 5120, 172)
                                      << Hex("05 07 08 00 00 14 00 00 AC 00 00 00 49");
    const Bytes modeMemory = Hex("00 00 40 40 40 40 40 40 40 00");
    QTest::newRow("area 4 write of the default mode memory")
        << BuildBlockWrite(cmd::kWriteArea4, 0, modeMemory)
        << Hex("05 08 10 00 00 00 00 00 0A 00 00 00 40 40 40 40 40 40 40 00 AE");
    const Bytes relay2On = Hex("02 01 01");
    QTest::newRow("control: second relay on") << BuildFrame(cmd::kControl, relay2On)
                                              << Hex("05 14 03 00 02 01 01 EB");
    // 24.12.25 13:45:30 -> year 25, month 12, day 24, 13, 45, 30.
    const Bytes clock = Hex("19 0C 18 0D 2D 1E");
    QTest::newRow("clock set") << BuildFrame(cmd::kSetClock, clock)
                               << Hex("05 0D 06 00 19 0C 18 0D 2D 1E C8");
    const Bytes zero = {0};
    QTest::newRow("restart with payload 0") << BuildFrame(cmd::kRestart, zero)
                                            << Hex("05 10 01 00 00 EF");
    // The commands no operation of this model sends, and the area 5 pair.
    QTest::newRow("area 2 write of AB CD") << BuildBlockWrite(cmd::kWriteArea2, 0, Hex("AB CD"))
                                           << Hex("05 01 08 00 00 00 00 00 02 00 AB CD 93");
    QTest::newRow("area 2 read of 256 at 256") << BuildBlockReadRequest(cmd::kReadArea2, 256, 256)
                                               << Hex("05 02 08 00 00 01 00 00 00 01 00 00 F6");
    QTest::newRow("area 3 write of 7F at 16") << BuildBlockWrite(cmd::kWriteArea3, 16, Hex("7F"))
                                              << Hex("05 03 07 00 10 00 00 00 01 00 7F 96");
    QTest::newRow("area 3 read of 64") << BuildBlockReadRequest(cmd::kReadArea3, 0, 64)
                                       << Hex("05 04 08 00 00 00 00 00 40 00 00 00 B4");
    QTest::newRow("area 6 write of 01 02 03") << BuildBlockWrite(cmd::kWriteArea6, 0, Hex("01 02 03"))
                                              << Hex("05 0A 09 00 00 00 00 00 03 00 01 02 03 00");
    // XOR 0: the checksum is 0.
    QTest::newRow("area 6 read of 256 at 512") << BuildBlockReadRequest(cmd::kReadArea6, 512, 256)
                                               << Hex("05 0B 08 00 00 02 00 00 00 01 00 00 00");
    QTest::newRow("key-code query") << BuildFrame(cmd::kReadKeyCode, {}) << Hex("05 0E 00 00 F2");
    QTest::newRow("area 5 write of 01 .. 08")
        << BuildBlockWrite(cmd::kWriteArea5, 0, Hex("01 02 03 04 05 06 07 08"))
        << Hex("05 12 0E 00 00 00 00 00 08 00 01 02 03 04 05 06 07 08 E4");
    QTest::newRow("area 5 read of 8") << BuildBlockReadRequest(cmd::kReadArea5, 0, 8)
                                      << Hex("05 13 08 00 00 00 00 00 08 00 00 00 ED");
    QTest::newRow("fixed-length record query") << BuildFrame(cmd::kReadSpareRecord, {}) << Hex("05 15 00 00 EB");
}

void FrameTest::requestFrames_matchHandBuiltBytes() {
    QFETCH(Bytes, built);
    QFETCH(Bytes, expected);
    QCOMPARE(built, expected);
}

void FrameTest::checksum_isTwosComplementOfXor_data() {
    QTest::addColumn<Bytes>("covered");
    QTest::addColumn<int>("checksum");
    QTest::newRow("command 5") << Hex("05 00 00") << 0xFB;
    QTest::newRow("xor zero gives zero") << Hex("01 01 00 00") << 0x00;
    QTest::newRow("xor FF gives 01") << Hex("0F F0") << 0x01;
    QTest::newRow("xor 01 gives FF") << Hex("01") << 0xFF;
}

void FrameTest::checksum_isTwosComplementOfXor() {
    QFETCH(Bytes, covered);
    QFETCH(int, checksum);
    QCOMPARE(int(FrameChecksum(covered)), checksum);
}

void FrameTest::blockSplit_coversTotalInBlocksOf256_data() {
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("blocks");
    QTest::addColumn<int>("lastAddress");
    QTest::addColumn<int>("lastCount");
    QTest::newRow("configuration body") << 5292 << 21 << 5120 << 172;
    QTest::newRow("mode memory") << 10 << 1 << 0 << 10;
    QTest::newRow("system parameters") << 8 << 1 << 0 << 8;
    QTest::newRow("exactly two blocks") << 512 << 2 << 256 << 256;
}

void FrameTest::blockSplit_coversTotalInBlocksOf256() {
    QFETCH(int, total);
    QFETCH(int, blocks);
    QFETCH(int, lastAddress);
    QFETCH(int, lastCount);
    const std::vector<Block> split = SplitIntoBlocks(0, static_cast<std::size_t>(total));
    QCOMPARE(int(split.size()), blocks);
    for (std::size_t i = 0; i + 1 < split.size(); ++i) {
        QCOMPARE(int(split[i].count), 256);
        QCOMPARE(split[i].address, std::uint32_t(256 * i));
    }
    QCOMPARE(int(split.back().address), lastAddress);
    QCOMPARE(int(split.back().count), lastCount);
}

void FrameTest::areaCommands_mapOnlyAreasOneToSix_data() {
    QTest::addColumn<int>("area");
    QTest::addColumn<int>("write");
    QTest::addColumn<int>("read");
    QTest::newRow("area 0") << 0 << -1 << -1;
    QTest::newRow("area 1") << 1 << 6 << 7;
    QTest::newRow("area 2") << 2 << 1 << 2;
    QTest::newRow("area 3") << 3 << 3 << 4;
    QTest::newRow("area 4") << 4 << 8 << 9;
    QTest::newRow("area 5") << 5 << 18 << 19;
    QTest::newRow("area 6") << 6 << 10 << 11;
    QTest::newRow("area 7") << 7 << -1 << -1;
}

void FrameTest::areaCommands_mapOnlyAreasOneToSix() {
    QFETCH(int, area);
    QFETCH(int, write);
    QFETCH(int, read);
    QCOMPARE(WriteCommandForArea(area) ? int(*WriteCommandForArea(area)) : -1, write);
    QCOMPARE(ReadCommandForArea(area) ? int(*ReadCommandForArea(area)) : -1, read);
}

// Which reply a check is made of: a 2-byte record of command 21, an
// acknowledgement of command 16, a block acknowledgement of a 256-byte area-1
// write at address 0, or a 2-byte area-1 block read at address 0.
enum class Reply { Record, Ack, BlockAck, BlockData };

void FrameTest::replyCheck_choosesVerdict_data() {
    QTest::addColumn<int>("reply");
    QTest::addColumn<Bytes>("received");
    QTest::addColumn<ReplyVerdict>("verdict");
    const auto row = [](const char* name, Reply reply, const char* hex, ReplyVerdict verdict) {
        QTest::newRow(name) << int(reply) << Hex(hex) << verdict;
    };
    row("record sound", Reply::Record, "05 15 02 00 11 22 DC", ReplyVerdict::Accepted);
    row("record length field ignored", Reply::Record, "05 15 00 00 11 22 DA",
        ReplyVerdict::Accepted);
    row("record one byte short", Reply::Record, "05 15 02 00 11 22", ReplyVerdict::Short);
    row("record silent", Reply::Record, "", ReplyVerdict::Silent);
    row("record bad checksum", Reply::Record, "05 15 02 00 11 22 DD", ReplyVerdict::BadChecksum);
    row("record other command", Reply::Record, "05 14 02 00 11 22 DB", ReplyVerdict::BadEcho);
    row("record other start byte", Reply::Record, "06 15 02 00 11 22 DC", ReplyVerdict::BadEcho);
    row("ack accepted", Reply::Ack, "05 10 01 00 00 EF", ReplyVerdict::Accepted);
    row("ack status 1", Reply::Ack, "05 10 01 00 01 F0", ReplyVerdict::FlashFailure);
    row("ack status 2", Reply::Ack, "05 10 01 00 02 ED", ReplyVerdict::NeedsPassword);
    row("ack status 3", Reply::Ack, "05 10 01 00 03 EE", ReplyVerdict::BadEcho);
    row("ack status 0 other command", Reply::Ack, "05 11 01 00 00 F0", ReplyVerdict::BadEcho);
    row("ack short", Reply::Ack, "05 10 01 00 00", ReplyVerdict::Short);
    row("ack silent", Reply::Ack, "", ReplyVerdict::Silent);
    row("block ack accepted", Reply::BlockAck, "05 06 08 00 00 00 00 00 00 01 00 00 F1",
        ReplyVerdict::Accepted);
    row("block ack status 1", Reply::BlockAck, "05 06 08 00 00 00 00 00 00 01 01 00 F2",
        ReplyVerdict::FlashFailure);
    row("block ack status 2", Reply::BlockAck, "05 06 08 00 00 00 00 00 00 01 02 00 F3",
        ReplyVerdict::BadEcho);
    row("block ack other address", Reply::BlockAck, "05 06 08 00 01 00 00 00 00 01 00 00 F2",
        ReplyVerdict::BadEcho);
    row("block ack other count", Reply::BlockAck, "05 06 08 00 00 00 00 00 01 01 00 00 F2",
        ReplyVerdict::BadEcho);
    row("block ack bad checksum", Reply::BlockAck, "05 06 08 00 00 00 00 00 00 01 00 00 F2",
        ReplyVerdict::BadChecksum);
    row("block ack short", Reply::BlockAck, "05 06 08 00 00 00 00 00 00 01 00 00",
        ReplyVerdict::Short);
    row("block data sound", Reply::BlockData, "05 07 08 00 00 00 00 00 02 00 AA BB E4",
        ReplyVerdict::Accepted);
    row("block data short", Reply::BlockData, "05 07 08 00 00 00 00 00 02 00 AA BB",
        ReplyVerdict::Missing);
    row("block data silent", Reply::BlockData, "", ReplyVerdict::Missing);
    row("block data bad checksum", Reply::BlockData, "05 07 08 00 00 00 00 00 02 00 AA BC E4",
        ReplyVerdict::BadChecksum);
    row("block data other address", Reply::BlockData, "05 07 08 00 00 01 00 00 02 00 AA BB E3",
        ReplyVerdict::BadEcho);
}

void FrameTest::replyCheck_choosesVerdict() {
    QFETCH(int, reply);
    QFETCH(Bytes, received);
    QFETCH(ReplyVerdict, verdict);
    ReplyVerdict got = ReplyVerdict::Accepted;
    switch (static_cast<Reply>(reply)) {
        case Reply::Record:
            got = CheckRecordReply(received, cmd::kReadSpareRecord, 2);
            break;
        case Reply::Ack:
            got = CheckCommandAck(received, cmd::kRestart);
            break;
        case Reply::BlockAck:
            got = CheckBlockAck(received, cmd::kWriteArea1, 0, 256);
            break;
        case Reply::BlockData:
            got = CheckBlockData(received, cmd::kReadArea1, 0, 2);
            break;
    }
    QCOMPARE(int(got), int(verdict));
}

}  // namespace krx

QTEST_GUILESS_MAIN(krx::FrameTest)
#include "tst_frame.moc"
