// The built-in default image: its header and tails, when each default block
// is applied, and the validity check of a body read from a controller.

#include <QtTest>

#include "config/default_image.h"

using namespace krx;

class TestDefaultImage : public QObject {
    Q_OBJECT
private slots:
    void header_isMarkerAndVersion();
    void tails_haveTheirDefaults();
    void gap_isZero();
    void applyDefaultBody_leavesTailsAlone();
    void applyDefaultModeMemory_touchesOnlyModeMemory();
    void applyDefaults_restoresEverythingButTheGap();
    void isValidBody_data();
    void isValidBody();
};

void TestDefaultImage::header_isMarkerAndVersion() {
    const ConfigImage& d = DefaultImage();
    const std::uint8_t expected[12] = {1, 'v', '.', '0', '1', '.', '0', '2', 0, 0, 0, 0};
    for (std::size_t i = 0; i < 12; ++i) QCOMPARE(d.u8(i), expected[i]);
}

void TestDefaultImage::tails_haveTheirDefaults() {
    const ConfigImage& d = DefaultImage();
    const std::uint8_t mode[10] = {0x00, 0x00, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x00};
    for (std::size_t i = 0; i < 10; ++i) QCOMPARE(d.u8(5292 + i), mode[i]);
    for (std::size_t i = 0; i < 8; ++i) QCOMPARE(int(d.u8(5304 + i)), 0);
}

void TestDefaultImage::gap_isZero() {
    QCOMPARE(int(DefaultImage().u8(5302)), 0);
    QCOMPARE(int(DefaultImage().u8(5303)), 0);
}

void TestDefaultImage::applyDefaultBody_leavesTailsAlone() {
    ConfigImage image;
    image.bytes().fill(0xAB);
    ApplyDefaultBody(image);
    QVERIFY(std::equal(image.body().begin(), image.body().end(), DefaultImage().body().begin()));
    for (std::size_t i = 5292; i < 5312; ++i) QCOMPARE(int(image.u8(i)), 0xAB);
}

void TestDefaultImage::applyDefaultModeMemory_touchesOnlyModeMemory() {
    ConfigImage image;
    image.bytes().fill(0xAB);
    ApplyDefaultModeMemory(image);
    QCOMPARE(int(image.u8(5291)), 0xAB);
    QCOMPARE(int(image.u8(5294)), 0x40);
    QCOMPARE(int(image.u8(5302)), 0xAB);
    ApplyDefaultSystemParameters(image);
    QCOMPARE(int(image.u8(5303)), 0xAB);
    QCOMPARE(int(image.u8(5304)), 0);
    QCOMPARE(int(image.u8(5311)), 0);
}

void TestDefaultImage::applyDefaults_restoresEverythingButTheGap() {
    ConfigImage image;
    image.bytes().fill(0xAB);
    ApplyDefaults(image);
    for (std::size_t i = 0; i < kImageSize; ++i) {
        const bool gap = i == 5302 || i == 5303;
        QCOMPARE(int(image.u8(i)), gap ? 0xAB : int(DefaultImage().u8(i)));
    }
}

void TestDefaultImage::isValidBody_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("valid");
    QTest::newRow("default") << 100 << 0x55 << true;
    QTest::newRow("marker 0") << 0 << 0 << false;
    QTest::newRow("marker 2") << 0 << 2 << false;
    QTest::newRow("version first byte") << 1 << int('V') << false;
    QTest::newRow("version digit") << 7 << int('3') << false;
    QTest::newRow("version NUL replaced") << 8 << int('x') << false;
    QTest::newRow("byte 9 is not compared") << 9 << int('x') << true;
}

void TestDefaultImage::isValidBody() {
    QFETCH(int, offset);
    QFETCH(int, value);
    QFETCH(bool, valid);
    ConfigImage image = DefaultImage();
    image.setU8(std::size_t(offset), std::uint8_t(value));
    QCOMPARE(IsValidBody(image), valid);
}

QTEST_APPLESS_MAIN(TestDefaultImage)
#include "tst_default_image.moc"
