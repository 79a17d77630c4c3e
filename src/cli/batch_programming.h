#pragma once
// Batch programming (`krxctl program --each LOG.csv`): wait for a controller
// to answer, program it, log it, wait for it to go, and again, until asked
// to stop between two controllers.

#include <QString>

#include <functional>

#include "device/controller_session.h"
#include "device/operation_outcome.h"

namespace krx::cli {

struct BatchSetup {
    QString logFile;
    // Programs the controller that answers now, exactly as a single
    // `program` does.
    std::function<OperationOutcome()> programOnce;
    // Asked before every poll of the port; false ends the batch (Ctrl-C).
    // A transfer under way is never interrupted by it.
    std::function<bool()> keepGoing;
    int pollIntervalMs = 1000;
    // After a program that restarted the controller, how long it needs
    // before it answers again.
    int restartDelayMs = 3000;
};

struct BatchResult {
    int programmed = 0;  // controllers logged
    int failed = 0;      // of them, the ones whose programming failed
    QString error;       // the log file could not be written
};

// One CSV line per controller: time, serial number (the unique identifier),
// IMEI, firmware version, result ("ok" or the operation's last text),
// seconds taken. A new log starts with a header line.
BatchResult RunBatch(ControllerSession& session, const BatchSetup& setup);

// One CSV field, quoted when it holds a comma, a quote or a line end.
QString CsvField(const QString& text);

}  // namespace krx::cli
