#include "app/shell/operation_controller.h"

#include <QDir>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QTreeWidget>

#include "app/dialogs/clear_config_dialog.h"
#include "app/live/monitor_presenter.h"
#include "app/pages/controller_panel.h"
#include "app/pages/system_parameters_panel.h"
#include "app/shell/configurator_window.h"
#include "app/shell/file_commands.h"
#include "app/shell/port_access.h"
#include "app/shell/section_tree.h"
#include "app/shell/status_panels.h"
#include "app/widgets/widget_colours.h"
#include "device/status_sink.h"
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

OperationController::OperationController(ConfiguratorWindow& window, MonitorPresenter& presenter,
                                         MonitorHost& monitor, CountdownRunner countdown)
    : QObject(&window),
      window_(window),
      presenter_(presenter),
      monitor_(monitor),
      panel_(dynamic_cast<ControllerPanel*>(window.page(sections::kController))),
      countdown_(countdown ? std::move(countdown) : CountdownRunner(RunCountdownDialog)),
      session_({[&window] { return window.port().portName(); }, {}, {}, {}, QDir::currentPath()}, window.image(),
               window.gate(), *this) {
    setObjectName(QStringLiteral("OperationController"));
    Q_ASSERT(panel_);

    // The jobs' reports arrive in the window's thread, in their order, and
    // all of a job's have arrived when the job's wait returns.
    StatusSink& actionSink = session_.actionSink();
    connect(&actionSink, &StatusSink::statusChanged, this,
            [this](const QString& text, StatusColour colour) {
                presenter_.showActionName(text, ToColour(colour));
            });
    QProgressBar* bar = panel_->progressBar();
    connect(&actionSink, &StatusSink::progressMaximumChanged, bar, &QProgressBar::setMaximum);
    connect(&actionSink, &StatusSink::progressPositionChanged, bar, &QProgressBar::setValue);
    QLabel* tmp = panel_->tmpLabel();
    connect(&session_.tmpSink(), &StatusSink::statusChanged, tmp,
            [tmp](const QString& text, StatusColour colour) {
                tmp->setText(text);
                SetTextColour(tmp, ToColour(colour));
            });
    // Every job that opens the port shows its name as the link state.
    for (StatusSink* sink : {&actionSink, &session_.tmpSink()}) {
        connect(sink, &StatusSink::portOpened, &window, &ConfiguratorWindow::linkStateChanged);
    }

    // The jobs' texts are the window's catalogue's, whenever it changes.
    const auto takeTexts = [this] {
        QStringList messages;
        for (const std::string& text : window_.texts().transferMessages) {
            messages << QString::fromStdString(text);
        }
        session_.setMessages(messages);
    };
    takeTexts();
    connect(&window, &ConfiguratorWindow::textsChanged, this, takeTexts);

    const WindowActions& actions = window.actions();
    connect(actions.ReadConf, &QAction::triggered, this,
            [this] { launch(&ControllerSession::ReadConf); });
    connect(actions.Programm, &QAction::triggered, this,
            [this] { launch(&ControllerSession::Programm); });
    connect(actions.Reconfigurate, &QAction::triggered, this,
            [this] { launch(&ControllerSession::Reconfigurate); });
    connect(actions.CompareConf, &QAction::triggered, this, [this] {
        const OperationOutcome outcome = launch(&ControllerSession::CompareConf);
        // A comparison that read the controller's body whole and found it
        // different says where.
        if (outcome.started && !outcome.ok && outcome.controllerBody.size() == kBodySize) {
            ConfigImage controller;
            std::copy(outcome.controllerBody.begin(), outcome.controllerBody.end(), controller.body().begin());
            emit controllerDiffers(controller);
        }
    });
    connect(actions.Reset, &QAction::triggered, this,
            [this] { launch(&ControllerSession::Reset); });
    connect(actions.FactoryConfig, &QAction::triggered, this,
            [this] { launch(&ControllerSession::FactoryConfig); });
    connect(&window, &ConfiguratorWindow::delayedStartDone, this,
            &OperationController::onDelayedStart);
    wireSystemParametersPage();
}

void OperationController::wireSystemParametersPage() {
    systemPage_ = dynamic_cast<SystemParametersPanel*>(window_.page(sections::kSystemParameters));
    if (!systemPage_) return;
    SystemParametersPanel* page = systemPage_;
    // The page's own message line and progress bar.
    StatusSink& sink = session_.pageSink();
    connect(&sink, &StatusSink::statusChanged, page,
            [page](const QString& text, StatusColour colour) {
                page->messageLine()->setText(text);
                SetTextColour(page->messageLine(), ToColour(colour));
            });
    connect(&sink, &StatusSink::progressMaximumChanged, page->progressBar(),
            &QProgressBar::setMaximum);
    connect(&sink, &StatusSink::progressPositionChanged, page->progressBar(),
            &QProgressBar::setValue);
    connect(&sink, &StatusSink::portOpened, &window_, &ConfiguratorWindow::linkStateChanged);
    connect(page, &SystemParametersPanel::readRequested, this, [this, page] {
        // "Программировать" waits for the first successful read.
        if (launch(&ControllerSession::ReadSystemParameters).ok) page->allowProgramming();
    });
    connect(page, &SystemParametersPanel::programRequested, this,
            [this] { launch(&ControllerSession::ProgramSystemParameters); });
}

OperationController::~OperationController() = default;

bool OperationController::busy() const {
    return window_.gate().busy();
}

OperationOutcome OperationController::launch(OperationOutcome (ControllerSession::*operation)()) {
    return launch([operation](ControllerSession& session) { return (session.*operation)(); });
}

OperationOutcome OperationController::launch(const Command& command) {
    // A trigger that slipped through while another command holds the device
    // is dropped: the session does not start it.
    const OperationOutcome outcome = command(session_);
    if (!outcome.started) return outcome;
    lastOutcome_ = outcome;
    if (!busy()) emit operationFinished();
    return outcome;
}

void OperationController::onDelayedStart() {
    // `Timer2` ends the restart delay: it has already started the monitor and
    // unlocked the actions.
    if (!restartPending_) return;
    restartPending_ = false;
    session_.operations().restartDelayElapsed();
    emit operationFinished();
}

ConfigImage& OperationController::image() {
    return window_.image();
}

void OperationController::selectRootNode() {
    window_.selectSection(sections::kController);
}

void OperationController::storeSection() {
    window_.storeCurrentSection();
}

void OperationController::loadSection() {
    window_.loadCurrentSection();
}

void OperationController::showIdentification(std::span<const std::uint8_t> record) {
    if (record.size() != ident::kSize) {
        showPlaceholderIdentification();
        return;
    }
    presenter_.showIdentification(DecodeIdentRecord(record.first<ident::kSize>()));
    window_.repaint();
}

void OperationController::showPlaceholderIdentification() {
    presenter_.showPlaceholderIdentification();
}

void OperationController::replaceActionNameText(const QString& text) {
    // The colour the identification job left stays.
    panel_->actionName()->setText(text);
}

void OperationController::replacePageLineText(const QString& text) {
    if (systemPage_) systemPage_->messageLine()->setText(text);
}

void OperationController::showActionNameError(const QString& text) {
    presenter_.showActionName(text, kColourRed);
}

void OperationController::showCommandResult(const QString& text) {
    window_.statusPanels().setText(StatusPanels::kMessage, text);
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
