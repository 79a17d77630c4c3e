#include "device/transfer_job_runner.h"

#include <memory>

#include "device/treaddata.h"

namespace krx {

TransferJobRunner::TransferJobRunner(Wiring wiring) : wiring_(std::move(wiring)) {}

JobOutcome TransferJobRunner::run(const TransferStep& step) {
    StatusSink* sink = step.status == StatusTarget::TmpLabel   ? wiring_.tmpLabel
                       : step.status == StatusTarget::PageLine ? wiring_.pageLine
                                                               : wiring_.actionName;
    const QString port = wiring_.portName ? wiring_.portName() : QString();
    const bool areaJob = IsAreaJob(step.kind);
    auto job = areaJob ? std::make_unique<TReadData>(step.kind, step.area, step.buffer, step.address, port,
                                                     sink)
                       : std::make_unique<TReadData>(step.kind, step.buffer, port, sink);
    if (wiring_.messages) {
        job->setMessages(wiring_.messages);
    }
    return RunJobAndWait(*job);
}

}  // namespace krx
