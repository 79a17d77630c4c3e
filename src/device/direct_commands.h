#pragma once
// The technician's direct commands on the controller: drive an output, run
// a scenario, change the security mode, imitate an input (one control
// command each), set the controller's clock, and read its IMEI. Each is a
// short sequence inside the device gate: identify and check the controller,
// present the password where the command needs one, send, and hand the
// device back. Each returns how it ended.

#include <functional>

#include "device/clock_command.h"
#include "device/control_command.h"
#include "device/operation_outcome.h"
#include "device/operation_steps.h"

namespace krx {

class DirectCommands {
public:
    DirectCommands(OperationHost& host, TransferRunner& runner, DeviceGate& gate)
        : steps_(host, runner, gate) {}

    // Identification, password, then the command. Its outcome is the job's
    // text on the hidden label ("Данные переданы" when the controller took
    // it), which the host also shows as the last message.
    OperationOutcome ControlCommand(const ControlPayload& payload);

    // Identification, then the clock job; no password. `payloadWhenSent`
    // is asked once the controller is identified, so that the PC's time is
    // as fresh as it can be.
    OperationOutcome SetClock(const std::function<ClockPayload()>& payloadWhenSent);
    OperationOutcome SetClock(const ClockPayload& payload) {
        return SetClock([payload] { return payload; });
    }

    // The common start of the configuration operations (the section is
    // left), the password, then the IMEI of the identification as the
    // outcome's value.
    OperationOutcome ReadImei();

private:
    // The command or clock job on the hidden label, its text shown as the
    // last message.
    void sendOnHiddenLabel(TransferJobKind kind, std::span<std::uint8_t> payload);

    OperationSteps steps_;
};

}  // namespace krx
