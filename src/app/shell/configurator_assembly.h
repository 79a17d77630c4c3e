#pragma once
// Builds the configurator as the program runs it: the main window, its
// monitor (host, display routines, presenter), its configuration
// operations and its direct commands, wired together once. The program, the window tests and the
// benchmarks all start from here.

#include <memory>

#include "app/shell/configurator_window.h"
#include "app/shell/direct_command_controller.h"
#include "app/shell/operation_controller.h"

namespace krx {

class MonitorHost;
class MonitorWiring;
class OutwardLinksController;
class CompareView;
class ReportCommand;

struct AssemblyOptions {
    ConfiguratorWindowSetup window;
    // Adopted by the window; by default the monitor runs real transfer jobs.
    MonitorHost* monitorHost = nullptr;
    // By default the factory-reset countdown is the real dialog.
    OperationController::CountdownRunner countdown;
    // By default "Синхро." sends the system's clock.
    DirectCommandController::PcClock pcClock;
};

struct Configurator {
    std::unique_ptr<ConfiguratorWindow> window;
    MonitorWiring* monitor = nullptr;             // owned by the window
    OperationController* operations = nullptr;    // owned by the window
    DirectCommandController* commands = nullptr;  // owned by the window
    OutwardLinksController* links = nullptr;      // owned by the window
    CompareView* compare = nullptr;               // owned by the window
    ReportCommand* report = nullptr;              // owned by the window
};

Configurator AssembleConfigurator(AssemblyOptions options = {});

}  // namespace krx
