// The window's serial port object: trial opens for the link state and the
// port dialog. It opens through the same link the transfer jobs use, so the
// fixed line settings and the pseudo-terminal leniency live in one place.

#include "app/shell/port_access.h"
#include "device/qt_serial_link.h"
#include "device/serial_link.h"

namespace krx {

namespace {

class SystemPort : public PortAccess {
public:
    SystemPort() { link_.setPortName(kDefaultPortName); }

    QString portName() const override { return link_.portName(); }
    void setPortName(const QString& name) override { link_.setPortName(name); }
    bool open(QString* reason) override {
        if (link_.open()) {
            return true;
        }
        if (reason) *reason = link_.openFailureReason();
        return false;
    }
    bool isOpen() const override { return link_.isOpen(); }
    void close() override { link_.close(); }
    QStringList availablePorts() const override { return AvailablePortNames(); }

private:
    QtSerialLink link_;
};

}  // namespace

std::unique_ptr<PortAccess> MakeSystemPortAccess() { return std::make_unique<SystemPort>(); }

}  // namespace krx
