#include "monitor/transfer_job_exchange.h"

#include "device/transfer_messages.h"
#include "device/treaddata.h"

namespace krx {

ExchangeOutcome TransferJobExchange::run(TransferJobKind job, std::span<std::uint8_t> buffer,
                                         const QStringList* messages) {
    // Nobody watches the monitor's jobs live: the job's last text, taken
    // from its outcome, goes into the status bar after the job.
    TReadData transfer(job, buffer, portName_, nullptr);
    if (messages) transfer.setMessages(messages);
    transfer.start(QThread::NormalPriority);
    const JobOutcome outcome = transfer.waitOutcome();

    ExchangeOutcome out;
    out.ok = outcome.ok;
    out.message = outcome.message;
    out.portUnavailable = !outcome.ok && !outcome.portOpened;
    return out;
}

}  // namespace krx
