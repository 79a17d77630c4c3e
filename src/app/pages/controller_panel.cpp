#include "app/pages/controller_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <array>

#include "app/widgets/list_binding.h"
#include "app/widgets/widget_colours.h"
#include "config/output_name_items.h"
#include "ui_controller_panel.h"

namespace krx {
namespace {

// This model has four outputs on its terminal blocks.
constexpr int kModelOutputs = 4;

}  // namespace

ControllerPanel::ControllerPanel(QWidget* parent)
    : SectionPanel(parent), ui_(std::make_unique<Ui::ControllerPanel>()) {
    ui_->setupUi(this);
    ControllerWidgets w;
    w.deviceName = ui_->iDeviceNameLabel;
    w.modification = ui_->iModificationLabel;
    w.hardwareVersion = ui_->iHardVerLabel;
    w.softwareVersion = ui_->iSoftVerLabel;
    w.bootLoaderVersion = ui_->iBLLabel;
    w.productionDate = ui_->iDateLabel;
    w.countryCode = ui_->iLabelCountryCode;
    w.bindingId = ui_->iLabelDevSNLocked;
    w.imei = ui_->iGSMIMEILabel;
    w.uniqueId = ui_->iLabelDevSN;
    w.signal = ui_->ProgressBarSignalQuality;
    w.gsmState = ui_->LabelGSMState;
    w.armingMode = ui_->PanelArmDisarmStatus;
    w.indicators = {ui_->PanelLed1,  ui_->PanelLed2,  ui_->PanelLed3,  ui_->PanelLed4,
                    ui_->PanelLed5,  ui_->PanelLed6,  ui_->PanelLed7,  ui_->PanelLed8,
                    ui_->PanelLed9,  ui_->PanelLed10, ui_->PanelLed11, ui_->PanelLed12,
                    ui_->PanelLed13, ui_->PanelLed14, ui_->PanelLed15, ui_->PanelLed16};
    w.outputs = {ui_->PanelOut1, ui_->PanelOut2, ui_->PanelOut3, ui_->PanelOut4,
                 ui_->PanelOut5, ui_->PanelOut6, ui_->PanelOut7};
    w.balance = ui_->LabelBalans;
    w.gpsValid = ui_->PanelValidate;
    w.gpsValidText = ui_->LabelValidate;
    w.gpsValues = {ui_->LabelDateTime,      ui_->LabelLat,   ui_->LabelLong,
                   ui_->LabelAltitude,      ui_->LabelSpeed, ui_->LabelCourse,
                   ui_->LabelSatellitesUsed};
    w.showOnMap = ui_->ButtonShowOnMap;
    w.actionName = ui_->ActionName;
    for (QWidget* lamp : w.indicators) SetBackgroundColour(lamp, kColourGreen);
    for (QWidget* lamp : w.outputs) SetBackgroundColour(lamp, kColourGreen);
    display_ = std::make_unique<ControllerDisplay>(w, BuiltInInterfaceTexts());
    applyTexts(BuiltInInterfaceTexts());
    // The status sink of the monitor's and the direct commands' jobs: its text
    // is copied into the status bar, it is never shown itself.
    ui_->TMPLabel->hide();
    SetBackgroundColour(ui_->PanelArmDisarmStatus, ButtonFaceColour());
    SetBackgroundColour(ui_->PanelValidate, ButtonFaceColour());
    wireCommandButtons();
}

ControllerPanel::~ControllerPanel() = default;

QList<QPushButton*> ControllerPanel::commandButtons() const {
    return {ui_->Button4,  ui_->Button5,  ui_->Button6,  ui_->Button7,  ui_->Button8,
            ui_->Button9,  ui_->Button10, ui_->Button11, ui_->Button12, ui_->Button13,
            ui_->Button14, ui_->Button15, ui_->Button16, ui_->Button17, ui_->Button18,
            ui_->Button19, ui_->Button20, ui_->Button22, ui_->Button25, ui_->Button26,
            ui_->Button27, ui_->Button28, ui_->Button29, ui_->Button30, ui_->Button31,
            ui_->Button32, ui_->Button33, ui_->Button34, ui_->Button35, ui_->Button36,
            ui_->Button37, ui_->Button38, ui_->Button39, ui_->Button40};
}

void ControllerPanel::wireCommandButtons() {
    // Each output and input button carries its index in its tag.
    const auto tagOf = [](QPushButton* button) { return button->property("tag").toInt(); };
    const std::array<QPushButton*, 7> on{ui_->Button4,  ui_->Button6,  ui_->Button8, ui_->Button10,
                                         ui_->Button12, ui_->Button14, ui_->Button16};
    const std::array<QPushButton*, 7> off{ui_->Button5,  ui_->Button7,  ui_->Button9, ui_->Button11,
                                          ui_->Button13, ui_->Button15, ui_->Button17};
    for (QPushButton* b : on) {
        connect(b, &QPushButton::clicked, this,
                [this, b, tagOf] { emit outputSwitchRequested(tagOf(b), true); });
    }
    for (QPushButton* b : off) {
        connect(b, &QPushButton::clicked, this,
                [this, b, tagOf] { emit outputSwitchRequested(tagOf(b), false); });
    }
    const std::array<QPushButton*, 16> imitate{
        ui_->Button25, ui_->Button26, ui_->Button27, ui_->Button28, ui_->Button29, ui_->Button30,
        ui_->Button31, ui_->Button32, ui_->Button33, ui_->Button34, ui_->Button35, ui_->Button36,
        ui_->Button37, ui_->Button38, ui_->Button39, ui_->Button40};
    for (QPushButton* b : imitate) {
        connect(b, &QPushButton::clicked, this,
                [this, b, tagOf] { emit inputImitationRequested(tagOf(b)); });
    }
    connect(ui_->Button20, &QPushButton::clicked, this, [this] {
        // A list without a choice (an empty catalogue) runs nothing.
        const int output = ui_->ComboBoxTestOut->currentIndex();
        const int scenario = ui_->ComboBoxTestScen->currentIndex();
        if (output >= 0 && scenario >= 0) emit scenarioRunRequested(output, scenario + 1);
    });
    connect(ui_->Button18, &QPushButton::clicked, this,
            [this] { emit modeChangeRequested(SecurityMode::Armed); });
    connect(ui_->Button19, &QPushButton::clicked, this,
            [this] { emit modeChangeRequested(SecurityMode::Observation); });
    connect(ui_->Button22, &QPushButton::clicked, this,
            [this] { emit modeChangeRequested(SecurityMode::Protection); });
    connect(ui_->Button21, &QPushButton::clicked, this,
            [this] { emit linkRequested(SupportMailLink(SupportSubject(identificationCaptions()))); });
    connect(ui_->ButtonShowOnMap, &QPushButton::clicked, this, [this] {
        const QString link = MapLink(gps_);
        if (!link.isEmpty()) emit linkRequested(link);
    });
}

IdentificationCaptions ControllerPanel::identificationCaptions() const {
    IdentificationCaptions c;
    c.deviceName = ui_->iDeviceNameLabel->text();
    c.modification = ui_->iModificationLabel->text();
    c.hardwareVersion = ui_->iHardVerLabel->text();
    c.softwareVersion = ui_->iSoftVerLabel->text();
    c.date = ui_->iDateLabel->text();
    c.countryCode = ui_->iLabelCountryCode->text();
    c.bootLoaderVersion = ui_->iBLLabel->text();
    c.uniqueId = ui_->iLabelDevSN->text();
    c.imei = ui_->iGSMIMEILabel->text();
    return c;
}

void ControllerPanel::setEditable(bool editable) {
    // While a command holds the device no other may start; the page itself
    // keeps showing the operation's progress.
    ui_->CheckBoxClearSaveArea->setEnabled(editable);
    for (QPushButton* b : commandButtons()) b->setEnabled(editable);
    ui_->ComboBoxTestOut->setEnabled(editable);
    ui_->ComboBoxTestScen->setEnabled(editable);
}

QLabel* ControllerPanel::headerLabel() const {
    return ui_->Label30;
}
QLabel* ControllerPanel::actionName() const {
    return ui_->ActionName;
}
QProgressBar* ControllerPanel::progressBar() const {
    return ui_->ProgressBar1;
}
QLabel* ControllerPanel::tmpLabel() const {
    return ui_->TMPLabel;
}
QCheckBox* ControllerPanel::clearSaveArea() const {
    return ui_->CheckBoxClearSaveArea;
}

namespace {

QStringList ToQt(const std::vector<std::string>& texts, int from, int count) {
    QStringList out;
    for (int i = from; i < from + count; ++i) out << QString::fromStdString(TextAt(texts, i));
    return out;
}

}  // namespace

void ControllerPanel::showIdentification(const IdentValues& ident) {
    display_->showIdentification(ident);
}
void ControllerPanel::showControllerStatus(const StatusValues& status) {
    display_->showControllerStatus(status);
}
void ControllerPanel::showControllerStatusLost() {
    display_->showControllerStatusLost();
}
void ControllerPanel::resetGpsPanel() {
    display_->resetGpsPanel();
}
void ControllerPanel::showActionName(const QString& text, const QColor& colour) {
    display_->showActionName(text, colour);
}

void ControllerPanel::applyTexts(const InterfaceTexts& texts) {
    // The live texts (GSM states, arming modes) are read from the window's
    // catalogue whenever they are shown.
    display_->setTexts(texts);
    outputNames_ = ToQt(texts.outputNames, 0, kOutputCount);
    // "Нет реакции", "Включить", "Выключить", then the 14 scenarios.
    scenarioNames_ = ToQt(texts.outputActions, 3, 14);
    RefillKeepingIndex(ui_->ComboBoxTestOut, outputNames_.mid(0, kModelOutputs));
    RefillKeepingIndex(ui_->ComboBoxTestScen, scenarioNames_);
    // The indicators are captioned with the output names too.
    const std::array<QLabel*, kOutputCount> outputLabels{ui_->LabelOut1, ui_->LabelOut2, ui_->LabelOut3,
                                                         ui_->LabelOut4, ui_->LabelOut5, ui_->LabelOut6,
                                                         ui_->LabelOut7};
    for (int i = 0; i < kOutputCount; ++i) outputLabels[std::size_t(i)]->setText(outputNames_.value(i));
}

void ControllerPanel::adaptToModel(SectionId section) {
    Q_UNUSED(section);
    // No protection mode on this model.
    ui_->Button22->hide();
    ui_->Button18->setFixedWidth(ui_->Button19->sizeHint().width());
    ui_->Button19->setFixedWidth(ui_->Button19->sizeHint().width());

    // Only the indicators and imitation buttons of the four inputs stay:
    // the larger model's inputs 5 to 16 sit in their own groups.
    ui_->PanelLargerModelInputs5to8->hide();
    ui_->BevelInputIndicator->hide();
    ui_->PanelLargerModelInputs9to16->hide();
    // No GPS receiver is read on this model.
    ui_->PanelNavigation->hide();

    ui_->ComboBoxTestOut->clear();
    ui_->ComboBoxTestOut->addItems(outputNames_.mid(0, kModelOutputs));
    ui_->ComboBoxTestOut->setCurrentIndex(ui_->ComboBoxTestOut->count() > 0 ? 0 : -1);
    ui_->ComboBoxTestScen->clear();
    ui_->ComboBoxTestScen->addItems(scenarioNames_);
    ui_->ComboBoxTestScen->setCurrentIndex(ui_->ComboBoxTestScen->count() > 0 ? 0 : -1);

    ui_->ActionName->setText(QString());
}

}  // namespace krx
