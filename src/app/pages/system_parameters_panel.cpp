#include "app/pages/system_parameters_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "app/widgets/list_binding.h"
#include "ui_system_parameters_panel.h"

namespace krx {

SystemParametersPanel::SystemParametersPanel(QWidget* parent)
    : SectionPanel(parent), ui_(std::make_unique<Ui::SystemParametersPanel>()) {
    ui_->setupUi(this);
    FillList(ui_->ComboBoxCALDIR, CalDirItems());
    FillList(ui_->ComboBoxBatteryType, BatteryTypeItems());
    // The warning covers the fields until the user asks to edit them; then
    // it is gone for the rest of the run.
    ui_->PanelSysParFields->hide();
    connect(ui_->Button1, &QPushButton::clicked, this, [this] {
        ui_->PanelSysParWarning->hide();
        ui_->PanelSysParFields->show();
        ui_->Button1->setEnabled(false);
    });
    connect(ui_->BitBtnReadSysPar, &QPushButton::clicked, this,
            &SystemParametersPanel::readRequested);
    connect(ui_->BitBtnProgSysPar, &QPushButton::clicked, this,
            &SystemParametersPanel::programRequested);
}

SystemParametersPanel::~SystemParametersPanel() = default;

QLabel* SystemParametersPanel::headerLabel() const { return ui_->Label86; }
QLabel* SystemParametersPanel::messageLine() const { return ui_->LabelSysParMsg; }
QProgressBar* SystemParametersPanel::progressBar() const { return ui_->ProgressBarSysPar; }

void SystemParametersPanel::allowProgramming() { ui_->BitBtnProgSysPar->setEnabled(true); }

SystemParameters SystemParametersPanel::settings() const {
    SystemParameters v;
    v.calVal = ui_->EditCALVAL->text().toStdString();
    v.calDir = ui_->ComboBoxCALDIR->currentIndex();
    v.batteryType = ui_->ComboBoxBatteryType->currentIndex();
    v.fwUpdateEnable = ui_->CheckBoxFWUpdateEnable->isChecked();
    v.crcCheckDisable = ui_->CheckBoxCRCCheckDisable->isChecked();
    return v;
}

void SystemParametersPanel::showSettings(const SystemParameters& v) {
    ui_->EditCALVAL->setText(QString::fromStdString(v.calVal));
    ShowListIndex(ui_->ComboBoxCALDIR, v.calDir);
    ShowListIndex(ui_->ComboBoxBatteryType, v.batteryType);
    ui_->CheckBoxFWUpdateEnable->setChecked(v.fwUpdateEnable);
    ui_->CheckBoxCRCCheckDisable->setChecked(v.crcCheckDisable);
}

void SystemParametersPanel::loadSection(SectionId section, const ConfigImage& image) {
    Q_UNUSED(section);
    SystemParameters v;
    LoadSystemParameters(v, image);
    showSettings(v);
}

void SystemParametersPanel::storeSection(SectionId section, ConfigImage& image) {
    Q_UNUSED(section);
    SystemParameters v = settings();
    StoreSystemParameters(v, image);
    // The number as stored: trimmed, and the field's maximum for a larger one.
    showSettings(v);
}

}  // namespace krx
