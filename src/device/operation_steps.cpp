#include "device/operation_steps.h"

#include "config/general_section.h"
#include "device/ident_record.h"

namespace krx {

void OperationSteps::finish(Ending ending) {
    // After a restart the controller answers nothing for a while: the
    // actions stay locked and the gate held until the restart timer ends it.
    if (ending == Ending::Held) host_.showPlaceholderIdentification();
    gate_.leave(ending);
    if (ending == Ending::Held) host_.armRestartTimer(kRestartDelayMs);
}

bool OperationSteps::identifyAndCheck(StatusTarget line) {
    ident_ = {};
    if (!run(TransferJobKind::IdentityRead, ident_, line)) {
        host_.showPlaceholderIdentification();
        return false;
    }
    host_.showIdentification(ident_);
    const QString rejection = IdentRejection(DecodeIdentRecord(ident_));
    if (!rejection.isEmpty()) {
        replaceText(rejection, line);
        return false;
    }
    return true;
}

void OperationSteps::replaceText(const QString& text, StatusTarget line) {
    // The colour the identification job left stays.
    current_.message = text;
    if (line == StatusTarget::PageLine) {
        host_.replacePageLineText(text);
    } else {
        host_.replaceActionNameText(text);
    }
}

void OperationSteps::showError(const QString& text) {
    current_.message = text;
    current_.colour = StatusColour::Red;
    host_.showActionNameError(text);
}

bool OperationSteps::run(TransferJobKind kind, std::span<std::uint8_t> buffer,
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

bool OperationSteps::runArea(TransferJobKind kind, std::uint8_t area,
                             std::span<std::uint8_t> buffer, StatusTarget line, std::uint32_t address) {
    TransferStep step;
    step.kind = kind;
    step.area = area;
    step.buffer = buffer;
    step.status = line;
    step.address = address;
    const JobOutcome out = runner_.run(step);
    current_.message = out.message;
    current_.colour = out.colour;
    if (!out.held.empty()) current_.controllerBody = out.held;
    return out.ok;
}

bool OperationSteps::sendPassword(StatusTarget line) {
    PasswordPayload payload = AdminPasswordPayload(host_.image());
    return run(TransferJobKind::PasswordSend, payload, line);
}

}  // namespace krx
