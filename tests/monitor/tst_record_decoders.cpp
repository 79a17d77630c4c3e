// Decoding of the identification, status and key-code records from bytes
// written out by hand from their layouts.

#include <QtTest>

#include <algorithm>

#include "monitor/record_decoders.h"
#include "monitor/status_display_rules.h"

using namespace krx;

namespace {

template <std::size_t N>
std::array<std::uint8_t, N> Record(const char* hex) {
    const QByteArray bytes = QByteArray::fromHex(QByteArray(hex));
    std::array<std::uint8_t, N> r{};
    if (bytes.size() != static_cast<qsizetype>(N)) {
        qFatal("fixture has %lld bytes, expected %zu", static_cast<long long>(bytes.size()), N);
    }
    std::copy(bytes.begin(), bytes.end(), r.begin());
    return r;
}

// A KRX310-LT: hardware 1.2, software 1.1, boot loader 0A.10, made on
// 12.03.2009 for RUS, with a binding and a unique identifier.
const char* const kKrx310Ident =
    "4b5258333130000000"                  // 0: "KRX310"
    "4c5400000000000000"                  // 9: "LT"
    "0201" "0101" "100a"                  // 18: versions 0x0102, 0x0101, 0x0A10
    "31322e30332e323030390000"            // 24: "12.03.2009"
    "52555300"                            // 36: "RUS"
    "04030201" "00000000" "efbeadde" "10000000"  // 40: binding words
    "33353637383930313233343536373800"    // 56: "356789012345678"
    "78563412" "00000000" "00000000" "01000000";  // 72: unique words

}  // namespace

class TestRecordDecoders : public QObject {
    Q_OBJECT
private slots:
    void identRecord_decodesEveryField();
    void identRecord_textsStopAtZeroOrTheirWidth_data();
    void identRecord_textsStopAtZeroOrTheirWidth();
    void placeholderIdent_showsDashesAndZeroVersions();

    void statusRecord_decodesEveryField();
    void statusRecord_inputValueCondition_data();
    void statusRecord_inputValueCondition();
    void statusRecord_signalLevelIgnoresFlagBits();

    void keyCodeRecord_codeAndPresentFlag_data();
    void keyCodeRecord_codeAndPresentFlag();
};

void TestRecordDecoders::identRecord_decodesEveryField() {
    const auto r = Record<ident::kSize>(kKrx310Ident);
    const IdentValues v = DecodeIdentRecord(r);
    QCOMPARE(v.deviceName, QStringLiteral("KRX310"));
    QCOMPARE(v.modification, QStringLiteral("LT"));
    QCOMPARE(v.hardwareVersion, std::uint16_t(0x0102));
    QCOMPARE(v.softwareVersion, std::uint16_t(0x0101));
    QCOMPARE(v.bootLoaderVersion, std::uint16_t(0x0A10));
    QCOMPARE(v.productionDate, QStringLiteral("12.03.2009"));
    QCOMPARE(v.countryCode, QStringLiteral("RUS"));
    QVERIFY((v.bindingId == std::array<std::uint32_t, 4>{0x01020304, 0, 0xDEADBEEF, 0x10}));
    QCOMPARE(v.imei, QStringLiteral("356789012345678"));
    QVERIFY((v.uniqueId == std::array<std::uint32_t, 4>{0x12345678, 0, 0, 1}));

    QCOMPARE(VersionPanelText(v), QStringLiteral("LT.01.01"));
    QVERIFY(IsSupportedDevice(v.deviceName));
    QVERIFY(IsSupportedVersion(VersionPanelText(v)));
}

void TestRecordDecoders::identRecord_textsStopAtZeroOrTheirWidth_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("expected");
    // Nine non-zero name bytes: byte 8 is not part of the name.
    QTest::newRow("name of 9 bytes keeps 8") << 0 << QByteArray("ABCDEFGHI") << "ABCDEFGH";
    QTest::newRow("modification of 9 keeps 8") << 9 << QByteArray("123456789") << "12345678";
    QTest::newRow("date of 12 keeps 11") << 24 << QByteArray("ABCDEFGHIJKL") << "ABCDEFGHIJK";
    QTest::newRow("country of 4 keeps 3") << 36 << QByteArray("RUSX") << "RUS";
    QTest::newRow("imei of 16 keeps 15")
        << 56 << QByteArray("1234567890123456") << "123456789012345";
    QTest::newRow("stops at the first zero")
        << 0 << QByteArray("KR\0X310\0\0", 9) << "KR";
    // Windows-1251: CA D0 D5 is "КРХ" in Cyrillic.
    QTest::newRow("cyrillic name") << 0 << QByteArray("\xCA\xD0\xD5", 3) << "КРХ";
}

void TestRecordDecoders::identRecord_textsStopAtZeroOrTheirWidth() {
    QFETCH(int, offset);
    QFETCH(QByteArray, field);
    QFETCH(QString, expected);
    IdentRecordBytes r{};
    std::copy(field.begin(), field.end(), r.begin() + offset);
    const IdentValues v = DecodeIdentRecord(r);
    const QString got = offset == 0    ? v.deviceName
                        : offset == 9  ? v.modification
                        : offset == 24 ? v.productionDate
                        : offset == 36 ? v.countryCode
                                       : v.imei;
    QCOMPARE(got, expected);
}

void TestRecordDecoders::placeholderIdent_showsDashesAndZeroVersions() {
    const IdentValues v = PlaceholderIdentValues();
    QCOMPARE(v.deviceName, QStringLiteral("--------"));
    QCOMPARE(v.productionDate, QStringLiteral("-----------"));
    QCOMPARE(v.countryCode, QStringLiteral("---"));
    QCOMPARE(v.imei, QStringLiteral("---------------"));
    QCOMPARE(VersionText(v.hardwareVersion), QStringLiteral("--.--"));
    QCOMPARE(VersionPanelText(v), QStringLiteral("--------.--.--"));
    QCOMPARE(IdentifierText(v.bindingId, kNoBindingIdText),
             QString(48, QLatin1Char(' ')) + QStringLiteral("-"));
    QCOMPARE(IdentifierText(v.uniqueId, kNoUniqueIdText),
             QStringLiteral("- - - - - - - -  - - - - - - - -  - - - - - - - -  - - - - - - - -"));
    QVERIFY(!IsSupportedDevice(v.deviceName));
}

void TestRecordDecoders::statusRecord_decodesEveryField() {
    const auto r = Record<kStatusRecordSize>(
        "090c1f173b3a"      // 0: clock 09-12-31 23:59:58
        "ff0f" "0008" "0100" "0000"  // 6: inputs 4095, 2048, 1, 0
        "aaaaaaaaaaaaaaaa"  // 14: unused input slots
        "7c"                // 22: mains 12.4 V
        "55"                // 23: unused
        "64"                // 24: battery 100 %
        "3f"                // 25: signal 31, input values valid
        "02"                // 26: armed
        "03"                // 27: temperature and balance valid
        "0f"                // 28: indicators 1-4
        "41"                // 29: relay 1 and output 5
        "08"                // 30: registered at home
        "fb"                // 31: -5 degrees
        "0000f742");        // 32: 123.5
    const StatusValues v = DecodeStatusRecord(r);
    QCOMPARE(v.year, std::uint8_t(9));
    QCOMPARE(v.month, std::uint8_t(12));
    QCOMPARE(v.day, std::uint8_t(31));
    QCOMPARE(v.hour, std::uint8_t(23));
    QCOMPARE(v.minute, std::uint8_t(59));
    QCOMPARE(v.second, std::uint8_t(58));
    QVERIFY((v.inputValues == std::array<std::uint16_t, 4>{4095, 2048, 1, 0}));
    QCOMPARE(v.mainsVoltage, std::uint8_t(124));
    QCOMPARE(v.batteryCharge, std::uint8_t(100));
    QCOMPARE(v.gsmSignal, std::uint8_t(31));
    QVERIFY(v.inputValueValid);
    QCOMPARE(v.armingMode, std::uint8_t(2));
    QVERIFY(v.temperatureValid);
    QVERIFY(v.balanceValid);
    QCOMPARE(v.indicators, std::uint8_t(0x0F));
    QCOMPARE(v.outputs, std::uint8_t(0x41));
    QCOMPARE(v.gsmState, std::uint8_t(8));
    QCOMPARE(v.boardTemperature, std::int8_t(-5));
    QCOMPARE(v.balance, 123.5f);
    QCOMPARE(ControllerClockText(v), QStringLiteral("31.12.09 23:59:58"));
}

void TestRecordDecoders::statusRecord_inputValueCondition_data() {
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("battery");
    QTest::addColumn<bool>("valid");
    QTest::newRow("bit 6 with battery") << 0x40 << 50 << true;
    QTest::newRow("bit 6 without battery") << 0x40 << 0 << false;
    QTest::newRow("bit 5 alone") << 0x20 << 0 << true;
    QTest::newRow("both bits, no battery") << 0x60 << 0 << true;
    QTest::newRow("neither bit") << 0x00 << 100 << false;
    QTest::newRow("signal bits only") << 0x1F << 100 << false;
    QTest::newRow("bit 7 is not a flag") << 0x80 << 100 << false;
}

void TestRecordDecoders::statusRecord_inputValueCondition() {
    QFETCH(int, flags);
    QFETCH(int, battery);
    QFETCH(bool, valid);
    StatusRecordBytes r{};
    r[24] = static_cast<std::uint8_t>(battery);
    r[25] = static_cast<std::uint8_t>(flags);
    QCOMPARE(DecodeStatusRecord(r).inputValueValid, valid);
}

void TestRecordDecoders::statusRecord_signalLevelIgnoresFlagBits() {
    StatusRecordBytes r{};
    r[25] = 0xE5;  // flags 5, 6, 7 and level 5
    QCOMPARE(DecodeStatusRecord(r).gsmSignal, std::uint8_t(5));
}

void TestRecordDecoders::keyCodeRecord_codeAndPresentFlag_data() {
    QTest::addColumn<QByteArray>("hex");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("code");
    QTest::newRow("present") << QByteArray("0123456789abcdef" "03" "000000") << true
                             << "0123456789ABCDEF";
    QTest::newRow("all flag bits") << QByteArray("a1000000000000ff" "ff" "ffffff") << true
                                   << "A1000000000000FF";
    QTest::newRow("bit 0 only") << QByteArray("0123456789abcdef" "01" "000000") << false
                                << "0123456789ABCDEF";
    QTest::newRow("bit 1 only") << QByteArray("0123456789abcdef" "02" "000000") << false
                                << "0123456789ABCDEF";
    QTest::newRow("no key") << QByteArray("0000000000000000" "00" "000000") << false
                            << "0000000000000000";
}

void TestRecordDecoders::keyCodeRecord_codeAndPresentFlag() {
    QFETCH(QByteArray, hex);
    QFETCH(bool, present);
    QFETCH(QString, code);
    const KeyCodeValues v = DecodeKeyCodeRecord(Record<kKeyCodeRecordSize>(hex.constData()));
    QCOMPARE(v.present, present);
    QCOMPARE(v.code, code);
}

QTEST_GUILESS_MAIN(TestRecordDecoders)
#include "tst_record_decoders.moc"
