#include "device/controller_session.h"

#include <QDateTime>

#include "config/config_history.h"
#include "config/default_image.h"
#include "device/ident_record.h"
#include "device/transfer_messages.h"

namespace krx {

// A session with nobody to show anything to: the restart delay ends at once
// (nothing polls the controller afterwards), and the factory countdown is
// the caller's decision.
class ControllerSession::HeadlessHost : public OperationHost {
public:
    HeadlessHost(ConfigImage& image, std::function<bool()> countdown, std::function<bool()> clearModeMemory)
        : image_(image), countdown_(std::move(countdown)), clearModeMemory_(std::move(clearModeMemory)) {}

    void attach(ConfigOperations& operations) { operations_ = &operations; }

    ConfigImage& image() override { return image_; }
    void armRestartTimer(int) override {
        if (operations_) operations_->restartDelayElapsed();
    }
    bool runFactoryCountdown() override { return countdown_ ? countdown_() : false; }
    bool clearModeMemoryChecked() const override { return clearModeMemory_ ? clearModeMemory_() : false; }

private:
    ConfigImage& image_;
    std::function<bool()> countdown_;
    std::function<bool()> clearModeMemory_;
    ConfigOperations* operations_ = nullptr;
};

namespace {

TransferJobRunner::Wiring RunnerWiring(const ControllerSession::Setup& setup,
                                       const QStringList* messages, StatusSink* action,
                                       StatusSink* tmp, StatusSink* page) {
    return {setup.portName, messages, action, tmp, page};
}

}  // namespace

ControllerSession::ControllerSession(Setup setup)
    : historyDirectory_(setup.historyDirectory),
      messages_(setup.messages.isEmpty() ? TransferMessages() : setup.messages),
      runner_(RunnerWiring(setup, &messages_, &actionSink_, &tmpSink_, &pageSink_)),
      ownImage_(std::make_unique<ConfigImage>(DefaultImage())),
      ownHooks_(std::make_unique<DeviceGateHooks>()),
      ownGate_(std::make_unique<DeviceGate>(*ownHooks_)),
      ownHost_(std::make_unique<HeadlessHost>(*ownImage_, setup.factoryCountdown, setup.clearModeMemory)),
      image_(ownImage_.get()),
      gate_(ownGate_.get()),
      operations_(std::make_unique<ConfigOperations>(*ownHost_, runner_, *gate_)),
      commands_(std::make_unique<DirectCommands>(*ownHost_, runner_, *gate_)) {
    ownHost_->attach(*operations_);
}

ControllerSession::ControllerSession(Setup setup, ConfigImage& image, DeviceGate& gate,
                                     OperationHost& host)
    : historyDirectory_(setup.historyDirectory),
      messages_(setup.messages.isEmpty() ? TransferMessages() : setup.messages),
      runner_(RunnerWiring(setup, &messages_, &actionSink_, &tmpSink_, &pageSink_)),
      image_(&image),
      gate_(&gate),
      operations_(std::make_unique<ConfigOperations>(host, runner_, gate)),
      commands_(std::make_unique<DirectCommands>(host, runner_, gate)) {}

ControllerSession::~ControllerSession() = default;

OperationOutcome ControllerSession::ReadConf() { return keep(operations_->ReadConf(), false); }
OperationOutcome ControllerSession::Programm() { return keep(operations_->Programm(), true); }
OperationOutcome ControllerSession::Reconfigurate() { return keep(operations_->Reconfigurate(), true); }
OperationOutcome ControllerSession::ProgramChanged(bool restart) {
    return keep(operations_->ProgramChanged(restart), true);
}

OperationOutcome ControllerSession::keep(OperationOutcome outcome, bool programmed) {
    if (!outcome.ok || historyDirectory_.isEmpty()) return outcome;
    QString serial;
    for (std::uint32_t word : DecodeIdentRecord(operations_->identification()).uniqueId) {
        serial += QString::asprintf("%08X", word);
    }
    const QString time = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_hh-mm-ss"));
    SaveToHistory(*image_, std::filesystem::path(historyDirectory_.toStdString()), serial.toStdString(),
                  time.toStdString(), programmed ? HistoryKind::Programmed : HistoryKind::Read);
    return outcome;
}

JobOutcome ControllerSession::runJob(const TransferStep& step) {
    JobOutcome outcome;
    gate_->run([&] { outcome = runner_.run(step); });
    return outcome;
}

}  // namespace krx
