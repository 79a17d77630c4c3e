#include "app/shell/operation_controller.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QTreeWidget>

#include "app/dialogs/clear_config_dialog.h"
#include "app/shell/configurator_window.h"
#include "app/live/controller_display.h"
#include "app/pages/controller_panel.h"
#include "app/shell/file_commands.h"
#include "app/shell/port_access.h"
#include "app/shell/section_tree.h"
#include "app/widgets/widget_colours.h"
#include "device/transfer_messages.h"
#include "monitor/monitor_host.h"
#include "monitor/record_decoders.h"

namespace krx {
namespace {

QColor ToColour(StatusColour colour) {
    switch (colour) {
        case StatusColour::Blue:
            return kColourBlue;
        case StatusColour::Red:
            return kColourRed;
        case StatusColour::Black:
            break;
    }
    return kColourBlack;
}

bool RunCountdownDialog(const std::function<bool()>& controllerLost, QWidget* parent) {
    return ClearConfigDialog::RunCountDown(controllerLost, parent);
}

}  // namespace

OperationController::OperationController(ConfiguratorWindow& window, ControllerDisplay& display,
                                         MonitorHost& monitor, CountdownRunner countdown)
    : QObject(&window),
      window_(window),
      display_(display),
      monitor_(monitor),
      panel_(dynamic_cast<ControllerPanel*>(window.page(sections::kController))),
      countdown_(countdown ? std::move(countdown) : CountdownRunner(RunCountdownDialog)),
      messages_(TransferMessages()),
      actionSink_(new StatusSink(this)),
      tmpSink_(new StatusSink(this)),
      runner_({[&window] { return window.port().portName(); }, &messages_, actionSink_,
               tmpSink_}),
      operations_(*this, runner_) {
    setObjectName(QStringLiteral("OperationController"));
    Q_ASSERT(panel_);

    // The jobs report from their own threads; these connections are queued
    // and land while the window waits for the job.
    connect(actionSink_, &StatusSink::statusChanged, this,
            [this](const QString& text, StatusColour colour) {
                display_.showActionName(text, ToColour(colour));
            });
    QProgressBar* bar = panel_->progressBar();
    connect(actionSink_, &StatusSink::progressMaximumChanged, bar, &QProgressBar::setMaximum);
    connect(actionSink_, &StatusSink::progressPositionChanged, bar, &QProgressBar::setValue);
    QLabel* tmp = panel_->tmpLabel();
    connect(tmpSink_, &StatusSink::statusChanged, tmp,
            [tmp](const QString& text, StatusColour colour) {
                tmp->setText(text);
                SetTextColour(tmp, ToColour(colour));
            });

    const WindowActions& actions = window.actions();
    connect(actions.ReadConf, &QAction::triggered, this,
            [this] { launch(&ConfigOperations::ReadConf); });
    connect(actions.Programm, &QAction::triggered, this,
            [this] { launch(&ConfigOperations::Programm); });
    connect(actions.Reconfigurate, &QAction::triggered, this,
            [this] { launch(&ConfigOperations::Reconfigurate); });
    connect(actions.CompareConf, &QAction::triggered, this,
            [this] { launch(&ConfigOperations::CompareConf); });
    connect(actions.Reset, &QAction::triggered, this,
            [this] { launch(&ConfigOperations::Reset); });
    connect(actions.FactoryConfig, &QAction::triggered, this,
            [this] { launch(&ConfigOperations::FactoryConfig); });
    connect(&window, &ConfiguratorWindow::delayedStartDone, this,
            &OperationController::onDelayedStart);
}

OperationController::~OperationController() = default;

void OperationController::launch(bool (ConfigOperations::*operation)()) {
    // A trigger that slipped through while another operation waits for its
    // job (a queued key press, a second click) is dropped here.
    if (!(operations_.*operation)()) return;
    if (!operations_.busy()) emit operationFinished();
}

void OperationController::onDelayedStart() {
    // `Timer2` ends the restart delay: it has already started the monitor and
    // unlocked the actions.
    if (!restartPending_) return;
    restartPending_ = false;
    setEditingEnabled(true);
    operations_.restartDelayElapsed();
    emit operationFinished();
}

void OperationController::setEditingEnabled(bool enabled) {
    // The job that runs owns the image bytes it was handed: no section may be
    // switched or edited until it has ended. The controller page shows the
    // operation's progress and stays as it is, apart from the option box.
    window_.sectionTree().setEnabled(enabled);
    for (int index = 1; index < SectionId::kCount; ++index) {
        if (SectionPanel* page = window_.page(SectionId::FromIndex(index))) page->setEnabled(enabled);
    }
    panel_->clearSaveArea()->setEnabled(enabled);
}

ConfigImage& OperationController::image() { return window_.image(); }

void OperationController::stopMonitor() { window_.stopMonitor(); }

void OperationController::startMonitor() { window_.startMonitor(); }

void OperationController::selectRootNode() { window_.selectSection(sections::kController); }

void OperationController::storeSection() { window_.storeCurrentSection(); }

void OperationController::loadSection() { window_.loadCurrentSection(); }

void OperationController::lockDeviceActions() {
    window_.LockDeviceActions();
    setEditingEnabled(false);
    // The lock must be visible before the first job keeps the window waiting.
    window_.repaint();
}

void OperationController::unlockDeviceActions() {
    setEditingEnabled(true);
    window_.UnlockDeviceActions();
}

void OperationController::showIdentification(std::span<const std::uint8_t> record) {
    if (record.size() != ident::kSize) {
        showPlaceholderIdentification();
        return;
    }
    display_.showIdentification(DecodeIdentRecord(record.first<ident::kSize>()));
    window_.repaint();
}

void OperationController::showPlaceholderIdentification() {
    display_.showPlaceholderIdentification();
}

void OperationController::replaceActionNameText(const QString& text) {
    // The colour the identification job left stays.
    panel_->actionName()->setText(text);
}

void OperationController::showActionNameError(const QString& text) {
    display_.showActionName(text, kColourRed);
}

void OperationController::setConfigurationName(const QString& name) {
    // Through the file commands, so a later save offers the same name.
    window_.fileCommands().setFileName(name);
}

bool OperationController::clearModeMemoryChecked() const {
    return panel_->clearSaveArea()->isChecked();
}

void OperationController::armRestartTimer(int ms) {
    restartPending_ = true;
    window_.startMonitorLater(ms);
}

bool OperationController::runFactoryCountdown() {
    MonitorHost& monitor = monitor_;
    return countdown_([&monitor] { return monitor.isRunning() && !monitor.deviceConnected(); },
                      &window_);
}

}  // namespace krx
