#pragma once
// One exchange of the monitor with the controller: a transfer job that opens
// the port, runs one query or command and closes the port again. The monitor
// runs them one after another and waits for each.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <span>

namespace krx {

// The job kinds the monitor uses.
enum class MonitorJob : std::uint8_t {
    IdentityRead = 3,  // 88-byte IdentRecord
    StatusRead = 4,    // 36-byte StatusRecord
    KeyCodeRead = 6,   // 12-byte KeyCodeRecord
    PasswordSend = 9,  // 8 password characters and a zero byte
};

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
    virtual ExchangeOutcome run(MonitorJob job, std::span<std::uint8_t> buffer,
                                const QStringList* messages) = 0;
};

}  // namespace krx
