#include "monitor/monitor_host.h"

#include <QCoreApplication>
#include <QEventLoop>

#include "device/transfer_messages.h"
#include "monitor/transfer_job_exchange.h"

namespace krx {

MonitorHost::MonitorHost(QObject* parent)
    : MonitorHost([](const QString& port) { return std::make_unique<TransferJobExchange>(port); },
                  parent) {}

MonitorHost::MonitorHost(ExchangeFactory factory, QObject* parent)
    : QObject(parent), factory_(std::move(factory)) {
    qRegisterMetaType<krx::IdentValues>();
    qRegisterMetaType<krx::StatusValues>();
    qRegisterMetaType<krx::KeyCodeValues>();
    qRegisterMetaType<krx::InputLevel>();
}

MonitorHost::~MonitorHost() {
    if (monitor_) {
        // No event processing during destruction: the signals have nowhere to go.
        monitor_->requestInterruption();
        monitor_->wait();
    }
}

void MonitorHost::start() {
    if (monitor_ || stopping_ || !factory_) return;
    QStringList messages;
    for (const std::string& text : texts_->transferMessages) messages << QString::fromStdString(text);
    MonitorSettings settings{portName_, messages, shared_};
    monitor_ = std::make_unique<TMainPanelControl>(std::move(settings), factory_(portName_));
    forwardSignals(monitor_.get());
    monitor_->start(QThread::NormalPriority);
}

void MonitorHost::stop() {
    if (!monitor_ || stopping_) return;
    stopping_ = true;
    TMainPanelControl* monitor = monitor_.get();
    monitor->requestInterruption();
    if (!monitor->isFinished()) {
        QEventLoop loop;
        connect(monitor, &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
        // The thread may have ended between the check and the connection.
        if (!monitor->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    monitor->wait();
    // Display updates of the last cycle, in their order, before anything else.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    monitor_.reset();
    stopping_ = false;
}

void MonitorHost::forwardSignals(TMainPanelControl* m) {
    // Emitted on the monitor's thread; queued to this object's thread.
    connect(m, &TMainPanelControl::identified, this, &MonitorHost::identified);
    connect(m, &TMainPanelControl::identificationFailed, this, &MonitorHost::identificationFailed);
    connect(m, &TMainPanelControl::deviceRejected, this, &MonitorHost::deviceRejected);
    connect(m, &TMainPanelControl::controllerStatus, this, &MonitorHost::controllerStatus);
    connect(m, &TMainPanelControl::controllerStatusFailed, this,
            &MonitorHost::controllerStatusFailed);
    connect(m, &TMainPanelControl::pcClockTick, this, &MonitorHost::pcClockTick);
    connect(m, &TMainPanelControl::controllerClock, this, &MonitorHost::controllerClock);
    connect(m, &TMainPanelControl::powerStatus, this, &MonitorHost::powerStatus);
    connect(m, &TMainPanelControl::powerStatusFailed, this, &MonitorHost::powerStatusFailed);
    connect(m, &TMainPanelControl::armInCycleStarted, this, &MonitorHost::armInCycleStarted);
    connect(m, &TMainPanelControl::keyPasswordRefused, this, &MonitorHost::keyPasswordRefused);
    connect(m, &TMainPanelControl::keyRead, this, &MonitorHost::keyRead);
    connect(m, &TMainPanelControl::inputLevel, this, &MonitorHost::inputLevel);
    connect(m, &TMainPanelControl::exchangeFailed, this, &MonitorHost::exchangeFailed);
    connect(m, &TMainPanelControl::cycleError, this, &MonitorHost::cycleError);
}

}  // namespace krx
