// Section "Вход [Arm In]" as the user sees it: what this model trims, the
// values stored through the real controls, the touch-key grid (typing,
// dragging rows, keys touched to the reader) and its messages.

#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "app/pages/arm_in_panel.h"
#include "app/widgets/key_grid.h"
#include "app/widgets/up_down_edit.h"
#include "app/widgets/widget_colours.h"
#include "config/default_image.h"
#include "app/live/monitor_presenter.h"
#include "monitor/monitor_host.h"
#include "support/panel_test_helpers.h"

using namespace krx;
using namespace krx::test;

namespace {

constexpr std::size_t kKeys = 3292;  // entry i at kKeys + 32 * i
const QString kBlankCode(16, QLatin1Char(' '));

// Puts a key with an ASCII name into entry `row` (1 .. 32) of the image.
void PutKey(ConfigImage& image, int row, const QByteArray& code8, const char* name) {
    const std::size_t at = kKeys + 32 * std::size_t(row - 1);
    for (int j = 0; j < 8; ++j) image.setU8(at + std::size_t(j), std::uint8_t(code8[j]));
    image.setText(at + 8, 17, name);
}

// The editor that opens on a grid cell.
QLineEdit* OpenCellEditor(KeyGrid* grid, int row, int column) {
    grid->setCurrentCell(row - 1, column);
    grid->editItem(grid->item(row - 1, column));
    return grid->viewport()->findChild<QLineEdit*>();
}

}  // namespace

class TestArmInPanel : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void adaptToModel_trimsListsAndHidesLargerModelControls();
    void store_writesEditedBytesAndKeepsHiddenOnes();
    void keyCodes_storeMostSignificantByteFirst_data();
    void keyCodes_storeMostSignificantByteFirst();
    void load_emptyEntryHidesItsName();
    void typedKeyCode_isUpperCasedLettersAndDigitsOnly();
    void typedCells_takeAtMost16Characters();
    void rowDraggedByNumber_movesEntryAndRenumbers();
    void touchedKey_landsInFirstEmptyRow();
    void touchedKey_alreadyListed_reportsAndChangesNothing();
    void touchedKey_tableFull_reportsMemoryUsed();
    void keyRecordWithoutKey_restoresHeaderAndKeepsTable();
    void monitorKey_reachesGridThroughHost();
    void enteringSection_clearsDescription();

private:
    KeyGrid* grid() const { return panel_->keyGrid(); }

    std::unique_ptr<ArmInPanel> panel_;
    ConfigImage image_;
};

void TestArmInPanel::init() {
    panel_ = std::make_unique<ArmInPanel>();
    panel_->resize(1100, 900);
    panel_->adaptToModel(SectionId::FromIndex(12));
    panel_->show();
    ApplyDefaults(image_);
}

void TestArmInPanel::cleanup() { panel_.reset(); }

void TestArmInPanel::adaptToModel_trimsListsAndHidesLargerModelControls() {
    panel_->adaptToModel(SectionId::FromIndex(12));  // adapting twice trims nothing more
    QCOMPARE(panel_->objectName(), QString("PanelArmIn"));
    auto* mode = Control<QComboBox>(*panel_, "ComboBoxArmInMode");
    QCOMPARE(mode->count(), 3);
    QCOMPARE(mode->itemText(2), QString("Смена режима ОХРАНА/НАБЛЮДЕНИЕ - TouchMemory"));
    for (const char* name : {"ComboBoxArmToProfile", "ComboBoxDisarmToProfile",
                             "ComboBoxCDtoProfile"}) {
        auto* list = Control<QComboBox>(*panel_, name);
        QCOMPARE(list->count(), 5);
        QCOMPARE(list->itemText(0), QString("Не применять профиль"));
        QCOMPARE(list->itemText(4), QString("Применить профиль 4"));
        QVERIFY2(list->isVisible(), name);
    }
    for (const char* name :
         {"ComboBoxArmToRele5", "ComboBoxArmToRele6", "ComboBoxArmToRele7",
          "ComboBoxDisarmToRele5", "ComboBoxDisarmToRele6", "ComboBoxCDtoRele5",
          "ComboBoxCDtoRele6", "Label45", "Label46", "Label64", "Label59", "GroupBox43",
          "GroupBoxProtectModeLink", "CheckBoxRestrArmMode1", "Label163",
          "LabelPerimetersActionDiscription"}) {
        QVERIFY2(!Control<QWidget>(*panel_, name)->isVisible(), name);
    }
    for (const char* name : {"Label21", "UpDownDelayARM", "ComboBoxArmToRele4",
                             "ComboBoxDisarmToRele1", "ComboBoxCDtoRele2", "Label44",
                             "StringGrid1", "GroupBox4", "GroupBox5", "GroupBox7"}) {
        QVERIFY2(Control<QWidget>(*panel_, name)->isVisible(), name);
    }
    QVERIFY(panel_->findChild<QLineEdit*>("EditDelayARM"));
}

void TestArmInPanel::store_writesEditedBytesAndKeepsHiddenOnes() {
    image_.setU8(3112, 5);  // ArmToRele7, hidden
    image_.setU8(3127, 7);  // RAtoRele1, hidden
    image_.setU8(3137, 8);  // RAtoProfile "Применить профиль 8", hidden
    image_.setU8(783, 0x01);  // RestrArmMode of input 5 (360 + 4 * 92 + 55)
    const ConfigImage before = image_;
    panel_->loadSection(SectionId::FromIndex(12), image_);

    Control<UpDownEdit>(*panel_, "UpDownDelayARM")->setValue(240);
    Control<QComboBox>(*panel_, "ComboBoxArmInMode")->setCurrentIndex(2);
    Control<QComboBox>(*panel_, "ComboBoxArmToRele1")->setCurrentIndex(1);
    Control<QComboBox>(*panel_, "ComboBoxDisarmToRele4")->setCurrentIndex(2);
    Control<QComboBox>(*panel_, "ComboBoxCDtoRele2")->setCurrentIndex(16);
    Control<QComboBox>(*panel_, "ComboBoxCDtoProfile")->setCurrentIndex(4);
    panel_->storeSection(SectionId::FromIndex(12), image_);

    QCOMPARE(image_.u8(3104), 240);
    QCOMPARE(image_.u8(3105), 2);
    QCOMPARE(image_.u8(3106), 1);
    QCOMPARE(image_.u8(3116), 2);
    QCOMPARE(image_.u8(3121), 16);
    QCOMPARE(image_.u8(3136), 4);
    QCOMPARE(image_.u8(3134), 0);
    QCOMPARE(image_.u8(3112), 5);
    QCOMPARE(image_.u8(3127), 7);
    QCOMPARE(image_.u8(3137), 8);
    QCOMPARE(image_.u8(783), 0x01);
    // The perimeter texts after the section are carried unchanged.
    QCOMPARE(ImageBytes(image_, 3138, 154), ImageBytes(before, 3138, 154));
}

void TestArmInPanel::keyCodes_storeMostSignificantByteFirst_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("shownAgain");
    QTest::newRow("16 digits") << "0123456789ABCDEF"
                               << QByteArray("\x01\x23\x45\x67\x89\xAB\xCD\xEF", 8)
                               << "0123456789ABCDEF";
    QTest::newRow("top bit set") << "F000000000000001"
                                 << QByteArray("\xF0\x00\x00\x00\x00\x00\x00\x01", 8)
                                 << "F000000000000001";
    QTest::newRow("short code") << "1A2" << QByteArray("\x00\x00\x00\x00\x00\x00\x01\xA2", 8)
                                << "00000000000001A2";
    QTest::newRow("not hexadecimal") << "XYZ" << QByteArray(8, '\0') << kBlankCode;
    QTest::newRow("empty") << "" << QByteArray(8, '\0') << kBlankCode;
}

void TestArmInPanel::keyCodes_storeMostSignificantByteFirst() {
    QFETCH(QString, typed);
    QFETCH(QByteArray, stored);
    QFETCH(QString, shownAgain);
    panel_->loadSection(SectionId::FromIndex(12), image_);
    grid()->setCellText(2, KeyGrid::kCodeColumn, typed);
    grid()->setCellText(2, KeyGrid::kNameColumn, "Иван");
    panel_->storeSection(SectionId::FromIndex(12), image_);
    QCOMPARE(ImageBytes(image_, kKeys + 32, 8), stored);
    // "Иван" in cp1251, the 17-byte field zero-filled; written even without a key.
    QCOMPARE(ImageBytes(image_, kKeys + 40, 17), QByteArray("\xC8\xE2\xE0\xED", 4) + QByteArray(13, 0));
    panel_->loadSection(SectionId::FromIndex(12), image_);
    QCOMPARE(grid()->cellText(2, KeyGrid::kCodeColumn), shownAgain);
}

void TestArmInPanel::load_emptyEntryHidesItsName() {
    PutKey(image_, 4, QByteArray(8, '\0'), "ghost");
    PutKey(image_, 5, QByteArray("\x00\x00\x00\x00\x00\x00\x00\x07", 8), "Petr");
    panel_->loadSection(SectionId::FromIndex(12), image_);
    QCOMPARE(grid()->cellText(4, KeyGrid::kCodeColumn), kBlankCode);
    QCOMPARE(grid()->cellText(4, KeyGrid::kNameColumn), QString());
    QCOMPARE(grid()->cellText(5, KeyGrid::kCodeColumn), QString("0000000000000007"));
    QCOMPARE(grid()->cellText(5, KeyGrid::kNameColumn), QString("Petr"));
    QCOMPARE(grid()->cellText(32, 0), QString(" 32"));
}

void TestArmInPanel::typedKeyCode_isUpperCasedLettersAndDigitsOnly() {
    panel_->loadSection(SectionId::FromIndex(12), image_);
    QLineEdit* editor = OpenCellEditor(grid(), 1, KeyGrid::kCodeColumn);
    QVERIFY(editor);
    QCOMPARE(editor->text(), QString());  // the blanks of an empty slot are not edited
    QTest::keyClicks(editor, "ab-c 1f");
    QTest::keyClick(editor, Qt::Key_Return);
    // The view commits the typed text once the key press has been handled.
    QTRY_COMPARE(grid()->cellText(1, KeyGrid::kCodeColumn), QString("ABC1F"));
    // The user name keeps its case.
    editor = OpenCellEditor(grid(), 1, KeyGrid::kNameColumn);
    QTest::keyClicks(editor, "Ivan.Petrov");
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(grid()->cellText(1, KeyGrid::kNameColumn), QString("IvanPetrov"));
}

void TestArmInPanel::typedCells_takeAtMost16Characters() {
    panel_->loadSection(SectionId::FromIndex(12), image_);
    QLineEdit* editor = OpenCellEditor(grid(), 3, KeyGrid::kNameColumn);
    QVERIFY(editor);
    TypeText(editor, "АБВГДЕЖЗИЙКЛМНОПРСТ");
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(grid()->cellText(3, KeyGrid::kNameColumn), QString("АБВГДЕЖЗИЙКЛМНОП"));
    // Column 0 cannot be edited.
    QVERIFY(!(grid()->item(2, 0)->flags() & Qt::ItemIsEditable));
}

void TestArmInPanel::rowDraggedByNumber_movesEntryAndRenumbers() {
    PutKey(image_, 1, QByteArray(8, '\x11'), "A");
    PutKey(image_, 2, QByteArray(8, '\x22'), "B");
    PutKey(image_, 3, QByteArray(8, '\x33'), "C");
    panel_->loadSection(SectionId::FromIndex(12), image_);
    QWidget* viewport = grid()->viewport();
    const QPoint from = grid()->visualItemRect(grid()->item(0, 0)).center();
    const QPoint to = grid()->visualItemRect(grid()->item(2, 0)).center();
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, to);

    QCOMPARE(grid()->cellText(1, KeyGrid::kNameColumn), QString("B"));
    QCOMPARE(grid()->cellText(2, KeyGrid::kNameColumn), QString("C"));
    QCOMPARE(grid()->cellText(3, KeyGrid::kNameColumn), QString("A"));
    QCOMPARE(grid()->cellText(3, KeyGrid::kCodeColumn), QString("1111111111111111"));
    for (int r = 1; r <= 32; ++r) QCOMPARE(grid()->cellText(r, 0), " " + QString::number(r));
    panel_->storeSection(SectionId::FromIndex(12), image_);
    QCOMPARE(ImageBytes(image_, kKeys, 9), QByteArray(8, '\x22') + "B");
    QCOMPARE(ImageBytes(image_, kKeys + 32, 9), QByteArray(8, '\x33') + "C");
    QCOMPARE(ImageBytes(image_, kKeys + 64, 9), QByteArray(8, '\x11') + "A");
}

void TestArmInPanel::touchedKey_landsInFirstEmptyRow() {
    for (int r = 1; r <= 4; ++r) PutKey(image_, r, QByteArray(8, char(r)), "x");
    PutKey(image_, 6, QByteArray(8, '\x06'), "six");
    panel_->loadSection(SectionId::FromIndex(12), image_);
    panel_->keyRead({true, "00000000DEADBEEF"});
    QCOMPARE(grid()->cellText(5, KeyGrid::kCodeColumn), QString("00000000DEADBEEF"));
    QCOMPARE(grid()->cellText(5, KeyGrid::kNameColumn), QString("KEY5"));
    QCOMPARE(panel_->description(), QString());
    QCOMPARE(BackgroundColour(Control<QLabel>(*panel_, "Label21")), kColourRed);
    // On the screen only, until the section is stored.
    QCOMPARE(ImageBytes(image_, kKeys + 4 * 32, 8), QByteArray(8, '\0'));
    panel_->storeSection(SectionId::FromIndex(12), image_);
    QCOMPARE(ImageBytes(image_, kKeys + 4 * 32, 12),
             QByteArray("\x00\x00\x00\x00\xDE\xAD\xBE\xEF", 8) + "KEY5");
}

void TestArmInPanel::touchedKey_alreadyListed_reportsAndChangesNothing() {
    PutKey(image_, 7, QByteArray("\x00\x00\x00\x00\xDE\xAD\xBE\xEF", 8), "Anna");
    panel_->loadSection(SectionId::FromIndex(12), image_);
    panel_->keyRead({true, "00000000DEADBEEF"});
    QCOMPARE(panel_->description(),
             QString("Ключ с кодом: 00000000DEADBEEF, уже внесен в таблицу"));
    QCOMPARE(grid()->cellText(1, KeyGrid::kCodeColumn), kBlankCode);
    QCOMPARE(grid()->cellText(7, KeyGrid::kNameColumn), QString("Anna"));
}

void TestArmInPanel::touchedKey_tableFull_reportsMemoryUsed() {
    for (int r = 1; r <= 32; ++r) PutKey(image_, r, QByteArray(7, '\0') + char(r), "k");
    panel_->loadSection(SectionId::FromIndex(12), image_);
    panel_->keyRead({true, "00000000000000FF"});
    QCOMPARE(panel_->description(), QString("Вся память использована"));
    for (int r = 1; r <= 32; ++r) {
        QVERIFY(grid()->cellText(r, KeyGrid::kCodeColumn) != QString("00000000000000FF"));
    }
}

void TestArmInPanel::keyRecordWithoutKey_restoresHeaderAndKeepsTable() {
    panel_->loadSection(SectionId::FromIndex(12), image_);
    panel_->keyRead({true, "0000000000000001"});
    QCOMPARE(BackgroundColour(Control<QLabel>(*panel_, "Label21")), kColourRed);
    QCOMPARE(BackgroundColour(Control<QLabel>(*panel_, "Label163")), kColourRed);
    panel_->keyRead({false, "0000000000000002"});
    QCOMPARE(BackgroundColour(Control<QLabel>(*panel_, "Label21")), BackgroundColour(panel_.get()));
    QLabel* perimeters = Control<QLabel>(*panel_, "Label163");
    QCOMPARE(BackgroundColour(perimeters), BackgroundColour(perimeters->parentWidget()));
    QCOMPARE(grid()->cellText(2, KeyGrid::kCodeColumn), kBlankCode);
}

void TestArmInPanel::monitorKey_reachesGridThroughHost() {
    MonitorHost host(MonitorHost::ExchangeFactory{}, nullptr);
    // The presenter hands the host's reports to the page's live view.
    LiveViews views;
    views.armIn = panel_.get();
    MonitorPresenter presenter(&host, views, {});
    panel_->loadSection(SectionId::FromIndex(12), image_);
    emit host.keyRead(KeyCodeValues{true, "1234567890ABCDEF"});
    QCOMPARE(grid()->cellText(1, KeyGrid::kCodeColumn), QString("1234567890ABCDEF"));
    QCOMPARE(grid()->cellText(1, KeyGrid::kNameColumn), QString("KEY1"));
    const QString refusal("Взаимодействие запрещено без указания пароля, программа не сможет "
                          "получить код ключа");
    emit host.keyPasswordRefused(refusal);
    QCOMPARE(panel_->description(), refusal);
    // The perimeter reader's line says the same.
    QCOMPARE(Control<QLabel>(*panel_, "LabelPerimetersActionDiscription")->text(), refusal);
    // A new cycle takes both headers back to their parent's colour.
    emit host.keyRead(KeyCodeValues{true, "1234567890ABCDEF"});
    QCOMPARE(BackgroundColour(Control<QLabel>(*panel_, "Label163")), kColourRed);
    emit host.armInCycleStarted();
    QLabel* perimeters = Control<QLabel>(*panel_, "Label163");
    QCOMPARE(BackgroundColour(perimeters), BackgroundColour(perimeters->parentWidget()));
}

void TestArmInPanel::enteringSection_clearsDescription() {
    panel_->loadSection(SectionId::FromIndex(12), image_);
    panel_->keyRead({true, "0000000000000001"});
    panel_->keyRead({true, "0000000000000001"});
    QVERIFY(!panel_->description().isEmpty());
    panel_->adaptToModel(SectionId::FromIndex(12));
    QCOMPARE(panel_->description(), QString());
}

QTEST_MAIN(TestArmInPanel)
#include "tst_arm_in_panel.moc"
