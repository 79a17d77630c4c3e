#pragma once
// Puts the monitor into the main window: the host that starts and stops it
// through the window's hooks, the display routines and the presenter that
// show its reports, and what the monitor has to know of the window (the
// selected section, the administrative password, whether the controller
// time is being typed).

#include <QObject>

namespace krx {

class ConfiguratorWindow;
class ControllerDisplay;
class MonitorHost;

class MonitorWiring : public QObject {
    Q_OBJECT
public:
    // Owned by the window. `host` is adopted; by default the monitor runs
    // real transfer jobs on the window's port.
    explicit MonitorWiring(ConfiguratorWindow& window, MonitorHost* host = nullptr);

    MonitorHost& host() const { return *host_; }
    ControllerDisplay& display() const { return *display_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void start();
    void syncFromWindow();

    ConfiguratorWindow& window_;
    MonitorHost* host_;
    ControllerDisplay* display_;
};

}  // namespace krx
