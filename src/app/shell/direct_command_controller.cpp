#include "app/shell/direct_command_controller.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

#include "app/pages/clock_panel.h"
#include "app/pages/controller_panel.h"
#include "app/shell/configurator_window.h"
#include "app/shell/mode_panel.h"
#include "app/shell/operation_controller.h"
#include "monitor/status_display_rules.h"

namespace krx {
namespace {

QString FaultText(const ClockCheckTexts& texts, ClockTextFault fault) {
    switch (fault) {
        case ClockTextFault::Day:
            return QString::fromStdString(texts.day);
        case ClockTextFault::Month:
            return QString::fromStdString(texts.month);
        case ClockTextFault::Year:
            return QString::fromStdString(texts.year);
        case ClockTextFault::Hour:
            return QString::fromStdString(texts.hour);
        case ClockTextFault::Minute:
            return QString::fromStdString(texts.minute);
        case ClockTextFault::None:
            break;
    }
    return {};
}

}  // namespace

DirectCommandController::DirectCommandController(ConfiguratorWindow& window,
                                                 OperationController& operations, PcClock pcClock)
    : QObject(&window),
      window_(window),
      operations_(operations),
      clockPage_(dynamic_cast<ClockPanel*>(window.page(sections::kClock))),
      pcClock_(pcClock ? std::move(pcClock)
                       : PcClock([] { return QDateTime::currentDateTime(); })) {
    setObjectName(QStringLiteral("DirectCommandController"));
    if (auto* page = dynamic_cast<ControllerPanel*>(window.page(sections::kController))) {
        connect(page, &ControllerPanel::outputSwitchRequested, this,
                [this](int output, bool on) { sendOptional(OutputSwitchPayload(output, on)); });
        connect(page, &ControllerPanel::scenarioRunRequested, this,
                [this](int output, int scenario) {
                    sendOptional(OutputScenarioPayload(output, scenario));
                });
        connect(page, &ControllerPanel::inputImitationRequested, this,
                [this](int input) { sendOptional(InputImitationPayload(input)); });
        connect(page, &ControllerPanel::modeChangeRequested, this,
                [this](SecurityMode mode) { sendControl(ModeChangePayload(mode)); });
    }
    connect(&window.modePanel(), &ModePanel::modeChangeRequested, this,
            [this](SecurityMode mode) { sendControl(ModeChangePayload(mode)); });
    if (clockPage_) {
        connect(clockPage_, &ClockPanel::clockSyncRequested, this, [this] { syncClock(); });
        connect(clockPage_, &ClockPanel::clockSetRequested, this, [this] { setTypedClock(); });
    }
    connect(window.actions().ReadIMEICode, &QAction::triggered, this, [this] { copyImei(); });
}

void DirectCommandController::sendOptional(const std::optional<ControlPayload>& payload) {
    if (payload) sendControl(*payload);
}

OperationOutcome DirectCommandController::sendControl(const ControlPayload& payload) {
    return operations_.launch(
        [&payload](ControllerSession& session) { return session.ControlCommand(payload); });
}

OperationOutcome DirectCommandController::syncClock() {
    // The computer's time as the clock page shows it, taken when the
    // controller has answered, so that it is not a monitor cycle old.
    const auto now = [this] { return ClockPayloadFromText(PcClockText(pcClock_())); };
    return operations_.launch([&now](ControllerSession& session) { return session.SetClock(now); });
}

OperationOutcome DirectCommandController::setTypedClock() {
    if (!clockPage_) return {};
    const QString typed = clockPage_->pendingControllerTime();
    if (typed.isEmpty()) return {};
    const ClockTextFields fields = ReadClockText(typed);
    const ClockTextFault fault = CheckClockText(fields);
    if (fault != ClockTextFault::None) {
        const ClockCheckTexts& texts = window_.texts().clockCheck;
        window_.dialogs().warn(&window_, QString::fromStdString(texts.title),
                               FaultText(texts, fault));
        clockPage_->clearPendingControllerTime();
        return {};
    }
    const ClockPayload payload = ClockPayloadOf(fields);
    const OperationOutcome outcome = operations_.launch(
        [&payload](ControllerSession& session) { return session.SetClock(payload); });
    // A controller that could not be identified keeps the typed time for
    // another try.
    if (outcome.sent) clockPage_->clearPendingControllerTime();
    return outcome;
}

OperationOutcome DirectCommandController::copyImei() {
    const OperationOutcome outcome =
        operations_.launch([](ControllerSession& session) { return session.ReadImei(); });
    if (outcome.ok) {
        QGuiApplication::clipboard()->setText(
            QString::fromStdString(window_.texts().imeiClipboardPrefix) + outcome.value);
    }
    return outcome;
}

}  // namespace krx
