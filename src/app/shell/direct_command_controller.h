#pragma once
// The window's thin caller of the direct commands: the output, scenario,
// mode and imitation buttons of the controller page and below the tree, the
// two clock buttons, and "Считать IMEI контроллера в буфер обмена" (F10).
// Each runs through the operation controller, inside the window's device
// gate; the session does the sequencing.

#include <QDateTime>
#include <QObject>
#include <functional>

#include "device/clock_command.h"
#include "device/control_command.h"
#include "device/operation_outcome.h"

namespace krx {

class ClockPanel;
class ConfiguratorWindow;
class OperationController;

class DirectCommandController : public QObject {
    Q_OBJECT
public:
    // The computer's clock; the system's by default.
    using PcClock = std::function<QDateTime()>;

    // Owned by the window.
    DirectCommandController(ConfiguratorWindow& window, OperationController& operations,
                            PcClock pcClock = {});

    // The commands, as the buttons run them; each returns its outcome (not
    // started while the device is busy or, for a typed time, refused by its
    // check or with nothing typed).
    OperationOutcome sendControl(const ControlPayload& payload);
    OperationOutcome syncClock();
    OperationOutcome setTypedClock();
    OperationOutcome copyImei();

private:
    void sendOptional(const std::optional<ControlPayload>& payload);

    ConfiguratorWindow& window_;
    OperationController& operations_;
    ClockPanel* clockPage_ = nullptr;
    PcClock pcClock_;
};

}  // namespace krx
