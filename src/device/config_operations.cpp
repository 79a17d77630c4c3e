#include "device/config_operations.h"

#include "device/changed_blocks.h"
#include "device/frame.h"

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
    : steps_(host, runner, gate) {}

OperationOutcome ConfigOperations::ReadConf() {
    return runOperation([this] { return readConfSteps(); });
}
OperationOutcome ConfigOperations::Programm() {
    return runOperation([this] { return programmSteps(); });
}
OperationOutcome ConfigOperations::Reconfigurate() {
    return runOperation([this] { return reconfigurateSteps(); });
}
OperationOutcome ConfigOperations::ProgramChanged(bool restart) {
    return runOperation([this, restart] { return programChangedSteps(restart); });
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

void ConfigOperations::restartDelayElapsed() {
    steps_.gate().release();
}

template <typename Steps>
OperationOutcome ConfigOperations::runOperation(Steps steps, StatusTarget line) {
    return steps_.runCommand(steps, line,
                             line == StatusTarget::ActionName ? OperationSteps::Section::Leave
                                                              : OperationSteps::Section::Stay);
}

ConfigOperations::Ending ConfigOperations::readConfSteps() {
    if (!steps_.sendPassword()) {
        return Ending::Normal;
    }
    host().storeSection();
    // A failed read leaves the image as it was: the job copies the body only
    // after its last block arrived.
    steps_.outcome().ok =
        steps_.runArea(TransferJobKind::AreaRead, kConfigurationArea, host().image().body());
    if (!IsValidBody(host().image())) {
        ApplyDefaultBody(host().image());
        host().setConfigurationName(
            QString::fromUtf8(kWorkingFileName.data(), qsizetype(kWorkingFileName.size())));
        steps_.showError(InvalidConfigurationText());
        steps_.outcome().ok = false;
    }
    host().loadSection();
    return Ending::Normal;
}

ConfigOperations::Ending ConfigOperations::programmSteps() {
    storeAndLoadSection();
    if (!steps_.sendPassword()) {
        return Ending::Normal;
    }
    if (!steps_.runArea(TransferJobKind::AreaWriteVerify, kConfigurationArea,
                        host().image().body())) {
        return Ending::Normal;
    }
    if (host().clearModeMemoryChecked()) {
        ApplyDefaultModeMemory(host().image());
        if (!steps_.runArea(TransferJobKind::AreaWriteVerify, kModeMemoryArea,
                            host().image().modeMemory())) {
            return Ending::Normal;
        }
    }
    steps_.outcome().ok = true;
    sendRestart();
    return Ending::Held;
}

ConfigOperations::Ending ConfigOperations::reconfigurateSteps() {
    storeAndLoadSection();
    if (!steps_.sendPassword()) {
        return Ending::Normal;
    }
    const bool written =
        steps_.runArea(TransferJobKind::AreaWriteVerify, kConfigurationArea, host().image().body());
    steps_.outcome().ok = written;
    if (written && host().clearModeMemoryChecked()) {
        ApplyDefaultModeMemory(host().image());
        // The operation goes on whatever the mode memory's write says, but a
        // failed one is not reported as success: its red text is the last.
        steps_.outcome().ok = steps_.runArea(TransferJobKind::AreaWriteVerify, kModeMemoryArea,
                                             host().image().modeMemory());
    }
    // Whatever reached the controller is put to work, even after a failed
    // write.
    sendApply();
    return Ending::Normal;
}

ConfigOperations::Ending ConfigOperations::programChangedSteps(bool restart) {
    storeAndLoadSection();
    if (!steps_.sendPassword()) {
        return Ending::Normal;
    }
    std::vector<std::uint8_t> held(host().image().body().size());
    if (!steps_.runArea(TransferJobKind::AreaRead, kConfigurationArea, held)) {
        return Ending::Normal;
    }
    const std::span<std::uint8_t> body = host().image().body();
    const std::vector<BlockRun> runs = DifferingBlockRuns(body, held, kMaxBlockData);
    const bool clearModes = host().clearModeMemoryChecked();
    if (runs.empty() && !clearModes) {
        // The controller holds this body already: nothing to write, nothing
        // to restart.
        steps_.outcome().ok = true;
        return Ending::Normal;
    }
    for (const BlockRun& run : runs) {
        if (!steps_.runArea(TransferJobKind::AreaWriteVerify, kConfigurationArea, body.subspan(run.offset, run.length),
                            StatusTarget::ActionName, static_cast<std::uint32_t>(run.offset))) {
            if (!restart) sendApply();
            return Ending::Normal;
        }
        steps_.outcome().blocksWritten += static_cast<int>(BlockCount({run}, kMaxBlockData));
    }
    if (clearModes) {
        ApplyDefaultModeMemory(host().image());
        if (!steps_.runArea(TransferJobKind::AreaWriteVerify, kModeMemoryArea, host().image().modeMemory())) {
            if (!restart) sendApply();
            return Ending::Normal;
        }
    }
    steps_.outcome().ok = true;
    if (!restart) {
        sendApply();
        return Ending::Normal;
    }
    sendRestart();
    return Ending::Held;
}

ConfigOperations::Ending ConfigOperations::compareConfSteps() {
    storeAndLoadSection();
    // The job's own blue or red text is the answer; comparing needs no
    // password.
    steps_.outcome().ok =
        steps_.runArea(TransferJobKind::AreaCompare, kConfigurationArea, host().image().body());
    return Ending::Normal;
}

ConfigOperations::Ending ConfigOperations::resetSteps() {
    if (!steps_.sendPassword()) {
        return Ending::Normal;
    }
    steps_.outcome().ok = true;
    sendRestart();
    return Ending::Held;
}

ConfigOperations::Ending ConfigOperations::factoryConfigSteps() {
    // An empty password: a controller without one accepts it, one that has a
    // password forgets it only after the long countdown.
    PasswordPayload empty{};
    if (!steps_.run(TransferJobKind::PasswordSend, empty)) {
        // The countdown asks that the connection stay up, which the monitor
        // watches while it runs.
        steps_.gate().hooks().startMonitor();
        if (!host().runFactoryCountdown()) {
            return Ending::MonitorRunning;
        }
        steps_.gate().hooks().stopMonitor();
    }
    ApplyDefaultBody(host().image());
    host().loadSection();
    steps_.outcome().ok =
        steps_.runArea(TransferJobKind::AreaWriteVerify, kConfigurationArea, host().image().body());
    if (steps_.outcome().ok) {
        ApplyDefaultModeMemory(host().image());
        // The apply step follows whatever the mode memory's write says, but a
        // failed one is not reported as success: its red text is the last.
        steps_.outcome().ok = steps_.runArea(TransferJobKind::AreaWriteVerify, kModeMemoryArea,
                                             host().image().modeMemory());
        sendApply();
    }
    return Ending::Normal;
}

ConfigOperations::Ending ConfigOperations::readSystemParametersSteps() {
    if (!steps_.sendPassword(StatusTarget::PageLine)) {
        return Ending::Normal;
    }
    host().storeSection();
    steps_.outcome().ok = steps_.runArea(TransferJobKind::AreaRead, kSystemParametersArea,
                                         host().image().systemParameters(), StatusTarget::PageLine);
    host().loadSection();
    return Ending::Normal;
}

ConfigOperations::Ending ConfigOperations::programSystemParametersSteps() {
    storeAndLoadSection();
    if (!steps_.sendPassword(StatusTarget::PageLine)) {
        return Ending::Normal;
    }
    steps_.outcome().ok = steps_.runArea(TransferJobKind::AreaWriteVerify, kSystemParametersArea,
                                         host().image().systemParameters(), StatusTarget::PageLine);
    return Ending::Normal;
}

bool ConfigOperations::sendRestart() {
    std::array<std::uint8_t, 1> payload{0};
    return steps_.run(TransferJobKind::DeviceRestart, payload);
}

void ConfigOperations::sendApply() {
    std::array<std::uint8_t, 1> payload{0};
    steps_.run(TransferJobKind::ConfigApply, payload, StatusTarget::TmpLabel);
}

void ConfigOperations::storeAndLoadSection() {
    // The image must be complete, and the editor show normalised values,
    // before anything leaves the window.
    host().storeSection();
    host().loadSection();
}

}  // namespace krx
