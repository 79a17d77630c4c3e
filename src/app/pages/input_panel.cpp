#include "app/pages/input_panel.h"

#include <QLineEdit>
#include <QLocale>
#include <QSignalBlocker>

#include "app/dialogs/calibration_dialog.h"
#include "app/live/input_level_diagram.h"
#include "app/widgets/list_binding.h"
#include "config/output_name_items.h"
#include "monitor/input_level_rules.h"
#include "monitor/status_display_rules.h"
#include "ui_input_panel.h"

namespace krx {
namespace {

// The names hold 16 characters; the 17th byte of the field ends the text.
constexpr int kNameLength = int(input_layout::kTextWidth) - 1;

std::string ToUtf8(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace

InputPanel::InputPanel(QWidget* parent)
    : SectionPanel(parent),
      ui_(std::make_unique<Ui::InputPanel>()) {
    ui_->setupUi(this);
    ui_->UpDownRecoveryTime->setRange(0, kRecoveryTimeMax);
    ui_->UpDownRecoveryTime->setEditName(QStringLiteral("EditRecoveryTime"));

    actRele_ = {ui_->ComboBoxActRele1, ui_->ComboBoxActRele2, ui_->ComboBoxActRele3,
                ui_->ComboBoxActRele4, ui_->ComboBoxActRele5, ui_->ComboBoxActRele6,
                ui_->ComboBoxActRele7};
    passRele_ = {ui_->ComboBoxPassRele1, ui_->ComboBoxPassRele2, ui_->ComboBoxPassRele3,
                 ui_->ComboBoxPassRele4, ui_->ComboBoxPassRele5, ui_->ComboBoxPassRele6,
                 ui_->ComboBoxPassRele7};
    actLabels_ = {ui_->Label102, ui_->Label101, ui_->Label24, ui_->Label27,
                  ui_->Label31,  ui_->Label33,  ui_->Label34};
    passLabels_ = {ui_->Label98, ui_->Label97, ui_->Label36, ui_->Label37,
                   ui_->Label38, ui_->Label39, ui_->Label40};

    PrepareNameList(ui_->ComboBoxSensName, SensNameSuggestions(), kNameLength);
    PrepareNameList(ui_->ComboBoxSensActSt, SensStateSuggestions(), kNameLength);
    PrepareNameList(ui_->ComboBoxSensPassSt, SensStateSuggestions(), kNameLength);
    FillList(ui_->ComboBoxSensType, SensTypeItems());
    FillList(ui_->ComboBoxSensActLevel, SensActLevelItems());
    FillList(ui_->ComboBoxAverageTime, AverageTimeItems());
    FillList(ui_->ComboBoxDelayTime, DelayTimeItems());
    FillList(ui_->ComboBoxReleToAlarm, ReleToAlarmItems());
    FillList(ui_->ComboBoxActiveTriggerNum, ActiveTriggerNumItems());
    FillList(ui_->ComboBoxAlarmDelayTime, AlarmDelayTimeItems());
    FillList(ui_->ComboBoxListenNum, ListenNumItems());
    FillList(ui_->ComboBoxSensorPwrSource, SensorPwrSourceItems());
    FillList(ui_->ComboBoxAlarmTry, AlarmTryItems());
    FillList(ui_->ComboBoxActArmDisMode, ArmDisModeItems());
    FillList(ui_->ComboBoxPassArmDisMode, ArmDisModeItems());
    for (QComboBox* list : actRele_) FillList(list, OutputReactionTexts());
    for (QComboBox* list : passRele_) FillList(list, OutputReactionTexts());

    InputLevelDiagram* diagram = ui_->InputLevelDiagram;
    ui_->ButtonVoltPerc->setText(diagram->unitCaption());
    connect(ui_->ComboBoxSensType, &QComboBox::currentIndexChanged, this,
            &InputPanel::sensorTypeChosen);
    connect(ui_->ComboBoxSensActLevel, &QComboBox::currentIndexChanged, this, [this] {
        if (showing_) return;
        feedDiagram();
        ui_->InputLevelDiagram->refresh();
    });
    // The readings follow the scale as it is typed.
    for (QLineEdit* edit : {ui_->MaskEditMinVal, ui_->MaskEditMaxVal}) {
        connect(edit, &QLineEdit::textEdited, this, [this] {
            feedDiagram();
            ui_->InputLevelDiagram->refreshLabels();
        });
    }
    connect(ui_->ButtonVoltPerc, &QPushButton::clicked, this, &InputPanel::unitButtonClicked);
    connect(diagram, &InputLevelDiagram::unitControlsChanged, this,
            &InputPanel::applyUnitControls);
}

InputPanel::~InputPanel() = default;

QLabel* InputPanel::headerLabel() const { return ui_->Label10; }
InputLevelDiagram* InputPanel::levelDiagram() const { return ui_->InputLevelDiagram; }

char InputPanel::decimalSeparator() const { return DecimalSeparator(QLocale::system()); }

void InputPanel::adaptToModel(SectionId section) {
    Q_UNUSED(section);
    // The sensor supply and the false-alarm filter are settings of the
    // larger model: hidden here, but loaded and stored all the same.
    ui_->Label80->hide();
    ui_->ComboBoxSensorPwrSource->hide();
    ui_->GroupBoxFiltr->hide();
    // Mode changes by an input and GPS data are never offered on this model.
    ui_->ComboBoxActArmDisMode->hide();
    ui_->ComboBoxPassArmDisMode->hide();
    ui_->CheckBoxActiveToGPS->hide();
    // Relay 1, relay 2, output 1 and output 2 exist here; outputs 3 .. 5 go.
    for (int i = kModelOutputCount; i < kReactionListLength; ++i) {
        actRele_[std::size_t(i)]->hide();
        passRele_[std::size_t(i)]->hide();
        actLabels_[std::size_t(i)]->hide();
        passLabels_[std::size_t(i)]->hide();
    }
}

InputSettings InputPanel::settings() const {
    InputSettings v;
    v.sensName = ToUtf8(ui_->ComboBoxSensName->currentText());
    v.sensActSt = ToUtf8(ui_->ComboBoxSensActSt->currentText());
    v.sensPassSt = ToUtf8(ui_->ComboBoxSensPassSt->currentText());
    v.averageTime = ui_->ComboBoxAverageTime->currentIndex();
    v.sensActLevel = ui_->ComboBoxSensActLevel->currentIndex();
    v.zone24H = ui_->CheckBox24HZone->isChecked();
    v.recoveryTime = ui_->UpDownRecoveryTime->value();
    v.delayTime = ui_->ComboBoxDelayTime->currentIndex();
    v.releToAlarm = ui_->ComboBoxReleToAlarm->currentIndex();
    v.sensType = ui_->ComboBoxSensType->currentIndex();
    v.loBarrier = ui_->InputLevelDiagram->lowBarrier();
    v.hiBarrier = ui_->InputLevelDiagram->highBarrier();
    v.activeTriggerNum = ui_->ComboBoxActiveTriggerNum->currentIndex();
    v.notArmingAsActive = ui_->CheckBoxNotArmingAsActive->isChecked();
    v.listenNum = ui_->ComboBoxListenNum->currentIndex();
    v.sensorPwrSource = ui_->ComboBoxSensorPwrSource->currentIndex();
    v.alarmTry = ui_->ComboBoxAlarmTry->currentIndex();
    v.actArmDisMode = ui_->ComboBoxActArmDisMode->currentIndex();
    v.passArmDisMode = ui_->ComboBoxPassArmDisMode->currentIndex();
    v.alarmDelayTime = ui_->ComboBoxAlarmDelayTime->currentIndex();
    v.activeToGps = ui_->CheckBoxActiveToGPS->isChecked();
    v.minVal = ToUtf8(ui_->MaskEditMinVal->text());
    v.maxVal = ToUtf8(ui_->MaskEditMaxVal->text());
    for (std::size_t i = 0; i < actRele_.size(); ++i) {
        v.actRele[i] = actRele_[i]->currentIndex();
        v.passRele[i] = passRele_[i]->currentIndex();
    }
    return v;
}

void InputPanel::showSettings(const InputSettings& v) {
    showing_ = true;
    ui_->ComboBoxSensName->setEditText(FromUtf8(v.sensName));
    ui_->ComboBoxSensActSt->setEditText(FromUtf8(v.sensActSt));
    ui_->ComboBoxSensPassSt->setEditText(FromUtf8(v.sensPassSt));
    ShowListIndex(ui_->ComboBoxAverageTime, v.averageTime);
    ShowListIndex(ui_->ComboBoxSensActLevel, v.sensActLevel);
    ui_->CheckBox24HZone->setChecked(v.zone24H);
    ui_->UpDownRecoveryTime->setValue(v.recoveryTime);
    ShowListIndex(ui_->ComboBoxDelayTime, v.delayTime);
    ShowListIndex(ui_->ComboBoxReleToAlarm, v.releToAlarm);
    ShowListIndex(ui_->ComboBoxSensType, v.sensType);
    ui_->InputLevelDiagram->setBarriers(v.hiBarrier, v.loBarrier);
    ShowListIndex(ui_->ComboBoxActiveTriggerNum, v.activeTriggerNum);
    ui_->CheckBoxNotArmingAsActive->setChecked(v.notArmingAsActive);
    ShowListIndex(ui_->ComboBoxListenNum, v.listenNum);
    ShowListIndex(ui_->ComboBoxSensorPwrSource, v.sensorPwrSource);
    ShowListIndex(ui_->ComboBoxAlarmTry, v.alarmTry);
    ShowListIndex(ui_->ComboBoxActArmDisMode, v.actArmDisMode);
    ShowListIndex(ui_->ComboBoxPassArmDisMode, v.passArmDisMode);
    ShowListIndex(ui_->ComboBoxAlarmDelayTime, v.alarmDelayTime);
    ui_->CheckBoxActiveToGPS->setChecked(v.activeToGps);
    ui_->MaskEditMinVal->setText(FromUtf8(v.minVal));
    ui_->MaskEditMaxVal->setText(FromUtf8(v.maxVal));
    for (std::size_t i = 0; i < actRele_.size(); ++i) {
        ShowListIndex(actRele_[i], v.actRele[i]);
        ShowListIndex(passRele_[i], v.passRele[i]);
    }
    showing_ = false;
    feedDiagram();
    // A switch of section ends with the label routine.
    ui_->InputLevelDiagram->refreshLabels();
}

void InputPanel::loadSection(SectionId section, const ConfigImage& image) {
    shownInput_ = section.record();
    InputSettings v;
    LoadInput(shownInput_, v, image, decimalSeparator());
    showSettings(v);
}

void InputPanel::storeSection(SectionId section, ConfigImage& image) {
    const int input = section.record();
    StoreInput(input, settings(), image);
    // The scale is shown as it was stored (a decimal comma read, equal ends
    // moved apart), so what stays on screen is what the image holds.
    InputSettings stored;
    LoadInput(input, stored, image, decimalSeparator());
    ui_->MaskEditMinVal->setText(FromUtf8(stored.minVal));
    ui_->MaskEditMaxVal->setText(FromUtf8(stored.maxVal));
    feedDiagram();
}

void InputPanel::feedDiagram() {
    InputLevelDiagram* d = ui_->InputLevelDiagram;
    d->setSensorType(ui_->ComboBoxSensType->currentIndex());
    d->setAlarmLevel(ui_->ComboBoxSensActLevel->currentIndex());
    d->setScaleTexts(ui_->MaskEditMinVal->text(), ui_->MaskEditMaxVal->text());
}

void InputPanel::sensorTypeChosen(int index) {
    if (showing_) return;
    InputSettings v;
    v.minVal = ToUtf8(ui_->MaskEditMinVal->text());
    v.maxVal = ToUtf8(ui_->MaskEditMaxVal->text());
    ChangeSensType(v, index);
    ui_->MaskEditMinVal->setText(FromUtf8(v.minVal));
    ui_->MaskEditMaxVal->setText(FromUtf8(v.maxVal));
    feedDiagram();
    // The readings, the unit button and the scale edits follow the new type.
    ui_->InputLevelDiagram->refreshLabels();
}

void InputPanel::unitButtonClicked() {
    InputLevelDiagram* d = ui_->InputLevelDiagram;
    const int type = ui_->ComboBoxSensType->currentIndex();
    if (ScaleFieldsVisible(type)) {
        const std::optional<double> wanted = CalibrationDialog::AskWantedValue(this);
        if (wanted) {
            const ScaleTexts scale = CalibratedScale(
                {ui_->MaskEditMinVal->text(), ui_->MaskEditMaxVal->text()}, d->liveValue(),
                *wanted, decimalSeparator());
            ui_->MaskEditMinVal->setText(scale.minText);
            ui_->MaskEditMaxVal->setText(scale.maxText);
        }
    } else {
        d->setUnitCaption(ToggledUnitCaption(d->unitCaption()));
        // Shown at once: with no sensor type chosen the label routine
        // leaves the button alone.
        ui_->ButtonVoltPerc->setText(d->unitCaption());
    }
    feedDiagram();
    d->refreshLabels();
}

void InputPanel::applyUnitControls(bool unitButtonVisible, const QString& caption,
                                   bool analoguePanelVisible) {
    ui_->ButtonVoltPerc->setVisible(unitButtonVisible);
    ui_->ButtonVoltPerc->setText(caption);
    ui_->PanelAnalogue->setVisible(analoguePanelVisible);
}

void InputPanel::showInputLevel(const InputLevel& level) {
    if (level.input != shownInput_) return;
    feedDiagram();
    ui_->InputLevelDiagram->setLiveValue(level.value);
}


}  // namespace krx
