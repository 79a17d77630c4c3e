#pragma once
// The controller as a program without a window sees it: one configuration
// image, the port it is reached through, and every configuration operation
// and direct command returning its outcome as a value. The window and the
// command-line tool are two thin callers of the same operations; the window
// supplies its gate
// hooks and its part of the sequencing (OperationHost), a headless
// caller supplies neither.
//
// Status texts and progress still go out through the two status sinks, for a
// caller that wants to follow an operation while it runs.

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "config/config_image.h"
#include "device/config_operations.h"
#include "device/device_gate.h"
#include "device/direct_commands.h"
#include "device/status_sink.h"
#include "device/transfer_job_runner.h"

namespace krx {

class ControllerSession {
public:
    struct Setup {
        // Read at every job: the port may change between operations.
        std::function<QString()> portName;
        // The status texts of the jobs (the window's translatable list);
        // the built-in texts when empty.
        QStringList messages;
        // What a headless factory reset does when the controller refuses
        // the empty password: true to go on as after the full countdown.
        // Without it the reset is cancelled.
        std::function<bool()> factoryCountdown;
        // A headless "При программировании очистить память режимов": true
        // when programming also clears the mode memory.
        std::function<bool()> clearModeMemory;
        // Where every successful read and programming keeps a copy
        // (history/<serial>/...); empty: no copies.
        QString historyDirectory;
    };

    // A headless session with an image of its own (the built-in default),
    // no monitor and no actions.
    explicit ControllerSession(Setup setup);
    // The window's session: its image, its gate and its host.
    ControllerSession(Setup setup, ConfigImage& image, DeviceGate& gate, OperationHost& host);
    ~ControllerSession();
    ControllerSession(const ControllerSession&) = delete;
    ControllerSession& operator=(const ControllerSession&) = delete;

    ConfigImage& image() { return *image_; }
    const ConfigImage& image() const { return *image_; }
    DeviceGate& gate() { return *gate_; }
    ConfigOperations& operations() { return *operations_; }
    // The visible status line (and `ProgressBar1`), and the hidden one of the
    // apply steps.
    StatusSink& actionSink() { return actionSink_; }
    StatusSink& tmpSink() { return tmpSink_; }
    // The system-parameter page's message line and progress bar.
    StatusSink& pageSink() { return pageSink_; }
    // The translatable job texts in use; the window replaces them.
    void setMessages(const QStringList& messages) { messages_ = messages; }
    const QStringList& messages() const { return messages_; }

    // Reading and programming keep a copy in the history when they succeed.
    OperationOutcome ReadConf();
    OperationOutcome Programm();
    OperationOutcome Reconfigurate();
    OperationOutcome CompareConf() { return operations_->CompareConf(); }
    OperationOutcome ProgramChanged(bool restart);
    OperationOutcome Reset() { return operations_->Reset(); }
    OperationOutcome FactoryConfig() { return operations_->FactoryConfig(); }
    OperationOutcome ReadSystemParameters() { return operations_->ReadSystemParameters(); }
    OperationOutcome ProgramSystemParameters() { return operations_->ProgramSystemParameters(); }

    // The direct commands: a control command, the controller clock, the IMEI.
    OperationOutcome ControlCommand(const ControlPayload& payload) {
        return commands_->ControlCommand(payload);
    }
    OperationOutcome SetClock(const ClockPayload& payload) { return commands_->SetClock(payload); }
    OperationOutcome SetClock(const std::function<ClockPayload()>& payloadWhenSent) {
        return commands_->SetClock(payloadWhenSent);
    }
    OperationOutcome ReadImei() { return commands_->ReadImei(); }

    // One job on the session's port, inside the device gate; for the direct
    // commands. Not started (ok false, empty message) while the device is
    // busy.
    JobOutcome runJob(const TransferStep& step);

private:
    class HeadlessHost;

    // A copy of the image for the controller just identified, when the
    // operation succeeded.
    OperationOutcome keep(OperationOutcome outcome, bool programmed);

    QString historyDirectory_;
    QStringList messages_;
    StatusSink actionSink_;
    StatusSink tmpSink_;
    StatusSink pageSink_;
    TransferJobRunner runner_;
    std::unique_ptr<ConfigImage> ownImage_;
    std::unique_ptr<DeviceGateHooks> ownHooks_;
    std::unique_ptr<DeviceGate> ownGate_;
    std::unique_ptr<HeadlessHost> ownHost_;
    ConfigImage* image_;
    DeviceGate* gate_;
    std::unique_ptr<ConfigOperations> operations_;
    std::unique_ptr<DirectCommands> commands_;
};

}  // namespace krx
