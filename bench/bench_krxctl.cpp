// Times krxctl's "read" and "program" through krx-sim on a pseudo-terminal
// paced at 19200 baud 8N1, beside the least time the line allows, and
// "program --changed-only" after a one-setting edit beside a full program.
// The commands run exactly as krxctl runs them (parsed command lines, the
// headless session, real transfer jobs); between a program and the next
// command the 3-second restart delay is waited out and not timed.
//
// usage: bench_krxctl [runs] [path-to-krx-sim]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "cli/cli_request.h"
#include "cli/cli_runner.h"
#include "config/config_file.h"
#include "config/default_image.h"
#include "config/general_section.h"
#include "device/config_operations.h"
#include "wire_bound.h"

using namespace krx;

namespace {

double Seconds(const QElapsedTimer& clock) { return static_cast<double>(clock.nsecsElapsed()) / 1e9; }

// Runs one krxctl command line; its time, or a negative one when it failed.
double Timed(const QStringList& args) {
    const cli::Parsed parsed = cli::ParseCommandLine(args, {});
    if (!parsed.request) return -1;
    QElapsedTimer clock;
    clock.start();
    const cli::Result result = cli::Run(*parsed.request, {});
    const double seconds = Seconds(clock);
    if (result.exitCode != 0) {
        std::fprintf(stderr, "krxctl %s failed: %s", qPrintable(args.join(' ')), qPrintable(result.err));
        return -1;
    }
    return seconds;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QProcess sim;
    const bench::BenchSetup setup = bench::StartPacedSimulator(sim, app.arguments(), "bench_krxctl");
    if (setup.port.isEmpty()) return 1;
    const QString& port = setup.port;
    const int runs = setup.runs;
    QTemporaryDir dir;
    // The base configuration, and the same with one setting changed (the
    // general page's DTMF password).
    ConfigImage base = DefaultImage();
    base.body()[3000] ^= 0xFF;
    ConfigImage edited = base;
    GeneralSettings general;
    LoadGeneral(general, edited);
    general.password = "9876";
    StoreGeneral(general, edited);
    const QString baseFile = dir.filePath("base.cnt");
    const QString editedFile = dir.filePath("edited.cnt");
    const QString readFile = dir.filePath("read.cnt");
    if (WriteConfigFile(base, baseFile.toStdString()) != 0 || WriteConfigFile(edited, editedFile.toStdString()) != 0) {
        std::fprintf(stderr, "bench_krxctl: cannot write the configurations\n");
        return 1;
    }
    std::size_t changedBytes = 0;
    for (std::size_t at = 0; at < kBodySize; at += 256) {
        const std::size_t n = std::min<std::size_t>(256, kBodySize - at);
        if (!std::equal(base.body().begin() + at, base.body().begin() + at + n, edited.body().begin() + at)) {
            changedBytes += n;
        }
    }

    std::vector<double> programTimes, readTimes, changedTimes;
    int failures = 0;
    const auto record = [&failures](std::vector<double>& times, double seconds) {
        if (seconds < 0) ++failures; else times.push_back(seconds);
    };
    for (int i = 0; i < runs; ++i) {
        record(programTimes, Timed({"program", "-p", port, "--quiet", baseFile}));
        QThread::msleep(ConfigOperations::kRestartDelayMs);
        record(readTimes, Timed({"read", "-p", port, "--quiet", "-o", readFile}));
        record(changedTimes, Timed({"program", "-p", port, "--quiet", "--changed-only", editedFile}));
        QThread::msleep(ConfigOperations::kRestartDelayMs);
    }
    if (programTimes.empty() || readTimes.empty() || changedTimes.empty()) return 1;

    bench::Report("krxctl program", programTimes, bench::ProgrammBound());
    bench::Report("krxctl read", readTimes, bench::ReadConfBound());
    bench::Report("krxctl program --changed-only, one setting", changedTimes, bench::ChangedOnlyBound(changedBytes));
    std::sort(programTimes.begin(), programTimes.end());
    std::sort(changedTimes.begin(), changedTimes.end());
    std::printf("--changed-only / full program: %.3f (%zu changed bytes in whole blocks)\n",
                changedTimes[changedTimes.size() / 2] / programTimes[programTimes.size() / 2], changedBytes);
    bench::StopSimulator(sim);
    return failures == 0 ? 0 : 1;
}
