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
    // The transfer-job texts in use: the built-in ones, or those of a
    // language file ("lng.txt" in the working directory) as the window
    // would use them.
    QStringList messages;
    // Where reads and programmings keep their copies (history/...), and
    // where `history` looks; empty: no copies.
    QString historyDirectory;
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

// The transfer-job texts of the valid language file `fileName`; empty when
// there is none or it is not one (the built-in texts are used then).
QStringList LanguageFileMessages(const QString& fileName);

}  // namespace krx::cli
