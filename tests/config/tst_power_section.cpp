// Section "Питание, температура, индикация, контроль вскрытия": every field
// of bytes 2808..2817 and 2842..2850 stored and loaded, pinned against bytes
// packed by hand from the field table, and the editing rules that hold the
// battery borders, the temperature borders and the reaction levels together.

#include <QtTest>

#include "common/test_bytes.h"
#include "config/default_image.h"
#include "config/power_editing_rules.h"
#include "config/power_section.h"

using namespace krx;
using krx::test::ImageBytes;

Q_DECLARE_METATYPE(krx::PowerSettings)

namespace {

constexpr std::size_t kFirstBlock = 2808;   // 2808..2817
constexpr std::size_t kFirstBlockSize = 10;
constexpr std::size_t kSecondBlock = 2842;  // 2842..2850
constexpr std::size_t kSecondBlockSize = 9;

ConfigImage Filled(std::uint8_t value) {
    ConfigImage image;
    image.bytes().fill(value);
    return image;
}

PowerSettings Loaded(const ConfigImage& image) {
    PowerSettings s;
    LoadPower(s, image);
    return s;
}

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// Settings that use the top of most ranges.
PowerSettings HighSettings() {
    PowerSettings s;
    s.powerSignAverTime = 5;          // "64 Sec."
    s.extPowerFault = false;
    s.powerRecoveryTime = 2;          // "8 Min."
    s.extPowerRec = true;
    s.asFaultSendGpsPos = true;
    s.dischargeAlarmPosition = 75;    // second border 25 %
    s.batteryDischargeAlarmEventEn = false;
    s.dischargeWarnPosition = 45;     // first border 55 %
    s.batteryDischargeWarnEventEn = true;
    s.asDischargeSendGpsPos = false;
    s.indFunction = 3;
    s.alarmBlinking = false;
    s.disableLedsAtCoverClose = true;
    s.showActiveInsToArmOut = true;
    s.temperatureEvent = false;
    s.temperatLowBorder = -32;
    s.temperatHiBorder = 82;
    s.loBorderLevel = 128;            // -39° C
    s.loBorderOut = 3;                // "Выход 2"
    s.loBorderScn = 16;               // "сценарий 14"
    s.hiBorderLevel = 0;              // 89° C
    s.hiBorderOut = 1;                // "Реле 2"
    s.hiBorderScn = 2;                // "выключить"
    s.tamperEnable = true;
    s.tamperActOutN = 2;              // "Выход 1"
    s.tamperActScnN = 3;              // "сценарий 1"
    return s;
}

// Everything off or at the bottom; the output and reaction of the upper
// level show no choice.
PowerSettings LowSettings() {
    PowerSettings s;
    s.powerSignAverTime = 0;
    s.powerRecoveryTime = 0;
    s.dischargeAlarmPosition = 100;   // 0 %
    s.dischargeWarnPosition = 10;     // 90 %
    s.indFunction = 0;
    s.temperatLowBorder = 0;
    s.temperatHiBorder = 2;
    s.loBorderLevel = 89;             // 0° C
    s.loBorderOut = 0;
    s.loBorderScn = 0;
    s.hiBorderLevel = 87;             // 2° C
    s.hiBorderOut = -1;
    s.hiBorderScn = -1;
    s.tamperActOutN = 0;
    s.tamperActScnN = 1;              // "включить"
    return s;
}

}  // namespace

class TestPowerSection : public QObject {
    Q_OBJECT
private slots:
    void defaults_bytesAndShownValues();
    void itemTexts_matchTheirStoredIndex();
    void store_packsEveryField_data();
    void store_packsEveryField();
    void load_readsEveryField_data();
    void load_readsEveryField();
    void store_listsWithNoChoice_storeAllOnesButKeepTheLevelBytes();
    void load_valuesBeyondTheListsShowNoChoice();
    void store_temperatureBordersHeldWithinTheirScales_data();
    void store_temperatureBordersHeldWithinTheirScales();
    void load_batteryBordersFollowTheirRules_data();
    void load_batteryBordersFollowTheirRules();
    void load_temperatureBordersFollowTheirRules_data();
    void load_temperatureBordersFollowTheirRules();

    void dischargeBorder_firstAtMost90AndTheSecondNeverAboveIt_data();
    void dischargeBorder_firstAtMost90AndTheSecondNeverAboveIt();
    void dischargeBorderText_showsPercentOfThePosition_data();
    void dischargeBorderText_showsPercentOfThePosition();
    void temperatureBorder_heldInRangeAndDragsTheOther_data();
    void temperatureBorder_heldInRangeAndDragsTheOther();
    void levelTexts_run129From89DownToMinus39_data();
    void levelTexts_run129From89DownToMinus39();
    void levelIndex_convertsDegreesBothWays_data();
    void levelIndex_convertsDegreesBothWays();
    void reactionLevels_coupleTheOtherLevel_data();
    void reactionLevels_coupleTheOtherLevel();
};

void TestPowerSection::defaults_bytesAndShownValues() {
    const ConfigImage& d = DefaultImage();
    // 2808: average 1, fault on, recovery 4, restore on = 1 100 1 001.
    // 2812: 20 % | message; 2813: 40 % | message; 2817: blinking (bit 2).
    QCOMPARE(ImageBytes(d, kFirstBlock, kFirstBlockSize).toHex(' '),
             QByteArray::fromHex("C9 00 00 00 94 A8 00 00 00 04").toHex(' '));
    // 2842: event on; -25 = E7, 60 = 3C, -20 = EC, reaction 0, -15 = F1,
    // reaction 0, tamper on, reaction 0.
    QCOMPARE(ImageBytes(d, kSecondBlock, kSecondBlockSize).toHex(' '),
             QByteArray::fromHex("01 E7 3C EC 00 F1 00 01 00").toHex(' '));

    const PowerSettings s = Loaded(d);
    QCOMPARE(s.powerSignAverTime, 1);
    QCOMPARE(Text(PowerSignAverTimeItems()[1]), QString("4 Sec."));
    QVERIFY(s.extPowerFault);
    QCOMPARE(s.powerRecoveryTime, 4);
    QCOMPARE(Text(PowerRecoveryTimeItems()[4]), QString("32 Min."));
    QVERIFY(s.extPowerRec);
    QVERIFY(!s.asFaultSendGpsPos);
    QCOMPARE(s.dischargeAlarmPosition, 80);
    QCOMPARE(DischargeBorderText(s.dischargeAlarmPosition), std::string("20%"));
    QCOMPARE(s.dischargeWarnPosition, 60);
    QCOMPARE(DischargeBorderText(s.dischargeWarnPosition), std::string("40%"));
    QVERIFY(s.batteryDischargeAlarmEventEn);
    QVERIFY(s.batteryDischargeWarnEventEn);
    QCOMPARE(s.indFunction, 0);
    QVERIFY(s.alarmBlinking);
    QVERIFY(!s.disableLedsAtCoverClose);
    QVERIFY(!s.showActiveInsToArmOut);
    QVERIFY(s.temperatureEvent);
    QCOMPARE(s.temperatLowBorder, -25);
    QCOMPARE(s.temperatHiBorder, 60);
    QCOMPARE(s.loBorderLevel, 109);
    QCOMPARE(s.hiBorderLevel, 104);
    QCOMPARE(s.loBorderOut, 0);
    QCOMPARE(s.loBorderScn, 0);
    QCOMPARE(s.hiBorderOut, 0);
    QCOMPARE(s.hiBorderScn, 0);
    QVERIFY(s.tamperEnable);
    QCOMPARE(s.tamperActOutN, 0);
    QCOMPARE(s.tamperActScnN, 0);
}

void TestPowerSection::itemTexts_matchTheirStoredIndex() {
    const char* const seconds[] = {"2 Sec.", "4 Sec.", "8 Sec.", "16 Sec.",
                                   "32 Sec.", "64 Sec.", "128 Sec.", "256 Sec."};
    const char* const minutes[] = {"2 Min.", "4 Min.", "8 Min.", "16 Min.",
                                   "32 Min.", "64 Min.", "128 Min.", "256 Min."};
    for (std::size_t i = 0; i < 8; ++i) {
        QCOMPARE(Text(PowerSignAverTimeItems()[i]), QString(seconds[i]));
        QCOMPARE(Text(PowerRecoveryTimeItems()[i]), QString(minutes[i]));
    }
    QCOMPARE(Text(IndFunctionItems()[0]),
             QString("Показывать состояние входов на индикаторах In1-In4"));
    QCOMPARE(Text(IndFunctionItems()[1]),
             QString("Показывать уровень GSM сигнала на индикаторах In1-In4"));
    QCOMPARE(Text(IndFunctionItems()[2]),
             QString("Показывать состояние выходов на индикаторах In1-In4"));
    QCOMPARE(Text(IndFunctionItems()[3]), QString("Показывать информацию попеременно"));
}

void TestPowerSection::store_packsEveryField_data() {
    QTest::addColumn<PowerSettings>("settings");
    QTest::addColumn<int>("fill");  // every image byte before the store
    QTest::addColumn<QByteArray>("first");   // 2808..2817
    QTest::addColumn<QByteArray>("second");  // 2842..2850

    // 2808 = restore 1, recovery 010, fault 0, average 101 = A5.
    // 2812 = 25 %; 2813 = 55 % | message = B7.
    // 2817 = ArmOut 1, bits 4-6 0, LEDs off 1, blinking 0, function 11 = 8B.
    // 2843 = -32 = E0, 2844 = 82 = 52, 2845 = -39 = D9, 2846 = 10000 011 = 83,
    // 2847 = 89 = 59, 2848 = 00010 001 = 11, 2850 = 00011 010 = 1A.
    QTest::newRow("top of the ranges over zeros")
        << HighSettings() << 0x00 << QByteArray::fromHex("A5 01 00 00 19 B7 00 00 00 8B")
        << QByteArray::fromHex("00 E0 52 D9 83 59 11 01 1A");
    // Over all ones only the fields' own bits go to 0: 2809, 2814, 2842 and
    // 2849 keep bits 1-7, 2817 keeps bits 4-6 (70); 2813 = 90 % = 5A.
    // 2844 = 2, 2845 = 0° C = 00, 2847 = 2° C = 02; 2848 = no choice = FF;
    // 2850 = 00001 000 = 08. 2810..2811 and 2815..2816 are not ours.
    QTest::newRow("bottom of the ranges over ones")
        << LowSettings() << 0xFF << QByteArray::fromHex("00 FE FF FF 00 5A FE FF FF 70")
        << QByteArray::fromHex("FE 00 02 00 00 02 FF FE 08");
}

void TestPowerSection::store_packsEveryField() {
    QFETCH(PowerSettings, settings);
    QFETCH(int, fill);
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);

    const ConfigImage before = Filled(std::uint8_t(fill));
    ConfigImage image = before;
    StorePower(settings, image);
    QCOMPARE(ImageBytes(image, kFirstBlock, kFirstBlockSize).toHex(' '), first.toHex(' '));
    QCOMPARE(ImageBytes(image, kSecondBlock, kSecondBlockSize).toHex(' '), second.toHex(' '));
    // Nothing between or around the two blocks moves.
    QCOMPARE(ImageBytes(image, 0, kFirstBlock), ImageBytes(before, 0, kFirstBlock));
    const std::size_t gap = kFirstBlock + kFirstBlockSize;
    QCOMPARE(ImageBytes(image, gap, kSecondBlock - gap), ImageBytes(before, gap, kSecondBlock - gap));
    const std::size_t tail = kSecondBlock + kSecondBlockSize;
    QCOMPARE(ImageBytes(image, tail, kImageSize - tail), ImageBytes(before, tail, kImageSize - tail));
}

void TestPowerSection::load_readsEveryField_data() {
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<PowerSettings>("settings");
    QTest::newRow("top of the ranges")
        << QByteArray::fromHex("A5 01 00 00 19 B7 00 00 00 8B")
        << QByteArray::fromHex("00 E0 52 D9 83 59 11 01 1A") << HighSettings();
    // The free bits set all round do not show anywhere.
    QTest::newRow("bottom of the ranges, free bits set")
        << QByteArray::fromHex("00 FE FF FF 00 5A FE FF FF 70")
        << QByteArray::fromHex("FE 00 02 00 00 02 FF FE 08") << LowSettings();
}

void TestPowerSection::load_readsEveryField() {
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(PowerSettings, settings);
    ConfigImage image;
    for (qsizetype i = 0; i < first.size(); ++i) image.setU8(kFirstBlock + std::size_t(i), std::uint8_t(first[i]));
    for (qsizetype i = 0; i < second.size(); ++i) image.setU8(kSecondBlock + std::size_t(i), std::uint8_t(second[i]));
    QVERIFY(Loaded(image) == settings);
}

void TestPowerSection::store_listsWithNoChoice_storeAllOnesButKeepTheLevelBytes() {
    PowerSettings s;  // every list without a choice
    s.dischargeAlarmPosition = 100;
    s.dischargeWarnPosition = 100;
    s.temperatLowBorder = -3;
    s.temperatHiBorder = -1;
    ConfigImage image = Filled(0x55);
    StorePower(s, image);
    // 2808 = 0 111 0 111; 2817 keeps bits 4-6 of 55 (50) with function 11.
    QCOMPARE(ImageBytes(image, kFirstBlock, kFirstBlockSize).toHex(' '),
             QByteArray::fromHex("77 54 55 55 00 00 54 55 55 53").toHex(' '));
    // -3 = FD, -1 = FF. A level list with no choice would turn all ones into
    // -1° C, a real and different temperature: its byte is kept instead.
    QCOMPARE(ImageBytes(image, kSecondBlock, kSecondBlockSize).toHex(' '),
             QByteArray::fromHex("54 FD FF 55 FF 55 FF 54 FF").toHex(' '));
}

void TestPowerSection::load_valuesBeyondTheListsShowNoChoice() {
    ConfigImage image = DefaultImage();
    image.setU8(2845, 90);                        // one above the hottest level
    image.setU8(2847, std::uint8_t(-40));         // one below the coldest level
    image.setU8(2846, 0x04 | (16 << 3));          // "Выход 3": not on this model
    image.setU8(2848, 0x03 | (17 << 3));          // reaction code 17: no such item
    image.setU8(2850, 0x07 | (31 << 3));
    const PowerSettings s = Loaded(image);
    QCOMPARE(s.loBorderLevel, -1);
    QCOMPARE(s.hiBorderLevel, -1);
    QCOMPARE(s.loBorderOut, -1);
    QCOMPARE(s.loBorderScn, 16);
    QCOMPARE(s.hiBorderOut, 3);
    QCOMPARE(s.hiBorderScn, -1);
    QCOMPARE(s.tamperActOutN, -1);
    QCOMPARE(s.tamperActScnN, -1);

    // The level bytes survive a store; the lists with no choice store ones.
    StorePower(s, image);
    QCOMPARE(int(image.u8(2845)), 90);
    QCOMPARE(int(image.u8(2847)), 0xD8);
    QCOMPARE(int(image.u8(2846)), 0x87);  // 10000 111
    QCOMPARE(int(image.u8(2848)), 0xFB);  // 11111 011

    // The coldest and hottest levels are items.
    image.setU8(2845, std::uint8_t(-39));
    image.setU8(2847, 89);
    QCOMPARE(Loaded(image).loBorderLevel, 128);
    QCOMPARE(Loaded(image).hiBorderLevel, 0);
}

void TestPowerSection::store_temperatureBordersHeldWithinTheirScales_data() {
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("lowByte");
    QTest::addColumn<int>("highByte");
    QTest::newRow("range ends") << -32 << 82 << 0xE0 << 0x52;
    QTest::newRow("other range ends") << 80 << -30 << 0x50 << 0xE2;
    // 200 would wrap round to -56 in a signed byte.
    QTest::newRow("far above") << 200 << 200 << 0x50 << 0x52;
    QTest::newRow("far below") << -200 << -200 << 0xE0 << 0xE2;
}

void TestPowerSection::store_temperatureBordersHeldWithinTheirScales() {
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(int, lowByte);
    QFETCH(int, highByte);
    ConfigImage image = DefaultImage();
    PowerSettings s = Loaded(image);
    s.temperatLowBorder = low;
    s.temperatHiBorder = high;
    StorePower(s, image);
    QCOMPARE(int(image.u8(2843)), lowByte);
    QCOMPARE(int(image.u8(2844)), highByte);
}

void TestPowerSection::load_batteryBordersFollowTheirRules_data() {
    QTest::addColumn<int>("storedFirst");   // byte 2813 bits 0-6, percent
    QTest::addColumn<int>("storedSecond");  // byte 2812 bits 0-6, percent
    QTest::addColumn<int>("firstPercent");
    QTest::addColumn<int>("secondPercent");
    QTest::newRow("consistent pair") << 40 << 20 << 40 << 20;
    QTest::newRow("second above first: both at the second") << 40 << 50 << 50 << 50;
    QTest::newRow("first above 90") << 95 << 20 << 90 << 20;
    QTest::newRow("second above 90 pushes first to its limit") << 40 << 95 << 90 << 90;
    QTest::newRow("percent beyond the scale") << 127 << 127 << 90 << 90;
    QTest::newRow("both zero") << 0 << 0 << 0 << 0;
}

void TestPowerSection::load_batteryBordersFollowTheirRules() {
    QFETCH(int, storedFirst);
    QFETCH(int, storedSecond);
    QFETCH(int, firstPercent);
    QFETCH(int, secondPercent);
    ConfigImage image = DefaultImage();
    image.setBits(2813, 0, 7, unsigned(storedFirst));
    image.setBits(2812, 0, 7, unsigned(storedSecond));
    // Whatever the scales showed before must not matter.
    for (const int previous : {0, 50, 100}) {
        PowerSettings s;
        s.dischargeWarnPosition = previous;
        s.dischargeAlarmPosition = previous;
        LoadPower(s, image);
        QCOMPARE(DischargeBorderPercent(s.dischargeWarnPosition), firstPercent);
        QCOMPARE(DischargeBorderPercent(s.dischargeAlarmPosition), secondPercent);
    }
    // The message bits stay where they were.
    QVERIFY(Loaded(image).batteryDischargeAlarmEventEn);
    QVERIFY(Loaded(image).batteryDischargeWarnEventEn);
}

void TestPowerSection::load_temperatureBordersFollowTheirRules_data() {
    QTest::addColumn<int>("storedLow");
    QTest::addColumn<int>("storedHigh");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::newRow("default pair") << -25 << 60 << -25 << 60;
    QTest::newRow("gap of exactly 2") << 10 << 12 << 10 << 12;
    QTest::newRow("crossed: the upper wins") << 70 << 50 << 48 << 50;
    QTest::newRow("equal: lower moves down") << 20 << 20 << 18 << 20;
    QTest::newRow("both below range") << -40 << -35 << -32 << -30;
    QTest::newRow("both above range") << 85 << 100 << 80 << 82;
}

void TestPowerSection::load_temperatureBordersFollowTheirRules() {
    QFETCH(int, storedLow);
    QFETCH(int, storedHigh);
    QFETCH(int, low);
    QFETCH(int, high);
    ConfigImage image = DefaultImage();
    image.setU8(2843, std::uint8_t(std::int8_t(storedLow)));
    image.setU8(2844, std::uint8_t(std::int8_t(storedHigh)));
    for (const int previous : {-30, 0, 82}) {
        PowerSettings s;
        s.temperatLowBorder = previous - 2;
        s.temperatHiBorder = previous;
        LoadPower(s, image);
        QCOMPARE(s.temperatLowBorder, low);
        QCOMPARE(s.temperatHiBorder, high);
    }
}

void TestPowerSection::dischargeBorder_firstAtMost90AndTheSecondNeverAboveIt_data() {
    QTest::addColumn<bool>("movesFirst");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("first");  // positions after the move
    QTest::addColumn<int>("second");
    // Start: first 40 % (position 60), second 20 % (position 80).
    QTest::newRow("first up to 50 %") << true << 50 << 50 << 80;
    QTest::newRow("first exactly 90 %") << true << 10 << 10 << 80;
    QTest::newRow("first 100 % stops at 90 %") << true << 0 << 10 << 80;
    QTest::newRow("first down onto the second") << true << 80 << 80 << 80;
    QTest::newRow("first below the second pulls it") << true << 90 << 90 << 90;
    QTest::newRow("first down to 0 %") << true << 100 << 100 << 100;
    QTest::newRow("first past the scale end") << true << 130 << 100 << 100;
    QTest::newRow("second up to 30 %") << false << 70 << 60 << 70;
    QTest::newRow("second up onto the first") << false << 60 << 60 << 60;
    QTest::newRow("second above the first pushes it") << false << 30 << 30 << 30;
    QTest::newRow("second above 90 % stops both at 90 %") << false << 0 << 10 << 10;
    QTest::newRow("second down to 0 %") << false << 100 << 60 << 100;
    QTest::newRow("second before the scale start") << false << -5 << 10 << 10;
}

void TestPowerSection::dischargeBorder_firstAtMost90AndTheSecondNeverAboveIt() {
    QFETCH(bool, movesFirst);
    QFETCH(int, position);
    QFETCH(int, first);
    QFETCH(int, second);
    PowerSettings s;
    s.dischargeWarnPosition = 60;
    s.dischargeAlarmPosition = 80;
    if (movesFirst) {
        MoveFirstDischargeBorder(s, position);
    } else {
        MoveSecondDischargeBorder(s, position);
    }
    QCOMPARE(s.dischargeWarnPosition, first);
    QCOMPARE(s.dischargeAlarmPosition, second);
}

void TestPowerSection::dischargeBorderText_showsPercentOfThePosition_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::newRow("top") << 0 << "100%";
    QTest::newRow("first limit") << 10 << "90%";
    QTest::newRow("default first") << 60 << "40%";
    QTest::newRow("bottom") << 100 << "0%";
}

void TestPowerSection::dischargeBorderText_showsPercentOfThePosition() {
    QFETCH(int, position);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(DischargeBorderText(position)), text);
}

void TestPowerSection::temperatureBorder_heldInRangeAndDragsTheOther_data() {
    QTest::addColumn<bool>("movesLow");
    QTest::addColumn<int>("degrees");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    // Start: -25 .. 60.
    QTest::newRow("low up to 0") << true << 0 << 0 << 60;
    QTest::newRow("low, gap of exactly 2") << true << 58 << 58 << 60;
    QTest::newRow("low inside the gap drags the upper") << true << 59 << 59 << 61;
    QTest::newRow("low at the top of its range") << true << 80 << 80 << 82;
    QTest::newRow("low above its range") << true << 95 << 80 << 82;
    QTest::newRow("low below its range") << true << -50 << -32 << 60;
    QTest::newRow("high down to 10") << false << 10 << -25 << 10;
    QTest::newRow("high, gap of exactly 2") << false << -23 << -25 << -23;
    QTest::newRow("high inside the gap drags the lower") << false << -24 << -26 << -24;
    QTest::newRow("high at the bottom of its range") << false << -30 << -32 << -30;
    QTest::newRow("high below its range") << false << -45 << -32 << -30;
    QTest::newRow("high above its range") << false << 90 << -25 << 82;
}

void TestPowerSection::temperatureBorder_heldInRangeAndDragsTheOther() {
    QFETCH(bool, movesLow);
    QFETCH(int, degrees);
    QFETCH(int, low);
    QFETCH(int, high);
    PowerSettings s;
    s.temperatLowBorder = -25;
    s.temperatHiBorder = 60;
    if (movesLow) {
        MoveTemperatLowBorder(s, degrees);
    } else {
        MoveTemperatHiBorder(s, degrees);
    }
    QCOMPARE(s.temperatLowBorder, low);
    QCOMPARE(s.temperatHiBorder, high);
}

void TestPowerSection::levelTexts_run129From89DownToMinus39_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::newRow("first") << 0 << "89° C";
    QTest::newRow("second") << 1 << "88° C";
    QTest::newRow("25 degrees") << 64 << "25° C";
    QTest::newRow("zero") << 89 << "0° C";
    QTest::newRow("first below zero") << 90 << "-1° C";
    QTest::newRow("default low level") << 109 << "-20° C";
    QTest::newRow("next to last") << 127 << "-38° C";
    QTest::newRow("last") << 128 << "-39° C";
}

void TestPowerSection::levelTexts_run129From89DownToMinus39() {
    QFETCH(int, index);
    QFETCH(QString, text);
    QCOMPARE(int(BorderLevelItems().size()), 129);
    QCOMPARE(QString::fromStdString(BorderLevelItems()[std::size_t(index)]), text);
    QCOMPARE(QString::fromStdString(TemperatureText(BorderLevelDegrees(index))), text);
}

void TestPowerSection::levelIndex_convertsDegreesBothWays_data() {
    QTest::addColumn<int>("degrees");
    QTest::addColumn<int>("index");
    QTest::newRow("89") << 89 << 0;
    QTest::newRow("-15") << -15 << 104;
    QTest::newRow("-20") << -20 << 109;
    QTest::newRow("-39") << -39 << 128;
    QTest::newRow("90 is no item") << 90 << -1;
    QTest::newRow("-40 is no item") << -40 << -1;
}

void TestPowerSection::levelIndex_convertsDegreesBothWays() {
    QFETCH(int, degrees);
    QFETCH(int, index);
    QCOMPARE(BorderLevelIndex(degrees), index);
    if (index >= 0) QCOMPARE(BorderLevelDegrees(index), degrees);
}

void TestPowerSection::reactionLevels_coupleTheOtherLevel_data() {
    QTest::addColumn<bool>("chooseHigh");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("low");   // index after the choice
    QTest::addColumn<int>("high");
    // Start: low -20° C (109), high -15° C (104).
    QTest::newRow("high above: nothing else") << true << 0 << 109 << 0;
    QTest::newRow("high equal to low") << true << 109 << 109 << 109;
    QTest::newRow("high below low lowers it") << true << 110 << 110 << 110;
    QTest::newRow("high to the coldest") << true << 128 << 128 << 128;
    QTest::newRow("low below: nothing else") << false << 128 << 128 << 104;
    QTest::newRow("low equal to high") << false << 104 << 104 << 104;
    QTest::newRow("low above high raises it") << false << 100 << 100 << 100;
    QTest::newRow("low to no choice") << false << -1 << -1 << 104;
    QTest::newRow("high to no choice") << true << -1 << 109 << -1;
}

void TestPowerSection::reactionLevels_coupleTheOtherLevel() {
    QFETCH(bool, chooseHigh);
    QFETCH(int, index);
    QFETCH(int, low);
    QFETCH(int, high);
    PowerSettings s;
    s.loBorderLevel = 109;
    s.hiBorderLevel = 104;
    if (chooseHigh) {
        ChooseHiBorderLevel(s, index);
    } else {
        ChooseLoBorderLevel(s, index);
    }
    QCOMPARE(s.loBorderLevel, low);
    QCOMPARE(s.hiBorderLevel, high);

    // A list with no choice does not take part in the coupling.
    PowerSettings blank;
    blank.loBorderLevel = -1;
    ChooseHiBorderLevel(blank, 120);
    QCOMPARE(blank.loBorderLevel, -1);
}

QTEST_APPLESS_MAIN(TestPowerSection)
#include "tst_power_section.moc"
