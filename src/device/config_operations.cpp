#include "device/config_operations.h"

#include <algorithm>

#include "config/config_file.h"
#include "config/default_image.h"
#include "config/general_section.h"
#include "device/ident_record.h"

namespace krx {
namespace {

constexpr std::uint8_t kConfigurationArea = 1;  // the body
constexpr std::uint8_t kModeMemoryArea = 4;
constexpr std::uint8_t kSystemParametersArea = 5;

}  // namespace

QString ConfigOperations::InvalidConfigurationText() {
    return QStringLiteral(
        "Контроллер не содержит достоверную конфигурацию.\n"
        "Настройте параметры как необходимо и запрограммируйте конфигурацию.");
}

ConfigOperations::ConfigOperations(OperationHost& host, TransferRunner& runner, DeviceGate& gate)
    : host_(host), runner_(runner), gate_(gate) {}

OperationOutcome ConfigOperations::ReadConf() {
    return runOperation([this] { return readConfSteps(); });
}
OperationOutcome ConfigOperations::Programm() {
    return runOperation([this] { return programmSteps(); });
}
OperationOutcome ConfigOperations::Reconfigurate() {
    return runOperation([this] { return reconfigurateSteps(); });
}
OperationOutcome ConfigOperations::CompareConf() {
    return runOperation([this] { return compareConfSteps(); });
}
OperationOutcome ConfigOperations::Reset() {
    return runOperation([this] { return resetSteps(); });
}
OperationOutcome ConfigOperations::FactoryConfig() {
    return runOperation([this] { return factoryConfigSteps(); });
}
OperationOutcome ConfigOperations::ReadSystemParameters() {
    return runOperation([this] { return readSystemParametersSteps(); }, StatusTarget::PageLine);
}
OperationOutcome ConfigOperations::ProgramSystemParameters() {
    return runOperation([this] { return programSystemParametersSteps(); }, StatusTarget::PageLine);
}

void ConfigOperations::restartDelayElapsed() { gate_.release(); }

template <typename Steps>
OperationOutcome ConfigOperations::runOperation(Steps steps, StatusTarget line) {
    // Common start: stop the monitor, leave the section (the root node
    // stores it), lock, identify. The system parameters are read and
    // programmed from their own page, which stays on screen.
    const auto beforeLock = [this, line] {
        if (line == StatusTarget::ActionName) host_.selectRootNode();
    };
    if (!gate_.enter(beforeLock)) return {};
    current_ = OperationOutcome{};
    current_.started = true;
    const Ending ending = IdentifyAndCheck(line) ? steps() : Ending::Normal;
    // After a restart the controller answers nothing for a while: the
    // actions stay locked and the gate held until the restart timer ends it.
    if (ending == Ending::Held) host_.showPlaceholderIdentification();
    gate_.leave(ending);
    if (ending == Ending::Held) host_.armRestartTimer(kRestartDelayMs);
    return current_;
}

bool ConfigOperations::IdentifyAndCheck(StatusTarget line) {
    std::array<std::uint8_t, ident::kSize> record{};
    if (!run(TransferJobKind::IdentityRead, record, line)) {
        host_.showPlaceholderIdentification();
        return false;
    }
    host_.showIdentification(record);
    const QString rejection = IdentRejection(DecodeIdentRecord(record));
    if (!rejection.isEmpty()) {
        replaceText(rejection, line);
        return false;
    }
    return true;
}

void ConfigOperations::replaceText(const QString& text, StatusTarget line) {
    // The colour the identification job left stays.
    current_.message = text;
    if (line == StatusTarget::PageLine) {
        host_.replacePageLineText(text);
    } else {
        host_.replaceActionNameText(text);
    }
}

void ConfigOperations::showError(const QString& text) {
    current_.message = text;
    current_.colour = StatusColour::Red;
    host_.showActionNameError(text);
}

ConfigOperations::Ending ConfigOperations::readConfSteps() {
    if (!sendPassword()) {
        return Ending::Normal;
    }
    host_.storeSection();
    // A failed read leaves the image as it was: the job copies the body only
    // after its last block arrived.
    current_.ok = runArea(TransferJobKind::AreaRead, kConfigurationArea, host_.image().body());
    if (!IsValidBody(host_.image())) {
        ApplyDefaultBody(host_.image());
        host_.setConfigurationName(QString::fromUtf8(kWorkingFileName.data(),
                                                     qsizetype(kWorkingFileName.size())));
        showError(InvalidConfigurationText());
        current_.ok = false;
    }
    host_.loadSection();
    return Ending::Normal;
}

ConfigOperations::Ending ConfigOperations::programmSteps() {
    storeAndLoadSection();
    if (!sendPassword()) {
        return Ending::Normal;
    }
    if (!runArea(TransferJobKind::AreaWriteVerify, kConfigurationArea, host_.image().body())) {
        return Ending::Normal;
    }
    if (host_.clearModeMemoryChecked()) {
        ApplyDefaultModeMemory(host_.image());
        if (!runArea(TransferJobKind::AreaWriteVerify, kModeMemoryArea,
                     host_.image().modeMemory())) {
            return Ending::Normal;
        }
    }
    current_.ok = true;
    sendRestart();
    return Ending::Held;
}

ConfigOperations::Ending ConfigOperations::reconfigurateSteps() {
    storeAndLoadSection();
    if (!sendPassword()) {
        return Ending::Normal;
    }
    const bool written =
        runArea(TransferJobKind::AreaWriteVerify, kConfigurationArea, host_.image().body());
    current_.ok = written;
    if (written && host_.clearModeMemoryChecked()) {
        ApplyDefaultModeMemory(host_.image());
        runArea(TransferJobKind::AreaWriteVerify, kModeMemoryArea, host_.image().modeMemory());
    }
    // Whatever reached the controller is put to work, even after a failed
    // write.
    sendApply();
    return Ending::Normal;
}

ConfigOperations::Ending ConfigOperations::compareConfSteps() {
    storeAndLoadSection();
    // The job's own blue or red text is the answer; comparing needs no
    // password.
    current_.ok =
        runArea(TransferJobKind::AreaCompare, kConfigurationArea, host_.image().body());
    return Ending::Normal;
}

ConfigOperations::Ending ConfigOperations::resetSteps() {
    if (!sendPassword()) {
        return Ending::Normal;
    }
    current_.ok = true;
    sendRestart();
    return Ending::Held;
}

ConfigOperations::Ending ConfigOperations::factoryConfigSteps() {
    // An empty password: a controller without one accepts it, one that has a
    // password forgets it only after the long countdown.
    PasswordPayload empty{};
    if (!run(TransferJobKind::PasswordSend, empty)) {
        // The countdown asks that the connection stay up, which the monitor
        // watches while it runs.
        gate_.hooks().startMonitor();
        if (!host_.runFactoryCountdown()) {
            return Ending::MonitorRunning;
        }
        gate_.hooks().stopMonitor();
    }
    ApplyDefaultBody(host_.image());
    host_.loadSection();
    current_.ok =
        runArea(TransferJobKind::AreaWriteVerify, kConfigurationArea, host_.image().body());
    if (current_.ok) {
        ApplyDefaultModeMemory(host_.image());
        runArea(TransferJobKind::AreaWriteVerify, kModeMemoryArea, host_.image().modeMemory());
        sendApply();
    }
    return Ending::Normal;
}

ConfigOperations::Ending ConfigOperations::readSystemParametersSteps() {
    if (!sendPassword(StatusTarget::PageLine)) {
        return Ending::Normal;
    }
    host_.storeSection();
    current_.ok = runArea(TransferJobKind::AreaRead, kSystemParametersArea,
                          host_.image().systemParameters(), StatusTarget::PageLine);
    host_.loadSection();
    return Ending::Normal;
}

ConfigOperations::Ending ConfigOperations::programSystemParametersSteps() {
    storeAndLoadSection();
    if (!sendPassword(StatusTarget::PageLine)) {
        return Ending::Normal;
    }
    current_.ok = runArea(TransferJobKind::AreaWriteVerify, kSystemParametersArea,
                          host_.image().systemParameters(), StatusTarget::PageLine);
    return Ending::Normal;
}

bool ConfigOperations::run(TransferJobKind kind, std::span<std::uint8_t> buffer,
                           StatusTarget status) {
    TransferStep step;
    step.kind = kind;
    step.buffer = buffer;
    step.status = status;
    const JobOutcome out = runner_.run(step);
    if (status != StatusTarget::TmpLabel) {
        current_.message = out.message;
        current_.colour = out.colour;
    }
    return out.ok;
}

bool ConfigOperations::runArea(TransferJobKind kind, std::uint8_t area,
                               std::span<std::uint8_t> buffer, StatusTarget line) {
    TransferStep step;
    step.kind = kind;
    step.area = area;
    step.buffer = buffer;
    step.status = line;
    const JobOutcome out = runner_.run(step);
    current_.message = out.message;
    current_.colour = out.colour;
    return out.ok;
}

bool ConfigOperations::sendPassword(StatusTarget line) {
    PasswordPayload payload = AdminPasswordPayload(host_.image());
    return run(TransferJobKind::PasswordSend, payload, line);
}

bool ConfigOperations::sendRestart() {
    std::array<std::uint8_t, 1> payload{0};
    return run(TransferJobKind::DeviceRestart, payload);
}

void ConfigOperations::sendApply() {
    std::array<std::uint8_t, 1> payload{0};
    run(TransferJobKind::ConfigApply, payload, StatusTarget::TmpLabel);
}

void ConfigOperations::storeAndLoadSection() {
    // The image must be complete, and the editor show normalised values,
    // before anything leaves the window.
    host_.storeSection();
    host_.loadSection();
}

}  // namespace krx
