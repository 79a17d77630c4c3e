#pragma once
// What a configuration operation needs of the window that runs it. The main
// window (through its operation controller) implements this; tests implement
// it with a recording fake, so every operation can be exercised without
// widgets.

#include <QString>

#include <cstdint>
#include <span>

#include "config/config_image.h"

namespace krx {

class OperationHost {
public:
    virtual ~OperationHost() = default;

    // The image the editor shows; operations read and replace its parts.
    virtual ConfigImage& image() = 0;

    // Monitor (waits for the running cycle to end) and its restart.
    virtual void stopMonitor() = 0;
    virtual void startMonitor() = 0;

    // Moves the section tree to its root node; as with any change of node,
    // the section being left is stored into the image first.
    virtual void selectRootNode() = 0;
    // Store and load of the section that is selected now.
    virtual void storeSection() = 0;
    virtual void loadSection() = 0;

    // Disable / enable the ten device and file actions, and with them every
    // control that could change the image or reach the controller while an
    // operation runs.
    virtual void lockDeviceActions() = 0;
    virtual void unlockDeviceActions() = 0;

    // Shows a successfully read 88-byte identification record, or the
    // placeholder one (dashes and zeros) after a failed read or a restart.
    virtual void showIdentification(std::span<const std::uint8_t> record) = 0;
    virtual void showPlaceholderIdentification() = 0;

    // `ActionName`: replace its text keeping the colour, or show a red text.
    virtual void replaceActionNameText(const QString& text) = 0;
    virtual void showActionNameError(const QString& text) = 0;

    // Status bar panel 0: the name of the configuration in the editor.
    virtual void setConfigurationName(const QString& name) = 0;

    // "При программировании очистить память режимов".
    virtual bool clearModeMemoryChecked() const = 0;

    // After a restart: in `ms` milliseconds the monitor is started and the
    // actions are unlocked (`Timer2`); the host then calls
    // ConfigOperations::restartDelayElapsed().
    virtual void armRestartTimer(int ms) = 0;

    // Shows the factory-reset countdown modally (the monitor runs meanwhile);
    // true only when the countdown ran to its end.
    virtual bool runFactoryCountdown() = 0;
};

}  // namespace krx
