#pragma once
// The operations' transfer runner: every step is a `TReadData` job on the
// window's port, with the window's translatable message list, reporting into
// the window's `ActionName` sink (which also drives `ProgressBar1`) or its
// hidden `TMPLabel` sink. Each job is awaited with the window's events still
// flowing.

#include <QString>
#include <QStringList>

#include <functional>

#include "device/status_sink.h"
#include "device/transfer_runner.h"

namespace krx {

class TransferJobRunner : public TransferRunner {
public:
    struct Wiring {
        std::function<QString()> portName;        // read at every job: the port may change
        const QStringList* messages = nullptr;    // the window's list; none: the job's own
        StatusSink* actionName = nullptr;         // status and progress of visible steps
        StatusSink* tmpLabel = nullptr;           // status of apply steps
        StatusSink* pageLine = nullptr;           // status and progress of the system parameters
    };

    explicit TransferJobRunner(Wiring wiring);

    JobOutcome run(const TransferStep& step) override;

private:
    Wiring wiring_;
};

}  // namespace krx
