#include "app/pages/controller_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "app/widgets/widget_colours.h"
#include "ui_controller_panel.h"
#include "config/output_name_items.h"

namespace krx {
namespace {

// This model has four inputs and four outputs on its terminal blocks.
constexpr int kModelInputs = 4;
constexpr int kModelOutputs = 4;
constexpr int kLedCount = 16;
// Imitation buttons by input number 1..16.
constexpr int kImitationButton[kLedCount] = {25, 27, 28, 29, 30, 31, 32, 26,
                                             33, 35, 36, 37, 38, 39, 40, 34};

}  // namespace

ControllerPanel::ControllerPanel(QWidget* parent)
    : SectionPanel(parent),
      ui_(std::make_unique<Ui::ControllerPanel>()) {
    ui_->setupUi(this);
    applyTexts(BuiltInInterfaceTexts());
    // The status sink of the monitor's and the direct commands' jobs: its text
    // is copied into the status bar, it is never shown itself.
    ui_->TMPLabel->hide();
    for (int i = 1; i <= kLedCount; ++i) {
        SetBackgroundColour(findChild<QFrame*>(QStringLiteral("PanelLed%1").arg(i)), kColourGreen);
    }
    for (int i = 1; i <= kOutputCount; ++i) {
        SetBackgroundColour(findChild<QFrame*>(QStringLiteral("PanelOut%1").arg(i)), kColourGreen);
    }
    SetBackgroundColour(ui_->PanelArmDisarmStatus, ButtonFaceColour());
    SetBackgroundColour(ui_->PanelValidate, ButtonFaceColour());
}

ControllerPanel::~ControllerPanel() = default;

void ControllerPanel::setEditable(bool editable) { ui_->CheckBoxClearSaveArea->setEnabled(editable); }

QLabel* ControllerPanel::headerLabel() const { return ui_->Label30; }
QLabel* ControllerPanel::actionName() const { return ui_->ActionName; }
QProgressBar* ControllerPanel::progressBar() const { return ui_->ProgressBar1; }
QLabel* ControllerPanel::tmpLabel() const { return ui_->TMPLabel; }
QCheckBox* ControllerPanel::clearSaveArea() const { return ui_->CheckBoxClearSaveArea; }

namespace {

// Replaces a list's items, keeping the selected index where it still exists.
void RefillKeepingIndex(QComboBox* list, const QStringList& items) {
    const int selected = list->currentIndex();
    list->clear();
    list->addItems(items);
    list->setCurrentIndex(selected >= 0 && selected < list->count() ? selected
                                                                    : (list->count() > 0 ? 0 : -1));
}

QStringList ToQt(const std::vector<std::string>& texts, int from, int count) {
    QStringList out;
    for (int i = from; i < from + count; ++i) out << QString::fromStdString(TextAt(texts, i));
    return out;
}

}  // namespace

void ControllerPanel::applyTexts(const InterfaceTexts& texts) {
    outputNames_ = ToQt(texts.outputNames, 0, kOutputCount);
    // "Нет реакции", "Включить", "Выключить", then the 14 scenarios.
    scenarioNames_ = ToQt(texts.outputActions, 3, 14);
    RefillKeepingIndex(ui_->ComboBoxTestOut, outputNames_.mid(0, kModelOutputs));
    RefillKeepingIndex(ui_->ComboBoxTestScen, scenarioNames_);
}

void ControllerPanel::adaptToModel(SectionId section) {
    Q_UNUSED(section);
    // No protection mode on this model.
    ui_->Button22->hide();
    ui_->Button18->setFixedWidth(ui_->Button19->sizeHint().width());
    ui_->Button19->setFixedWidth(ui_->Button19->sizeHint().width());

    // Only the indicators and imitation buttons of the four inputs stay.
    ui_->BevelInputIndicator->hide();
    for (int n = kModelInputs + 1; n <= kLedCount; ++n) {
        const QString label =
            n == 5 ? QStringLiteral("Label117") : QStringLiteral("LabelLedIn%1").arg(n);
        if (auto* w = findChild<QLabel*>(label)) w->hide();
        if (auto* w = findChild<QFrame*>(QStringLiteral("PanelLed%1").arg(n))) w->hide();
        if (auto* w = findChild<QPushButton*>(QStringLiteral("Button%1").arg(kImitationButton[n - 1]))) {
            w->hide();
        }
    }
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
