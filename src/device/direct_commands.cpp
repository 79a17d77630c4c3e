#include "device/direct_commands.h"

#include "device/ident_record.h"

namespace krx {

void DirectCommands::sendOnHiddenLabel(TransferJobKind kind, std::span<std::uint8_t> payload) {
    TransferStep step;
    step.kind = kind;
    step.buffer = payload;
    step.status = StatusTarget::TmpLabel;
    const JobOutcome out = steps_.runner().run(step);
    OperationOutcome& outcome = steps_.outcome();
    outcome.sent = true;
    outcome.ok = out.ok;
    outcome.message = out.message;
    outcome.colour = out.colour;
    steps_.host().showCommandResult(out.message);
}

OperationOutcome DirectCommands::ControlCommand(const ControlPayload& payload) {
    return steps_.runCommand(
        [this, bytes = ControlPayload(payload)]() mutable {
            if (steps_.sendPassword()) {
                sendOnHiddenLabel(TransferJobKind::ControlCommand, bytes);
            }
            return OperationSteps::Ending::Normal;
        },
        StatusTarget::ActionName, OperationSteps::Section::Stay);
}

OperationOutcome DirectCommands::SetClock(const std::function<ClockPayload()>& payloadWhenSent) {
    return steps_.runCommand(
        [this, &payloadWhenSent] {
            ClockPayload payload = payloadWhenSent();
            sendOnHiddenLabel(TransferJobKind::ClockSet, payload);
            return OperationSteps::Ending::Normal;
        },
        StatusTarget::ActionName, OperationSteps::Section::Stay);
}

OperationOutcome DirectCommands::ReadImei() {
    return steps_.runCommand(
        [this] {
            if (steps_.sendPassword()) {
                OperationOutcome& outcome = steps_.outcome();
                outcome.ok = true;
                outcome.value = DecodeIdentRecord(steps_.identification()).imei;
            }
            return OperationSteps::Ending::Normal;
        },
        StatusTarget::ActionName, OperationSteps::Section::Leave);
}

}  // namespace krx
