// The TouchMemory key table: grid rows to the 32 image entries and back,
// adding a touched key, row reordering and the key-code column's input.
// Expected bytes worked out by hand from the entry layout (code most
// significant byte first at 3292 + 32 x i, name at +8, 17 bytes).

#include <QtTest>

#include "common/test_bytes.h"
#include "config/default_image.h"
#include "config/touch_key_table.h"

using namespace krx;
using krx::test::ImageBytes;

namespace {

QByteArray Field17(const QByteArray& text) { return text + QByteArray(17 - text.size(), '\0'); }

std::size_t Entry(int row) { return 3292 + 32 * static_cast<std::size_t>(row - 1); }

const std::string kBlanks(16, ' ');

TouchKeyTable EmptyTable() {
    TouchKeyTable t;
    for (TouchKeyRow& r : t) r.code = kBlanks;
    return t;
}

}  // namespace

class TestTouchKeyTable : public QObject {
    Q_OBJECT
private slots:
    void store_codeCell_data();
    void store_codeCell();
    void store_nameIsWrittenAsTypedAndCut();
    void store_keepsTheUneditedTailOfEachEntry();
    void load_showsCodeAndName_data();
    void load_showsCodeAndName();
    void load_defaultTableIsEmpty();
    void storeThenLoad_highCodeRoundTrips();
    void addKey_firstEmptyRowGetsCodeAndName();
    void addKey_duplicateChangesNothing();
    void addKey_fullTableReportsMemoryUsed();
    void addKey_erasedCodeCellCountsAsEmpty();
    void moveRow_shiftsRowsBetween_data();
    void moveRow_shiftsRowsBetween();
    void codeCellInput_upperCaseLettersAndDigits_data();
    void codeCellInput_upperCaseLettersAndDigits();
};

void TestTouchKeyTable::store_codeCell_data() {
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("full code") << "0123456789ABCDEF" << QByteArray("\x01\x23\x45\x67\x89\xAB\xCD\xEF", 8);
    QTest::newRow("top bit set") << "F000000000000001" << QByteArray("\xF0\0\0\0\0\0\0\x01", 8);
    QTest::newRow("first digit 8") << "8000000000000000" << QByteArray("\x80\0\0\0\0\0\0\0", 8);
    QTest::newRow("short, trimmed") << " 1A " << QByteArray("\0\0\0\0\0\0\0\x1A", 8);
    QTest::newRow("lower case") << "abcdef" << QByteArray("\0\0\0\0\0\xAB\xCD\xEF", 8);
    QTest::newRow("empty row") << QString(16, ' ') << QByteArray(8, '\0');
    QTest::newRow("empty text") << "" << QByteArray(8, '\0');
    QTest::newRow("not hexadecimal") << "12G4" << QByteArray(8, '\0');
    QTest::newRow("17 digits") << "10000000000000000" << QByteArray(8, '\0');
    QTest::newRow("sign") << "-1" << QByteArray(8, '\0');
}

void TestTouchKeyTable::store_codeCell() {
    QFETCH(QString, cell);
    QFETCH(QByteArray, bytes);
    ConfigImage image = DefaultImage();
    image.bytes()[Entry(5)] = 0x77;  // something to overwrite
    TouchKeyTable t = EmptyTable();
    t[4] = {cell.toStdString(), "Иван"};
    StoreTouchKeyTable(t, image);
    QCOMPARE(ImageBytes(image, Entry(5), 8), bytes);
    // The name is written whatever the code: И в а н in Windows-1251.
    QCOMPARE(ImageBytes(image, Entry(5) + 8, 17), Field17("\xC8\xE2\xE0\xED"));
}

void TestTouchKeyTable::store_nameIsWrittenAsTypedAndCut() {
    ConfigImage image;
    TouchKeyTable t = EmptyTable();
    t[0].name = " A B ";                  // blanks kept
    t[1].name = "ABCDEFGHIJKLMNOPQRS";    // 19 characters: 16 kept
    image.bytes()[Entry(2) + 8 + 16] = 0x41;  // the terminator is cleared
    StoreTouchKeyTable(t, image);
    QCOMPARE(ImageBytes(image, Entry(1) + 8, 17), Field17(" A B "));
    QCOMPARE(ImageBytes(image, Entry(2) + 8, 17), Field17("ABCDEFGHIJKLMNOP"));
}

void TestTouchKeyTable::store_keepsTheUneditedTailOfEachEntry() {
    ConfigImage image;
    for (int row = 1; row <= 32; ++row) {
        for (std::size_t j = 25; j < 32; ++j) image.bytes()[Entry(row) + j] = 0x5A;
    }
    image.bytes()[3291] = 0x11;  // the byte before the table
    image.bytes()[4316] = 0x22;  // the byte after it
    TouchKeyTable t = EmptyTable();
    t[31] = {"FFFFFFFFFFFFFFFF", "ABCDEFGHIJKLMNOP"};
    StoreTouchKeyTable(t, image);
    for (int row = 1; row <= 32; ++row) {
        QCOMPARE(ImageBytes(image, Entry(row) + 25, 7), QByteArray(7, '\x5A'));
    }
    QCOMPARE(int(image.u8(3291)), 0x11);
    QCOMPARE(int(image.u8(4316)), 0x22);
    QCOMPARE(ImageBytes(image, Entry(32), 8), QByteArray(8, '\xFF'));
}

void TestTouchKeyTable::load_showsCodeAndName_data() {
    QTest::addColumn<QByteArray>("entry");  // the first 25 bytes of entry 1
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("key") << QByteArray("\x00\x00\x01\x2A\xBC\x00\x00\xFF", 8) + Field17("\xCF\xE5\xF2\xF0")
                         << "0000012ABC0000FF" << "Петр";
    QTest::newRow("zero code hides name")
        << QByteArray(8, '\0') + Field17("\xCF\xE5\xF2\xF0") << QString(16, ' ') << "";
    QTest::newRow("name without terminator")
        << QByteArray("\x80\0\0\0\0\0\0\0", 8) + QByteArray(17, 'Z') << "8000000000000000"
        << QString(16, 'Z');
}

void TestTouchKeyTable::load_showsCodeAndName() {
    QFETCH(QByteArray, entry);
    QFETCH(QString, code);
    QFETCH(QString, name);
    ConfigImage image;
    std::copy(entry.begin(), entry.end(), image.bytes().begin() + Entry(1));
    TouchKeyTable t;
    LoadTouchKeyTable(t, image);
    QCOMPARE(QString::fromStdString(t[0].code), code);
    QCOMPARE(QString::fromStdString(t[0].name), name);
}

void TestTouchKeyTable::load_defaultTableIsEmpty() {
    QCOMPARE(ImageBytes(DefaultImage(), 3292, 32 * 32), QByteArray(32 * 32, '\0'));
    TouchKeyTable t;
    LoadTouchKeyTable(t, DefaultImage());
    QCOMPARE(t, EmptyTable());
}

void TestTouchKeyTable::storeThenLoad_highCodeRoundTrips() {
    ConfigImage image;
    TouchKeyTable t = EmptyTable();
    t[2] = {"FEDCBA9876543210", "Key"};
    t[3] = {"zz", "Lost"};
    StoreTouchKeyTable(t, image);
    TouchKeyTable back;
    LoadTouchKeyTable(back, image);
    QCOMPARE(back[2], (TouchKeyRow{"FEDCBA9876543210", "Key"}));
    QCOMPARE(back[3], (TouchKeyRow{kBlanks, ""}));
    QCOMPARE(ImageBytes(image, Entry(4) + 8, 17), Field17("Lost"));
}

void TestTouchKeyTable::addKey_firstEmptyRowGetsCodeAndName() {
    TouchKeyTable t = EmptyTable();
    t[0] = {"0000000000000001", "A"};
    t[1] = {"0000000000000002", "B"};
    t[3] = {"0000000000000004", "D"};
    const AddKeyOutcome out = AddTouchedKey(t, "00000000000000AA");
    QCOMPARE(out.result, AddKeyResult::Added);
    QCOMPARE(out.row, 3);
    QCOMPARE(out.description, std::string());
    QCOMPARE(t[2], (TouchKeyRow{"00000000000000AA", "KEY3"}));
    QCOMPARE(t[3], (TouchKeyRow{"0000000000000004", "D"}));
}

void TestTouchKeyTable::addKey_duplicateChangesNothing() {
    TouchKeyTable t = EmptyTable();
    t[6] = {"00000000000000AA", "Anna"};
    const TouchKeyTable before = t;
    const AddKeyOutcome out = AddTouchedKey(t, "00000000000000AA");
    QCOMPARE(out.result, AddKeyResult::AlreadyListed);
    QCOMPARE(out.row, 7);
    QCOMPARE(QString::fromStdString(out.description),
             QStringLiteral("Ключ с кодом: 00000000000000AA, уже внесен в таблицу"));
    QCOMPARE(t, before);
}

void TestTouchKeyTable::addKey_fullTableReportsMemoryUsed() {
    TouchKeyTable t = EmptyTable();
    for (int i = 0; i < 32; ++i) {
        const AddKeyOutcome out = AddTouchedKey(t, "10000000000000" + std::to_string(10 + i));
        QCOMPARE(out.result, AddKeyResult::Added);
        QCOMPARE(out.row, i + 1);
    }
    QCOMPARE(t[31].name, std::string("KEY32"));
    const TouchKeyTable before = t;
    const AddKeyOutcome out = AddTouchedKey(t, "2000000000000000");
    QCOMPARE(out.result, AddKeyResult::MemoryFull);
    QCOMPARE(QString::fromStdString(out.description), QStringLiteral("Вся память использована"));
    QCOMPARE(t, before);
}

void TestTouchKeyTable::addKey_erasedCodeCellCountsAsEmpty() {
    // A code the user erased stores as no key, so the slot is free.
    TouchKeyTable t = EmptyTable();
    t[0] = {"", "Old"};
    t[1] = {"XYZ", "Typed"};
    const AddKeyOutcome out = AddTouchedKey(t, "00000000000000BB");
    QCOMPARE(out.row, 1);
    QCOMPARE(t[0], (TouchKeyRow{"00000000000000BB", "KEY1"}));
    QCOMPARE(t[1], (TouchKeyRow{"XYZ", "Typed"}));
}

void TestTouchKeyTable::moveRow_shiftsRowsBetween_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("order");  // names of rows 1 .. 5 afterwards
    QTest::newRow("down") << 1 << 3 << "BCADE";
    QTest::newRow("up") << 4 << 2 << "ADBCE";
    QTest::newRow("to the end") << 2 << 32 << "ACDE.";
    QTest::newRow("same row") << 2 << 2 << "ABCDE";
    QTest::newRow("outside") << 0 << 2 << "ABCDE";
    QTest::newRow("beyond") << 2 << 33 << "ABCDE";
}

void TestTouchKeyTable::moveRow_shiftsRowsBetween() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, order);
    TouchKeyTable t = EmptyTable();
    for (int i = 0; i < 32; ++i) t[std::size_t(i)].name = i < 5 ? std::string(1, char('A' + i)) : ".";
    MoveTouchKeyRow(t, from, to);
    QString got;
    for (int i = 0; i < 5; ++i) got += QString::fromStdString(t[std::size_t(i)].name);
    QCOMPARE(got, order);
    if (from == 2 && to == 32) QCOMPARE(t[31].name, std::string("B"));
}

void TestTouchKeyTable::codeCellInput_upperCaseLettersAndDigits_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("upper case") << "ab12cd" << "AB12CD";
    QTest::newRow("drops others") << "a-b 1_2" << "AB12";
    QTest::newRow("at most 16") << "0123456789abcdefAB" << "0123456789ABCDEF";
}

void TestTouchKeyTable::codeCellInput_upperCaseLettersAndDigits() {
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QCOMPARE(QString::fromStdString(KeyCodeCellInput(typed.toStdString())), kept);
}

QTEST_APPLESS_MAIN(TestTouchKeyTable)
#include "tst_touch_key_table.moc"
