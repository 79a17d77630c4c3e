#include "app/live/monitor_wiring.h"

#include "app/live/live_views.h"
#include "app/live/monitor_presenter.h"
#include "app/pages/section_panel.h"
#include "app/shell/configurator_window.h"
#include "app/shell/status_panels.h"
#include "config/general_section.h"
#include "monitor/monitor_host.h"

namespace krx {
namespace {

// The pages that show live values, each through its own interface; a page
// not built yet shows nothing.
LiveViews ViewsOf(const ConfiguratorWindow& window) {
    LiveViews views;
    views.controller = dynamic_cast<ControllerLiveView*>(window.page(sections::kController));
    views.clock = dynamic_cast<ClockLiveView*>(window.page(sections::kClock));
    views.power = dynamic_cast<PowerLiveView*>(window.page(sections::kPower));
    views.armIn = dynamic_cast<ArmInLiveView*>(window.page(sections::kArmIn));
    // One page serves the four inputs; it keeps the values of the input shown.
    views.input = dynamic_cast<InputLiveView*>(window.page(SectionId::Input(1)));
    return views;
}

}  // namespace

MonitorWiring::MonitorWiring(ConfiguratorWindow& window, MonitorHost* host)
    : QObject(&window), window_(window), host_(host ? host : new MonitorHost(this)) {
    setObjectName(QStringLiteral("MonitorWiring"));
    host_->setParent(this);
    host_->bindTexts(window.texts());
    const LiveViews views = ViewsOf(window);
    presenter_ = new MonitorPresenter(
        host_, views,
        [&window](int panel, const QString& text) { window.statusPanels().setText(panel, text); },
        this);

    // The key read presents the password of the configuration being edited.
    connect(host_, &MonitorHost::armInCycleStarted, this, &MonitorWiring::syncFromWindow);
    connect(&window, &ConfiguratorWindow::sectionChanged, this, &MonitorWiring::syncFromWindow);

    // While the controller-time field is being typed in, the monitor leaves it alone.
    if (views.clock) {
        MonitorHost* h = host_;
        views.clock->watchControllerTimeEditing(
            [h](bool editing) { h->shared().setControllerTimeEditing(editing); });
    }

    window.setMonitorControl([this] { start(); }, [this] { host_->stop(); });
}

void MonitorWiring::start() {
    host_->setPortName(window_.port().portName());
    syncFromWindow();
    host_->start();
}

void MonitorWiring::syncFromWindow() {
    host_->shared().setSectionId(window_.currentSectionId());
    host_->shared().setAdminPassword(AdminPasswordPayload(window_.image()));
}

}  // namespace krx
