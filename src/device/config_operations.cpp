#include "device/config_operations.h"

#include <algorithm>

#include "config/default_image.h"
#include "config/general_section.h"
#include "device/ident_record.h"

namespace krx {
namespace {

constexpr std::uint8_t kConfigurationArea = 1;  // the body
constexpr std::uint8_t kModeMemoryArea = 4;
const QString kDefaultConfigurationName = QStringLiteral("default.cnt");

}  // namespace

QString ConfigOperations::InvalidConfigurationText() {
    return QStringLiteral(
        "Контроллер не содержит достоверную конфигурацию.\n"
        "Настройте параметры как необходимо и запрограммируйте конфигурацию.");
}

ConfigOperations::ConfigOperations(OperationHost& host, TransferRunner& runner)
    : host_(host), runner_(runner) {}

bool ConfigOperations::ReadConf() {
    return runOperation([this] { return readConfSteps(); });
}
bool ConfigOperations::Programm() {
    return runOperation([this] { return programmSteps(); });
}
bool ConfigOperations::Reconfigurate() {
    return runOperation([this] { return reconfigurateSteps(); });
}
bool ConfigOperations::CompareConf() {
    return runOperation([this] { return compareConfSteps(); });
}
bool ConfigOperations::Reset() {
    return runOperation([this] { return resetSteps(); });
}
bool ConfigOperations::FactoryConfig() {
    return runOperation([this] { return factoryConfigSteps(); });
}

void ConfigOperations::restartDelayElapsed() { busy_ = false; }

template <typename Steps>
bool ConfigOperations::runOperation(Steps steps) {
    if (busy_) {
        return false;
    }
    busy_ = true;
    finish(commonStart() ? steps() : Ending::Normal);
    return true;
}

bool ConfigOperations::commonStart() {
    host_.stopMonitor();
    host_.selectRootNode();
    host_.lockDeviceActions();
    return IdentifyAndCheck();
}

bool ConfigOperations::IdentifyAndCheck() {
    std::array<std::uint8_t, ident::kSize> record{};
    if (!run(TransferJobKind::IdentityRead, record)) {
        host_.showPlaceholderIdentification();
        return false;
    }
    host_.showIdentification(record);
    const QString rejection = IdentRejection(DecodeIdentRecord(record));
    if (!rejection.isEmpty()) {
        host_.replaceActionNameText(rejection);
        return false;
    }
    return true;
}

void ConfigOperations::finish(Ending ending) {
    switch (ending) {
        case Ending::Normal:
            host_.unlockDeviceActions();
            host_.startMonitor();
            busy_ = false;
            break;
        case Ending::RestartPending:
            // The controller is rebooting: nothing answers for a while. The
            // actions stay locked and the guard held until the timer ends it.
            host_.showPlaceholderIdentification();
            host_.armRestartTimer(kRestartDelayMs);
            break;
        case Ending::Cancelled:
            host_.unlockDeviceActions();
            busy_ = false;
            break;
    }
}

ConfigOperations::Ending ConfigOperations::readConfSteps() {
    if (!sendPassword()) {
        return Ending::Normal;
    }
    host_.storeSection();
    // A failed read leaves the image as it was: the job copies the body only
    // after its last block arrived.
    runArea(TransferJobKind::AreaRead, kConfigurationArea, host_.image().body());
    if (!IsValidBody(host_.image())) {
        ApplyDefaultBody(host_.image());
        host_.setConfigurationName(kDefaultConfigurationName);
        host_.showActionNameError(InvalidConfigurationText());
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
    sendRestart();
    return Ending::RestartPending;
}

ConfigOperations::Ending ConfigOperations::reconfigurateSteps() {
    storeAndLoadSection();
    if (!sendPassword()) {
        return Ending::Normal;
    }
    const bool written =
        runArea(TransferJobKind::AreaWriteVerify, kConfigurationArea, host_.image().body());
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
    runArea(TransferJobKind::AreaCompare, kConfigurationArea, host_.image().body());
    return Ending::Normal;
}

ConfigOperations::Ending ConfigOperations::resetSteps() {
    if (!sendPassword()) {
        return Ending::Normal;
    }
    sendRestart();
    return Ending::RestartPending;
}

ConfigOperations::Ending ConfigOperations::factoryConfigSteps() {
    // An empty password: a controller without one accepts it, one that has a
    // password forgets it only after the long countdown.
    PasswordPayload empty{};
    if (!run(TransferJobKind::PasswordSend, empty)) {
        // The countdown asks that the connection stay up, which the monitor
        // watches while it runs.
        host_.startMonitor();
        if (!host_.runFactoryCountdown()) {
            return Ending::Cancelled;
        }
        host_.stopMonitor();
    }
    ApplyDefaultBody(host_.image());
    host_.loadSection();
    if (runArea(TransferJobKind::AreaWriteVerify, kConfigurationArea, host_.image().body())) {
        ApplyDefaultModeMemory(host_.image());
        runArea(TransferJobKind::AreaWriteVerify, kModeMemoryArea, host_.image().modeMemory());
        sendApply();
    }
    return Ending::Normal;
}

bool ConfigOperations::run(TransferJobKind kind, std::span<std::uint8_t> buffer,
                           StatusTarget status) {
    TransferStep step;
    step.kind = kind;
    step.buffer = buffer;
    step.status = status;
    return runner_.run(step) == 0;
}

bool ConfigOperations::runArea(TransferJobKind kind, std::uint8_t area,
                               std::span<std::uint8_t> buffer) {
    TransferStep step;
    step.kind = kind;
    step.area = area;
    step.buffer = buffer;
    return runner_.run(step) == 0;
}

bool ConfigOperations::sendPassword() {
    PasswordPayload payload = AdminPasswordPayload(host_.image());
    return run(TransferJobKind::PasswordSend, payload);
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
