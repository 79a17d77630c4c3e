#include "cli/batch_programming.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <array>
#include <optional>

#include "device/ident_record.h"
#include "device/records.h"

namespace krx::cli {
namespace {

// The identification of whoever answers on the port now, if anyone does.
std::optional<IdentValues> Identify(ControllerSession& session) {
    std::array<std::uint8_t, ident::kSize> record{};
    const JobOutcome job = session.runJob({TransferJobKind::IdentityRead, 0, record});
    if (!job.ok) return std::nullopt;
    return DecodeIdentRecord(record);
}

QString UniqueId(const IdentValues& ident) {
    QStringList words;
    for (std::uint32_t w : ident.uniqueId) words << QString::asprintf("%08X", w);
    return words.join(' ');
}

bool AppendLine(const QString& fileName, const QString& line, QString& error) {
    QFile file(fileName);
    const bool fresh = !file.exists() || file.size() == 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        error = file.errorString();
        return false;
    }
    QByteArray bytes;
    if (fresh) bytes += "time,serial,imei,firmware,result,seconds\n";
    bytes += line.toUtf8() + '\n';
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        error = file.errorString();
        return false;
    }
    return true;
}

// Waits, polling, until `answering` is what the port shows; false when asked
// to stop first.
bool WaitUntil(ControllerSession& session, const BatchSetup& setup, bool answering,
               std::optional<IdentValues>* found = nullptr) {
    for (;;) {
        if (!setup.keepGoing()) return false;
        const std::optional<IdentValues> ident = Identify(session);
        if (ident.has_value() == answering) {
            if (found) *found = ident;
            return true;
        }
        QThread::msleep(static_cast<unsigned long>(setup.pollIntervalMs));
    }
}

}  // namespace

QString CsvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))) {
        return text;
    }
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return '"' + quoted + '"';
}

BatchResult RunBatch(ControllerSession& session, const BatchSetup& setup) {
    BatchResult result;
    for (;;) {
        std::optional<IdentValues> ident;
        if (!WaitUntil(session, setup, true, &ident)) return result;

        const QDateTime started = QDateTime::currentDateTime();
        QElapsedTimer clock;
        clock.start();
        const OperationOutcome outcome = setup.programOnce();
        const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;
        ++result.programmed;
        if (!outcome.ok) ++result.failed;

        const QStringList fields{started.toString(Qt::ISODate), UniqueId(*ident), ident->imei,
                                 VersionPanelText(*ident), outcome.ok ? QStringLiteral("ok") : outcome.message,
                                 QString::number(seconds, 'f', 1)};
        QStringList line;
        for (const QString& field : fields) line << CsvField(field);
        if (!AppendLine(setup.logFile, line.join(','), result.error)) return result;

        // A restarted controller is silent for a moment and then answers
        // again: it has gone only when it stays silent after that.
        QThread::msleep(static_cast<unsigned long>(setup.restartDelayMs));
        if (!WaitUntil(session, setup, false)) return result;
    }
}

}  // namespace krx::cli
