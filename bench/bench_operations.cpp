// Times the two long configuration operations, programming (identification,
// password, write-and-verify of the body, restart) and reading
// (identification, password, read of the body), through krx-sim on a
// pseudo-terminal paced at 19200 baud 8N1, and sets each beside the least
// time the line allows: every byte of every job on the wire at 10 bits, plus
// the waits the protocol imposes (a preamble read that finds nothing waits
// out its read time-out). The operations run exactly as the window runs them
// (the headless controller session with real transfer jobs); only the window
// is left out,
// so monitor start and stop and the 3-second restart delay are not timed.
//
// usage: bench_operations [runs] [path-to-krx-sim]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "config/config_image.h"
#include "config/default_image.h"
#include "config/general_section.h"
#include "device/config_operations.h"
#include "device/controller_session.h"
#include "device/frame.h"
#include "device/records.h"
#include "device/serial_link.h"
#include "device/status_sink.h"
#include "device/transfer_job_runner.h"
#include "device/transfer_messages.h"
#include "wire_bound.h"

using namespace krx;

namespace {

using bench::ProgrammBound;
using bench::ReadConfBound;

double Seconds(const QElapsedTimer& clock) { return static_cast<double>(clock.nsecsElapsed()) / 1e9; }

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QProcess sim;
    const bench::BenchSetup setup = bench::StartPacedSimulator(sim, app.arguments(), "bench_operations");
    if (setup.port.isEmpty()) return 1;
    const QString& port = setup.port;
    const int runs = setup.runs;

    // The headless session: the operations as the window runs them, with
    // no monitor, no actions and no restart delay of their own.
    ControllerSession session({[&port] { return port; }, {}, {}});
    // Something other than what the simulator starts with, and still a body
    // this program accepts.
    ConfigImage& image = session.image();
    image.body()[3000] ^= 0xFF;
    const std::vector<std::uint8_t> programmed(image.body().begin(), image.body().end());

    std::vector<double> programTimes;
    std::vector<double> readTimes;
    int failures = 0;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        const OperationOutcome program = session.Programm();
        programTimes.push_back(Seconds(clock));
        if (!program.ok) {
            std::fprintf(stderr, "program failed: %s\n", qPrintable(program.message));
            ++failures;
        }
        // The restart delay the window keeps before it talks to the
        // controller again.
        QThread::msleep(ConfigOperations::kRestartDelayMs);

        std::fill(image.body().begin(), image.body().end(), 0);
        clock.restart();
        const OperationOutcome read = session.ReadConf();
        readTimes.push_back(Seconds(clock));
        const std::vector<std::uint8_t> body(image.body().begin(), image.body().end());
        if (!read.ok || body != programmed) {
            std::fprintf(stderr, "read failed: %s\n", qPrintable(read.message));
            ++failures;
            std::copy(programmed.begin(), programmed.end(), image.body().begin());
        }
    }

    bench::Report("Programm", programTimes, ProgrammBound());
    bench::Report("ReadConf", readTimes, ReadConfBound());
    bench::StopSimulator(sim);
    return failures == 0 ? 0 : 1;
}
