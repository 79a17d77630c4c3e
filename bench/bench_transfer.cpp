// Times a write-and-verify of the 5292-byte configuration body and a read of
// it through krx-sim on a pseudo-terminal, paced at 19200 baud 8N1, and sets
// each beside the least time the line allows: every byte on the wire in both
// directions at 10 bits each, plus the preamble waits the protocol imposes.
//
// usage: bench_transfer [runs] [path-to-krx-sim]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "config/config_image.h"
#include "config/default_image.h"
#include "device/frame.h"
#include "device/serial_link.h"
#include "device/status_sink.h"
#include "device/treaddata.h"

using namespace krx;

namespace {

constexpr double kSecondsPerByte = 10.0 / 19200.0;

struct WireBudget {
    std::size_t bytesOut = 0;
    std::size_t bytesIn = 0;
    double waitSeconds = 0;  // time-outs that must run out
    double seconds() const {
        return static_cast<double>(bytesOut + bytesIn) * kSecondsPerByte + waitSeconds;
    }
};

void AddModeEntry(WireBudget& b) {
    b.bytesOut += kModeEntry.size();
    b.bytesIn += 1;  // the controller's answer, taken by the first preamble read
}

void AddBlockWrites(WireBudget& b, std::size_t total) {
    for (const Block& block : SplitIntoBlocks(0, total)) {
        b.bytesOut += block.count + kFrameOverhead + kBlockHeaderSize;
        b.bytesIn += kBlockAckSize;
    }
}

void AddBlockReads(WireBudget& b, std::size_t total) {
    for (const Block& block : SplitIntoBlocks(0, total)) {
        b.bytesOut += kBlockReadRequestSize;
        b.bytesIn += BlockDataReplySize(block.count);
    }
}

double RunJob(TReadData& job, int& result) {
    QElapsedTimer clock;
    clock.start();
    result = RunJobAndWait(job);
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

void Report(const char* what, const std::vector<double>& times, const WireBudget& bound) {
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted[sorted.size() / 2];
    std::printf("%-28s bytes out %5zu, in %5zu, waits %.3f s -> bound %.3f s\n", what, bound.bytesOut,
                bound.bytesIn, bound.waitSeconds, bound.seconds());
    std::printf("%-28s best %.3f s (ratio %.4f), median %.3f s (ratio %.4f), %zu runs\n", "",
                sorted.front(), sorted.front() / bound.seconds(), median, median / bound.seconds(),
                sorted.size());
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int runs = args.size() > 1 ? std::max(1, args.at(1).toInt()) : 3;
    const QString simProgram = args.size() > 2 ? args.at(2) : QStringLiteral(KRX_SIM_PROGRAM);

    QProcess sim;
    sim.setProgram(simProgram);
    sim.setArguments({QStringLiteral("--pace")});
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start();
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000)) {
        std::fprintf(stderr, "bench_transfer: cannot start %s\n", qPrintable(simProgram));
        return 1;
    }
    const QString port = QString::fromLocal8Bit(sim.readLine()).trimmed();
    std::printf("krx-sim --pace on %s, 19200 baud 8N1 (%.4f ms per byte)\n", qPrintable(port),
                kSecondsPerByte * 1000.0);

    std::vector<std::uint8_t> body(DefaultImage().body().begin(), DefaultImage().body().end());
    std::reverse(body.begin(), body.end());  // differ from what the simulator starts with
    std::vector<std::uint8_t> readBack(kBodySize);
    StatusSink sink;

    WireBudget writeVerify;
    AddModeEntry(writeVerify);
    AddBlockWrites(writeVerify, kBodySize);
    // The read-back's preamble read finds nothing (no new mode entry) and
    // waits out the read time-out for one byte.
    writeVerify.waitSeconds += ReadTotalTimeoutMs(1) / 1000.0;
    AddBlockReads(writeVerify, kBodySize);

    WireBudget read;
    AddModeEntry(read);
    AddBlockReads(read, kBodySize);

    std::vector<double> writeTimes;
    std::vector<double> readTimes;
    int failures = 0;
    for (int i = 0; i < runs; ++i) {
        int result = 1;
        TReadData writeJob(TransferJobKind::AreaWriteVerify, 1, body, 0u, port, &sink);
        writeTimes.push_back(RunJob(writeJob, result));
        failures += result;
        if (result != 0) {
            std::fprintf(stderr, "write-and-verify failed: %s\n", qPrintable(sink.lastText()));
        }
        TReadData readJob(TransferJobKind::AreaRead, 1, readBack, 0u, port, &sink);
        readTimes.push_back(RunJob(readJob, result));
        failures += result;
        if (result != 0 || readBack != body) {
            std::fprintf(stderr, "read failed: %s\n", qPrintable(sink.lastText()));
            failures += result == 0 ? 1 : 0;
        }
    }

    Report("write-and-verify 5292 bytes", writeTimes, writeVerify);
    Report("read 5292 bytes", readTimes, read);

    sim.terminate();
    if (!sim.waitForFinished(3000)) {
        sim.kill();
        sim.waitForFinished(3000);
    }
    return failures == 0 ? 0 : 1;
}
