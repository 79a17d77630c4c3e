#pragma once
// The user's operations on the controller's configuration: read it into the
// editor, program it (with a restart, or without one), compare it with the
// editor's copy, restart the controller, and restore its factory
// configuration. Each operation is a fixed sequence of transfer jobs, each
// awaited before the next is chosen, inside the device gate (monitor
// stopped, actions locked; afterwards unlocked with a monitor again, after a
// restart once the restart delay has passed). Each returns how it ended.

#include <QString>

#include <array>
#include <cstdint>

#include "device/device_gate.h"
#include "device/operation_host.h"
#include "device/transfer_runner.h"

namespace krx {

// How an operation ended, as a value.
struct OperationOutcome {
    // False when the operation did not run: another command held the device.
    bool started = false;
    // Every step whose result the operation examines succeeded; for the
    // comparison, the controller holds the same body.
    bool ok = false;
    // The status line the operation left, with its colour.
    QString message;
    StatusColour colour = StatusColour::Black;
};

class ConfigOperations {
public:
    // After a restart the controller needs this long before it is polled.
    static constexpr int kRestartDelayMs = 3000;

    // The red text `ReadConf` leaves when the controller's configuration is
    // not one this program can edit.
    static QString InvalidConfigurationText();

    ConfigOperations(OperationHost& host, TransferRunner& runner, DeviceGate& gate);

    // True from the start of an operation until it has ended (for `Programm`
    // and `Reset`: until restartDelayElapsed()).
    bool busy() const { return gate_.busy(); }

    // Each does nothing (outcome not started) while the device is busy.
    OperationOutcome ReadConf();
    OperationOutcome Programm();
    OperationOutcome Reconfigurate();
    OperationOutcome CompareConf();
    OperationOutcome Reset();
    OperationOutcome FactoryConfig();
    // The system-parameter tail (area 5), from and to the controller. They
    // report on the system-parameter page's own line and leave the section
    // tree alone.
    OperationOutcome ReadSystemParameters();
    OperationOutcome ProgramSystemParameters();

    // The host's restart timer fired: it has started the monitor and unlocked
    // the actions; operations may run again.
    void restartDelayElapsed();

private:
    using Ending = DeviceGate::Ending;

    template <typename Steps>
    OperationOutcome runOperation(Steps steps, StatusTarget line = StatusTarget::ActionName);
    bool IdentifyAndCheck(StatusTarget line);

    Ending readConfSteps();
    Ending programmSteps();
    Ending reconfigurateSteps();
    Ending compareConfSteps();
    Ending resetSteps();
    Ending factoryConfigSteps();
    Ending readSystemParametersSteps();
    Ending programSystemParametersSteps();

    bool run(TransferJobKind kind, std::span<std::uint8_t> buffer,
             StatusTarget status = StatusTarget::ActionName);
    bool runArea(TransferJobKind kind, std::uint8_t area, std::span<std::uint8_t> buffer,
                 StatusTarget line = StatusTarget::ActionName);
    bool sendPassword(StatusTarget line = StatusTarget::ActionName);
    bool sendRestart();
    void sendApply();
    void storeAndLoadSection();
    // The status line, as the host shows it.
    void replaceText(const QString& text, StatusTarget line);
    void showError(const QString& text);

    OperationHost& host_;
    TransferRunner& runner_;
    DeviceGate& gate_;
    OperationOutcome current_;
};

}  // namespace krx
