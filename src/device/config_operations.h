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
#include "device/operation_outcome.h"
#include "device/operation_steps.h"
#include "device/transfer_runner.h"

namespace krx {

// How long a controller that keeps its password waits, with the connection
// up, before a factory reset goes on without it.
inline constexpr int kFactoryCountdownSeconds = 1800;

class ConfigOperations {
public:
    // After a restart the controller needs this long before it is polled.
    static constexpr int kRestartDelayMs = OperationSteps::kRestartDelayMs;

    // The red text `ReadConf` leaves when the controller's configuration is
    // not one this program can edit.
    static QString InvalidConfigurationText();

    ConfigOperations(OperationHost& host, TransferRunner& runner, DeviceGate& gate);

    // True from the start of an operation until it has ended (for `Programm`
    // and `Reset`: until restartDelayElapsed()).
    bool busy() const { return steps_.gate().busy(); }

    // Each does nothing (outcome not started) while the device is busy.
    OperationOutcome ReadConf();
    OperationOutcome Programm();
    OperationOutcome Reconfigurate();
    // Programs only the 256-byte blocks of the body that differ from the
    // controller's: identification, password, the controller's body read,
    // each differing run written and verified, then the restart (or with
    // `restart` false the apply step) as `Programm` and `Reconfigurate` end.
    // When nothing differs nothing is written and the controller is left
    // as it is.
    OperationOutcome ProgramChanged(bool restart);
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

    // The identification record the last operation read.
    std::span<const std::uint8_t, ident::kSize> identification() const { return steps_.identification(); }

private:
    using Ending = DeviceGate::Ending;

    // Every operation but the system parameters' leaves the section first;
    // those report on their own page, which stays on screen.
    template <typename Steps>
    OperationOutcome runOperation(Steps steps, StatusTarget line = StatusTarget::ActionName);

    Ending readConfSteps();
    Ending programmSteps();
    Ending reconfigurateSteps();
    Ending programChangedSteps(bool restart);
    Ending compareConfSteps();
    Ending resetSteps();
    Ending factoryConfigSteps();
    Ending readSystemParametersSteps();
    Ending programSystemParametersSteps();

    bool sendRestart();
    void sendApply();
    void storeAndLoadSection();
    OperationHost& host() { return steps_.host(); }

    OperationSteps steps_;
};

}  // namespace krx
