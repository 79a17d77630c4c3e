#pragma once
// The four exchange procedures of the frame protocol, run by a transfer job
// over an open link. Each returns 0 on success and 1 on failure; on failure
// it has already reported the red status text. Port errors never escape:
// they become "Ошибка порта " with the port name.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <span>

#include "device/serial_link.h"
#include "device/status_sink.h"
#include "device/transfer_messages.h"

namespace krx {

// What the procedures need of the job that runs them: its link, its message
// list, and where status and progress go (either may be absent).
class TransferChannel {
public:
    TransferChannel(SerialLink& link, const QStringList& messages, StatusSink* status,
                    bool drivesProgress)
        : link_(link), messages_(messages), status_(status), drivesProgress_(drivesProgress) {}

    SerialLink& link() const { return link_; }

    // The text at `index`; the port-naming texts (0 and 3) get the port name.
    QString text(int index) const;
    void report(int index, StatusColour colour) const;
    void reportFailure(int index) const { report(index, StatusColour::Red); }
    void reportText(const QString& text, StatusColour colour) const;
    void progressMaximum(int maximum) const;
    void progressPosition(int position) const;

    // The last text reported through this channel, and its colour.
    QString lastText() const { return lastText_; }
    StatusColour lastColour() const { return lastColour_; }

private:
    SerialLink& link_;
    const QStringList& messages_;
    StatusSink* status_;
    bool drivesProgress_;
    // Kept for the job's outcome; only the job's thread touches them.
    mutable QString lastText_;
    mutable StatusColour lastColour_ = StatusColour::Black;
};

// Purges both queues and writes "BINARY\r".
int EnterBinaryMode(const TransferChannel& channel);
// Sends `command` without payload and copies the record.size() record bytes of
// the reply into `record`; the buffer is untouched on failure.
int QueryRecord(const TransferChannel& channel, std::uint8_t command, std::span<std::uint8_t> record);
// Sends `command` with `payload` and expects an acknowledgement.
int SendCommand(const TransferChannel& channel, std::uint8_t command,
                std::span<const std::uint8_t> payload);
// Writes `data` to `area` from `start` in blocks of at most 256 bytes.
int WriteBlocks(const TransferChannel& channel, int area, std::uint32_t start,
                std::span<const std::uint8_t> data);
// Reads destination.size() bytes of `area` from `start`, block by block into
// `destination` (a failure may leave it partly written).
int ReadBlocks(const TransferChannel& channel, int area, std::uint32_t start,
               std::span<std::uint8_t> destination);

}  // namespace krx
