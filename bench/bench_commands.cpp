// The GUI thread while direct commands run from the real main window on
// krx-sim --pace (a pseudo-terminal at line rate): the longest gap of a 1 ms
// timer while relay 1 is switched on and off from the controller page, the
// clock is synchronised and the IMEI copied, and how long each command
// takes against the least time its frames need on the wire.
//
// usage: bench_commands [--sim PATH] [--rounds N]
// Run it under Xvfb (DISPLAY) for a real window, or QT_QPA_PLATFORM=offscreen.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

#include "app/shell/configurator_assembly.h"
#include "app/shell/direct_command_controller.h"
#include "gui_stall.h"
#include "wire_bound.h"

using namespace krx;
using krx::bench::MeasureStallDuring;
using krx::bench::RunFor;
using krx::bench::Stall;

namespace {

// Wire bytes of a job: "BINARY\r" and its answer, then the request and the
// reply frame (5 bytes around the payload each way).
constexpr int JobBytes(int requestPayload, int replyPayload) {
    return 7 + 1 + 5 + requestPayload + 5 + replyPayload;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QString simPath = QStringLiteral(KRX_SIM_PROGRAM);
    int rounds = 20;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == "--sim") simPath = args[++i];
        else if (args[i] == "--rounds") rounds = args[++i].toInt();
    }
    QTemporaryDir workDir;
    QDir::setCurrent(workDir.path());

    QProcess sim;
    const QString port = bench::StartSimulator(sim, simPath, {"--pace"});
    if (port.isEmpty()) {
        std::fprintf(stderr, "cannot start %s\n", qPrintable(simPath));
        return 1;
    }
    AssemblyOptions options;
    options.window.portOverride = port;
    Configurator live = AssembleConfigurator(std::move(options));
    live.window->show();
    RunFor(1500);  // Timer2 has started the monitor, which found the controller

    auto* on = live.window->findChild<QPushButton*>("Button4");
    auto* off = live.window->findChild<QPushButton*>("Button5");
    std::vector<double> controlMs;
    std::vector<double> clockMs;
    std::vector<double> imeiMs;
    int failures = 0;
    const auto timed = [&failures](std::vector<double>& into, const auto& command) {
        QElapsedTimer clock;
        clock.start();
        const OperationOutcome out = command();
        into.push_back(double(clock.nsecsElapsed()) / 1e6);
        if (!out.ok) ++failures;
    };
    const Stall stall = MeasureStallDuring([&] {
        for (int i = 0; i < rounds; ++i) {
            QPushButton* button = i % 2 ? off : on;
            QElapsedTimer clock;
            clock.start();
            button->click();  // runs the whole command, the window live meanwhile
            controlMs.push_back(double(clock.nsecsElapsed()) / 1e6);
            RunFor(50);  // the monitor's restart between two clicks
        }
        for (int i = 0; i < rounds / 4 + 1; ++i) {
            timed(clockMs, [&] { return live.commands->syncClock(); });
            RunFor(50);
            timed(imeiMs, [&] { return live.commands->copyImei(); });
            RunFor(50);
        }
    });

    // Identification (88-byte record), password (9 bytes, acknowledged
    // with 1 status byte), then the command or the clock (acknowledged).
    const int identBytes = JobBytes(0, 88);
    const double controlBound = (identBytes + JobBytes(9, 1) + JobBytes(3, 1)) * bench::kSecondsPerByte;
    const double clockBound = (identBytes + JobBytes(6, 1)) * bench::kSecondsPerByte;
    const double imeiBound = (identBytes + JobBytes(9, 1)) * bench::kSecondsPerByte;
    std::printf("GUI stall while %d control commands, %zu clock sets and %zu IMEI reads ran: "
                "longest gap of a 1 ms timer %.1f ms (GUI thread busy %.1f ms of it), "
                "99.9th percentile %.1f ms, median %.2f ms (%zu ticks); %d commands failed\n",
                rounds, clockMs.size(), imeiMs.size(), stall.pct(1.0), stall.longestGapCpuMs,
                stall.pct(0.999), stall.pct(0.5), stall.gapsUs.size(), failures);
    std::printf("control command: median %.1f ms (wire bound %.1f ms, ratio %.2f)\n",
                Median(controlMs), controlBound * 1000.0, Median(controlMs) / (controlBound * 1000.0));
    std::printf("clock set:       median %.1f ms (wire bound %.1f ms, ratio %.2f)\n",
                Median(clockMs), clockBound * 1000.0, Median(clockMs) / (clockBound * 1000.0));
    std::printf("IMEI read:       median %.1f ms (wire bound %.1f ms, ratio %.2f)\n",
                Median(imeiMs), imeiBound * 1000.0, Median(imeiMs) / (imeiBound * 1000.0));
    live.window.reset();
    bench::StopSimulator(sim);
    return 0;
}
