#include "app/live/monitor_wiring.h"

#include <QEvent>
#include <QWidget>

#include <algorithm>

#include "app/pages/arm_in_panel.h"
#include "app/shell/configurator_window.h"
#include "app/live/controller_display.h"
#include "app/pages/input_panel.h"
#include "app/live/monitor_presenter.h"
#include "app/shell/status_panels.h"
#include "config/general_section.h"
#include "monitor/monitor_host.h"

namespace krx {

MonitorWiring::MonitorWiring(ConfiguratorWindow& window, MonitorHost* host)
    : QObject(&window),
      window_(window),
      host_(host ? host : new MonitorHost(this)),
      display_(new ControllerDisplay(
          &window, [&window](int panel, const QString& text) {
              window.statusPanels().setText(panel, text);
          },
          this, window.texts())) {
    setObjectName(QStringLiteral("MonitorWiring"));
    host_->setParent(this);
    host_->bindTexts(window.texts());
    new MonitorPresenter(host_, display_, this);

    if (auto* armIn = dynamic_cast<ArmInPanel*>(window.page(sections::kArmIn))) {
        armIn->attachMonitor(host_);
    }
    // One page serves the four inputs; it keeps the live values of the input shown.
    if (auto* input = dynamic_cast<InputPanel*>(window.page(SectionId::Input(1)))) {
        input->attachMonitor(host_);
    }
    // The key read presents the password of the configuration being edited.
    connect(host_, &MonitorHost::armInCycleStarted, this, &MonitorWiring::syncFromWindow);
    connect(&window, &ConfiguratorWindow::sectionChanged, this, &MonitorWiring::syncFromWindow);

    // While the controller-time field has the focus the monitor leaves it alone.
    if (auto* edit = window.findChild<QWidget*>(QStringLiteral("MaskEditContrCurTime"))) {
        edit->installEventFilter(this);
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

bool MonitorWiring::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        host_->shared().setControllerTimeEditing(true);
    } else if (event->type() == QEvent::FocusOut) {
        host_->shared().setControllerTimeEditing(false);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace krx
