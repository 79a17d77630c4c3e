#pragma once
// Starts and stops the monitor for the window. At most one monitor exists.
// The monitor's signals are re-emitted here, on the window's thread, so the
// window connects to them once for all monitors to come.
//
// stop() sets the terminate flag and waits for the current cycle to end
// while the window's thread keeps processing events (user input excluded),
// so the cycle's display updates keep arriving and nothing can deadlock.
// Updates still queued when the thread has ended are delivered before stop()
// returns, so none of them lands after a device operation has begun.

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

#include "config/interface_texts.h"
#include "monitor/tmainpanelcontrol.h"

namespace krx {

class MonitorHost : public QObject {
    Q_OBJECT
public:
    // Makes the exchange a new monitor runs its jobs with, for a port name.
    using ExchangeFactory = std::function<std::unique_ptr<MonitorExchange>(const QString& port)>;

    // Monitors whose exchanges are transfer jobs on the serial link.
    explicit MonitorHost(QObject* parent = nullptr);
    MonitorHost(ExchangeFactory factory, QObject* parent);
    ~MonitorHost() override;

    void setPortName(const QString& name) { portName_ = name; }
    QString portName() const { return portName_; }
    // The window's catalogue: every monitor started from now on reports its
    // identification with the catalogue's job texts.
    void bindTexts(const InterfaceTexts& texts) { texts_ = &texts; }
    MonitorShared& shared() { return *shared_; }

    // Creates and starts a monitor unless one is running or being stopped.
    void start();
    void stop();
    bool isRunning() const { return monitor_ != nullptr; }
    bool deviceConnected() const { return monitor_ && monitor_->deviceConnected(); }

signals:
    void identified(const krx::IdentValues& ident, const QString& jobMessage,
                    const QString& portName);
    void identificationFailed(const QString& jobMessage, bool resetGpsPanel);
    void deviceRejected(const QString& text);
    void controllerStatus(const krx::StatusValues& status);
    void controllerStatusFailed(const QString& jobMessage);
    void pcClockTick(const QDateTime& now);
    void controllerClock(const krx::StatusValues& status);
    void powerStatus(const krx::StatusValues& status);
    void powerStatusFailed(const QString& jobMessage);
    void armInCycleStarted();
    void keyPasswordRefused(const QString& text);
    void keyRead(const krx::KeyCodeValues& key);
    void inputLevel(const krx::InputLevel& level);
    void exchangeFailed(const QString& jobMessage);
    void cycleError(const QString& text);

private:
    void forwardSignals(TMainPanelControl* monitor);

    ExchangeFactory factory_;
    QString portName_;
    const InterfaceTexts* texts_ = &BuiltInInterfaceTexts();
    std::shared_ptr<MonitorShared> shared_ = std::make_shared<MonitorShared>();
    std::unique_ptr<TMainPanelControl> monitor_;
    bool stopping_ = false;
};

}  // namespace krx
