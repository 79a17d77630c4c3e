#include "device/qt_serial_link.h"

#include <QDeadlineTimer>

#include <algorithm>
#include <cerrno>
#include <string>
#include <thread>

#ifdef Q_OS_UNIX
#include <sys/ioctl.h>
#include <termios.h>
#endif

namespace krx {
namespace {

// Errors that leave the port usable: a pseudo-terminal has no modem lines
// ("Inappropriate ioctl for device"), and a wait that ran out is a time-out,
// which the caller sees as a short count.
// One character on the line: start bit, 8 data bits, stop bit.
std::chrono::steady_clock::duration LineTime(std::size_t bytes) {
    return std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::microseconds(static_cast<long long>(bytes) * 10 * 1'000'000 / kLineBaudRate));
}

bool IsHarmless(QSerialPort::SerialPortError error) {
    return error == QSerialPort::NoError || error == QSerialPort::TimeoutError ||
           error == QSerialPort::UnsupportedOperationError;
}

}  // namespace

void QtSerialLink::setPortName(const QString& name) { port_.setPortName(name); }

QString QtSerialLink::portName() const { return port_.portName(); }

bool QtSerialLink::open() {
    if (port_.isOpen()) {
        port_.close();
    }
    port_.clearError();
    openFailure_.clear();
    if (!port_.open(QIODevice::ReadWrite)) {
        openFailure_ = port_.errorString();
        return false;
    }
    const bool configured = port_.setBaudRate(kLineBaudRate) &&
                            port_.setDataBits(QSerialPort::Data8) &&
                            port_.setParity(QSerialPort::NoParity) &&
                            port_.setStopBits(QSerialPort::OneStop) &&
                            port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        openFailure_ = port_.errorString();
        port_.close();
        return false;
    }
    // Raising the modem lines fails on ports that have none; the port stays
    // open and usable, so that is not a failure.
    port_.setDataTerminalReady(true);
    port_.setRequestToSend(true);
    if (IsHarmless(port_.error())) {
        port_.clearError();
    }
    return port_.isOpen();
}

bool QtSerialLink::isOpen() const { return port_.isOpen(); }

void QtSerialLink::close() {
    if (port_.isOpen()) {
        port_.close();
    }
    port_.clearError();
}

void QtSerialLink::purge() {
    if (!port_.isOpen()) {
        throw SerialLinkError("port not open");
    }
    port_.clear(QSerialPort::AllDirections);
    throwOnPortFailure("purge");
}

void QtSerialLink::write(std::span<const std::uint8_t> bytes) {
    if (!port_.isOpen()) {
        throw SerialLinkError("port not open");
    }
    // A write that runs out of time returns like one that succeeded: the
    // missing reply then tells the user what went wrong ("Нет ответа от
    // устройства"), while a port error is kept for a port that failed.
    QDeadlineTimer deadline(WriteTotalTimeoutMs(bytes.size()));
    // The bytes cannot have left before the line has carried them.
    const auto started = std::max(std::chrono::steady_clock::now(), lineFreeAt_);
    lineFreeAt_ = started + LineTime(bytes.size());
    std::size_t done = 0;
    while (done < bytes.size()) {
        const qint64 n = port_.write(reinterpret_cast<const char*>(bytes.data() + done),
                                     static_cast<qint64>(bytes.size() - done));
        if (n < 0) {
            throwOnPortFailure("write");
            throw SerialLinkError("write failed");
        }
        done += static_cast<std::size_t>(n);
    }
    while (port_.bytesToWrite() > 0) {
        if (deadline.hasExpired()) {
            return;
        }
        if (!port_.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) {
            throwOnPortFailure("write");
        }
    }
    waitUntilOnTheWire(deadline);
}

void QtSerialLink::waitUntilOnTheWire(const QDeadlineTimer& deadline) {
    // A write returns once the driver has the bytes, but the read time-outs
    // that follow assume the request has reached the controller: without
    // this wait a 256-byte block (139 ms on the line) would use up the whole
    // 139 ms allowed for its acknowledgement before the controller even had
    // the frame. The line time of the bytes is waited out first; then the
    // driver's output queue is watched until it is empty (a bounded poll: a
    // stalled transmitter must not hold the job past the write time-out, as
    // an unbounded tcdrain would).
    const auto lineFree = std::min(lineFreeAt_, deadline.deadline<std::chrono::steady_clock>());
    if (lineFree > std::chrono::steady_clock::now()) {
        std::this_thread::sleep_until(lineFree);
    }
#ifdef Q_OS_UNIX
    const int fd = static_cast<int>(port_.handle());
    int queued = 0;
    while (fd >= 0 && ::ioctl(fd, TIOCOUTQ, &queued) == 0 && queued > 0) {
        if (deadline.hasExpired()) {
            return;
        }
        // The bytes still queued need their line time; look again then.
        const auto wait = std::max<std::chrono::steady_clock::duration>(
            LineTime(static_cast<std::size_t>(queued)), std::chrono::microseconds(100));
        std::this_thread::sleep_until(
            std::min(std::chrono::steady_clock::now() + wait,
                     deadline.deadline<std::chrono::steady_clock>()));
    }
#endif
}

std::size_t QtSerialLink::read(std::span<std::uint8_t> buffer) {
    if (!port_.isOpen()) {
        throw SerialLinkError("port not open");
    }
    QDeadlineTimer total(ReadTotalTimeoutMs(buffer.size()));
    QDeadlineTimer interval(QDeadlineTimer::Forever);
    std::size_t got = 0;
    while (got < buffer.size()) {
        if (port_.bytesAvailable() > 0) {
            const qint64 n = port_.read(reinterpret_cast<char*>(buffer.data() + got),
                                        static_cast<qint64>(buffer.size() - got));
            if (n < 0) {
                throwOnPortFailure("read");
                throw SerialLinkError("read failed");
            }
            if (n > 0) {
                got += static_cast<std::size_t>(n);
                interval.setRemainingTime(kReadIntervalTimeoutMs);
                continue;
            }
        }
        const qint64 left = std::min(total.remainingTime(), interval.remainingTime() < 0
                                                                 ? total.remainingTime()
                                                                 : interval.remainingTime());
        if (left <= 0) {
            break;
        }
        // Returns as soon as one byte arrives; the loop collects the rest.
        if (!port_.waitForReadyRead(static_cast<int>(left))) {
            throwOnPortFailure("read");
        }
    }
    return got;
}

void QtSerialLink::throwOnPortFailure(const char* during) {
    const QSerialPort::SerialPortError error = port_.error();
    if (IsHarmless(error)) {
        port_.clearError();
        return;
    }
    const std::string text = std::string(during) + ": " + port_.errorString().toStdString();
    port_.clearError();
    throw SerialLinkError(text);
}

}  // namespace krx
