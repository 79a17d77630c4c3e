#include "device/serial_link.h"

#include <QSerialPortInfo>

#include <mutex>

#include "device/qt_serial_link.h"

namespace krx {
namespace {

std::mutex& FactoryMutex() {
    static std::mutex mutex;
    return mutex;
}

SerialLinkFactory& Factory() {
    static SerialLinkFactory factory;
    return factory;
}

}  // namespace

std::unique_ptr<SerialLink> CreateSerialLink() {
    SerialLinkFactory factory;
    {
        std::lock_guard lock(FactoryMutex());
        factory = Factory();
    }
    if (factory) {
        return factory();
    }
    return std::make_unique<QtSerialLink>();
}

void SetSerialLinkFactory(SerialLinkFactory factory) {
    std::lock_guard lock(FactoryMutex());
    Factory() = std::move(factory);
}

QStringList AvailablePortNames() {
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        names << info.portName();
    }
    return names;
}

}  // namespace krx
