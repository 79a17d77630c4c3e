#include "app/shell/port_access.h"

namespace krx {

QString ProbePort(PortAccess& port) {
    port.open(nullptr);
    const QString state = port.isOpen() ? port.portName() : kLinkDownText;
    port.close();
    return state;
}

}  // namespace krx
