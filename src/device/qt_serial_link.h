#pragma once
// The serial link over QSerialPort. Create it, and use it, only inside the
// thread that runs the transfer job: QSerialPort belongs to its thread.

#include <QDeadlineTimer>
#include <QSerialPort>

#include <chrono>

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

    // Why the last open() failed, in the system's words ("Permission
    // denied"); empty after a successful open.
    QString openFailureReason() const { return openFailure_; }

private:
    // Throws SerialLinkError when the port is in a real failure state;
    // time-outs and missing modem lines are cleared and ignored.
    void throwOnPortFailure(const char* during);
    // Returns once the bytes written so far have left on the line, or when
    // `deadline` expires.
    void waitUntilOnTheWire(const QDeadlineTimer& deadline);

    QSerialPort port_;
    QString openFailure_;
    // When the last byte written will have left the transmitter.
    std::chrono::steady_clock::time_point lineFreeAt_{};
};

}  // namespace krx
