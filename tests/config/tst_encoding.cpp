// The encodings every section relies on: text fields, bit fields, list
// indexes, typed numbers, blank removal and the Windows-1251 conversion.

#include <QtTest>

#include "config/config_image.h"
#include "config/cp1251.h"
#include "config/encoding.h"

using namespace krx;

class TestEncoding : public QObject {
    Q_OBJECT
private slots:
    void cp1251_roundTripsCyrillic_data();
    void cp1251_roundTripsCyrillic();
    void cp1251_unmappableBecomesQuestionMark();

    void setText_storesTrimmedCutAndNulFilled_data();
    void setText_storesTrimmedCutAndNulFilled();
    void setText_leavesNeighboursAlone();
    void text_stopsAtFirstNulAndNeverRunsPastField();

    void setBits_changesOnlyItsOwnBits_data();
    void setBits_changesOnlyItsOwnBits();
    void integers_areLittleEndian();

    void listIndex_noChoiceStoresAllOnes_data();
    void listIndex_noChoiceStoresAllOnes();
    void fieldToListIndex_beyondItemsShowsNoChoice();

    void typedNumber_clampsAndConverts_data();
    void typedNumber_clampsAndConverts();
    void wholeNumber_refusesWhatItCannotHold_data();
    void wholeNumber_refusesWhatItCannotHold();

    void removeBlanks_movesCharactersLeft_data();
    void removeBlanks_movesCharactersLeft();

    void fieldOutsideImage_throws();
};

void TestEncoding::cp1251_roundTripsCyrillic_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << "lorn" << QByteArray("lorn");
    QTest::newRow("upper") << "ВХОД1" << QByteArray("\xC2\xD5\xCE\xC4" "1");
    QTest::newRow("lower") << "баланс" << QByteArray("\xE1\xE0\xEB\xE0\xED\xF1");
    QTest::newRow("yo") << "Ёё" << QByteArray("\xA8\xB8");
    QTest::newRow("numero") << "№" << QByteArray("\xB9");
    QTest::newRow("ends") << "Яа" << QByteArray("\xDF\xE0");
}

void TestEncoding::cp1251_roundTripsCyrillic() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    const std::string utf8 = text.toStdString();
    QCOMPARE(QByteArray::fromStdString(Utf8ToCp1251(utf8)), bytes);
    QCOMPARE(QString::fromStdString(Cp1251ToUtf8(bytes.toStdString())), text);
}

void TestEncoding::cp1251_unmappableBecomesQuestionMark() {
    QCOMPARE(Utf8ToCp1251("a\xE4\xB8\xAD" "b"), std::string("a?b"));  // a CJK character
    QCOMPARE(Utf8ToCp1251("\xFF"), std::string("?"));                 // malformed UTF-8
}

void TestEncoding::setText_storesTrimmedCutAndNulFilled_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("trim");
    QTest::addColumn<QByteArray>("field");  // all 5 bytes of a width-5 field
    QTest::newRow("short") << "ab" << int(Trim::Both) << QByteArray("ab\0\0\0", 5);
    QTest::newRow("trimmed both") << "  ab " << int(Trim::Both) << QByteArray("ab\0\0\0", 5);
    QTest::newRow("leading only") << " ab " << int(Trim::Leading) << QByteArray("ab \0\0", 5);
    QTest::newRow("untrimmed") << " ab" << int(Trim::None) << QByteArray(" ab\0\0", 5);
    QTest::newRow("exact width-1") << "abcd" << int(Trim::Both) << QByteArray("abcd\0", 5);
    QTest::newRow("cut to width-1") << "abcdefg" << int(Trim::Both) << QByteArray("abcd\0", 5);
    QTest::newRow("cyrillic cut") << "ПАРОЛЬ" << int(Trim::Both)
                                  << QByteArray("\xCF\xC0\xD0\xCE\0", 5);
    QTest::newRow("empty") << "" << int(Trim::Both) << QByteArray("\0\0\0\0\0", 5);
}

void TestEncoding::setText_storesTrimmedCutAndNulFilled() {
    QFETCH(QString, input);
    QFETCH(int, trim);
    QFETCH(QByteArray, field);
    ConfigImage image;
    image.bytes().fill(0xEE);
    image.setText(100, 5, input.toStdString(), static_cast<Trim>(trim));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(image.bytes().data() + 100), 5), field);
}

void TestEncoding::setText_leavesNeighboursAlone() {
    ConfigImage image;
    image.bytes().fill(0xEE);
    image.setText(100, 5, "abcdefgh");
    QCOMPARE(image.u8(99), std::uint8_t(0xEE));
    QCOMPARE(image.u8(105), std::uint8_t(0xEE));
}

void TestEncoding::text_stopsAtFirstNulAndNeverRunsPastField() {
    ConfigImage image;
    image.bytes().fill('x');
    image.setU8(10, 'a');
    image.setU8(11, 0);
    image.setU8(12, 'b');
    QCOMPARE(image.text(10, 4), std::string("a"));
    // A field with no NUL is shown up to its end, not beyond.
    QCOMPARE(image.text(20, 4), std::string("xxxx"));
}

void TestEncoding::setBits_changesOnlyItsOwnBits_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("after");
    QTest::newRow("low 3 bits into ones") << 0xFF << 0 << 3 << 1 << 0xF9;
    QTest::newRow("bit 3 set") << 0x00 << 3 << 1 << 1 << 0x08;
    QTest::newRow("bit 3 clear") << 0xFF << 3 << 1 << 0 << 0xF7;
    QTest::newRow("top 2 bits") << 0x3F << 6 << 2 << 3 << 0xFF;
    QTest::newRow("value masked to width") << 0x00 << 4 << 1 << 3 << 0x10;
    QTest::newRow("nibble keeps high bits") << 0xE0 << 0 << 4 << 0xF << 0xEF;
}

void TestEncoding::setBits_changesOnlyItsOwnBits() {
    QFETCH(int, before);
    QFETCH(int, first);
    QFETCH(int, width);
    QFETCH(int, value);
    QFETCH(int, after);
    ConfigImage image;
    image.setU8(7, std::uint8_t(before));
    image.setBits(7, unsigned(first), unsigned(width), unsigned(value));
    QCOMPARE(int(image.u8(7)), after);
    QCOMPARE(int(image.bits(7, unsigned(first), unsigned(width))), value & ((1 << width) - 1));
}

void TestEncoding::integers_areLittleEndian() {
    ConfigImage image;
    image.setU16(0, 0x1234);
    image.setU32(2, 0xA1B2C3D4u);
    image.setU64(6, 0x8877665544332211ull);
    const std::uint8_t expected[] = {0x34, 0x12, 0xD4, 0xC3, 0xB2, 0xA1, 0x11, 0x22,
                                     0x33, 0x44, 0x55, 0x66, 0x77, 0x88};
    for (std::size_t i = 0; i < sizeof expected; ++i) QCOMPARE(image.u8(i), expected[i]);
    QCOMPARE(image.u16(0), std::uint16_t(0x1234));
    QCOMPARE(image.u32(2), 0xA1B2C3D4u);
    QCOMPARE(image.u64(6), 0x8877665544332211ull);
}

void TestEncoding::listIndex_noChoiceStoresAllOnes_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("field");
    QTest::newRow("first item") << 0 << 2 << 0;
    QTest::newRow("third item") << 2 << 3 << 2;
    QTest::newRow("no choice 2 bits") << -1 << 2 << 3;
    QTest::newRow("no choice 4 bits") << -1 << 4 << 15;
    QTest::newRow("masked to width") << 9 << 3 << 1;
}

void TestEncoding::listIndex_noChoiceStoresAllOnes() {
    QFETCH(int, index);
    QFETCH(int, width);
    QFETCH(int, field);
    QCOMPARE(int(ListIndexToField(index, unsigned(width))), field);
}

void TestEncoding::fieldToListIndex_beyondItemsShowsNoChoice() {
    QCOMPARE(FieldToListIndex(1, 2), 1);
    QCOMPARE(FieldToListIndex(2, 2), -1);
    QCOMPARE(FieldToListIndex(3, 4), 3);
    QCOMPARE(FieldToListIndex(0, 0), -1);
}

void TestEncoding::typedNumber_clampsAndConverts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qulonglong>("max");
    QTest::addColumn<qulonglong>("stored");
    QTest::newRow("plain") << "1234" << 65535ull << 1234ull;
    QTest::newRow("above range") << "70000" << 65535ull << 65535ull;
    QTest::newRow("letters") << "abc" << 65535ull << 0ull;
    QTest::newRow("digits then letters") << "12a" << 65535ull << 0ull;
    QTest::newRow("empty") << "" << 255ull << 0ull;
    QTest::newRow("blanks around") << " 42 " << 255ull << 42ull;
    QTest::newRow("byte above range") << "999" << 255ull << 255ull;
    QTest::newRow("negative keeps low 16 bits") << "-1" << 65535ull << 65535ull;
    QTest::newRow("negative -2") << "-2" << 65535ull << 65534ull;
    QTest::newRow("negative byte") << "-10" << 255ull << 246ull;
    QTest::newRow("huge is above the range") << "99999999999999999999999" << 65535ull << 65535ull;
    // 18446744073709551716 is 2^64 + 100: a reader that multiplies before it
    // checks wraps it to 100.
    QTest::newRow("2^64 + 100 does not wrap") << "18446744073709551716" << 131071ull << 131071ull;
    QTest::newRow("int64 max") << "9223372036854775807" << 255ull << 255ull;
    QTest::newRow("one above int64 max") << "9223372036854775808" << 255ull << 255ull;
    // -(2^64 + 5): low 8 bits of the true value are 0xFB.
    QTest::newRow("huge negative keeps its low bits") << "-18446744073709551621" << 255ull << 251ull;
    QTest::newRow("plus sign") << "+7" << 255ull << 7ull;
}

void TestEncoding::typedNumber_clampsAndConverts() {
    QFETCH(QString, text);
    QFETCH(qulonglong, max);
    QFETCH(qulonglong, stored);
    QCOMPARE(qulonglong(TypedNumberToField(text.toStdString(), max)), stored);
}

void TestEncoding::wholeNumber_refusesWhatItCannotHold_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("read");
    QTest::addColumn<qlonglong>("value");
    QTest::newRow("int64 max") << "9223372036854775807" << true << 9223372036854775807ll;
    QTest::newRow("one above int64 max") << "9223372036854775808" << false << 0ll;
    QTest::newRow("2^64 + 100 is not 100") << "18446744073709551716" << false << 0ll;
    QTest::newRow("negative") << " -42 " << true << -42ll;
    QTest::newRow("sign alone") << "-" << false << 0ll;
}

void TestEncoding::wholeNumber_refusesWhatItCannotHold() {
    QFETCH(QString, text);
    QFETCH(bool, read);
    QFETCH(qlonglong, value);
    std::int64_t got = 0;
    QCOMPARE(ParseWholeNumber(text.toStdString(), got), read);
    if (read) QCOMPARE(qlonglong(got), value);
}

void TestEncoding::removeBlanks_movesCharactersLeft_data() {
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("inner blanks") << QByteArray("+7 916 123\0\0\0\0\0\0", 16)
                                  << QByteArray("+7916123\0\0\0\0\0\0\0\0", 16);
    QTest::newRow("full field of blanks") << QByteArray(16, ' ') << QByteArray(16, '\0');
    QTest::newRow("no blanks") << QByteArray("123456789012345\0", 16)
                               << QByteArray("123456789012345\0", 16);
    QTest::newRow("blank at last byte") << QByteArray("123456789012345 ", 16)
                                        << QByteArray("123456789012345\0", 16);
}

void TestEncoding::removeBlanks_movesCharactersLeft() {
    QFETCH(QByteArray, field);
    QFETCH(QByteArray, expected);
    ConfigImage image;
    image.bytes().fill(' ');
    std::copy(field.begin(), field.end(), image.bytes().begin() + 52);
    RemoveBlanks(image, 52);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(image.bytes().data() + 52), 16), expected);
    QCOMPARE(image.u8(51), std::uint8_t(' '));
    QCOMPARE(image.u8(68), std::uint8_t(' '));
}

void TestEncoding::fieldOutsideImage_throws() {
    ConfigImage image;
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, image.u16(kImageSize - 1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, image.setText(kImageSize - 2, 4, "ab"));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, image.setBits(0, 6, 3, 1));
}

QTEST_APPLESS_MAIN(TestEncoding)
#include "tst_encoding.moc"
