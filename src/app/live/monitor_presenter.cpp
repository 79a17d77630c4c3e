#include "app/live/monitor_presenter.h"

#include "app/shell/port_access.h"
#include "app/shell/status_panels.h"
#include "app/widgets/widget_colours.h"
#include "monitor/monitor_host.h"

namespace krx {

MonitorPresenter::MonitorPresenter(MonitorHost* host, LiveViews views,
                                   StatusPanelWriter setStatusPanel, QObject* parent)
    : QObject(parent), views_(views), setStatusPanel_(std::move(setStatusPanel)) {
    const LiveViews v = views_;
    connect(host, &MonitorHost::identified, this,
            [this](const IdentValues& ident, const QString& message, const QString& port) {
                showIdentification(ident);
                setPanel(StatusPanels::kMessage, message);
                setPanel(StatusPanels::kLink, port);
            });
    connect(host, &MonitorHost::identificationFailed, this,
            [this, v](const QString& message, bool resetGpsPanel) {
                if (resetGpsPanel && v.controller) v.controller->resetGpsPanel();
                showPlaceholderIdentification();
                setPanel(StatusPanels::kMessage, message);
                setPanel(StatusPanels::kLink, kLinkDownText);
                showActionName(QString(), kColourBlack);
            });
    connect(host, &MonitorHost::deviceRejected, this,
            [this](const QString& text) { showActionName(text, kColourRed); });
    connect(host, &MonitorHost::controllerStatus, this, [v](const StatusValues& status) {
        if (v.controller) v.controller->showControllerStatus(status);
        if (v.power) v.power->showBoardTemperature(status.boardTemperature, status.temperatureValid);
    });
    connect(host, &MonitorHost::controllerStatusFailed, this, [this, v](const QString& message) {
        setPanel(StatusPanels::kMessage, message);
        if (v.controller) v.controller->showControllerStatusLost();
    });
    connect(host, &MonitorHost::pcClockTick, this, [v](const QDateTime& now) {
        if (v.clock) v.clock->showPcClock(now);
    });
    connect(host, &MonitorHost::controllerClock, this, [v](const StatusValues& status) {
        if (v.clock) v.clock->showControllerClock(status);
    });
    connect(host, &MonitorHost::powerStatus, this, [v](const StatusValues& status) {
        if (v.power) {
            v.power->showBatteryCharge(status.batteryCharge);
            v.power->showMainsVoltage(status.mainsVoltage);
            v.power->showBoardTemperature(status.boardTemperature, status.temperatureValid);
        }
    });
    connect(host, &MonitorHost::powerStatusFailed, this, [this, v](const QString& message) {
        if (v.power) {
            v.power->showBatteryCharge(0);
            v.power->showMainsVoltage(0);
        }
        setPanel(StatusPanels::kMessage, message);
    });
    connect(host, &MonitorHost::armInCycleStarted, this, [v] {
        if (v.armIn) v.armIn->armInCycleStarted();
    });
    connect(host, &MonitorHost::keyPasswordRefused, this, [v](const QString& text) {
        if (v.armIn) v.armIn->keyPasswordRefused(text);
    });
    connect(host, &MonitorHost::keyRead, this, [v](const KeyCodeValues& key) {
        if (v.armIn) v.armIn->keyRead(key);
    });
    connect(host, &MonitorHost::inputLevel, this, [v](const InputLevel& level) {
        if (v.input) v.input->showInputLevel(level);
    });
    connect(host, &MonitorHost::exchangeFailed, this,
            [this](const QString& message) { setPanel(StatusPanels::kMessage, message); });
    connect(host, &MonitorHost::cycleError, this,
            [this](const QString& text) { setPanel(StatusPanels::kMessage, text); });
}

void MonitorPresenter::setPanel(int panel, const QString& text) const {
    if (setStatusPanel_) setStatusPanel_(panel, text);
}

void MonitorPresenter::showIdentification(const IdentValues& ident) {
    if (ident == PlaceholderIdentValues()) identification_.reset();
    else identification_ = ident;
    if (views_.controller) views_.controller->showIdentification(ident);
    setPanel(StatusPanels::kVersion, VersionPanelText(ident));
}

void MonitorPresenter::showPlaceholderIdentification() {
    showIdentification(PlaceholderIdentValues());
}

void MonitorPresenter::showActionName(const QString& text, const QColor& colour) {
    if (views_.controller) views_.controller->showActionName(text, colour);
}

}  // namespace krx
