// Sections "Вход 1" .. "Вход 4": the 92-byte input record packed by hand
// from the record table, the scale ends (decimal comma, leading-number
// reading, equal ends moved apart, 7 significant digits shown with the
// separator the caller gives), the sensor-type rule, the typed numbers of the
// up-down edits, and the records this model does not edit.

#include <QtTest>

#include <bit>
#include <limits>

#include "common/test_bytes.h"
#include "config/default_image.h"
#include "config/input_section.h"
#include "config/section_id.h"
#include "config/up_down_position.h"

using namespace krx;
using krx::test::ImageBytes;

namespace {

std::size_t Record(int input) { return 360 + 92 * std::size_t(input - 1); }

float FloatAt(const ConfigImage& image, std::size_t offset) {
    return std::bit_cast<float>(image.u32(offset));
}

void SetFloat(ConfigImage& image, std::size_t offset, float value) {
    image.setU32(offset, std::bit_cast<std::uint32_t>(value));
}

InputSettings Loaded(int input, const ConfigImage& image, char separator = ',') {
    InputSettings s;
    LoadInput(input, s, image, separator);
    return s;
}

InputSettings Sample() {
    InputSettings s;
    s.sensName = "КОМНАТА";
    s.sensActSt = " ДЫМ ";                  // blanks are kept
    s.sensPassSt = "ABCDEFGHIJKLMNOPQRST";  // cut to 16
    s.averageTime = 15;                     // "15 Sec."
    s.sensActLevel = 5;
    s.zone24H = true;
    s.recoveryTime = 63;
    s.delayTime = 63;                       // "315 Sec."
    s.releToAlarm = 2;
    s.sensType = 4;                         // THX-31
    s.loBarrier = 1000;
    s.hiBarrier = 4095;
    s.activeTriggerNum = 3;
    s.notArmingAsActive = true;
    s.listenNum = 8;
    s.sensorPwrSource = 1;
    s.alarmTry = 3;
    s.actArmDisMode = 2;
    s.passArmDisMode = 3;
    s.alarmDelayTime = 15;                  // "160 Сек."
    s.activeToGps = true;
    s.minVal = "-50";
    s.maxVal = "150";
    s.actRele = {0, 1, 2, 3, 16, -1, 5};
    s.passRele = {16, 15, 14, 0, 0, 0, 1};
    return s;
}

// Sample() stored over a record of AA bytes (1010 1010): the bits the
// section does not own keep their 1010 pattern.
const QByteArray kSampleRecord = QByteArray::fromHex(
    "CA CE CC CD C0 D2 C0 00 00 00 00 00 00 00 00 00 00"  // 0: КОМНАТА
    "20 C4 DB CC 20 00 00 00 00 00 00 00 00 00 00 00 00"  // 17: " ДЫМ "
    "41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50 00"  // 34: ABCDEFGHIJKLMNOP
    "AA"           // 51: not edited
    "DF"           // 52: 24h 1, level 101, averaging 1111
    "BF"           // 53: kept 10, recovery 111111
    "BF"           // 54: relays 10, delay 111111
    "A8"           // 55: kept 1010, type 100, kept 0
    "AA AA"        // 56: not edited
    "E8 03"        // 58: 1000
    "FF 0F"        // 60: 4095
    "8F"           // 62: listen 1000, kept 1, not arming 1, trigger 11
    "ED"           // 63: pass 11, act 10, tries 11, supply 01
    "BF"           // 64: kept 101, GPS 1, filter window 1111
    "AA AA AA"     // 65: not edited
    "00 00 48 C2"  // 68: -50.0f
    "00 00 16 43"  // 72: 150.0f
    "00 01 02 03 10 FF 05"  // 76: reactions on activation
    "10 0F 0E 00 00 00 01"  // 83: reactions on deactivation
    "AA AA");      // 90: not edited

}  // namespace

class TestInputSection : public QObject {
    Q_OBJECT
private slots:
    void defaults_bytesAndShownValues_data();
    void defaults_bytesAndShownValues();
    void itemTexts_byStoredIndex_data();
    void itemTexts_byStoredIndex();
    void store_packsTheRecord();
    void store_listsWithNoChoiceStoreTheirFieldMasks();
    void store_positionsHeldWithinTheirControls_data();
    void store_positionsHeldWithinTheirControls();
    void load_readsTheRecord();
    void load_valuesBeyondTheListsShowNoChoice_data();
    void load_valuesBeyondTheListsShowNoChoice();
    void load_namesStopAt16Characters();

    void scale_storedFromTexts_data();
    void scale_storedFromTexts();
    void scale_shownWith7SignificantDigits_data();
    void scale_shownWith7SignificantDigits();
    void scale_loadUsesTheGivenSeparator();

    void sensorTypeChange_thx31SetsItsScale_data();
    void sensorTypeChange_thx31SetsItsScale();
    void typedNumber_setsTheUpDownWithinItsRange_data();
    void typedNumber_setsTheUpDownWithinItsRange();

    void storeInput3_touchesOnlyItsRecordAndTypeBits();
    void storeSections14To17_leaveInputs5To16Alone();
    void inputOutsideTheRecords_touchesNothing();
};

void TestInputSection::defaults_bytesAndShownValues_data() {
    QTest::addColumn<int>("input");
    QTest::addColumn<QByteArray>("name");  // Windows-1251, NUL-filled to 17
    QTest::newRow("input 1") << 1 << QByteArray::fromHex("C2 D5 CE C4 31 00 00 00 00 00 00 00 00 00 00 00 00");
    QTest::newRow("input 16") << 16 << QByteArray::fromHex("C2 D5 CE C4 31 36 00 00 00 00 00 00 00 00 00 00 00");
}

void TestInputSection::defaults_bytesAndShownValues() {
    QFETCH(int, input);
    QFETCH(QByteArray, name);
    const ConfigImage& d = DefaultImage();
    const std::size_t r = Record(input);
    QCOMPARE(ImageBytes(d, r, 17).toHex(' '), name.toHex(' '));
    // "АКТИВЕН", "НЕАКТИВЕН".
    QCOMPARE(ImageBytes(d, r + 17, 8).toHex(' '), QByteArray::fromHex("C0 CA D2 C8 C2 C5 CD 00").toHex(' '));
    QCOMPARE(ImageBytes(d, r + 34, 10).toHex(' '),
             QByteArray::fromHex("CD C5 C0 CA D2 C8 C2 C5 CD 00").toHex(' '));
    // 52: level 2, averaging 2; 54: relays 1; 55: type 1; barriers 1365 and
    // 2730; 63: supply 2; 0.0f and 10.0f (41200000).
    QCOMPARE(ImageBytes(d, r + 51, 41).toHex(' '),
             QByteArray::fromHex("00 22 00 40 02 00 00 55 05 AA 0A 00 02 00 00 00 00"
                                 "00 00 00 00 00 00 20 41"
                                 "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00")
                 .toHex(' '));

    const InputSettings s = Loaded(input, d);
    QCOMPARE(QString::fromStdString(s.sensName), QString("ВХОД%1").arg(input));
    QCOMPARE(QString::fromStdString(s.sensActSt), QString("АКТИВЕН"));
    QCOMPARE(QString::fromStdString(s.sensPassSt), QString("НЕАКТИВЕН"));
    QCOMPARE(s.averageTime, 2);
    QCOMPARE(s.sensActLevel, 2);
    QCOMPARE(s.releToAlarm, 1);
    QCOMPARE(s.sensType, 1);
    QCOMPARE(s.loBarrier, 1365);
    QCOMPARE(s.hiBarrier, 2730);
    QCOMPARE(s.sensorPwrSource, 2);
    QCOMPARE(s.delayTime, 0);
    QCOMPARE(s.listenNum, 0);
    QCOMPARE(QString::fromStdString(s.minVal), QString("0"));
    QCOMPARE(QString::fromStdString(s.maxVal), QString("10"));
}

void TestInputSection::itemTexts_byStoredIndex_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::newRow("averaging first") << "AverageTime" << 16 << 0 << "60 mSec.";
    QTest::newRow("averaging 660 ms") << "AverageTime" << 16 << 5 << "660 mSec.";
    QTest::newRow("averaging 1 s") << "AverageTime" << 16 << 7 << "1 Sec.";
    QTest::newRow("averaging last") << "AverageTime" << 16 << 15 << "15 Sec.";
    QTest::newRow("level both") << "SensActLevel" << 6 << 0
                                << "Низкий (Uвх. <= Нижн. гр.) или высокий (Uвх. >= Верхн. гр.)";
    QTest::newRow("level free") << "SensActLevel" << 6 << 2
                                << "Свободный (Нижн. гр. <= Uвх. <= Верхн. гр.)";
    QTest::newRow("level high hysteresis") << "SensActLevel" << 6 << 5
                                           << "Высокий гистерезисный (Uвх. >= Верхн. гр.)";
    QTest::newRow("delay first") << "DelayTime" << 64 << 0 << "0 Sec.";
    QTest::newRow("delay second") << "DelayTime" << 64 << 1 << "5 Sec.";
    QTest::newRow("delay last") << "DelayTime" << 64 << 63 << "315 Sec.";
    QTest::newRow("relays direct") << "ReleToAlarm" << 3 << 0 << "напрямую, сигналом на входе";
    QTest::newRow("relays ignoring block") << "ReleToAlarm" << 3 << 2
                                           << "тревожным событием, без учета блокировки";
    QTest::newRow("trigger last") << "ActiveTriggerNum" << 4 << 3 << "4";
    QTest::newRow("listen none") << "ListenNum" << 9 << 0 << " -";
    QTest::newRow("listen 8") << "ListenNum" << 9 << 8 << "8";
    QTest::newRow("supply other") << "SensorPwrSource" << 3 << 2 << "Другое";
    QTest::newRow("tries unlimited") << "AlarmTry" << 4 << 0 << "без ограничения";
    QTest::newRow("tries 7") << "AlarmTry" << 4 << 3 << "не более 7 раз";
    QTest::newRow("mode toggle") << "ArmDisMode" << 4 << 3 << "Противоположный";
    QTest::newRow("filter window first") << "AlarmDelayTime" << 16 << 0 << "10 Сек.";
    QTest::newRow("filter window last") << "AlarmDelayTime" << 16 << 15 << "160 Сек.";
}

void TestInputSection::itemTexts_byStoredIndex() {
    QFETCH(QString, list);
    QFETCH(int, count);
    QFETCH(int, index);
    QFETCH(QString, text);
    std::vector<std::string_view> items;
    const auto take = [&items](const auto& source) { items.assign(source.begin(), source.end()); };
    if (list == "AverageTime") take(AverageTimeItems());
    else if (list == "SensActLevel") take(SensActLevelItems());
    else if (list == "DelayTime") take(DelayTimeItems());
    else if (list == "ReleToAlarm") take(ReleToAlarmItems());
    else if (list == "ActiveTriggerNum") take(ActiveTriggerNumItems());
    else if (list == "ListenNum") take(ListenNumItems());
    else if (list == "SensorPwrSource") take(SensorPwrSourceItems());
    else if (list == "AlarmTry") take(AlarmTryItems());
    else if (list == "ArmDisMode") take(ArmDisModeItems());
    else if (list == "AlarmDelayTime") take(AlarmDelayTimeItems());
    QCOMPARE(int(items.size()), count);
    const std::string_view item = items[std::size_t(index)];
    QCOMPARE(QString::fromUtf8(item.data(), qsizetype(item.size())), text);
}

void TestInputSection::store_packsTheRecord() {
    ConfigImage before;
    before.bytes().fill(0xAA);
    ConfigImage image = before;
    StoreInput(2, Sample(), image);
    QCOMPARE(ImageBytes(image, Record(2), 92).toHex(' '), kSampleRecord.toHex(' '));
    QCOMPARE(ImageBytes(image, 0, Record(2)), ImageBytes(before, 0, Record(2)));
    QCOMPARE(ImageBytes(image, Record(3), kImageSize - Record(3)),
             ImageBytes(before, Record(3), kImageSize - Record(3)));
}

void TestInputSection::store_listsWithNoChoiceStoreTheirFieldMasks() {
    InputSettings s;  // every list without a choice, empty texts
    ConfigImage image;
    StoreInput(1, s, image);
    const std::size_t r = Record(1);
    QCOMPARE(ImageBytes(image, r, 51), QByteArray(51, '\0'));
    // 52: 0 111 1111; 54: 11 111111; 55: type 111; 62: 1111 0 0 11;
    // 63: all four fields; 64: 0 1111.
    QCOMPARE(ImageBytes(image, r + 52, 13).toHex(' '),
             QByteArray::fromHex("7F 00 FF 0E 00 00 00 00 00 00 F3 FF 0F").toHex(' '));
    // Two empty scale texts both read 0 and are moved apart: -1.0f, 1.0f.
    QCOMPARE(ImageBytes(image, r + 68, 8).toHex(' '),
             QByteArray::fromHex("00 00 80 BF 00 00 80 3F").toHex(' '));
    QCOMPARE(ImageBytes(image, r + 76, 14), QByteArray(14, char(0xFF)));
}

void TestInputSection::store_positionsHeldWithinTheirControls_data() {
    QTest::addColumn<int>("recovery");
    QTest::addColumn<int>("barrier");
    QTest::addColumn<int>("byte53");
    QTest::addColumn<QByteArray>("barrierBytes");
    QTest::newRow("tops") << 63 << 4095 << 0x3F << QByteArray::fromHex("FF 0F");
    QTest::newRow("beyond the tops") << 64 << 5000 << 0x3F << QByteArray::fromHex("FF 0F");
    QTest::newRow("below the bottoms") << -1 << -5 << 0x00 << QByteArray::fromHex("00 00");
    QTest::newRow("inside") << 17 << 258 << 0x11 << QByteArray::fromHex("02 01");
}

void TestInputSection::store_positionsHeldWithinTheirControls() {
    QFETCH(int, recovery);
    QFETCH(int, barrier);
    QFETCH(int, byte53);
    QFETCH(QByteArray, barrierBytes);
    ConfigImage image = DefaultImage();
    InputSettings s = Loaded(1, image);
    s.recoveryTime = recovery;
    s.loBarrier = barrier;
    s.hiBarrier = barrier;
    StoreInput(1, s, image);
    QCOMPARE(int(image.u8(Record(1) + 53)), byte53);
    QCOMPARE(ImageBytes(image, Record(1) + 58, 2).toHex(' '), barrierBytes.toHex(' '));
    QCOMPARE(ImageBytes(image, Record(1) + 60, 2).toHex(' '), barrierBytes.toHex(' '));
}

void TestInputSection::load_readsTheRecord() {
    ConfigImage image;
    for (qsizetype i = 0; i < kSampleRecord.size(); ++i) {
        image.setU8(Record(4) + std::size_t(i), std::uint8_t(kSampleRecord[i]));
    }
    const InputSettings s = Loaded(4, image);
    InputSettings expected = Sample();
    expected.sensPassSt = "ABCDEFGHIJKLMNOP";
    QCOMPARE(QString::fromStdString(s.sensName), QString::fromStdString(expected.sensName));
    QCOMPARE(QString::fromStdString(s.sensActSt), QString::fromStdString(expected.sensActSt));
    QCOMPARE(QString::fromStdString(s.sensPassSt), QString::fromStdString(expected.sensPassSt));
    QCOMPARE(QString::fromStdString(s.minVal), QString("-50"));
    QCOMPARE(QString::fromStdString(s.maxVal), QString("150"));
    QVERIFY(s == expected);
}

void TestInputSection::load_valuesBeyondTheListsShowNoChoice_data() {
    QTest::addColumn<int>("offset");  // within the record
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("shown");
    QTest::newRow("level 6") << 52 << 0x60 << "sensActLevel" << -1;
    QTest::newRow("level 5") << 52 << 0x50 << "sensActLevel" << 5;
    QTest::newRow("relays 3") << 54 << 0xC0 << "releToAlarm" << -1;
    QTest::newRow("type 5") << 55 << 0x0A << "sensType" << -1;
    QTest::newRow("type 7 beside the watched bit") << 55 << 0x0F << "sensType" << -1;
    QTest::newRow("type 4 beside foreign bits") << 55 << 0xF9 << "sensType" << 4;
    QTest::newRow("listen 9") << 62 << 0x90 << "listenNum" << -1;
    QTest::newRow("listen 8") << 62 << 0x80 << "listenNum" << 8;
    QTest::newRow("supply 3") << 63 << 0x03 << "sensorPwrSource" << -1;
    QTest::newRow("recovery under foreign bits") << 53 << 0xC5 << "recoveryTime" << 5;
    QTest::newRow("reaction 17") << 76 << 17 << "actRele1" << -1;
    QTest::newRow("reaction 16") << 89 << 16 << "passRele7" << 16;
}

void TestInputSection::load_valuesBeyondTheListsShowNoChoice() {
    QFETCH(int, offset);
    QFETCH(int, value);
    QFETCH(QString, field);
    QFETCH(int, shown);
    ConfigImage image = DefaultImage();
    image.setU8(Record(3) + std::size_t(offset), std::uint8_t(value));
    const InputSettings s = Loaded(3, image);
    const int actual = field == "sensActLevel"      ? s.sensActLevel
                       : field == "releToAlarm"     ? s.releToAlarm
                       : field == "sensType"        ? s.sensType
                       : field == "listenNum"       ? s.listenNum
                       : field == "sensorPwrSource" ? s.sensorPwrSource
                       : field == "recoveryTime"    ? s.recoveryTime
                       : field == "actRele1"        ? s.actRele[0]
                                                    : s.passRele[6];
    QCOMPARE(actual, shown);
}

void TestInputSection::load_namesStopAt16Characters() {
    ConfigImage image = DefaultImage();
    const std::size_t r = Record(1);
    // 17 letters and no NUL in the name field: only 16 are shown.
    for (std::size_t i = 0; i < 17; ++i) image.setU8(r + i, std::uint8_t('A' + i));
    const InputSettings s = Loaded(1, image);
    QCOMPARE(QString::fromStdString(s.sensName), QString("ABCDEFGHIJKLMNOP"));
    QCOMPARE(QString::fromStdString(s.sensActSt), QString("АКТИВЕН"));
}

void TestInputSection::scale_storedFromTexts_data() {
    QTest::addColumn<QString>("minText");
    QTest::addColumn<QString>("maxText");
    QTest::addColumn<float>("minVal");
    QTest::addColumn<float>("maxVal");
    QTest::newRow("comma and point, equal: moved apart") << "2,5" << "2.5" << 1.5f << 3.5f;
    QTest::newRow("whole numbers") << "4" << "20" << 4.0f << 20.0f;
    QTest::newRow("thx-31 scale") << "-50" << "150" << -50.0f << 150.0f;
    QTest::newRow("exponents") << "1,5e2" << "2E3" << 150.0f << 2000.0f;
    QTest::newRow("leading number, rest ignored") << "12abc" << " -7.25 kg" << 12.0f << -7.25f;
    QTest::newRow("second point ends the number") << "1.5.6" << "1,000" << 1.5f << 1.0f;
    QTest::newRow("no digits read as 0") << "" << "5" << 0.0f << 5.0f;
    QTest::newRow("both without digits") << "abc" << "" << -1.0f << 1.0f;
    QTest::newRow("no infinity or nan from words") << "inf" << "nan" << -1.0f << 1.0f;
    QTest::newRow("no hexadecimal") << "0x1A" << "3" << 0.0f << 3.0f;
    QTest::newRow("minus zero equals zero") << "-0" << "0" << -1.0f << 1.0f;
    QTest::newRow("min above max is kept") << "10" << "-10" << 10.0f << -10.0f;
    QTest::newRow("beyond single precision stays finite")
        << "1e39" << "-1e39" << std::numeric_limits<float>::max() << -std::numeric_limits<float>::max();
}

void TestInputSection::scale_storedFromTexts() {
    QFETCH(QString, minText);
    QFETCH(QString, maxText);
    QFETCH(float, minVal);
    QFETCH(float, maxVal);
    ConfigImage image = DefaultImage();
    InputSettings s = Loaded(2, image);
    s.minVal = minText.toStdString();
    s.maxVal = maxText.toStdString();
    StoreInput(2, s, image);
    // Bit for bit: every expected value is exactly representable.
    QCOMPARE(image.u32(Record(2) + 68), std::bit_cast<std::uint32_t>(minVal));
    QCOMPARE(image.u32(Record(2) + 72), std::bit_cast<std::uint32_t>(maxVal));
}

void TestInputSection::scale_shownWith7SignificantDigits_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("comma");
    QTest::addColumn<QString>("point");
    QTest::newRow("zero") << 0.0f << "0" << "0";
    QTest::newRow("minus zero") << -0.0f << "0" << "0";
    QTest::newRow("whole") << 150.0f << "150" << "150";
    QTest::newRow("negative") << -50.0f << "-50" << "-50";
    QTest::newRow("half") << 1.5f << "1,5" << "1.5";
    QTest::newRow("one tenth, float noise rounded away") << 0.1f << "0,1" << "0.1";
    QTest::newRow("pi, 7 digits") << 3.14159265f << "3,141593" << "3.141593";
    QTest::newRow("7 integer digits") << 1234567.0f << "1234567" << "1234567";
    QTest::newRow("8 integer digits go scientific") << 12345678.0f << "1,234568E7" << "1.234568E7";
    QTest::newRow("small fixed") << -0.000123f << "-0,000123" << "-0.000123";
    QTest::newRow("very small goes scientific") << 1e-6f << "1E-6" << "1E-6";
    QTest::newRow("round power of ten") << 1e8f << "1E8" << "1E8";
    QTest::newRow("largest float") << std::numeric_limits<float>::max() << "3,402823E38" << "3.402823E38";
}

void TestInputSection::scale_shownWith7SignificantDigits() {
    QFETCH(float, value);
    QFETCH(QString, comma);
    QFETCH(QString, point);
    QCOMPARE(QString::fromStdString(ScaleText(value, ',')), comma);
    QCOMPARE(QString::fromStdString(ScaleText(value, '.')), point);
}

void TestInputSection::scale_loadUsesTheGivenSeparator() {
    ConfigImage image = DefaultImage();
    SetFloat(image, Record(1) + 68, -2.25f);
    SetFloat(image, Record(1) + 72, 20.5f);
    QCOMPARE(QString::fromStdString(Loaded(1, image, ',').minVal), QString("-2,25"));
    QCOMPARE(QString::fromStdString(Loaded(1, image, ',').maxVal), QString("20,5"));
    QCOMPARE(QString::fromStdString(Loaded(1, image, '.').minVal), QString("-2.25"));
    QCOMPARE(QString::fromStdString(Loaded(1, image, '.').maxVal), QString("20.5"));

    // What is shown with a comma is read back to the same value.
    InputSettings s = Loaded(1, image, ',');
    StoreInput(1, s, image);
    QCOMPARE(FloatAt(image, Record(1) + 68), -2.25f);
    QCOMPARE(FloatAt(image, Record(1) + 72), 20.5f);
}

void TestInputSection::sensorTypeChange_thx31SetsItsScale_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("minText");
    QTest::addColumn<QString>("maxText");
    QTest::addColumn<bool>("scaleVisible");
    QTest::newRow("disabled") << 0 << "4" << "20" << false;
    QTest::newRow("discrete") << 1 << "4" << "20" << false;
    QTest::newRow("analog") << 2 << "4" << "20" << true;
    QTest::newRow("THX-21") << 3 << "4" << "20" << false;
    QTest::newRow("THX-31") << 4 << "-50" << "150" << true;
}

void TestInputSection::sensorTypeChange_thx31SetsItsScale() {
    QFETCH(int, type);
    QFETCH(QString, minText);
    QFETCH(QString, maxText);
    QFETCH(bool, scaleVisible);
    InputSettings s;
    s.sensType = 2;
    s.minVal = "4";
    s.maxVal = "20";
    ChangeSensType(s, type);
    QCOMPARE(s.sensType, type);
    QCOMPARE(QString::fromStdString(s.minVal), minText);
    QCOMPARE(QString::fromStdString(s.maxVal), maxText);
    QCOMPARE(ScaleFieldsVisible(type), scaleVisible);
    QCOMPARE(QString::fromUtf8(SensTypeItems()[std::size_t(type)].data(),
                               qsizetype(SensTypeItems()[std::size_t(type)].size())),
             QStringList({"Запрещен", "Дискретный", "Аналоговый", "Термодатчик THX-21",
                          "Термодатчик THX-31"})[type]);
}

void TestInputSection::typedNumber_setsTheUpDownWithinItsRange_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("position");
    // EditRecoveryTime (0 .. 63).
    QTest::newRow("recovery 63") << "63" << 63 << 63;
    QTest::newRow("recovery 64") << "64" << 63 << 63;
    QTest::newRow("recovery blanks around") << " 12 " << 63 << 12;
    QTest::newRow("recovery negative") << "-5" << 63 << 0;
    QTest::newRow("recovery empty") << "" << 63 << 0;
    QTest::newRow("recovery letters") << "abc" << 63 << 0;
    QTest::newRow("recovery sign only") << "+" << 63 << 0;
    // EditDelayARM (0 .. 240).
    QTest::newRow("delay 240") << "240" << 240 << 240;
    QTest::newRow("delay 241") << "241" << 240 << 240;
    QTest::newRow("delay leading number") << "12s" << 240 << 12;
    QTest::newRow("delay plus sign") << "+7" << 240 << 7;
    QTest::newRow("delay leading zeros") << "0045" << 240 << 45;
    QTest::newRow("delay too long to hold") << "99999999999999999999999" << 240 << 240;
}

void TestInputSection::typedNumber_setsTheUpDownWithinItsRange() {
    QFETCH(QString, text);
    QFETCH(int, maximum);
    QFETCH(int, position);
    QCOMPARE(UpDownPositionFromText(text.toStdString(), maximum), position);
}

void TestInputSection::storeInput3_touchesOnlyItsRecordAndTypeBits() {
    ConfigImage before;
    before.bytes().fill(0xFF);
    ConfigImage image = before;
    InputSettings s = Sample();
    StoreInput(3, s, image);
    // Bytes 544 .. 635 only; in byte 599 only bits 1-3 (type 4 = 100).
    QCOMPARE(ImageBytes(image, 0, 544), ImageBytes(before, 0, 544));
    QCOMPARE(ImageBytes(image, 636, kImageSize - 636), ImageBytes(before, 636, kImageSize - 636));
    QCOMPARE(int(image.u8(599)), 0xF9);
}

void TestInputSection::storeSections14To17_leaveInputs5To16Alone() {
    ConfigImage before = DefaultImage();
    for (int input = 5; input <= 16; ++input) {
        // Foreign settings in the records this model does not edit.
        const std::size_t r = Record(input);
        before.setU8(r + 52, 0x5A);
        before.setU8(r + 55, 0xA5);
        SetFloat(before, r + 68, 7.0f);
    }
    ConfigImage image = before;
    for (int input = 1; input <= 4; ++input) {
        const SectionId id = SectionId::Input(input);
        InputSettings values;
        LoadInput(id.record(), values, image, ',');
        StoreInput(id.record(), Sample(), image);
    }
    for (int input = 1; input <= 4; ++input) {
        // Each section wrote its own record: name "КОМНАТА" at its start.
        QCOMPARE(int(image.u8(Record(input))), 0xCA);
        QCOMPARE(int(image.u8(Record(input) + 52)), 0xDF);
    }
    QCOMPARE(ImageBytes(image, Record(5), 92 * 12), ImageBytes(before, Record(5), 92 * 12));
}

void TestInputSection::inputOutsideTheRecords_touchesNothing() {
    ConfigImage image = DefaultImage();
    for (int input : {0, 17, -1}) {
        StoreInput(input, Sample(), image);
        QVERIFY(image == DefaultImage());
        InputSettings s = Sample();
        LoadInput(input, s, image, ',');
        QVERIFY(s == Sample());
    }
}

QTEST_APPLESS_MAIN(TestInputSection)
#include "tst_input_section.moc"
