#pragma once
// The window as the program builds it, talking to the in-process simulated
// controller: the rig of the window tests that run operations and direct
// commands, with what the controller heard and when the monitor started.

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QTreeWidget>

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/live/monitor_wiring.h"
#include "app/pages/section_panel.h"
#include "app/shell/configurator_assembly.h"
#include "app/shell/configurator_window.h"
#include "app/shell/operation_controller.h"
#include "app/widgets/widget_colours.h"
#include "monitor/monitor_host.h"
#include "sim/sim_controller.h"
#include "sim/sim_link.h"

namespace krx::test {

using Frame = std::vector<std::uint8_t>;

// The window as the program builds it, talking to the simulated controller.
struct Rig {
    DirectCommandController* commands = nullptr;
    std::shared_ptr<sim::SimController> controller = std::make_shared<sim::SimController>();
    sim::ScopedSimLinks links{controller};
    std::unique_ptr<ConfiguratorWindow> window;
    MonitorWiring* wiring = nullptr;
    OperationController* operations = nullptr;
    // The controller's requests when the monitor was first started after
    // `resetMonitorStarts()`: exactly the operation's frames.
    std::optional<std::vector<Frame>> framesAtMonitorStart;
    int monitorStarts = 0;

    explicit Rig(OperationController::CountdownRunner countdown = {},
                 DirectCommandController::PcClock pcClock = {});

    const WindowActions& actions() const { return window->actions(); }
    MonitorHost& monitor() const { return wiring->host(); }
    QLabel* label(const char* name) const { return window->findChild<QLabel*>(name); }
    QString actionText() const { return label("ActionName")->text(); }
    QColor actionColour() const { return TextColour(label("ActionName")); }
    QProgressBar* progressBar() const { return window->findChild<QProgressBar*>("ProgressBar1"); }
    QCheckBox* clearSaveArea() const { return window->findChild<QCheckBox*>("CheckBoxClearSaveArea"); }
    QTimer* timer2() const { return window->findChild<QTimer*>("Timer2"); }

    bool allActionsEnabled(bool enabled) const {
        for (QAction* a : actions().deviceActions()) {
            if (a->isEnabled() != enabled) return false;
        }
        return true;
    }
    bool editingEnabled() const {
        return window->sectionTree().isEnabled() && window->page(sections::kGeneral)->isEnabled() &&
               clearSaveArea()->isEnabled();
    }
    // Handed back: actions and editors enabled, a monitor polling.
    bool idle() const {
        return allActionsEnabled(true) && editingEnabled() && monitor().isRunning() &&
               !operations->busy();
    }

    // Stops the monitor and forgets what the controller heard, so the next
    // operation's frames stand alone.
    void quiet() {
        window->stopMonitor();
        controller->clearRequests();
        framesAtMonitorStart.reset();
        monitorStarts = 0;
    }
    QByteArray operationCommands() const {
        const std::vector<Frame> frames =
            framesAtMonitorStart ? *framesAtMonitorStart : controller->requests();
        QByteArray codes;
        for (const Frame& f : frames) codes.append(static_cast<char>(f.at(1)));
        return codes;
    }

    std::vector<std::uint8_t> area(int n) const { return controller->area(n); }
    void setArea(int n, std::span<const std::uint8_t> bytes) { controller->setArea(n, bytes); }
    void setDevicePassword(const std::string& password) { controller->setPassword(password); }
};

// Waits until the window is handed back (idle()).
bool WaitIdle(const Rig& rig, int ms = 5000);

}  // namespace krx::test
