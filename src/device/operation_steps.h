#pragma once
// The steps every command on the controller is built from, for the
// configuration operations and the direct commands alike: the common start
// (the device gate, leaving the section when the command asks for it, the
// identification and its checks), one transfer job at a time, the password,
// and the outcome the command hands back.

#include <QString>
#include <array>
#include <cstdint>
#include <span>

#include "device/device_gate.h"
#include "device/operation_host.h"
#include "device/operation_outcome.h"
#include "device/records.h"
#include "device/transfer_runner.h"

namespace krx {

class OperationSteps {
public:
    using Ending = DeviceGate::Ending;

    // After a restart the controller needs this long before it is polled.
    static constexpr int kRestartDelayMs = 3000;

    // Whether the command leaves the section being edited first (the root
    // node of the tree stores it) before the actions are locked.
    enum class Section : std::uint8_t { Stay, Leave };

    OperationSteps(OperationHost& host, TransferRunner& runner, DeviceGate& gate)
        : host_(host), runner_(runner), gate_(gate) {}

    // The common start, `steps` (which return how the device is handed
    // back) once the controller is identified and supported, and the common
    // end. Not started while another command holds the device.
    template <typename Steps>
    OperationOutcome runCommand(Steps steps, StatusTarget line, Section section) {
        const auto beforeLock = [this, section] {
            if (section == Section::Leave) host_.selectRootNode();
        };
        if (!gate_.enter(beforeLock)) return {};
        current_ = OperationOutcome{};
        current_.started = true;
        const Ending ending = identifyAndCheck(line) ? steps() : Ending::Normal;
        finish(ending);
        return current_;
    }

    // The controller's identification, shown, and the device and version
    // checks; false (with the refusal on `line`) when the command must end.
    bool identifyAndCheck(StatusTarget line);

    // One job; its text and colour become the outcome's unless it reports
    // on the hidden label.
    bool run(TransferJobKind kind, std::span<std::uint8_t> buffer,
             StatusTarget status = StatusTarget::ActionName);
    // An area job; its text and colour always become the outcome's.
    bool runArea(TransferJobKind kind, std::uint8_t area, std::span<std::uint8_t> buffer,
                 StatusTarget line = StatusTarget::ActionName, std::uint32_t address = 0);
    // The administrative password of the image.
    bool sendPassword(StatusTarget line = StatusTarget::ActionName);

    // The status line, as the host shows it, keeping the colour.
    void replaceText(const QString& text, StatusTarget line);
    // A red text on `ActionName`.
    void showError(const QString& text);

    OperationOutcome& outcome() { return current_; }
    OperationHost& host() { return host_; }
    DeviceGate& gate() const { return gate_; }
    TransferRunner& runner() { return runner_; }
    // The bytes of the identification the running command read.
    std::span<const std::uint8_t, ident::kSize> identification() const { return ident_; }

private:
    void finish(Ending ending);

    OperationHost& host_;
    TransferRunner& runner_;
    DeviceGate& gate_;
    OperationOutcome current_;
    std::array<std::uint8_t, ident::kSize> ident_{};
};

}  // namespace krx
