#pragma once
// The user's operations on the controller's configuration: read it into the
// editor, program it (with a restart, or without one), compare it with the
// editor's copy, restart the controller, and restore its factory
// configuration. Each operation is a fixed sequence of transfer jobs, each
// awaited before the next is chosen; around the sequence the monitor is
// stopped and the device actions are locked, and afterwards the actions are
// unlocked and a monitor runs again (after a restart, once the restart delay
// has passed).
//
// The window stays live while a job runs, so a guard refuses a second
// operation until the first has ended completely, including the restart delay
// and the factory-reset countdown.

#include <QString>

#include <array>
#include <cstdint>

#include "device/operation_host.h"
#include "device/transfer_runner.h"

namespace krx {

class ConfigOperations {
public:
    // After a restart the controller needs this long before it is polled.
    static constexpr int kRestartDelayMs = 3000;

    // The red text `ReadConf` leaves when the controller's configuration is
    // not one this program can edit.
    static QString InvalidConfigurationText();

    ConfigOperations(OperationHost& host, TransferRunner& runner);

    // True from the start of an operation until it has ended (for `Programm`
    // and `Reset`: until restartDelayElapsed()).
    bool busy() const { return busy_; }

    // Each returns false, doing nothing, while another operation is running.
    bool ReadConf();
    bool Programm();
    bool Reconfigurate();
    bool CompareConf();
    bool Reset();
    bool FactoryConfig();

    // The host's restart timer fired: it has started the monitor and unlocked
    // the actions; operations may run again.
    void restartDelayElapsed();

private:
    enum class Ending {
        Normal,          // unlock the actions and start the monitor
        RestartPending,  // placeholder identification; the restart timer ends it
        Cancelled,       // factory countdown cancelled: the monitor already runs
    };

    template <typename Steps>
    bool runOperation(Steps steps);
    // Common start: stop the monitor, leave the section, lock, identify.
    // False when the operation must end here.
    bool commonStart();
    bool IdentifyAndCheck();
    void finish(Ending ending);

    Ending readConfSteps();
    Ending programmSteps();
    Ending reconfigurateSteps();
    Ending compareConfSteps();
    Ending resetSteps();
    Ending factoryConfigSteps();

    bool run(TransferJobKind kind, std::span<std::uint8_t> buffer,
             StatusTarget status = StatusTarget::ActionName);
    bool runArea(TransferJobKind kind, std::uint8_t area, std::span<std::uint8_t> buffer);
    bool sendPassword();
    bool sendRestart();
    void sendApply();
    void storeAndLoadSection();

    OperationHost& host_;
    TransferRunner& runner_;
    bool busy_ = false;
};

}  // namespace krx
