#pragma once
// The serial link over QSerialPort. Create it, and use it, only inside the
// thread that runs the transfer job: QSerialPort belongs to its thread.

#include <QSerialPort>

#include "device/serial_link.h"

namespace krx {

class QtSerialLink final : public SerialLink {
public:
    QtSerialLink() = default;

    void setPortName(const QString& name) override;
    QString portName() const override;
    bool open() override;
    bool isOpen() const override;
    void close() override;
    void purge() override;
    void write(std::span<const std::uint8_t> bytes) override;
    std::size_t read(std::span<std::uint8_t> buffer) override;

private:
    // Throws SerialLinkError when the port is in a real failure state;
    // time-outs and missing modem lines are cleared and ignored.
    void throwOnPortFailure(const char* during);

    QSerialPort port_;
};

}  // namespace krx
