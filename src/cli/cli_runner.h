#pragma once
// Runs one parsed krxctl request against the controller through the headless
// session: the same operations, frames, passwords and checks as the window.
// The outcome is a value: the exit code and what goes to stdout and stderr.

#include <QDateTime>
#include <QString>

#include <functional>

#include "cli/cli_request.h"

namespace krx::cli {

struct Environment {
    // Called with a progress line ("\r[####    ] 2048/5292 bytes, 4 s left")
    // while blocks move; empty: no progress is shown.
    std::function<void(const QString&)> progress;
    // The factory reset's wait when the controller refuses the empty
    // password; true when it ran to its end.
    std::function<bool()> factoryCountdown;
    // This computer's clock, for `clock --sync`.
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
    // Batch programming (--each): asked between controllers whether to go on
    // (false after Ctrl-C), how often the port is polled, and how long a
    // restarted controller needs before it answers again.
    std::function<bool()> keepGoing = [] { return true; };
    int pollIntervalMs = 1000;
    int restartDelayMs = 3000;
};

struct Result {
    int exitCode = exit_code::kSuccess;
    QString out;  // stdout
    QString err;  // stderr
};

Result Run(const Request& request, const Environment& environment);

}  // namespace krx::cli
