// Section "Системные параметры": the tail record codec, pinned against bytes
// worked out by hand from its table.

#include <QtTest>

#include "config/default_image.h"
#include "config/system_parameters_section.h"
#include "footprint_check.h"

using namespace krx;

namespace {

QByteArray Tail(const ConfigImage& image) {
    return QByteArray(reinterpret_cast<const char*>(image.bytes().data() + 5304), 8);
}

void SetTail(ConfigImage& image, const QByteArray& bytes) {
    for (std::size_t i = 0; i < 8; ++i) image.setU8(5304 + i, std::uint8_t(bytes[qsizetype(i)]));
}

}  // namespace

class TestSystemParametersSection : public QObject {
    Q_OBJECT
private slots:
    void store_tail_data();
    void store_tail();
    void store_leavesTheBodyAlone();
    void load_showsTheTail();
    void load_defaultTail();
    void storeThenLoad_clampedValueShown();
    void loadThenStore_changesOnlyTheFootprint();
    void loadThenStore_defaultImageUnchanged();
};

void TestSystemParametersSection::store_tail_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("calVal");
    QTest::addColumn<int>("calDir");
    QTest::addColumn<int>("battery");
    QTest::addColumn<bool>("fwUpdate");
    QTest::addColumn<bool>("crcOff");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QString>("shown");
    const QByteArray ones(8, '\xFF');
    const QByteArray zeros(8, '\0');
    // 300 = 0x12C; bits 18-31 and the free bits of 5308..5311 keep their ones.
    QTest::newRow("blanks around 300, other bits kept")
        << ones << " 300 " << 0 << 0 << false << false
        << QByteArray("\x2C\x01\xFC\xFF\xFE\xFE\xFE\xFF", 8) << "300";
    QTest::newRow("200000 stores 131071, subtract")
        << zeros << "200000" << 1 << 1 << true << true
        << QByteArray("\xFF\xFF\x03\x00\x01\x01\x01\x00", 8) << "200000";
    QTest::newRow("131072 stores 131071")
        << zeros << "131072" << 0 << 0 << false << false
        << QByteArray("\xFF\xFF\x01\x00\x00\x00\x00\x00", 8) << "131072";
    QTest::newRow("131071 itself")
        << zeros << "131071" << 0 << 0 << false << false
        << QByteArray("\xFF\xFF\x01\x00\x00\x00\x00\x00", 8) << "131071";
    QTest::newRow("20 digits (2^64 + 100) stores 131071")
        << zeros << "18446744073709551716" << 0 << 0 << false << false
        << QByteArray("\xFF\xFF\x01\x00\x00\x00\x00\x00", 8) << "18446744073709551716";
    QTest::newRow("negative keeps low 17 bits")
        << zeros << "-1" << 0 << 0 << false << false
        << QByteArray("\xFF\xFF\x01\x00\x00\x00\x00\x00", 8) << "-1";
    QTest::newRow("negative with zero low bits")
        << ones << "-131072" << 0 << 0 << true << false
        << QByteArray("\x00\x00\xFC\xFF\xFE\xFF\xFE\xFF", 8) << "-131072";
    QTest::newRow("not a number stores 0")
        << zeros << "12a" << 0 << 1 << false << false
        << QByteArray("\x00\x00\x00\x00\x01\x00\x00\x00", 8) << "12a";
    QTest::newRow("no choice stores ones")
        << zeros << "5" << -1 << -1 << false << false
        << QByteArray("\x05\x00\x02\x00\x01\x00\x00\x00", 8) << "5";
}

void TestSystemParametersSection::store_tail() {
    QFETCH(QByteArray, before);
    QFETCH(QString, calVal);
    QFETCH(int, calDir);
    QFETCH(int, battery);
    QFETCH(bool, fwUpdate);
    QFETCH(bool, crcOff);
    QFETCH(QByteArray, after);
    QFETCH(QString, shown);
    ConfigImage image = DefaultImage();
    SetTail(image, before);
    SystemParameters v{calVal.toStdString(), calDir, battery, fwUpdate, crcOff};
    StoreSystemParameters(v, image);
    QCOMPARE(Tail(image), after);
    QCOMPARE(QString::fromStdString(v.calVal), shown);
}

void TestSystemParametersSection::store_leavesTheBodyAlone() {
    const ConfigImage before = test::RandomImage(3);
    ConfigImage image = before;
    SystemParameters v{"77", 1, 0, true, false};
    StoreSystemParameters(v, image);
    QVERIFY(std::equal(image.bytes().begin(), image.bytes().begin() + 5304, before.bytes().begin()));
}

void TestSystemParametersSection::load_showsTheTail() {
    ConfigImage image = DefaultImage();
    // 0xFFFE3039: CALVAL 12345 (0x3039), CALDIR set, bits 18-31 set.
    SetTail(image, QByteArray("\x39\x30\xFE\xFF\x02\x01\xFE\x55", 8));
    SystemParameters v;
    LoadSystemParameters(v, image);
    QCOMPARE(v, (SystemParameters{"12345", 1, 0, true, false}));
}

void TestSystemParametersSection::load_defaultTail() {
    SystemParameters v;
    LoadSystemParameters(v, DefaultImage());
    QCOMPARE(v, (SystemParameters{"0", 0, 0, false, false}));
}

void TestSystemParametersSection::storeThenLoad_clampedValueShown() {
    ConfigImage image = DefaultImage();
    SystemParameters v{"200000", 0, 0, false, false};
    StoreSystemParameters(v, image);
    LoadSystemParameters(v, image);
    QCOMPARE(v.calVal, std::string("131071"));
}

void TestSystemParametersSection::loadThenStore_changesOnlyTheFootprint() {
    const auto loadThenStore = [](ConfigImage& image) {
        SystemParameters v;
        LoadSystemParameters(v, image);
        StoreSystemParameters(v, image);
    };
    const std::string where = test::LoadThenStoreStaysInFootprint(
        loadThenStore, test::SystemParametersFootprint(), 50);
    QVERIFY2(where.empty(), where.c_str());
    // Every value the section shows stores back exactly as it was.
    const ConfigImage before = test::RandomImage(99);
    ConfigImage after = before;
    loadThenStore(after);
    QVERIFY(after == before);
}

void TestSystemParametersSection::loadThenStore_defaultImageUnchanged() {
    ConfigImage image = DefaultImage();
    SystemParameters v;
    LoadSystemParameters(v, image);
    StoreSystemParameters(v, image);
    QVERIFY(image == DefaultImage());
}

QTEST_APPLESS_MAIN(TestSystemParametersSection)
#include "tst_system_parameters_section.moc"
