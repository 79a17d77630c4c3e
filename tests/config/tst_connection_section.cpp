// Sections "Соединение 1" .. "Соединение 8": record placement, the bit
// fields, the three-state input boxes and the defaults, pinned against bytes
// worked out by hand from the record table.

#include <QtTest>

#include "common/test_bytes.h"
#include "config/connection_section.h"
#include "config/default_image.h"
#include "footprint_check.h"

using namespace krx;
using krx::test::ImageBytes;

namespace {

std::size_t Record(int connection) { return 68 + 36 * std::size_t(connection - 1); }

ConnectionSettings Loaded(int connection, const ConfigImage& image) {
    ConnectionSettings s;
    LoadConnection(connection, s, image);
    return s;
}

using Box = InputBoxState;

}  // namespace

class TestConnectionSection : public QObject {
    Q_OBJECT
private slots:
    void defaults_areInEveryRecord_data();
    void defaults_areInEveryRecord();
    void storeDefaultConnection1_givesHandWorkedBytes();
    void store_touchesOnlyItsOwnRecord_data();
    void store_touchesOnlyItsOwnRecord();
    void store_listsAndFlags_packIntoTheirBits();
    void store_inputBoxes_writeAnyAndCheckedMasks();
    void load_inputBoxes_checkedMaskWins();
    void store_eventBoxes_packBytes26And27And34And35();
    void store_phone_trimmedBlanksRemovedAndCut_data();
    void store_phone_trimmedBlanksRemovedAndCut();
    void load_incomingCallActionBeyondOfferedItems_showsNoChoiceAndStoresThree();
    void incomingCallToolTip_isTheChosenItemText();
    void hiddenSettings_areStoredBackUnchanged();
    void connectionOutsideOneToEight_touchesNothing();
    void onLineTimeItems_listSecondsByIndex();
    void loadThenStore_changesNothingOutsideFootprint();
    void loadStoreLoad_showsTheSameValues();
};

void TestConnectionSection::defaults_areInEveryRecord_data() {
    QTest::addColumn<int>("connection");
    for (int k = 1; k <= 8; ++k) QTest::addRow("connection %d", k) << k;
}

void TestConnectionSection::defaults_areInEveryRecord() {
    QFETCH(int, connection);
    const ConfigImage& d = DefaultImage();
    QByteArray expected(36, '\0');
    expected[16] = char((connection - 1) << 2);  // group k
    expected[17] = 0x09;                          // voice wait "10 Min."
    expected[28] = 0x09;                          // SMS wait "10 Min."
    expected[29] = 0x05;                          // "Русский", "Имя пользователя"
    QCOMPARE(ImageBytes(d, Record(connection), 36), expected);

    const ConnectionSettings s = Loaded(connection, d);
    QCOMPARE(s.phone, std::string());
    QCOMPARE(s.groupNum, connection - 1);
    QCOMPARE(s.dialTranspWaitTime, 9);
    QCOMPARE(s.smsTranspWaitTime, 9);
    QCOMPARE(s.lang, 1);
    QCOMPARE(s.userId, 1);
    QCOMPARE(s.incomungCallAction, 0);
    QCOMPARE(s.onLineTime, 0);
    QCOMPARE(s.icToOuOutN, 0);
    QCOMPARE(s.icToOuScnN, 0);
    QVERIFY(!s.callEn && !s.smsEn);
    QCOMPARE(s.voice, MessageSources{});
    QCOMPARE(s.sms, MessageSources{});
}

void TestConnectionSection::storeDefaultConnection1_givesHandWorkedBytes() {
    ConfigImage image;  // all zero: every byte below comes from the store
    ConnectionSettings s = Loaded(1, DefaultImage());
    StoreConnection(1, s, image);
    QCOMPARE(int(image.u8(68 + 16)), 0x00);
    QCOMPARE(int(image.u8(68 + 17)), 0x09);
    QCOMPARE(int(image.u8(68 + 28)), 0x09);
    QCOMPARE(int(image.u8(68 + 29)), 0x05);
}

void TestConnectionSection::store_touchesOnlyItsOwnRecord_data() {
    QTest::addColumn<int>("sectionId");
    QTest::addColumn<int>("first");
    QTest::newRow("section 2") << 2 << 68;
    QTest::newRow("section 3") << 3 << 104;
    QTest::newRow("section 6") << 6 << 212;
    QTest::newRow("section 9") << 9 << 320;
}

void TestConnectionSection::store_touchesOnlyItsOwnRecord() {
    QFETCH(int, sectionId);
    QFETCH(int, first);
    const int connection = connection_layout::ConnectionOfSection(sectionId);
    QCOMPARE(int(connection_layout::RecordStart(connection)), first);

    const ConfigImage before = test::RandomImage(unsigned(sectionId));
    ConfigImage after = before;
    ConnectionSettings s;  // far from the random record: every field changes
    s.phone = "123";
    s.lang = 0;
    StoreConnection(connection, s, after);
    QVERIFY(ImageBytes(after, std::size_t(first), 36) != ImageBytes(before, std::size_t(first), 36));
    QCOMPARE(ImageBytes(after, 0, std::size_t(first)), ImageBytes(before, 0, std::size_t(first)));
    const std::size_t end = std::size_t(first) + 36;
    QCOMPARE(ImageBytes(after, end, kImageSize - end), ImageBytes(before, end, kImageSize - end));
}

void TestConnectionSection::store_listsAndFlags_packIntoTheirBits() {
    ConfigImage image;
    const std::size_t r = Record(4);
    image.setU8(r + 16, 0xC0);  // unused bits 6-7 of each byte must survive
    image.setU8(r + 17, 0xC0);
    image.setU8(r + 20, 0xFC);
    image.setU8(r + 21, 0x5A);
    image.setU8(r + 28, 0xA0);
    image.setU8(r + 29, 0x40);

    ConnectionSettings s;
    s.transportPriority = 2;
    s.groupNum = 5;
    s.dialTranspWaitTime = 3;
    s.incomungCallAction = 1;
    s.icToOuOutN = 6;
    s.icToOuScnN = 16;
    s.notAck = true;
    s.callEn = true;
    s.onLineTime = 61;
    s.connectionType = 2;
    s.smsTranspWaitTime = 15;
    s.lang = 0;
    s.userId = 0;
    s.debugMode = true;
    s.smsEn = true;
    s.jointUse = true;
    StoreConnection(4, s, image);

    QCOMPARE(int(image.u8(r + 16)), 0xD6);  // 11 0101 10
    QCOMPARE(int(image.u8(r + 17)), 0xD3);  // 11 01 0011
    QCOMPARE(int(image.u8(r + 18)), 0x86);  // 10000 110
    QCOMPARE(int(image.u8(r + 19)), 0xF7);  // 111101 1 1
    QCOMPARE(int(image.u8(r + 20)), 0xFE);
    QCOMPARE(int(image.u8(r + 21)), 0x5A);
    QCOMPARE(int(image.u8(r + 28)), 0xAF);
    QCOMPARE(int(image.u8(r + 29)), 0x78);  // 01 1 1 1 0 00

    QCOMPARE(Loaded(4, image), s);
}

void TestConnectionSection::store_inputBoxes_writeAnyAndCheckedMasks() {
    ConfigImage image;
    const std::size_t r = Record(2);
    for (std::size_t i = 22; i < 26; ++i) image.setU8(r + i, 0xFF);
    for (std::size_t i = 30; i < 34; ++i) image.setU8(r + i, 0xFF);

    ConnectionSettings s = Loaded(2, DefaultImage());
    s.voice.inputs = {Box::On, Box::Third, Box::Off, Box::Off,
                      Box::Off, Box::Off, Box::Off, Box::Third};
    s.sms.inputs = {Box::Off, Box::On, Box::On, Box::Third, Box::Off, Box::Off, Box::Off, Box::Off};
    StoreConnection(2, s, image);
    // Inputs 9..16 have no boxes: the high bytes are written 0.
    QCOMPARE(ImageBytes(image, r + 22, 4), QByteArray("\x83\x00\x01\x00", 4));
    QCOMPARE(ImageBytes(image, r + 30, 4), QByteArray("\x0E\x00\x06\x00", 4));
}

void TestConnectionSection::load_inputBoxes_checkedMaskWins() {
    ConfigImage image = DefaultImage();
    const std::size_t r = Record(3);
    image.setU16(r + 22, 0xFF05);  // any: boxes 1, 3 (and inputs 9..16)
    image.setU16(r + 24, 0xFF06);  // checked: boxes 2, 3 (and inputs 9..16)
    image.setU16(r + 30, 0x0080);  // SMS box 8 third state
    image.setU16(r + 32, 0x0000);
    const ConnectionSettings s = Loaded(3, image);
    const std::array<Box, 8> voice = {Box::Third, Box::On,  Box::On,  Box::Off,
                                      Box::Off,   Box::Off, Box::Off, Box::Off};
    const std::array<Box, 8> sms = {Box::Off, Box::Off, Box::Off, Box::Off,
                                    Box::Off, Box::Off, Box::Off, Box::Third};
    QVERIFY(s.voice.inputs == voice);
    QVERIFY(s.sms.inputs == sms);

    // Stored back, box 2 (checked but not in "any") is on in both masks.
    StoreConnection(3, s, image);
    QCOMPARE(int(image.u16(r + 22)), 0x07);
    QCOMPARE(int(image.u16(r + 24)), 0x06);
}

void TestConnectionSection::store_eventBoxes_packBytes26And27And34And35() {
    ConfigImage image;
    const std::size_t r = Record(8);
    image.setU8(r + 27, 0xF0);
    image.setU8(r + 35, 0xF0);
    ConnectionSettings s = Loaded(8, DefaultImage());
    s.voice.arm = {true, false, false, true};
    s.voice.disarm = {false, true, false, false};
    s.voice.restrictedArm = true;
    s.voice.test = true;
    s.sms.disarm = {true, false, false, true};
    s.sms.power = true;
    s.sms.gps = true;
    StoreConnection(8, s, image);
    QCOMPARE(int(image.u8(r + 26)), 0x29);  // arm 1, arm 4, disarm 2
    QCOMPARE(int(image.u8(r + 27)), 0xF5);  // restricted, test
    QCOMPARE(int(image.u8(r + 34)), 0x90);  // disarm 1, disarm 4
    QCOMPARE(int(image.u8(r + 35)), 0xFA);  // system events, GPS
    QCOMPARE(Loaded(8, image), s);
}

void TestConnectionSection::store_phone_trimmedBlanksRemovedAndCut_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("digit groups") << "+7 916 123" << QByteArray("+7916123\0\0\0\0\0\0\0\0", 16);
    QTest::newRow("outer blanks") << "  89161234567 "
                                  << QByteArray("89161234567\0\0\0\0\0", 16);
    QTest::newRow("too long") << "12345678901234567" << QByteArray("123456789012345\0", 16);
    QTest::newRow("empty") << "" << QByteArray(16, '\0');
}

void TestConnectionSection::store_phone_trimmedBlanksRemovedAndCut() {
    QFETCH(QString, typed);
    QFETCH(QByteArray, field);
    ConfigImage image = DefaultImage();
    const std::size_t r = Record(5);
    image.setU8(r + 16, 0xC5);  // group 2, priority 1, and the unused top bits
    ConnectionSettings s = Loaded(5, image);
    s.phone = typed.toStdString();
    StoreConnection(5, s, image);
    QCOMPARE(ImageBytes(image, r, 16), field);
    QCOMPARE(int(image.u8(r + 16)), 0xC5);
}

void TestConnectionSection::load_incomingCallActionBeyondOfferedItems_showsNoChoiceAndStoresThree() {
    ConfigImage image = DefaultImage();
    const std::size_t r = Record(1);
    image.setU8(r + 17, 0x39);  // action 3, wait 9
    ConnectionSettings s = Loaded(1, image);
    QCOMPARE(s.incomungCallAction, -1);
    QCOMPARE(IncomungCallActionToolTip(s.incomungCallAction), std::string_view());
    StoreConnection(1, s, image);
    QCOMPARE(int(image.u8(r + 17)), 0x39);
}

void TestConnectionSection::incomingCallToolTip_isTheChosenItemText() {
    QCOMPARE(IncomungCallActionToolTip(0),
             std::string_view("Принять и перейти в голосовое меню, с паролем (DTMF управление)"));
    QCOMPARE(IncomungCallActionToolTip(2), std::string_view("Отбить (DTMF управление невозможно)"));
    QCOMPARE(IncomungCallActionToolTip(3), std::string_view());  // not offered by this model
}

void TestConnectionSection::hiddenSettings_areStoredBackUnchanged() {
    // A record from a file of the larger model: every hidden setting in use.
    ConfigImage image = DefaultImage();
    const std::size_t r = Record(6);
    image.setText(r, 16, "+79161234567");
    image.setU8(r + 16, 0x1E);  // group 8, transport priority 2
    image.setU8(r + 17, 0x29);  // incoming action 2, wait 10 min
    image.setU8(r + 18, 0x4C);  // "Выход 3", "сценарий 7"
    image.setU8(r + 19, 0x17);  // on-line 5 s, voice on, NotACK
    image.setU8(r + 20, 0x01);  // SentryBeacon
    image.setU16(r + 22, 0x00F0);  // voice inputs 5..8 third state ...
    image.setU16(r + 24, 0x00C0);  // ... 7 and 8 on
    image.setU8(r + 26, 0xEE);     // arm 2..4, disarm 2..4
    image.setU8(r + 27, 0x09);     // restricted, GPS
    image.setU8(r + 28, 0x02);
    image.setU8(r + 29, 0x38);     // English, key code, debug, SMS on, joint use
    image.setU16(r + 30, 0x0030);
    image.setU16(r + 32, 0x0010);
    image.setU8(r + 34, 0x66);
    image.setU8(r + 35, 0x09);
    const ConfigImage before = image;
    ConnectionSettings s = Loaded(6, image);
    StoreConnection(6, s, image);
    QCOMPARE(ImageBytes(image, r, 36), ImageBytes(before, r, 36));
}

void TestConnectionSection::connectionOutsideOneToEight_touchesNothing() {
    const ConfigImage before = test::RandomImage(7);
    ConfigImage image = before;
    ConnectionSettings s;
    StoreConnection(0, s, image);
    StoreConnection(9, s, image);
    QVERIFY(image == before);
    ConnectionSettings loaded;
    loaded.phone = "x";
    LoadConnection(9, loaded, image);
    QCOMPARE(loaded.phone, std::string("x"));
}

void TestConnectionSection::onLineTimeItems_listSecondsByIndex() {
    const auto& items = OnLineTimeItems();
    QCOMPARE(int(items.size()), 62);
    QCOMPARE(items[0], std::string("По длине сообщения"));
    QCOMPARE(items[1], std::string("Задается DTMF упр."));
    QCOMPARE(items[2], std::string("2 Sec."));
    QCOMPARE(items[61], std::string("61 Sec."));
}

void TestConnectionSection::loadThenStore_changesNothingOutsideFootprint() {
    for (int k = 1; k <= 8; ++k) {
        ConfigImage image = DefaultImage();
        StoreConnection(k, Loaded(k, image), image);
        QVERIFY2(image == DefaultImage(), qPrintable(QString("connection %1").arg(k)));
        for (unsigned seed = 1; seed <= 20; ++seed) {
            const ConfigImage before = test::RandomImage(seed * 31 + unsigned(k));
            ConfigImage after = before;
            StoreConnection(k, Loaded(k, after), after);
            const std::string outside =
                test::ChangesOutsideFootprint(before, after, test::ConnectionFootprint(k));
            QVERIFY2(outside.empty(), outside.c_str());
        }
    }
}

void TestConnectionSection::loadStoreLoad_showsTheSameValues() {
    for (unsigned seed = 100; seed < 120; ++seed) {
        ConfigImage image = test::RandomImage(seed);
        const int k = int(seed % 8) + 1;
        // Random phone bytes hold blanks that the store rightly removes.
        image.setText(Record(k), 16, "+7916");
        const ConnectionSettings first = Loaded(k, image);
        StoreConnection(k, first, image);
        QCOMPARE(Loaded(k, image), first);
    }
}

QTEST_APPLESS_MAIN(TestConnectionSection)
#include "tst_connection_section.moc"
