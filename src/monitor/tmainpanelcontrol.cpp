#include "monitor/tmainpanelcontrol.h"

#include <QDeadlineTimer>

#include <exception>

#include "monitor/status_display_rules.h"

namespace krx {
namespace {

// When the port cannot even be opened, every identification fails at once;
// without a pause the loop would spin a processor core and flood the window.
constexpr int kUnopenablePortPauseMs = 500;
constexpr int kPauseSliceMs = 10;

}  // namespace

const QString TMainPanelControl::kKeyPasswordRefusedText = QStringLiteral(
    "Взаимодействие запрещено без указания пароля, программа не сможет получить код ключа");

TMainPanelControl::TMainPanelControl(MonitorSettings settings,
                                     std::unique_ptr<MonitorExchange> exchange, QObject* parent)
    : QThread(parent), settings_(std::move(settings)), exchange_(std::move(exchange)) {
    if (!settings_.shared) settings_.shared = std::make_shared<MonitorShared>();
}

TMainPanelControl::~TMainPanelControl() {
    requestInterruption();
    wait();
}

QString TMainPanelControl::PortNotFoundText(const QString& portName) {
    return QStringLiteral(" ") + portName + QStringLiteral(" не найден.");
}

void TMainPanelControl::run() {
    // A new monitor searches: no controller known yet.
    deviceConnected_.store(false);
    setPriority(QThread::LowestPriority);
    do {
        try {
            runCycle();
        } catch (const std::exception&) {
            emit cycleError(PortNotFoundText(settings_.portName));
        }
        if (portUnavailable_) pauseAfterUnopenablePort();
    } while (!isInterruptionRequested());
}

void TMainPanelControl::pauseAfterUnopenablePort() {
    const QDeadlineTimer deadline(kUnopenablePortPauseMs);
    while (!deadline.hasExpired() && !isInterruptionRequested()) msleep(kPauseSliceMs);
}

ExchangeOutcome TMainPanelControl::exchange(TransferJobKind job, std::span<std::uint8_t> buffer,
                                            const QStringList* messages) {
    return exchange_->run(job, buffer, messages);
}

void TMainPanelControl::runCycle() {
    portUnavailable_ = false;
    const SectionId section = settings_.shared->sectionId();
    if (!identify()) return;
    sectionStep(section);
}

bool TMainPanelControl::identify() {
    IdentRecordBytes record{};
    const ExchangeOutcome out =
        exchange(TransferJobKind::IdentityRead, record, &settings_.transferMessages);
    if (!out.ok) {
        portUnavailable_ = out.portUnavailable;
        emit identificationFailed(out.message, deviceConnected_.load());
        deviceConnected_.store(false);
        // While nobody answers the editor comes first.
        setPriority(QThread::LowestPriority);
        return false;
    }
    const IdentValues ident = DecodeIdentRecord(record);
    emit identified(ident, out.message, settings_.portName);
    deviceConnected_.store(true);
    setPriority(QThread::NormalPriority);

    const QString rejection = IdentRejection(ident);
    if (!rejection.isEmpty()) {
        emit deviceRejected(rejection);
        return false;
    }
    return true;
}

void TMainPanelControl::sectionStep(SectionId section) {
    const SectionKind kind = section.kind();
    if (kind == SectionKind::Controller) {
        StatusRecordBytes record{};
        const ExchangeOutcome out = exchange(TransferJobKind::StatusRead, record);
        if (out.ok) {
            emit controllerStatus(DecodeStatusRecord(record));
        } else {
            emit controllerStatusFailed(out.message);
        }
    } else if (kind == SectionKind::Clock) {
        emit pcClockTick(QDateTime::currentDateTime());
        // The user is typing a time for the controller: leave the field alone.
        if (settings_.shared->controllerTimeEditing()) return;
        StatusRecordBytes record{};
        const ExchangeOutcome out = exchange(TransferJobKind::StatusRead, record);
        if (out.ok) {
            emit controllerClock(DecodeStatusRecord(record));
        } else {
            emit exchangeFailed(out.message);
        }
    } else if (kind == SectionKind::Power) {
        StatusRecordBytes record{};
        const ExchangeOutcome out = exchange(TransferJobKind::StatusRead, record);
        if (out.ok) {
            emit powerStatus(DecodeStatusRecord(record));
        } else {
            emit powerStatusFailed(out.message);
        }
    } else if (kind == SectionKind::ArmIn) {
        emit armInCycleStarted();
        PasswordPayload password = settings_.shared->adminPassword();
        const ExchangeOutcome sent = exchange(TransferJobKind::PasswordSend, password);
        if (!sent.ok) {
            emit keyPasswordRefused(kKeyPasswordRefusedText);
            return;
        }
        KeyCodeRecordBytes record{};
        const ExchangeOutcome out = exchange(TransferJobKind::KeyCodeRead, record);
        if (out.ok) {
            emit keyRead(DecodeKeyCodeRecord(record));
        } else {
            emit exchangeFailed(out.message);
        }
    } else if (kind == SectionKind::Input) {
        StatusRecordBytes record{};
        const ExchangeOutcome out = exchange(TransferJobKind::StatusRead, record);
        const int input = section.record();
        int value = 0;
        if (out.ok) {
            const StatusValues status = DecodeStatusRecord(record);
            if (status.inputValueValid) value = status.inputValues[input - 1];
        }
        emit inputLevel({input, value});
        if (!out.ok) emit exchangeFailed(out.message);
    }
    // Every other section: nothing beyond the identification.
}

}  // namespace krx
