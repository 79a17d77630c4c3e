#pragma once
// Puts the monitor into the main window: the host that starts and stops it
// through the window's hooks, the presenter that hands its reports to the
// pages' typed live views, and what the monitor has to know of the window
// (the selected section, the administrative password, whether the
// controller time is being typed).

#include <QObject>

namespace krx {

class ConfiguratorWindow;
class MonitorHost;
class MonitorPresenter;

class MonitorWiring : public QObject {
    Q_OBJECT
public:
    // Owned by the window. `host` is adopted; by default the monitor runs
    // real transfer jobs on the window's port.
    explicit MonitorWiring(ConfiguratorWindow& window, MonitorHost* host = nullptr);

    MonitorHost& host() const { return *host_; }
    MonitorPresenter& presenter() const { return *presenter_; }

private:
    void start();
    void syncFromWindow();

    ConfiguratorWindow& window_;
    MonitorHost* host_;
    MonitorPresenter* presenter_;
};

}  // namespace krx
