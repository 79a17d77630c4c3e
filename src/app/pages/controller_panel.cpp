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
      ui_(std::make_unique<Ui::ControllerPanel>()),
      outputNames_(DefaultOutputNames()),
      scenarioNames_(DefaultScenarioNames()) {
    ui_->setupUi(this);
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

QStringList ControllerPanel::DefaultOutputNames() {
    return {QStringLiteral("Реле 1"),  QStringLiteral("Реле 2"),  QStringLiteral("Выход 1"),
            QStringLiteral("Выход 2"), QStringLiteral("Выход 3"), QStringLiteral("Выход 4"),
            QStringLiteral("Выход 5")};
}

QStringList ControllerPanel::DefaultScenarioNames() {
    QStringList names;
    for (int i = 1; i <= 14; ++i) names << QStringLiteral("сценарий %1").arg(i);
    return names;
}

void ControllerPanel::setOutputNames(const QStringList& names) { outputNames_ = names; }

void ControllerPanel::setScenarioNames(const QStringList& names) { scenarioNames_ = names; }

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
