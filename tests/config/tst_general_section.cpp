// Section "Общие параметры соединений": the store order rules, the encodings
// of its fields and its defaults, pinned against bytes worked out by hand.

#include <QtTest>

#include "common/test_bytes.h"
#include "config/default_image.h"
#include "config/general_section.h"

using namespace krx;
using krx::test::ImageBytes;

namespace {

GeneralSettings Loaded(const ConfigImage& image) {
    GeneralSettings s;
    LoadGeneral(s, image);
    return s;
}

}  // namespace

class TestGeneralSection : public QObject {
    Q_OBJECT
private slots:
    void defaults_areInTheImage();
    void store_uncheckedPasswordBox_emptiesPassword_data();
    void store_uncheckedPasswordBox_emptiesPassword();
    void store_balanceNumbers_areClampedAndShownNormalised_data();
    void store_balanceNumbers_areClampedAndShownNormalised();
    void store_balansIdWord_keepsTrailingBlank();
    void store_smsca_blanksRemovedAndNeighboursKept();
    void store_bitFields_packByte12And13();
    void store_keepsUnusedBitsOfByte13();
    void load_dialPriorityBeyondOfferedItems_showsNoChoiceAndStoresAllOnes();
    void balanceTemplates_fillOnlyTheTwoTexts();
};

void TestGeneralSection::defaults_areInTheImage() {
    const ConfigImage& d = DefaultImage();
    // byte 12: pause 1, ACK, SMS list, DTMF list, priority 0 -> 0b00111001
    QCOMPARE(int(d.u8(12)), 0x39);
    // byte 13: outdated time 15, V.110 -> 0b00011111
    QCOMPARE(int(d.u8(13)), 0x1F);
    QCOMPARE(ImageBytes(d, 20, 9), QByteArray(9, '\0'));
    QCOMPARE(ImageBytes(d, 29, 9), QByteArray(9, '\0'));
    QCOMPARE(ImageBytes(d, 38, 5), QByteArray("4725\0", 5));
    QCOMPARE(ImageBytes(d, 43, 9), QByteArray("lorn\0\0\0\0\0", 9));
    QCOMPARE(ImageBytes(d, 52, 16), QByteArray(16, '\0'));
    QCOMPARE(ImageBytes(d, 2820, 21), QByteArray(21, '\0'));

    const GeneralSettings s = Loaded(d);
    QCOMPARE(s.call2CallPauseX10S, 1);
    QCOMPARE(s.outdatedMsgTime, 15);
    QCOMPARE(s.dataProtocol, 1);
    QCOMPARE(s.password, std::string("lorn"));
    QCOMPARE(s.balansMinVal, std::string("0"));
    QCOMPARE(s.reqPeriodH, std::string("0"));
}

void TestGeneralSection::store_uncheckedPasswordBox_emptiesPassword_data() {
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("unchecked") << false << QByteArray(9, '\0');
    QTest::newRow("checked") << true << QByteArray("secret1\0\0", 9);
}

void TestGeneralSection::store_uncheckedPasswordBox_emptiesPassword() {
    QFETCH(bool, checked);
    QFETCH(QByteArray, field);
    ConfigImage image = DefaultImage();
    GeneralSettings s = Loaded(image);
    s.useSysPassword = checked;
    s.sysPassword = " secret1 ";
    StoreGeneral(s, image);
    QCOMPARE(ImageBytes(image, 20, 9), field);
    QCOMPARE(s.sysPassword.empty(), !checked);
}

void TestGeneralSection::store_balanceNumbers_areClampedAndShownNormalised_data() {
    QTest::addColumn<QString>("minVal");
    QTest::addColumn<QString>("period");
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    QTest::addColumn<int>("periodByte");
    QTest::addColumn<QString>("minShown");
    QTest::addColumn<QString>("periodShown");
    QTest::newRow("in range") << "300" << "24" << 0x2C << 0x01 << 24 << "300" << "24";
    QTest::newRow("above range") << "70000" << "999" << 0xFF << 0xFF << 255 << "65535" << "255";
    QTest::newRow("letters") << "abc" << "x1" << 0 << 0 << 0 << "0" << "0";
    QTest::newRow("negative") << "-1" << "-1" << 0xFF << 0xFF << 255 << "65535" << "255";
    QTest::newRow("blanks") << " 12 " << " 3" << 12 << 0 << 3 << "12" << "3";
}

void TestGeneralSection::store_balanceNumbers_areClampedAndShownNormalised() {
    QFETCH(QString, minVal);
    QFETCH(QString, period);
    QFETCH(int, lo);
    QFETCH(int, hi);
    QFETCH(int, periodByte);
    QFETCH(QString, minShown);
    QFETCH(QString, periodShown);
    ConfigImage image = DefaultImage();
    GeneralSettings s = Loaded(image);
    s.balansMinVal = minVal.toStdString();
    s.reqPeriodH = period.toStdString();
    StoreGeneral(s, image);
    QCOMPARE(int(image.u8(2838)), lo);
    QCOMPARE(int(image.u8(2839)), hi);
    QCOMPARE(int(image.u8(2840)), periodByte);
    const GeneralSettings shown = Loaded(image);
    QCOMPARE(QString::fromStdString(shown.balansMinVal), minShown);
    QCOMPARE(QString::fromStdString(shown.reqPeriodH), periodShown);
}

void TestGeneralSection::store_balansIdWord_keepsTrailingBlank() {
    ConfigImage image = DefaultImage();
    GeneralSettings s = Loaded(image);
    s.balansIdWord = " Баланс ";
    s.balansReqCmd = " *100# ";
    StoreGeneral(s, image);
    QCOMPARE(ImageBytes(image, 2829, 9), QByteArray("\xC1\xE0\xEB\xE0\xED\xF1 \0\0", 9));
    QCOMPARE(ImageBytes(image, 2820, 9), QByteArray("*100#\0\0\0\0", 9));
}

void TestGeneralSection::store_smsca_blanksRemovedAndNeighboursKept() {
    ConfigImage image = DefaultImage();
    image.setU8(68, 0x5A);
    GeneralSettings s = Loaded(image);
    s.smsca = "+7 916 123";
    StoreGeneral(s, image);
    QCOMPARE(ImageBytes(image, 52, 16), QByteArray("+7916123\0\0\0\0\0\0\0\0", 16));
    QCOMPARE(int(image.u8(68)), 0x5A);
}

void TestGeneralSection::store_bitFields_packByte12And13() {
    ConfigImage image;
    GeneralSettings s;
    s.call2CallPauseX10S = 5;      // bits 0-2 = 101
    s.ack = false;                 // bit 3
    s.controlOnlyList = true;      // bit 4
    s.dtmfControlOnlyList = false; // bit 5
    s.dialPriority = 1;            // bits 6-7 = 01
    s.outdatedMsgTime = 3;         // byte 13 bits 0-3
    s.dataProtocol = 0;            // byte 13 bit 4
    StoreGeneral(s, image);
    QCOMPARE(int(image.u8(12)), 0x55);  // 01 0 1 0 101
    QCOMPARE(int(image.u8(13)), 0x03);
}

void TestGeneralSection::store_keepsUnusedBitsOfByte13() {
    ConfigImage image = DefaultImage();
    image.setU8(13, 0xE0 | image.u8(13));  // the controller's bits 5-7
    GeneralSettings s = Loaded(image);
    s.outdatedMsgTime = 0;
    s.dataProtocol = 0;
    StoreGeneral(s, image);
    QCOMPARE(int(image.u8(13)), 0xE0);
}

void TestGeneralSection::load_dialPriorityBeyondOfferedItems_showsNoChoiceAndStoresAllOnes() {
    ConfigImage image = DefaultImage();
    image.setBits(12, 6, 2, 2);
    GeneralSettings s = Loaded(image);
    QCOMPARE(s.dialPriority, -1);
    StoreGeneral(s, image);
    QCOMPARE(int(image.bits(12, 6, 2)), 3);
    QCOMPARE(int(image.bits(12, 0, 6)), 0x39);  // the rest of byte 12 unchanged
}

void TestGeneralSection::balanceTemplates_fillOnlyTheTwoTexts() {
    GeneralSettings s;
    s.balansMinVal = "5";
    const auto& t = BalanceTemplates();
    QCOMPARE(t[1].name, std::string_view("Билайн"));
    ApplyBalanceTemplate(s, t[1]);
    QCOMPARE(s.balansReqCmd, std::string("*102#"));
    QCOMPARE(s.balansIdWord, std::string("Баланс "));
    QCOMPARE(s.balansMinVal, std::string("5"));
    ApplyBalanceTemplate(s, t[3]);
    QCOMPARE(s.balansIdWord, std::string("OCTATOK "));
    // The trailing blank of the key word survives the store.
    ConfigImage image;
    StoreGeneral(s, image);
    QCOMPARE(ImageBytes(image, 2829, 9), QByteArray("OCTATOK \0", 9));
}

QTEST_APPLESS_MAIN(TestGeneralSection)
#include "tst_general_section.moc"
