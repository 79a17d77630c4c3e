#include "app/pages/arm_in_panel.h"

#include "app/widgets/key_grid.h"
#include "app/widgets/list_binding.h"
#include "app/widgets/widget_colours.h"
#include "config/output_name_items.h"
#include "ui_arm_in_panel.h"

namespace krx {
namespace {

// Order of the event groups in reactions_ and profiles_.
enum Event { kArm = 0, kDisarm = 1, kCountdown = 2, kRestricted = 3 };

}  // namespace

ArmInPanel::ArmInPanel(QWidget* parent)
    : SectionPanel(parent),
      ui_(std::make_unique<Ui::ArmInPanel>()) {
    ui_->setupUi(this);
    ui_->UpDownDelayARM->setRange(0, kDelayArmMax);
    ui_->UpDownDelayARM->setEditName(QStringLiteral("EditDelayARM"));

    reactions_[kArm] = {ui_->ComboBoxArmToRele1, ui_->ComboBoxArmToRele2, ui_->ComboBoxArmToRele3,
                        ui_->ComboBoxArmToRele4, ui_->ComboBoxArmToRele5, ui_->ComboBoxArmToRele6,
                        ui_->ComboBoxArmToRele7};
    reactions_[kDisarm] = {ui_->ComboBoxDisarmToRele1, ui_->ComboBoxDisarmToRele2,
                           ui_->ComboBoxDisarmToRele3, ui_->ComboBoxDisarmToRele4,
                           ui_->ComboBoxDisarmToRele5, ui_->ComboBoxDisarmToRele6,
                           ui_->ComboBoxDisarmToRele7};
    reactions_[kCountdown] = {ui_->ComboBoxCDtoRele1, ui_->ComboBoxCDtoRele2,
                              ui_->ComboBoxCDtoRele3, ui_->ComboBoxCDtoRele4,
                              ui_->ComboBoxCDtoRele5, ui_->ComboBoxCDtoRele6,
                              ui_->ComboBoxCDtoRele7};
    reactions_[kRestricted] = {ui_->ComboBoxRAtoRele1, ui_->ComboBoxRAtoRele2,
                               ui_->ComboBoxRAtoRele3, ui_->ComboBoxRAtoRele4,
                               ui_->ComboBoxRAtoRele5, ui_->ComboBoxRAtoRele6,
                               ui_->ComboBoxRAtoRele7};
    reactionLabels_[kArm] = {ui_->Label13, ui_->Label11, ui_->Label43, ui_->Label44,
                             ui_->Label45, ui_->Label46, ui_->Label47};
    reactionLabels_[kDisarm] = {ui_->Label20, ui_->Label18, ui_->Label62, ui_->Label63,
                                ui_->Label64, ui_->Label65, ui_->Label71};
    reactionLabels_[kCountdown] = {ui_->Label29, ui_->Label9,  ui_->Label53, ui_->Label58,
                                   ui_->Label59, ui_->Label60, ui_->Label61};
    reactionLabels_[kRestricted] = {ui_->Label154, ui_->Label153, ui_->Label155, ui_->Label156,
                                    ui_->Label158, ui_->Label159, ui_->Label160};
    profiles_ = {ui_->ComboBoxArmToProfile, ui_->ComboBoxDisarmToProfile,
                 ui_->ComboBoxCDtoProfile, ui_->ComboBoxRAtoProfile};
    restrArmMode_ = {ui_->CheckBoxRestrArmMode1, ui_->CheckBoxRestrArmMode2,
                     ui_->CheckBoxRestrArmMode3, ui_->CheckBoxRestrArmMode4,
                     ui_->CheckBoxRestrArmMode5, ui_->CheckBoxRestrArmMode6,
                     ui_->CheckBoxRestrArmMode7, ui_->CheckBoxRestrArmMode8};

    FillList(ui_->ComboBoxArmInMode, ArmInModeItems());
    for (auto& list : reactions_) {
        for (QComboBox* box : list) FillList(box, OutputReactionTexts());
    }
    for (QComboBox* box : profiles_) FillList(box, ProfileChoiceItems());

    const auto& headings = TouchKeyGridHeadings();
    ui_->StringGrid1->setHorizontalHeaderLabels(
        {FromUtf8(headings[0]), FromUtf8(headings[1]), FromUtf8(headings[2])});
    connect(ui_->StringGrid1, &KeyGrid::rowDragged, this, &ArmInPanel::moveKeyRow);
}

ArmInPanel::~ArmInPanel() = default;

QLabel* ArmInPanel::headerLabel() const { return ui_->Label21; }
KeyGrid* ArmInPanel::keyGrid() const { return ui_->StringGrid1; }
QString ArmInPanel::description() const { return ui_->LabelTouchActionDiscription->text(); }

void ArmInPanel::adaptToModel(SectionId section) {
    Q_UNUSED(section);
    KeepFirstItems(ui_->ComboBoxArmInMode, kArmInModesOffered);
    for (int e : {kArm, kDisarm, kCountdown}) KeepFirstItems(profiles_[e], kProfileChoicesOffered);

    // This model has relay 1, relay 2, output 1 and output 2: the rows of
    // outputs 3 .. 5 go, and the profile list moves up into their place.
    for (std::size_t e = 0; e < reactions_.size(); ++e) {
        for (int i = kModelOutputCount; i < kReactionListLength; ++i) {
            reactions_[e][i]->hide();
            reactionLabels_[e][i]->hide();
        }
    }
    // The restricted armed mode "ЗАЩИТА" and the perimeter key reader belong
    // to the larger model.
    ui_->GroupBox43->hide();
    ui_->GroupBoxProtectModeLink->hide();
    ui_->PanelPerimetersLargerModel->hide();
    ui_->LabelTouchActionDiscription->clear();
}

ArmInSettings ArmInPanel::settings() const {
    ArmInSettings v;
    v.delayArm = ui_->UpDownDelayARM->value();
    v.armInMode = ui_->ComboBoxArmInMode->currentIndex();
    std::array<std::array<int, kReactionListLength>*, 4> lists = {
        &v.armToRele, &v.disarmToRele, &v.cdToRele, &v.raToRele};
    for (std::size_t e = 0; e < lists.size(); ++e) {
        for (int i = 0; i < kReactionListLength; ++i) (*lists[e])[i] = reactions_[e][i]->currentIndex();
    }
    v.armToProfile = profiles_[kArm]->currentIndex();
    v.disarmToProfile = profiles_[kDisarm]->currentIndex();
    v.cdToProfile = profiles_[kCountdown]->currentIndex();
    v.raToProfile = profiles_[kRestricted]->currentIndex();
    for (int i = 0; i < kRestrArmModeInputs; ++i) v.restrArmMode[i] = restrArmMode_[i]->isChecked();
    v.keys = keyRows();
    return v;
}

void ArmInPanel::showSettings(const ArmInSettings& v) {
    ui_->UpDownDelayARM->setValue(v.delayArm);
    ShowListIndex(ui_->ComboBoxArmInMode, v.armInMode);
    const std::array<const std::array<int, kReactionListLength>*, 4> lists = {
        &v.armToRele, &v.disarmToRele, &v.cdToRele, &v.raToRele};
    for (std::size_t e = 0; e < lists.size(); ++e) {
        for (int i = 0; i < kReactionListLength; ++i) ShowListIndex(reactions_[e][i], (*lists[e])[i]);
    }
    ShowListIndex(profiles_[kArm], v.armToProfile);
    ShowListIndex(profiles_[kDisarm], v.disarmToProfile);
    ShowListIndex(profiles_[kCountdown], v.cdToProfile);
    ShowListIndex(profiles_[kRestricted], v.raToProfile);
    for (int i = 0; i < kRestrArmModeInputs; ++i) restrArmMode_[i]->setChecked(v.restrArmMode[i]);
    showKeyRows(v.keys);
}

void ArmInPanel::loadSection(SectionId section, const ConfigImage& image) {
    Q_UNUSED(section);
    ArmInSettings v;
    LoadArmIn(v, image);
    showSettings(v);
}

void ArmInPanel::storeSection(SectionId section, ConfigImage& image) {
    Q_UNUSED(section);
    StoreArmIn(settings(), image);
}

TouchKeyTable ArmInPanel::keyRows() const {
    TouchKeyTable rows;
    for (int r = 1; r <= kTouchKeyRows; ++r) {
        rows[r - 1].code = ui_->StringGrid1->cellText(r, KeyGrid::kCodeColumn).toStdString();
        rows[r - 1].name = ui_->StringGrid1->cellText(r, KeyGrid::kNameColumn).toStdString();
    }
    return rows;
}

void ArmInPanel::showKeyRows(const TouchKeyTable& rows) {
    for (int r = 1; r <= kTouchKeyRows; ++r) {
        ui_->StringGrid1->setCellText(r, KeyGrid::kCodeColumn, QString::fromStdString(rows[r - 1].code));
        ui_->StringGrid1->setCellText(r, KeyGrid::kNameColumn, QString::fromStdString(rows[r - 1].name));
    }
    ui_->StringGrid1->renumber();
}

void ArmInPanel::moveKeyRow(int from, int to) {
    TouchKeyTable rows = keyRows();
    MoveTouchKeyRow(rows, from, to);
    showKeyRows(rows);
}

void ArmInPanel::applyTexts(const InterfaceTexts& texts) { keyMessages_ = texts.keyTable; }

void ArmInPanel::addTouchedKey(const QString& code) {
    TouchKeyTable rows = keyRows();
    const AddKeyOutcome outcome = AddTouchedKey(rows, code.toStdString(), keyMessages_);
    if (outcome.result == AddKeyResult::Added) showKeyRows(rows);
    ui_->LabelTouchActionDiscription->setText(FromUtf8(outcome.description));
}

void ArmInPanel::setHeaderAlarm(bool on) {
    // The Arm-In header and the perimeter header light up together.
    for (QLabel* header : {ui_->Label21, ui_->Label163}) {
        SetBackgroundColour(header, on ? kColourRed : BackgroundColour(header->parentWidget()));
    }
}

void ArmInPanel::armInCycleStarted() { setHeaderAlarm(false); }

void ArmInPanel::keyPasswordRefused(const QString& text) {
    ui_->LabelTouchActionDiscription->setText(text);
    ui_->LabelPerimetersActionDiscription->setText(text);
}

void ArmInPanel::keyRead(const KeyCodeValues& key) {
    if (!key.present) {
        setHeaderAlarm(false);
        return;
    }
    ui_->LabelTouchActionDiscription->clear();
    setHeaderAlarm(true);
    addTouchedKey(key.code);
}


}  // namespace krx
