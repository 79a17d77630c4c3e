#include "device/device_gate.h"

namespace krx {

bool DeviceGate::enter(const std::function<void()>& beforeLock) {
    if (busy_) return false;
    busy_ = true;
    hooks_.stopMonitor();
    if (beforeLock) beforeLock();
    hooks_.lockDeviceActions();
    return true;
}

void DeviceGate::leave(Ending ending) {
    switch (ending) {
        case Ending::Normal:
            hooks_.unlockDeviceActions();
            hooks_.startMonitor();
            busy_ = false;
            break;
        case Ending::Held:
            break;
        case Ending::MonitorRunning:
            hooks_.unlockDeviceActions();
            busy_ = false;
            break;
    }
}

}  // namespace krx
