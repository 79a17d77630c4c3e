#include "app/pages/inputs_common_panel.h"

#include "app/widgets/list_binding.h"
#include "app/widgets/terminal_picture.h"
#include "ui_inputs_common_panel.h"

namespace krx {

InputsCommonPanel::InputsCommonPanel(QWidget* parent)
    : SectionPanel(parent), ui_(std::make_unique<Ui::InputsCommonPanel>()) {
    ui_->setupUi(this);
    FillList(ui_->ComboBoxPortPwrSensAllOn, PortPwrSensAllOnItems());
    FillList(ui_->ComboBoxLoopPwrResetTime, LoopPwrResetTimeItems());
    FillList(ui_->ComboBoxNoScaningTimeAftArm, NoScaningTimeAftArmItems());
    FillList(ui_->ComboBoxNoScaningTimeAftReset, NoScaningTimeAftResetItems());
    ui_->ImageKRX310Ins->setPixmap(LoadTerminalPicture(TerminalBlock::Inputs, QDir::current()));
}

InputsCommonPanel::~InputsCommonPanel() = default;

void InputsCommonPanel::adaptToModel(SectionId section) {
    Q_UNUSED(section);
    ui_->GroupBox17->hide();
    ui_->GroupBox18->hide();
    ui_->ImageKRX310Ins->show();
}

InputsCommonSettings InputsCommonPanel::settings() const {
    InputsCommonSettings v;
    v.portPwrSensAllOn = ui_->ComboBoxPortPwrSensAllOn->currentIndex();
    v.loopPwrResetTime = ui_->ComboBoxLoopPwrResetTime->currentIndex();
    v.noScaningTimeAftArm = ui_->ComboBoxNoScaningTimeAftArm->currentIndex();
    v.noScaningTimeAftReset = ui_->ComboBoxNoScaningTimeAftReset->currentIndex();
    return v;
}

void InputsCommonPanel::showSettings(const InputsCommonSettings& v) {
    ShowListIndex(ui_->ComboBoxPortPwrSensAllOn, v.portPwrSensAllOn);
    ShowListIndex(ui_->ComboBoxLoopPwrResetTime, v.loopPwrResetTime);
    ShowListIndex(ui_->ComboBoxNoScaningTimeAftArm, v.noScaningTimeAftArm);
    ShowListIndex(ui_->ComboBoxNoScaningTimeAftReset, v.noScaningTimeAftReset);
}

void InputsCommonPanel::loadSection(SectionId section, const ConfigImage& image) {
    Q_UNUSED(section);
    InputsCommonSettings v;
    LoadInputsCommon(v, image);
    showSettings(v);
}

void InputsCommonPanel::storeSection(SectionId section, ConfigImage& image) {
    Q_UNUSED(section);
    StoreInputsCommon(settings(), image);
}

}  // namespace krx
