#pragma once
// What a configuration operation needs of whoever runs it, beyond the device
// gate: the image, and the window's part of the sequencing (the section
// tree, the identification display, the status line, the restart timer and
// the factory-reset dialog). The main window implements it through its
// operation controller; a headless session implements only what it needs,
// since everything that only shows something does nothing by default.

#include <QString>
#include <cstdint>
#include <span>

#include "config/config_image.h"

namespace krx {

class OperationHost {
public:
    virtual ~OperationHost() = default;

    // The image the operations read and replace parts of.
    virtual ConfigImage& image() = 0;

    // Moves the section tree to its root node; as with any change of node,
    // the section being left is stored into the image first.
    virtual void selectRootNode() {}
    // Store and load of the section that is selected now.
    virtual void storeSection() {}
    virtual void loadSection() {}

    // Shows a successfully read 88-byte identification record, or the
    // placeholder one (dashes and zeros) after a failed read or a restart.
    virtual void showIdentification(std::span<const std::uint8_t> record) { (void)record; }
    virtual void showPlaceholderIdentification() {}

    // `ActionName`: replace its text keeping the colour, or show a red text.
    virtual void replaceActionNameText(const QString& text) { (void)text; }
    // The system-parameter page's message line: replace its text, keeping
    // the colour.
    virtual void replacePageLineText(const QString& text) { (void)text; }
    virtual void showActionNameError(const QString& text) { (void)text; }

    // Status bar panel 3: the text a direct command's job left.
    virtual void showCommandResult(const QString& text) { (void)text; }

    // Status bar panel 0: the name of the configuration in the editor.
    virtual void setConfigurationName(const QString& name) { (void)name; }

    // "При программировании очистить память режимов".
    virtual bool clearModeMemoryChecked() const { return false; }

    // After a restart: in `ms` milliseconds the monitor is started and the
    // actions are unlocked; the host then calls
    // ConfigOperations::restartDelayElapsed().
    virtual void armRestartTimer(int ms) = 0;

    // Shows the factory-reset countdown (the monitor runs meanwhile); true
    // only when the countdown ran to its end.
    virtual bool runFactoryCountdown() = 0;
};

}  // namespace krx
