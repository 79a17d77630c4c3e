#include "app/pages/profile_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSignalBlocker>
#include <QSlider>

#include "app/widgets/list_binding.h"
#include "config/output_name_items.h"
#include "monitor/status_display_rules.h"
#include "ui_profile_panel.h"

namespace krx {
namespace {

// The names hold 16 characters; the 17th byte of the field ends the text.
constexpr int kNameLength = int(profile_layout::kNameWidth) - 1;

}  // namespace

ProfilePanel::ProfilePanel(QWidget* parent)
    : SectionPanel(parent), ui_(std::make_unique<Ui::ProfilePanel>()) {
    ui_->setupUi(this);
    PrepareNameList(ui_->ComboBoxProfileName, ProfileNameSuggestions(), kNameLength);
    rows_ = {InputRow{ui_->CheckBoxProfInput1, ui_->TrackBarProfHiBarrier1, ui_->TrackBarProfLoBarrier1,
                      ui_->LabelProfHiBarrier1, ui_->LabelProfLoBarrier1},
             InputRow{ui_->CheckBoxProfInput2, ui_->TrackBarProfHiBarrier2, ui_->TrackBarProfLoBarrier2,
                      ui_->LabelProfHiBarrier2, ui_->LabelProfLoBarrier2},
             InputRow{ui_->CheckBoxProfInput3, ui_->TrackBarProfHiBarrier3, ui_->TrackBarProfLoBarrier3,
                      ui_->LabelProfHiBarrier3, ui_->LabelProfLoBarrier3},
             InputRow{ui_->CheckBoxProfInput4, ui_->TrackBarProfHiBarrier4, ui_->TrackBarProfLoBarrier4,
                      ui_->LabelProfHiBarrier4, ui_->LabelProfLoBarrier4}};
    reactions_ = {ui_->ComboBoxProfileToR1, ui_->ComboBoxProfileToR2, ui_->ComboBoxProfileToR3,
                  ui_->ComboBoxProfileToR4, ui_->ComboBoxProfileToR5, ui_->ComboBoxProfileToR6,
                  ui_->ComboBoxProfileToR7};
    for (QComboBox* list : reactions_) FillList(list, OutputReactionTexts());
    for (int r = 0; r < kProfileInputRows; ++r) {
        // The two sliders hold each other in order as the user drags.
        connect(rows_[std::size_t(r)].hi, &QSlider::valueChanged, this, [this, r](int code) {
            ProfileInputRow v = rowValues(r);
            MoveProfileHiBarrier(v, code);
            showRow(r, v);
        });
        connect(rows_[std::size_t(r)].lo, &QSlider::valueChanged, this, [this, r](int code) {
            ProfileInputRow v = rowValues(r);
            MoveProfileLoBarrier(v, code);
            showRow(r, v);
        });
    }
}

ProfilePanel::~ProfilePanel() = default;

QLabel* ProfilePanel::headerLabel() const { return ui_->Label221; }

void ProfilePanel::adaptToModel(SectionId section) {
    Q_UNUSED(section);
    // Outputs 3..5 are the larger model's.
    ui_->PanelLargerModelProfileReactions->hide();
}

ProfileInputRow ProfilePanel::rowValues(int r) const {
    const InputRow& row = rows_[std::size_t(r)];
    return {row.enabled->isChecked(), row.hi->value(), row.lo->value()};
}

void ProfilePanel::showRow(int r, const ProfileInputRow& v) {
    InputRow& row = rows_[std::size_t(r)];
    row.enabled->setChecked(v.enabled);
    {
        const QSignalBlocker hi(row.hi);
        const QSignalBlocker lo(row.lo);
        row.hi->setValue(v.hiBarrier);
        row.lo->setValue(v.loBarrier);
    }
    showRowLabels(r);
}

void ProfilePanel::showRowLabels(int r) {
    if (!image_) return;
    InputRow& row = rows_[std::size_t(r)];
    const ProfileBarrierLabels labels =
        ProfileRowLabels(r + 1, rowValues(r), *image_, DecimalSeparator(QLocale::system()));
    // A type with no reading leaves the labels as they were.
    if (labels.hi) row.hiText->setText(QString::fromStdString(*labels.hi));
    if (labels.lo) row.loText->setText(QString::fromStdString(*labels.lo));
}

ProfileSettings ProfilePanel::settings() const {
    ProfileSettings v;
    v.profileName = ui_->ComboBoxProfileName->currentText().toStdString();
    for (int r = 0; r < kProfileInputRows; ++r) v.inputs[std::size_t(r)] = rowValues(r);
    for (std::size_t i = 0; i < reactions_.size(); ++i) v.reactions[i] = reactions_[i]->currentIndex();
    return v;
}

void ProfilePanel::showSettings(const ProfileSettings& v) {
    ui_->ComboBoxProfileName->setEditText(QString::fromStdString(v.profileName));
    for (int r = 0; r < kProfileInputRows; ++r) showRow(r, v.inputs[std::size_t(r)]);
    for (std::size_t i = 0; i < reactions_.size(); ++i) ShowListIndex(reactions_[i], v.reactions[i]);
}

void ProfilePanel::loadSection(SectionId section, const ConfigImage& image) {
    image_ = &image;
    ProfileSettings v;
    LoadProfile(section.record(), v, image);
    showSettings(v);
}

void ProfilePanel::storeSection(SectionId section, ConfigImage& image) {
    StoreProfile(section.record(), settings(), image);
}

}  // namespace krx
