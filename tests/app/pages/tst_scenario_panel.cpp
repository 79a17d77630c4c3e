// Section "Сценарии управления": the scenario grid through the page. Loading
// and storing byte for byte (steps after an end mark included), the editing
// rules while the user types and double-clicks, and the cells that take no
// typing.

#include <QtTest>

#include <QLabel>
#include <QLineEdit>
#include <QStyleOptionViewItem>
#include <QTableWidget>

#include "app/pages/scenario_panel.h"
#include "config/default_image.h"
#include "support/crafted_sections.h"
#include "support/panel_test_helpers.h"

using namespace krx;
using namespace krx::test;

namespace {

constexpr std::size_t Word(int scenario, int word) {
    return 2196 + 34 * std::size_t(scenario - 1) + 2 * std::size_t(word);
}

}  // namespace

class TestScenarioPanel : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void grid_hasItsFixedRowAndColumn();
    void craftedScenario_loadsAndStoresBackByteForByte();
    void edits_landInTheirWords_data();
    void edits_landInTheirWords();
    void countOfOne_clearsTheCyclicMark();
    void onlyDurationsAndACyclicCountTakeTyping();

private:
    void setCell(int row, int column, const QString& text) {
        panel_->table()->item(row, column)->setText(text);
    }
    void doubleClick(int row, int column) { emit panel_->table()->cellDoubleClicked(row, column); }
    QString cell(int row, int column) const { return panel_->table()->item(row, column)->text(); }

    std::unique_ptr<ScenarioPanel> panel_;
    ConfigImage image_;
};

void TestScenarioPanel::init() {
    panel_ = std::make_unique<ScenarioPanel>();
    panel_->adaptToModel(sections::kScenarios);
    panel_->show();
    ApplyDefaults(image_);
    panel_->loadSection(sections::kScenarios, image_);
}

void TestScenarioPanel::cleanup() { panel_.reset(); }

void TestScenarioPanel::grid_hasItsFixedRowAndColumn() {
    QTableWidget* t = panel_->table();
    QCOMPARE(t->objectName(), QString("StringGrid2"));
    QCOMPARE(t->rowCount(), 15);
    QCOMPARE(t->columnCount(), 20);
    QCOMPARE(cell(0, 0), QString("Форма сигнала"));
    QCOMPARE(cell(14, 0), QString("Сценарий № 14"));
    QCOMPARE(t->columnWidth(0), 110);
    QCOMPARE(t->rowHeight(0), 28);
    QVERIFY(!(t->item(3, 0)->flags() & Qt::ItemIsSelectable));
    QCOMPARE(panel_->headerLabel(), Control<QLabel>(*panel_, "Label79"));
}

void TestScenarioPanel::craftedScenario_loadsAndStoresBackByteForByte() {
    // Scenario 14: three times, high 7, low 8, the end mark, then steps
    // that the end mark hides and a store must keep.
    PutCraftedScenario(image_);
    const ConfigImage crafted = image_;
    panel_->loadSection(sections::kScenarios, image_);
    QCOMPARE(cell(14, 1), QString("ЦИКЛ"));
    QCOMPARE(cell(14, 2), QString("3"));
    QCOMPARE(cell(14, 3), QString("ВЫС"));
    QCOMPARE(cell(14, 5), QString("8"));
    QCOMPARE(cell(14, 6), QString());
    ConfigImage stored = crafted;
    for (int w = 0; w <= 3; ++w) stored.setU16(Word(14, w), 0xFFFF);
    panel_->storeSection(sections::kScenarios, stored);
    QVERIFY(stored == crafted);
}

void TestScenarioPanel::edits_landInTheirWords_data() {
    QTest::addColumn<bool>("cyclic");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("end");
    // "НИЗ", 5, 10: low 5, high 10, then the end mark.
    QTest::newRow("not cyclic: end mark takes the next level") << false << 1 << 0x0000;
    QTest::newRow("cyclic: end mark takes the last step's level") << true << 0 << 0x8000;
}

void TestScenarioPanel::edits_landInTheirWords() {
    QFETCH(bool, cyclic);
    QFETCH(int, count);
    QFETCH(int, end);
    // Scenario 3 starts as "ЦИКЛ", 0, "ВЫС", 5, 5, 10, 10.
    QCOMPARE(cell(3, 1), QString("ЦИКЛ"));
    const std::uint16_t afterEnd = image_.u16(Word(3, 4));
    if (!cyclic) doubleClick(3, 1);  // the mark and its count go
    doubleClick(3, 3);               // "ВЫС" becomes "НИЗ"
    QCOMPARE(cell(3, 3), QString("НИЗ"));
    setCell(3, 4, "5");
    setCell(3, 5, "10");
    setCell(3, 6, "");
    setCell(3, 7, "");
    panel_->storeSection(sections::kScenarios, image_);
    QCOMPARE(int(image_.u16(Word(3, 0))), count);
    QCOMPARE(int(image_.u16(Word(3, 1))), 0x0005);
    QCOMPARE(int(image_.u16(Word(3, 2))), 0x800A);
    QCOMPARE(int(image_.u16(Word(3, 3))), end);
    // What follows the end mark stays as it was.
    QCOMPARE(image_.u16(Word(3, 4)), afterEnd);

    // 40000 keeps its low 15 bits: 7232, at the high level of scenario 8.
    setCell(8, 4, "40000");
    panel_->storeSection(sections::kScenarios, image_);
    QCOMPARE(int(image_.u16(Word(8, 1))), 0x8000 | 7232);
}

void TestScenarioPanel::countOfOne_clearsTheCyclicMark() {
    QCOMPARE(cell(2, 1), QString("ЦИКЛ"));
    setCell(2, 2, "1");
    QCOMPARE(cell(2, 1), QString());
    QCOMPARE(cell(2, 2), QString());
    // A count of 2 keeps the mark.
    setCell(3, 2, "2");
    QCOMPARE(cell(3, 1), QString("ЦИКЛ"));
    panel_->storeSection(sections::kScenarios, image_);
    QCOMPARE(int(image_.u16(Word(2, 0))), 1);
    QCOMPARE(int(image_.u16(Word(3, 0))), 2);
}

void TestScenarioPanel::onlyDurationsAndACyclicCountTakeTyping() {
    QTableWidget* t = panel_->table();
    QAbstractItemDelegate* delegate = t->itemDelegate();
    QStyleOptionViewItem option;
    const auto editor = [&](int row, int column) {
        return delegate->createEditor(t->viewport(), option, t->model()->index(row, column));
    };
    QCOMPARE(editor(3, 1), nullptr);  // the cyclic mark: double click only
    QCOMPARE(editor(3, 3), nullptr);  // the level: double click only
    QCOMPARE(editor(4, 2), nullptr);  // scenario 4 is not cyclic: no count
    QVERIFY(editor(3, 2) != nullptr);  // scenario 3 is
    auto* duration = qobject_cast<QLineEdit*>(editor(3, 9));
    QVERIFY(duration);
    QString six = "123456";
    int pos = 0;
    QCOMPARE(duration->validator()->validate(six, pos), QValidator::Invalid);
    QString five = "12345";
    QCOMPARE(duration->validator()->validate(five, pos), QValidator::Acceptable);
}

QTEST_MAIN(TestScenarioPanel)
#include "tst_scenario_panel.moc"
