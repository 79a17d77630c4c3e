#pragma once
// A transfer job: one exchange with the controller on a worker thread of its
// own. The job opens the port (a link made by the link factory inside its
// thread), enters frame mode, runs the exchange its kind names, reports a
// coloured status text and progress into its StatusSink, closes the port and
// ends with a result code: 0 success, 1 failure.
//
// The caller owns the buffer and leaves it alone until the job has ended.
// Read kinds fill it only after the whole exchange succeeded.

#include <QString>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <vector>
#include <cstdint>
#include <span>

#include "device/status_sink.h"
#include "device/transfer_job_kind.h"
#include "device/transfer_outcome.h"

namespace krx {

class TransferChannel;


class TReadData : public QThread {
    Q_OBJECT
public:
    // Area jobs (kinds 0..2): `buffer` is the source or destination of the
    // transfer, `sink` gets the status texts and drives its progress.
    TReadData(TransferJobKind kind, std::uint8_t area, std::span<std::uint8_t> buffer,
              std::uint32_t startAddress, const QString& portName, StatusSink* sink,
              QObject* parent = nullptr);
    // Every other job: `buffer` is the record destination or the command
    // payload; no progress is reported.
    TReadData(TransferJobKind kind, std::span<std::uint8_t> buffer, const QString& portName,
              StatusSink* sink, QObject* parent = nullptr);
    // Waits for a running job before it goes.
    ~TReadData() override;

    // Replaces the job's own message list by a caller-owned list of 20 texts
    // (the window's translatable one). Call before start(); the list must
    // outlive the job.
    void setMessages(const QStringList* messages);

    TransferJobKind kind() const { return kind_; }
    std::uint8_t area() const { return area_; }
    // 1 until the job has succeeded.
    int result() const { return result_.load(); }
    // Waits for the end of the job and returns how it ended.
    JobOutcome waitOutcome();
    // The sink the job reports to (may be none).
    StatusSink* sink() const { return sink_; }

protected:
    void run() override;

private:
    // The whole job; run() publishes its end.
    void runJob();
    int runKind(TransferChannel& channel, std::span<std::uint8_t> scratch);

    TransferJobKind kind_;
    std::uint8_t area_;
    std::span<std::uint8_t> buffer_;
    std::uint32_t startAddress_;
    QString portName_;
    StatusSink* sink_;
    bool drivesProgress_;
    QStringList ownMessages_;
    const QStringList* messages_;
    std::atomic<int> result_{1};
    // Written by the job's thread before it ends, read after the wait.
    QString lastText_;
    StatusColour lastColour_ = StatusColour::Black;
    bool portOpened_ = false;
    std::vector<std::uint8_t> held_;  // what a comparison read
    // Stored last by the job's thread: what it wrote before is visible to
    // the thread that loads it after the wait.
    std::atomic<bool> ended_{false};
};

// Starts `job` and waits for it while still processing the calling thread's
// events, so the job's status texts reach the window while it runs. Before
// it returns, every text the job reported has been delivered to its sink's
// receivers: nothing of an ended job arrives after its caller has gone on.
// Returns how the job ended.
JobOutcome RunJobAndWait(TReadData& job);

}  // namespace krx
