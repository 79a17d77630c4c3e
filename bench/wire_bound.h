#pragma once
// What the benchmarks share: the least time the line allows for a sequence of
// transfer jobs (every byte on the wire in both directions at 10 bits per byte
// of 19200 baud 8N1, plus the waits the protocol cannot avoid), the report of
// measured times against it, and krx-sim started on a pseudo-terminal.

#include <QProcess>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <span>
#include <vector>

#include "config/config_image.h"
#include "config/general_section.h"
#include "device/frame.h"
#include "device/records.h"
#include "device/serial_link.h"

namespace krx::bench {

inline constexpr double kSecondsPerByte = 10.0 / 19200.0;

struct WireBound {
    std::size_t bytesOut = 0;
    std::size_t bytesIn = 0;
    double waitSeconds = 0;

    double seconds() const {
        return static_cast<double>(bytesOut + bytesIn) * kSecondsPerByte + waitSeconds;
    }

    // Every job opens the port and enters frame mode; the controller answers
    // with one byte, which the job's first preamble read takes.
    void job() {
        bytesOut += kModeEntry.size();
        bytesIn += 1;
    }
    // A second exchange procedure inside the same job finds no byte waiting
    // for its preamble read and waits out the read time-out for one byte.
    void emptyPreamble() { waitSeconds += ReadTotalTimeoutMs(1) / 1000.0; }

    void query(std::uint8_t command, std::size_t recordLength) {
        bytesOut += BuildFrame(command, {}).size();
        bytesIn += RecordReplySize(recordLength);
    }
    void command(std::uint8_t command, std::size_t payloadLength) {
        const std::vector<std::uint8_t> payload(payloadLength, 0);
        bytesOut += BuildFrame(command, payload).size();
        bytesIn += kCommandAckSize;
    }
    void writeBlocks(std::uint8_t command, std::size_t total) {
        const std::vector<std::uint8_t> data(kMaxBlockData, 0);
        for (const Block& b : SplitIntoBlocks(0, total)) {
            bytesOut += BuildBlockWrite(command, b.address, std::span(data).first(b.count)).size();
            bytesIn += kBlockAckSize;
        }
    }
    void readBlocks(std::uint8_t command, std::size_t total) {
        for (const Block& b : SplitIntoBlocks(0, total)) {
            bytesOut += BuildBlockReadRequest(command, b.address, b.count).size();
            bytesIn += BlockDataReplySize(b.count);
        }
    }
};

// The common start of the configuration operations: identification, then
// the password, each a job of its own.
inline WireBound IdentifiedWithPassword() {
    WireBound b;
    b.job();
    b.query(cmd::kReadIdent, ident::kSize);
    b.job();
    b.command(cmd::kPresentPassword, kPasswordPayloadSize);
    return b;
}

// One write-and-verify job of `total` bytes of the body, then the restart.
inline void WriteVerifyAndRestart(WireBound& b, std::size_t total) {
    b.job();
    b.writeBlocks(cmd::kWriteArea1, total);
    b.emptyPreamble();
    b.readBlocks(cmd::kReadArea1, total);
    b.job();
    b.command(cmd::kRestart, 1);
}

// "Программировать": the body written and read back, the restart.
inline WireBound ProgrammBound() {
    WireBound b = IdentifiedWithPassword();
    WriteVerifyAndRestart(b, kBodySize);
    return b;
}

// "Считать": the body read.
inline WireBound ReadConfBound() {
    WireBound b = IdentifiedWithPassword();
    b.job();
    b.readBlocks(cmd::kReadArea1, kBodySize);
    return b;
}

// Programming only what changed, `changedBytes` in whole blocks: the
// controller's body read, the changed blocks written and read back, the
// restart.
inline WireBound ChangedOnlyBound(std::size_t changedBytes) {
    WireBound b = ReadConfBound();
    WriteVerifyAndRestart(b, changedBytes);
    return b;
}

inline void Report(const char* what, std::vector<double> times, const WireBound& bound) {
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf("%-28s bytes out %5zu, in %5zu, waits %.3f s -> bound %.3f s\n", what,
                bound.bytesOut, bound.bytesIn, bound.waitSeconds, bound.seconds());
    std::printf("%-28s best %.3f s (ratio %.4f), median %.3f s (ratio %.4f), %zu runs\n", "",
                times.front(), times.front() / bound.seconds(), median, median / bound.seconds(),
                times.size());
}

// Starts `program` (krx-sim) with `arguments` and returns the port name it
// prints first, or an empty text when it does not start.
inline QString StartSimulator(QProcess& sim, const QString& program, const QStringList& arguments) {
    sim.setProgram(program);
    sim.setArguments(arguments);
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start();
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000)) return {};
    const QString port = QString::fromLocal8Bit(sim.readLine()).trimmed();
    std::printf("krx-sim %s on %s, 19200 baud 8N1 (%.4f ms per byte)\n",
                qPrintable(arguments.join(' ')), qPrintable(port), kSecondsPerByte * 1000.0);
    return port;
}

// The runs and the simulator program from a benchmark's command line
// ([runs] [path-to-krx-sim]), and krx-sim started paced on a
// pseudo-terminal; an empty port when it could not be started (said on
// stderr).
struct BenchSetup {
    int runs = 3;
    QString port;
};
inline BenchSetup StartPacedSimulator(QProcess& sim, const QStringList& args, const char* bench) {
    BenchSetup setup;
    setup.runs = args.size() > 1 ? std::max(1, args.at(1).toInt()) : 3;
    const QString program = args.size() > 2 ? args.at(2) : QStringLiteral(KRX_SIM_PROGRAM);
    setup.port = StartSimulator(sim, program, {QStringLiteral("--pace")});
    if (setup.port.isEmpty()) std::fprintf(stderr, "%s: cannot start %s\n", bench, qPrintable(program));
    return setup;
}

inline void StopSimulator(QProcess& sim) {
    sim.terminate();
    if (!sim.waitForFinished(3000)) {
        sim.kill();
        sim.waitForFinished(3000);
    }
}

}  // namespace krx::bench
