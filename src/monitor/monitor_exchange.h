#pragma once
// One exchange of the monitor with the controller: a transfer job that opens
// the port, runs one query or command and closes the port again. The monitor
// runs them one after another and waits for each.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <span>

#include "device/transfer_job_kind.h"

namespace krx {


struct ExchangeOutcome {
    bool ok = false;
    QString message;  // the job's last status text
    // The port could not be opened at all, so the job failed without waiting.
    bool portUnavailable = false;
};

class MonitorExchange {
public:
    virtual ~MonitorExchange() = default;
    // Runs one job on `buffer` (destination of reads, source of the password)
    // and waits for it. `messages`, when given, replaces the job's own status
    // texts (the window's translatable list).
    virtual ExchangeOutcome run(TransferJobKind job, std::span<std::uint8_t> buffer,
                                const QStringList* messages) = 0;
};

}  // namespace krx
