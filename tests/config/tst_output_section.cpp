// Output sections "Реле 1" .. "Выход 2": the record codec, its defaults, and
// the list of reactions that act on an output, pinned against bytes and texts
// worked out by hand from the record tables.

#include <QtTest>

#include "common/test_bytes.h"
#include "config/default_image.h"
#include "config/output_section.h"
#include "config/output_sources.h"
#include "footprint_check.h"

using namespace krx;
using krx::test::ImageBytes;

namespace {

// A 17-byte name field: the given bytes, then NULs.
QByteArray Field17(const QByteArray& text) { return text + QByteArray(17 - text.size(), '\0'); }

OutputSettings Loaded(int output, const ConfigImage& image) {
    OutputSettings v;
    LoadOutput(output, v, image);
    return v;
}

QStringList ToQt(const std::vector<std::string>& lines) {
    QStringList out;
    for (const auto& l : lines) out << QString::fromStdString(l);
    return out;
}

// Reactions spread over every section that can drive an output; most act on
// relay 2 (output 2), one on relay 1, some are decoys that must not show.
ConfigImage ImageWithReactions() {
    ConfigImage image = DefaultImage();
    auto task = [&](int t, std::uint8_t enabled, std::uint8_t days, std::uint8_t hour,
                    std::uint8_t minute, std::uint8_t action, std::uint8_t output,
                    std::uint8_t reaction) {
        const std::size_t r = 2680 + 16 * std::size_t(t - 1);
        image.setU8(r + 0, enabled);
        image.setU8(r + 4, days);
        image.setU8(r + 5, hour);
        image.setU8(r + 6, minute);
        image.setU8(r + 12, action);
        image.setU8(r + 13, output);
        image.setU8(r + 14, reaction);
    };
    task(3, 0x01, 0x05, 7, 5, 0x0C, 0x01, 4);         // relay 2, "сценарий 2" at 7:05
    task(4, 0x01, 0x00, 8, 0, 0x0C, 0x01, 1);         // no weekday
    task(5, 0x01, 0x80, 8, 0, 0x0C, 0x01, 1);         // bit 7 is no weekday
    task(6, 0x01, 0x7F, 8, 0, 0x10, 0x01, 1);         // kind 4: apply a profile
    task(7, 0x00, 0x7F, 8, 0, 0x0C, 0x01, 1);         // disabled
    task(2, 0x01, 0x7F, 8, 0, 0x0C, 0x01, 0);         // no reaction
    task(8, 0x01, 0x40, 0xF7, 0xFB, 0x0F, 0xF1, 1);   // high bits around the fields

    image.setU8(2850, (2 << 3) | 1);   // tamper: relay 2 "выключить"
    image.setU8(2847, 0xF1);           // HiBorderLevel -15
    image.setU8(2848, (16 << 3) | 1);  // over-temperature: relay 2 "сценарий 14"
    image.setU8(2845, 0xEC);           // LoBorderLevel -20
    image.setU8(2846, (1 << 3) | 0);   // under-temperature: relay 1 "включить"

    image.setU8(3120 + 1, 3);  // CDtoRele2 "сценарий 1"
    image.setU8(3106 + 1, 1);  // ArmToRele2 "включить"
    image.setU8(3113 + 2, 1);  // DisarmToRele3: another output
    image.setU8(3127 + 1, 2);  // RAtoRele2 "выключить"

    image.setU8(452 + 76 + 1, 2);  // input 2 ActRele2 "выключить"
    image.setU8(452 + 83 + 1, 5);  // input 2 PassRele2 "сценарий 3"
    image.setU8(636 + 83 + 1, 1);  // input 4 PassRele2 "включить"
    image.setU8(728 + 76 + 1, 1);  // input 5: not listed on this model

    image.setU8(4560 + 114 + 1, 16);  // profile 3 ProfileToR2 "сценарий 14"
    image.setU8(4804 + 114 + 1, 1);   // profile 5: not listed on this model
    return image;
}

}  // namespace

class TestOutputSection : public QObject {
    Q_OBJECT
private slots:
    void defaults_sevenRecords_data();
    void defaults_sevenRecords();
    void defaults_loadAsShown();
    void store_flagsByte_data();
    void store_flagsByte();
    void store_namesKeptAsTypedAndCut();
    void load_fullNameField_showsSixteenCharacters();
    void load_commTypeBeyondList_showsNoChoiceAndStoresAllOnes();
    void storeAndLoad_outputOutsideRange_touchNothing();
    void loadThenStore_changesOnlyTheRecord();
    void loadThenStore_defaultImageUnchanged();
    void captions_relayOrOutput_data();
    void captions_relayOrOutput();
    void sources_listEveryReactionInOrder_data();
    void sources_listEveryReactionInOrder();
    void sources_defaultImage_isEmpty();
    void sources_unknownReactionCode_showsNumber();
    void sources_titlesFromTheTree();
};

void TestOutputSection::defaults_sevenRecords_data() {
    QTest::addColumn<int>("output");
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("relay 1") << 1 << QByteArray("\xD0\xC5\xCB\xC5\x31");
    QTest::newRow("relay 2") << 2 << QByteArray("\xD0\xC5\xCB\xC5\x32");
    QTest::newRow("output 1") << 3 << QByteArray("\xC2\xDB\xD5\xCE\xC4\x31");
    QTest::newRow("output 2") << 4 << QByteArray("\xC2\xDB\xD5\xCE\xC4\x32");
    QTest::newRow("output 5") << 7 << QByteArray("\xC2\xDB\xD5\xCE\xC4\x35");
}

void TestOutputSection::defaults_sevenRecords() {
    QFETCH(int, output);
    QFETCH(QByteArray, name);
    const ConfigImage& d = DefaultImage();
    const std::size_t r = 1832 + 52 * std::size_t(output - 1);
    QCOMPARE(ImageBytes(d, r, 17), Field17(name));
    QCOMPARE(ImageBytes(d, r + 17, 17), Field17("\xC2\xCA\xCB"));      // ВКЛ
    QCOMPARE(ImageBytes(d, r + 34, 17), Field17("\xC2\xDB\xCA\xCB"));  // ВЫКЛ
    QCOMPARE(int(d.u8(r + 51)), 0xA0);
}

void TestOutputSection::defaults_loadAsShown() {
    const OutputSettings v = Loaded(3, DefaultImage());
    QCOMPARE(v.releName, std::string("ВЫХОД1"));
    QCOMPARE(v.releNameAct, std::string("ВКЛ"));
    QCOMPARE(v.releNameDeact, std::string("ВЫКЛ"));
    QCOMPARE(v.commType, 0);
    QVERIFY(v.releEn);
    QVERIFY(!v.releInversion);
    QVERIFY(v.remoteControlEn);
}

void TestOutputSection::store_flagsByte_data() {
    QTest::addColumn<int>("commType");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("inverted");
    QTest::addColumn<bool>("remote");
    QTest::addColumn<int>("byte");
    QTest::newRow("level, all off") << 0 << false << false << false << 0x00;
    QTest::newRow("scenario 14, inverted, remote") << 14 << false << true << true << 0xCE;
    QTest::newRow("scenario 1, enabled") << 1 << true << false << false << 0x21;
    QTest::newRow("no choice, enabled") << -1 << true << false << false << 0x3F;
}

void TestOutputSection::store_flagsByte() {
    QFETCH(int, commType);
    QFETCH(bool, enabled);
    QFETCH(bool, inverted);
    QFETCH(bool, remote);
    QFETCH(int, byte);
    ConfigImage image = DefaultImage();
    OutputSettings v = Loaded(2, image);
    v.commType = commType;
    v.releEn = enabled;
    v.releInversion = inverted;
    v.remoteControlEn = remote;
    StoreOutput(2, v, image);
    QCOMPARE(int(image.u8(1884 + 51)), byte);
    const OutputSettings back = Loaded(2, image);
    QCOMPARE(back.releEn, enabled);
    QCOMPARE(back.releInversion, inverted);
    QCOMPARE(back.remoteControlEn, remote);
}

void TestOutputSection::store_namesKeptAsTypedAndCut() {
    ConfigImage image = DefaultImage();
    OutputSettings v = Loaded(2, image);
    v.releName = "НАСОС";
    v.releNameAct = " ON ";
    v.releNameDeact = "ABCDEFGHIJKLMNOPQR";
    StoreOutput(2, v, image);
    QCOMPARE(ImageBytes(image, 1884, 17), Field17("\xCD\xC0\xD1\xCE\xD1"));
    QCOMPARE(ImageBytes(image, 1884 + 17, 17), Field17(" ON "));
    QCOMPARE(ImageBytes(image, 1884 + 34, 17), Field17("ABCDEFGHIJKLMNOP"));
    QCOMPARE(Loaded(2, image).releNameAct, std::string(" ON "));
}

void TestOutputSection::load_fullNameField_showsSixteenCharacters() {
    ConfigImage image = DefaultImage();
    for (std::size_t i = 0; i < 17; ++i) image.setU8(1936 + i, 'A' + std::uint8_t(i));
    QCOMPARE(Loaded(3, image).releName, std::string("ABCDEFGHIJKLMNOP"));
}

void TestOutputSection::load_commTypeBeyondList_showsNoChoiceAndStoresAllOnes() {
    ConfigImage image = DefaultImage();
    image.setU8(1936 + 51, 0x4F);  // CommType 15, inverted
    OutputSettings v = Loaded(3, image);
    QCOMPARE(v.commType, -1);
    StoreOutput(3, v, image);
    QCOMPARE(int(image.u8(1936 + 51)), 0x5F);
}

void TestOutputSection::storeAndLoad_outputOutsideRange_touchNothing() {
    ConfigImage image = DefaultImage();
    OutputSettings v;
    v.releName = "X";
    StoreOutput(0, v, image);
    StoreOutput(8, v, image);
    QVERIFY(image == DefaultImage());
    OutputSettings shown = Loaded(1, image);
    const OutputSettings before = shown;
    LoadOutput(8, shown, image);
    QVERIFY(shown == before);
}

void TestOutputSection::loadThenStore_changesOnlyTheRecord() {
    for (int output = 1; output <= 4; ++output) {
        const std::string where = test::LoadThenStoreStaysInFootprint(
            [output](ConfigImage& image) {
                OutputSettings v;
                LoadOutput(output, v, image);
                StoreOutput(output, v, image);
            },
            test::OutputFootprint(output));
        QVERIFY2(where.empty(), where.c_str());
    }
}

void TestOutputSection::loadThenStore_defaultImageUnchanged() {
    ConfigImage image = DefaultImage();
    for (int output = 1; output <= 7; ++output) {
        OutputSettings v;
        LoadOutput(output, v, image);
        StoreOutput(output, v, image);
    }
    QVERIFY(image == DefaultImage());
}

void TestOutputSection::captions_relayOrOutput_data() {
    QTest::addColumn<int>("output");
    QTest::addColumn<QString>("enable");
    QTest::addColumn<QString>("sources");
    const QString relay = " События воздействующие на это реле [Вкладка | Воздействие | Событие] ";
    const QString out = " События воздействующие на этот выход [Вкладка | Воздействие | Событие] ";
    QTest::newRow("relay 1") << 1 << "Разрешено" << relay;
    QTest::newRow("relay 2") << 2 << "Разрешено" << relay;
    QTest::newRow("output 1") << 3 << "Разрешен" << out;
    QTest::newRow("output 2") << 4 << "Разрешен" << out;
}

void TestOutputSection::captions_relayOrOutput() {
    QFETCH(int, output);
    QFETCH(QString, enable);
    QFETCH(QString, sources);
    QCOMPARE(QString::fromUtf8(OutputEnableCaption(output).data(),
                               qsizetype(OutputEnableCaption(output).size())),
             enable);
    QCOMPARE(QString::fromUtf8(OutputSourcesCaption(output).data(),
                               qsizetype(OutputSourcesCaption(output).size())),
             sources);
}

void TestOutputSection::sources_listEveryReactionInOrder_data() {
    QTest::addColumn<int>("output");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("relay 2") << 2
        << QStringList{
               "[Часы, планировщик задач]\t\tсценарий 2\tВ 7:5 в указанные дни недели, строка № 3",
               "[Часы, планировщик задач]\t\tвключить\tВ 23:59 в указанные дни недели, строка № 8",
               "[Питание, температура...]\t\tвыключить\tПри вскрытии корпуса",
               "[Питание, температура...]\t\tсценарий 14\tПри превышении температуры выше -15C",
               "Вход [Arm In]\t\t\tсценарий 1\tПри начале обратного отсчета",
               "Вход [Arm In]\t\t\tвключить\tПри переходе в режим ОХРАНА",
               "Вход [Arm In]\t\t\tвыключить\tПри переходе в режим ЗАЩИТА",
               "[Вход 2]\t\t\t\tвыключить\tПри активизации входа 2",
               "[Вход 2]\t\t\t\tсценарий 3\tПри деактивизации входа 2",
               "[Вход 4]\t\t\t\tвключить\tПри деактивизации входа 4",
               "[Профиль 3]\t\t\tсценарий 14\tПри активизации профиля 3"};
    QTest::newRow("relay 1") << 1
        << QStringList{"[Питание, температура...]\t\tвключить\tПри падении температуры ниже -20C"};
    QTest::newRow("output 1") << 3
        << QStringList{"Вход [Arm In]\t\t\tвключить\tПри переходе в режим НАБЛЮДЕНИЕ"};
    QTest::newRow("output 2") << 4 << QStringList{};
}

void TestOutputSection::sources_listEveryReactionInOrder() {
    QFETCH(int, output);
    QFETCH(QStringList, lines);
    QCOMPARE(ToQt(OutputSourcesList(output, ImageWithReactions())), lines);
}

void TestOutputSection::sources_defaultImage_isEmpty() {
    for (int output = 1; output <= 4; ++output) {
        QVERIFY(OutputSourcesList(output, DefaultImage()).empty());
    }
}

void TestOutputSection::sources_unknownReactionCode_showsNumber() {
    ConfigImage image = DefaultImage();
    image.setU8(2850, (31 << 3) | 3);  // tamper: output 2, a code no list has
    image.setU8(3106 + 3, 200);        // ArmToRele4
    QCOMPARE(ToQt(OutputSourcesList(4, image)),
             (QStringList{"[Питание, температура...]\t\t31\tПри вскрытии корпуса",
                          "Вход [Arm In]\t\t\t200\tПри переходе в режим ОХРАНА"}));
}

void TestOutputSection::sources_titlesFromTheTree() {
    ConfigImage image = DefaultImage();
    image.setU8(452 + 76 + 2, 1);  // input 2 ActRele3
    // A translated tree names the section the reaction comes from.
    InterfaceTexts translated = BuiltInInterfaceTexts();
    translated.sectionTree[15].text = "Input 2";
    OutputSourceTexts texts = OutputSourceTexts::From(translated);
    texts.reactions[1] = "switch on";
    QCOMPARE(ToQt(OutputSourcesList(3, image, texts)),
             QStringList{"[Input 2]\t\t\t\tswitch on\tПри активизации входа 2"});
}

QTEST_APPLESS_MAIN(TestOutputSection)
#include "tst_output_section.moc"
