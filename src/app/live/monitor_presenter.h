#pragma once
// Shows what the monitor reports: connects the monitor host's signals to the
// controller display routines and the status bar panels, step by step as
// the monitor loop defines them. The Arm-In and input pages take the key and
// level signals from the host themselves.

#include <QObject>
#include <QString>

namespace krx {

class ControllerDisplay;
class MonitorHost;

inline const QString kNotConnectedText = QStringLiteral("NC");

class MonitorPresenter : public QObject {
    Q_OBJECT
public:
    MonitorPresenter(MonitorHost* host, ControllerDisplay* display, QObject* parent = nullptr);

private:
    ControllerDisplay* display_;
};

}  // namespace krx
