#pragma once
// The monitor's exchanges as real transfer jobs (`TReadData`): each one runs
// on its own thread with the link the link factory makes, and the monitor's
// thread waits for it. The job's last status text becomes the outcome's text.

#include <QString>

#include "monitor/monitor_exchange.h"

namespace krx {

class TransferJobExchange : public MonitorExchange {
public:
    explicit TransferJobExchange(const QString& portName) : portName_(portName) {}

    ExchangeOutcome run(TransferJobKind job, std::span<std::uint8_t> buffer,
                        const QStringList* messages) override;

private:
    QString portName_;
};

}  // namespace krx
