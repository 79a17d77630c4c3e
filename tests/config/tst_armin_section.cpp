// Section "Вход [Arm In]": the arming delay and mode, the four reaction lists,
// the four profile choices, the "ЗАЩИТА" bits of inputs 1..8 and the key
// table, pinned against bytes worked out by hand from the Arm-In block
// (3104..3137), the input records (bit 0 of byte 55) and the key entries.

#include <QtTest>

#include "common/test_bytes.h"
#include "config/armin_section.h"
#include "config/default_image.h"
#include "footprint_check.h"

using namespace krx;
using krx::test::ImageBytes;

namespace {

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

std::size_t TypeByte(int input) { return 360 + 92 * std::size_t(input - 1) + 55; }
std::size_t Entry(int row) { return 3292 + 32 * std::size_t(row - 1); }

ArmInSettings Loaded(const ConfigImage& image) {
    ArmInSettings s;
    LoadArmIn(s, image);
    return s;
}

// A grid with no keys, as the editor shows it.
TouchKeyTable EmptyKeys() {
    TouchKeyTable t;
    for (TouchKeyRow& r : t) r.code = std::string(kEmptyKeyCodeCell);
    return t;
}

ArmInSettings Sample() {
    ArmInSettings s;
    s.delayArm = 45;
    s.armInMode = 2;  // "Смена режима ОХРАНА/НАБЛЮДЕНИЕ - TouchMemory"
    s.armToRele = {1, 2, 3, 4, 5, 6, 16};
    s.disarmToRele = {2, 1, 0, 16, 15, -1, 0};
    s.cdToRele = {16, 16, 0, 0, 3, 3, 3};
    s.raToRele = {0, 1, 2, 3, 4, 5, 6};
    s.armToProfile = 4;
    s.disarmToProfile = 0;
    s.cdToProfile = 1;
    s.raToProfile = 8;
    s.restrArmMode = {true, false, true, false, false, false, false, true};
    s.keys = EmptyKeys();
    s.keys[0] = {"0123456789ABCDEF", "Иван"};
    s.keys[31] = {"8000000000000001", "KEY32"};
    return s;
}

// The Arm-In block of Sample(), byte by byte.
const QByteArray kSampleBlock = QByteArray::fromHex(
    "2D 02"                  // 45 s, mode 2
    "01 02 03 04 05 06 10"   // to ОХРАНА
    "02 01 00 10 0F FF 00"   // to НАБЛЮДЕНИЕ; no choice = FF
    "10 10 00 00 03 03 03"   // countdown
    "00 01 02 03 04 05 06"   // to ЗАЩИТА
    "04 00 01 08");          // profiles

}  // namespace

class TestArmInSection : public QObject {
    Q_OBJECT
private slots:
    void defaults_areZeroAndLoadAsFirstChoices();
    void itemTexts();
    void store_writesTheBlockBitsAndKeys();
    void store_restrArmModeTouchesBitZeroOfInputs1To8Only_data();
    void store_restrArmModeTouchesBitZeroOfInputs1To8Only();
    void store_delayHeldWithinTheUpDownRange_data();
    void store_delayHeldWithinTheUpDownRange();
    void store_listsWithNoChoiceStoreAllOnes();
    void load_readsWhatWasStored();
    void load_valuesBeyondThisModelsChoices_data();
    void load_valuesBeyondThisModelsChoices();
    void load_restrArmModeFromBitZero();
};

void TestArmInSection::defaults_areZeroAndLoadAsFirstChoices() {
    const ConfigImage& d = DefaultImage();
    QCOMPARE(ImageBytes(d, 3104, 34), QByteArray(34, '\0'));
    QCOMPARE(ImageBytes(d, 3292, 32 * 32), QByteArray(32 * 32, '\0'));
    // "ПЕРИМЕТР2" in Windows-1251 at 3138, the larger model's, carried along.
    QCOMPARE(ImageBytes(d, 3138, 10).toHex(' '), QByteArray::fromHex("CF C5 D0 C8 CC C5 D2 D0 32 00").toHex(' '));

    const ArmInSettings s = Loaded(d);
    QCOMPARE(s.delayArm, 0);
    QCOMPARE(s.armInMode, 0);
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(s.armToRele[std::size_t(i)], 0);
        QCOMPARE(s.disarmToRele[std::size_t(i)], 0);
        QCOMPARE(s.cdToRele[std::size_t(i)], 0);
        QCOMPARE(s.raToRele[std::size_t(i)], 0);
    }
    QCOMPARE(s.armToProfile, 0);
    QCOMPARE(s.disarmToProfile, 0);
    QCOMPARE(s.cdToProfile, 0);
    QCOMPARE(s.raToProfile, 0);
    for (bool watched : s.restrArmMode) QVERIFY(!watched);
    QVERIFY(s.keys == EmptyKeys());
}

void TestArmInSection::itemTexts() {
    QCOMPARE(Text(ArmInModeItems()[0]), QString("Смена режима ОХРАНА/НАБЛЮДЕНИЕ импульсом"));
    QCOMPARE(Text(ArmInModeItems()[1]),
             QString("Замыкание входа - ОХРАНА, размыкание - НАБЛЮДЕНИЕ"));
    QCOMPARE(Text(ArmInModeItems()[2]), QString("Смена режима ОХРАНА/НАБЛЮДЕНИЕ - TouchMemory"));
    QCOMPARE(Text(ArmInModeItems()[3]), QString("ОХРАНА/НАБЛЮД. - TM, ЗАЩИТА/НАБЛЮД. - импульс"));
    QCOMPARE(Text(ArmInModeItems()[4]), QString("ОХРАНА/НАБЛЮДЕНИЕ - TM, ОХРАНА - импульс"));
    QCOMPARE(Text(ProfileChoiceItems()[0]), QString("Не применять профиль"));
    QCOMPARE(Text(ProfileChoiceItems()[1]), QString("Применить профиль 1"));
    QCOMPARE(Text(ProfileChoiceItems()[4]), QString("Применить профиль 4"));
    QCOMPARE(Text(ProfileChoiceItems()[8]), QString("Применить профиль 8"));
}

void TestArmInSection::store_writesTheBlockBitsAndKeys() {
    ConfigImage before;
    before.bytes().fill(0x5A);  // bit 0 of every byte clear, others mixed
    ConfigImage image = before;
    StoreArmIn(Sample(), image);

    QCOMPARE(ImageBytes(image, 3104, 34).toHex(' '), kSampleBlock.toHex(' '));

    // Inputs 1, 3 and 8 watched: bit 0 of their byte 55 set, nothing else.
    const int expected[] = {0x5B, 0x5A, 0x5B, 0x5A, 0x5A, 0x5A, 0x5A, 0x5B, 0x5A};
    for (int input = 1; input <= 9; ++input) {
        QCOMPARE(int(image.u8(TypeByte(input))), expected[input - 1]);
    }

    // Key row 1: code most significant byte first, "Иван" in Windows-1251.
    QCOMPARE(ImageBytes(image, Entry(1), 25).toHex(' '),
             QByteArray::fromHex("01 23 45 67 89 AB CD EF C8 E2 E0 ED 00 00 00 00"
                                 "00 00 00 00 00 00 00 00 00").toHex(' '));
    // An empty row stores a zero code and a zero name.
    QCOMPARE(ImageBytes(image, Entry(2), 25), QByteArray(25, '\0'));
    // Key row 32 at 4284: a code with its top bit set.
    QCOMPARE(ImageBytes(image, Entry(32), 25).toHex(' '),
             QByteArray::fromHex("80 00 00 00 00 00 00 01 4B 45 59 33 32 00 00 00"
                                 "00 00 00 00 00 00 00 00 00").toHex(' '));

    // The perimeter settings of the larger model and the last 7 bytes of
    // each key entry are carried unchanged.
    QCOMPARE(ImageBytes(image, 3138, 3292 - 3138), ImageBytes(before, 3138, 3292 - 3138));
    for (int row = 1; row <= 32; ++row) {
        QCOMPARE(ImageBytes(image, Entry(row) + 25, 7), QByteArray(7, char(0x5A)));
    }
    const std::string outside = test::ChangesOutsideFootprint(before, image, test::ArmInFootprint());
    QVERIFY2(outside.empty(), outside.c_str());
}

void TestArmInSection::store_restrArmModeTouchesBitZeroOfInputs1To8Only_data() {
    QTest::addColumn<int>("fill");
    QTest::addColumn<bool>("watched");
    QTest::addColumn<int>("inputs1To8");  // byte 55 of inputs 1..8 after the store
    QTest::newRow("clear over ones") << 0xFF << false << 0xFE;
    QTest::newRow("set over zeros") << 0x00 << true << 0x01;
    QTest::newRow("set over type bits") << 0x0E << true << 0x0F;
}

void TestArmInSection::store_restrArmModeTouchesBitZeroOfInputs1To8Only() {
    QFETCH(int, fill);
    QFETCH(bool, watched);
    QFETCH(int, inputs1To8);
    ConfigImage image;
    for (int input = 1; input <= 16; ++input) image.setU8(TypeByte(input), std::uint8_t(fill));
    ArmInSettings s = Sample();
    s.restrArmMode.fill(watched);
    StoreArmIn(s, image);
    for (int input = 1; input <= 8; ++input) QCOMPARE(int(image.u8(TypeByte(input))), inputs1To8);
    for (int input = 9; input <= 16; ++input) QCOMPARE(int(image.u8(TypeByte(input))), fill);
}

void TestArmInSection::store_delayHeldWithinTheUpDownRange_data() {
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("stored");
    QTest::newRow("0") << 0 << 0x00;
    QTest::newRow("240") << 240 << 0xF0;
    QTest::newRow("241") << 241 << 0xF0;
    QTest::newRow("negative") << -1 << 0x00;
}

void TestArmInSection::store_delayHeldWithinTheUpDownRange() {
    QFETCH(int, delay);
    QFETCH(int, stored);
    ConfigImage image = DefaultImage();
    ArmInSettings s = Loaded(image);
    s.delayArm = delay;
    StoreArmIn(s, image);
    QCOMPARE(int(image.u8(3104)), stored);
}

void TestArmInSection::store_listsWithNoChoiceStoreAllOnes() {
    ConfigImage image = DefaultImage();
    ArmInSettings s = Loaded(image);
    s.armInMode = -1;
    s.armToRele[0] = -1;
    s.raToRele[6] = -1;
    s.armToProfile = -1;
    s.raToProfile = -1;
    StoreArmIn(s, image);
    QCOMPARE(int(image.u8(3105)), 0xFF);
    QCOMPARE(int(image.u8(3106)), 0xFF);
    QCOMPARE(int(image.u8(3107)), 0x00);
    QCOMPARE(int(image.u8(3133)), 0xFF);
    QCOMPARE(int(image.u8(3134)), 0xFF);
    QCOMPARE(int(image.u8(3135)), 0x00);
    QCOMPARE(int(image.u8(3137)), 0xFF);
}

void TestArmInSection::load_readsWhatWasStored() {
    ConfigImage image = DefaultImage();
    for (qsizetype i = 0; i < kSampleBlock.size(); ++i) {
        image.setU8(3104 + std::size_t(i), std::uint8_t(kSampleBlock[i]));
    }
    for (int input : {1, 3, 8}) image.setBit(TypeByte(input), 0, true);
    const ArmInSettings s = Loaded(image);
    const ArmInSettings sample = Sample();
    QCOMPARE(s.delayArm, 45);
    QCOMPARE(s.armInMode, 2);
    QVERIFY(s.armToRele == sample.armToRele);
    QVERIFY(s.disarmToRele == sample.disarmToRele);
    QVERIFY(s.cdToRele == sample.cdToRele);
    QVERIFY(s.raToRele == sample.raToRele);
    QCOMPARE(s.armToProfile, 4);
    QCOMPARE(s.disarmToProfile, 0);
    QCOMPARE(s.cdToProfile, 1);
    QCOMPARE(s.raToProfile, 8);
    QVERIFY(s.restrArmMode == sample.restrArmMode);

    // And the whole section, keys included, comes back from its own store.
    ConfigImage stored = DefaultImage();
    StoreArmIn(sample, stored);
    QVERIFY(Loaded(stored) == sample);
}

void TestArmInSection::load_valuesBeyondThisModelsChoices_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("shown");
    QTest::newRow("delay 240") << 3104 << 240 << 240;
    QTest::newRow("delay above the up-down range") << 3104 << 241 << 240;
    QTest::newRow("delay 255") << 3104 << 255 << 240;
    QTest::newRow("mode 2") << 3105 << 2 << 2;
    QTest::newRow("mode 3 of the larger model") << 3105 << 3 << -1;
    QTest::newRow("mode 4 of the larger model") << 3105 << 4 << -1;
    QTest::newRow("reaction scenario 14") << 3112 << 16 << 16;
    QTest::newRow("reaction code 17") << 3119 << 17 << -1;
    QTest::newRow("reaction all ones") << 3127 << 255 << -1;
    QTest::newRow("arm profile 4") << 3134 << 4 << 4;
    QTest::newRow("arm profile 5") << 3134 << 5 << -1;
    QTest::newRow("disarm profile 5") << 3135 << 5 << -1;
    QTest::newRow("countdown profile 8") << 3136 << 8 << -1;
    QTest::newRow("restricted profile 8 (list not cut)") << 3137 << 8 << 8;
    QTest::newRow("restricted profile 9") << 3137 << 9 << -1;
}

void TestArmInSection::load_valuesBeyondThisModelsChoices() {
    QFETCH(int, offset);
    QFETCH(int, value);
    QFETCH(int, shown);
    ConfigImage image = DefaultImage();
    image.setU8(std::size_t(offset), std::uint8_t(value));
    const ArmInSettings s = Loaded(image);
    int actual = 0;
    switch (offset) {
        case 3104: actual = s.delayArm; break;
        case 3105: actual = s.armInMode; break;
        case 3112: actual = s.armToRele[6]; break;
        case 3119: actual = s.disarmToRele[6]; break;
        case 3127: actual = s.raToRele[0]; break;
        case 3134: actual = s.armToProfile; break;
        case 3135: actual = s.disarmToProfile; break;
        case 3136: actual = s.cdToProfile; break;
        case 3137: actual = s.raToProfile; break;
        default: QFAIL("offset without a field");
    }
    QCOMPARE(actual, shown);
}

void TestArmInSection::load_restrArmModeFromBitZero() {
    ConfigImage image = DefaultImage();
    image.setU8(TypeByte(2), 0x0E);  // type bits set, bit 0 clear
    image.setU8(TypeByte(5), 0x01);
    image.setU8(TypeByte(8), 0xFF);
    image.setU8(TypeByte(9), 0xFF);  // input 9 is not edited here
    const ArmInSettings s = Loaded(image);
    const std::array<bool, 8> expected{false, false, false, false, true, false, false, true};
    QVERIFY(s.restrArmMode == expected);
}

QTEST_APPLESS_MAIN(TestArmInSection)
#include "tst_armin_section.moc"
