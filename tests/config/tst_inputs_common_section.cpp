// Section "Входы": the byte pair 356..357 shared by all inputs, packed by
// hand from the field table (356: bit 0 supply port, bits 1-3 loop reset
// time, bits 4-7 scan pause after arming; 357: bits 0-2 start-up delay).

#include <QtTest>

#include "config/default_image.h"
#include "config/inputs_common_section.h"

using namespace krx;

namespace {

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

InputsCommonSettings Loaded(const ConfigImage& image) {
    InputsCommonSettings s;
    LoadInputsCommon(s, image);
    return s;
}

}  // namespace

class TestInputsCommonSection : public QObject {
    Q_OBJECT
private slots:
    void defaults_bytesAndShownChoices();
    void itemTexts_keepTheirBlanks();
    void store_packsBothBytes_data();
    void store_packsBothBytes();
    void load_readsEveryField_data();
    void load_readsEveryField();
};

void TestInputsCommonSection::defaults_bytesAndShownChoices() {
    const ConfigImage& d = DefaultImage();
    // Always powered (1) and "40  Sec." (3 in bits 1-3): 0000 011 1.
    QCOMPARE(int(d.u8(356)), 0x07);
    QCOMPARE(int(d.u8(357)), 0x00);
    const InputsCommonSettings s = Loaded(d);
    QCOMPARE(s.portPwrSensAllOn, 1);
    QCOMPARE(s.loopPwrResetTime, 3);
    QCOMPARE(s.noScaningTimeAftArm, 0);
    QCOMPARE(s.noScaningTimeAftReset, 0);
}

void TestInputsCommonSection::itemTexts_keepTheirBlanks() {
    QCOMPARE(Text(PortPwrSensAllOnItems()[0]),
             QString("Зависит от режима (Охрана - включен, Наблюдение - выключен)"));
    QCOMPARE(Text(PortPwrSensAllOnItems()[1]), QString("Питание всегда подано"));
    QCOMPARE(Text(LoopPwrResetTimeItems()[0]), QString("10  Sec."));
    QCOMPARE(Text(LoopPwrResetTimeItems()[3]), QString("40  Sec."));
    QCOMPARE(Text(LoopPwrResetTimeItems()[7]), QString("80  Sec."));
    QCOMPARE(Text(NoScaningTimeAftArmItems()[0]), QString("0  Sec."));
    QCOMPARE(Text(NoScaningTimeAftArmItems()[9]), QString("90  Sec."));
    QCOMPARE(Text(NoScaningTimeAftArmItems()[15]), QString("150  Sec."));
    const char* const reset[] = {"0 Sec.",   "15 Sec.",  "30  Sec.", "45  Sec.",
                                 "60  Sec.", "75  Sec.", "90  Sec.", "105  Sec."};
    for (std::size_t i = 0; i < 8; ++i) QCOMPARE(Text(NoScaningTimeAftResetItems()[i]), QString(reset[i]));
}

void TestInputsCommonSection::store_packsBothBytes_data() {
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("loop");
    QTest::addColumn<int>("afterArm");
    QTest::addColumn<int>("afterReset");
    QTest::addColumn<int>("fill");  // both bytes and their neighbours before the store
    QTest::addColumn<int>("byte356");
    QTest::addColumn<int>("byte357");
    QTest::newRow("all first items over ones") << 0 << 0 << 0 << 0 << 0xFF << 0x00 << 0xF8;
    QTest::newRow("all last items over zeros") << 1 << 7 << 15 << 7 << 0x00 << 0xFF << 0x07;
    // 1001 101 0, and 110 under the kept bits 3-7 of A8.
    QTest::newRow("mixed") << 0 << 5 << 9 << 6 << 0xA8 << 0x9A << 0xAE;
    QTest::newRow("defaults") << 1 << 3 << 0 << 0 << 0x00 << 0x07 << 0x00;
    QTest::newRow("no choice stores all ones") << -1 << -1 << -1 << -1 << 0x00 << 0xFF << 0x07;
}

void TestInputsCommonSection::store_packsBothBytes() {
    QFETCH(int, port);
    QFETCH(int, loop);
    QFETCH(int, afterArm);
    QFETCH(int, afterReset);
    QFETCH(int, fill);
    QFETCH(int, byte356);
    QFETCH(int, byte357);
    ConfigImage before;
    before.bytes().fill(std::uint8_t(fill));
    ConfigImage image = before;
    const InputsCommonSettings s{port, loop, afterArm, afterReset};
    StoreInputsCommon(s, image);
    QCOMPARE(int(image.u8(356)), byte356);
    QCOMPARE(int(image.u8(357)), byte357);
    image.setU8(356, before.u8(356));
    image.setU8(357, before.u8(357));
    QVERIFY(image == before);
}

void TestInputsCommonSection::load_readsEveryField_data() {
    QTest::addColumn<int>("byte356");
    QTest::addColumn<int>("byte357");
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("loop");
    QTest::addColumn<int>("afterArm");
    QTest::addColumn<int>("afterReset");
    QTest::newRow("zeros") << 0x00 << 0x00 << 0 << 0 << 0 << 0;
    QTest::newRow("mixed") << 0x9A << 0x06 << 0 << 5 << 9 << 6;
    QTest::newRow("ones: bits 3-7 of 357 are not ours") << 0xFF << 0xFF << 1 << 7 << 15 << 7;
    QTest::newRow("start-up delay under foreign bits") << 0x07 << 0xF9 << 1 << 3 << 0 << 1;
}

void TestInputsCommonSection::load_readsEveryField() {
    QFETCH(int, byte356);
    QFETCH(int, byte357);
    QFETCH(int, port);
    QFETCH(int, loop);
    QFETCH(int, afterArm);
    QFETCH(int, afterReset);
    ConfigImage image = DefaultImage();
    image.setU8(356, std::uint8_t(byte356));
    image.setU8(357, std::uint8_t(byte357));
    const InputsCommonSettings s = Loaded(image);
    QCOMPARE(s.portPwrSensAllOn, port);
    QCOMPARE(s.loopPwrResetTime, loop);
    QCOMPARE(s.noScaningTimeAftArm, afterArm);
    QCOMPARE(s.noScaningTimeAftReset, afterReset);
}

QTEST_APPLESS_MAIN(TestInputsCommonSection)
#include "tst_inputs_common_section.moc"
