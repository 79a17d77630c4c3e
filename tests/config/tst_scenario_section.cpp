// Section "Сценарии управления": scenario records to and from the grid, the
// grid editing rules and the fourteen default scenarios, pinned against words
// worked out by hand from the scenario table.

#include <QtTest>

#include "config/default_image.h"
#include "config/scenario_grid_rules.h"
#include "config/scenario_section.h"
#include "footprint_check.h"

using namespace krx;

using Words = QList<int>;  // repeat count, then the 16 steps
Q_DECLARE_METATYPE(ScenarioGridRow)

namespace {

Words RecordWords(const ConfigImage& image, int scenario) {
    Words w;
    const std::size_t r = 2196 + 34 * std::size_t(scenario - 1);
    for (std::size_t i = 0; i < 17; ++i) {
        w << (image.u8(r + 2 * i) | (image.u8(r + 2 * i + 1) << 8));
    }
    return w;
}

void SetRecordWords(ConfigImage& image, int scenario, const Words& words) {
    const std::size_t r = 2196 + 34 * std::size_t(scenario - 1);
    for (std::size_t i = 0; i < 17; ++i) {
        image.setU8(r + 2 * i, std::uint8_t(words[qsizetype(i)] & 0xFF));
        image.setU8(r + 2 * i + 1, std::uint8_t(words[qsizetype(i)] >> 8));
    }
}

// A word list padded with zeros to 17 words.
Words Padded(Words w, int fill = 0) {
    while (w.size() < 17) w << fill;
    return w;
}

ScenarioGridRow Row(const QString& cyclic, const QString& count, const QString& level,
                    const QStringList& durations) {
    ScenarioGridRow row;
    row[0] = "Сценарий № 1";
    row[1] = cyclic.toStdString();
    row[2] = count.toStdString();
    row[3] = level.toStdString();
    for (qsizetype j = 0; j < durations.size(); ++j) {
        row[std::size_t(4 + j)] = durations[j].toStdString();
    }
    return row;
}

QStringList RowTexts(const ScenarioGridRow& row) {
    QStringList out;
    for (const auto& cell : row) out << QString::fromStdString(cell);
    return out;
}

QStringList Cells(const QStringList& filled) {
    QStringList out = filled;
    while (out.size() < 20) out << QString();
    return out;
}

}  // namespace

class TestScenarioSection : public QObject {
    Q_OBJECT
private slots:
    void defaults_fourteenScenarios_data();
    void defaults_fourteenScenarios();
    void store_row_data();
    void store_row();
    void load_row_data();
    void load_row();
    void load_header();
    void storeThenLoad_cellsAfterAGapDisappear();
    void store_usesReplacedWords();
    void loadThenStore_changesOnlyTheTable();
    void loadThenStore_defaultImageUnchanged();
    void durationCell_acceptsUpToFiveDigits_data();
    void durationCell_acceptsUpToFiveDigits();
    void typable_onlyDurationsAndCountOfCyclicRow();
    void toggle_cyclicAndLevelCells();
    void rowEdited_countOneOrNotCyclic_clearsCyclicAndCount_data();
    void rowEdited_countOneOrNotCyclic_clearsCyclicAndCount();
    void typingCountOne_storesNonCyclic();
    void waveform_followsTheRow();
};

void TestScenarioSection::defaults_fourteenScenarios_data() {
    QTest::addColumn<int>("scenario");
    QTest::addColumn<Words>("words");
    QTest::newRow("1") << 1 << Padded({0, 0x8001, 0x0001, 0x0000});
    QTest::newRow("2") << 2 << Padded({0, 0x8002, 0x0002, 0x8002, 0x0002, 0x0000});
    QTest::newRow("3") << 3 << Padded({0, 0x8005, 0x0005, 0x800A, 0x000A, 0x0000});
    QTest::newRow("4") << 4 << Padded({1, 0x8002, 0x0002, 0x8002, 0x0000});
    QTest::newRow("5") << 5 << Padded({1, 0x0001, 0x8001, 0x0002, 0x8000});
    QTest::newRow("6") << 6 << Padded({0, 0x8002, 0x0003, 0x0000});
    QTest::newRow("7") << 7 << Padded({1, 0x8005, 0x0000});
    for (int s = 8; s <= 14; ++s) {
        QTest::addRow("%d", s) << s << Padded({1, 0x8001, 0x0000, 0x8000});
    }
}

void TestScenarioSection::defaults_fourteenScenarios() {
    QFETCH(int, scenario);
    QFETCH(Words, words);
    QCOMPARE(RecordWords(DefaultImage(), scenario), words);
}

void TestScenarioSection::store_row_data() {
    QTest::addColumn<ScenarioGridRow>("row");
    QTest::addColumn<Words>("words");
    // Steps behind the end mark hold 0x1234 before the store and must keep it.
    const int k = 0x1234;
    QTest::newRow("low start, not cyclic: end mark takes the next level")
        << Row("", "", "НИЗ", {"5", "10"}) << Padded({1, 0x0005, 0x800A, 0x0000}, k);
    QTest::newRow("cyclic: end mark takes the last step's level")
        << Row("ЦИКЛ", "3", "НИЗ", {"5", "10"}) << Padded({3, 0x0005, 0x800A, 0x8000}, k);
    QTest::newRow("duration keeps its low 15 bits")
        << Row("", "", "ВЫС", {"40000"}) << Padded({1, 0x8000 | 7232, 0x0000}, k);
    QTest::newRow("empty cell ends the scenario")
        << Row("", "", "ВЫС", {"3", "", "7"}) << Padded({1, 0x8003, 0x0000}, k);
    QTest::newRow("text that is no number ends the scenario")
        << Row("", "", "ВЫС", {"abc", "7"}) << Padded({1, 0x8000}, k);
    QTest::newRow("level other than high word starts low")
        << Row("", "", "выс", {"2"}) << Padded({1, 0x0002, 0x8000}, k);
    QTest::newRow("first step empty, not cyclic")
        << Row("", "", "ВЫС", {}) << Padded({1, 0x8000}, k);
    QTest::newRow("first step empty, cyclic")
        << Row("ЦИКЛ", "2", "ВЫС", {}) << Padded({2, 0x0000}, k);
    QTest::newRow("cyclic with empty count repeats endlessly")
        << Row("ЦИКЛ", "", "ВЫС", {"1"}) << Padded({0, 0x8001, 0x8000}, k);
    QTest::newRow("negative count keeps its low 16 bits")
        << Row("ЦИКЛ", "-1", "ВЫС", {"1"}) << Padded({0xFFFF, 0x8001, 0x8000}, k);
    QTest::newRow("large count keeps its low 16 bits")
        << Row("ЦИКЛ", "70000", "ВЫС", {"1"}) << Padded({0x1170, 0x8001, 0x8000}, k);
    QTest::newRow("count of a row not marked cyclic is ignored")
        << Row("", "5", "ВЫС", {"1"}) << Padded({1, 0x8001, 0x0000}, k);
    QTest::newRow("duration with zero low bits is an end mark")
        << Row("ЦИКЛ", "4", "ВЫС", {"5", "32768", "9"}) << Padded({4, 0x8005, 0x8000}, k);
    QStringList all;
    for (int d = 1; d <= 16; ++d) all << QString::number(d);
    QTest::newRow("sixteen steps leave no end mark")
        << Row("ЦИКЛ", "0", "ВЫС", all)
        << Words{0,      0x8001, 0x0002, 0x8003, 0x0004, 0x8005, 0x0006, 0x8007, 0x0008,
                 0x8009, 0x000A, 0x800B, 0x000C, 0x800D, 0x000E, 0x800F, 0x0010};
}

void TestScenarioSection::store_row() {
    QFETCH(ScenarioGridRow, row);
    QFETCH(Words, words);
    ConfigImage image = DefaultImage();
    SetRecordWords(image, 9, Padded({}, 0x1234));
    ScenarioGrid grid;
    LoadScenarios(grid, image);
    grid.cells[9] = row;
    StoreScenarios(grid, image);
    QCOMPARE(RecordWords(image, 9), words);
    // The neighbours are stored as they were loaded.
    QCOMPARE(RecordWords(image, 8), RecordWords(DefaultImage(), 8));
    QCOMPARE(RecordWords(image, 10), RecordWords(DefaultImage(), 10));
}

void TestScenarioSection::load_row_data() {
    QTest::addColumn<int>("scenario");
    QTest::addColumn<Words>("words");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("default 1: endless")
        << 1 << Padded({0, 0x8001, 0x0001, 0x0000})
        << Cells({"Сценарий № 1", "ЦИКЛ", "0", "ВЫС", "1", "1"});
    QTest::newRow("default 5: once, low start")
        << 5 << Padded({1, 0x0001, 0x8001, 0x0002, 0x8000})
        << Cells({"Сценарий № 5", "", "", "НИЗ", "1", "1", "2"});
    QTest::newRow("count shown signed")
        << 12 << Padded({0xFFFF, 0x9C40, 0x0000})
        << Cells({"Сценарий № 12", "ЦИКЛ", "-1", "ВЫС", "7232"});
    QTest::newRow("end mark first: no level")
        << 14 << Padded({1, 0x8000, 0x8005}) << Cells({"Сценарий № 14"});
    QTest::newRow("sixteen steps")
        << 3
        << Words{2,      0x0001, 0x8002, 0x0003, 0x8004, 0x0005, 0x8006, 0x0007, 0x8008,
                 0x0009, 0x800A, 0x000B, 0x800C, 0x000D, 0x800E, 0x000F, 0x7FFF}
        << Cells({"Сценарий № 3", "ЦИКЛ", "2", "НИЗ", "1", "2", "3", "4", "5", "6", "7", "8",
                  "9", "10", "11", "12", "13", "14", "15", "32767"});
}

void TestScenarioSection::load_row() {
    QFETCH(int, scenario);
    QFETCH(Words, words);
    QFETCH(QStringList, cells);
    ConfigImage image = DefaultImage();
    SetRecordWords(image, scenario, words);
    ScenarioGrid grid;
    for (auto& row : grid.cells) row.fill("stale");
    LoadScenarios(grid, image);
    QCOMPARE(RowTexts(grid.cells[std::size_t(scenario)]), cells);
}

void TestScenarioSection::load_header() {
    ScenarioGrid grid;
    for (auto& row : grid.cells) row.fill("stale");
    LoadScenarios(grid, DefaultImage());
    QCOMPARE(RowTexts(grid.cells[0]), Cells({"Форма сигнала"}));
}

void TestScenarioSection::storeThenLoad_cellsAfterAGapDisappear() {
    ConfigImage image = DefaultImage();
    ScenarioGrid grid;
    LoadScenarios(grid, image);
    grid.cells[2] = Row("", "", "ВЫС", {"3", "4", "", "7", "8"});
    StoreScenarios(grid, image);
    LoadScenarios(grid, image);
    QCOMPARE(RowTexts(grid.cells[2]), Cells({"Сценарий № 2", "", "", "ВЫС", "3", "4"}));
}

void TestScenarioSection::store_usesReplacedWords() {
    ScenarioGridWords words;
    words.cyclic = "LOOP";
    words.high = "HI";
    words.low = "LO";
    words.scenario = "Scenario #";
    ConfigImage image = DefaultImage();
    ScenarioGrid grid;
    LoadScenarios(grid, image, words);
    QCOMPARE(RowTexts(grid.cells[1]), Cells({"Scenario # 1", "LOOP", "0", "HI", "1", "1"}));
    grid.cells[1] = Row("LOOP", "2", "HI", {"6"});
    StoreScenarios(grid, image, words);
    QCOMPARE(RecordWords(image, 1), Padded({2, 0x8006, 0x8000}));
    grid.cells[1] = Row("ЦИКЛ", "2", "ВЫС", {"6"});  // the built-in words mean nothing now
    StoreScenarios(grid, image, words);
    QCOMPARE(RecordWords(image, 1), Padded({1, 0x0006, 0x8000}));
}

void TestScenarioSection::loadThenStore_changesOnlyTheTable() {
    const std::string where = test::LoadThenStoreStaysInFootprint(
        [](ConfigImage& image) {
            ScenarioGrid grid;
            LoadScenarios(grid, image);
            StoreScenarios(grid, image);
        },
        test::ScenariosFootprint());
    QVERIFY2(where.empty(), where.c_str());
}

void TestScenarioSection::loadThenStore_defaultImageUnchanged() {
    ConfigImage image = DefaultImage();
    ScenarioGrid grid;
    LoadScenarios(grid, image);
    StoreScenarios(grid, image);
    QVERIFY(image == DefaultImage());
}

void TestScenarioSection::durationCell_acceptsUpToFiveDigits_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("empty") << "" << true;
    QTest::newRow("five digits") << "12345" << true;
    QTest::newRow("six digits") << "123456" << false;
    QTest::newRow("letter") << "12a" << false;
    QTest::newRow("sign") << "-1" << false;
    QTest::newRow("blank") << " 1" << false;
}

void TestScenarioSection::durationCell_acceptsUpToFiveDigits() {
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QCOMPARE(DurationCellAccepts(text.toStdString()), accepted);
}

void TestScenarioSection::typable_onlyDurationsAndCountOfCyclicRow() {
    ScenarioGrid grid;
    LoadScenarios(grid, DefaultImage());  // row 1 cyclic, row 4 not
    QVERIFY(ScenarioCellTypable(grid, 1, 2));
    QVERIFY(!ScenarioCellTypable(grid, 4, 2));
    for (int row : {1, 4}) {
        QVERIFY(!ScenarioCellTypable(grid, row, 0));
        QVERIFY(!ScenarioCellTypable(grid, row, 1));
        QVERIFY(!ScenarioCellTypable(grid, row, 3));
        QVERIFY(ScenarioCellTypable(grid, row, 4));
        QVERIFY(ScenarioCellTypable(grid, row, 19));
    }
    QVERIFY(!ScenarioCellTypable(grid, 0, 5));  // header
}

void TestScenarioSection::toggle_cyclicAndLevelCells() {
    ScenarioGrid grid;
    LoadScenarios(grid, DefaultImage());
    ToggleScenarioCell(grid, 1, 1);  // cyclic row 1 -> not cyclic
    QCOMPARE(grid.at(1, 1), std::string());
    QCOMPARE(grid.at(1, 2), std::string());
    ToggleScenarioCell(grid, 4, 1);  // not cyclic row 4 -> cyclic, count 0
    QCOMPARE(grid.at(4, 1), std::string("ЦИКЛ"));
    QCOMPARE(grid.at(4, 2), std::string("0"));

    ToggleScenarioCell(grid, 4, 3);
    QCOMPARE(grid.at(4, 3), std::string("НИЗ"));
    ToggleScenarioCell(grid, 4, 3);
    QCOMPARE(grid.at(4, 3), std::string("ВЫС"));
    grid.at(4, 3).clear();
    ToggleScenarioCell(grid, 4, 3);
    QCOMPARE(grid.at(4, 3), std::string("ВЫС"));

    const ScenarioGrid before = grid;
    ToggleScenarioCell(grid, 4, 5);  // a duration cell does not toggle
    ToggleScenarioCell(grid, 0, 1);  // nor does the header
    QVERIFY(grid == before);
}

void TestScenarioSection::rowEdited_countOneOrNotCyclic_clearsCyclicAndCount_data() {
    QTest::addColumn<QString>("cyclic");
    QTest::addColumn<QString>("count");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<bool>("stopsTyping");
    QTest::newRow("cyclic, count 1") << "ЦИКЛ" << "1" << true << true;
    QTest::newRow("cyclic, count 3") << "ЦИКЛ" << "3" << false << false;
    QTest::newRow("cyclic, count empty") << "ЦИКЛ" << "" << false << false;
    QTest::newRow("not cyclic, count left") << "" << "5" << true << true;
    QTest::newRow("not cyclic, nothing to clear") << "" << "" << true << false;
}

void TestScenarioSection::rowEdited_countOneOrNotCyclic_clearsCyclicAndCount() {
    QFETCH(QString, cyclic);
    QFETCH(QString, count);
    QFETCH(bool, cleared);
    QFETCH(bool, stopsTyping);
    ScenarioGrid grid;
    grid.cells[6] = Row(cyclic, count, "ВЫС", {"4"});
    QCOMPARE(ScenarioRowEdited(grid, 6), stopsTyping);
    QCOMPARE(grid.at(6, 1).empty() && grid.at(6, 2).empty(), cleared);
    QCOMPARE(grid.at(6, 4), std::string("4"));
}

void TestScenarioSection::typingCountOne_storesNonCyclic() {
    ConfigImage image = DefaultImage();
    ScenarioGrid grid;
    LoadScenarios(grid, image);
    grid.at(2, 2) = "1";  // typed into the count of cyclic scenario 2
    ScenarioRowEdited(grid, 2);
    StoreScenarios(grid, image);
    // H2 L2 H2 L2 played once: the end mark takes the level after the last step.
    QCOMPARE(RecordWords(image, 2), Padded({1, 0x8002, 0x0002, 0x8002, 0x0002, 0x8000}));
}

void TestScenarioSection::waveform_followsTheRow() {
    QCOMPARE(WaveformOfRow(Row("ЦИКЛ", "0", "ВЫС", {"1", "2", "0", "4"})),
             (ScenarioWaveform{true, 2, true}));
    QCOMPARE(WaveformOfRow(Row("", "", "НИЗ", {"7", "", "4"})), (ScenarioWaveform{false, 1, false}));
    QCOMPARE(WaveformOfRow(Row("", "", "", {})), (ScenarioWaveform{false, 0, false}));
}

QTEST_APPLESS_MAIN(TestScenarioSection)
#include "tst_scenario_section.moc"
