// The simulated controller's own reading of requests: each command's
// payload shape, and that a frame breaking a rule gets no answer at all.

#include <QtTest>

#include "sim/sim_controller.h"
#include "sim/sim_request_parser.h"

using namespace krx::sim;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes Hex(const char* text) {
    const QByteArray raw = QByteArray::fromHex(QByteArray(text).replace(' ', ""));
    return Bytes(raw.begin(), raw.end());
}

}  // namespace

class TestSimRequestParser : public QObject {
    Q_OBJECT
private slots:
    void frames_data();
    void frames();
    void refusedFrame_getsNoAnswer();
};

void TestSimRequestParser::frames_data() {
    QTest::addColumn<Bytes>("frame");
    QTest::addColumn<QString>("fault");  // empty: a request
    // Sound requests, checksums by hand: two's complement of the XOR of bytes 1..n-2.
    QTest::newRow("identification query") << Hex("05 05 00 00 FB") << "";
    QTest::newRow("area 1 read of 256") << Hex("05 07 08 00 00 00 00 00 00 01 00 00 F2") << "";
    QTest::newRow("restart, one zero byte") << Hex("05 10 01 00 00 EF") << "";
    QTest::newRow("password 1234") << Hex("05 11 09 00 31 32 33 34 00 00 00 00 00 E4") << "";
    QTest::newRow("control, 3 bytes") << Hex("05 14 03 00 02 01 01 EB") << "";
    QTest::newRow("clock, 6 bytes") << Hex("05 0D 06 00 19 0C 18 0D 2D 1E C8") << "";
    QTest::newRow("area 4 write of 2") << Hex("05 08 08 00 00 00 00 00 02 00 40 40 FE") << "";
    // Broken rules.
    QTest::newRow("bad checksum") << Hex("05 05 00 00 FA") << "checksum";
    QTest::newRow("no start byte") << Hex("06 05 00 00 FB") << "start";
    QTest::newRow("length field off") << Hex("05 05 01 00 FA") << "length";
    QTest::newRow("query with a payload") << Hex("05 05 01 00 00 FC") << "query";
    QTest::newRow("block read of count 7") << Hex("05 07 08 00 00 00 00 00 07 00 00 00 F8") << "";
    QTest::newRow("block read, last bytes not zero") << Hex("05 07 08 00 00 00 00 00 00 01 00 01 F1") << "two zero";
    QTest::newRow("block read of 6 bytes") << Hex("05 07 06 00 00 00 00 00 00 01 00") << "8 bytes";
    QTest::newRow("block read count 0") << Hex("05 07 08 00 00 00 00 00 00 00 00 00 F1") << "count";
    QTest::newRow("block read count 257") << Hex("05 07 08 00 00 00 00 00 01 01 00 00 F1") << "count";
    QTest::newRow("block write, data short of count") << Hex("05 06 07 00 00 00 00 00 02 00 40 BD") << "data";
    QTest::newRow("restart carrying 1") << Hex("05 10 01 00 01 F0") << "zero byte";
    QTest::newRow("restart without payload") << Hex("05 10 00 00 F0") << "zero byte";
    QTest::newRow("password, ninth byte not 0") << Hex("05 11 09 00 31 32 33 34 00 00 00 00 01 E3") << "ninth";
    QTest::newRow("password of 8 bytes") << Hex("05 11 08 00 31 32 33 34 00 00 00 00 E3") << "9 bytes";
    QTest::newRow("control of 2 bytes") << Hex("05 14 02 00 02 01 EB") << "3 bytes";
    QTest::newRow("clock of 5 bytes") << Hex("05 0D 05 00 19 0C 18 0D 2D DB") << "6 bytes";
    QTest::newRow("command 22") << Hex("05 16 00 00 EA") << "no command";
    QTest::newRow("command 0") << Hex("05 00 00 00 00") << "no command";
}

void TestSimRequestParser::frames() {
    QFETCH(Bytes, frame);
    QFETCH(QString, fault);
    const QString found = QString::fromStdString(RequestFault(frame));
    if (fault.isEmpty()) {
        QVERIFY2(found.isEmpty(), qPrintable(found));
        const auto request = ParseRequest(frame);
        QVERIFY(request);
        QCOMPARE(request->command, frame[1]);
        QCOMPARE(request->payload, Bytes(frame.begin() + 4, frame.end() - 1));
    } else {
        QVERIFY2(found.contains(fault), qPrintable(found));
        QVERIFY(!ParseRequest(frame));
    }
}

void TestSimRequestParser::refusedFrame_getsNoAnswer() {
    SimController controller;
    const SimClockPoint now{};
    const Bytes binary = Hex("42 49 4E 41 52 59 0D");
    QVERIFY(!controller.receive(binary, now).empty());  // the mode entry's answer
    // Restart carrying 1 instead of 0: ignored, and the controller keeps running.
    QVERIFY(controller.receive(Hex("05 10 01 00 01 F0"), now).empty());
    QCOMPARE(int(controller.refusedRequests().size()), 1);
    // The same command well formed is answered (an acknowledgement of 6 bytes).
    QCOMPARE(int(controller.receive(Hex("05 05 00 00 FB"), now).size()), 88 + 5);
}

QTEST_APPLESS_MAIN(TestSimRequestParser)
#include "tst_sim_request_parser.moc"
