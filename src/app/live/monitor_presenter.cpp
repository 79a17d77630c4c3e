#include "app/live/monitor_presenter.h"

#include "app/live/controller_display.h"
#include "app/widgets/widget_colours.h"
#include "monitor/monitor_host.h"

namespace krx {

MonitorPresenter::MonitorPresenter(MonitorHost* host, ControllerDisplay* display, QObject* parent)
    : QObject(parent), display_(display) {
    ControllerDisplay* d = display_;
    connect(host, &MonitorHost::identified, this,
            [d](const IdentValues& ident, const QString& message, const QString& port) {
                d->showIdentification(ident);
                d->setStatusPanel(3, message);
                d->setStatusPanel(1, port);
            });
    connect(host, &MonitorHost::identificationFailed, this,
            [d](const QString& message, bool resetGpsPanel) {
                if (resetGpsPanel) d->resetGpsPanel();
                d->showPlaceholderIdentification();
                d->setStatusPanel(3, message);
                d->setStatusPanel(1, kNotConnectedText);
                d->showActionName(QString(), kColourBlack);
            });
    connect(host, &MonitorHost::deviceRejected, this,
            [d](const QString& text) { d->showActionName(text, kColourRed); });
    connect(host, &MonitorHost::controllerStatus, this,
            [d](const StatusValues& status) { d->showControllerStatus(status); });
    connect(host, &MonitorHost::controllerStatusFailed, this, [d](const QString& message) {
        d->setStatusPanel(3, message);
        d->showControllerStatusLost();
    });
    connect(host, &MonitorHost::pcClockTick, this,
            [d](const QDateTime& now) { d->showPcClock(now); });
    connect(host, &MonitorHost::controllerClock, this,
            [d](const StatusValues& status) { d->showControllerClock(status); });
    connect(host, &MonitorHost::powerStatus, this, [d](const StatusValues& status) {
        d->showBatteryCharge(status.batteryCharge);
        d->showMainsVoltage(status.mainsVoltage);
        d->showBoardTemperature(status.boardTemperature, status.temperatureValid);
    });
    connect(host, &MonitorHost::powerStatusFailed, this, [d](const QString& message) {
        d->showBatteryCharge(0);
        d->showMainsVoltage(0);
        d->setStatusPanel(3, message);
    });
    connect(host, &MonitorHost::exchangeFailed, this,
            [d](const QString& message) { d->setStatusPanel(3, message); });
    connect(host, &MonitorHost::cycleError, this,
            [d](const QString& text) { d->setStatusPanel(3, text); });
}

}  // namespace krx
