#pragma once
// What the monitor's presenter hands to the pages that show live values:
// small typed interfaces, one per page. A page implements its interface with
// its own controls, so a renamed control fails to compile instead of going
// quiet; nothing on the live path looks a widget up by its name.

#include <QColor>
#include <QDateTime>
#include <QString>

#include <functional>

#include "monitor/record_decoders.h"
#include "monitor/tmainpanelcontrol.h"

namespace krx {

// The controller page (section 0).
class ControllerLiveView {
public:
    virtual ~ControllerLiveView() = default;
    virtual void showIdentification(const IdentValues& ident) = 0;
    virtual void showControllerStatus(const StatusValues& status) = 0;
    // What the page shows after a failed status read.
    virtual void showControllerStatusLost() = 0;
    virtual void resetGpsPanel() = 0;
    // The operation status line `ActionName`.
    virtual void showActionName(const QString& text, const QColor& colour) = 0;
};

// The clock and scheduler page (section 10).
class ClockLiveView {
public:
    virtual ~ClockLiveView() = default;
    virtual void showPcClock(const QDateTime& now) = 0;
    virtual void showControllerClock(const StatusValues& status) = 0;
    // `changed(true)` while the controller-time field is being typed in,
    // `changed(false)` when it is left: the monitor leaves the field alone
    // meanwhile.
    virtual void watchControllerTimeEditing(std::function<void(bool editing)> changed) = 0;
};

// The power, temperature, indication and tamper page (section 11).
class PowerLiveView {
public:
    virtual ~PowerLiveView() = default;
    virtual void showBatteryCharge(std::uint8_t raw) = 0;
    virtual void showMainsVoltage(std::uint8_t raw) = 0;
    // Read with the controller's status on the controller page too.
    virtual void showBoardTemperature(std::int8_t value, bool valid) = 0;
};

// The Arm-In page (section 12).
class ArmInLiveView {
public:
    virtual ~ArmInLiveView() = default;
    virtual void armInCycleStarted() = 0;
    virtual void keyPasswordRefused(const QString& text) = 0;
    virtual void keyRead(const KeyCodeValues& key) = 0;
};

// The input page (sections 14 to 17).
class InputLiveView {
public:
    virtual ~InputLiveView() = default;
    virtual void showInputLevel(const InputLevel& level) = 0;
};

// The pages of one window; a page that is not built yet is absent.
struct LiveViews {
    ControllerLiveView* controller = nullptr;
    ClockLiveView* clock = nullptr;
    PowerLiveView* power = nullptr;
    ArmInLiveView* armIn = nullptr;
    InputLiveView* input = nullptr;
};

}  // namespace krx
