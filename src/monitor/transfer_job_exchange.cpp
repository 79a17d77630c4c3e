#include "monitor/transfer_job_exchange.h"

#include "device/status_sink.h"
#include "device/transfer_messages.h"
#include "device/treaddata.h"

namespace krx {

ExchangeOutcome TransferJobExchange::run(TransferJobKind job, std::span<std::uint8_t> buffer,
                                         const QStringList* messages) {
    // The monitor's status sink: nobody watches it live, the text is copied
    // into the status bar after the job.
    StatusSink sink;
    TReadData transfer(static_cast<TransferJobKind>(job), buffer, portName_, &sink);
    if (messages) transfer.setMessages(messages);
    transfer.start(QThread::NormalPriority);
    const int result = transfer.waitResult();

    ExchangeOutcome out;
    out.ok = result == 0;
    out.message = sink.lastText();
    if (!out.ok) {
        const QString cannotOpen =
            MessageAt(messages ? *messages : TransferMessages(), msg::kCannotOpen) + portName_;
        out.portUnavailable = out.message == cannotOpen;
    }
    return out;
}

}  // namespace krx
