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
#include "wire_bound.h"

using namespace krx;

namespace {

double RunJob(TReadData& job, int& result, QString& message) {
    QElapsedTimer clock;
    clock.start();
    const JobOutcome outcome = RunJobAndWait(job);
    result = outcome.ok ? 0 : 1;
    message = outcome.message;
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QProcess sim;
    const bench::BenchSetup setup = bench::StartPacedSimulator(sim, app.arguments(), "bench_transfer");
    if (setup.port.isEmpty()) return 1;
    const QString& port = setup.port;
    const int runs = setup.runs;

    std::vector<std::uint8_t> body(DefaultImage().body().begin(), DefaultImage().body().end());
    std::reverse(body.begin(), body.end());  // differ from what the simulator starts with
    std::vector<std::uint8_t> readBack(kBodySize);
    StatusSink sink;

    bench::WireBound writeVerify;
    writeVerify.job();
    writeVerify.writeBlocks(cmd::kWriteArea1, kBodySize);
    // The read-back's preamble read finds nothing (no new mode entry) and
    // waits out the read time-out for one byte.
    writeVerify.emptyPreamble();
    writeVerify.readBlocks(cmd::kReadArea1, kBodySize);

    bench::WireBound read;
    read.job();
    read.readBlocks(cmd::kReadArea1, kBodySize);

    std::vector<double> writeTimes;
    std::vector<double> readTimes;
    int failures = 0;
    for (int i = 0; i < runs; ++i) {
        int result = 1;
        QString message;
        TReadData writeJob(TransferJobKind::AreaWriteVerify, 1, body, 0u, port, &sink);
        writeTimes.push_back(RunJob(writeJob, result, message));
        failures += result;
        if (result != 0) {
            std::fprintf(stderr, "write-and-verify failed: %s\n", qPrintable(message));
        }
        TReadData readJob(TransferJobKind::AreaRead, 1, readBack, 0u, port, &sink);
        readTimes.push_back(RunJob(readJob, result, message));
        failures += result;
        if (result != 0 || readBack != body) {
            std::fprintf(stderr, "read failed: %s\n", qPrintable(message));
            failures += result == 0 ? 1 : 0;
        }
    }

    bench::Report("write-and-verify 5292 bytes", writeTimes, writeVerify);
    bench::Report("read 5292 bytes", readTimes, read);
    bench::StopSimulator(sim);
    return failures == 0 ? 0 : 1;
}
