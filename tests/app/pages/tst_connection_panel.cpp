// Sections "Соединение 1" .. "Соединение 8": one page for the eight records.
// Every field through the page's own controls, the three-state source boxes,
// the phone number without its blanks, the incoming-call list and its
// tool-tip, the hidden settings of the larger model, and the record each
// section edits.

#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>

#include "app/pages/connection_panel.h"
#include "app/shell/section_pages.h"
#include "app/shell/section_switcher.h"
#include "config/default_image.h"
#include "support/crafted_sections.h"
#include "support/panel_test_helpers.h"

using namespace krx;
using namespace krx::test;

namespace {

constexpr std::size_t Record(int connection) { return 68 + 36 * std::size_t(connection - 1); }


}  // namespace

class TestConnectionPanel : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void adaptToModel_hidesTheLargerModelsSettings();
    void craftedRecord_loadsAndStoresBackByteForByte();
    void load_showsThreeStatesAndTheUnofferedAction();
    void edits_landInTheirBytes();
    void incomingCallList_showsItsChoiceAsToolTip();
    void switching_storesEachConnectionInItsOwnRecord();

private:
    template <class T>
    T* w(const char* name) const {
        return Control<T>(*panel_, name);
    }

    std::unique_ptr<ConnectionPanel> panel_;
    ConfigImage image_;
};

void TestConnectionPanel::init() {
    panel_ = std::make_unique<ConnectionPanel>();
    panel_->adaptToModel(SectionId::Connection(3));
    panel_->show();
    ApplyDefaults(image_);
}

void TestConnectionPanel::cleanup() { panel_.reset(); }

void TestConnectionPanel::adaptToModel_hidesTheLargerModelsSettings() {
    QCOMPARE(panel_->objectName(), QString("Panel5"));
    QCOMPARE(panel_->headerLabel(), w<QLabel>("Label74"));
    for (const char* hidden : {"Label161", "ComboBoxGroupNum", "CheckBoxNotACK", "Label67",
                               "ComboBoxUserId", "CheckBoxDebugMode", "ComboBoxTransportPriority",
                               "ComboBoxConnectionType", "CheckBoxJointUse", "ComboBoxICToOUOutN",
                               "CheckBoxMaskDInput5", "CheckBoxMaskDArm2", "CheckBoxMaskCRestrictedArm",
                               "CheckBoxMaskSGPS", "CheckBoxMaskSDisarm4"}) {
        QVERIFY2(!w<QWidget>(hidden)->isVisible(), hidden);
    }
    for (const char* shown : {"MaskEditPhone", "CheckBoxCallEn", "CheckBoxSMSEn", "ComboBoxLang",
                              "CheckBoxMaskDInput4", "CheckBoxMaskSArm", "CheckBoxMaskDTest"}) {
        QVERIFY2(w<QWidget>(shown)->isVisible(), shown);
    }
    QCOMPARE(w<QComboBox>("ComboBoxIncomungCallAction")->count(), 3);
    QCOMPARE(w<QComboBox>("ComboBoxOnLineTime")->count(), 62);
    QVERIFY(w<QCheckBox>("CheckBoxMaskDInput1")->isTristate());
}

void TestConnectionPanel::craftedRecord_loadsAndStoresBackByteForByte() {
    PutCraftedConnection(image_, Record(3));
    const ConfigImage crafted = image_;
    panel_->loadSection(SectionId::Connection(3), image_);
    ConfigImage stored = DefaultImage();
    panel_->storeSection(SectionId::Connection(3), stored);
    QCOMPARE(ImageBytes(stored, Record(3), 36), ImageBytes(crafted, Record(3), 36));
    QVERIFY(stored == crafted);
}

void TestConnectionPanel::load_showsThreeStatesAndTheUnofferedAction() {
    PutCraftedConnection(image_, Record(3));
    panel_->loadSection(SectionId::Connection(3), image_);
    QCOMPARE(w<QLineEdit>("MaskEditPhone")->text(), QString("+79161234567"));
    QCOMPARE(w<QCheckBox>("CheckBoxMaskDInput1")->checkState(), Qt::Checked);
    QCOMPARE(w<QCheckBox>("CheckBoxMaskDInput2")->checkState(), Qt::PartiallyChecked);
    QCOMPARE(w<QCheckBox>("CheckBoxMaskDInput3")->checkState(), Qt::Unchecked);
    QCOMPARE(w<QCheckBox>("CheckBoxMaskSInput3")->checkState(), Qt::Checked);
    // Action 3 is not among this model's three items: no choice shown.
    QCOMPARE(w<QComboBox>("ComboBoxIncomungCallAction")->currentIndex(), -1);
    QCOMPARE(w<QComboBox>("ComboBoxDialTranspWaitTime")->currentText(), QString("5 Min."));
    QCOMPARE(w<QComboBox>("ComboBoxOnLineTime")->currentText(), QString("5 Sec."));
    QCOMPARE(w<QComboBox>("ComboBoxLang")->currentText(), QString("Английский"));
    QVERIFY(w<QCheckBox>("CheckBoxCallEn")->isChecked());
}

void TestConnectionPanel::edits_landInTheirBytes() {
    const std::size_t r = Record(3);
    panel_->loadSection(SectionId::Connection(3), image_);
    auto* phone = w<QLineEdit>("MaskEditPhone");
    phone->setFocus();
    QTest::keyClicks(phone, "+7 916 123 45");
    QCOMPARE(phone->text(), QString("+7 916 123 45"));
    w<QCheckBox>("CheckBoxMaskDInput2")->setCheckState(Qt::PartiallyChecked);
    w<QCheckBox>("CheckBoxMaskDInput3")->setCheckState(Qt::Checked);
    w<QComboBox>("ComboBoxIncomungCallAction")->setCurrentIndex(2);  // "Отбить (DTMF управление невозможно)"
    w<QCheckBox>("CheckBoxSMSEn")->setChecked(true);
    panel_->storeSection(SectionId::Connection(3), image_);
    // The number without its blanks, zero-padded.
    QCOMPARE(ImageBytes(image_, r, 16), QByteArray("+791612345\0\0\0\0\0\0", 16));
    QCOMPARE(phone->text(), QString("+791612345"));
    QCOMPARE(image_.u16(r + 22), std::uint16_t(0x0006));  // boxes 2 and 3 not off
    QCOMPARE(image_.u16(r + 24), std::uint16_t(0x0004));  // box 3 on
    // Voice wait "10 Min." (9) with action 2 in bits 4-5.
    QCOMPARE(int(image_.u8(r + 17)), 0x29);
    QCOMPARE(int(image_.u8(r + 29)) & 0x10, 0x10);
}

void TestConnectionPanel::incomingCallList_showsItsChoiceAsToolTip() {
    auto* list = w<QComboBox>("ComboBoxIncomungCallAction");
    list->setCurrentIndex(1);
    QCOMPARE(list->toolTip(), QString("Принять и перейти в голосовое меню, без пароля (DTMF управление)"));
    PutCraftedConnection(image_, Record(3));
    panel_->loadSection(SectionId::Connection(3), image_);
    QCOMPARE(list->toolTip(), QString());  // no choice shown
}

void TestConnectionPanel::switching_storesEachConnectionInItsOwnRecord() {
    QStackedWidget stack;
    const SectionPages pages = CreateSectionPages(stack);
    SectionSwitcher switcher(image_, [&pages](SectionId id) { return pages.at(id); }, stack);
    SectionPanel* page = pages.at(SectionId::Connection(1));
    QCOMPARE(pages.at(SectionId::Connection(8)), page);
    const ConfigImage before = image_;
    switcher.switchTo(SectionId::Connection(3), "Соединение 3");
    QCOMPARE(page->headerLabel()->text(), QString("Соединение 3"));
    auto* phone = page->findChild<QLineEdit*>("MaskEditPhone");
    phone->setText("12345");
    switcher.switchTo(SectionId::Connection(4), "Соединение 4");
    QCOMPARE(phone->text(), QString());
    switcher.switchTo(SectionId::Connection(3), "Соединение 3");
    QCOMPARE(phone->text(), QString("12345"));
    // Only connection 3's phone bytes changed.
    for (std::size_t i = 0; i < kImageSize; ++i) {
        if (i >= Record(3) && i < Record(3) + 16) continue;
        if (image_.u8(i) != before.u8(i)) QFAIL(qPrintable(QString("byte %1 changed").arg(i)));
    }
    QCOMPARE(ImageBytes(image_, Record(3), 6), QByteArray("12345\0", 6));
}

QTEST_MAIN(TestConnectionPanel)
#include "tst_connection_panel.moc"
