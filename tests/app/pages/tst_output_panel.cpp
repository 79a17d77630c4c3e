// Sections "Реле 1" .. "Выход 2": one page for the four outputs of this
// model. Names stored as typed, the flags, the captions of a relay and of an
// output, and the read-only list of what drives the output, rebuilt from the
// image every time the page is shown.

#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTreeWidget>

#include "app/pages/output_panel.h"
#include "app/shell/section_pages.h"
#include "app/shell/section_switcher.h"
#include "config/default_image.h"
#include "support/crafted_sections.h"
#include "support/panel_test_helpers.h"

using namespace krx;
using namespace krx::test;

namespace {

// Output n's 52-byte record (relay 1, relay 2, output 1..5).
constexpr std::size_t Record(int output) { return 1832 + 52 * std::size_t(output - 1); }

void PutText(ConfigImage& image, std::size_t at, const QByteArray& cp1251) {
    for (int i = 0; i < 17; ++i) image.setU8(at + std::size_t(i), i < cp1251.size() ? std::uint8_t(cp1251[i]) : 0);
}

QStringList Row(const QTreeWidgetItem* item) {
    QStringList cells;
    for (int c = 0; c < item->columnCount(); ++c) cells << item->text(c);
    return cells;
}

}  // namespace

class TestOutputPanel : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void captions_relayOrOutput_data();
    void captions_relayOrOutput();
    void craftedRecord_storesBackAndLeavesTheOthers();
    void typedNames_storedAsTyped();
    void sources_rebuiltFromTheImageOnEveryShow();
    void sources_relay1_everyKindOfSourceWithItsTexts();

private:
    std::unique_ptr<OutputPanel> panel_;
    ConfigImage image_;
};

void TestOutputPanel::init() {
    panel_ = std::make_unique<OutputPanel>();
    panel_->show();
    ApplyDefaults(image_);
}

void TestOutputPanel::cleanup() { panel_.reset(); }

void TestOutputPanel::captions_relayOrOutput_data() {
    QTest::addColumn<int>("section");
    QTest::addColumn<QString>("enable");
    QTest::addColumn<QString>("sources");
    const QString relay = " События воздействующие на это реле [Вкладка | Воздействие | Событие] ";
    const QString output = " События воздействующие на этот выход [Вкладка | Воздействие | Событие] ";
    QTest::newRow("Реле 1") << 19 << "Разрешено" << relay;
    QTest::newRow("Реле 2") << 20 << "Разрешено" << relay;
    QTest::newRow("Выход 1") << 21 << "Разрешен" << output;
    QTest::newRow("Выход 2") << 22 << "Разрешен" << output;
}

void TestOutputPanel::captions_relayOrOutput() {
    QFETCH(int, section);
    QFETCH(QString, enable);
    QFETCH(QString, sources);
    panel_->adaptToModel(SectionId::FromIndex(section));
    QCOMPARE(Control<QCheckBox>(*panel_, "CheckBoxReleEn")->text(), enable);
    QCOMPARE(Control<QGroupBox>(*panel_, "GroupBoxReleSources")->title(), sources);
    QCOMPARE(panel_->objectName(), QString("Panel9"));
    QCOMPARE(panel_->headerLabel(), Control<QLabel>(*panel_, "Label6"));
}

void TestOutputPanel::craftedRecord_storesBackAndLeavesTheOthers() {
    // Output 2 (section 22): a name with trailing blanks, other state names,
    // "сценарий 7", not enabled, inverted, no remote control.
    PutCraftedOutput(image_);
    // Outputs 3..5 are the larger model's: whatever they hold stays.
    for (int output = 5; output <= 7; ++output) {
        PutText(image_, Record(output), "X" + QByteArray::number(output));
        image_.setU8(Record(output) + 51, std::uint8_t(0xA0 + output));
    }
    const ConfigImage crafted = image_;
    const SectionId section = SectionId::FromIndex(22);
    panel_->adaptToModel(section);
    panel_->loadSection(section, image_);
    QCOMPARE(Control<QComboBox>(*panel_, "ComboBoxReleName")->currentText(), QString("НАСОС  "));
    QCOMPARE(Control<QComboBox>(*panel_, "ComboBoxCommType")->currentText(), QString("сценарий 7"));
    ConfigImage stored = DefaultImage();
    for (int output = 5; output <= 7; ++output) {
        PutText(stored, Record(output), "X" + QByteArray::number(output));
        stored.setU8(Record(output) + 51, std::uint8_t(0xA0 + output));
    }
    panel_->storeSection(section, stored);
    QCOMPARE(ImageBytes(stored, Record(4), 52), ImageBytes(crafted, Record(4), 52));
    QVERIFY(stored == crafted);
}

void TestOutputPanel::typedNames_storedAsTyped() {
    const SectionId section = SectionId::FromIndex(19);
    panel_->adaptToModel(section);
    panel_->loadSection(section, image_);
    auto* name = Control<QComboBox>(*panel_, "ComboBoxReleName");
    name->setEditText(" ЗАМОК ");
    Control<QComboBox>(*panel_, "ComboBoxReleNameAct")->setEditText("ОТКРЫТ");
    Control<QCheckBox>(*panel_, "CheckBoxReleInversion")->setChecked(true);
    Control<QComboBox>(*panel_, "ComboBoxCommType")->setCurrentIndex(14);
    panel_->storeSection(section, image_);
    // " ЗАМОК " in Windows-1251, blanks kept, zero after it.
    QCOMPARE(ImageBytes(image_, Record(1), 8), QByteArray("\x20\xC7\xC0\xCC\xCE\xCA\x20\x00", 8));
    QCOMPARE(ImageBytes(image_, Record(1) + 17, 7), QByteArray("\xCE\xD2\xCA\xD0\xDB\xD2\x00", 7));
    // Type 14, enabled (default), inverted, remote control (default).
    QCOMPARE(int(image_.u8(Record(1) + 51)), 14 | 0x20 | 0x40 | 0x80);
    // At most 16 characters can be typed.
    name->lineEdit()->selectAll();
    TypeText(name->lineEdit(), "ОБОГРЕВАТЕЛЬ_ДЛИННОЕ");
    QCOMPARE(name->currentText(), QString("ОБОГРЕВАТЕЛЬ_ДЛИ"));
}

void TestOutputPanel::sources_rebuiltFromTheImageOnEveryShow() {
    QStackedWidget stack;
    const SectionPages pages = CreateSectionPages(stack);
    SectionSwitcher switcher(image_, [&pages](SectionId id) { return pages.at(id); }, stack);
    SectionPanel* outputPage = pages.at(SectionId::FromIndex(19));
    auto* list = outputPage->findChild<QTreeWidget*>("ListBoxReleSources");
    QVERIFY(list);

    switcher.switchTo(SectionId::FromIndex(19), "Реле 1");
    QCOMPARE(list->topLevelItemCount(), 0);  // nothing drives relay 1 by default

    // On the power page: the tamper reaction switches relay 1 on.
    switcher.switchTo(sections::kPower, "Питание, температура, индикация, контроль вскрытия");
    SectionPanel* power = pages.at(sections::kPower);
    power->findChild<QComboBox*>("ComboBoxTamperActOutN")->setCurrentIndex(0);
    power->findChild<QComboBox*>("ComboBoxTamperActScnN")->setCurrentIndex(1);

    switcher.switchTo(SectionId::FromIndex(19), "Реле 1");
    QCOMPARE(list->topLevelItemCount(), 1);
    QCOMPARE(Row(list->topLevelItem(0)),
             (QStringList{"[Питание, температура...]", "включить", "При вскрытии корпуса"}));
    // Relay 2 is driven by nothing.
    switcher.switchTo(SectionId::FromIndex(20), "Реле 2");
    QCOMPARE(list->topLevelItemCount(), 0);
}

void TestOutputPanel::sources_relay1_everyKindOfSourceWithItsTexts() {
    // Relay 1 is output 0 in every packed reaction; reaction code 1 is
    // "включить", 2 "выключить", 3 + n - 1 "сценарий n".
    const std::size_t task1 = 2680;
    image_.setU8(task1 + 0, 0x01);   // enabled
    image_.setU8(task1 + 4, 0x7F);   // every day
    image_.setU8(task1 + 5, 6);
    image_.setU8(task1 + 6, 30);
    image_.setU8(task1 + 12, 0x0C);  // drive an output
    image_.setU8(task1 + 13, 0);     // relay 1
    image_.setU8(task1 + 14, 1);     // "включить"
    image_.setU8(2850, (2 << 3) | 0);   // tamper: "выключить"
    image_.setU8(2847, 45);             // upper border +45
    image_.setU8(2848, (3 << 3) | 0);   // over it: "сценарий 1"
    image_.setU8(2845, 0xFB);           // lower border -5
    image_.setU8(2846, (4 << 3) | 0);   // under it: "сценарий 2"
    image_.setU8(3106, 1);              // ArmToRele1: "включить"
    image_.setU8(544 + 76, 1);          // input 3 ActRele1: "включить"
    image_.setU8(544 + 83, 2);          // input 3 PassRele1: "выключить"
    image_.setU8(4316 + 114, 7);        // profile 1 ProfileToR1: "сценарий 5"
    // The same reactions on relay 2 are not relay 1's.
    image_.setU8(3106 + 1, 2);

    const SectionId relay1 = SectionId::FromIndex(19);
    panel_->adaptToModel(relay1);
    panel_->loadSection(relay1, image_);
    auto* list = Control<QTreeWidget>(*panel_, "ListBoxReleSources");
    QList<QStringList> rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) rows << Row(list->topLevelItem(i));
    const QList<QStringList> expected{
        {"[Часы, планировщик задач]", "включить", "В 6:30 в указанные дни недели, строка № 1"},
        {"[Питание, температура...]", "выключить", "При вскрытии корпуса"},
        {"[Питание, температура...]", "сценарий 1", "При превышении температуры выше 45C"},
        {"[Питание, температура...]", "сценарий 2", "При падении температуры ниже -5C"},
        {"Вход [Arm In]", "включить", "При переходе в режим ОХРАНА"},
        {"[Вход 3]", "включить", "При активизации входа 3"},
        {"[Вход 3]", "выключить", "При деактивизации входа 3"},
        {"[Профиль 1]", "сценарий 5", "При активизации профиля 1"},
    };
    QCOMPARE(rows, expected);

    // An output that nothing drives shows an empty list.
    const SectionId output2 = SectionId::FromIndex(22);
    panel_->adaptToModel(output2);
    panel_->loadSection(output2, image_);
    QCOMPARE(list->topLevelItemCount(), 0);
}

QTEST_MAIN(TestOutputPanel)
#include "tst_output_panel.moc"
