// The language file read by position: what makes a file valid, how lines
// end, the code page, and which catalogue entries each vocabulary line
// replaces.

#include <QtTest>

#include <string>

#include "config/language_file.h"

using namespace krx;

namespace {

const std::string kHeader = "// KRX Language file - do not change this line!";

// A file of `count` lines: the header, then "L1", "L2" ..., joined by `end`
// and ended by it too.
std::string MakeFile(int count, const std::string& end = "\r\n", const std::string& header = kHeader) {
    std::string file = header + end;
    for (int n = 1; n < count; ++n) file += "L" + std::to_string(n) + end;
    return file;
}

LanguageLines Numbered() {
    LanguageLines lines(kLanguageFileLineCount);
    lines[0] = kHeader;
    for (int n = 1; n < kLanguageFileLineCount; ++n) lines[std::size_t(n)] = "L" + std::to_string(n);
    return lines;
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

class TestLanguageFile : public QObject {
    Q_OBJECT
private slots:
    void read_acceptsOnlyExactFiles_data();
    void read_acceptsOnlyExactFiles();
    void read_lastLineWithoutEnd();
    void read_decodesWindows1251();
    void read_keepsBlanksAndEmptyLines();
    void vocabulary_treeNodesByBlockPosition_data();
    void vocabulary_treeNodesByBlockPosition();
    void vocabulary_listsAndStrings();
    void vocabulary_emptyLineEmptiesItsTarget();
};

void TestLanguageFile::read_acceptsOnlyExactFiles_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("accepted");
    const auto bytes = [](const std::string& s) { return QByteArray::fromStdString(s); };
    QTest::newRow("413 lines, CR LF") << bytes(MakeFile(413)) << true;
    QTest::newRow("413 lines, LF") << bytes(MakeFile(413, "\n")) << true;
    QTest::newRow("413 lines, CR") << bytes(MakeFile(413, "\r")) << true;
    QTest::newRow("412 lines") << bytes(MakeFile(412)) << false;
    QTest::newRow("414 lines") << bytes(MakeFile(414)) << false;
    QTest::newRow("413 lines and an empty one") << bytes(MakeFile(413) + "\r\n") << false;
    QTest::newRow("header with a trailing blank") << bytes(MakeFile(413, "\r\n", kHeader + " ")) << false;
    QTest::newRow("header in other case") << bytes(MakeFile(413, "\r\n", "// krx Language file - do not change this line!"))
                                          << false;
    QTest::newRow("empty file") << QByteArray() << false;
    // LF CR is two line ends, not one: 413 lines become 825.
    QTest::newRow("LF CR line ends") << bytes(MakeFile(413, "\n\r")) << false;
}

void TestLanguageFile::read_acceptsOnlyExactFiles() {
    QFETCH(QByteArray, file);
    QFETCH(bool, accepted);
    const auto lines = ReadLanguageFile(std::string_view(file.constData(), std::size_t(file.size())));
    QCOMPARE(lines.has_value(), accepted);
    if (accepted) {
        QCOMPARE(int(lines->size()), 413);
        QCOMPARE(Q(lines->at(1)), QStringLiteral("L1"));
        QCOMPARE(Q(lines->at(412)), QStringLiteral("L412"));
    }
}

void TestLanguageFile::read_lastLineWithoutEnd() {
    std::string file = MakeFile(413);
    file.resize(file.size() - 2);  // "L412" has no line end
    const auto lines = ReadLanguageFile(file);
    QVERIFY(lines.has_value());
    QCOMPARE(Q(lines->at(412)), QStringLiteral("L412"));
}

void TestLanguageFile::read_decodesWindows1251() {
    std::string file = MakeFile(413);
    // Line 1 "L1" becomes "Тест" in Windows-1251: D2 E5 F1 F2.
    const std::size_t at = file.find("L1\r\n");
    file.replace(at, 2, "\xD2\xE5\xF1\xF2");
    const auto lines = ReadLanguageFile(file);
    QVERIFY(lines.has_value());
    QCOMPARE(Q(lines->at(1)), QStringLiteral("Тест"));
}

void TestLanguageFile::read_keepsBlanksAndEmptyLines() {
    std::string file = MakeFile(413);
    file.replace(file.find("L1\r\n"), 2, "  x ");
    file.replace(file.find("L2\r\n"), 2, "");
    const auto lines = ReadLanguageFile(file);
    QVERIFY(lines.has_value());
    QCOMPARE(Q(lines->at(1)), QStringLiteral("  x "));
    QCOMPARE(Q(lines->at(2)), QString());
    QCOMPARE(Q(lines->at(3)), QStringLiteral("L3"));
}

void TestLanguageFile::vocabulary_treeNodesByBlockPosition_data() {
    QTest::addColumn<int>("section");
    QTest::addColumn<QString>("text");
    // The tree block starts at line 20.
    QTest::newRow("root") << 0 << "L20";
    QTest::newRow("general") << 1 << "L21";
    QTest::newRow("connection 8") << 9 << "L29";
    QTest::newRow("arm-in") << 12 << "L32";
    QTest::newRow("inputs: position 17") << 13 << "L37";
    QTest::newRow("input 4: position 21") << 17 << "L41";
    QTest::newRow("outputs: position 34") << 18 << "L54";
    QTest::newRow("relay 1: position 35") << 19 << "L55";
    QTest::newRow("output 2: position 38") << 22 << "L58";
    QTest::newRow("scenarios: position 42") << 23 << "L62";
    QTest::newRow("profiles keep theirs") << 24 << "Профили";
    QTest::newRow("profile 4 keeps its") << 28 << "Профиль 4";
    QTest::newRow("system parameters keep theirs") << 29 << "Системные параметры";
}

void TestLanguageFile::vocabulary_treeNodesByBlockPosition() {
    QFETCH(int, section);
    QFETCH(QString, text);
    const InterfaceTexts t = ApplyLanguageVocabulary(Numbered(), BuiltInInterfaceTexts());
    QCOMPARE(Q(SectionNodeTextOf(t, SectionId::FromIndex(section))), text);
    QCOMPARE(t.sectionTree.size(), BuiltInInterfaceTexts().sectionTree.size());
    QCOMPARE(t.sectionTree[std::size_t(section)].level, BuiltInInterfaceTexts().sectionTree[std::size_t(section)].level);
}

void TestLanguageFile::vocabulary_listsAndStrings() {
    const InterfaceTexts t = ApplyLanguageVocabulary(Numbered(), BuiltInInterfaceTexts());
    QCOMPARE(Q(t.armStates.at(0)), QStringLiteral("L77"));
    QCOMPARE(Q(t.armStates.at(2)), QStringLiteral("L79"));
    QCOMPARE(Q(t.armStates.at(3)), QStringLiteral("Смена режима"));  // no line gives it
    QCOMPARE(Q(t.outputNames.front()), QStringLiteral("L88"));
    QCOMPARE(Q(t.outputNames.back()), QStringLiteral("L94"));
    QCOMPARE(t.outputActions.size(), std::size_t{17});
    QCOMPARE(Q(t.outputActions.front()), QStringLiteral("L95"));
    QCOMPARE(Q(t.outputActions.back()), QStringLiteral("L111"));
    QCOMPARE(Q(t.scenarioActions.front()), QStringLiteral("L215"));
    QCOMPARE(Q(t.scenarioActions.back()), QStringLiteral("L224"));
    // Emptied and refilled with seven lines.
    QCOMPARE(t.indicatorFunctions.size(), std::size_t{7});
    QCOMPARE(Q(t.indicatorFunctions.front()), QStringLiteral("L247"));
    QCOMPARE(Q(t.indicatorFunctions.back()), QStringLiteral("L253"));
    QCOMPARE(Q(t.keyTable.alreadyListedPrefix), QStringLiteral("L265"));
    QCOMPARE(Q(t.keyTable.memoryFull), QStringLiteral("L267"));
    QCOMPARE(Q(t.armInModeOnOutput), QStringLiteral("L276"));
    QCOMPARE(Q(t.permissionWords.at(0)), QStringLiteral("L338"));
    QCOMPARE(Q(t.permissionWords.at(1)), QStringLiteral("L338"));
    QCOMPARE(Q(t.sourceListHeadings.at(0)), QStringLiteral(" L346 "));
    QCOMPARE(Q(t.sourceListHeadings.at(1)), QStringLiteral(" L347 "));
    QCOMPARE(Q(t.scenarioGrid.header), QStringLiteral("L349"));
    QCOMPARE(Q(t.scenarioGrid.scenario), QStringLiteral("L350"));
    QCOMPARE(Q(t.scenarioGrid.cyclic), QStringLiteral("L351"));
    QCOMPARE(Q(t.scenarioGrid.low), QStringLiteral("L353"));
    QCOMPARE(Q(t.portDialogCaption), QStringLiteral("L370"));
    QCOMPARE(Q(t.portOpenError), QStringLiteral("L371"));
    QCOMPARE(Q(t.aboutCaption), QStringLiteral("L373"));
    QCOMPARE(Q(t.aboutForVersion), QStringLiteral("L374"));
    QCOMPARE(t.gsmStates.size(), std::size_t{12});
    QCOMPARE(Q(t.gsmStates.front()), QStringLiteral("L376"));
    QCOMPARE(Q(t.gsmStates.back()), QStringLiteral("L387"));
    QCOMPARE(t.transferMessages.size(), std::size_t{20});
    QCOMPARE(Q(t.transferMessages.front()), QStringLiteral("L389"));
    QCOMPARE(Q(t.transferMessages.back()), QStringLiteral("L408"));
    // What no line gives stays.
    QCOMPARE(t.clockCheck, BuiltInInterfaceTexts().clockCheck);
    QCOMPARE(Q(t.imeiClipboardPrefix), QStringLiteral("IMEI: "));
}

void TestLanguageFile::vocabulary_emptyLineEmptiesItsTarget() {
    LanguageLines lines = Numbered();
    lines[77].clear();
    lines[346].clear();
    const InterfaceTexts t = ApplyLanguageVocabulary(lines, BuiltInInterfaceTexts());
    QCOMPARE(Q(t.armStates.at(0)), QString());
    QCOMPARE(Q(t.sourceListHeadings.at(0)), QStringLiteral("  "));
}

QTEST_APPLESS_MAIN(TestLanguageFile)
#include "tst_language_file.moc"
