// Sections "Профиль 1" .. "Профиль 4": one page for the four profiles. The
// name, the coupled barrier sliders of inputs 1..4 with labels in the units
// of each input's sensor type, the output reactions, and everything of the
// larger model (inputs 5..16, outputs 3..5, profiles 5..8) kept as it was.

#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSlider>

#include "app/pages/profile_panel.h"
#include "config/default_image.h"
#include "support/crafted_sections.h"
#include "support/panel_test_helpers.h"

using namespace krx;
using namespace krx::test;

namespace {

constexpr std::size_t Record(int profile) { return 4316 + 122 * std::size_t(profile - 1); }
constexpr std::size_t Entry(int profile, int input) {
    return Record(profile) + 18 + 6 * std::size_t(input - 1);
}
constexpr std::size_t Input(int input) { return 360 + 92 * std::size_t(input - 1); }


}  // namespace

class TestProfilePanel : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void adaptToModel_hidesTheLargerModelsOutputs();
    void craftedProfile_loadsAndStoresBackByteForByte();
    void sliders_holdEachOtherInOrder();
    void labels_readInTheInputsUnits();

private:
    std::unique_ptr<ProfilePanel> panel_;
    ConfigImage image_;
};

void TestProfilePanel::init() {
    panel_ = std::make_unique<ProfilePanel>();
    panel_->adaptToModel(SectionId::Profile(1));
    panel_->show();
    ApplyDefaults(image_);
}

void TestProfilePanel::cleanup() { panel_.reset(); }

void TestProfilePanel::adaptToModel_hidesTheLargerModelsOutputs() {
    QCOMPARE(panel_->objectName(), QString("PanelProfile"));
    QCOMPARE(panel_->headerLabel(), Control<QLabel>(*panel_, "Label221"));
    QVERIFY(Control<QWidget>(*panel_, "ComboBoxProfileToR4")->isVisible());
    QVERIFY(!Control<QWidget>(*panel_, "ComboBoxProfileToR5")->isVisible());
    QVERIFY(!Control<QWidget>(*panel_, "ComboBoxProfileToR7")->isVisible());
    QCOMPARE(Control<QComboBox>(*panel_, "ComboBoxProfileToR1")->count(), 17);
    QCOMPARE(Control<QComboBox>(*panel_, "ComboBoxProfileName")->itemText(0), QString("КОМФОРТ"));
    QCOMPARE(Control<QSlider>(*panel_, "TrackBarProfHiBarrier3")->maximum(), 4095);
}

void TestProfilePanel::craftedProfile_loadsAndStoresBackByteForByte() {
    PutCraftedProfile(image_);
    const ConfigImage crafted = image_;
    panel_->loadSection(SectionId::Profile(2), image_);
    QCOMPARE(Control<QComboBox>(*panel_, "ComboBoxProfileName")->currentText(), QString("NIGHT"));
    QVERIFY(Control<QCheckBox>(*panel_, "CheckBoxProfInput3")->isChecked());
    QVERIFY(!Control<QCheckBox>(*panel_, "CheckBoxProfInput4")->isChecked());
    QCOMPARE(Control<QSlider>(*panel_, "TrackBarProfLoBarrier4")->value(), 400);
    QCOMPARE(Control<QSlider>(*panel_, "TrackBarProfHiBarrier4")->value(), 850);
    QCOMPARE(Control<QComboBox>(*panel_, "ComboBoxProfileToR2")->currentText(), QString("сценарий 2"));
    ConfigImage stored = DefaultImage();
    PutCraftedProfile(stored);
    // The profile's own bits start out otherwise; the rest of its record is
    // the larger model's and stays.
    for (int input = 1; input <= 4; ++input) {
        stored.setU8(Entry(2, input), 0xA0);
        stored.setU16(Entry(2, input) + 2, 0);
        stored.setU16(Entry(2, input) + 4, 0);
    }
    for (int r = 0; r < 7; ++r) stored.setU8(Record(2) + 114 + std::size_t(r), 0);
    panel_->storeSection(SectionId::Profile(2), stored);
    QCOMPARE(ImageBytes(stored, Record(2), 122), ImageBytes(crafted, Record(2), 122));
    QVERIFY(stored == crafted);
}

void TestProfilePanel::sliders_holdEachOtherInOrder() {
    panel_->loadSection(SectionId::Profile(1), image_);  // 2730 / 1365 by default
    auto* hi = Control<QSlider>(*panel_, "TrackBarProfHiBarrier1");
    auto* lo = Control<QSlider>(*panel_, "TrackBarProfLoBarrier1");
    hi->setValue(1000);  // below the lower: drags it down
    QCOMPARE(lo->value(), 1000);
    lo->setValue(3000);  // above the upper: pushes it up
    QCOMPARE(hi->value(), 3000);
    panel_->storeSection(SectionId::Profile(1), image_);
    QCOMPARE(image_.u16(Entry(1, 1) + 2), std::uint16_t(3000));
    QCOMPARE(image_.u16(Entry(1, 1) + 4), std::uint16_t(3000));
}

void TestProfilePanel::labels_readInTheInputsUnits() {
    // Input 2 measures with a "Термодатчик THX-21" (type 3).
    image_.setU8(Input(2) + 55, std::uint8_t((image_.u8(Input(2) + 55) & 0xF1) | (3 << 1)));
    panel_->loadSection(SectionId::Profile(1), image_);
    auto* hi = Control<QSlider>(*panel_, "TrackBarProfHiBarrier2");
    hi->setValue(2000);
    hi->setValue(2730);
    QCOMPARE(Control<QLabel>(*panel_, "LabelProfHiBarrier2")->text(), QString("173° C"));
    // Input 1 keeps its default type and reads volts.
    QVERIFY(Control<QLabel>(*panel_, "LabelProfHiBarrier1")->text().endsWith(QString(" В")));
}

QTEST_MAIN(TestProfilePanel)
#include "tst_profile_panel.moc"
