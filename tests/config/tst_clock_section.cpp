// Section "Часы, планировщик задач": time zone, summer time, the info
// message masks and the scheduler rows, pinned against bytes worked out by
// hand from the field and task tables.

#include <QtTest>

#include "common/test_bytes.h"
#include "config/clock_section.h"
#include "config/default_image.h"
#include "footprint_check.h"

using namespace krx;
using krx::test::ImageBytes;

namespace {

std::size_t Task(int task) { return 2680 + 16 * std::size_t(task - 1); }

ClockSettings Loaded(const ConfigImage& image) {
    ClockSettings s;
    LoadClock(s, image);
    return s;
}

SchedulerRow LoadedTask(int task, const ConfigImage& image) {
    SchedulerRow row;
    LoadSchedulerTask(task, row, image);
    return row;
}

// A task record whose bits outside the stored fields are all set, so that
// a store which spills over them shows.
void FillTaskWithOnes(ConfigImage& image, int task) {
    const std::size_t t = Task(task);
    for (std::size_t i = 0; i < 16; ++i) image.setU8(t + i, 0xFF);
    image.setU8(t + 4, 0x80);   // day bits clear, bit 7 kept
    image.setU8(t + 5, 0xE0);   // hour clear, bits 5-7 kept
    image.setU8(t + 6, 0xC0);   // minute clear, bits 6-7 kept
    image.setU8(t + 12, 0x00);
    image.setU8(t + 13, 0xF0);  // output bits clear, bits 4-7 kept for output tasks
    image.setU8(t + 14, 0x55);  // reaction left alone unless the task drives an output
}

}  // namespace

class TestClockSection : public QObject {
    Q_OBJECT
private slots:
    void defaults_areInTheImage();
    void timeZone_storesSignedHoursAndSelectsItsItem_data();
    void timeZone_storesSignedHoursAndSelectsItsItem();
    void timeZone_outsideTheList_showsNoChoiceAndKeepsItsByte();
    void dstEnable_keepsTheOtherBitsOfItsByte();
    void infoMasks_writtenWholeWithBit7OfInfoRClear();
    void storeTask_packsTheRecord_data();
    void storeTask_packsTheRecord();
    void loadTask_readsTimeAndAction_data();
    void loadTask_readsTimeAndAction();
    void taskTime_roundTripsModuloFieldWidth_data();
    void taskTime_roundTripsModuloFieldWidth();
    void outputTaskBeyondThisModel_isKeptAsItCame();
    void selectAction_hidesAndResetsTheExtraList_data();
    void selectAction_hidesAndResetsTheExtraList();
    void store_writesTasksInTheirOwnRecords();
    void loadThenStore_changesNothingOutsideFootprint();
};

void TestClockSection::defaults_areInTheImage() {
    const ConfigImage& d = DefaultImage();
    QCOMPARE(int(d.u8(2672)), 0x04);
    QCOMPARE(ImageBytes(d, 2673, 2808 - 2673), QByteArray(2808 - 2673, '\0'));

    const ClockSettings s = Loaded(d);
    QCOMPARE(s.timeZone, 16);
    QCOMPARE(TimeZoneItems()[16], std::string_view("(GMT+4:00) Москва, Санкт-Петербург, Тула"));
    QVERIFY(!s.dstEnable);
    for (const SchedulerRow& row : s.tasks) {
        QCOMPARE(row.time, std::string("00:00"));
        QCOMPARE(row.action, 0);
        QCOMPARE(row.extra, 0);
        QVERIFY(!row.enabled);
    }
}

void TestClockSection::timeZone_storesSignedHoursAndSelectsItsItem_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("byte");
    QTest::addColumn<QString>("text");
    QTest::newRow("-12") << 0 << 0xF4 << "(GMT-12:00)";
    QTest::newRow("-1") << 11 << 0xFF << "(GMT-1:00)";
    QTest::newRow("0") << 12 << 0x00 << "(GMT) Время по Гринвичу: Дублин, Лондон";
    QTest::newRow("+2") << 14 << 0x02 << "(GMT+2:00) Афины, Бейрут, Киев, Минск";
    QTest::newRow("+5") << 17 << 0x05 << "(GMT+5:00)";
    QTest::newRow("+11") << 23 << 0x0B << "(GMT+11:00) Владивосток";
    QTest::newRow("+13") << 25 << 0x0D << "(GMT+13:00)";
}

void TestClockSection::timeZone_storesSignedHoursAndSelectsItsItem() {
    QFETCH(int, index);
    QFETCH(int, byte);
    QFETCH(QString, text);
    QCOMPARE(QString::fromUtf8(TimeZoneItems()[std::size_t(index)].data(),
                               qsizetype(TimeZoneItems()[std::size_t(index)].size())),
             text);
    ConfigImage image = DefaultImage();
    ClockSettings s = Loaded(image);
    s.timeZone = index;
    StoreClock(s, image);
    QCOMPARE(int(image.u8(2672)), byte);
    QCOMPARE(Loaded(image).timeZone, index);
}

void TestClockSection::timeZone_outsideTheList_showsNoChoiceAndKeepsItsByte() {
    ConfigImage image = DefaultImage();
    image.setU8(2672, 0x0E);  // +14: no such item
    const ClockSettings s = Loaded(image);
    QCOMPARE(s.timeZone, -1);
    StoreClock(s, image);
    QCOMPARE(int(image.u8(2672)), 0x0E);
    image.setU8(2672, 0xF3);  // -13
    QCOMPARE(Loaded(image).timeZone, -1);
}

void TestClockSection::dstEnable_keepsTheOtherBitsOfItsByte() {
    ConfigImage image = DefaultImage();
    image.setU8(2673, 0xFE);
    ClockSettings s = Loaded(image);
    QVERIFY(!s.dstEnable);
    s.dstEnable = true;
    StoreClock(s, image);
    QCOMPARE(int(image.u8(2673)), 0xFF);
    s.dstEnable = false;
    StoreClock(s, image);
    QCOMPARE(int(image.u8(2673)), 0xFE);
}

void TestClockSection::infoMasks_writtenWholeWithBit7OfInfoRClear() {
    ConfigImage image = DefaultImage();
    image.setU8(2678, 0xFF);  // bit 7 set by someone else
    image.setU8(2679, 0xA5);  // unused neighbour
    ClockSettings s = Loaded(image);
    QVERIFY(s.infoR == (std::array<bool, 7>{true, true, true, true, true, true, true}));
    s.infoIn = {};
    s.infoIn[0] = s.infoIn[3] = s.infoIn[15] = true;  // inputs 1, 4, 16
    s.infoR[1] = false;                               // relay 2 off
    StoreClock(s, image);
    QCOMPARE(ImageBytes(image, 2676, 4), QByteArray("\x09\x80\x7D\xA5", 4));
    const ClockSettings back = Loaded(image);
    QVERIFY(back.infoIn == s.infoIn);
    QVERIFY(back.infoR == s.infoR);
}

void TestClockSection::storeTask_packsTheRecord_data() {
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("time");
    QTest::addColumn<int>("days");  // bit 0 Monday
    QTest::addColumn<bool>("test");
    QTest::addColumn<bool>("info");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("extra");
    QTest::addColumn<QByteArray>("stored");  // bytes 0, 4, 5, 6, 12, 13, 14

    QTest::newRow("07:05 Mon+Sun test, no action")
        << true << "07:05" << 0x41 << true << false << 0 << 0
        << QByteArray("\x01\xC1\xE7\xC5\x01\x00\x55", 7);
    QTest::newRow("25:70 output 2 switch off")
        << false << "25:70" << 0x00 << false << true << 6 << 2
        << QByteArray("\x00\x80\xF9\xC6\x0E\xF3\x02", 7);
    QTest::newRow("relay 1 scenario 14")
        << true << "00:00" << 0x01 << false << false << 3 << 16
        << QByteArray("\x01\x81\xE0\xC0\x0C\xF0\x10", 7);
    QTest::newRow("12:30 every day profile 3")
        << true << "12:30" << 0x7F << false << false << 9 << 0
        << QByteArray("\x01\xFF\xEC\xDE\x10\x02\x55", 7);
    QTest::newRow("not a number, arm")
        << true << "ab:cd" << 0x00 << true << true << 1 << 5
        << QByteArray("\x01\x80\xE0\xC0\x07\x05\x55", 7);
    QTest::newRow("disarm, extra with no choice")
        << true << "23:59" << 0x20 << false << false << 2 << -1
        << QByteArray("\x01\xA0\xF7\xFB\x08\xFF\x55", 7);
}

void TestClockSection::storeTask_packsTheRecord() {
    QFETCH(bool, enabled);
    QFETCH(QString, time);
    QFETCH(int, days);
    QFETCH(bool, test);
    QFETCH(bool, info);
    QFETCH(int, action);
    QFETCH(int, extra);
    QFETCH(QByteArray, stored);

    ConfigImage image;
    FillTaskWithOnes(image, 3);
    const ConfigImage before = image;
    SchedulerRow row;
    row.enabled = enabled;
    row.time = time.toStdString();
    for (int d = 0; d < 7; ++d) row.days[std::size_t(d)] = (days >> d) & 1;
    row.test = test;
    row.info = info;
    row.action = action;
    row.extra = extra;
    StoreSchedulerTask(3, row, image);

    const std::size_t t = Task(3);
    const QByteArray actual = QByteArray() + char(image.u8(t)) + char(image.u8(t + 4)) +
                              char(image.u8(t + 5)) + char(image.u8(t + 6)) +
                              char(image.u8(t + 12)) + char(image.u8(t + 13)) +
                              char(image.u8(t + 14));
    QCOMPARE(actual.toHex(' '), stored.toHex(' '));
    // The unused bytes of the record stay as they were.
    QCOMPARE(ImageBytes(image, t + 1, 3), ImageBytes(before, t + 1, 3));
    QCOMPARE(ImageBytes(image, t + 7, 5), ImageBytes(before, t + 7, 5));
    QCOMPARE(int(image.u8(t + 15)), int(before.u8(t + 15)));
}

void TestClockSection::loadTask_readsTimeAndAction_data() {
    QTest::addColumn<QByteArray>("record");  // bytes 0, 4, 5, 6, 12, 13, 14
    QTest::addColumn<QString>("time");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("extra");
    QTest::addColumn<bool>("extraVisible");

    QTest::newRow("kind 20 is no action") << QByteArray("\x01\x7F\x07\x05\x50\x09\x03", 7)
                                          << "07:05" << 0 << 0 << false;
    QTest::newRow("relay 2 switch off") << QByteArray("\x01\x01\x08\x00\x0C\xF1\x02", 7)
                                        << "08:00" << 4 << 2 << true;
    QTest::newRow("profile 3") << QByteArray("\x01\x01\x0A\x1E\x10\x02\x07", 7) << "10:30" << 9
                               << 0 << false;
    QTest::newRow("arm keeps its parameter") << QByteArray("\x00\x00\xF7\xFB\x04\x05\x00", 7)
                                             << "23:59" << 1 << 5 << false;
    QTest::newRow("output reaction beyond the list")
        << QByteArray("\x01\x01\x00\x00\x0C\x00\x11", 7) << "00:00" << 3 << -1 << true;
    QTest::newRow("profile 5 of the larger model") << QByteArray("\x01\x01\x00\x00\x10\x04\x00", 7)
                                                   << "00:00" << -1 << 0 << false;
}

void TestClockSection::loadTask_readsTimeAndAction() {
    QFETCH(QByteArray, record);
    QFETCH(QString, time);
    QFETCH(int, action);
    QFETCH(int, extra);
    QFETCH(bool, extraVisible);
    ConfigImage image;
    const std::size_t t = Task(8);
    const std::size_t at[7] = {0, 4, 5, 6, 12, 13, 14};
    for (int i = 0; i < 7; ++i) image.setU8(t + at[i], std::uint8_t(record[i]));
    SchedulerRow row;
    row.extra = 9;  // whatever the grid showed before
    LoadSchedulerTask(8, row, image);
    QCOMPARE(QString::fromStdString(row.time), time);
    QCOMPARE(row.action, action);
    QCOMPARE(row.extra, extra);
    QCOMPARE(SchedulerExtraVisible(row.action), extraVisible);
    QCOMPARE(row.enabled, bool(record[0] & 1));
    for (int d = 0; d < 7; ++d) QCOMPARE(row.days[std::size_t(d)], bool((record[1] >> d) & 1));
}

void TestClockSection::taskTime_roundTripsModuloFieldWidth_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("07:05") << "07:05" << "07:05";
    QTest::newRow("25:70") << "25:70" << "25:06";
    QTest::newRow("99:99") << "99:99" << "03:35";  // 99 mod 32, 99 mod 64
    QTest::newRow("half typed") << "1-:3-" << "00:00";
}

void TestClockSection::taskTime_roundTripsModuloFieldWidth() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    ConfigImage image = DefaultImage();
    SchedulerRow row = LoadedTask(2, image);
    row.time = typed.toStdString();
    StoreSchedulerTask(2, row, image);
    QCOMPARE(QString::fromStdString(LoadedTask(2, image).time), shown);
}

void TestClockSection::outputTaskBeyondThisModel_isKeptAsItCame() {
    // Output 5 of the larger model (index 6): relay 1 .. output 2 are 0..3,
    // so this must not read as "Применить профиль" nor be rewritten as one.
    ConfigImage image = DefaultImage();
    const std::size_t t = Task(1);
    image.setU8(t, 0x01);
    image.setU8(t + 4, 0x7F);
    image.setU8(t + 12, 0x0C);
    image.setU8(t + 13, 0x06);
    image.setU8(t + 14, 0x01);
    const ConfigImage before = image;
    const SchedulerRow row = LoadedTask(1, image);
    QCOMPARE(row.action, -1);
    StoreSchedulerTask(1, row, image);
    QCOMPARE(ImageBytes(image, t, 16), ImageBytes(before, t, 16));
}

void TestClockSection::selectAction_hidesAndResetsTheExtraList_data() {
    QTest::addColumn<int>("action");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<int>("extraAfter");
    QTest::newRow("no action") << 0 << false << 0;
    QTest::newRow("disarm") << 2 << false << 0;
    QTest::newRow("relay 1") << 3 << true << 7;
    QTest::newRow("output 2") << 6 << true << 7;
    QTest::newRow("profile 1") << 7 << false << 0;
    QTest::newRow("profile 4") << 10 << false << 0;
}

void TestClockSection::selectAction_hidesAndResetsTheExtraList() {
    QFETCH(int, action);
    QFETCH(bool, visible);
    QFETCH(int, extraAfter);
    QCOMPARE(SchedulerExtraVisible(action), visible);
    SchedulerRow row;
    row.action = 4;
    row.extra = 7;
    SelectSchedulerAction(row, action);
    QCOMPARE(row.action, action);
    QCOMPARE(row.extra, extraAfter);
}

void TestClockSection::store_writesTasksInTheirOwnRecords() {
    ConfigImage image = DefaultImage();
    ClockSettings s = Loaded(image);
    s.tasks[0].enabled = true;
    s.tasks[7].time = "13:14";
    s.tasks[7].action = 8;  // profile 2
    StoreClock(s, image);
    QCOMPARE(int(image.u8(2680)), 0x01);
    QCOMPARE(int(image.u8(2792 + 5)), 13);
    QCOMPARE(int(image.u8(2792 + 6)), 14);
    QCOMPARE(int(image.u8(2792 + 12)), 0x10);
    QCOMPARE(int(image.u8(2792 + 13)), 0x01);
    QCOMPARE(Loaded(image), s);
}

void TestClockSection::loadThenStore_changesNothingOutsideFootprint() {
    ConfigImage image = DefaultImage();
    StoreClock(Loaded(image), image);
    QVERIFY(image == DefaultImage());
    for (unsigned seed = 1; seed <= 40; ++seed) {
        const ConfigImage before = test::RandomImage(seed);
        ConfigImage after = before;
        const ClockSettings first = Loaded(after);
        StoreClock(first, after);
        const std::string outside =
            test::ChangesOutsideFootprint(before, after, test::ClockFootprint());
        QVERIFY2(outside.empty(), outside.c_str());
        QCOMPARE(Loaded(after), first);
    }
}

QTEST_APPLESS_MAIN(TestClockSection)
#include "tst_clock_section.moc"
