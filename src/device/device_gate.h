#pragma once
// The one rule every command on the controller follows: mark the device
// busy, stop the monitor, lock the actions, do the work, then unlock the
// actions and start the monitor again. Configuration operations, the port
// dialog and the direct commands all pass through it, and everything that
// touches the port or the image (the file commands, closing the window)
// asks it first.
//
// Busy comes first: a close request that arrives while the monitor is being
// stopped (the window keeps processing events then) already finds the
// device busy, before the actions are locked.

#include <functional>

namespace krx {

// What the gate does to its owner. A headless caller has no monitor and no
// actions: every hook does nothing by default.
class DeviceGateHooks {
public:
    virtual ~DeviceGateHooks() = default;
    virtual void stopMonitor() {}
    virtual void startMonitor() {}
    // Disable / enable the device and file actions, and every control that
    // could change the image or reach the controller meanwhile.
    virtual void lockDeviceActions() {}
    virtual void unlockDeviceActions() {}
};

class DeviceGate {
public:
    // How a command hands the device back.
    enum class Ending {
        Normal,          // unlock the actions and start the monitor
        Held,            // stay busy and locked with no monitor (a restart delay)
        MonitorRunning,  // unlock; the monitor already runs (factory countdown cancelled)
    };

    explicit DeviceGate(DeviceGateHooks& hooks) : hooks_(hooks) {}
    DeviceGate(const DeviceGate&) = delete;
    DeviceGate& operator=(const DeviceGate&) = delete;

    bool busy() const { return busy_; }

    // Busy, monitor stopped, `beforeLock` (for example moving the section
    // tree to its root), actions locked. False, doing nothing, while busy.
    bool enter(const std::function<void()>& beforeLock = {});
    // Hands the device back as `ending` says.
    void leave(Ending ending);
    // Ends a Held command: the owner has already started the monitor and
    // unlocked the actions (the restart timer does both).
    void release() { busy_ = false; }

    // The work between enter() and leave(Normal); false when busy.
    template <typename Work>
    bool run(Work&& work) {
        if (!enter()) return false;
        work();
        leave(Ending::Normal);
        return true;
    }

    DeviceGateHooks& hooks() const { return hooks_; }

private:
    DeviceGateHooks& hooks_;
    bool busy_ = false;
};

}  // namespace krx
