#include "app/shell/configurator_assembly.h"

#include "app/live/monitor_wiring.h"
#include "app/shell/compare_view.h"
#include "app/shell/outward_links_controller.h"
#include "app/shell/report_command.h"

namespace krx {

Configurator AssembleConfigurator(AssemblyOptions options) {
    Configurator c;
    c.window = std::make_unique<ConfiguratorWindow>(std::move(options.window));
    c.monitor = new MonitorWiring(*c.window, options.monitorHost);
    c.operations = new OperationController(*c.window, c.monitor->presenter(), c.monitor->host(),
                                           std::move(options.countdown));
    c.commands = new DirectCommandController(*c.window, *c.operations, std::move(options.pcClock));
    c.links = new OutwardLinksController(*c.window);
    c.compare = new CompareView(*c.window, *c.operations);
    c.report = new ReportCommand(*c.window, c.monitor->presenter());
    return c;
}

}  // namespace krx
