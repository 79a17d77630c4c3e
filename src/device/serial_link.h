#pragma once
// The serial port as the transfer code sees it: exactly the operations the
// frame protocol and the transfer job rely on. The real implementation drives
// a QSerialPort; tests plug in other links through the factory hook.

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>

namespace krx {

// Fixed line settings: 19200 baud, 8 data bits, no parity, 1 stop bit, no flow
// control.
inline constexpr int kLineBaudRate = 19200;

// Time-outs of a blocking read: at most this long between two received bytes,
// and at most kReadTotalPerByteMs per requested byte plus kReadTotalConstantMs
// in all.
inline constexpr int kReadIntervalTimeoutMs = 500;
inline constexpr int kReadTotalPerByteMs = 3;
inline constexpr int kReadTotalConstantMs = 100;
// Time-out of a blocking write: per byte plus constant.
inline constexpr int kWriteTotalPerByteMs = 4;
inline constexpr int kWriteTotalConstantMs = 200;

inline int ReadTotalTimeoutMs(std::size_t count) {
    return static_cast<int>(count) * kReadTotalPerByteMs + kReadTotalConstantMs;
}
inline int WriteTotalTimeoutMs(std::size_t count) {
    return static_cast<int>(count) * kWriteTotalPerByteMs + kWriteTotalConstantMs;
}

// Raised by a link when the port itself fails while reading or writing (the
// device vanished, the driver refused). A read time-out is not an error: it
// shows as fewer bytes than requested.
class SerialLinkError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SerialLink {
public:
    virtual ~SerialLink() = default;

    // Takes effect at the next open().
    virtual void setPortName(const QString& name) = 0;
    virtual QString portName() const = 0;

    // Opens with the fixed settings and raises DTR and RTS. Returns false and
    // leaves the port closed when it cannot be opened. A port without modem
    // lines (a pseudo-terminal) is still open and usable.
    virtual bool open() = 0;
    virtual bool isOpen() const = 0;
    virtual void close() = 0;

    // Discards whatever waits in the receive and transmit queues.
    virtual void purge() = 0;
    // Blocks until every byte is written or the write time-out expires; a
    // time-out returns (the missing reply reports it). SerialLinkError only
    // when the port itself fails.
    virtual void write(std::span<const std::uint8_t> bytes) = 0;
    // Blocks until buffer.size() bytes arrived or a read time-out expired;
    // returns the number received. SerialLinkError on a port failure.
    virtual std::size_t read(std::span<std::uint8_t> buffer) = 0;
};

using SerialLinkFactory = std::function<std::unique_ptr<SerialLink>()>;

// A new, closed link. Called inside the thread that will use it.
std::unique_ptr<SerialLink> CreateSerialLink();
// Replaces the factory for every later CreateSerialLink(); an empty function
// restores the QSerialPort link. Tests and the simulator use it.
void SetSerialLinkFactory(SerialLinkFactory factory);

// The serial ports the system knows of, by the names setPortName() accepts.
QStringList AvailablePortNames();

}  // namespace krx
