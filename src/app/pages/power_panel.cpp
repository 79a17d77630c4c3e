#include "app/pages/power_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>

#include "app/widgets/list_binding.h"
#include "config/output_name_items.h"
#include "config/output_reaction_texts.h"
#include "config/power_editing_rules.h"
#include "ui_power_panel.h"

namespace krx {
namespace {

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

PowerPanel::PowerPanel(QWidget* parent)
    : SectionPanel(parent), ui_(std::make_unique<Ui::PowerPanel>()) {
    ui_->setupUi(this);
    FillList(ui_->ComboBoxPowerSignAverTime, PowerSignAverTimeItems());
    FillList(ui_->ComboBoxRecoveryTime, PowerRecoveryTimeItems());
    for (const std::string_view item : IndFunctionItems()) indicatorFunctions_ << FromUtf8(item);
    ui_->ComboBoxIndFunction->addItems(indicatorFunctions_);
    for (QComboBox* list : {ui_->ComboBoxHiBorderOut, ui_->ComboBoxLoBorderOut,
                            ui_->ComboBoxTamperActOutN}) {
        FillList(list, OutputNameItems());
    }
    for (QComboBox* list : {ui_->ComboBoxHiBorderScn, ui_->ComboBoxLoBorderScn,
                            ui_->ComboBoxTamperActScnN}) {
        FillList(list, OutputReactionTexts());
    }
    FillList(ui_->ComboBoxHiBorderLevel, BorderLevelItems());
    FillList(ui_->ComboBoxLoBorderLevel, BorderLevelItems());

    PowerWidgets live;
    live.batteryPercent = ui_->Label17;
    live.batteryBar = ui_->ProgressBarBatCharge;
    live.batteryMessage = ui_->LabelBatMsg;
    live.mains = ui_->LabelMainPower;
    live.mainsBar = ui_->ProgressBarMainPower;
    live.temperatureCaption = ui_->LabelTemperature;
    live.temperatureBar = ui_->ProgressBarModemTemperature;
    live.temperatureValue = ui_->LabelTempCurVal;
    live_ = std::make_unique<PowerDisplay>(live);
    live_->setTemperatureCaption(ui_->LabelTemperature->text());

    connect(ui_->TrackBarDischargeWarn, &QSlider::valueChanged, this, [this](int p) {
        applyRule([p](PowerSettings& s) { MoveFirstDischargeBorder(s, p); });
    });
    connect(ui_->TrackBarDischargeAlarm, &QSlider::valueChanged, this, [this](int p) {
        applyRule([p](PowerSettings& s) { MoveSecondDischargeBorder(s, p); });
    });
    connect(ui_->TrackBarTemperatLowBorder, &QSlider::valueChanged, this, [this](int t) {
        applyRule([t](PowerSettings& s) { MoveTemperatLowBorder(s, t); });
    });
    connect(ui_->TrackBarTemperatHiBorder, &QSlider::valueChanged, this, [this](int t) {
        applyRule([t](PowerSettings& s) { MoveTemperatHiBorder(s, t); });
    });
    connect(ui_->ComboBoxHiBorderLevel, &QComboBox::activated, this, [this](int i) {
        applyRule([i](PowerSettings& s) { ChooseHiBorderLevel(s, i); });
    });
    connect(ui_->ComboBoxLoBorderLevel, &QComboBox::activated, this, [this](int i) {
        applyRule([i](PowerSettings& s) { ChooseLoBorderLevel(s, i); });
    });
    showBorders(settings());
}

PowerPanel::~PowerPanel() = default;

QLabel* PowerPanel::headerLabel() const { return ui_->Label23; }

void PowerPanel::adaptToModel(SectionId section) {
    Q_UNUSED(section);
    // The GPS options belong to the larger model: hidden, still loaded and stored.
    ui_->CheckBoxAsFaultSendGPSPos->hide();
    ui_->CheckBoxAsDischargeSendGPSPos->hide();
    // The level lists are filled anew each time the page is shown, the
    // output lists cut to this model's four outputs, the indicator list
    // refilled with this model's four functions; the choices stay.
    const PowerSettings kept = settings();
    FillList(ui_->ComboBoxHiBorderLevel, BorderLevelItems());
    FillList(ui_->ComboBoxLoBorderLevel, BorderLevelItems());
    ui_->ComboBoxIndFunction->clear();
    ui_->ComboBoxIndFunction->addItems(indicatorFunctions_);
    for (QComboBox* list : {ui_->ComboBoxHiBorderOut, ui_->ComboBoxLoBorderOut,
                            ui_->ComboBoxTamperActOutN}) {
        KeepFirstItems(list, kModelOutputCount);
    }
    showSettings(kept);
}

void PowerPanel::applyTexts(const InterfaceTexts& texts) {
    // This model offers functions 4 to 7 of the window's list.
    constexpr int kFirstOffered = 3;
    indicatorFunctions_.clear();
    for (int i = kFirstOffered; i < kFirstOffered + int(IndFunctionItems().size()); ++i) {
        indicatorFunctions_ << FromUtf8(TextAt(texts.indicatorFunctions, i));
    }
    RetextItems(ui_->ComboBoxIndFunction, indicatorFunctions_);
    live_->setTemperatureCaption(FromUtf8(texts.boardTemperatureCaption));
}

PowerSettings PowerPanel::settings() const {
    PowerSettings v;
    v.powerSignAverTime = ui_->ComboBoxPowerSignAverTime->currentIndex();
    v.extPowerFault = ui_->CheckBoxExtPowerFault->isChecked();
    v.powerRecoveryTime = ui_->ComboBoxRecoveryTime->currentIndex();
    v.extPowerRec = ui_->CheckBoxExtPowerRec->isChecked();
    v.asFaultSendGpsPos = ui_->CheckBoxAsFaultSendGPSPos->isChecked();
    v.dischargeAlarmPosition = ui_->TrackBarDischargeAlarm->value();
    v.batteryDischargeAlarmEventEn = ui_->CheckBoxBatteryDischargeAlarmEventEn->isChecked();
    v.dischargeWarnPosition = ui_->TrackBarDischargeWarn->value();
    v.batteryDischargeWarnEventEn = ui_->CheckBoxBatteryDischargeWarnEventEn->isChecked();
    v.asDischargeSendGpsPos = ui_->CheckBoxAsDischargeSendGPSPos->isChecked();
    v.indFunction = ui_->ComboBoxIndFunction->currentIndex();
    v.alarmBlinking = ui_->CheckBoxAlarmBlinking->isChecked();
    v.disableLedsAtCoverClose = ui_->CheckBoxDisableLedsAtCoverClose->isChecked();
    v.showActiveInsToArmOut = ui_->CheckBoxShowActiveInsToArmOut->isChecked();
    v.temperatureEvent = ui_->CheckBoxTemperatureEvent->isChecked();
    v.temperatLowBorder = ui_->TrackBarTemperatLowBorder->value();
    v.temperatHiBorder = ui_->TrackBarTemperatHiBorder->value();
    v.loBorderLevel = ui_->ComboBoxLoBorderLevel->currentIndex();
    v.loBorderOut = ui_->ComboBoxLoBorderOut->currentIndex();
    v.loBorderScn = ui_->ComboBoxLoBorderScn->currentIndex();
    v.hiBorderLevel = ui_->ComboBoxHiBorderLevel->currentIndex();
    v.hiBorderOut = ui_->ComboBoxHiBorderOut->currentIndex();
    v.hiBorderScn = ui_->ComboBoxHiBorderScn->currentIndex();
    v.tamperEnable = ui_->CheckBoxTamperEnable->isChecked();
    v.tamperActOutN = ui_->ComboBoxTamperActOutN->currentIndex();
    v.tamperActScnN = ui_->ComboBoxTamperActScnN->currentIndex();
    return v;
}

void PowerPanel::showSettings(const PowerSettings& v) {
    ShowListIndex(ui_->ComboBoxPowerSignAverTime, v.powerSignAverTime);
    ui_->CheckBoxExtPowerFault->setChecked(v.extPowerFault);
    ShowListIndex(ui_->ComboBoxRecoveryTime, v.powerRecoveryTime);
    ui_->CheckBoxExtPowerRec->setChecked(v.extPowerRec);
    ui_->CheckBoxAsFaultSendGPSPos->setChecked(v.asFaultSendGpsPos);
    ui_->CheckBoxBatteryDischargeAlarmEventEn->setChecked(v.batteryDischargeAlarmEventEn);
    ui_->CheckBoxBatteryDischargeWarnEventEn->setChecked(v.batteryDischargeWarnEventEn);
    ui_->CheckBoxAsDischargeSendGPSPos->setChecked(v.asDischargeSendGpsPos);
    ShowListIndex(ui_->ComboBoxIndFunction, v.indFunction);
    ui_->CheckBoxAlarmBlinking->setChecked(v.alarmBlinking);
    ui_->CheckBoxDisableLedsAtCoverClose->setChecked(v.disableLedsAtCoverClose);
    ui_->CheckBoxShowActiveInsToArmOut->setChecked(v.showActiveInsToArmOut);
    ui_->CheckBoxTemperatureEvent->setChecked(v.temperatureEvent);
    ShowListIndex(ui_->ComboBoxLoBorderOut, v.loBorderOut);
    ShowListIndex(ui_->ComboBoxLoBorderScn, v.loBorderScn);
    ShowListIndex(ui_->ComboBoxHiBorderOut, v.hiBorderOut);
    ShowListIndex(ui_->ComboBoxHiBorderScn, v.hiBorderScn);
    ui_->CheckBoxTamperEnable->setChecked(v.tamperEnable);
    ShowListIndex(ui_->ComboBoxTamperActOutN, v.tamperActOutN);
    ShowListIndex(ui_->ComboBoxTamperActScnN, v.tamperActScnN);
    showBorders(v);
}

void PowerPanel::showBorders(const PowerSettings& v) {
    // The scales and level lists show what the rules left; setting them must
    // not run the rules again.
    const QSignalBlocker b1(ui_->TrackBarDischargeWarn);
    const QSignalBlocker b2(ui_->TrackBarDischargeAlarm);
    const QSignalBlocker b3(ui_->TrackBarTemperatLowBorder);
    const QSignalBlocker b4(ui_->TrackBarTemperatHiBorder);
    ui_->TrackBarDischargeWarn->setValue(v.dischargeWarnPosition);
    ui_->TrackBarDischargeAlarm->setValue(v.dischargeAlarmPosition);
    ui_->TrackBarTemperatLowBorder->setValue(v.temperatLowBorder);
    ui_->TrackBarTemperatHiBorder->setValue(v.temperatHiBorder);
    ui_->LabelDischargeWarn->setText(FromUtf8(DischargeBorderText(v.dischargeWarnPosition)));
    ui_->LabelDischargeAlarm->setText(FromUtf8(DischargeBorderText(v.dischargeAlarmPosition)));
    ui_->LabelTemperatLowBorder->setText(FromUtf8(TemperatureText(v.temperatLowBorder)));
    ui_->LabelTemperatHiBorder->setText(FromUtf8(TemperatureText(v.temperatHiBorder)));
    ShowListIndex(ui_->ComboBoxLoBorderLevel, v.loBorderLevel);
    ShowListIndex(ui_->ComboBoxHiBorderLevel, v.hiBorderLevel);
}

template <typename Rule>
void PowerPanel::applyRule(Rule rule) {
    PowerSettings s = settings();
    rule(s);
    showBorders(s);
}

void PowerPanel::loadSection(SectionId section, const ConfigImage& image) {
    Q_UNUSED(section);
    PowerSettings v;
    LoadPower(v, image);
    showSettings(v);
}

void PowerPanel::storeSection(SectionId section, ConfigImage& image) {
    Q_UNUSED(section);
    StorePower(settings(), image);
}

void PowerPanel::showBatteryCharge(std::uint8_t raw) { live_->showBatteryCharge(raw); }

void PowerPanel::showMainsVoltage(std::uint8_t raw) { live_->showMainsVoltage(raw); }

void PowerPanel::showBoardTemperature(std::int8_t value, bool valid) {
    live_->showBoardTemperature(value, valid);
}

}  // namespace krx
